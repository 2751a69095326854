#include "scanitunesbackupmanage.h"

#include "fileutils.h"
#include "settingsentry.h"
#include "vlog.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMetaType>
#include <QStandardPaths>
#include <QThreadPool>
#include <QtConcurrent>

#include <plist/plist.h>
#include <plistguard.h>

#include <algorithm>
#include <cstring>
#include <memory>

namespace
{
    // Seconds from 1970 to 2001, where property-list dates count from.
    const qint64 kPlistEpoch = 978307200;
    // A Manifest.plist holds a few kilobytes to a few megabytes; a larger
    // file is not read into memory.
    const qint64 kMaxPlistBytes = 64 * 1024 * 1024;

    struct PlistDeleter
    {
        void operator()(void *node) const { plist_free(static_cast<plist_t>(node)); }
    };
    using PlistPtr = std::unique_ptr<void, PlistDeleter>;

    // A binary property list, else an XML one (behind a byte-order mark,
    // which the XML parser refuses).
    PlistPtr loadPlist(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxPlistBytes)
            return nullptr;
        // The file's own size: a buffer of the whole cap for every backup listed costs 64 MiB each.
        const QByteArray data = file.read(file.size());
        if (data.size() < 4 || !PlistGuard::acceptable(data.constData(), size_t(data.size())))
            return nullptr;
        plist_t root = nullptr;
        plist_from_bin(data.constData(), uint32_t(data.size()), &root);
        if (!root) {
            const int skip = data.startsWith("\xEF\xBB\xBF") ? 3 : 0;
            plist_from_xml(data.constData() + skip, uint32_t(data.size() - skip), &root);
        }
        if (root && plist_get_node_type(root) != PLIST_DICT) {
            plist_free(root);
            root = nullptr;
        }
        return PlistPtr(root);
    }

    bool stringValue(plist_t dict, const char *key, QString *out)
    {
        plist_t node = plist_dict_get_item(dict, key);
        if (!node || plist_get_node_type(node) != PLIST_STRING)
            return false;
        // Not plist_get_string_val: libplist aborts on a NUL inside the text.
        uint64_t length = 0;
        const char *text = plist_get_string_ptr(node, &length);
        if (!text)
            return false;
        *out = QString::fromUtf8(text, int(strnlen(text, size_t(length))));
        return true;
    }

    plist_t lockdownOf(plist_t root)
    {
        plist_t node = plist_dict_get_item(root, "Lockdown");
        return node && plist_get_node_type(node) == PLIST_DICT ? node : nullptr;
    }

    // Compared as bytes: a header that begins with NUL is not text.
    bool isEncryptedBackup(const QString &folder)
    {
        QFile manifest(folder + "/Manifest.db");
        if (!manifest.open(QIODevice::ReadOnly))
            return false;
        const QByteArray header = manifest.read(64);
        return !header.isEmpty() && !header.startsWith("SQLite format 3");
    }

    QString existsFlag(const QString &path)
    {
        return QFile::exists(path) ? "1" : "0";
    }
}

ScaniTunesBackupManage *ScaniTunesBackupManage::instance()
{
    // Never destroyed: scans may still report while the process ends.
    static ScaniTunesBackupManage *living = new ScaniTunesBackupManage;
    return living;
}

ScaniTunesBackupManage::ScaniTunesBackupManage(ScanVardex::Sink sink, ScanVardex::ExecutorFactory factory)
{
    qRegisterMetaType<QMap<QString, QString>>("QMap<QString, QString>");
    m_scanner = new ScanVardex(std::move(sink), std::move(factory), this);
    connect(m_scanner, &ScanVardex::sigScanBackupsDbStart, this, &ScaniTunesBackupManage::sigScanBackupsDbStart,
            Qt::DirectConnection);
    connect(m_scanner, &ScanVardex::sigScanBackupsDbStop, this, &ScaniTunesBackupManage::sigScanBackupsDbStop,
            Qt::DirectConnection);
    for (const QString &root : backupRoots()) {
        const QDir dir(root);
        if (!dir.exists())
            continue;
        for (const QString &entry : directoryEntries(root))
            m_backupFolders.append(QFileInfo(dir.filePath(entry)).absoluteFilePath());
    }
}

