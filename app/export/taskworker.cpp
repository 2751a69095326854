#include "taskworker.h"

#include "exportfilename.h"
#include "vlog.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace
{
    constexpr qint64 BlockBytes = 1 << 20;

    std::mutex s_settingsMutex;
    taskWorker::FreeSpaceQuery s_freeSpace;
    std::atomic<int> s_downloadTimeout{60000};

    const char *tagOf(int kind)
    {
        switch (kind) {
        case 1: return "afc";
        case 2: return "net";
        default: return "local";
        }
    }

    bool writeAll(int fd, const char *data, qint64 size, int &errorNumber)
    {
        while (size > 0) {
            const ssize_t written = ::write(fd, data, static_cast<size_t>(size));
            if (written < 0) {
                if (errno == EINTR)
                    continue;
                errorNumber = errno;
                return false;
            }
            if (written == 0) {
                errorNumber = ENOSPC;
                return false;
            }
            data += written;
            size -= written;
        }
        return true;
    }

    QByteArray encoded(const QString &path) { return QFile::encodeName(path); }
}

taskWorker::taskWorker() = default;
taskWorker::~taskWorker() = default;

void taskWorker::setFreeSpaceQuery(FreeSpaceQuery query)
{
    std::lock_guard<std::mutex> lock(s_settingsMutex);
    s_freeSpace = std::move(query);
}

qint64 taskWorker::freeSpace(const QString &folder)
{
    {
        std::lock_guard<std::mutex> lock(s_settingsMutex);
        if (s_freeSpace)
            return s_freeSpace(folder);
    }
    struct statvfs info;
    if (::statvfs(encoded(folder).constData(), &info) != 0)
        return 0;
    return static_cast<qint64>(info.f_bavail) * static_cast<qint64>(info.f_frsize);
}

void taskWorker::setDownloadTimeout(int milliseconds) { s_downloadTimeout = milliseconds; }
int taskWorker::downloadTimeout() { return s_downloadTimeout; }

QString taskWorker::fitFileName(const QString &name)
{
    return ExportFileName::fit(name);
}

QString taskWorker::numberedName(const QString &name, int n)
{
    const int dot = name.lastIndexOf('.');
    QString stem = dot > 0 ? name.left(dot) : name;
    const QString suffix = dot > 0 ? name.mid(dot) : QString();
    if (stem.endsWith(')')) {
        const int open = stem.lastIndexOf('(');
        bool isNumber = false;
        if (open > 0)
            stem.mid(open + 1, stem.size() - open - 2).toInt(&isNumber);
        if (isNumber)
            stem.truncate(open);
    }
    return ExportFileName::numbered(stem + suffix, n);
}

void taskWorker::stop()
{
    abortDownload();
    clearExecutor();
    setStop();
}

void taskWorker::setStop() { m_stop = true; }
void taskWorker::abortDownload() { m_abort = true; }

void taskWorker::setExecutor(std::shared_ptr<IDBExecutor> executor)
{
    std::lock_guard<std::mutex> lock(m_executorMutex);
    m_executor = std::move(executor);
}

void taskWorker::clearExecutor()
{
    std::shared_ptr<IDBExecutor> executor;
    {
        std::lock_guard<std::mutex> lock(m_executorMutex);
        executor.swap(m_executor);
    }
    // A copy inside the engine keeps its own reference and returns at the
    // executor's stop flag.
    if (executor)
        executor->Stop();
}

void taskWorker::copy(const QString &source, const QString &destination, ProgressCallback progress,
                      DoneCallback done)
{
    m_progress = std::move(progress);
    m_done = std::move(done);
    m_destination = destination;
    m_source = source;
    m_fileName = QFileInfo(destination).fileName();
    if (m_progress)
        m_progress(m_fileName, QString());
    m_folder = QFileInfo(destination).path();

    if (source.isEmpty()) {
        finish(RecoverError::EmptySource);
        return;
    }
    const bool driveForm = source.size() >= 3 && source.at(1) == ':' && (source.at(2) == '\\' || source.at(2) == '/');
    struct stat info;
    const bool localPath = source.startsWith('/') && ::lstat(encoded(source).constData(), &info) == 0;
    if (driveForm || localPath)
        copyLocal();
    else if (source.startsWith(QLatin1String("http://"), Qt::CaseInsensitive)
             || source.startsWith(QLatin1String("https://"), Qt::CaseInsensitive))
        download();
    else
        copyFromDevice();
}

