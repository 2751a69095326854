#include "checkonlinetoolsversion.h"

#include "appevent.h"
#include "formatutils.h"
#include "qreplytimeout.h"
#include "segmenteddownloadmanager.h"
#include "settingsentry.h"
#include "tlsthreadstate.h"
#include "toolsrequest.h"
#include "vlog.h"

#include <QCryptographicHash>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QtConcurrent>

#include <cstdio>

namespace
{
    const int kUpdateCheckResultEvent = 1013;
    const char kRecordName[] = "secheme.json";
    const char kDownloadName[] = "apk.crdownload";

    struct Package
    {
        QString member;
        QString fileName;
        QString *version;
    };

    QList<Package> selectedPackages(int selection, checkOnLineToolsVersion::PackageVersions &versions)
    {
        QList<Package> packages;
        if (selection == 0 || selection == checkOnLineToolsVersion::BothPackages)
            packages.append({QStringLiteral("WhatsApp"), QStringLiteral("wa.apk"), &versions.whatsApp});
        if (selection == 1 || selection == checkOnLineToolsVersion::BothPackages)
            packages.append(
                {QStringLiteral("WhatsApp Business"), QStringLiteral("wa4b.apk"), &versions.whatsAppBusiness});
        return packages;
    }

    QJsonObject readRecord(const QString &folder)
    {
        QFile file(folder + '/' + kRecordName);
        if (!file.open(QIODevice::ReadOnly))
            return QJsonObject();
        return QJsonDocument::fromJson(file.readAll()).object();
    }

    // Lower-case hex MD5 of the file, read in blocks; empty when unreadable.
    QString fileMd5(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return QString();
        QCryptographicHash hash(QCryptographicHash::Md5);
        QByteArray block(10240, Qt::Uninitialized);
        for (;;) {
            const qint64 read = file.read(block.data(), block.size());
            if (read < 0)
                return QString();
            if (read == 0)
                break;
            hash.addData(block.constData(), int(read));
        }
        return QString::fromLatin1(hash.result().toHex());
    }

    // A whole MD5 in hex, equal to the file's; an empty or shortened value
    // verifies nothing.
    bool md5Matches(const QString &expected, const QString &actual)
    {
        static const QRegularExpression hex32(QStringLiteral("^[0-9A-Fa-f]{32}$"));
        return hex32.match(expected).hasMatch() && expected.compare(actual, Qt::CaseInsensitive) == 0;
    }

    // Blocks this worker thread in its own event loop until the download ends.
    bool download(const QUrl &url, const QString &folder, const QString &name)
    {
        if (!isHttpUrl(url.toString()))
            return false;
        SegmentedDownloadManager manager;
        QEventLoop loop;
        bool status = false;
        QObject::connect(&manager, &SegmentedDownloadManager::downloadFinished, &loop, [&](bool ok) {
            status = ok;
            loop.quit();
        });
        manager.start(url, folder, name);
        loop.exec();
        return status;
    }

    // Fetches, verifies and installs each selected package that changed or
    // is missing, then writes the record. Runs on a worker.
    checkOnLineToolsVersion::PackageVersions updatePackages(const QString &folder, const QByteArray &config,
                                                             checkOnLineToolsVersion::PackageVersions versions,
                                                             int selection)
    {
        QDir().mkpath(folder);
        const QJsonObject online = QJsonDocument::fromJson(config).object();
        QJsonObject record = readRecord(folder);
        const QString downloadPath = folder + '/' + kDownloadName;
        for (const Package &package : selectedPackages(selection, versions)) {
            if (!online.contains(package.member))
                continue;
            const QJsonObject member = online.value(package.member).toObject();
            const QString version = member.value(QStringLiteral("version")).toString();
            const QString packagePath = folder + '/' + package.fileName;
            if (compareVersion(version, *package.version) == 0 && QFileInfo::exists(packagePath))
                continue;
            if (!download(QUrl(member.value(QStringLiteral("url")).toString()), folder, kDownloadName)) {
                vlogInfo(QStringLiteral("Failed to download %1").arg(package.fileName));
                QFile::remove(downloadPath);
                continue;
            }
            if (!md5Matches(member.value(QStringLiteral("md5")).toString(), fileMd5(downloadPath))) {
                vlogInfo(QStringLiteral("The MD5 verification of the %1 file is incorrect. Procedure")
                             .arg(package.fileName));
                QFile::remove(downloadPath);
                continue;
            }
            // The old package stays whole until the verified one takes its name.
            if (std::rename(QFile::encodeName(downloadPath).constData(),
                            QFile::encodeName(packagePath).constData()) != 0) {
                vlogInfo(QStringLiteral("Failed to download %1").arg(package.fileName));
                QFile::remove(downloadPath);
                continue;
            }
            *package.version = version;
        }
        // Both members, whichever were selected; anything else the record
        // holds stays as it was.
        for (const Package &package : selectedPackages(checkOnLineToolsVersion::BothPackages, versions)) {
            QJsonObject entry = record.value(package.member).toObject();
            entry.insert(QStringLiteral("version"), *package.version);
            record.insert(package.member, entry);
        }
        QSaveFile file(folder + '/' + kRecordName);
        const bool written = file.open(QIODevice::WriteOnly) &&
                             file.write(QJsonDocument(record).toJson()) >= 0 && file.commit();
        vlogInfo(written ? QStringLiteral("The secheme.json file is successfully written. Procedure")
                         : QStringLiteral("Failed to write the secheme.json file. Procedure"));
        return versions;
    }
}

