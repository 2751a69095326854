#pragma once

#include <QString>
#include <QVector>

#include <functional>

// One engine scan of a backup into the record store (group 0), as the scan
// worker does: the engine runs on a thread of its own while the caller's
// event loop turns, so queued store signals reach their receivers.

// The DataCategory ids whose engine bit is in the mask, ascending.
QVector<int> categoriesOfMask(long long mask);

// False when the engine cannot be started. The engine writes its copies
// into outputDir.
bool scanBackupIntoStore(const QString &backup, long long mask, const QString &outputDir);

// Runs the intake on a thread of its own between scan-finished false and
// true, as the scan and iCloud workers do, while the caller's loop turns.
void runOnStoreWorker(const std::function<void()> &intake);
