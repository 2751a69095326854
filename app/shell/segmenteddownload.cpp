#include "segmenteddownload.h"

#include "toolsrequest.h"
#include "vlog.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRegularExpression>

SegmentedDownload::SegmentedDownload(const QString &tempFilePath, QObject *parent)
    : QObject(parent)
    , m_network(new QNetworkAccessManager(this))
    , m_tempFilePath(tempFilePath)
    , m_file(tempFilePath)
{
}

SegmentedDownload::~SegmentedDownload() = default;

void SegmentedDownload::setRange(qint64 start, qint64 end)
{
    m_rangeStart = start;
    m_rangeEnd = end;
}

void SegmentedDownload::start()
{
    QNetworkRequest request = toolsRequest(m_url);
    if (isRanged())
        request.setRawHeader("Range", QStringLiteral("bytes=%1-%2").arg(m_rangeStart).arg(m_rangeEnd).toLatin1());
    m_file.close();
    QFile::remove(m_tempFilePath);
    m_written = 0;
    m_writeFailed = !m_file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    if (m_writeFailed)
        vlogError(QStringLiteral("Cannot write the download part %1: %2").arg(m_tempFilePath, m_file.errorString()));

    QNetworkReply *reply = m_network->get(request);
    connect(reply, &QNetworkReply::downloadProgress, this,
            [this](qint64 received, qint64 total) { emit downloadProgress(m_index, received, total); });
    connect(reply, &QNetworkReply::readyRead, this, &SegmentedDownload::onReadyRead);
    connect(reply, &QNetworkReply::finished, this, &SegmentedDownload::onFinished);
}

void SegmentedDownload::onReadyRead()
{
    auto *reply = qobject_cast<QNetworkReply *>(sender());
    if (!reply) {
        vlogError(QStringLiteral(
            "[QNetworkReply::readyRead]=QNetworkReply *reply = qobject_cast<QNetworkReply*>(sender());"));
        return;
    }
    // Streamed straight to disk: the reply never holds more than one read.
    const QByteArray data = reply->readAll();
    if (m_writeFailed)
        return;
    if (m_file.write(data) != data.size()) {
        m_writeFailed = true;
        vlogError(QStringLiteral("Cannot write the download part %1: %2").arg(m_tempFilePath, m_file.errorString()));
        return;
    }
    m_written += data.size();
}

QString SegmentedDownload::attemptFault(QNetworkReply *reply, int status) const
{
    if (reply->error() != QNetworkReply::NoError)
        return reply->errorString();
    if (m_writeFailed)
        return QStringLiteral("the part could not be written");
    if (status < 200 || status > 299)
        return QStringLiteral("HTTP status %1").arg(status);
    if (isRanged()) {
        // A server that ignores the range sends the whole file: joining
        // four of those would make a file four times too long.
        if (status != 206)
            return QStringLiteral("HTTP status %1 to a ranged request").arg(status);
        static const QRegularExpression pattern(QStringLiteral("^bytes\\s+(\\d+)-(\\d+)/(\\d+|\\*)$"));
        const auto match = pattern.match(QString::fromLatin1(reply->rawHeader("Content-Range")).trimmed());
        if (!match.hasMatch() || match.captured(1).toLongLong() != m_rangeStart ||
            match.captured(2).toLongLong() != m_rangeEnd)
            return QStringLiteral("Content-Range \"%1\" for bytes %2-%3")
                .arg(QString::fromLatin1(reply->rawHeader("Content-Range")))
                .arg(m_rangeStart)
                .arg(m_rangeEnd);
        if (m_written != m_rangeEnd - m_rangeStart + 1)
            return QStringLiteral("%1 bytes for bytes %2-%3").arg(m_written).arg(m_rangeStart).arg(m_rangeEnd);
    } else {
        bool known = false;
        const qint64 announced = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&known);
        if (known && announced != m_written)
            return QStringLiteral("%1 bytes of %2").arg(m_written).arg(announced);
    }
    return QString();
}

void SegmentedDownload::onFinished()
{
    auto *reply = qobject_cast<QNetworkReply *>(sender());
    if (!reply) {
        vlogError(QStringLiteral(
            "[QNetworkReply::finished]=QNetworkReply *reply = qobject_cast<QNetworkReply*>(sender());"));
        return;
    }
    // Whatever is still buffered belongs to this attempt.
    if (reply->bytesAvailable() > 0)
        onReadyRead();
    m_file.flush();
    m_file.close();

    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QString fault = attemptFault(reply, status);
    reply->disconnect(this);
    reply->deleteLater();
    ++m_attempts;

    if (!fault.isEmpty()) {
        vlogInfo(QStringLiteral("Download part %1 attempt %2 failed: %3").arg(m_index).arg(m_attempts).arg(fault));
        if (m_attempts < MaxAttempts) {
            start();
            return;
        }
    }
    m_network->deleteLater();
    m_network = nullptr;
    emit downloadFinished(m_index, fault.isEmpty() ? status : 0);
}