checkOnLineToolsVersion::checkOnLineToolsVersion(QObject *parent)
    : QObject(parent)
    , m_network(new QNetworkAccessManager(this))
    , m_packageJob(new QFutureWatcher<PackageVersions>(this))
{
    connect(m_packageJob, &QFutureWatcher<PackageVersions>::finished, this, [this] {
        m_versions = m_packageJob->result();
        emit onlineConfigFinished();
    });
}

checkOnLineToolsVersion::~checkOnLineToolsVersion()
{
    // The worker writes into our folder; let it end before we go.
    m_packageJob->waitForFinished();
}

checkOnLineToolsVersion *checkOnLineToolsVersion::instance()
{
    static checkOnLineToolsVersion check;
    return &check;
}

QUrl checkOnLineToolsVersion::updateUrl()
{
    const QString base = SettingsEntry::instance()->endpoint("QUENROW_UPDATE_URL", QStringLiteral("UpdateUrl"),
                                                             QStringLiteral("https://www.quenrow.com"));
    return QUrl(base + QLatin1String(UpdateInfoPath));
}

QUrl checkOnLineToolsVersion::onlineConfigUrl()
{
    return QUrl(SettingsEntry::instance()->endpoint(
        "QUENROW_ONLINE_CONFIG_URL", QStringLiteral("OnlineConfigUrl"),
        QStringLiteral("https://www.quenrow.com/onlineconfig/quenrow_ios_config.json")));
}

QString checkOnLineToolsVersion::packageFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DataLocation) + QStringLiteral("/Src");
}

bool checkOnLineToolsVersion::isUpdatingPackages() const
{
    return m_packageJob->isRunning();
}

void checkOnLineToolsVersion::checkUpdate()
{
    QNetworkReply *reply = m_network->get(toolsRequest(updateUrl()));
    new QReplyTimeout(reply, toolsTimeouts().updateCheckMs);
    connect(reply, &QNetworkReply::finished, this, [this, reply] { onUpdateReply(reply); });
}

void checkOnLineToolsVersion::onUpdateReply(QNetworkReply *reply)
{
    // Once per reply, however often it reports finished.
    reply->disconnect(this);
    if (auto *timeout = reply->findChild<QReplyTimeout *>())
        timeout->stop();

    int verdict = -1;
    QVariantMap result;
    if (reply->error() != QNetworkReply::NoError) {
        vlogInfo(QStringLiteral("Check lasted version failed! describe: %1").arg(reply->errorString()));
    } else {
        result = QJsonDocument::fromJson(reply->readAll()).object().toVariantMap();
        if (!result.isEmpty()) {
            const QString latest = result.value(QStringLiteral("Version")).toString().trimmed();
            vlogInfo(QStringLiteral("lastedVersion: %1, currentVersion: %2").arg(latest, QLatin1String(CurrentVersion)));
            verdict = compareVersion(latest, QLatin1String(CurrentVersion)) > 0 ? 1 : 0;
        }
    }
    result.insert(QStringLiteral("CheckResult"), verdict);
    reply->deleteLater();
    postAppEvent(kUpdateCheckResultEvent, result);
}

void checkOnLineToolsVersion::checkOnlineConfig()
{
    if (isUpdatingPackages()) {
        vlogInfo(QStringLiteral("The packages are being updated already"));
        return;
    }
    const QJsonObject record = readRecord(packageFolder());
    m_versions.whatsApp = record.value(QStringLiteral("WhatsApp")).toObject().value(QStringLiteral("version")).toString();
    m_versions.whatsAppBusiness =
        record.value(QStringLiteral("WhatsApp Business")).toObject().value(QStringLiteral("version")).toString();
    m_versions.third.clear();
    for (auto it = record.begin(); it != record.end(); ++it) {
        if (it.key() != QLatin1String("WhatsApp") && it.key() != QLatin1String("WhatsApp Business")) {
            m_versions.third = it.value().toObject().value(QStringLiteral("version")).toString();
            break;
        }
    }

    QNetworkReply *reply = m_network->get(toolsRequest(onlineConfigUrl()));
    new QReplyTimeout(reply, toolsTimeouts().onlineConfigMs);
    connect(reply, &QNetworkReply::finished, this, [this, reply] { onConfigReply(reply); });
}

void checkOnLineToolsVersion::onConfigReply(QNetworkReply *reply)
{
    reply->disconnect(this);
    if (auto *timeout = reply->findChild<QReplyTimeout *>())
        timeout->stop();
    reply->deleteLater();

    if (reply->error() != QNetworkReply::NoError) {
        vlogInfo(QStringLiteral("Check OnLine configure failed! describe: %1").arg(reply->errorString()));
        emit onlineConfigFinished();
        return;
    }
    const QByteArray body = reply->readAll();
    if (body.isEmpty()) {
        vlogInfo(QStringLiteral("Gets server config.json file with empty content"));
        emit onlineConfigFinished();
        return;
    }
    m_onlineConfig = body;
    m_packageJob->setFuture(QtConcurrent::run(
        [folder = packageFolder(), config = m_onlineConfig, versions = m_versions, selection = m_packageSelection] {
            const PackageVersions updated = updatePackages(folder, config, versions, selection);
            // The downloads ran TLS on this pool thread.
            releaseThreadTlsState();
            return updated;
        }));
}
