#include "encodingutils.h"

#include <QtTest>

#include <cstdlib>
#include <cstring>
#include <cwchar>

class EncodingUtilsTest : public QObject
{
    Q_OBJECT

private slots:
    void decodesEitherEncoding_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("utf8First");
        QTest::addColumn<QString>("gbkFirst");
        const QString nihao = QString::fromUtf8("你好");
        QTest::newRow("GBK bytes") << QByteArray("\xC4\xE3\xBA\xC3") << nihao << nihao;
        // These six bytes are valid GBK too, so GBK first reads them as GBK.
        QTest::newRow("UTF-8 bytes") << QByteArray("\xE4\xBD\xA0\xE5\xA5\xBD") << nihao
                                     << QString::fromUtf8("\xE6\xB5\xA3\xE7\x8A\xB2\xE3\x82\xBD");
        // "你1": GBK reads 0xA0 as a lead byte, and "1" cannot follow one.
        QTest::newRow("UTF-8 bytes that are not GBK") << QByteArray("\xE4\xBD\xA0" "1") << QString::fromUtf8("你1")
                                                      << QString::fromUtf8("你1");
        QTest::newRow("ASCII") << QByteArray("plain") << "plain" << "plain";
        QTest::newRow("empty") << QByteArray() << QString() << QString();
    }

    void decodesEitherEncoding()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, utf8First);
        QFETCH(QString, gbkFirst);
        QCOMPARE(decodeUtf8OrGbk(bytes), utf8First);
        QCOMPARE(decodeGbkOrUtf8(bytes), gbkFirst);
    }

    void wideTextHoldsOneUnitPerCodePoint()
    {
        const std::string utf8 = "a\xF0\x9F\x98\x80\xC3\xA9"; // a 😀 é
        const std::wstring wide = utf8ToWideString(utf8);
        QCOMPARE(wide.size(), size_t(3));
        QCOMPARE(wide[1], wchar_t(0x1F600));
        QCOMPARE(wideToUtf8String(wide), utf8);
        // The locale is UTF-8 here, so "ANSI" is UTF-8 too.
        QCOMPARE(ansiToWideString(utf8), wide);
        QCOMPARE(wideToAnsiString(wide), utf8);
        QCOMPARE(ansiToUtf8String(utf8), utf8);
        QCOMPARE(utf8ToAnsiString(utf8), utf8);
    }

    void allocatedFormsAreTerminatedAndFreed()
    {
        wchar_t *wide = utf8ToWide("a\xC3\xA9");
        QVERIFY(wide);
        QCOMPARE(std::wcslen(wide), size_t(2));
        char *back = wideToUtf8(wide);
        QCOMPARE(QByteArray(back), QByteArray("a\xC3\xA9"));
        char *ansi = wideToAnsi(wide);
        QCOMPARE(QByteArray(ansi), QByteArray("a\xC3\xA9"));
        wchar_t *fromAnsi = ansiToWide(ansi);
        QCOMPARE(std::wcscmp(fromAnsi, wide), 0);
        char *utf8 = ansiToUtf8(ansi);
        char *ansi2 = utf8ToAnsi(utf8);
        QCOMPARE(QByteArray(ansi2), QByteArray(ansi));
        for (void *buffer : {static_cast<void *>(wide), static_cast<void *>(back), static_cast<void *>(ansi),
                             static_cast<void *>(fromAnsi), static_cast<void *>(utf8), static_cast<void *>(ansi2)})
            std::free(buffer);
    }

    void nullInputGivesNull()
    {
        QVERIFY(!utf8ToWide(nullptr));
        QVERIFY(!wideToUtf8(nullptr));
        QVERIFY(!ansiToWide(nullptr));
        QVERIFY(!wideToAnsi(nullptr));
        QVERIFY(!ansiToUtf8(nullptr));
        QVERIFY(!utf8ToAnsi(nullptr));
        wchar_t wide[4];
        char narrow[4];
        QVERIFY(!utf8ToWideBuffer(nullptr, wide, 4));
        QVERIFY(!ansiToWideBuffer(nullptr, wide, 4));
        QVERIFY(!wideToAnsiBuffer(nullptr, narrow, 4));
    }

    void invalidUtf8IsRefused()
    {
        QVERIFY(!utf8ToWide("\xC3"));
        QVERIFY(utf8ToWideString("\xFF\xFE").empty());
    }

    // The buffer forms never write past the length they are given.
    void buffersHoldOnlyWhatFits_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("fits");
        QTest::newRow("exactly, terminator included") << 4 << true;
        QTest::newRow("one short") << 3 << false;
        QTest::newRow("zero") << 0 << false;
    }

    void buffersHoldOnlyWhatFits()
    {
        QFETCH(int, length);
        QFETCH(bool, fits);
        wchar_t wide[8];
        std::wmemset(wide, L'#', 8);
        QCOMPARE(utf8ToWideBuffer("a\xC3\xA9z", wide, length), fits); // three code points
        for (int i = length; i < 8; ++i)
            QCOMPARE(wide[i], L'#');
        if (fits)
            QCOMPARE(std::wcscmp(wide, L"a\u00E9z"), 0);

        wchar_t ansiWide[8];
        std::wmemset(ansiWide, L'#', 8);
        QCOMPARE(ansiToWideBuffer("abc", ansiWide, length), fits);
        for (int i = length; i < 8; ++i)
            QCOMPARE(ansiWide[i], L'#');

        char narrow[8];
        std::memset(narrow, '#', 8);
        QCOMPARE(wideToAnsiBuffer(L"abc", narrow, length), fits);
        for (int i = length; i < 8; ++i)
            QCOMPARE(narrow[i], '#');
    }

    void trimsBlanks_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("trailing");
        QTest::addColumn<QByteArray>("trimmed");
        QTest::addColumn<bool>("result");
        QTest::newRow("leading only") << QByteArray("  a b  ") << false << QByteArray("a b  ") << true;
        QTest::newRow("both ends") << QByteArray("  a b  ") << true << QByteArray("a b") << true;
        QTest::newRow("only blanks") << QByteArray("   ") << true << QByteArray("") << true;
        QTest::newRow("tabs stay") << QByteArray("\ta\t") << true << QByteArray("\ta\t") << true;
        QTest::newRow("empty") << QByteArray("") << true << QByteArray("") << false;
    }

    void trimsBlanks()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, trailing);
        QFETCH(QByteArray, trimmed);
        QFETCH(bool, result);
        std::string value = text.toStdString();
        QCOMPARE(trimBlanks(value, trailing), result);
        QCOMPARE(QByteArray::fromStdString(value), trimmed);
    }
};

QTEST_GUILESS_MAIN(EncodingUtilsTest)
#include "encodingutils_test.moc"
