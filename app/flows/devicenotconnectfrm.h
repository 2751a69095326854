#pragma once

#include <QWidget>

class FlowLinkLabel;

// The device module's page while no phone is connected: a picture, how to
// connect one, and a link for a phone that is connected but not seen.
class DeviceNotConnectFrm : public QWidget
{
    Q_OBJECT

public:
    explicit DeviceNotConnectFrm(QWidget *parent = nullptr);

    void refreshTexts();

signals:
    void sigDeviceNotrecognized();

private:
    FlowLinkLabel *m_link = nullptr;
};
