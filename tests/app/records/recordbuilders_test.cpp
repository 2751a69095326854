// Media kinds, thumbnails, engine text and the display orders the end of a
// category sorts with.

#include "recordbuilders.h"
#include "recordorder.h"
#include "smsmessagelist.h"

#include <formatutils.h>

#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <ctime>

using namespace DeviceData;

namespace {

QVariant media(const QString &name, const QString &suffix, qint64 time, bool deleted = false)
{
    MediaInfo m;
    m.name = name;
    m.suffix = suffix;
    m.time = time;
    m.deleted = deleted;
    return QVariant::fromValue(m);
}

QVariant contact(const QString &sortName, qint64 time, bool deleted = false)
{
    ContactInfo c;
    c.sortName = sortName;
    c.time = time;
    c.deleted = deleted;
    return QVariant::fromValue(c);
}

template <typename T>
QStringList namesOf(const QList<QVariant> &list, QString T::*field)
{
    QStringList out;
    for (const QVariant &v : list)
        out << v.value<T>().*field;
    return out;
}

} // namespace

class RecordBuildersTest : public QObject
{
    Q_OBJECT

private slots:
    void mediaKinds_data();
    void mediaKinds();
    void copyThumbnail();
    void wideText();
    void escapedUtf8_data();
    void escapedUtf8();
    void dayTextsAcrossOffsetChanges();
    void durations();
    void mediaOrder();
    void contactOrder();
    void flaggedThenLargerKey();
    void eventsByStartRemindersByDue();
};

void RecordBuildersTest::mediaKinds_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("kind");
    QTest::newRow("upper-case jpg") << "Photo.JPG" << int(ImageKind);
    QTest::newRow("m4a") << "Song.M4A" << int(AudioKind);
    QTest::newRow("tar.gz") << "report.tar.gz" << int(ArchiveKind);
    QTest::newRow("no extension") << "README" << int(OtherKind);
    QTest::newRow("xlsm") << "sheet.xlsm" << int(SpreadsheetKind);
    QTest::newRow("letters without a dot") << "axlt" << int(SpreadsheetKind);
    QTest::newRow("heic") << "IMG_1.HEIC" << int(ImageKind);
    QTest::newRow("mov") << "clip.MOV" << int(VideoKind);
    QTest::newRow("pdf") << "menu.pdf" << int(PdfKind);
    QTest::newRow("text") << "notes.txt" << int(TextKind);
    QTest::newRow("word") << "letter.docx" << int(WordKind);
    QTest::newRow("slides") << "deck.key.pptx" << int(PresentationKind);
}

void RecordBuildersTest::mediaKinds()
{
    QFETCH(QString, name);
    QFETCH(int, kind);
    QCOMPARE(RecordBuilders::mediaKindOf(name), kind);
}

void RecordBuildersTest::copyThumbnail()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath("a/b");
    QCOMPARE(RecordBuilders::copyThumbnail(QString(), folder, "/x/IMG_7.tar.mov"), folder + "/IMG_7.jpg");
    QVERIFY(QFileInfo(folder).isDir());
    QVERIFY(!QFile::exists(folder + "/IMG_7.jpg"));

    QFile source(dir.filePath("still.jpg"));
    QVERIFY(source.open(QIODevice::WriteOnly));
    source.write("still");
    source.close();
    const QString target = RecordBuilders::copyThumbnail(source.fileName(), folder, "clip.mp4");
    QFile copy(target);
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), QByteArray("still"));
}

void RecordBuildersTest::wideText()
{
    QCOMPARE(RecordBuilders::fromWide(L"Zoë 😀 中"), QStringLiteral("Zoë 😀 中"));
    QCOMPARE(RecordBuilders::fromWide(std::wstring(1, wchar_t(0x110000))), QString(QChar(QChar::ReplacementCharacter)));
    QVERIFY(RecordBuilders::fromWide(L"").isNull());
    QCOMPARE(RecordBuilders::withoutWhitespace(" +1 555\t0100\n"), QStringLiteral("+15550100"));
    QVERIFY(RecordBuilders::isSmsService(L"SMS") && !RecordBuilders::isSmsService(L"sms"));
    QCOMPARE(RecordBuilders::dayTextOf(1700000000), QStringLiteral("2023-11-14"));
}

