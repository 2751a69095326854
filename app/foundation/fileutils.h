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

// Hands folders to the deletion program (SettingsEntry::rubbishProgram()
// names it), detached, one argument per folder. Empty paths are skipped;
// with none left nothing is started.
void runRubbishCleaner(const QString &program, const QString &path);
void runRubbishCleaner(const QString &program, const QStringList &paths);

// Makes a name from a device safe as one file name: each of \ / : * ? " < > |
// becomes "_", and "", "." and ".." become "_" so that no name stands for
// the folder itself or its parent.
void sanitizeFileName(QString &name);

// The first occurrence of a name keeps it; later ones get "_1", "_2", ...,
// skipping every number that is already a name in the list, so the result
// holds no name twice (x, x_1, x, y, x gives x, x_1, x_2, y, x_3).
void makeNamesUnique(QStringList &names);
void makeNamesUniqueBySet(QStringList &names);

// Copies source into target recursively (hidden entries not included). The
// target folder is created one level deep; with overwrite false an existing
// target file ends the copy with false. Linked folders are not entered, a
// target inside the source and a linked target folder are refused. The
// first failure ends the copy; what was copied stays.
bool copyDirectory(const QString &source, const QString &target, bool overwrite);

// Bytes of the files below folder at any depth; hidden entries and links
// are neither counted nor entered. 0 for a missing folder.
qint64 directorySize(const QString &folder);

// Names of the folder's entries without hidden ones, by name ignoring case.
QStringList directoryEntries(const QString &folder);

QString absolutePath(const QString &path);
QString fromNativePath(const QString &path);
bool isSamePath(const QString &a, const QString &b);

// The whole file as UTF-8 text, or as Base64 text; empty when unreadable.
QString readFileText(const QString &path, bool asBase64 = false);

// Replaces the file with the text in UTF-8; true when bytes were written.
bool writeTextFile(const QString &path, const QString &text);

// Opens a web address (tolerant parsing) or a local file or folder with the
// desktop's default handler; true when the desktop took it.
bool openUrl(const QString &target, bool isLocalFile = false);

// Reveals the file in the desktop's file manager; without one, opens the
// folder holding it.
void showInExplorer(const QString &path);

// In place: path, then path with "(1)", "(2)", ... before the suffix of its
// file name, the first that does not exist.
void uniqueFilePath(QString &path);

// folder/name, else folder/base(1).suffix, ... : the first that does not exist.
QString uniqueFileNameInFolder(const QString &fileName, const QString &folder);

// Whether a file can be created in the folder (probed with a temporary file
// of our own).
bool isFolderWritable(const QString &folder);

// True when the folder exists or could be made.
bool ensurePath(const QString &folder);

// Removes the folder's entries (hidden ones not included) and then the
// folder; a link is removed itself, never what it points to. Refuses what
// the deletion program refuses ("/", volume roots, the home folder).
bool clearAndRemoveFolder(const QString &folder);

// Moves each entry of source (hidden ones not included) to the same name
// under target, replacing a target file of that name.
bool moveFolderContents(const QString &source, const QString &target);

// The file's suffix, or for a file without one the preferred suffix of the
// type its content shows.
QString fileSuffixOrMime(const QString &path);

// Of the part of a path after its first "files/": the folder part, and the
// name after its last "/" in fileName.
QString splitFilesPath(const QString &path, QString &fileName);

QString googleDriveDataFolder();

// 1 for "msgstore.db.crypt...15", 0 for other "msgstore.db.crypt..." names,
// else -1. The folder form looks at the entries of folder + "/Databases"
// and gives the highest kind found.
int androidChatBackupKind(const QString &fileName);
int androidChatBackupKindOfFolder(const QString &folder);

// The first character of the system's root folder.
QChar systemDriveLetter();
