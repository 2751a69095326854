#pragma once

#include "recovernoticedialog.h"

class QLabel;

// Tells that the export folder cannot be used, with a link to the export
// settings: following it ends the dialog with OpenSettings.
class RecoverPathunreadabilityDialog : public RecoverNoticeDialog
{
    Q_OBJECT

public:
    static constexpr int OpenSettings = 3;

    explicit RecoverPathunreadabilityDialog(QWidget *parent = nullptr);

    void setMessage(const QString &text);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslateUi();

    QLabel *m_link = nullptr;
};
