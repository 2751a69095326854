#include "loopbackhttpserver.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QSemaphore>
#include <QSslCertificate>
#include <QSslKey>
#include <QSslSocket>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <mutex>

namespace testsupport
{
    namespace
    {
        QByteArray reasonOf(int status)
        {
            switch (status) {
            case 200: return "OK";
            case 206: return "Partial Content";
            case 404: return "Not Found";
            case 416: return "Range Not Satisfiable";
            case 500: return "Internal Server Error";
            default: return "Status";
            }
        }

        // Qt delivers no event to any thread while no QCoreApplication
        // exists. A plain (non-Qt) test gets one, kept for the whole process.
        void ensureCoreApplication()
        {
            static std::once_flag once;
            std::call_once(once, [] {
                if (QCoreApplication::instance())
                    return;
                static int argc = 1;
                static char name[] = "loopbackhttpserver";
                static char *argv[] = {name, nullptr};
                new QCoreApplication(argc, argv);
            });
        }

        struct Range
        {
            bool satisfiable = false;
            int start = 0;
            int end = -1;
        };

        // "bytes=a-b", "bytes=a-" or "bytes=-n" against a body of total bytes.
        Range parseRange(const QByteArray &header, int total)
        {
            Range range;
            const QByteArray spec = header.trimmed().mid(6);
            const int dash = spec.indexOf('-');
            if (!header.trimmed().startsWith("bytes=") || dash < 0)
                return range;
            bool firstOk = true, lastOk = true;
            const QByteArray first = spec.left(dash).trimmed(), last = spec.mid(dash + 1).trimmed();
            if (first.isEmpty()) {
                const int suffix = last.toInt(&lastOk);
                range.start = qMax(0, total - suffix);
                range.end = total - 1;
            } else {
                range.start = first.toInt(&firstOk);
                range.end = last.isEmpty() ? total - 1 : qMin(last.toInt(&lastOk), total - 1);
            }
            range.satisfiable = firstOk && lastOk && range.start <= range.end && range.start < total;
            return range;
        }

        // Hands out sockets that first complete a TLS handshake as the server.
        class TlsServer : public QTcpServer
        {
        public:
            TlsServer(const QByteArray &certificatePem, const QByteArray &keyPem)
                : m_certificate(certificatePem, QSsl::Pem)
                , m_key(keyPem, QSsl::Rsa, QSsl::Pem)
            {
                if (m_key.isNull())
                    m_key = QSslKey(keyPem, QSsl::Ec, QSsl::Pem);
            }

        protected:
            void incomingConnection(qintptr descriptor) override
            {
                auto *socket = new QSslSocket(this);
                if (!socket->setSocketDescriptor(descriptor)) {
                    delete socket;
                    return;
                }
                socket->setLocalCertificate(m_certificate);
                socket->setPrivateKey(m_key);
                // A client that refuses the certificate ends the handshake; nothing to answer then.
                connect(socket, QOverload<const QList<QSslError> &>::of(&QSslSocket::sslErrors), socket,
                        [socket] { socket->abort(); });
                addPendingConnection(socket);
                socket->startServerEncryption();
            }

        private:
            QSslCertificate m_certificate;
            QSslKey m_key;
        };

        // One client connection: reads one request, records it, answers it.
        class Connection : public QObject
        {
        public:
            Connection(LoopbackHttpServer &owner, QTcpSocket *socket)
                : QObject(socket), m_owner(owner), m_socket(socket)
            {
                connect(socket, &QTcpSocket::readyRead, this, [this] { readRequest(); });
                connect(socket, &QTcpSocket::disconnected, this, [this] {
                    m_timer.stop();
                    m_owner.noteClosed();
                });
                connect(&m_timer, &QTimer::timeout, this, [this] { sendChunk(); });
            }

        private:
            void readRequest()
            {
                m_buffer += m_socket->readAll();
                if (m_answered)
                    return;
                const int headerEnd = m_buffer.indexOf("\r\n\r\n");
                if (headerEnd < 0)
                    return;
                LoopbackHttpServer::Request request;
                const QList<QByteArray> lines = m_buffer.left(headerEnd).split('\n');
                const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
                request.method = requestLine.value(0);
                request.target = requestLine.value(1);
                for (int i = 1; i < lines.size(); ++i) {
                    const int colon = lines[i].indexOf(':');
                    if (colon > 0)
                        request.headers.append({lines[i].left(colon).trimmed(), lines[i].mid(colon + 1).trimmed()});
                }
                const int length = request.header("Content-Length").toInt();
                if (m_buffer.size() < headerEnd + 4 + length)
                    return;
                request.body = m_buffer.mid(headerEnd + 4, length);
                m_answered = true;
                m_owner.record(request);
                answer(m_owner.takeReplyFor(request.target, request.header("Range")), request);
            }

