#pragma once

#include <QString>

// Removes a folder with everything below it, but never one whose loss would
// be a disaster: "/", a volume root, the home folder or one of its parents.
// Relative and empty paths are refused too, since their meaning depends on
// the working folder.
class FolderDeleter
{
public:
    // Empty when the path may be removed, else the reason it may not.
    static QString refusal(const QString &path);

    // True when the path is gone afterwards (also when it never existed).
    // A symbolic link is removed itself; its target is left alone.
    static bool remove(const QString &path, QString *error = nullptr);
};
