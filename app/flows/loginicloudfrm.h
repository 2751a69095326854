#pragma once

#include "vxkwidget.h"

#include <QScopedPointer>

class QLabel;
class QPushButton;
class FlowLinkLabel;
class iCloudGmailFrm;
class iCloudPasswordFrm;
class LoginiCloudFrmPrivate;

// The iCloud sign-in: Apple ID and password, the connectivity check, the
// sign-in through the iCloud service, and the two-step verification when
// the account asks for it. Success remembers the Apple ID ("iCloudAccount")
// and emits sigLoginSucceed; every failure is told on the page and leaves
// the fields as typed. The password is never kept.
class LoginiCloudFrm : public VxkWidget
{
    Q_OBJECT

public:
    // What the iCloud library answers where it cannot be reached.
    static constexpr int NotAvailable = 503;

    explicit LoginiCloudFrm(QWidget *parent = nullptr);
    ~LoginiCloudFrm() override;

    void setInit() override;
    void resetUI() override;

    QString account() const;
    // An empty text clears the error line.
    void setErrorText(const QString &text);
    QString errorText() const;
    bool isBusy() const;

    iCloudGmailFrm *appleIdFrame() const;
    iCloudPasswordFrm *passwordFrame() const;
    QPushButton *signInButton() const;
    FlowLinkLabel *forgotLink() const;

signals:
    void sigEnabledBackButton(bool enabled);
    void sigLoginSucceed();

protected:
    void changeEvent(QEvent *event) override;

private:
    void signIn();
    void onFieldChanged();
    void setBusy(bool busy);
    void succeed();
    void fail();

    QScopedPointer<LoginiCloudFrmPrivate> d;
};
