#pragma once

#include <QList>
#include <QString>
#include <QVector>

#include <functional>

// A scan of a backup into the record store (group 0) by the program's own
// road: the chosen categories are announced in the store as the pages do,
// and ScaniTunesBackupManage's scan worker scans them (Contacts first when
// a chosen category shows contact names) while the caller's loop turns.

// Reads comma-separated DataCategory ids ("1,2,1024"); false unless each is
// a category the scan worker can scan (attachment ids are not).
bool parseCategoryIds(const QString &text, QList<int> *ids);

// The ids and, after each, its attachment category where it has one: what
// an export of those categories writes.
QVector<int> withAttachments(const QList<int> &ids);

// Returns once the worker has ended the scan; the engine writes its copies
// into outputDir.
void scanBackupIntoStore(const QString &backup, const QList<int> &categories, const QString &outputDir);

// Tells each category of the store's scan that could not be read on stderr,
// one line each, prefixed with the program's name; returns the exit code
// that says so (0 when every category was read, see scanerror.h).
int reportScanErrors(const char *program);
// True when the backup folder itself could not be read: nothing was scanned.
bool backupWasUnreadable();

// Runs the intake on a thread of its own between scan-finished false and
// true, as the iCloud worker does, while the caller's loop turns.
void runOnStoreWorker(const std::function<void()> &intake);
