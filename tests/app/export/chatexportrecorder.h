#pragma once

#include "chatexportseam.h"

#include <QDir>
#include <QFile>
#include <QList>
#include <QPair>
#include <QString>

#include <atomic>

// Records what the chat writers queue and count while it lives.
class ChatExportRecorder
{
public:
    ChatExportRecorder()
    {
        ChatExportSeam::Hooks hooks;
        hooks.queueCopy = [this](const QString &source, const QString &destination) {
            copies.append(qMakePair(source, destination));
        };
        hooks.countDone = [this] { ++counted; };
        m_previous = ChatExportSeam::install(hooks);
    }
    ~ChatExportRecorder() { ChatExportSeam::install(m_previous); }

    void reset()
    {
        copies.clear();
        counted = 0;
    }

    QList<QPair<QString, QString>> copies;
    std::atomic<int> counted{0};

private:
    ChatExportSeam::Hooks m_previous;
};

// Writes a small file with the given bytes, making its folder.
inline QString writeSourceFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(path.section(QLatin1Char('/'), 0, -2));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return QString();
    return path;
}
