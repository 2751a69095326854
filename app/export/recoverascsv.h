#pragma once

#include "recovererror.h"

#include <QObject>
#include <QScopedPointer>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace DeviceData {
struct CalenderReminderInfo;
struct CHFTInfo;
struct ContactInfo;
struct NotesInfo;
struct SafariInfo;
}

class RecoverAsCsvPrivate;

// Column names of a contact's labelled entries: the known address-book
// labels by their translated names, "_$!<X>!$_" as X, anything else as
// itself, and the kind's fallback name for an empty label.
QString phoneLabelName(const QString &label);
QString emailLabelName(const QString &label);
QString urlLabelName(const QString &label);
QString addressLabelName(const QString &label);
QString dateLabelName(const QString &label);
QString relationLabelName(const QString &label);
QString socialLabelName(const QString &label);
QString imLabelName(const QString &label);

// A cell as a spreadsheet must show it, not run it: a leading "'" for text
// that starts with "=", "@", a tab or a line break, or with "+" or "-" and
// more than a number.
QString guardSpreadsheetCell(const QString &text);

// The CSV table of one category: UTF-8 without byte-order mark, every field
// quoted with inner quotes doubled (RFC 4180), records ending in CR LF.
class RecoverAsCsv : public QObject
{
    Q_OBJECT

public:
    explicit RecoverAsCsv(QObject *parent = nullptr);
    ~RecoverAsCsv() override;

    // Creates or truncates the file. On failure emits sigError with 3 when
    // the volume is nearly full, else 4, and returns false.
    bool open(const QString &path);
    void close();

    // One record; nothing for an empty list. False (and sigError) when the
    // line could not be written.
    bool writeRow(const QStringList &fields);

    bool writeCalendarsHeader();
    bool writeCallHistoryHeader();
    bool writeFaceTimeHeader();
    bool writeNotesHeader();
    bool writeRemindersHeader();
    bool writeSafariBookmarksHeader();
    bool writeSafariHistoryHeader();
    // Built from the checked contacts' labels; kept as columns().
    bool writeContactsHeader(const QVariantList &contacts);

    bool writeCalendarRow(const DeviceData::CalenderReminderInfo &event, const QString &attachments);
    bool writeCallHistoryRow(const DeviceData::CHFTInfo &call);
    bool writeFaceTimeRow(const DeviceData::CHFTInfo &call);
    bool writeNoteRow(const DeviceData::NotesInfo &note, const QString &attachments);
    bool writeReminderRow(const DeviceData::CalenderReminderInfo &reminder, const QString &attachments);
    bool writeSafariBookmarkRow(const DeviceData::SafariInfo &item);
    bool writeSafariHistoryRow(const DeviceData::SafariInfo &item);
    // Only after writeContactsHeader over a list that held this contact.
    bool writeContactRow(const DeviceData::ContactInfo &contact);

    QStringList columns() const;

signals:
    void sigError(RecoverError::ErrorType err);

private:
    friend class RecoverAsCsvPrivate;
    QScopedPointer<RecoverAsCsvPrivate> d;
};
