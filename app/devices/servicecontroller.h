#pragma once

#include <QObject>
#include <QString>

class QProcess;

// Changes a system service's start type and starts or stops it, through
// systemctl (QUENROW_SYSTEMCTL). Results are not looked at.
class ServiceController : public QObject
{
    Q_OBJECT

public:
    enum StartType
    {
        Auto = 0,
        Demand = 1,
        Disabled = 2,
        DelayedAuto = 3
    };

    explicit ServiceController(const QString &serviceName);
    ~ServiceController() override;

    void setStartType(int type);
    void start();
    void stop();

private slots:
    void readReult();

private:
    void systemctl(const QString &command);

    QString m_serviceName;
    QProcess *m_process;
};