            void answer(const LoopbackHttpServer::Reply &reply, const LoopbackHttpServer::Request &request)
            {
                if (!reply.answer)
                    return;
                int status = reply.status;
                QByteArray body = reply.body;
                QByteArray extra;
                const QByteArray rangeHeader = request.header("Range");
                if (status == 200 && reply.ranges && !rangeHeader.isEmpty() && !rangeHeader.contains(',')) {
                    const Range range = parseRange(rangeHeader, body.size());
                    const QByteArray total = QByteArray::number(body.size());
                    if (range.satisfiable) {
                        status = 206;
                        extra = "Content-Range: bytes " + QByteArray::number(range.start) + "-" +
                                QByteArray::number(range.end) + "/" + total + "\r\n";
                        body = body.mid(range.start, range.end - range.start + 1);
                    } else {
                        status = 416;
                        extra = "Content-Range: bytes */" + total + "\r\n";
                        body.clear();
                    }
                }
                const QByteArray length =
                    reply.contentLength ? "\r\nContent-Length: " + QByteArray::number(body.size()) : QByteArray();
                const QByteArray head = "HTTP/1.1 " + QByteArray::number(status) + " " + reasonOf(status) +
                                        "\r\nContent-Type: " + reply.contentType + length +
                                        "\r\nAccept-Ranges: bytes\r\n" + extra + "Connection: close\r\n\r\n";
                if (reply.bodyBytes >= 0) {
                    m_socket->write(head + body.left(reply.bodyBytes));
                    m_socket->disconnectFromHost();
                } else if (reply.closeAfterBytes >= 0) {
                    m_socket->write((head + body).left(reply.closeAfterBytes));
                    m_socket->disconnectFromHost();
                } else if (reply.chunkBytes > 0) {
                    m_socket->write(head);
                    m_pending = body;
                    m_sent = 0;
                    m_chunkBytes = reply.chunkBytes;
                    m_timer.start(qMax(1, reply.chunkIntervalMs));
                } else {
                    m_socket->write(head + body);
                    m_socket->disconnectFromHost();
                }
            }

            void sendChunk()
            {
                // By offset: a large body is neither copied nor moved per chunk.
                const int count = qMin(m_chunkBytes, m_pending.size() - m_sent);
                m_socket->write(m_pending.constData() + m_sent, count);
                m_sent += count;
                if (m_sent >= m_pending.size()) {
                    m_timer.stop();
                    m_socket->disconnectFromHost();
                }
            }

            LoopbackHttpServer &m_owner;
            QTcpSocket *m_socket;
            QByteArray m_buffer;
            bool m_answered = false;
            QByteArray m_pending;
            int m_sent = 0;
            int m_chunkBytes = 0;
            QTimer m_timer;
        };
    }

    class LoopbackHttpServer::Thread : public QThread
    {
    public:
        Thread(LoopbackHttpServer &owner, QByteArray certificatePem, QByteArray keyPem)
            : m_owner(owner), m_certificatePem(std::move(certificatePem)), m_keyPem(std::move(keyPem))
        {
        }

        quint16 listen()
        {
            start();
            m_ready.acquire();
            return m_port;
        }

        void finish()
        {
            quit();
            wait();
            // Qt's join is invisible to ThreadSanitizer; this lock, taken
            // last by run(), orders everything the thread did before ours.
            std::lock_guard<std::mutex> lock(m_exitMutex);
        }

    protected:
        void run() override
        {
            serve();
            std::lock_guard<std::mutex> lock(m_exitMutex);
        }

    private:
        void serve()
        {
            std::unique_ptr<QTcpServer> owned;
            if (m_certificatePem.isEmpty())
                owned = std::make_unique<QTcpServer>();
            else
                owned = std::make_unique<TlsServer>(m_certificatePem, m_keyPem);
            QTcpServer &server = *owned;
            if (server.listen(QHostAddress::LocalHost, 0))
                m_port = server.serverPort();
            QObject::connect(&server, &QTcpServer::newConnection, [&] {
                while (QTcpSocket *socket = server.nextPendingConnection())
                    new Connection(m_owner, socket);
            });
            m_ready.release();
            if (m_port != 0)
                exec();
            server.close();
            for (QTcpSocket *socket : server.findChildren<QTcpSocket *>(QString(), Qt::FindDirectChildrenOnly)) {
                socket->disconnect();
                socket->abort();
                delete socket;
            }
        }