// The message list takes texts as UTF-8 made straight from the engine's
// text: they must read back as the UTF-16 way gives them, or be refused.
void RecordBuildersTest::escapedUtf8_data()
{
    QTest::addColumn<QVector<uint>>("codes");
    QTest::addColumn<bool>("written");
    const auto codes = [](const QString &text) {
        QVector<uint> all;
        for (uint code : text.toUcs4())
            all << code;
        return all;
    };
    QTest::newRow("empty") << QVector<uint>() << true;
    QTest::newRow("seven") << codes("abcdefg") << true;
    QTest::newRow("eight") << codes("abcdefgh") << true;
    QTest::newRow("nine") << codes("abcdefghi") << true;
    QTest::newRow("angles in a block") << codes("ab<cdefg>hijklmn<") << true;
    QTest::newRow("angle first and eighth") << codes("<bcdefg>ijklmnop") << true;
    QTest::newRow("other punctuation") << codes("=?:;&\"'&lt;") << true;
    QTest::newRow("edges of ASCII") << QVector<uint>({'a', 0x7f, 0x80, 'b', 'c', 'd', 'e', 'f', 'g', 'h'}) << true;
    QTest::newRow("two and three bytes after a block") << codes("abcdefghé中xyz") << true;
    QTest::newRow("four bytes") << codes("message 😀 and 👍🏽 end") << true;
    QTest::newRow("beyond Unicode") << QVector<uint>({'a', 'b', 'c', 'd', 0x110000, 'e', 'f', 'g', 'h'}) << true;
    QTest::newRow("negative wchar_t") << QVector<uint>({'a', 'b', 'c', 'd', 'e', 'f', 'g', 0xffffffff, 'i'}) << true;
    QTest::newRow("noncharacters") << QVector<uint>({0xfffe, 0xffff, 0x10ffff}) << true;
    QTest::newRow("nul inside") << QVector<uint>({'a', 0, 'b'}) << true;
    QTest::newRow("byte order mark later") << QVector<uint>({'a', 0xfeff}) << true;
    QTest::newRow("byte order mark first") << QVector<uint>({0xfeff, 'a'}) << false;
    QTest::newRow("surrogate code") << QVector<uint>({'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h', 0xd800}) << false;
}

void RecordBuildersTest::escapedUtf8()
{
    QFETCH(QVector<uint>, codes);
    QFETCH(bool, written);
    std::wstring text;
    for (uint code : codes)
        text.push_back(wchar_t(code));
    QByteArray utf8 = "left over";
    QCOMPARE(RecordBuilders::escapedUtf8(text, utf8), written);
    if (!written)
        return;
    QString expected = RecordBuilders::fromWide(text);
    escapeHtml(expected);
    QCOMPARE(QString::fromUtf8(utf8.constData(), utf8.size()), expected);
    SmsMessageList list;
    list.appendUtf8(SMSInfo(), utf8.constData(), utf8.size());
    QCOMPARE(list.at(0).text, expected);
}

// Days are answered from the last one asked: around every change of a zone's
// offset, at midnight too, each time still reads as the C library's local
// time.
void RecordBuildersTest::dayTextsAcrossOffsetChanges()
{
    const QByteArray zoneBefore = qgetenv("TZ");
    const QList<QPair<QByteArray, QList<qint64>>> zones = {
        {"America/Sao_Paulo", {1541300400, 1550368800}}, // into and out of summer time at midnight
        {"Europe/Berlin", {1679792400, 1698541200}},
        {"Australia/Lord_Howe", {1680361200, 1696087800}}, // half an hour
    };
    QStringList wrong;
    for (const auto &zone : zones) {
        qputenv("TZ", zone.first);
        tzset();
        // A thread of its own: none of the days it keeps is from another zone.
        QThread *worker = QThread::create([&] {
            for (qint64 change : zone.second) {
                QList<qint64> times;
                for (qint64 t = change - 2 * 86400; t <= change + 2 * 86400; t += 433)
                    times << t;
                for (int pass = 0; pass < 2; ++pass) {
                    for (qint64 t : times) {
                        const time_t seconds = time_t(t);
                        struct tm local = {};
                        localtime_r(&seconds, &local);
                        char day[16];
                        char time[32];
                        strftime(day, sizeof day, "%Y-%m-%d", &local);
                        strftime(time, sizeof time, "%Y-%m-%d %H:%M:%S", &local);
                        if (RecordBuilders::dayTextOf(t) != QLatin1String(day)
                            || RecordBuilders::dateTimeTextOf(t) != QLatin1String(time))
                            wrong << QStringLiteral("%1 %2").arg(QString::fromLatin1(zone.first)).arg(t);
                    }
                    std::reverse(times.begin(), times.end());
                }
            }
        });
        worker->start();
        worker->wait();
        delete worker;
    }
    qputenv("TZ", zoneBefore);
    tzset();
    QCOMPARE(wrong, QStringList());
}

