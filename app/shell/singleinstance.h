#pragma once

#include <QLocalSocket>
#include <QObject>
#include <QString>

class QLocalServer;

// Keeps the program to one instance per user through a local socket.
//
// probe() first tries to reach a running instance and hands it a message;
// when none answers it listens itself. A name that stays taken is removed
// only when nothing listens behind it (the connect is refused): a first
// instance that is merely slow to accept keeps its socket, and this one then
// runs alone, neither handing over nor listening.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    enum class Role
    {
        Unprobed,
        First,  // listening: later starts reach this one
        Second, // another instance took the message; this one should end
        Alone   // the name is held by a listener that did not answer
    };

    explicit SingleInstance(const QString &name, QObject *parent = nullptr);
    ~SingleInstance() override;

    // The socket's path: in $XDG_RUNTIME_DIR, else in the temporary folder
    // with the user's id appended to the name.
    static QString serverPath(const QString &name);

    Role probe(const QString &message, int connectWaitMs = 100, int retryWaitMs = 1000);
    Role role() const;
    QString path() const;
    // The listening server (First), else null.
    QLocalServer *server() const;

private:
    bool handOver(const QString &message, int waitMs, QLocalSocket::LocalSocketError *error = nullptr);
    bool listen();

    QString m_path;
    QLocalServer *m_server = nullptr;
    Role m_role = Role::Unprobed;
};
