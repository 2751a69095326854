#include "chatexportjobs.h"
#include "chatscript.h"
#include "chatexportrecorder.h"
#include "copyproxy.h"
#include "deviceparser.h"
#include "recovernatmanager.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QtTest>


using namespace DeviceData;

namespace {

// Every "local_path" in a data file's value, depth first.
void collectLocalPaths(const QJsonValue &value, QStringList &paths)
{
    if (value.isArray()) {
        for (const QJsonValue &item : value.toArray())
            collectLocalPaths(item, paths);
    } else if (value.isObject()) {
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it) {
            if (it.key() == QLatin1String("local_path"))
                paths << it.value().toString();
            else
                collectLocalPaths(it.value(), paths);
        }
    }
}

} // namespace

class ChatExportJobsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void lineRunCountsToItsTotal();
    void whatsAppRunCopiesEveryAttachment();
    void longAttachmentNamesAreLinkedAsCopied_data();
    void longAttachmentNamesAreLinkedAsCopied();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    // Runs one export of the categories; the root folder it made.
    QString run(const QVector<int> &ids);

    QScopedPointer<QTemporaryDir> m_dir;
    RecoverNatManager *m_manager = nullptr;
};

void ChatExportJobsTest::initTestCase()
{
    registerMetaTypes();
    CopyProxy::setExecutorFactory([]() -> IDBExecutor * { return nullptr; });
    RecoverNatManager::setOverDelay(20);
    m_manager = RecoverNatManager::instance();
}

void ChatExportJobsTest::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    QDir().mkpath(path("out"));
    DeviceParser::instance()->clearAll();
    RecoverNatManager::setRecoverFolder(path("out"));
    RecoverNatManager::setSourceNameProvider([] { return QStringLiteral("iPhone 12"); });
}

