#include "formatutils.h"

#include <QFont>
#include <QFontMetrics>
#include <QtTest>

#include <limits>

class FormatUtilsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCOMPARE(qgetenv("TZ"), QByteArray("UTC"));
    }

    void formatFileSize_data()
    {
        QTest::addColumn<quint64>("size");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << quint64(0) << "0KB";
        QTest::newRow("one byte") << quint64(1) << "1B";
        QTest::newRow("below a kilobyte") << quint64(1023) << "1023B";
        QTest::newRow("one kilobyte") << quint64(1024) << "1KB";
        QTest::newRow("rounds to a whole") << quint64(1025) << "1KB";
        QTest::newRow("half") << quint64(1536) << "1.5KB";
        QTest::newRow("ten keeps its zero") << quint64(10 * 1024) << "10KB";
        QTest::newRow("one megabyte") << quint64(1048576) << "1MB";
        QTest::newRow("megabyte and a half") << quint64(1572864) << "1.5MB";
        QTest::newRow("terabyte") << (quint64(1) << 40) << "1TB";
        QTest::newRow("past the last unit") << (quint64(1) << 50) << "1024TB";
        QTest::newRow("largest") << std::numeric_limits<quint64>::max() << "16777216TB";
    }

    void formatFileSize()
    {
        QFETCH(quint64, size);
        QFETCH(QString, text);
        QCOMPARE(::formatFileSize(size, 1), text);
    }

    void formatTimestamp_data()
    {
        QTest::addColumn<qint64>("value");
        QTest::addColumn<bool>("keepFormat");
        QTest::addColumn<QString>("text");
        const qint64 min = std::numeric_limits<qint64>::min();
        const qint64 max = std::numeric_limits<qint64>::max();
        QTest::newRow("9 digits, seconds since 2001") << qint64(599529600) << false << "2020-01-01 00:00:00";
        QTest::newRow("10 digits, Unix seconds") << qint64(1577836800) << false << "2020-01-01 00:00:00";
        QTest::newRow("13 digits, milliseconds") << qint64(1577836800000) << false << "2020-01-01 00:00:00";
        QTest::newRow("16 digits, microseconds") << qint64(1577836801999999) << false << "2020-01-01 00:00:01";
        QTest::newRow("18 digits, nanoseconds since 2001") << qint64(599529600123456789) << false << "2020-01-01 00:00:00";
        QTest::newRow("12 digits are not a unit") << qint64(123456789012) << false << "123456789012";
        QTest::newRow("15 digits are not a unit") << qint64(999999999999999) << false << "999999999999999";
        QTest::newRow("zero") << qint64(0) << false << "0";
        QTest::newRow("just before 2001") << qint64(-1) << false << "2000-12-31";
        QTest::newRow("before 2001, kept format") << qint64(-1) << true << "2000-12-31 23:59:59";
        QTest::newRow("yearless birthday") << qint64(-12517000000) << false << "05-09";
        QTest::newRow("yearless birthday, kept format") << qint64(-12517000000) << true << "1604-05-09 07:33:20";
        QTest::newRow("before 1604") << qint64(-20000000000) << false << "1367-03-17";
        QTest::newRow("far negative beyond dates") << qint64(-8446744073709551616) << false << "-8446744073709551616";
        QTest::newRow("smallest") << min << false << QString::number(min);
        QTest::newRow("largest") << max << false << QString::number(max);
    }

    void formatTimestamp()
    {
        QFETCH(qint64, value);
        QFETCH(bool, keepFormat);
        QFETCH(QString, text);
        QCOMPARE(::formatTimestamp(value, keepFormat, "yyyy-MM-dd hh:mm:ss"), text);
    }

    void toUnixSeconds_data()
    {
        QTest::addColumn<qint64>("value");
        QTest::addColumn<qint64>("seconds");
        QTest::newRow("seconds since 2001") << qint64(599529600) << qint64(1577836800);
        QTest::newRow("Unix seconds") << qint64(1577836800) << qint64(1577836800);
        QTest::newRow("milliseconds") << qint64(1577836800999) << qint64(1577836800);
        QTest::newRow("microseconds") << qint64(1577836800999999) << qint64(1577836800);
        QTest::newRow("nanoseconds since 2001") << qint64(599529600999999999) << qint64(1577836800);
        QTest::newRow("before 2001") << qint64(-1) << qint64(978307199);
        QTest::newRow("before 1604") << qint64(-20000000000) << qint64(-20000000000 + 977659200);
        QTest::newRow("short value") << qint64(12345) << qint64(-978307200);
        QTest::newRow("15 digits") << qint64(999999999999999) << qint64(999999 - 978307200);
        QTest::newRow("smallest") << std::numeric_limits<qint64>::min()
                                  << qint64(std::numeric_limits<qint64>::min() / 1000000000 - 978307200);
    }

    void toUnixSeconds()
    {
        QFETCH(qint64, value);
        QFETCH(qint64, seconds);
        QCOMPARE(::toUnixSeconds(value), seconds);
    }

    void formatDuration_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0 << "00:00";
        QTest::newRow("under a minute") << 59 << "00:59";
        QTest::newRow("minutes and seconds") << 125 << "02:05";
        QTest::newRow("an hour") << 3600 << "60:00";
        QTest::newRow("three-digit minutes") << 6000 << "100:00";
    }

    void formatDuration()
    {
        QFETCH(int, seconds);
        QFETCH(QString, text);
        QCOMPARE(::formatDuration(seconds), text);
    }

    void compareVersion_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("order");
        QTest::newRow("same") << "1253.11.4.1" << "1253.11.4.1" << 0;
        QTest::newRow("longer is newer") << "1253.11.4.1" << "1253.11.4" << 1;
        QTest::newRow("numeric, not text") << "1253.9" << "1253.11" << -1;
        QTest::newRow("empty against zero") << "" << "0" << 0;
        QTest::newRow("trailing zero") << "12.0" << "12" << 0;
        QTest::newRow("letters read as zero") << "1.a" << "1.0" << 0;
        QTest::newRow("empty part kept") << "1..2" << "1.0.1" << 1;
    }

    void compareVersion()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, order);
        QCOMPARE(::compareVersion(a, b), order);
        QCOMPARE(::compareVersion(b, a), -order);
    }

    void highlightKeyword_data()
    {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("result");
        const QString open = "<font color=\"#558AF8\">";
        QTest::newRow("keeps each hit's case") << "ab" << "xABx abx"
                                               << "x" + open + "AB</font>x " + open + "ab</font>x";
        QTest::newRow("empty keyword") << "" << "text" << "text";
        QTest::newRow("empty text") << "ab" << "" << "";
        QTest::newRow("no hit") << "zz" << "text" << "text";
        QTest::newRow("not found in its own tags") << "font" << "font" << open + "font</font>";
        QTest::newRow("hits do not overlap") << "aa" << "aaa" << open + "aa</font>a";
    }

    void highlightKeyword()
    {
        QFETCH(QString, keyword);
        QFETCH(QString, text);
        QFETCH(QString, result);
        QCOMPARE(::highlightKeyword(keyword, text, "#558AF8"), result);
    }

    void highlightKeywordTakesThePatternLiterally()
    {
        QCOMPARE(::highlightKeyword(QRegExp("a.c"), "abc a.c", "red"), QString("abc <font color=\"red\">a.c</font>"));
    }

    void escapeHtmlOnlyAngles()
    {
        QString text = "<b>&\"x\"</b>";
        QCOMPARE(escapeHtml(text), QString("&lt;b&gt;&\"x\"&lt;/b&gt;"));
        QCOMPARE(text, QString("&lt;b&gt;&\"x\"&lt;/b&gt;"));
    }

    void wrapTextToWidth_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("plainBreaks");
        QTest::newRow("latin, newlines") << QString("the quick brown fox jumps over the lazy dog") << true;
        QTest::newRow("latin, html breaks") << QString("the quick brown fox jumps over the lazy dog") << false;
        QTest::newRow("surrogate pairs") << QStringLiteral("a😀b😀c😀d😀e😀f😀g😀h😀") << true;
    }

    void wrapTextToWidth()
    {
        QFETCH(QString, text);
        QFETCH(bool, plainBreaks);
        const QFont font;
        const QString separator = plainBreaks ? "\n" : "<br/>";
        const QString wrapped = ::wrapTextToWidth(text, font, QFontMetrics(font).horizontalAdvance("abc"), plainBreaks);
        QVERIFY(wrapped.contains(separator));
        QCOMPARE(QString(wrapped).remove(separator), text);
        const QStringList lines = wrapped.split(separator);
        for (const QString &line : lines.mid(0, lines.size() - 1)) {
            QVERIFY(!line.isEmpty());
            QVERIFY2(!line.front().isLowSurrogate() && !line.back().isHighSurrogate(), qPrintable(line));
        }
        QCOMPARE(::wrapTextToWidth("ab", font, 10000, plainBreaks), QString("ab"));
    }

    void randomNumberStaysInRange()
    {
        QCOMPARE(randomNumber(0), 0);
        QCOMPARE(randomNumber(-5), 0);
        QCOMPARE(randomNumber(1), 0);
        const int value = randomNumber(10);
        QVERIFY(value >= 0 && value < 10);
    }

    void textPredicates()
    {
        QVERIFY(endsWithAny("photo.JPG", {".png", ".jpg"}, Qt::CaseInsensitive));
        QVERIFY(!endsWithAny("photo.JPG", {".png", ".jpg"}, Qt::CaseSensitive));
        QVERIFY(!endsWithAny("photo.jpg", {}, Qt::CaseInsensitive));
        QVERIFY(isHttpUrl("HTTPS://x"));
        QVERIFY(!isHttpUrl("ftp://x"));
        QVERIFY(isDriveAbsolutePath("D:/x"));
        QVERIFY(isDriveAbsolutePath("D:\\"));
        QVERIFY(!isDriveAbsolutePath("D:"));
        QVERIFY(!isDriveAbsolutePath("/home/x"));
        QCOMPARE(percentDecode("a%20b%C3%A9%"), QStringLiteral("a bé%"));
        QCOMPARE(translateText("NoContext", "Recover"), QString("Recover"));
        QCOMPARE(utcTextToLocalText("2020-01-01T10:20:30.000Z"), QString("2020/01/01 10:20:30"));
        QCOMPARE(utcTextToLocalText("not a time"), QString());
    }

    void numberTexts()
    {
        QCOMPARE(toBinaryText8(5), QString("00000101"));
        QCOMPARE(toBinaryText8(511), QString("111111111"));
        QCOMPARE(toBinaryText16(5), QString("0000000000000101"));
        QCOMPARE(toHexByteText(10), QString("0a"));
        QCOMPARE(toHexByteText(255), QString("ff"));
        QCOMPARE(hexToBinaryText("1FF"), QString("11111111"));
        QCOMPARE(parseIntBase2("101"), 5);
        QCOMPARE(parseIntBase10("x"), 0);
        QCOMPARE(parseIntBase16("ff"), 255);
        QCOMPARE(hexDumpText(QByteArray("\x0a\x1b\xff", 3)), QString("0A 1B FF"));
        QCOMPARE(spacedHexText("0a1bf"), QString("0a 1b f"));
        QCOMPARE(hexDigitChar(9), '9');
        QCOMPARE(hexDigitChar(15), 'F');
        QCOMPARE(prependChar("bc", 'a'), QString("abc"));
        QString sql = "it's";
        QCOMPARE(escapeSqlQuotes(sql), QString("it''s"));
    }

    void extractUrls()
    {
        const QString text = "see http://a.com/x and https://b.org, then http://a.com/x";
        QCOMPARE(::extractUrls(text, true), QStringList({"http://a.com/x", "https://b.org", "http://a.com/x"}));
        QStringList distinct = ::extractUrls(text, false);
        distinct.sort();
        QCOMPARE(distinct, QStringList({"http://a.com/x", "https://b.org"}));
        QVERIFY(::extractUrls("no address here", true).isEmpty());
    }

    void maskedTailText()
    {
        const QString bullets(3, QChar(0x2022));
        QCOMPARE(::maskedTailText("[\"" + bullets + "abc12\"]"), QString("**12"));
        QCOMPARE(::maskedTailText("[\"" + bullets + "ab"), QString("****"));
        QCOMPARE(::maskedTailText("nothing"), QString("****"));
    }

    void isCjkUtf8Char_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("cjk");
        QTest::newRow("ideograph") << QByteArray("中") << 3 << true;
        QTest::newRow("first of the range") << QByteArray("\xe4\xb8\x80") << 3 << true;
        QTest::newRow("past the range") << QByteArray("\xe9\xbe\xb6") << 3 << false;
        QTest::newRow("cut short") << QByteArray("中") << 2 << false;
        QTest::newRow("bad continuation") << QByteArray("\xe4\x41\x80") << 3 << false;
        QTest::newRow("latin") << QByteArray("abc") << 3 << false;
        QTest::newRow("empty") << QByteArray() << 0 << false;
    }

    void isCjkUtf8Char()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, size);
        QFETCH(bool, cjk);
        // An exact-size copy lets the sanitizers see a read past the end.
        QByteArray exact = bytes.left(size);
        QCOMPARE(::isCjkUtf8Char(size ? exact.data() : nullptr, size), cjk);
    }

    void decimalDigits_data()
    {
        QTest::addColumn<quint64>("value");
        QTest::addColumn<QString>("digits");
        QTest::newRow("zero") << quint64(0) << "0";
        QTest::newRow("nine") << quint64(9) << "9";
        QTest::newRow("ten") << quint64(10) << "10";
        QTest::newRow("odd count") << quint64(12345) << "12345";
        QTest::newRow("fifteen nines") << quint64(999999999999999) << "999999999999999";
        QTest::newRow("sixteen digits") << quint64(1000000000000000) << "1000000000000000";
        QTest::newRow("nineteen nines") << quint64(9999999999999999999ULL) << "9999999999999999999";
        QTest::newRow("twenty digits") << quint64(10000000000000000000ULL) << "10000000000000000000";
        QTest::newRow("largest") << std::numeric_limits<quint64>::max() << "18446744073709551615";
    }

    void decimalDigits()
    {
        QFETCH(quint64, value);
        QFETCH(QString, digits);
        QCOMPARE(decimalDigitCount(value), digits.size());
        char buffer[24] = {};
        QCOMPARE(writeDecimalDigits(value, buffer, sizeof buffer), digits.size());
        QCOMPARE(QString::fromLatin1(buffer), digits);
        char small[2] = {'-', '-'};
        if (digits.size() > 2) {
            QCOMPARE(writeDecimalDigits(value, small, 2), 0);
            QCOMPARE(small[0], '-');
        }
    }
};

QTEST_MAIN(FormatUtilsTest)
#include "formatutils_test.moc"
