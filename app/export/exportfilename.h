#pragma once

#include <QString>

// File names as the export writes them: at most 255 bytes of UTF-8, what
// the file systems it writes to take. The copy workers and the pages that
// link the copies name files through these alone, so a link always names
// the file its copy got.
namespace ExportFileName
{
    // A longer name is cut at a character boundary, keeping its suffix (when
    // short) and room for a "(n)".
    QString fit(const QString &name);
    // "stem(n).suffix" ("name(n)" without a suffix), cut in the stem so that
    // the number stays and the whole still fits.
    QString numbered(const QString &name, int n);
    // Made safe (sanitizeFileName), then fitted.
    QString safe(const QString &name);
}
