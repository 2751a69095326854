// A CSV row of texts from a device, written as the export writes every table
// row and read back by an RFC 4180 reader: each cell is its text again, with
// a "'" in front only of a text that a spreadsheet would run.
#include "fuzzsupport.h"
#include "recoverascsv.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QFile>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <optional>

namespace
{
    QString g_path;

    [[noreturn]] void mismatch(const char *what, const QString &wrote, const QString &read)
    {
        std::fprintf(stderr, "CSV round trip: %s\nwrote: %s\nread:  %s\n", what, qPrintable(wrote),
                     qPrintable(read));
        std::abort();
    }

    // Strict: every field quoted, records end with CR LF; nothing when the
    // bytes are not that.
    std::optional<QList<QStringList>> readCsv(const QByteArray &bytes)
    {
        QList<QStringList> records;
        QStringList record;
        int i = 0;
        while (i < bytes.size()) {
            if (bytes[i] != '"')
                return std::nullopt;
            QByteArray field;
            for (++i;; ++i) {
                if (i >= bytes.size())
                    return std::nullopt;
                if (bytes[i] == '"') {
                    if (i + 1 < bytes.size() && bytes[i + 1] == '"') {
                        field += '"';
                        ++i;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += bytes[i];
            }
            record << QString::fromUtf8(field.constData(), field.size()); // NULs included
            if (i < bytes.size() && bytes[i] == ',') {
                ++i;
                continue;
            }
            if (bytes.mid(i, 2) != "\r\n")
                return std::nullopt;
            i += 2;
            records << record;
            record.clear();
        }
        return records;
    }

    bool spreadsheetWouldRun(const QString &text)
    {
        return !text.isEmpty() && QStringLiteral("=@\t\r\n").contains(text.at(0));
    }
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzzsupport::initQt(argc, argv);
    g_path = QString::fromStdString(fuzzsupport::freshFolder("csv") + "/table.csv");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    QStringList fields;
    while (input.remaining_bytes() > 0 && fields.size() < 32)
        fields << QString::fromStdString(input.ConsumeRandomLengthString());
    {
        RecoverAsCsv csv;
        if (!csv.open(g_path) || !csv.writeRow(fields))
            std::abort();
    }
    QFile file(g_path);
    if (!file.open(QIODevice::ReadOnly))
        std::abort();
    const auto records = readCsv(file.readAll());
    if (!records)
        mismatch("not CSV", fields.join('|'), QString());
    if (fields.isEmpty()) {
        if (!records->isEmpty())
            mismatch("a row for no fields", QString(), records->first().join('|'));
        return 0;
    }
    if (records->size() != 1 || records->first().size() != fields.size())
        mismatch("not one row of every field", fields.join('|'), records->first().join('|'));
    for (int i = 0; i < fields.size(); ++i) {
        const QString &wrote = fields.at(i);
        const QString &read = records->first().at(i);
        if (read == wrote && !spreadsheetWouldRun(wrote))
            continue;
        if (read == QLatin1Char('\'') + wrote && (spreadsheetWouldRun(wrote) || wrote.startsWith('+') ||
                                                  wrote.startsWith('-')))
            continue;
        mismatch("a cell changed", wrote, read);
    }
    return 0;
}
