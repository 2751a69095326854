#pragma once

#include "fdialog.h"

#include <QScopedPointer>
#include <QVector>

class QLabel;
class QLineEdit;
class QPushButton;
class FlowLinkLabel;
class Need2StepVerifyDialogPrivate;

// The two-step verification of an iCloud sign-in: six one-digit boxes, a
// new code to the trusted devices or by text message (each with its own
// 30-second cool-down), Apple's advice, and "Verify", which checks the code
// through the iCloud service. exec() gives Verified once the code is
// accepted; closing it gives what the dialog base gives.
class Need2StepVerifyDialog : public FDialog
{
    Q_OBJECT

public:
    static constexpr int Verified = 0xFFFF;
    static constexpr int CoolDownSeconds = 30;

    explicit Need2StepVerifyDialog(QWidget *parent = nullptr);
    ~Need2StepVerifyDialog() override;

    QVector<QLineEdit *> digitBoxes() const;
    QPushButton *verifyButton() const;
    FlowLinkLabel *resendLink() const;
    FlowLinkLabel *smsLink() const;
    FlowLinkLabel *adviceLink() const;
    QString statusText() const;
    bool smsRequested() const;
    bool isResendCounting() const;
    bool isSmsCounting() const;

public slots:
    // One second of each cool-down (their timers call them).
    void resendTick();
    void smsTick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void requestCode(bool viaSms);
    void tick(bool viaSms);
    void setLinkState(bool viaSms, int secondsLeft);
    void updateVerifyState();
    void verify();
    void retranslate();

    QScopedPointer<Need2StepVerifyDialogPrivate> d;
};
