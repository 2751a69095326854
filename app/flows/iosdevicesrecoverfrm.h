#pragma once

#include <QWidget>

class AnimationView;
class BackupDataFlowTemplate;
class QLabel;

// The device flow's progress: the device, the three steps (analyse, back
// up, decrypt) and a picture of the connected phone.
class IOSDevicesRecoverFrm : public QWidget
{
    Q_OBJECT

public:
    explicit IOSDevicesRecoverFrm(QWidget *parent = nullptr);

    void setRowState(int row, int state);
    void setRowText(int row, const QString &text);
    void setDeviceText(const QString &text);

    BackupDataFlowTemplate *row(int index) const;
    QString deviceText() const;

private:
    QLabel *m_device = nullptr;
    QList<BackupDataFlowTemplate *> m_rows;
    AnimationView *m_animation = nullptr;
};
