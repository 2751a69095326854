#include "segmenteddownloadmanager.h"

#include "qreplytimeout.h"
#include "segmenteddownload.h"
#include "toolsrequest.h"
#include "vlog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRandomGenerator64>

#include <cstdio>

namespace
{
    const int kCopyBlockBytes = 64 * 1024;

    // Replaces an existing target in one step, as QFile::rename would not.
    bool renameOver(const QString &from, const QString &to)
    {
        return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
    }
}

SegmentedDownloadManager::SegmentedDownloadManager(QObject *parent)
    : QObject(parent)
{
}

SegmentedDownloadManager::~SegmentedDownloadManager() = default;

QString SegmentedDownloadManager::targetPath() const
{
    return QStringLiteral("%1/%2").arg(m_targetFolder, m_targetName);
}

QString SegmentedDownloadManager::randomFileName(int length)
{
    static const QString alphabet =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789");
    QString name;
    name.reserve(length + 11);
    for (int i = 0; i < length; ++i)
        name += alphabet.at(int(QRandomGenerator64::global()->bounded(alphabet.size())));
    return name + QStringLiteral(".crdownload");
}

void SegmentedDownloadManager::start(const QUrl &url, const QString &targetFolder, const QString &targetName)
{
    m_targetFolder = targetFolder;
    m_targetName = targetName;
    fetchContentLength(url, [this, url](qint64 length) { startParts(url, length, true); });
}

void SegmentedDownloadManager::start(const QUrl &url, const QString &targetFolder, const QString &targetName,
                                     qint64 rangeStart, qint64 rangeEnd)
{
    m_targetFolder = targetFolder;
    m_targetName = targetName;
    if (rangeStart >= 0 && rangeEnd >= rangeStart)
        m_expectedLength = rangeEnd - rangeStart + 1;
    createPart(url, 1, rangeStart, rangeEnd);
}

void SegmentedDownloadManager::start(const QUrl &url, bool &segmented)
{
    fetchContentLength(url, [this, url, segmented](qint64 length) { startParts(url, length, segmented); });
}

void SegmentedDownloadManager::startFixedParts(const QUrl &url, const QString &targetFolder,
                                               const QString &targetName, qint64 partSize, qint64 totalLength)
{
    m_targetFolder = targetFolder;
    m_targetName = targetName;
    startFixedParts(url, partSize, totalLength);
}

void SegmentedDownloadManager::startFixedParts(const QUrl &url, qint64 partSize, qint64 totalLength)
{
    if (totalLength <= 0 || partSize <= 0)
        return;
    m_expectedLength = totalLength;
    for (qint64 offset = 0; offset < totalLength; offset += partSize)
        createPart(url, uint32_t(offset + 1), offset, qMin(offset + partSize, totalLength) - 1);
}

void SegmentedDownloadManager::fetchContentLength(const QUrl &url, std::function<void(qint64)> then)
{
    auto *network = new QNetworkAccessManager(this);
    QNetworkReply *reply = network->head(toolsRequest(url));
    new QReplyTimeout(reply, toolsTimeouts().contentLengthMs);
    connect(reply, &QNetworkReply::finished, this, [reply, network, then] {
        reply->disconnect();
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        bool known = false;
        qint64 length = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&known);
        if (reply->error() != QNetworkReply::NoError || status < 200 || status > 299 || !known || length < 0)
            length = -1;
        reply->deleteLater();
        network->deleteLater();
        then(length);
    });
}

void SegmentedDownloadManager::startParts(const QUrl &url, qint64 length, bool segmented)
{
    m_expectedLength = length;
    // Fewer than four bytes cannot be cut into four ranges.
    if (!segmented || length < PartCount) {
        createPart(url, 1, -1, -1);
        return;
    }
    const qint64 quarter = length / PartCount;
    for (int i = 0; i < PartCount; ++i) {
        const qint64 first = quarter * i;
        const qint64 last = i == PartCount - 1 ? length - 1 : quarter * (i + 1) - 1;
        createPart(url, uint32_t(i + 1), first, last);
    }
}

