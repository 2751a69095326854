#pragma once

#include <QWidget>

class QLabel;
class XBusyIndicator;

// A row's state in the device flow's step list.
enum FlowStepState
{
    StepRunning = 0,
    StepFailed = 1,
    StepWaiting = 2,
    StepDone = 3
};

// One step of the device flow's progress: its text and an icon that turns
// while the step runs.
class BackupDataFlowTemplate : public QWidget
{
    Q_OBJECT

public:
    explicit BackupDataFlowTemplate(QWidget *parent = nullptr);

    void setText(const QString &text);
    QString text() const;
    // Any other value only stops the turning icon.
    void setState(int state);
    int state() const;
    bool isBusy() const;

private:
    QLabel *m_text = nullptr;
    QLabel *m_icon = nullptr;
    XBusyIndicator *m_busy = nullptr;
    int m_state = StepWaiting;
};
