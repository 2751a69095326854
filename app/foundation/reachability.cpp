#include "reachability.h"

#include "settingsentry.h"
#include "tlsthreadstate.h"

#include <QEventLoop>
#include <QFutureWatcher>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkInterface>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QTimer>
#include <QUrl>
#include <QtConcurrent>

namespace
{
    const int WaitMs = 5000;

    QString reachabilityUrl()
    {
        return SettingsEntry::instance()->endpoint("QUENROW_REACHABILITY_URL", QStringLiteral("ReachabilityUrl"),
                                                   QStringLiteral("https://www.icloud.com/"));
    }

    // Waits for the reply or the time-out; true when the reply finished first.
    bool waitForReply(QNetworkReply *reply, int timeoutMs, QEventLoop::ProcessEventsFlags flags)
    {
        QEventLoop loop;
        QTimer timer;
        timer.setSingleShot(true);
        timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        timer.start(timeoutMs);
        if (!reply->isFinished())
            loop.exec(flags);
        return reply->isFinished();
    }
}

bool isNetworkReachable()
{
    QNetworkAccessManager manager;
    QNetworkReply *reply = manager.get(QNetworkRequest(QUrl(reachabilityUrl())));
    const bool finished = waitForReply(reply, WaitMs, QEventLoop::AllEvents);
    const bool reachable = finished && reply->error() == QNetworkReply::NoError;
    reply->abort();
    reply->deleteLater();
    return reachable;
}

bool isInternetConnected()
{
    return hasActiveNetworkInterface();
}

bool hasActiveNetworkInterface()
{
    const auto interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &interface : interfaces) {
        const auto flags = interface.flags();
        if (!(flags & QNetworkInterface::IsUp) || (flags & QNetworkInterface::IsLoopBack))
            continue;
        const auto entries = interface.addressEntries();
        for (const QNetworkAddressEntry &entry : entries) {
            const quint32 ip = entry.ip().toIPv4Address();
            if (ip != 0 && ip != 0x7F000001)
                return true;
        }
    }
    return false;
}

bool httpGetHasBody(const QString &url, int timeoutMs)
{
    QNetworkAccessManager manager;
    manager.clearAccessCache();
    manager.clearConnectionCache();
    QNetworkRequest request(QUrl(url, QUrl::StrictMode));
    request.setRawHeader("Accept", "*/*");
    request.setRawHeader("Accept-Language", "zh-CN,zh;q=0.9");
    request.setRawHeader("User-Agent", "Microsoft Edge/104.0.1293.63 Windows");
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/x-www-form-urlencoded"));
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setProtocol(QSsl::AnyProtocol);
    tls.setPeerVerifyMode(QSslSocket::VerifyNone);
    request.setSslConfiguration(tls);
    QNetworkReply *reply = manager.get(request);
    const bool finished = waitForReply(reply, timeoutMs, QEventLoop::ExcludeUserInputEvents);
    const bool hasBody = finished && reply->error() == QNetworkReply::NoError && !reply->readAll().isEmpty();
    reply->abort();
    reply->deleteLater();
    return hasBody;
}

bool tlsProbe()
{
    const QString target = SettingsEntry::instance()->endpoint("QUENROW_TLS_PROBE_HOST", QStringLiteral("TlsProbeHost"),
                                                                QStringLiteral("www.apple.com:443"));
    const int colon = target.lastIndexOf(QLatin1Char(':'));
    const QString host = colon > 0 ? target.left(colon) : target;
    bool portOk = false;
    const quint16 port = colon > 0 ? target.mid(colon + 1).toUShort(&portOk) : 443;
    if (colon > 0 && !portOk)
        return false;
    QSslSocket socket;
    socket.setProtocol(QSsl::AnyProtocol);
    socket.setPeerVerifyMode(QSslSocket::VerifyNone);
    socket.connectToHostEncrypted(host, port, QIODevice::ReadWrite, QAbstractSocket::AnyIPProtocol);
    return socket.waitForEncrypted(WaitMs);
}

bool tlsProbeInBackground()
{
    QFutureWatcher<bool> watcher;
    QEventLoop loop;
    QObject::connect(&watcher, &QFutureWatcher<bool>::finished, &loop, &QEventLoop::quit);
    watcher.setFuture(QtConcurrent::run(QThreadPool::globalInstance(), [] {
        const bool encrypted = tlsProbe();
        releaseThreadTlsState();
        return encrypted;
    }));
    if (!watcher.isFinished())
        loop.exec();
    return watcher.result();
}
