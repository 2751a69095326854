#include "devicedata.h"
#include "exportpages.h"
#include "exporttestsupport.h"

#include <QJsonDocument>
#include <QTemporaryDir>
#include <QtTest>

class ExportPagesTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        ExportPages::resetAttachmentNames();
    }

    void categoryKeys_data()
    {
        QTest::addColumn<int>("category");
        QTest::addColumn<QString>("key");
        QTest::newRow("contacts") << 1 << "contacts";
        QTest::newRow("voicemails") << 4 << "voiceMail";
        QTest::newRow("voice memos") << 8 << "voiceMemo";
        QTest::newRow("safari history") << 256 << "safariBrowserRecords";
        QTest::newRow("notes") << 512 << "memorandum";
        QTest::newRow("call history") << 1024 << "callRecords";
        QTest::newRow("reminders") << 4096 << "eventReminder";
        QTest::newRow("photos") << 16 << "";
        QTest::newRow("two bits together") << (1 | 1024) << "";
    }
    void categoryKeys()
    {
        QFETCH(int, category);
        QFETCH(QString, key);
        QCOMPARE(ExportPages::categoryKey(category), key);
    }

    void headerFile_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("category");
        QTest::addColumn<QString>("golden");
        QTest::newRow("escapes and CJK") << QString::fromUtf8("a\"b\\c\td\ne 通话记录") << 16
                                         << "json/links-common-escapes.js";
    }
    void headerFile()
    {
        QFETCH(QString, title);
        QFETCH(int, category);
        QFETCH(QString, golden);
        const QString folder = m_dir.filePath("json");
        QVERIFY(ExportPages::writeHeaderFile(folder, title, title, category, "links-common.js",
                                             "window.links_common=", "", ""));
        COMPARE_GOLDEN(folder + "/links-common.js", golden);
    }

    void tablePageAndFavicon()
    {
        const QString folder = m_dir.filePath("Calls");
        QDir().mkpath(folder);
        QVERIFY(ExportPages::writeHtmlPage(folder, QString::fromUtf8("通话记录"), DeviceData::CallHistory, ""));
        const QByteArray page = readBytes(folder + QString::fromUtf8("/通话记录.html"));
        QVERIFY(page.startsWith("<!DOCTYPE html>"));
        QVERIFY(page.contains("<meta charset=\"utf-8\">"));
        QVERIFY(page.contains("<script src=\"./json/links.js\"></script>"));
        QVERIFY(page.contains("<script src=\"./json/links-common.js\"></script>"));
        QVERIFY(readBytes(folder + "/favicon.ico").startsWith(QByteArray("\0\0\1\0", 4)));
    }

    void categoryWithoutPageStillGetsFavicon()
    {
        const QString folder = m_dir.filePath("Photos");
        QDir().mkpath(folder);
        QVERIFY(ExportPages::writeHtmlPage(folder, "Photos", DeviceData::Photos, ""));
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList {"favicon.ico"});
    }

    // Same-named files must not share one place: each gets its own name,
    // by the copy queue's "(n)" rule, also against files already there.
    void attachmentNamesAreUnique()
    {
        RecordingSink sink;
        const QString folder = m_dir.filePath("Notes");
        const QString a = makeFile(m_dir.filePath("src/a"), "IMG.jpg", "one");
        const QString b = makeFile(m_dir.filePath("src/b"), "img.JPG", "two");
        makeFile(folder + "/resource/Attachment", "IMG(1).jpg", "was there");

        QJsonObject first, second, third;
        QVERIFY(ExportPages::addAttachment(folder, a, first, ""));
        QVERIFY(ExportPages::addAttachment(folder, b, second, "IMG.jpg"));
        QVERIFY(ExportPages::addAttachment(folder, b, third, "IMG.jpg"));
        QCOMPARE(first.value("local_path").toString(), QString("resource/Attachment/IMG.jpg"));
        QCOMPARE(second.value("local_path").toString(), QString("resource/Attachment/IMG(2).jpg"));
        QCOMPARE(third.value("local_path").toString(), QString("resource/Attachment/IMG(3).jpg"));
        QCOMPARE(sink.copies.size(), 3);
        QCOMPARE(sink.copies.at(1), qMakePair(b, folder + "/resource/Attachment/IMG(2).jpg"));
    }

    void attachmentNameIsMadeSafe()
    {
        RecordingSink sink;
        const QString source = makeFile(m_dir.filePath("src"), "x.bin", "x");
        QJsonObject row;
        QVERIFY(ExportPages::addAttachment(m_dir.path(), source, row, "a:b/../c.jpg"));
        QCOMPARE(row.value("local_path").toString(), QString("resource/Attachment/a_b_.._c.jpg"));
        QCOMPARE(sink.copies.at(0).second, m_dir.path() + "/resource/Attachment/a_b_.._c.jpg");
    }

    void missingSourceKeepsPathButQueuesNothing()
    {
        RecordingSink sink;
        QJsonObject row;
        QVERIFY(!ExportPages::addAttachment(m_dir.path(), m_dir.filePath("gone.m4a"), row, ""));
        QCOMPARE(row.value("local_path").toString(), QString("resource/Attachment/gone.m4a"));
        QVERIFY(sink.copies.isEmpty());
        QVERIFY(QFileInfo(m_dir.filePath("resource/Attachment")).isDir());
    }

    void copyAttachmentCopiesAtOnce()
    {
        const QString source = makeFile(m_dir.filePath("src"), "face.jpg", "jpeg bytes");
        const QString folder = m_dir.filePath("Contacts");
        QJsonObject first, second, missing;
        QVERIFY(ExportPages::copyAttachment(folder, source, first, "avatar"));
        QVERIFY(ExportPages::copyAttachment(folder, source, second, "avatar"));
        QCOMPARE(first.value("avatar").toString(), QString("resource/Attachment/face.jpg"));
        QCOMPARE(second.value("avatar").toString(), QString("resource/Attachment/face(1).jpg"));
        QCOMPARE(readBytes(folder + "/resource/Attachment/face(1).jpg"), QByteArray("jpeg bytes"));
        QVERIFY(!ExportPages::copyThumbnail(folder, m_dir.filePath("none.jpg"), missing));
        QCOMPARE(missing.value("thumbnailPath"), QJsonValue(QString()));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(ExportPagesTest)
#include "exportpages_test.moc"
