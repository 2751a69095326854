#include "ganalytics_p.h"

#include "settingsentry.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSet>
#include <QSysInfo>
#include <QThread>
#include <QThreadPool>
#include <QTimer>
#include <QUrl>
#include <QtConcurrent>

namespace
{
    const char DefaultCollectUrl[] = "https://www.google-analytics.com/g/collect?v=2&sct=1&seg=1";

    // Every live client, so that the application's end can stop their jobs:
    // after the application object is gone a job must not be waiting on the
    // network, and the pool waits for its jobs before it goes.
    QMutex registryMutex;
    QSet<GAnalytics::GAnalyticsImpl *> registry;
    bool postRoutineAdded = false;

    void shutdownAll()
    {
        QMutexLocker lock(&registryMutex);
        postRoutineAdded = false; // the application's list of routines is spent
        for (GAnalytics::GAnalyticsImpl *impl : qAsConst(registry))
            impl->shutdown();
        // Wait here: once the application object is gone no event reaches
        // the job's loop any more, not even its own time-out.
        for (GAnalytics::GAnalyticsImpl *impl : qAsConst(registry))
            impl->waitUntilIdle();
    }

    QString encoded(const QString &text)
    {
        return QString::fromLatin1(QUrl::toPercentEncoding(text));
    }

}

QString GAnalytics::clientIdFor(const QByteArray &machineId)
{
    QString digits;
    for (const char byte : machineId)
        digits += QString::number(int(static_cast<signed char>(byte)));
    if (digits.size() < 15)
        return digits + QLatin1Char('.') + digits;
    return digits.left(15) + QLatin1Char('.') + digits.mid(15, 15);
}

GAnalytics::GAnalyticsImpl::GAnalyticsImpl(GAnalytics *owner, const QString &measurementId)
    : baseUrl(GAnalytics::defaultBaseUrl())
    , owner(owner)
    , measurementId(measurementId)
    , clientId(GAnalytics::clientIdFor(QSysInfo::machineUniqueId()))
    , sessionId(QString::number(QDateTime::currentSecsSinceEpoch()))
{
    QMutexLocker lock(&registryMutex);
    registry.insert(this);
    if (!postRoutineAdded && QCoreApplication::instance()) {
        qAddPostRoutine(shutdownAll);
        postRoutineAdded = true;
    }
}

GAnalytics::GAnalyticsImpl::~GAnalyticsImpl()
{
    {
        QMutexLocker lock(&registryMutex);
        registry.remove(this);
    }
    shutdown();
    waitUntilIdle();
}

QString GAnalytics::GAnalyticsImpl::buildUrl(const QString &eventName, const QStringList &parameters, bool debugCall) const
{
    // Labels and system texts hold '&', '=', '#', '+' and blanks: each part
    // is percent-encoded, or it would split, cut or change the query.
    QString id;
    {
        QMutexLocker lock(&mutex);
        id = measurementId;
    }
    QString url = QStringLiteral("%1&tid=%2&cid=%3&sid=%4&en=%5")
                      .arg(baseUrl, encoded(id), encoded(clientId), encoded(sessionId), encoded(eventName));
    for (int i = 0; i < parameters.size(); ++i) {
        url += (i % 2 == 0) ? QStringLiteral("&ep.") : QStringLiteral("=");
        url += encoded(parameters.at(i));
    }
    if (parameters.size() % 2 == 1)
        url += QStringLiteral("=1");
    if (debugCall || debug)
        url += QStringLiteral("&_dbg=1");
    return url;
}

void GAnalytics::GAnalyticsImpl::enqueue(const QString &url)
{
    if (url.isEmpty())
        return;
    QMutexLocker lock(&mutex);
    if (closing)
        return;
    queue.append(url);
    if (busy)
        return;
    busy = true;
    stopped = false;
    QtConcurrent::run(QThreadPool::globalInstance(), [this] { sendPending(); });
}

