#pragma once

#include "recovererror.h"

#include <QString>
#include <QVariant>

#include <atomic>
#include <functional>

// The export of one table category (Contacts, calls, notes, calendars,
// reminders, the Safari lists) or voice category (voice memos, voicemails)
// into its folder: assets and icons from the application folder, the CSV
// and vCard files, links.js and links-common.js, and the page.
namespace TableExportJob
{
    using ErrorHandler = std::function<void(RecoverError::ErrorType)>;

    bool handles(int category);

    // Does nothing for an empty list. name is the translated category name;
    // the writers' errors go to onError (called on this thread).
    void run(const QString &folder, const QString &name, int category, const QVariantList &records,
             const std::atomic<bool> &running, const QString &applicationFolder, const ErrorHandler &onError);
}
