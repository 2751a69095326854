#pragma once

// What the writer tests share: a sink that records what the writers queue
// and count, and byte-for-byte comparison against the golden files.

#include "exportsink.h"

#include <QDir>
#include <QFile>
#include <QMutex>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>
#include <QtTest>

class RecordingSink : public ExportSink
{
public:
    RecordingSink() { m_previous = ExportSink::install(this); }
    ~RecordingSink() override { ExportSink::install(m_previous); }

    void queueCopy(const QString &source, const QString &destination) override
    {
        QMutexLocker locker(&m_mutex);
        copies.append({source, destination});
    }
    void increaseTotal() override { ++total; }
    void increaseSucceeded() override { ++succeeded; }
    void increaseProcessed() override { ++processed; }

    // Carries the queued copies out, as the copy queue would.
    void runCopies() const
    {
        for (const auto &copy : copies)
            QFile::copy(copy.first, copy.second);
    }

    QVector<QPair<QString, QString>> copies;
    int total = 0;
    int succeeded = 0;
    int processed = 0;

private:
    QMutex m_mutex;
    ExportSink *m_previous = nullptr;
};

inline QByteArray readBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<missing " + path.toUtf8() + ">");
    return file.readAll();
}

inline void writeBytes(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(path.left(path.lastIndexOf('/')));
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    file.write(bytes);
}

// The golden file under tests/fixtures/export; with QUENROW_UPDATE_FIXTURES
// set the actual bytes replace it (then read the diff before committing).
inline QString goldenPath(const QString &name)
{
    return QStringLiteral(EXPORT_FIXTURES "/") + name;
}

#define COMPARE_GOLDEN(actualPath, goldenName)                                                           \
    do {                                                                                                 \
        const QByteArray actualBytes = readBytes(actualPath);                                            \
        if (qEnvironmentVariableIsSet("QUENROW_UPDATE_FIXTURES"))                                        \
            writeBytes(goldenPath(goldenName), actualBytes);                                             \
        const QByteArray goldenBytes = readBytes(goldenPath(goldenName));                                \
        if (actualBytes != goldenBytes)                                                                  \
            qWarning().noquote() << "actual" << (actualPath) << ":\n" << QString::fromUtf8(actualBytes); \
        QCOMPARE(actualBytes, goldenBytes);                                                              \
    } while (false)

// A small file with the given bytes; returns its path.
inline QString makeFile(const QString &folder, const QString &name, const QByteArray &bytes)
{
    QDir().mkpath(folder);
    const QString path = folder + '/' + name;
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
    return path;
}
