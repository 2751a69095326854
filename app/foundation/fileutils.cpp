#include "fileutils.h"

#include "folderdeleter.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMap>
#include <QMimeDatabase>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QTemporaryFile>
#include <QUrl>

QString linuxModuleName(const QString &name)
{
    static const QRegularExpression suffix(QStringLiteral("\\.(exe|dll)$"),
                                           QRegularExpression::CaseInsensitiveOption);
    return QString(name).remove(suffix);
}

QString existingAncestor(const QString &path)
{
    QString current = QDir::cleanPath(QDir(path).absolutePath());
    while (!QFileInfo::exists(current) && current != "/")
        current = QFileInfo(current).path();
    return current;
}

quint64 diskFreeBytes(const QString &path)
{
    if (path.isEmpty())
        return 0;
    const QStorageInfo volume(existingAncestor(path));
    return volume.isValid() && volume.isReady() ? quint64(qMax<qint64>(volume.bytesFree(), 0)) : 0;
}

QString driveWithMostFreeSpace()
{
    QMap<qint64, QString> byFreeBytes;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        // Local disks and removable media are block devices; skip virtual
        // and read-only file systems.
        if (!volume.isValid() || !volume.isReady() || volume.isReadOnly()
            || !volume.device().startsWith("/dev/"))
            continue;
        byFreeBytes.insert(qMax<qint64>(volume.bytesFree(), 0), volume.rootPath());
    }
    return byFreeBytes.isEmpty() ? QString() : byFreeBytes.last();
}

void runRubbishCleaner(const QString &program, const QString &path)
{
    runRubbishCleaner(program, QStringList {path});
}

void runRubbishCleaner(const QString &program, const QStringList &paths)
{
    QStringList arguments = paths;
    arguments.removeAll(QString());
    if (arguments.isEmpty() || program.isEmpty())
        return;
    QProcess::startDetached(program, arguments);
}

namespace
{
    const QDir::Filters kVisibleEntries = QDir::AllEntries | QDir::NoDotAndDotDot;

    bool isInsideOrSame(const QString &path, const QString &folder)
    {
        return path == folder || path.startsWith(folder.endsWith('/') ? folder : folder + '/');
    }
}

void sanitizeFileName(QString &name)
{
    static const QStringList unsafe {"\\", "/", ":", "*", "?", "\"", "<", ">", "|"};
    for (const QString &character : unsafe)
        name.replace(character, QStringLiteral("_"));
    // A NUL would end the name where the file is opened: two names differing
    // after it would land on one file.
    for (QChar &c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            c = QLatin1Char('_');
    }
    if (name.isEmpty() || name == "." || name == "..")
        name = QStringLiteral("_");
}

void makeNamesUnique(QStringList &names)
{
    QSet<QString> taken(names.cbegin(), names.cend());
    QHash<QString, int> lastNumber;
    QSet<QString> seen;
    for (QString &name : names) {
        if (!seen.contains(name)) {
            seen.insert(name);
            continue;
        }
        int &number = lastNumber[name];
        QString candidate;
        do
            candidate = QStringLiteral("%1_%2").arg(name).arg(++number);
        while (taken.contains(candidate));
        taken.insert(candidate);
        name = candidate;
    }
}

void makeNamesUniqueBySet(QStringList &names)
{
    makeNamesUnique(names);
}

bool copyDirectory(const QString &source, const QString &target, bool overwrite)
{
    const QFileInfo sourceInfo(source);
    if (!sourceInfo.isDir())
        return false;
    const QString sourceReal = sourceInfo.canonicalFilePath();
    const QString targetReal = QFileInfo(existingAncestor(target)).canonicalFilePath();
    // A target inside the source would be copied into itself without end.
    if (isInsideOrSame(targetReal, sourceReal))
        return false;
    const QFileInfo targetInfo(target);
    if (targetInfo.isSymLink())
        return false; // writing through it would land outside the target
    if (!targetInfo.exists() && !QDir().mkdir(targetInfo.absoluteFilePath()))
        return false;
    if (!QFileInfo(target).isDir())
        return false;

    const QFileInfoList entries = QDir(source).entryInfoList(kVisibleEntries, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &entry : entries) {
        const QString to = target + '/' + entry.fileName();
        if (entry.isDir()) {
            if (entry.isSymLink())
                continue; // a linked folder may lead back up the tree
            if (!copyDirectory(entry.filePath(), to, overwrite))
                return false;
            continue;
        }
        const QFileInfo existing(to);
        if (existing.exists() || existing.isSymLink()) {
            if (!overwrite || existing.isDir() || !QFile::remove(to))
                return false;
        }
        if (!QFile::copy(entry.filePath(), to))
            return false;
    }
    return true;
}

qint64 directorySize(const QString &folder)
{
    if (folder.isEmpty())
        return 0;
    qint64 total = 0;
    // The iterator does not follow links into folders; linked files are
    // skipped too, they are not below the folder.
    QDirIterator entries(folder, kVisibleEntries, QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        entries.next();
        const QFileInfo info = entries.fileInfo();
        if (!info.isSymLink() && info.isFile())
            total += info.size();
    }
    return total;
}

QStringList directoryEntries(const QString &folder)
{
    if (folder.isEmpty())
        return {};
    return QDir(folder).entryList(kVisibleEntries, QDir::Name | QDir::IgnoreCase);
}

QString absolutePath(const QString &path)
{
    return QDir(path).absolutePath();
}

QString fromNativePath(const QString &path)
{
    return QDir::fromNativeSeparators(path);
}