void GAnalytics::GAnalyticsImpl::sendPending()
{
    QNetworkAccessManager manager;
    for (;;) {
        QString url;
        {
            // Emptiness and busy in one hold: an URL queued meanwhile either
            // is taken here or starts a job of its own.
            QMutexLocker lock(&mutex);
            if (queue.isEmpty() || stopped) {
                busy = false;
                return;
            }
            url = queue.takeFirst();
        }

        QNetworkRequest request{QUrl(url, QUrl::TolerantMode)};
        request.setTransferTimeout(transferTimeoutMs);
        QEventLoop loop;
        QNetworkReply *reply = manager.get(request);
        QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        bool wait = true;
        {
            QMutexLocker lock(&mutex);
            if (stopped)
                wait = false;
            else
                m_loop = &loop;
        }
        if (wait && !reply->isFinished())
            loop.exec();
        {
            QMutexLocker lock(&mutex);
            m_loop = nullptr;
        }

        if (reply->isFinished() && reply->error() != QNetworkReply::NoError) {
            const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
            const QString line = QStringLiteral("[%1][GAnalytics][info] sendEvent failed! httpCode: %2, error: %3")
                                     .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss:zzz")))
                                     .arg(status)
                                     .arg(reply->errorString());
            // Written on the client's own thread: a message handler need not
            // be safe for other threads (QtTest's is not, and crashed on it).
            QMetaObject::invokeMethod(
                owner, [line] { qDebug("%s", qPrintable(line)); }, Qt::QueuedConnection);
        }
        reply->abort();
        delete reply;
    }
}

void GAnalytics::GAnalyticsImpl::shutdown()
{
    QMutexLocker lock(&mutex);
    closing = true;
    stopped = true;
    if (m_loop)
        QMetaObject::invokeMethod(m_loop, "quit", Qt::QueuedConnection);
}

void GAnalytics::GAnalyticsImpl::waitUntilIdle()
{
    while (busy)
        QThread::msleep(5);
}

GAnalytics::GAnalytics(QObject *parent)
    : GAnalytics(QString(), parent)
{
}

GAnalytics::GAnalytics(const QString &measurementId, QObject *parent)
    : QObject(parent)
    , m_impl(new GAnalyticsImpl(this, measurementId))
{
}

GAnalytics::~GAnalytics()
{
    delete m_impl;
}

QString GAnalytics::defaultBaseUrl()
{
    return SettingsEntry::instance()->endpoint("QUENROW_ANALYTICS_URL", QStringLiteral("AnalyticsUrl"),
                                               QString::fromLatin1(DefaultCollectUrl));
}

void GAnalytics::sendMeasurement(const QString &eventName, const QStringList &parameters, bool debug)
{
    m_impl->enqueue(m_impl->buildUrl(eventName, parameters, debug));
}

void GAnalytics::sendEvent(const QString &eventName, const QStringList &parameters, bool debug)
{
    sendMeasurement(eventName, parameters, debug);
}

void GAnalytics::sendEvent(const QString &eventName, const QStringList &parameters)
{
    sendMeasurement(eventName, parameters, false);
}

bool GAnalytics::isBusy() const
{
    return m_impl->busy;
}

QString GAnalytics::measurementId() const
{
    QMutexLocker lock(&m_impl->mutex);
    return m_impl->measurementId;
}

void GAnalytics::setMeasurementId(const QString &measurementId)
{
    {
        QMutexLocker lock(&m_impl->mutex);
        if (measurementId.isEmpty() || measurementId == m_impl->measurementId)
            return;
        m_impl->measurementId = measurementId;
    }
    emit measurementIdChanged();
}

void GAnalytics::setDebug(bool debug)
{
    m_impl->debug = debug;
}

QString GAnalytics::clientId() const
{
    return m_impl->clientId;
}

QString GAnalytics::sessionId() const
{
    return m_impl->sessionId;
}

void GAnalytics::setTransferTimeout(int milliseconds)
{
    m_impl->transferTimeoutMs = milliseconds;
}

void GAnalytics::stop()
{
    m_impl->stopped = true;
}

void GAnalytics::flush()
{
    bool run = false;
    {
        QMutexLocker lock(&m_impl->mutex);
        if (!m_impl->busy && !m_impl->closing) {
            m_impl->busy = true;
            m_impl->stopped = false;
            run = true;
        }
    }
    if (run)
        m_impl->sendPending();
    m_impl->waitUntilIdle();
}

void GAnalytics::waitForIdle(int milliseconds)
{
    for (int i = 0; i < milliseconds / 100 && m_impl->busy; ++i) {
        QEventLoop loop;
        QTimer::singleShot(100, &loop, &QEventLoop::quit);
        loop.exec();
    }
    if (m_impl->busy)
        m_impl->stopped = true;
}
