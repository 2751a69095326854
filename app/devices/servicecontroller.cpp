#include "servicecontroller.h"

#include <QProcess>
#include <QTextCodec>

namespace
{
    QString systemctlProgram()
    {
        const QString configured = qEnvironmentVariable("QUENROW_SYSTEMCTL");
        return configured.isEmpty() ? QStringLiteral("systemctl") : configured;
    }
}

ServiceController::ServiceController(const QString &serviceName)
    : QObject(nullptr)
    , m_serviceName(serviceName)
    , m_process(new QProcess)
{
    connect(m_process, &QProcess::readyRead, this, &ServiceController::readReult);
}

ServiceController::~ServiceController()
{
    delete m_process;
}

void ServiceController::systemctl(const QString &command)
{
    QProcess::execute(systemctlProgram(), {QStringLiteral("--no-ask-password"), command, m_serviceName});
}

void ServiceController::setStartType(int type)
{
    // systemd has no delayed start: delayed-auto is auto.
    switch (type) {
    case Auto:
    case DelayedAuto:
        systemctl(QStringLiteral("unmask"));
        systemctl(QStringLiteral("enable"));
        break;
    case Demand:
        systemctl(QStringLiteral("unmask"));
        systemctl(QStringLiteral("disable"));
        break;
    case Disabled:
        systemctl(QStringLiteral("mask"));
        break;
    default:
        break;
    }
}

void ServiceController::start()
{
    systemctl(QStringLiteral("start"));
}

void ServiceController::stop()
{
    systemctl(QStringLiteral("stop"));
}

void ServiceController::readReult()
{
    const QByteArray bytes = m_process->readAll();
    if (QTextCodec *codec = QTextCodec::codecForName("gb2312"))
        codec->toUnicode(bytes);
}