bool isSamePath(const QString &a, const QString &b)
{
    return QDir(a).absolutePath() == QDir(b).absolutePath();
}

QString readFileText(const QString &path, bool asBase64)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    return asBase64 ? QString::fromLatin1(bytes.toBase64()) : QString::fromUtf8(bytes);
}

bool writeTextFile(const QString &path, const QString &text)
{
    if (text.isEmpty())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray bytes = text.toUtf8();
    const bool written = file.write(bytes) == bytes.size();
    return file.flush() && written;
}

bool openUrl(const QString &target, bool isLocalFile)
{
    const QUrl url = isLocalFile ? QUrl::fromLocalFile(target) : QUrl(target, QUrl::TolerantMode);
    return QDesktopServices::openUrl(url);
}

void showInExplorer(const QString &path)
{
    const QFileInfo file(path);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected()) {
        QDBusMessage call = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
            QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
        call << QStringList {QUrl::fromLocalFile(file.absoluteFilePath()).toString(QUrl::FullyEncoded)}
             << QString();
        // A file manager answers at once; a hung one must not hold the window.
        const QDBusMessage reply = bus.call(call, QDBus::Block, 5000);
        if (reply.type() == QDBusMessage::ReplyMessage)
            return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(file.absolutePath()));
}

void uniqueFilePath(QString &path)
{
    const int slash = path.lastIndexOf('/');
    const int dot = path.lastIndexOf('.');
    // Only a dot inside the file name starts a suffix, and not a leading one.
    const bool hasSuffix = dot > slash + 1;
    const QString base = hasSuffix ? path.left(dot) : path;
    const QString suffix = hasSuffix ? path.mid(dot) : QString();
    QString candidate = path;
    for (int number = 1; QFile::exists(candidate) || QFileInfo(candidate).isSymLink(); ++number)
        candidate = QStringLiteral("%1(%2)%3").arg(base).arg(number).arg(suffix);
    path = candidate;
}

QString uniqueFileNameInFolder(const QString &fileName, const QString &folder)
{
    const QFileInfo name(fileName);
    const QString suffix = name.suffix();
    const QString base = suffix.isEmpty() ? fileName : name.completeBaseName();
    const QString ending = suffix.isEmpty() ? QString() : '.' + suffix;
    QString candidate = folder + '/' + base + ending;
    for (int number = 1; QFile::exists(candidate) || QFileInfo(candidate).isSymLink(); ++number)
        candidate = QStringLiteral("%1/%2(%3)%4").arg(folder, base).arg(number).arg(ending);
    return candidate;
}

bool isFolderWritable(const QString &folder)
{
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return false;
    QTemporaryFile probe(folder + "/.quenrow-write-probe-XXXXXX");
    return probe.open();
}

bool ensurePath(const QString &folder)
{
    return QFileInfo(folder).isDir() || QDir().mkpath(folder);
}

namespace
{
    bool clearEntries(const QString &folder)
    {
        bool cleared = true;
        const QFileInfoList entries = QDir(folder).entryInfoList(kVisibleEntries);
        for (const QFileInfo &entry : entries) {
            // A link goes, never what it points to.
            const bool ok = entry.isDir() && !entry.isSymLink()
                ? clearEntries(entry.filePath()) && QDir().rmdir(entry.filePath())
                : QFile::remove(entry.filePath());
            cleared = cleared && ok;
        }
        return cleared;
    }
}

bool clearAndRemoveFolder(const QString &folder)
{
    if (!FolderDeleter::refusal(folder).isEmpty())
        return false;
    const QFileInfo info(folder);
    if (info.isSymLink())
        return QFile::remove(info.absoluteFilePath());
    if (!info.isDir())
        return false;
    clearEntries(info.absoluteFilePath());
    return QDir().rmdir(info.absoluteFilePath());
}

bool moveFolderContents(const QString &source, const QString &target)
{
    bool moved = true;
    for (const QString &name : directoryEntries(source)) {
        const QString from = source + '/' + name;
        const QString to = target + '/' + name;
        const QFileInfo existing(to);
        if (existing.isSymLink() || existing.isFile())
            QFile::remove(to);
        else if (!existing.exists())
            QDir().mkpath(existing.absolutePath());
        moved = QFile::rename(from, to) && moved;
    }
    return moved;
}

QString fileSuffixOrMime(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix();
    if (!suffix.isEmpty())
        return suffix;
    return QMimeDatabase().mimeTypeForFile(path, QMimeDatabase::MatchContent).preferredSuffix();
}

QString splitFilesPath(const QString &path, QString &fileName)
{
    const QString marker = QStringLiteral("files/");
    const int at = path.indexOf(marker);
    const QString rest = at < 0 ? path : path.mid(at + marker.size());
    const int slash = rest.lastIndexOf('/');
    fileName = rest.mid(slash + 1);
    return slash < 0 ? QString() : rest.left(slash);
}

QString googleDriveDataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + "/Google_Drive_Android_Data";
}

int androidChatBackupKind(const QString &fileName)
{
    if (!fileName.startsWith(QLatin1String("msgstore.db.crypt")))
        return -1;
    return fileName.endsWith(QLatin1String("15")) ? 1 : 0;
}

int androidChatBackupKindOfFolder(const QString &folder)
{
    if (folder.isEmpty())
        return -1;
    int kind = -1;
    for (const QString &name : directoryEntries(folder + "/Databases"))
        kind = qMax(kind, androidChatBackupKind(name));
    return kind;
}

QChar systemDriveLetter()
{
    return QDir::rootPath().at(0);
}
