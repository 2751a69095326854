#include "chatexportseam.h"

#include "fileutils.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>

namespace {

QMutex s_lock;
ChatExportSeam::Hooks s_hooks;

ChatExportSeam::Hooks hooks()
{
    QMutexLocker locker(&s_lock);
    return s_hooks;
}

QString attachmentName(const QString &source, const QString &targetName)
{
    QString name = targetName.isEmpty() ? QFileInfo(source).fileName() : targetName;
    sanitizeFileName(name);
    return name;
}

} // namespace

namespace ChatExportSeam {

Hooks install(const Hooks &next)
{
    QMutexLocker locker(&s_lock);
    Hooks previous = s_hooks;
    s_hooks = next;
    return previous;
}

bool addAttachment(const QString &folder, const QString &source, QJsonObject &object, const QString &targetName)
{
    const QString dir = folder + QStringLiteral("/resource/Attachment");
    QDir().mkpath(dir);
    const QString name = attachmentName(source, targetName);
    object.insert(QStringLiteral("local_path"), QStringLiteral("resource/Attachment/") + name);
    if (source.isEmpty() || !QFileInfo(source).isFile())
        return false;
    if (const auto queue = hooks().queueCopy)
        queue(source, dir + QLatin1Char('/') + name);
    return true;
}

bool copyAttachment(const QString &folder, const QString &source, QJsonObject &object, const QString &key)
{
    const QString dir = folder + QStringLiteral("/resource/Attachment");
    QDir().mkpath(dir);
    if (source.isEmpty() || !QFileInfo(source).isFile()) {
        object.insert(key, QString());
        return false;
    }
    const QString name = attachmentName(source, QString());
    object.insert(key, QStringLiteral("resource/Attachment/") + name);
    return QFile::copy(source, dir + QLatin1Char('/') + name);
}

bool copyThumbnail(const QString &folder, const QString &source, QJsonObject &object)
{
    return copyAttachment(folder, source, object, QStringLiteral("thumbnailPath"));
}

void countDone()
{
    if (const auto count = hooks().countDone)
        count();
}

bool writeHeaderFile(const QString &, const QString &, const QString &, int, const QString &, const QString &,
                     const QString &, const QString &)
{
    return false;
}

bool writeHtmlPage(const QString &, const QString &, int, const QString &)
{
    return true;
}

} // namespace ChatExportSeam
