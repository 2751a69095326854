#include "hostileplists.h"
#include "toolsplist.h"
#include "widgetkit.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cstdlib>

namespace
{
    struct Country
    {
        const char *code;
        const char *prefix;
        const char *english;
    };

    // A root array of dictionaries; a null code leaves the key out.
    plist_t countryArray(const QList<Country> &countries)
    {
        plist_t root = plist_new_array();
        for (const Country &country : countries) {
            plist_t dict = plist_new_dict();
            if (country.code)
                plist_dict_set_item(dict, "CountryCode", plist_new_string(country.code));
            plist_dict_set_item(dict, "CountryNumberPre", plist_new_string(country.prefix));
            plist_dict_set_item(dict, "EN_Name", plist_new_string(country.english));
            plist_dict_set_item(dict, "LOCAL_Name", plist_new_string(country.english));
            plist_dict_set_item(dict, "ZN_Name", plist_new_string("\xe5\x9b\xbd"));
            plist_array_append_item(root, dict);
        }
        return root;
    }

    QByteArray encode(plist_t root, const QString &form)
    {
        char *data = nullptr;
        uint32_t length = 0;
        if (form == QLatin1String("binary"))
            plist_to_bin(root, &data, &length);
        else
            plist_to_xml(root, &data, &length);
        QByteArray bytes(data, int(length));
        std::free(data);
        plist_free(root);
        if (form == QLatin1String("xml-bom"))
            bytes.prepend("\xEF\xBB\xBF");
        return bytes;
    }

    const QList<Country> kThree {{"CN", "86", "China"}, {nullptr, "1", "Nowhere"}, {"JP", "81", "Japan"}};
}

class ToolsPlistTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(bytes);
        return path;
    }

private slots:
    void initTestCase()
    {
        initWidgetKit();
        QVERIFY(m_dir.isValid());
    }

    void readsEveryForm_data()
    {
        QTest::addColumn<QString>("form");
        QTest::newRow("binary") << "binary";
        QTest::newRow("XML") << "xml";
        QTest::newRow("XML with a byte-order mark") << "xml-bom";
    }

    void readsEveryForm()
    {
        QFETCH(QString, form);
        ToolsPlist tools(write(form, encode(countryArray(kThree), form)));
        const QMultiMap<QString, CountryInfo> table = tools.countryTable();
        QCOMPARE(table.size(), 2); // the one without a code is left out
        QCOMPARE(table.keys(), (QStringList {QStringLiteral("CN"), QStringLiteral("JP")}));
        const CountryInfo china = table.value(QStringLiteral("CN"));
        QCOMPARE(china.CountryCode, QStringLiteral("CN"));
        QCOMPARE(china.CountryNumberPre, QStringLiteral("86"));
        QCOMPARE(china.EN_Name, QStringLiteral("China"));
        QCOMPARE(china.LOCAL_Name, QStringLiteral("China"));
        QCOMPARE(china.ZN_Name, QString::fromUtf8("\xe5\x9b\xbd"));

        plist_t root = nullptr;
        QVERIFY(tools.readPlist(&root));
        QVERIFY(root);
        QCOMPARE(plist_array_get_size(root), 3u);
        plist_free(root);
    }

    void aRepeatedCodeKeepsBoth()
    {
        ToolsPlist tools(write("twice.plist", encode(countryArray({{"GB", "44", "United Kingdom"}, {"GB", "44", "Britain"}}), "xml")));
        const QList<CountryInfo> both = tools.countryTable().values(QStringLiteral("GB"));
        QCOMPARE(both.size(), 2);
        QCOMPARE(both.at(0).EN_Name, QStringLiteral("Britain")); // the later one first
        QCOMPARE(both.at(1).EN_Name, QStringLiteral("United Kingdom"));
    }

    void givesNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        plist_t dictRoot = plist_new_dict();
        plist_dict_set_item(dictRoot, "CountryCode", plist_new_string("CN"));
        plist_t stringItems = plist_new_array();
        plist_array_append_item(stringItems, plist_new_string("CN"));
        QTest::newRow("3 bytes") << QByteArray("<?x");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not a property list") << QByteArray("this is no property list at all");
        QTest::newRow("a byte-order mark alone") << QByteArray("\xEF\xBB\xBF\n");
        QTest::newRow("root is a dictionary") << encode(dictRoot, "xml");
        QTest::newRow("items are not dictionaries") << encode(stringItems, "binary");
        // FF FF FF is no byte-order mark: the XML after it does not parse.
        QTest::newRow("FF FF FF before XML") << encode(countryArray(kThree), "xml").prepend("\xFF\xFF\xFF");
        // libplist would copy these references a billion times, or recurse past its stack.
        QTest::newRow("references copied a billion times")
            << QByteArray::fromStdString(testsupport::sharedArraysPlist(30));
        QTest::newRow("nested past any stack") << QByteArray::fromStdString(testsupport::nestedArraysPlist(200000, true));
    }

    void givesNothing()
    {
        QFETCH(QByteArray, bytes);
        ToolsPlist tools(write("bad.plist", bytes));
        QVERIFY(tools.countryTable().isEmpty());
    }

    // libplist aborts the program when such a text is read with plist_get_string_val.
    void aTextWithANulInsideIsReadUpToIt()
    {
        const char xml[] = "<plist><array><dict><key>CountryCode</key><string>CN</string>"
                           "<key>EN_Name</key><string>China\0 and more</string></dict></array></plist>";
        ToolsPlist tools(write("nul.plist", QByteArray(xml, sizeof xml - 1)));
        const QMultiMap<QString, CountryInfo> table = tools.countryTable();
        QCOMPARE(table.size(), 1);
        QCOMPARE(table.value(QStringLiteral("CN")).EN_Name, QStringLiteral("China"));
    }

    void aMissingFile()
    {
        ToolsPlist tools(m_dir.filePath("none.plist"));
        plist_t root = reinterpret_cast<plist_t>(0x1);
        QVERIFY(!tools.readPlist(&root));
        QVERIFY(!root);
        QVERIFY(tools.countryTable().isEmpty());
        QVERIFY(!tools.readPlist(nullptr));
    }

    void aValueThatIsNoStringStaysEmpty()
    {
        plist_t root = plist_new_array();
        plist_t dict = plist_new_dict();
        plist_dict_set_item(dict, "CountryCode", plist_new_string("DE"));
        plist_dict_set_item(dict, "CountryNumberPre", plist_new_uint(49));
        plist_array_append_item(root, dict);
        ToolsPlist tools(write("number.plist", encode(root, "binary")));
        const CountryInfo germany = tools.countryTable().value(QStringLiteral("DE"));
        QCOMPARE(germany.CountryCode, QStringLiteral("DE"));
        QVERIFY(germany.CountryNumberPre.isEmpty());
        QVERIFY(germany.EN_Name.isEmpty());
    }
};

QTEST_MAIN(ToolsPlistTest)
#include "toolsplist_test.moc"
