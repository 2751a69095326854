#pragma once

#include <QString>
#include <QStringList>

// Module names given with Windows suffixes (".exe", ".dll") carry Linux's
// name on disk: programs have no suffix, and QLibrary wants the base name.
QString linuxModuleName(const QString &name);

// The path itself when it exists, else its nearest existing parent folder.
QString existingAncestor(const QString &path);

// Total free bytes of the volume holding path (not the caller's quota); 0
// when it cannot be read.
quint64 diskFreeBytes(const QString &path);

// Root of the local, writable-mounted volume with the most free bytes; a
// later volume with the same count wins. Empty when there is none.
QString driveWithMostFreeSpace();

// Hands folders to the deletion program (QUENROW_RUBBISH, else "rubbish"
// beside this program), detached, one argument per folder. Empty paths are
// skipped; with none left nothing is started.
void runRubbishCleaner(const QString &path);
void runRubbishCleaner(const QStringList &paths);
