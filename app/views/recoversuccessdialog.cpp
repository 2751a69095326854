#include "recoversuccessdialog.h"

#include "analyticstracker.h"

#include <algorithm>

RecoverSuccessDialog::RecoverSuccessDialog(QWidget *parent)
    : RecoverNoticeDialog(QSize(120, 36), QMargins(5, 0, 0, 20), parent)
{
}

void RecoverSuccessDialog::setResult(int total, int, int succeeded, bool connectionHint)
{
    // More written than counted must not read as a negative failure.
    const int failed = std::max(0, total - succeeded);
    QString label;
    if (succeeded == total) {
        setText(tr("%n data restored successfully!", nullptr, total));
        label = QStringLiteral("AllDataSucceed");
    } else if (succeeded == 0) {
        setText(tr("Recover failed! Please try again."));
        label = QStringLiteral("AllFailed");
    } else {
        setText(connectionHint ? tr("%1 data restored successful, but %2 data restored failed.\nplease keep your "
                                    "device connection stable and try again later.")
                                     .arg(succeeded)
                                     .arg(failed)
                               : tr("%1 data restored successful, but %2 data restored failed.")
                                     .arg(succeeded)
                                     .arg(failed));
        label = QStringLiteral("SomeFailed");
    }
    setPicture(QStringLiteral(":/Images/icon_success.png"));
    trackEvent(QStringLiteral("RecoverRate"), QStringLiteral("RecoverSuccess"), label);
}
