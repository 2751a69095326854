#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>

// A stand-in for the backup program: a shell script that records its
// argument count and arguments in <script>.args, then runs body with $target
// (the folder) and $udid taken from the one argument.
inline QString writeFakeBackupHelper(const QString &path, const QString &body)
{
    const QString script = QString("#!/bin/bash\n"
                                   "printf '%s\\n' \"$#\" \"$@\" > '%1.args'\n"
                                   "IFS='|' read -r -a parts <<< \"$1\"\n"
                                   "target=\"${parts[1]}\"; udid=\"${parts[3]}\"\n"
                                   "%2\n")
                               .arg(path, body);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(script.toUtf8()) < 0)
        return QString();
    file.close();
    QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner);
    return path;
}

// The count, then each argument the script was started with.
inline QStringList fakeBackupHelperArguments(const QString &path)
{
    QFile file(path + ".args");
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
    lines.removeLast();
    return lines;
}
