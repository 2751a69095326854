#pragma once

#include <QWidget>

class QLabel;

// The device module's page for a phone that does not trust this computer
// yet: how to tap "Trust" and enter the passcode.
class deviceTrustUnlockFrm : public QWidget
{
    Q_OBJECT

public:
    explicit deviceTrustUnlockFrm(QWidget *parent = nullptr);

    // The title names the current device.
    void refreshTexts();
    QString titleText() const;

private:
    QLabel *m_title = nullptr;
};