void SegmentedDownloadManager::createPart(const QUrl &url, uint32_t index, qint64 rangeStart, qint64 rangeEnd)
{
    const QString path = QStringLiteral("%1/%2").arg(m_targetFolder, randomFileName(10));
    m_tempFilePaths.append(path);
    auto *part = new SegmentedDownload(path, this);
    m_running.append(part);
    m_results[index] = false;
    connect(part, &SegmentedDownload::downloadProgress, this, &SegmentedDownloadManager::onDownloadProgress);
    connect(part, &SegmentedDownload::downloadFinished, this, &SegmentedDownloadManager::onDownloadFinished);
    part->setAttempts(0);
    part->setUrl(url);
    part->setIndex(index);
    part->setRange(rangeStart, rangeEnd);
    part->start();
}

void SegmentedDownloadManager::onDownloadProgress(uint32_t index, qint64 bytesReceived, qint64 bytesTotal)
{
    Q_UNUSED(index)
    emit downloadProgress(bytesReceived, bytesTotal);
}

void SegmentedDownloadManager::onDownloadFinished(uint32_t index, int statusCode)
{
    auto *part = qobject_cast<SegmentedDownload *>(sender());
    if (!part) {
        vlogError(QStringLiteral("SegmentedDownload *reply = qobject_cast<SegmentedDownload*>(sender())"));
        return;
    }
    m_results[index] = statusCode >= 200 && statusCode <= 299;
    m_running.removeAll(part);
    part->deleteLater();
    if (!m_running.isEmpty())
        return;

    bool complete = true;
    for (bool result : qAsConst(m_results))
        complete = complete && result;
    if (!complete) {
        vlogInfo(QStringLiteral("Download of %1 failed").arg(targetPath()));
        finish(false);
        return;
    }

    const QString target = targetPath();
    const QString partPath = target + QStringLiteral(".part");
    bool ok = m_tempFilePaths.size() == 1 ? renameOver(m_tempFilePaths.first(), partPath) : joinParts(partPath);
    const qint64 size = QFileInfo(partPath).size();
    if (ok && m_expectedLength >= 0 && size != m_expectedLength) {
        vlogInfo(QStringLiteral("Download of %1 has %2 bytes of %3").arg(target).arg(size).arg(m_expectedLength));
        ok = false;
    }
    if (ok && !renameOver(partPath, target)) {
        vlogInfo(QStringLiteral("Cannot replace %1").arg(target));
        ok = false;
    }
    if (!ok)
        QFile::remove(partPath);
    finish(ok);
}

bool SegmentedDownloadManager::joinParts(const QString &partPath)
{
    QFile joined(partPath);
    if (!joined.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        vlogInfo(QStringLiteral("Failed to merge temporary file\n"));
        return false;
    }
    QByteArray block(kCopyBlockBytes, Qt::Uninitialized);
    for (const QString &path : qAsConst(m_tempFilePaths)) {
        QFile piece(path);
        if (!piece.open(QIODevice::ReadOnly)) {
            vlogInfo(QStringLiteral("Failed to merge temporary file\n"));
            return false;
        }
        for (;;) {
            const qint64 read = piece.read(block.data(), block.size());
            if (read < 0) {
                vlogInfo(QStringLiteral("Failed to merge temporary file\n"));
                return false;
            }
            if (read == 0)
                break;
            if (joined.write(block.constData(), read) != read) {
                vlogInfo(QStringLiteral("Failed to merge temporary file\n"));
                return false;
            }
        }
    }
    return joined.flush();
}

void SegmentedDownloadManager::removeTemporaryFiles()
{
    for (const QString &path : qAsConst(m_tempFilePaths))
        QFile::remove(path);
    m_tempFilePaths.clear();
}

void SegmentedDownloadManager::finish(bool status)
{
    removeTemporaryFiles();
    emit downloadFinished(status);
}
