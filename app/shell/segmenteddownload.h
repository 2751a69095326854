#pragma once

#include <QFile>
#include <QObject>
#include <QUrl>

#include <cstdint>

class QNetworkAccessManager;
class QNetworkReply;

// One byte range of a segmented download, streamed into its own temporary
// file. An attempt counts only when the server sent exactly the range asked
// for (206 with the matching Content-Range and every byte of it) or, without
// a range, the whole body it announced; a failed attempt is retried until
// the fifth.
class SegmentedDownload : public QObject
{
    Q_OBJECT

public:
    static constexpr int MaxAttempts = 5;

    SegmentedDownload(const QString &tempFilePath, QObject *parent = nullptr);
    ~SegmentedDownload() override;

    void setUrl(const QUrl &url) { m_url = url; }
    void setIndex(uint32_t index) { m_index = index; }
    // -1, -1: no range, the whole file.
    void setRange(qint64 start, qint64 end);
    void setAttempts(int attempts) { m_attempts = attempts; }

    uint32_t index() const { return m_index; }
    QString tempFilePath() const { return m_tempFilePath; }
    bool isRanged() const { return m_rangeStart != -1 && m_rangeEnd != -1; }

    void start();

signals:
    void downloadProgress(uint32_t index, qint64 bytesReceived, qint64 bytesTotal);
    // statusCode is the attempt's HTTP status, or 0 when the last attempt
    // failed without one or did not deliver the bytes asked for.
    void downloadFinished(uint32_t index, int statusCode);

private:
    void onReadyRead();
    void onFinished();
    // Why the finished attempt is not the part asked for; empty when it is.
    QString attemptFault(QNetworkReply *reply, int status) const;

    QNetworkAccessManager *m_network;
    qint64 m_rangeStart = -1;
    qint64 m_rangeEnd = -1;
    uint32_t m_index = 1;
    int m_attempts = 0;
    QUrl m_url;
    QString m_tempFilePath;
    QFile m_file;
    qint64 m_written = 0;
    bool m_writeFailed = false;
};