        LoopbackHttpServer &m_owner;
        std::mutex m_exitMutex;
        const QByteArray m_certificatePem;
        const QByteArray m_keyPem;
        QSemaphore m_ready;
        std::atomic<quint16> m_port {0};
    };

    LoopbackHttpServer::Reply LoopbackHttpServer::Reply::ok(const QByteArray &body, const QByteArray &contentType)
    {
        Reply reply;
        reply.body = body;
        reply.contentType = contentType;
        return reply;
    }

    LoopbackHttpServer::Reply LoopbackHttpServer::Reply::withStatus(int status)
    {
        Reply reply;
        reply.status = status;
        reply.body = QByteArray::number(status) + " " + reasonOf(status) + "\n";
        reply.contentType = "text/plain";
        return reply;
    }

    LoopbackHttpServer::Reply LoopbackHttpServer::Reply::closeAfter(int bytes, const QByteArray &body)
    {
        Reply reply = ok(body);
        reply.closeAfterBytes = bytes;
        return reply;
    }

    LoopbackHttpServer::Reply LoopbackHttpServer::Reply::neverAnswer()
    {
        Reply reply;
        reply.answer = false;
        return reply;
    }

    LoopbackHttpServer::Reply LoopbackHttpServer::Reply::slow(const QByteArray &body, int chunkBytes,
                                                               int chunkIntervalMs)
    {
        Reply reply = ok(body);
        reply.chunkBytes = chunkBytes;
        reply.chunkIntervalMs = chunkIntervalMs;
        return reply;
    }

    QByteArray LoopbackHttpServer::Request::header(const QByteArray &name) const
    {
        for (const auto &header : headers) {
            if (header.first.compare(name, Qt::CaseInsensitive) == 0)
                return header.second;
        }
        return QByteArray();
    }

    LoopbackHttpServer::LoopbackHttpServer() = default;

    LoopbackHttpServer::~LoopbackHttpServer()
    {
        stop();
    }

    quint16 LoopbackHttpServer::start()
    {
        if (m_thread)
            return m_port;
        ensureCoreApplication();
        m_thread = std::make_unique<Thread>(*this, m_certificatePem, m_keyPem);
        m_port = m_thread->listen();
        if (m_port == 0)
            stop();
        return m_port;
    }

    void LoopbackHttpServer::stop()
    {
        if (!m_thread)
            return;
        m_thread->finish();
        m_thread.reset();
    }

    void LoopbackHttpServer::setTls(const QByteArray &certificatePem, const QByteArray &keyPem)
    {
        m_certificatePem = certificatePem;
        m_keyPem = keyPem;
    }

    QString LoopbackHttpServer::url(const QString &path) const
    {
        const QString scheme = m_certificatePem.isEmpty() ? QStringLiteral("http") : QStringLiteral("https");
        return QStringLiteral("%1://127.0.0.1:%2%3").arg(scheme).arg(m_port).arg(path);
    }

    void LoopbackHttpServer::setReply(const QByteArray &path, const Reply &reply)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_replies.insert(path, reply);
    }

    void LoopbackHttpServer::setDefaultReply(const Reply &reply)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_defaultReply = reply;
    }

    LoopbackHttpServer::Reply LoopbackHttpServer::replyFor(const QByteArray &target) const
    {
        const QByteArray path = target.left(target.indexOf('?') < 0 ? target.size() : target.indexOf('?'));
        std::unique_lock<std::mutex> lock(m_mutex);
        return m_replies.value(path, m_defaultReply);
    }

    void LoopbackHttpServer::queueReply(const QByteArray &path, const Reply &reply, const QByteArray &range)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_queued.append({path, range, reply});
    }

    LoopbackHttpServer::Reply LoopbackHttpServer::takeReplyFor(const QByteArray &target, const QByteArray &range)
    {
        const QByteArray path = target.left(target.indexOf('?') < 0 ? target.size() : target.indexOf('?'));
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            for (int i = 0; i < m_queued.size(); ++i) {
                if (m_queued[i].path == path && (m_queued[i].range.isEmpty() || m_queued[i].range == range))
                    return m_queued.takeAt(i).reply;
            }
        }
        return replyFor(target);
    }

    QList<LoopbackHttpServer::Request> LoopbackHttpServer::requests() const
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        return m_requests;
    }

    bool LoopbackHttpServer::waitForRequests(int count, int timeoutMs) const
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        return m_changed.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                                  [&] { return m_requests.size() >= count; });
    }

    int LoopbackHttpServer::closedConnections() const
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        return m_closed;
    }

    void LoopbackHttpServer::record(const Request &request)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_requests.append(request);
        m_changed.notify_all();
    }

    void LoopbackHttpServer::noteClosed()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        ++m_closed;
        m_changed.notify_all();
    }
}
