#pragma once

// A small HTTP/1.1 server on 127.0.0.1 for tests. It records every request
// and answers by path: a status with a body, byte ranges of a 200 body, a
// connection closed after a given number of bytes, a slowly trickled body, or
// no answer at all. With a certificate and key it speaks HTTPS instead. It
// runs on a thread of its own with its own event loop,
// so Qt tests and plain (non-Qt) tests use it alike; in a plain test the
// first start() creates the process's QCoreApplication (on the calling
// thread, which should be the main one).

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QPair>
#include <QString>

#include <condition_variable>
#include <memory>
#include <mutex>

class QThread;

namespace testsupport
{
    class LoopbackHttpServer
    {
    public:
        struct Reply
        {
            int status = 200;
            QByteArray body;
            QByteArray contentType = "application/octet-stream";
            bool answer = true;       // false: read the request, then stay silent
            int closeAfterBytes = -1; // >= 0: send that many bytes of the reply, then close
            int chunkBytes = 0;       // > 0: send the body in chunks of this size ...
            int chunkIntervalMs = 0;  // ... one chunk per interval
            int bodyBytes = -1;       // >= 0: send the head and that many bytes of the body, then close
            bool ranges = true;       // false: answer a Range with the whole body and 200
            bool contentLength = true; // false: no Content-Length; the body ends with the connection

            static Reply ok(const QByteArray &body, const QByteArray &contentType = "application/octet-stream");
            static Reply withStatus(int status); // a short text body
            static Reply closeAfter(int bytes, const QByteArray &body = QByteArray());
            static Reply neverAnswer();
            static Reply slow(const QByteArray &body, int chunkBytes, int chunkIntervalMs);
        };

        struct Request
        {
            QByteArray method;
            QByteArray target; // the path with its query
            QList<QPair<QByteArray, QByteArray>> headers;
            QByteArray body;

            QByteArray header(const QByteArray &name) const; // first match, any case
        };

        LoopbackHttpServer();
        ~LoopbackHttpServer();
        LoopbackHttpServer(const LoopbackHttpServer &) = delete;
        LoopbackHttpServer &operator=(const LoopbackHttpServer &) = delete;

        // Before start(): serve HTTPS with this PEM certificate and private key.
        void setTls(const QByteArray &certificatePem, const QByteArray &keyPem);
        // Listens on 127.0.0.1, port 0; returns the port, or 0 when it cannot listen.
        quint16 start();
        // Closes every connection and ends the thread.
        void stop();
        quint16 port() const { return m_port; }
        // "http://127.0.0.1:<port>" + path ("https://" with TLS).
        QString url(const QString &path) const;

        // Replies by path (without the query); any other path gets the default, 404 at first.
        void setReply(const QByteArray &path, const Reply &reply);
        void setDefaultReply(const Reply &reply);
        // Answers the next request to path (whose Range header equals range,
        // when one is given) once, before the path's own reply; queued
        // replies are used in order.
        void queueReply(const QByteArray &path, const Reply &reply, const QByteArray &range = QByteArray());
        Reply replyFor(const QByteArray &target) const;
        // Takes a queued reply first.
        Reply takeReplyFor(const QByteArray &target, const QByteArray &range);

        QList<Request> requests() const;
        // Waits until at least count requests came in; false on time-out.
        bool waitForRequests(int count, int timeoutMs) const;
        // Connections closed so far, by either side.
        int closedConnections() const;

        // Called on the server's thread.
        void record(const Request &request);
        void noteClosed();

    private:
        class Thread;

        // Standard primitives, not Qt's: ThreadSanitizer sees these, while
        // Qt is not built with it.
        mutable std::mutex m_mutex;
        mutable std::condition_variable m_changed;
        QMap<QByteArray, Reply> m_replies;
        struct Queued
        {
            QByteArray path;
            QByteArray range;
            Reply reply;
        };
        QList<Queued> m_queued;
        Reply m_defaultReply = Reply::withStatus(404);
        QList<Request> m_requests;
        int m_closed = 0;
        quint16 m_port = 0;
        QByteArray m_certificatePem;
        QByteArray m_keyPem;
        std::unique_ptr<Thread> m_thread;
    };
}
