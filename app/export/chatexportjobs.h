#pragma once

#include <QString>

#include <functional>

class RecoverNatManagerPrivate;

// The category jobs of the three chat apps: the folder with its icons and
// assets, the data files, the page header and the pages.
namespace ChatExportJobs
{
    void exportMessages(RecoverNatManagerPrivate *d, const QString &folder, const QString &name, int id);
    void exportLine(RecoverNatManagerPrivate *d, const QString &folder, const QString &name, int id);
    void exportWhatsApp(RecoverNatManagerPrivate *d, const QString &folder, const QString &name, int id);

    // Where the WhatsApp job gets the owner's phone number (none: empty).
    using OwnerNumberProvider = std::function<QString()>;
    void setOwnerNumberProvider(OwnerNumberProvider provider);
}
