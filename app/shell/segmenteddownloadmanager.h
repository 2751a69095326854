#pragma once

#include <QList>
#include <QMap>
#include <QObject>
#include <QStringList>
#include <QUrl>

#include <cstdint>
#include <functional>

class QNetworkReply;
class SegmentedDownload;

// Downloads one file in up to four byte ranges at once and joins them. The
// target is written as "<name>.part" beside it and renamed over it only
// when every part arrived and the joined size is the announced one; on
// failure every temporary file goes and an existing target stays as it was.
// A manager serves one download.
class SegmentedDownloadManager : public QObject
{
    Q_OBJECT

public:
    static constexpr int PartCount = 4;

    explicit SegmentedDownloadManager(QObject *parent = nullptr);
    ~SegmentedDownloadManager() override;

    // Asks for the length first (HEAD); four parts when it is known and at
    // least four bytes, else one part without a range.
    void start(const QUrl &url, const QString &targetFolder, const QString &targetName);
    // One part of the given range.
    void start(const QUrl &url, const QString &targetFolder, const QString &targetName, qint64 rangeStart,
               qint64 rangeEnd);
    // Into the folder and name set before; four parts only when segmented
    // is set and the length is known.
    void start(const QUrl &url, bool &segmented);
    // Parts of partSize bytes (the last one shorter) over totalLength bytes;
    // nothing starts for a length or part size of 0 or less.
    void startFixedParts(const QUrl &url, const QString &targetFolder, const QString &targetName, qint64 partSize,
                         qint64 totalLength);
    void startFixedParts(const QUrl &url, qint64 partSize, qint64 totalLength);

    QString targetPath() const;
    static QString randomFileName(int length);

signals:
    void downloadProgress(qint64 bytesReceived, qint64 bytesTotal);
    void downloadFinished(bool status);

public slots:
    void onDownloadProgress(uint32_t index, qint64 bytesReceived, qint64 bytesTotal);
    void onDownloadFinished(uint32_t index, int statusCode);

private:
    // HEAD with its time-out; then() gets the length, or -1 when unknown.
    void fetchContentLength(const QUrl &url, std::function<void(qint64)> then);
    void startParts(const QUrl &url, qint64 length, bool segmented);
    void createPart(const QUrl &url, uint32_t index, qint64 rangeStart, qint64 rangeEnd);
    bool joinParts(const QString &partPath);
    void finish(bool status);
    void removeTemporaryFiles();

    QList<SegmentedDownload *> m_running;
    QMap<uint32_t, bool> m_results;
    QStringList m_tempFilePaths;
    QString m_targetFolder;
    QString m_targetName;
    qint64 m_expectedLength = -1;
    bool m_finished = false;
};
