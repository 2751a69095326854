// rubbish FOLDER...: removes each folder given, with everything below it.
// The main program starts it detached at quit, so it reports only through
// its log and its exit code.

#include "folderdeleter.h"
#include "spdlogcore.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    InitSpdLogA("rubbish.log", nullptr);
    const QStringList paths = app.arguments().mid(1);
    if (paths.isEmpty()) {
        std::fprintf(stderr, "usage: rubbish FOLDER...\n");
        return 2;
    }
    int failures = 0;
    for (const QString &path : paths) {
        QString error;
        if (FolderDeleter::remove(path, &error)) {
            SpdLogA(__FILE__, __LINE__, SPDLOG_LEVEL_INFO, "removed %s", path.toUtf8().constData());
            continue;
        }
        ++failures;
        SpdLogA(__FILE__, __LINE__, SPDLOG_LEVEL_ERROR, "%s", error.toUtf8().constData());
        std::fprintf(stderr, "rubbish: %s\n", error.toLocal8Bit().constData());
    }
    return failures ? 1 : 0;
}
