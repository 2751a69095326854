#include "adbhelper.h"

#include "settingsentry.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtConcurrent>

namespace
{
    // Packages whose presence the bridge is asked about.
    const char *const QueriedPackages[] = {"com.quenrow.assistant", "com.fwhatsapp", "com.whatsapp.gqw4b"};
}

adbHelper::adbHelper(QObject *parent, int waitMs)
    : QObject(parent)
    , m_waitMs(waitMs)
{
}

QString adbHelper::program() const
{
    QString fallback = QCoreApplication::applicationDirPath() + QStringLiteral("/Helper/adb");
    if (!QFileInfo(fallback).isExecutable())
        fallback = QStandardPaths::findExecutable(QStringLiteral("adb"));
    return SettingsEntry::instance()->endpoint("QUENROW_ADB", QStringLiteral("AdbProgram"), fallback);
}

QString adbHelper::shellQuoted(const QString &text)
{
    QString quoted = text;
    quoted.replace(QLatin1Char('\''), QLatin1String("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

QStringList adbHelper::splitLines(const QString &text)
{
    // adb ends its lines in "\n" here, "\r\n" elsewhere.
    static const QRegularExpression lineEnd(QStringLiteral("\r?\n"));
    return text.split(lineEnd, Qt::KeepEmptyParts);
}

QStringList adbHelper::withSerial(const QString &serial, const QStringList &arguments) const
{
    if (serial.isEmpty())
        return arguments;
    return QStringList{QStringLiteral("-s"), serial} + arguments;
}

namespace
{
    int executeProgram(const QString &adb, const QStringList &arguments, int waitMs)
    {
    if (adb.isEmpty())
        return -2;
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(adb, arguments);
    if (!process.waitForStarted(waitMs))
        return -2;
    if (!process.waitForFinished(waitMs)) {
        process.kill();
        process.waitForFinished(1000);
        return -1;
    }
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }
}

int adbHelper::execute(const QStringList &arguments) const
{
    return executeProgram(program(), arguments, m_waitMs);
}

void adbHelper::run(const QStringList &arguments, bool detached) const
{
    if (detached) {
        const QString adb = program();
        if (!adb.isEmpty())
            QProcess::startDetached(adb, arguments);
    } else {
        execute(arguments);
    }
}

QString adbHelper::output(const QStringList &arguments) const
{
    const QString adb = program();
    if (adb.isEmpty())
        return QString();
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(adb, arguments);
    if (!process.waitForFinished(m_waitMs)) {
        process.kill();
        process.waitForFinished(1000);
        return QString();
    }
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

void adbHelper::startServer(bool detached)
{
    run({QStringLiteral("start-server")}, detached);
}

void adbHelper::killServer(bool detached)
{
    run({QStringLiteral("kill-server")}, detached);
}

QString adbHelper::deviceState(const QString &serial) const
{
    const QStringList lines = splitLines(output({QStringLiteral("devices")}));
    for (const QString &line : lines) {
        if (line.isEmpty() || line.startsWith(QLatin1String("List of devices attached")))
            continue;
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.first().startsWith(serial))
            return fields.last();
    }
    return QString();
}

QString adbHelper::androidVersion(const QString &serial) const
{
    const QString text = output(withSerial(serial, {QStringLiteral("shell"), QStringLiteral("getprop"),
                                                    QStringLiteral("ro.build.version.release")}));
    return QStringLiteral("Android-") + splitLines(text).first();
}

void adbHelper::openApplicationSettings(const QString &serial, bool detached)
{
    run(withSerial(serial, {QStringLiteral("shell"), QStringLiteral("am"), QStringLiteral("start"), QStringLiteral("-a"),
                            QStringLiteral("android.settings.MANAGE_APPLICATIONS_SETTINGS")}),
        detached);
}

int adbHelper::listPath(const QString &serial, const QString &path)
{
    return execute(withSerial(serial, {QStringLiteral("shell"), QStringLiteral("ls"), shellQuoted(path)}));
}

int adbHelper::makeFolder(const QString &path)
{
    return execute({QStringLiteral("shell"), QStringLiteral("mkdir"), shellQuoted(path)});
}

int adbHelper::copyToDevice(const QString &serial, const QString &localPath, const QString &devicePath)
{
    // push takes its paths as they are: adb itself, not a shell, reads them.
    return execute(withSerial(serial, {QStringLiteral("push"), localPath, devicePath}));
}

QStringList adbHelper::packageQuery(const QString &serial) const
{
    QStringList answers;
    for (const char *package : QueriedPackages)
        answers << output(withSerial(serial, {QStringLiteral("shell"), QStringLiteral("dumpsys"), QStringLiteral("package"),
                                              QString::fromLatin1(package)}));
    return answers;
}

QStringList adbHelper::deviceList() const
{
    return splitLines(output({QStringLiteral("devices")}));
}

int adbHelper::moveOnDevice(const QString &serial, const QString &from, const QString &to)
{
    return execute(withSerial(serial, {QStringLiteral("shell"), QStringLiteral("mv"), QStringLiteral("-f"),
                                       shellQuoted(from), shellQuoted(to)}));
}

void adbHelper::restartServer()
{
    execute({QStringLiteral("kill-server")});
    execute({QStringLiteral("devices")});
}

void adbHelper::restartServerInBackground()
{
    // The job holds copies: the helper may be gone before it ends.
    const QString adb = program();
    const int waitMs = m_waitMs;
    QtConcurrent::run(QThreadPool::globalInstance(), [adb, waitMs] {
        executeProgram(adb, {QStringLiteral("kill-server")}, waitMs);
        executeProgram(adb, {QStringLiteral("devices")}, waitMs);
    });
}

QString adbHelper::androidVersionThroughWorker(const QString &serial) const
{
    QFutureWatcher<QString> watcher;
    QEventLoop loop;
    connect(&watcher, &QFutureWatcher<QString>::finished, &loop, &QEventLoop::quit);
    watcher.setFuture(QtConcurrent::run(QThreadPool::globalInstance(), [this, serial] { return androidVersion(serial); }));
    if (!watcher.isFinished())
        loop.exec();
    return watcher.result();
}
