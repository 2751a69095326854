#pragma once

#include <QString>

// Where the export writers hand their file copies and count their records.
// The export run installs one that feeds its copy queue and counters; with
// none installed nothing is queued or counted.
class ExportSink
{
public:
    virtual ~ExportSink() = default;
    virtual void queueCopy(const QString &source, const QString &destination) = 0;
    virtual void increaseTotal() = 0;
    virtual void increaseSucceeded() = 0;
    virtual void increaseProcessed() = 0;

    // Never null. The previous sink is returned; the caller keeps ownership.
    static ExportSink *current();
    static ExportSink *install(ExportSink *sink);
};
