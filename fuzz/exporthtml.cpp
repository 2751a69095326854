// Texts from a device in the data files of an exported page (links.js as a
// table is streamed, its header file), read back as the page's script reads
// them: each file is a prefix and a JSON value, and every text arrives as it
// was. The files are also the bytes Qt's own JSON writer makes of the same
// values.
#include "exportpages.h"
#include "fuzzsupport.h"
#include "linksfilewriter.h"
#include "tablerow.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <cstdio>
#include <cstdlib>

namespace
{
    QString g_folder;

    [[noreturn]] void fail(const QString &what)
    {
        std::fprintf(stderr, "page data round trip: %s\n", qPrintable(what));
        std::abort();
    }

    QString text(FuzzedDataProvider &input)
    {
        return QString::fromStdString(input.ConsumeRandomLengthString(64));
    }

    QByteArray readAll(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            fail("cannot read " + path);
        return file.readAll();
    }

    // The value a page's script gets from the file: what follows the prefix.
    // (JSON is JavaScript since ES2019, raw U+2028 and U+2029 included.)
    QJsonObject run(const QString &name, const QByteArray &prefix)
    {
        const QByteArray bytes = readAll(g_folder + '/' + name);
        if (!bytes.startsWith(prefix))
            fail(name + " does not start with " + QString::fromLatin1(prefix));
        QJsonParseError error {};
        const QJsonDocument document = QJsonDocument::fromJson(bytes.mid(prefix.size()), &error);
        if (error.error != QJsonParseError::NoError || !document.isObject())
            fail(name + " does not read: " + error.errorString() + "\n" + QString::fromUtf8(bytes.constData(), bytes.size()));
        return document.object();
    }

    void same(const QString &where, const QJsonValue &read, const QString &wrote)
    {
        if (!read.isString() || read.toString() != wrote)
            fail(where + " reads back as \"" + read.toString() + "\", not \"" + wrote + "\"");
    }

    // The bytes Qt writes for the same value.
    void sameAsQt(const QString &name, const QByteArray &prefix, const QJsonDocument &document)
    {
        const QByteArray expected = prefix + document.toJson(QJsonDocument::Indented);
        if (readAll(g_folder + '/' + name) != expected)
            fail(name + " differs from Qt's JSON of the same value");
    }
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzzsupport::initQt(argc, argv);
    g_folder = QString::fromStdString(fuzzsupport::freshFolder("page") + "/json");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const QString header = text(input);
    const QString account = text(input);
    const QString title = text(input);
    struct Row
    {
        QString title, url;
        qint64 time;
    };
    QList<Row> rows;
    while (input.remaining_bytes() > 0 && rows.size() < 8)
        // Times and sizes of a device; past 2^53 a JSON number is no longer whole.
        rows.append({text(input), text(input), input.ConsumeIntegralInRange<qint64>(-(1LL << 53), 1LL << 53)});

    QJsonArray links;
    {
        LinksFileWriter writer(g_folder, "links.js", "window.links_dict=", LinksFileWriter::TableForm);
        writer.setHeader(header);
        for (const Row &row : rows) {
            TableRow tableRow;
            tableRow.insert("title", row.title);
            tableRow.insert("url", row.url);
            tableRow.insert("time", row.time);
            writer.addRow(tableRow);
            links.append(tableRow.toJsonObject());
        }
        if (!writer.finish())
            fail("links.js not written");
    }
    if (!ExportPages::writeHeaderFile(g_folder, title, title, 256, "links-common.js", "window.links_common=",
                                      account, title))
        fail("links-common.js not written");

    const QJsonObject table = run("links.js", "window.links_dict=");
    same("the header", table.value("header"), header);
    const QJsonArray readRows = table.value("links").toArray();
    if (readRows.size() != rows.size())
        fail(QStringLiteral("%1 rows read, %2 written").arg(readRows.size()).arg(rows.size()));
    for (int i = 0; i < rows.size(); ++i) {
        const QJsonObject row = readRows.at(i).toObject();
        same(QStringLiteral("title %1").arg(i), row.value("title"), rows.at(i).title);
        same(QStringLiteral("url %1").arg(i), row.value("url"), rows.at(i).url);
    }
    const QJsonObject common = run("links-common.js", "window.links_common=");
    same("the account", common.value("Account"), account);
    same("the title", common.value("Title"), title);

    sameAsQt("links.js", "window.links_dict=", QJsonDocument(QJsonObject {{"header", header}, {"links", links}}));
    return 0;
}