ScaniTunesBackupManage::~ScaniTunesBackupManage()
{
    // Listing jobs use this object.
    QMutexLocker locker(&m_foldersMutex);
    const QList<QFuture<void>> listings = m_listings;
    locker.unlock();
    for (QFuture<void> listing : listings)
        listing.waitForFinished();
}

QStringList ScaniTunesBackupManage::backupRoots()
{
    QStringList roots;
    const QString root = qEnvironmentVariable("QUENROW_ITUNES_BACKUP_ROOT");
    if (!root.isEmpty())
        roots.append(root);
    else
        roots.append(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/MobileSync/Backup");
    QString prefix = qEnvironmentVariable("WINEPREFIX");
    if (prefix.isEmpty())
        prefix = QDir::homePath() + "/.wine";
    const QDir users(prefix + "/drive_c/users");
    for (const QString &user : users.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const QString base = users.filePath(user) + "/";
        roots.append(base + "AppData/Roaming/Apple Computer/MobileSync/Backup");
        roots.append(base + "Apple/MobileSync/Backup");
    }
    return roots;
}

void ScaniTunesBackupManage::appendBackupPath(const QString &folder)
{
    QMutexLocker locker(&m_foldersMutex);
    m_backupFolders.append(folder);
}

QStringList ScaniTunesBackupManage::backupFolders() const
{
    QMutexLocker locker(&m_foldersMutex);
    return m_backupFolders;
}

void ScaniTunesBackupManage::scanBackupsList(const QString &folder)
{
    emit sigScanBackupsListStart();
    const QFuture<void> listing =
        QtConcurrent::run(QThreadPool::globalInstance(), [this, folder] { listBackups(folder); });
    QMutexLocker locker(&m_foldersMutex);
    m_listings.erase(std::remove_if(m_listings.begin(), m_listings.end(),
                                    [](const QFuture<void> &done) { return done.isFinished(); }),
                     m_listings.end());
    m_listings.append(listing);
}

void ScaniTunesBackupManage::listBackups(const QString &folder)
{
    QStringList folders;
    if (folder.isEmpty()) {
        folders = backupFolders();
    } else {
        appendBackupPath(folder);
        folders.append(folder);
    }
    for (const QString &each : folders) {
        const QMap<QString, QString> info = readBackupInfo(each);
        if (!info.isEmpty())
            emit sigBackupsListInfo(info);
    }
    emit sigScanBackupsListStop();
}

QMap<QString, QString> ScaniTunesBackupManage::readBackupInfo(const QString &folder)
{
    QMutexLocker locker(&m_readMutex);
    const QString plistPath = folder + "/Manifest.plist";
    const PlistPtr root = loadPlist(plistPath);
    if (!root) {
        vlogInfo(QString("InitPlist error [scanBackupfunc][%1][%2]\n").arg(plistPath, existsFlag(plistPath)));
        return {};
    }
    QMap<QString, QString> info;
    plist_t date = plist_dict_get_item(root.get(), "Date");
    if (date && plist_get_node_type(date) == PLIST_DATE) {
        int32_t seconds = 0;
        int32_t micros = 0;
        plist_get_date_val(date, &seconds, &micros);
        info.insert("Date", QDateTime::fromSecsSinceEpoch(qint64(seconds) + kPlistEpoch, Qt::LocalTime)
                                .toString("yyyy-MM-dd hh:mm:ss"));
    }
    info.insert("IsEncrypted", isEncryptedBackup(folder) ? "1" : "0");
    if (plist_t lockdown = lockdownOf(root.get())) {
        QString text;
        if (stringValue(lockdown, "ProductVersion", &text))
            info.insert("ProductVersion", text);
        if (stringValue(lockdown, "ProductType", &text))
            info.insert("ProductType", productTypeToModelName(text));
        if (stringValue(lockdown, "DeviceName", &text))
            info.insert("DeviceName", text);
    }
    info.insert("LocalPath", folder);
    info.insert("Size", QString::number(directorySize(folder)));
    return info;
}

QString ScaniTunesBackupManage::readProductTypefunc(const QString &folder)
{
    QMutexLocker locker(&m_readMutex);
    const QString plistPath = folder + "/Manifest.plist";
    const PlistPtr root = loadPlist(plistPath);
    QString productType;
    if (!root) {
        vlogInfo(QString("InitPlist error [readProductTypefunc][%1][%2]\n").arg(plistPath, existsFlag(plistPath)));
    } else {
        plist_t lockdown = lockdownOf(root.get());
        if (!lockdown || !stringValue(lockdown, "ProductType", &productType))
            vlogInfo(QString("read ProductType error [readProductTypefunc][%1][%2]\n")
                         .arg(plistPath, existsFlag(plistPath)));
    }
    return productTypeToModelName(productType);
}

QString ScaniTunesBackupManage::productTypeToModelName(const QString &productType)
{
    static const QMap<QString, QString> models = [] {
        const QList<QPair<QStringList, QString>> rows = {
            {{"iPhone3,1", "iPhone3,2", "iPhone3,3"}, "iPhone 4"},
            {{"iPhone4,1"}, "iPhone 4S"},
            {{"iPhone5,1", "iPhone5,2"}, "iPhone 5"},
            {{"iPhone5,3", "iPhone5,4"}, "iPhone 5c"},
            {{"iPhone6,1", "iPhone6,2"}, "iPhone 5s"},
            {{"iPhone7,1"}, "iPhone 6 Plus"},
            {{"iPhone7,2"}, "iPhone 6"},
            {{"iPhone8,1"}, "iPhone 6s"},
            {{"iPhone8,2"}, "iPhone 6s Plus"},
            {{"iPhone8,4"}, "iPhone SE"},
            {{"iPhone9,1", "iPhone9,3"}, "iPhone 7"},
            {{"iPhone9,2", "iPhone9,4"}, "iPhone 7 Plus"},
            {{"iPhone10,1", "iPhone10,4"}, "iPhone 8"},
            {{"iPhone10,2", "iPhone10,5"}, "iPhone 8 Plus"},
            {{"iPhone10,3", "iPhone10,6"}, "iPhone X"},
            {{"iPhone11,2"}, "iPhone XS"},
            {{"iPhone11,4", "iPhone11,6"}, "iPhone XS Max"},
            {{"iPhone11,8"}, "iPhone XR"},
            {{"iPhone12,1"}, "iPhone 11"},
            {{"iPhone12,3"}, "iPhone 11 Pro"},
            {{"iPhone12,5"}, "iPhone 11 Pro Max"},
            {{"iPhone12,8"}, "iPhone SE 2"},
            {{"iPhone13,1"}, "iPhone 12 mini"},
            {{"iPhone13,2"}, "iPhone 12"},
            {{"iPhone13,3"}, "iPhone 12 Pro"},
            {{"iPhone13,4"}, "iPhone 12 Pro Max"},
            {{"iPhone14,4"}, "iPhone 13 mini"},
            {{"iPhone14,5"}, "iPhone 13"},
            {{"iPhone14,2"}, "iPhone 13 Pro"},
            {{"iPhone14,3"}, "iPhone 13 Pro Max"},
            {{"iPhone14,6"}, "iPhone SE 3"},
            {{"iPhone14,7"}, "iPhone 14"},
            {{"iPhone14,8"}, "iPhone 14 Plus"},
            {{"iPhone15,2"}, "iPhone 14 Pro"},
            {{"iPhone15,3"}, "iPhone 14 Pro Max"},
        };
        QMap<QString, QString> table;
        for (const auto &row : rows)
            for (const QString &type : row.first)
                table.insert(type, row.second);
        return table;
    }();
    return models.value(productType, productType);
}

void ScaniTunesBackupManage::scanBackupsDb(const QList<int> &categories, const QString &backupPath,
                                           const QString &deviceUdid, bool fromDevice, const QString &outputDir)
{
    QDir().mkpath(outputDir.isEmpty() ? SettingsEntry::instance()->cacheMediaPath() : outputDir);
    vlogInfo(QString("[scanBackupsDb]=>%1").arg(backupPath));
    {
        QMutexLocker locker(&m_foldersMutex);
        m_currentBackupPath = backupPath;
    }
    m_scanner->queueScan(categories, backupPath, deviceUdid, fromDevice, outputDir);
}

QString ScaniTunesBackupManage::currentBackupPath() const
{
    QMutexLocker locker(&m_foldersMutex);
    return m_currentBackupPath;
}

void ScaniTunesBackupManage::stopScanBackupsDb()
{
    m_scanner->stopScan();
}

void ScaniTunesBackupManage::quitScan()
{
    m_scanner->requestQuit();
}

QString ScaniTunesBackupManage::getRegisterPhoneNum(const QString &backupPath)
{
    return m_scanner->getRegisterPhoneNum(backupPath);
}
