#pragma once

#include <QString>

class RecoverNatManagerPrivate;

// One job per category; each turns the checked records of its category in
// the store into files under the category folder.
namespace ExportJobs
{
    using Job = void (*)(RecoverNatManagerPrivate *d, const QString &folder, const QString &name, int id);

    // The folder is the translation of the category's name (CategoryTable).
    struct Entry
    {
        int id;
        Job job;
    };

    // Null for an id that is not exported.
    const Entry *findJob(int id);
    // Whether the job of id will make its folder (the store has its records).
    bool writesFolder(int id);

    void exportMediaFiles(RecoverNatManagerPrivate *d, const QString &folder, const QString &name, int id);
    void exportAppFiles(RecoverNatManagerPrivate *d, const QString &folder, const QString &name, int id);
    void exportChatAttachments(RecoverNatManagerPrivate *d, const QString &folder, const QString &name, int id);
    // The table and voice categories: CSV, vCard, data files and page.
    // The writers' copies and counts go to the copy queue and the manager.
    void installManagerSink();
    void exportTable(RecoverNatManagerPrivate *d, const QString &folder, const QString &name, int id);
    // Categories whose writers are not here yet: counted, nothing written.
    void exportNothing(RecoverNatManagerPrivate *d, const QString &folder, const QString &name, int id);

    // A name from the data made safe as one file name inside the folder.
    QString safeFileName(const QString &name);
}
