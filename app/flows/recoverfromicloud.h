#pragma once

#include "modulebasefrm.h"

#include <QScopedPointer>

class QPushButton;
class QStackedLayout;
class FlowLinkLabel;
class LoginiCloudFrm;
class iCloudStartingPage;
class RecoverFromiCloudPrivate;

// The module of the recovery from iCloud: the sign-in, then the data-type
// page with the signed-in account, "(Sign out)" and Download, which keeps
// the chosen categories in the record store and asks the window to pull
// them into a fresh download folder. Back on the data-type page asks
// before it signs out.
class RecoverFromiCloud : public ModuleBaseFrm
{
    Q_OBJECT

public:
    explicit RecoverFromiCloud(QWidget *parent = nullptr);
    ~RecoverFromiCloud() override;

    void setInit() override;
    void resetUI() override;

    LoginiCloudFrm *loginPage() const;
    iCloudStartingPage *typePage() const;
    QStackedLayout *stack() const;
    QPushButton *backButton() const;
    QPushButton *downloadButton() const;
    FlowLinkLabel *accountLabel() const;

private:
    void onPageChanged(int index);
    void onBackClicked();
    void signOut();
    void download();
    void updateAccountText();

    QScopedPointer<RecoverFromiCloudPrivate> d;
};
