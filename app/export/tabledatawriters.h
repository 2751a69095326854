#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QVariant>

#include <atomic>

class RecoverAsCsv;
class RecoverAsVcf;
class TableRowSink;

// The record writers of the table categories: for every checked record a
// CSV row, its files queued for copying, a row object in table["links"]
// (ids from 0) and the export's counters; table["header"] holds the page's
// column headings. They stop at the first checked record after running
// turned false.
namespace TableDataWriters
{
    void writeCalendarsTable(const QString &folder, const QVariantList &records, QJsonObject &table,
                             RecoverAsCsv &csv, const std::atomic<bool> &running);
    void writeRemindersTable(const QString &folder, const QVariantList &records, QJsonObject &table,
                             RecoverAsCsv &csv, const std::atomic<bool> &running);
    void writeCallHistoryTable(const QString &folder, const QVariantList &records, QJsonObject &table,
                               RecoverAsCsv &csv, const std::atomic<bool> &running);
    void writeFaceTimeTable(const QString &folder, const QVariantList &records, QJsonObject &table,
                            RecoverAsCsv &csv, const std::atomic<bool> &running);
    void writeNotesTable(const QString &folder, const QVariantList &records, QJsonObject &table,
                         RecoverAsCsv &csv, const std::atomic<bool> &running);
    void writeSafariBookmarksTable(const QString &folder, const QVariantList &records, QJsonObject &table,
                                   RecoverAsCsv &csv, const std::atomic<bool> &running);
    void writeSafariHistoryTable(const QString &folder, const QVariantList &records, QJsonObject &table,
                                 RecoverAsCsv &csv, const std::atomic<bool> &running);
    void writeVoiceMemosTable(const QString &folder, const QVariantList &records, QJsonObject &table,
                              const std::atomic<bool> &running);
    void writeVoicemailsTable(const QString &folder, const QVariantList &records, QJsonObject &table,
                              const std::atomic<bool> &running);

    // The contacts: a CSV row, a card and a contact object (ids from 1) per
    // checked contact; photos are copied at once into resource/Attachment.
    void writeContactsTable(const QString &folder, const QVariantList &records, QJsonArray &contacts,
                            RecoverAsCsv &csv, RecoverAsVcf &vcf, const std::atomic<bool> &running);
    // The same writers feeding a sink (links.js written as the rows come).
    void writeCalendarsTable(const QString &folder, const QVariantList &records, TableRowSink &table, RecoverAsCsv &csv,
        const std::atomic<bool> &running);
    void writeRemindersTable(const QString &folder, const QVariantList &records, TableRowSink &table, RecoverAsCsv &csv,
        const std::atomic<bool> &running);
    void writeCallHistoryTable(const QString &folder, const QVariantList &records, TableRowSink &table, RecoverAsCsv &csv,
        const std::atomic<bool> &running);
    void writeFaceTimeTable(const QString &folder, const QVariantList &records, TableRowSink &table, RecoverAsCsv &csv,
        const std::atomic<bool> &running);
    void writeNotesTable(const QString &folder, const QVariantList &records, TableRowSink &table, RecoverAsCsv &csv,
        const std::atomic<bool> &running);
    void writeSafariBookmarksTable(const QString &folder, const QVariantList &records, TableRowSink &table, RecoverAsCsv &csv,
        const std::atomic<bool> &running);
    void writeSafariHistoryTable(const QString &folder, const QVariantList &records, TableRowSink &table, RecoverAsCsv &csv,
        const std::atomic<bool> &running);
    void writeVoiceMemosTable(const QString &folder, const QVariantList &records, TableRowSink &table,
        const std::atomic<bool> &running);
    void writeVoicemailsTable(const QString &folder, const QVariantList &records, TableRowSink &table,
        const std::atomic<bool> &running);
    void writeContactsTable(const QString &folder, const QVariantList &records, TableRowSink &contacts,
        RecoverAsCsv &csv, RecoverAsVcf &vcf, const std::atomic<bool> &running);
}
