#include "exportpages.h"
#include "exporttestsupport.h"
#include "jsondatafile.h"
#include "linksfilewriter.h"
#include "tablerow.h"

#include <QJsonDocument>
#include <QTemporaryDir>
#include <QtTest>

class JsonDataFileTest : public QObject
{
    Q_OBJECT

private slots:
    // Our element-by-element writer must give exactly Qt's indented bytes.
    void sameBytesAsQt_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("table") << QByteArray("{\"links\":[{\"id\":0,\"title\":\"a\"},{\"id\":1,\"title\":\"b\"}],\"header\":\"A|B\"}");
        QTest::newRow("empty containers") << QByteArray("{\"a\":[],\"b\":{},\"c\":[[],{}]}");
        QTest::newRow("nested arrays") << QByteArray("[[1,[2,[3]]],{\"x\":[{\"y\":null}]}]");
        QTest::newRow("escapes") << QByteArray("{\"t\":\"q\\\" b\\\\ t\\t n\\n r\\r f\\f b\\b u\\u0001 / <\\/script>\"}");
        QTest::newRow("non-ascii") << QByteArray("{\"t\":\"\xe6\x9d\xb1\xe4\xba\xac \\u2028 \xf0\x9f\x98\x80\"}");
        QTest::newRow("lone surrogate") << QByteArray("{\"t\":\"a\\ud800b \\udc00\"}");
        QTest::newRow("numbers and bools") << QByteArray("{\"a\":1,\"b\":-2.5,\"c\":true,\"d\":false,\"e\":1e20}");
        QTest::newRow("key order") << QByteArray("{\"title\":1,\"Type\":2,\"_x\":3,\"id\":4,\"Account\":5}");
        QTest::newRow("empty array document") << QByteArray("[]");
    }
    void sameBytesAsQt()
    {
        QFETCH(QByteArray, json);
        const QJsonDocument document = QJsonDocument::fromJson(json);
        QVERIFY(!document.isNull());
        const QJsonValue value = document.isArray() ? QJsonValue(document.array()) : QJsonValue(document.object());
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(JsonDataFile::writeDocument(buffer, "window.x=", value));
        QCOMPARE(buffer.data(), "window.x=" + document.toJson(QJsonDocument::Indented));
    }

    // Rows streamed into links.js give the bytes of the whole value
    // written at once.
    void streamedLinksFile_data()
    {
        QTest::addColumn<int>("form");
        QTest::addColumn<int>("rows");
        QTest::newRow("table of three") << int(LinksFileWriter::TableForm) << 3;
        QTest::newRow("empty table") << int(LinksFileWriter::TableForm) << 0;
        QTest::newRow("list of two") << int(LinksFileWriter::ListForm) << 2;
    }
    void streamedLinksFile()
    {
        QFETCH(int, form);
        QFETCH(int, rows);
        QTemporaryDir dir;
        const QString folder = dir.filePath("json");
        makeFile(folder, "links.js", QByteArray(8192, 'x'));
        QJsonArray links;
        {
            LinksFileWriter writer(folder, "links.js", "window.links_dict=", LinksFileWriter::Form(form));
            writer.setHeader(QString::fromUtf8("Title|\"Date\"|日付"));
            for (int i = 0; i < rows; ++i) {
                const QJsonObject row {{"id", i}, {"title", QString::fromUtf8("t\n\u2028%1 ✓").arg(i)},
                                       {"items", QJsonArray {QJsonObject {{"a", 1}}, QJsonArray()}},
                                       {"empty", QJsonObject()}};
                writer.addRow(row);
                links.append(row);
            }
            QVERIFY(writer.finish());
        }
        const QJsonValue whole = form == LinksFileWriter::TableForm
            ? QJsonValue(QJsonObject {{"header", QString::fromUtf8("Title|\"Date\"|日付")}, {"links", links}})
            : QJsonValue(links);
        const QByteArray expected = "window.links_dict="
            + (whole.isObject() ? QJsonDocument(whole.toObject()) : QJsonDocument(whole.toArray()))
                  .toJson(QJsonDocument::Indented);
        QCOMPARE(readBytes(folder + "/links.js"), expected);
    }

    // The light row type writes what Qt writes for the same object.
    void tableRowMatchesQt()
    {
        TableRow row;
        row.insert("title", QString::fromUtf8("q\" b\\ \t\n\r\f\b \x01\x1f\x7f / </script> 東京 \u2028 😀"));
        row.insert("id", 12);
        row.insert("appendix", QString());
        row.insert("local_path", QString("first"));
        row.insert("Zeta", QString("upper first"));
        row.insert("_under", qint64(-3));
        row.insert("local_path", QString("second"));
        const QJsonObject object = row.toJsonObject();
        QCOMPARE(object.size(), 6);
        QCOMPARE(object.value("local_path").toString(), QString("second"));
        QByteArray text;
        row.appendIndented(text, 0);
        QCOMPARE(text + '\n', QJsonDocument(object).toJson(QJsonDocument::Indented));
        QByteArray nested;
        row.appendIndented(nested, 2);
        QCOMPARE(nested, JsonDataFile::indentedValue(object, 2));
    }

    void emptyListWritesNoFile()
    {
        QTemporaryDir dir;
        LinksFileWriter writer(dir.filePath("json"), "links.js", "window.links_dict=", LinksFileWriter::ListForm);
        QVERIFY(writer.finish());
        QVERIFY(!QFile::exists(dir.filePath("json/links.js")));
    }

    void emptyValuesWriteNothing()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath("json");
        QVERIFY(!ExportPages::writeJsonObjectFile(folder, QJsonObject(), "links.js", "window.links_dict="));
        QVERIFY(!ExportPages::writeJsonArrayFile(folder, QJsonArray(), "links.js", "window.links_dict="));
        QVERIFY(!QFile::exists(folder + "/links.js"));
    }

    void olderLongerFileIsReplaced()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath("json");
        makeFile(folder, "links.js", QByteArray(4096, 'x'));
        QVERIFY(ExportPages::writeJsonArrayFile(folder, QJsonArray {1}, "links.js", "window.links_dict="));
        QCOMPARE(readBytes(folder + "/links.js"), QByteArray("window.links_dict=[\n    1\n]\n"));
    }

    void unwritableFolderFails()
    {
        QTemporaryDir dir;
        const QString blocker = makeFile(dir.path(), "blocker", "x");
        QVERIFY(!ExportPages::writeJsonArrayFile(blocker + "/json", QJsonArray {1}, "links.js", "p="));
        QVERIFY(!ExportPages::writeHeaderFile(blocker + "/json", "T", "T", 1, "links-common.js", "p=", "", ""));
    }
};

QTEST_GUILESS_MAIN(JsonDataFileTest)
#include "jsondatafile_test.moc"