QString ChatExportJobsTest::run(const QVector<int> &ids)
{
    int overs = 0;
    const auto link = connect(m_manager, &RecoverNatManager::sigRecoverOver, this, [&overs] { ++overs; });
    m_manager->startRecover(ids);
    QElapsedTimer clock;
    clock.start();
    while (overs == 0 && clock.elapsed() < 15000)
        QTest::qWait(5);
    disconnect(link);
    const QStringList roots = QDir(path("out")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    return overs == 1 && roots.size() == 1 ? path("out/" + roots.first()) : QString();
}

void ChatExportJobsTest::lineRunCountsToItsTotal()
{
    LineInfo text;
    text.text = QStringLiteral("hi");
    LineInfo photo;
    photo.contentType = 1;
    photo.contentText = QStringLiteral("photo.jpg");
    photo.filePath = writeSourceFile(path("src/photo.jpg"), "line photo");
    DeviceParser::instance()->setLineSessions(1, {text, photo});
    DeviceParser::instance()->setLineSessions(2, {text, text});
    DeviceParser::instance()->setLineSessions(3, {text});
    QList<QVariant> chats;
    for (const auto &entry : {qMakePair(1, 0), qMakePair(2, 1), qMakePair(3, 100)}) {
        LineSessionInfo chat;
        chat.id = entry.first;
        chat.chatKind = quint16(entry.second);
        chat.spare2 = 2;
        chats.append(QVariant::fromValue(chat));
    }
    DeviceParser::instance()->setRecords(0, Line, chats);

    const QString root = run({Line});
    QVERIFY(!root.isEmpty());
    // Kind 1 is not written, so its two messages are not in the total.
    QCOMPARE(m_manager->totalCount(), 3);
    QCOMPARE(m_manager->processedCount(), 3);
    QCOMPARE(m_manager->successCount(), 3);
    const QString folder = root + "/LINE";
    QCOMPARE(evaluateDict(readAll(folder + "/json/single/contacts.js")).size(), 1);
    QCOMPARE(evaluateDict(readAll(folder + "/json/keep/contacts.js")).size(), 1);
    QVERIFY(!QFileInfo::exists(folder + "/json/group"));
    QCOMPARE(readAll(folder + "/resource/Attachment/photo.jpg"), QByteArray("line photo"));
}

void ChatExportJobsTest::whatsAppRunCopiesEveryAttachment()
{
    WaMessageInfo video;
    video.messageType = 2;
    video.fileName = QStringLiteral("clip.mp4");
    video.mediaPath = writeSourceFile(path("src/clip.mp4"), "video bytes");
    video.thumbnailPath = writeSourceFile(path("src/clip.jpg"), "thumbnail bytes");
    WaMessageInfo missing;
    missing.messageType = 8;
    missing.fileName = QStringLiteral("gone.pdf");
    missing.mediaPath = path("src/gone.pdf");
    WaMessageInfo text;
    text.text = QStringLiteral("ok");
    WaMessageInfo first;
    first.messageType = 1;
    first.mediaPath = writeSourceFile(path("src/a/photo.jpg"), "first photo");
    WaMessageInfo second = first;
    second.mediaPath = writeSourceFile(path("src/b/photo.jpg"), "second photo");
    DeviceParser::instance()->setSessionRecords(
        WhatsApp, 5,
        {QVariant::fromValue(video), QVariant::fromValue(missing), QVariant::fromValue(text),
         QVariant::fromValue(first), QVariant::fromValue(second)});
    WaSessionInfo chat;
    chat.id = 5;
    chat.chatKind = 101;
    chat.spare2 = 2;
    chat.lastMessage = QVariant::fromValue(text);
    DeviceParser::instance()->setRecords(0, WhatsApp, {QVariant::fromValue(chat)});
    ChatExportJobs::setOwnerNumberProvider([] { return QStringLiteral("4917600009"); });

    const QString root = run({WhatsApp});
    ChatExportJobs::setOwnerNumberProvider(nullptr);
    QVERIFY(!root.isEmpty());
    QCOMPARE(m_manager->totalCount(), 5);
    QCOMPARE(m_manager->processedCount(), 5);
    QCOMPARE(m_manager->successCount(), 5);

    const QString folder = root + "/WhatsApp";
    const QJsonArray dict = evaluateDict(readAll(folder + "/json/star/contacts.js"));
    QCOMPARE(dict.size(), 1);
    const QJsonArray messages = dict.at(0).toObject().value("messages").toArray();
    QCOMPARE(messages.size(), 5);
    // Every path written names a file with its source's bytes.
    const QJsonObject info = messages.at(0).toObject().value("info").toObject();
    QCOMPARE(readAll(folder + '/' + info.value("local_path").toString()), QByteArray("video bytes"));
    QCOMPARE(readAll(folder + '/' + info.value("thumbnail_path").toString()), QByteArray("thumbnail bytes"));
    // Two attachments of one name get a file each.
    const QString firstPath = messages.at(3).toObject().value("info").toObject().value("local_path").toString();
    const QString secondPath = messages.at(4).toObject().value("info").toObject().value("local_path").toString();
    QVERIFY(firstPath != secondPath);
    QCOMPARE(readAll(folder + '/' + firstPath), QByteArray("first photo"));
    QCOMPARE(readAll(folder + '/' + secondPath), QByteArray("second photo"));
    QCOMPARE(messages.at(1).toObject().value("message").toString(),
             QStringLiteral("Before restoring data, please download the file first!"));
}

void ChatExportJobsTest::longAttachmentNamesAreLinkedAsCopied_data()
{
    QTest::addColumn<int>("category");
    QTest::addColumn<QString>("stem");
    // 300 bytes of UTF-8 each: more than a file name may hold.
    const QString ascii(300, QChar('a'));
    const QString cjk = QString::fromUtf8("\xe9\x8c\xb2\xe9\x9f\xb3").repeated(50);
    QTest::newRow("voice memo, ASCII") << int(VoiceMemos) << ascii;
    QTest::newRow("voice memo, CJK") << int(VoiceMemos) << cjk;
    QTest::newRow("LINE, ASCII") << int(Line) << ascii;
    QTest::newRow("LINE, CJK") << int(Line) << cjk;
}

// The page links each attachment under the name its copy got, also when
// the name had to be cut and a second file of the same name was numbered.
void ChatExportJobsTest::longAttachmentNamesAreLinkedAsCopied()
{
    QFETCH(int, category);
    QFETCH(QString, stem);
    QCOMPARE(stem.toUtf8().size(), 300);
    const QString first = writeSourceFile(path("src/first.m4a"), "first recording");
    const QString second = writeSourceFile(path("src/second.m4a"), "second recording");
    QString folder;
    if (category == VoiceMemos) {
        QList<QVariant> memos;
        for (const QString &source : {first, second}) {
            VMMInfo memo;
            memo.title = stem;
            memo.path = source;
            memo.reserved = 2;
            memos.append(QVariant::fromValue(memo));
        }
        DeviceParser::instance()->setRecords(0, VoiceMemos, memos);
        const QString root = run({VoiceMemos});
        QVERIFY(!root.isEmpty());
        folder = root + "/Voice Memos";
    } else {
        QList<LineInfo> messages;
        for (const QString &source : {first, second}) {
            LineInfo voice;
            voice.contentType = 3;
            voice.contentText = stem + ".m4a";
            voice.filePath = source;
            messages.append(voice);
        }
        DeviceParser::instance()->setLineSessions(1, messages);
        LineSessionInfo chat;
        chat.id = 1;
        chat.spare2 = 2;
        DeviceParser::instance()->setRecords(0, Line, {QVariant::fromValue(chat)});
        const QString root = run({Line});
        QVERIFY(!root.isEmpty());
        folder = root + "/LINE";
    }
    QCOMPARE(m_manager->errorType(), 0);

    QStringList links;
    if (category == VoiceMemos) {
        const QByteArray script = readAll(folder + "/json/links.js");
        QVERIFY(script.startsWith("window.links_dict="));
        collectLocalPaths(QJsonDocument::fromJson(script.mid(int(qstrlen("window.links_dict=")))).object(), links);
    } else {
        collectLocalPaths(evaluateDict(readAll(folder + "/json/single/contacts.js")), links);
    }
    QCOMPARE(links.size(), 2);
    QVERIFY(links.at(0) != links.at(1));
    QStringList contents;
    for (const QString &link : links) {
        QVERIFY2(link.startsWith("resource/Attachment/"), qPrintable(link));
        const QString name = link.mid(int(qstrlen("resource/Attachment/")));
        QVERIFY(name.endsWith(".m4a"));
        QVERIFY(name.toUtf8().size() <= 255);
        QVERIFY(name.startsWith(stem.left(40)));
        contents << QString::fromUtf8(readAll(folder + '/' + link));
    }
    contents.sort();
    QCOMPARE(contents, (QStringList{"first recording", "second recording"}));
    QCOMPARE(QDir(folder + "/resource/Attachment").entryList(QDir::Files).size(), 2);
}

QTEST_GUILESS_MAIN(ChatExportJobsTest)
#include "chatexportjobs_test.moc"