void taskWorker::finish(RecoverError::ErrorType err)
{
    if (m_finished)
        return;
    m_finished = true;
    if (m_done)
        m_done(err, m_source, m_destination, this);
}

RecoverError::ErrorType taskWorker::classify(Kind kind, qint64 sourceSize, int errorNumber)
{
    const char *tag = tagOf(static_cast<int>(kind));
    const QString folder = QDir(m_folder).absolutePath();
    if (!QDir(m_folder).exists()) {
        vlogError(QStringLiteral("[%1][Failed - Hard disk not found] %2").arg(tag, folder));
        return RecoverError::DiskNotFound;
    }
    if (errorNumber == ENOSPC || errorNumber == EDQUOT || freeSpace(m_folder) < sourceSize) {
        vlogError(QStringLiteral("[%1][Failed - Not enough space] %2").arg(tag, folder));
        return RecoverError::NotEnoughSpace;
    }
    vlogError(QStringLiteral("[%1][Failed - Copy file error] %2, %3").arg(tag, m_source, m_destination));
    return RecoverError::CopyFailed;
}

RecoverError::ErrorType taskWorker::reserveDestination(Kind kind, qint64 sourceSize, int &fd)
{
    fd = -1;
    if (!QDir(m_folder).exists() || freeSpace(m_folder) < sourceSize)
        return classify(kind, sourceSize, 0);
    const QString name = fitFileName(m_fileName);
    QString candidate = m_folder + '/' + name;
    for (int n = 1; n < 100000; ++n) {
        fd = ::open(encoded(candidate).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd >= 0) {
            m_destination = candidate;
            m_fileName = QFileInfo(candidate).fileName();
            return RecoverError::NoError;
        }
        if (errno == EINTR) {
            --n;
            continue;
        }
        if (errno != EEXIST)
            return classify(kind, sourceSize, errno);
        candidate = m_folder + '/' + numberedName(name, n);
    }
    return classify(kind, sourceSize, 0);
}

void taskWorker::report(qint64 done, qint64 total)
{
    if (total <= 0 || !m_progress)
        return;
    const int percent = static_cast<int>(done * 100 / total);
    if (percent == m_lastPercent)
        return;
    m_lastPercent = percent;
    m_progress(m_fileName, QStringLiteral("[%1%]").arg(percent));
}

