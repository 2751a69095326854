#pragma once

#include "exportpages.h"
#include "exportsink.h"

#include <QDir>
#include <QFile>
#include <QList>
#include <QPair>
#include <QString>

#include <atomic>
#include <functional>

// Records what the chat writers queue and count while it lives; a run's
// attachment names start afresh with it.
class ChatExportRecorder : public ExportSink
{
public:
    ChatExportRecorder()
    {
        ExportPages::resetAttachmentNames();
        m_previous = ExportSink::install(this);
    }
    ~ChatExportRecorder() override { ExportSink::install(m_previous); }

    void queueCopy(const QString &source, const QString &destination) override
    {
        copies.append(qMakePair(source, destination));
    }
    void increaseTotal() override {}
    void increaseSucceeded() override
    {
        ++counted;
        if (onCount)
            onCount();
    }
    void increaseProcessed() override {}

    QList<QPair<QString, QString>> copies;
    std::atomic<int> counted{0};
    std::function<void()> onCount; // called for every message counted at once

private:
    ExportSink *m_previous = nullptr;
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
