#pragma once

#include "loopbackhttpserver.h"

#include <QElapsedTimer>
#include <QStringList>
#include <QTest>
#include <QUrl>
#include <QUrlQuery>

// The analytics events a test's process sends, received on a loopback
// server. Start it before the process's first event: the endpoint is read
// once, when the tracker is made.
class AnalyticsRecorder
{
public:
    bool start()
    {
        if (!m_server.start())
            return false;
        m_server.setDefaultReply(testsupport::LoopbackHttpServer::Reply::ok("ok"));
        qputenv("QUENROW_ANALYTICS_URL", m_server.url("/g/collect?v=2").toUtf8());
        return true;
    }

    // Each event as "category/action/label" (label empty when none sent).
    QStringList events() const
    {
        QStringList list;
        for (const auto &request : m_server.requests()) {
            const QUrlQuery query(QUrl(QString::fromLatin1(request.target)));
            const QString category = query.queryItemValue("en", QUrl::FullyDecoded);
            if (category == QLatin1String("System") || category == QLatin1String("Product"))
                continue;
            list << category + '/' + query.queryItemValue("ep.action", QUrl::FullyDecoded) + '/'
                        + query.queryItemValue("ep.label", QUrl::FullyDecoded);
        }
        return list;
    }

    // Waits until the event has been received, counting from the start.
    bool waitFor(const QString &event, int timeoutMs = 5000) const
    {
        QElapsedTimer clock;
        clock.start();
        while (!events().contains(event)) {
            if (clock.elapsed() > timeoutMs)
                return false;
            QTest::qWait(10);
        }
        return true;
    }

private:
    testsupport::LoopbackHttpServer m_server;
};