void taskWorker::copyLocal()
{
    const QByteArray sourceName = encoded(m_source);
    struct stat info;
    // Only regular files are opened: a FIFO or a device node would block
    // or never end.
    if (::stat(sourceName.constData(), &info) != 0 || !S_ISREG(info.st_mode)) {
        finish(classify(Kind::Local, 0, 0));
        return;
    }
    const int in = ::open(sourceName.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (in < 0) {
        finish(classify(Kind::Local, 0, 0));
        return;
    }
    const qint64 size = info.st_size;
    int out = -1;
    RecoverError::ErrorType err = reserveDestination(Kind::Local, size, out);
    if (err != RecoverError::NoError) {
        ::close(in);
        finish(err);
        return;
    }

    int errorNumber = 0;
    bool ok = true;
    qint64 copied = 0;
    bool kernelCopy = true;
    QByteArray buffer;
    for (;;) {
        if (m_stop) {
            ok = false;
            break;
        }
        ssize_t moved;
        if (kernelCopy) {
            moved = ::copy_file_range(in, nullptr, out, nullptr, static_cast<size_t>(BlockBytes), 0);
            if (moved < 0 && (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP)
                && copied == 0) {
                kernelCopy = false;
                continue;
            }
        } else {
            if (buffer.isEmpty())
                buffer.resize(static_cast<int>(BlockBytes));
            moved = ::read(in, buffer.data(), static_cast<size_t>(buffer.size()));
            if (moved > 0 && !writeAll(out, buffer.constData(), moved, errorNumber)) {
                vlogError(QStringLiteral("[local]Failed to write to destination file: %1").arg(m_destination));
                ok = false;
                break;
            }
        }
        if (moved < 0) {
            if (errno == EINTR)
                continue;
            errorNumber = errno;
            ok = false;
            break;
        }
        if (moved == 0)
            break;
        copied += moved;
        report(copied, size);
    }
    ::close(in);
    if (::close(out) != 0 && ok) {
        errorNumber = errno;
        ok = false;
    }
    if (ok) {
        finish(RecoverError::NoError);
        return;
    }
    err = classify(Kind::Local, size, errorNumber);
    ::unlink(encoded(m_destination).constData());
    finish(err);
}

void taskWorker::copyFromDevice()
{
    std::shared_ptr<IDBExecutor> executor;
    {
        std::lock_guard<std::mutex> lock(m_executorMutex);
        executor = m_executor;
    }
    if (!executor || m_stop) {
        finish(RecoverError::CopyFailed);
        return;
    }
    int out = -1;
    RecoverError::ErrorType err = reserveDestination(Kind::Device, 0, out);
    if (err != RecoverError::NoError) {
        finish(err);
        return;
    }
    ::close(out);
    // The engine names the file after the device's; it writes into a
    // private folder, and the file then takes the reserved name.
    QTemporaryDir staging(m_folder + QStringLiteral("/.quenrow-part-XXXXXX"));
    int result = -1;
    if (staging.isValid())
        result = executor->ExportFromDevice(staging.path().toStdWString(), m_source.toStdWString(), m_userValue);
    bool ok = false;
    if (result == 0 && !m_stop) {
        const QFileInfoList produced = QDir(staging.path()).entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
        if (produced.size() == 1)
            ok = ::rename(encoded(produced.first().absoluteFilePath()).constData(),
                          encoded(m_destination).constData()) == 0;
    }
    if (ok) {
        finish(RecoverError::NoError);
        return;
    }
    err = classify(Kind::Device, 0, 0);
    ::unlink(encoded(m_destination).constData());
    finish(err);
}

void taskWorker::download()
{
    int out = -1;
    RecoverError::ErrorType err = reserveDestination(Kind::Network, 0, out);
    if (err != RecoverError::NoError) {
        finish(err);
        return;
    }

    QEventLoop loop;
    QNetworkAccessManager manager;
    QNetworkRequest request(QUrl(m_source, QUrl::TolerantMode));
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QStringLiteral("Mozilla/5.0 (Macintosh; Intel Mac OS X 10_12_6) AppleWebKit/537.36 "
                                     "(KHTML, like Gecko) Chrome/60.0.3112.113 Safari/537.36"));
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json; charset=utf-8"));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(downloadTimeout());

    QNetworkReply *reply = manager.get(request);
    qint64 received = 0;
    bool writeFailed = false;
    int errorNumber = 0;

    QObject::connect(reply, &QNetworkReply::downloadProgress, reply, [&](qint64 got, qint64 total) {
        if (total > 0)
            report(got, total);
    });
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [&] {
        const QByteArray chunk = reply->readAll();
        if (writeFailed)
            return;
        if (!writeAll(out, chunk.constData(), chunk.size(), errorNumber)) {
            writeFailed = true;
            reply->abort();
            return;
        }
        received += chunk.size();
    });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    // The stop flag is set from another thread; it is looked at here.
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, reply, [&] {
        if (m_abort || m_stop)
            reply->abort();
    });
    watch.start(50);
    if (!reply->isFinished())
        loop.exec();
    watch.stop();

    if (!writeFailed && reply->bytesAvailable() > 0) {
        const QByteArray rest = reply->readAll();
        if (!writeAll(out, rest.constData(), rest.size(), errorNumber))
            writeFailed = true;
        received += rest.size();
    }
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    const bool shortBody = length.isValid() && received < length.toLongLong();
    const QNetworkReply::NetworkError replyError = reply->error();
    const QString errorText = reply->errorString();
    delete reply;
    if (::close(out) != 0 && !writeFailed) {
        errorNumber = errno;
        writeFailed = true;
    }

    if (writeFailed) {
        err = classify(Kind::Network, 0, errorNumber);
    } else if (replyError != QNetworkReply::NoError || shortBody || m_stop) {
        vlogError(QStringLiteral("download file err:%1")
                      .arg(shortBody && replyError == QNetworkReply::NoError ? QStringLiteral("body shorter than its length")
                                                                             : errorText));
        err = RecoverError::DownloadFailed;
    } else {
        finish(RecoverError::NoError);
        return;
    }
    ::unlink(encoded(m_destination).constData());
    finish(err);
}