void RecordBuildersTest::durations()
{
    QCOMPARE(RecordBuilders::durationTextOf(0), QStringLiteral("00:00:00"));
    QCOMPARE(RecordBuilders::durationTextOf(-5), QStringLiteral("00:00:00"));
    QCOMPARE(RecordBuilders::durationTextOf(59), QStringLiteral("00:00:59"));
    QCOMPARE(RecordBuilders::durationTextOf(90061), QStringLiteral("25:01:01")); // past a day still counts hours
}

void RecordBuildersTest::mediaOrder()
{
    QList<QVariant> list = {media("heic new", "heic", 300), media("jpg old", "jpg", 100), media("heif old", "HEIF", 50),
                            media("jpg new", "JPG", 200), media("jpg deleted", "jpg", 10, true)};
    std::stable_sort(list.begin(), list.end(), RecordOrder::mediaBefore);
    QCOMPARE(namesOf(list, &MediaInfo::name),
             QStringList({"jpg deleted", "jpg new", "jpg old", "heif old", "heic new"}));
}

void RecordBuildersTest::contactOrder()
{
    QList<QVariant> list = {contact("item 10", 1), contact("Item 9", 2), contact("gone old", 5, true),
                            contact("alpha", 3), contact("gone new", 9, true)};
    const QCollator collator = RecordOrder::nameCollator();
    std::stable_sort(list.begin(), list.end(),
                     [&collator](const QVariant &a, const QVariant &b) { return RecordOrder::contactBefore(collator, a, b); });
    QCOMPARE(namesOf(list, &ContactInfo::sortName), QStringList({"gone new", "gone old", "alpha", "Item 9", "item 10"}));
}

void RecordBuildersTest::flaggedThenLargerKey()
{
    DocumentInfo small, large, gone;
    small.size = 1;
    large.size = 1000;
    gone.deleted = true;
    QVERIFY(RecordOrder::documentBefore(QVariant::fromValue(large), QVariant::fromValue(small)));
    QVERIFY(RecordOrder::documentBefore(QVariant::fromValue(gone), QVariant::fromValue(large)));
    QVERIFY(!RecordOrder::documentBefore(QVariant::fromValue(small), QVariant::fromValue(small)));
    // A value of another type reads as a default record.
    QVERIFY(RecordOrder::documentBefore(QVariant::fromValue(small), QVariant(QStringLiteral("x"))));
}

void RecordBuildersTest::eventsByStartRemindersByDue()
{
    // One item starts first and ends last, the other the other way round:
    // only the key tells which comes first.
    CalenderReminderInfo early, late;
    early.start = 100;
    early.end = 900;
    late.start = 200;
    late.end = 300;
    const QVariant a = QVariant::fromValue(early), b = QVariant::fromValue(late);
    // Events: the later start first.
    QVERIFY(RecordOrder::eventBefore(b, a));
    QVERIFY(!RecordOrder::eventBefore(a, b));
    // Reminders: the later due date (their end) first.
    QVERIFY(RecordOrder::reminderBefore(a, b));
    QVERIFY(!RecordOrder::reminderBefore(b, a));
}

QTEST_GUILESS_MAIN(RecordBuildersTest)
#include "recordbuilders_test.moc"
