#include "appsupport.h"

#include "formatutils.h"
#include "vlog.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace
{
    const char MinimumVersion[] = "1.1.0";

    QString usbmuxdProgram()
    {
        const QString configured = qEnvironmentVariable("QUENROW_USBMUXD");
        if (!configured.isEmpty())
            return configured;
        QString found = QStandardPaths::findExecutable(QStringLiteral("usbmuxd"));
        if (found.isEmpty())
            found = QStandardPaths::findExecutable(QStringLiteral("usbmuxd"),
                                                   {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
        return found;
    }
}

QString fileVersionText(const QString &path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile() || !info.isExecutable())
        return QString();
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(path, {QStringLiteral("--version")});
    if (!process.waitForStarted(5000))
        return QString();
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(1000);
        return QString();
    }
    static const QRegularExpression dotted(QStringLiteral("\\d+(?:\\.\\d+)+"));
    return dotted.match(QString::fromLocal8Bit(process.readAll())).captured(0);
}

QString findAppleSupportVersion()
{
    const QString program = usbmuxdProgram();
    return program.isEmpty() ? QString() : fileVersionText(program);
}

bool checkAppleSupportFolder(const QString &path)
{
    const QString folder = QFileInfo(path).absolutePath();
    const QDir dir(folder);
    if (!QFileInfo::exists(path) || !dir.exists(QStringLiteral("libMobileDevice.so"))
        || !dir.exists(QStringLiteral("libCoreFoundation.so")))
        return false;
    vlogInfo(QStringLiteral("Find Apple mobile device support (%1)").arg(folder));
    // A missing daemon has no version, and counts as too old.
    const QString version = findAppleSupportVersion();
    if (version.isEmpty() || compareVersion(version, QString::fromLatin1(MinimumVersion)) < 0) {
        vlogInfo(QStringLiteral("Apple mobile device support too old, version: %1 (%2)").arg(version, folder));
        return false;
    }
    return true;
}

bool checkPackagedAppleSupport(const QString &)
{
    return false;
}
