// The rows of the WhatsApp and LINE panes: what each message becomes, the
// paging, the roles' defaults and markup, and the rows of a conversation
// shown from the store.
#include "chatinit.h"
#include "chatsessionfixtures.h"
#include "linechatinfomodel.h"
#include "wachatinfomodel.h"
#include "widgetkit.h"

#include <QDesktopServices>
#include <QSignalSpy>
#include <QUrl>
#include <QtTest>

using namespace ChatSessionFixtures;
using DeviceData::LineInfo;
using DeviceData::WaMessageInfo;

namespace
{
    QVariantHash row(int n)
    {
        return {{QStringLiteral("messageType"), int(ChatInfoModel::MSG_Text)},
                {QStringLiteral("message"), QStringLiteral("row %1").arg(n)}};
    }

    QList<QVariantHash> rows(int count)
    {
        QList<QVariantHash> list;
        for (int i = 0; i < count; ++i)
            list.append(row(i));
        return list;
    }

    // The plain texts of the message rows.
    QStringList messageTexts(ChatInfoModel &model)
    {
        QStringList texts;
        for (int i = 0; i < model.totalRows(); ++i) {
            const QModelIndex index = model.index(i);
            if (index.data(WaChatInfoModel::MessageTypeRole).toInt() != ChatInfoModel::MSG_Timestamp)
                texts << index.data(ChatInfoModel::PlainTextRole).toString();
        }
        return texts;
    }
}

// Takes the addresses the desktop would open.
class UrlRecorder : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened.append(url); }
};

class MessageRowsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        initWidgetKit();
        initChat();
        DeviceData::registerMetaTypes();
    }

    void init() { DeviceParser::instance()->clearAll(); }

    void whatsAppRowByType_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("system");
        QTest::addColumn<int>("messageType");
        QTest::addColumn<QString>("message");

        QTest::newRow("0 text") << 0 << false << int(ChatInfoModel::MSG_Text) << "hello <b>";
        QTest::newRow("0 system") << 0 << true << int(ChatInfoModel::MSG_SystemMessages) << "hello <b>";
        QTest::newRow("6 text") << 6 << false << int(ChatInfoModel::MSG_Text) << "hello <b>";
        QTest::newRow("7 system") << 7 << true << int(ChatInfoModel::MSG_SystemMessages) << "hello <b>";
        for (int type : {1, 15, 38, 42})
            QTest::addRow("%d picture", type) << type << false << int(ChatInfoModel::MSG_Image) << QString();
        for (int type : {2, 11, 13, 39})
            QTest::addRow("%d video", type) << type << false << int(ChatInfoModel::MSG_Video) << QString();
        QTest::newRow("3 voice") << 3 << false << int(ChatInfoModel::MSG_Voice) << "note.opus";
        QTest::newRow("4 contact") << 4 << false << int(ChatInfoModel::MSG_ContactCard) << "note.opus";
        QTest::newRow("5 location") << 5 << false << int(ChatInfoModel::MSG_Location) << "(Long:2.5 Lat:48.25)";
        QTest::newRow("8 document") << 8 << false << int(ChatInfoModel::MSG_Document) << "note.opus";
        QTest::newRow("10 call") << 10 << false << int(ChatInfoModel::MSG_VoiceCall) << "hello <b>";
        QTest::newRow("12 expired") << 12 << false << int(ChatInfoModel::MSG_Unsent) << "This file has expired!";
        QTest::newRow("14 deleted") << 14 << false << int(ChatInfoModel::MSG_SystemMessages)
                                    << "This message has been deleted!";
        for (int type : {9, 16, 23, 30, 37, 40, 41, 43})
            QTest::addRow("%d unsupported", type) << type << true << int(ChatInfoModel::MSG_SystemMessages)
                                                  << "Unsupported data type!";
    }

    void whatsAppRowByType()
    {
        QFETCH(int, type);
        QFETCH(bool, system);
        QFETCH(int, messageType);
        QFETCH(QString, message);
        WaMessageInfo info = waMessage(type, QStringLiteral("hello &lt;b&gt;"), 1650000000, true);
        info.isSystemText = system ? 1 : 0;
        info.fileName = QStringLiteral("note.opus");
        info.mediaPath = QStringLiteral("/backup/ab/note");
        info.thumbnailPath = QStringLiteral("/backup/cd/still");
        info.longitude = 2.5f;
        info.latitude = 48.25f;
        info.messageStatus = 6;
        const QVariantHash hash = WaChatInfoModel::messageRow(info, 7, 3);
        QCOMPARE(hash.value("messageType").toInt(), messageType);
        QCOMPARE(hash.value("message").toString(), message);
        QCOMPARE(hash.value("sourceRowId").toString(), QStringLiteral("7|3"));
        QCOMPARE(hash.value("alignment").toInt(), int(Qt::AlignRight));
        QCOMPARE(hash.value("sendstatusImg").toString(), QStringLiteral("qrc:/Images/wa/status_arrived_icon.png"));
        QCOMPARE(hash.value("isGif").toBool(), type == 11);
        const bool media = messageType == ChatInfoModel::MSG_Image || messageType == ChatInfoModel::MSG_Video;
        QCOMPARE(hash.value("thumbnailPath").toString(), media ? info.thumbnailPath : QString());
        QCOMPARE(hash.contains("mediaDuration"), type == 3);

        const QVariantHash stamp = WaChatInfoModel::timestampRow(info, QStringLiteral("kiwi"));
        QCOMPARE(stamp.value("messageType").toInt(), int(ChatInfoModel::MSG_Timestamp));
        QCOMPARE(stamp.value("message").toString(), timeOf(1650000000));
        QCOMPARE(stamp.value("alignment").toInt(), 132);
    }

    void whatsAppMediaDetails()
    {
        WaMessageInfo voice = waMessage(3, QString(), 1650000000);
        voice.movieDuration = 65;
        QCOMPARE(WaChatInfoModel::messageRow(voice, 1, 0).value("mediaDuration").toString(), QStringLiteral("01:05"));
        voice.mediaTitle = QStringLiteral("Song");
        const QVariantHash audio = WaChatInfoModel::messageRow(voice, 1, 0);
        QCOMPARE(audio.value("messageType").toInt(), int(ChatInfoModel::MSG_Audio));
        QCOMPARE(audio.value("mediaDuration").toString(), QString());

        WaMessageInfo place = waMessage(5, QString(), 1650000000);
        place.longitude = 13.4f;
        place.latitude = 52.52f;
        // The float's own shortest text, not the digits of its double.
        QCOMPARE(WaChatInfoModel::messageRow(place, 1, 0).value("message").toString(),
                 QStringLiteral("(Long:13.4 Lat:52.52)"));
        place.mediaTitle = QStringLiteral("Museum Island");
        QCOMPARE(WaChatInfoModel::messageRow(place, 1, 0).value("message").toString(), place.mediaTitle);

        WaMessageInfo call = waMessage(10, QStringLiteral("Mia started a Video Call"), 1650000000);
        QCOMPARE(WaChatInfoModel::messageRow(call, 1, 0).value("callType").toBool(), true);
        call.text = QStringLiteral("Mia started a call");
        QCOMPARE(WaChatInfoModel::messageRow(call, 1, 0).value("callType").toBool(), false);
    }

    void whatsAppSendStates_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("image");
        QTest::newRow("1") << 1 << "qrc:/Images/wa/status_senting_icon.png";
        QTest::newRow("12") << 12 << "qrc:/Images/wa/status_senting_icon.png";
        QTest::newRow("3") << 3 << "qrc:/Images/wa/status_sentfall_icon.png";
        QTest::newRow("6") << 6 << "qrc:/Images/wa/status_arrived_icon.png";
        QTest::newRow("8") << 8 << "qrc:/Images/wa/status_readed_icon.png";
        QTest::newRow("9") << 9 << "qrc:/Images/wa/status_waitting_icon.png";
        QTest::newRow("2 none") << 2 << QString();
        QTest::newRow("0 none") << 0 << QString();
    }

    void whatsAppSendStates()
    {
        QFETCH(int, state);
        QFETCH(QString, image);
        WaMessageInfo info = waText(QStringLiteral("hi"), 1650000000, true);
        info.messageStatus = state;
        const QVariantHash hash = WaChatInfoModel::messageRow(info, 1, 0);
        QCOMPARE(hash.contains("sendstatusImg"), !image.isEmpty());
        QCOMPARE(hash.value("sendstatusImg").toString(), image);
        if (!image.isEmpty())
            QVERIFY2(QFile::exists(image.mid(3)), qPrintable(image));
    }

    void lineRowByType_data()
    {
        QTest::addColumn<int>("contentType");
        QTest::addColumn<int>("messageType");
        QTest::addColumn<QString>("message");
        QTest::newRow("0 text") << 0 << int(ChatInfoModel::MSG_Text) << "text";
        QTest::newRow("107 text") << 107 << int(ChatInfoModel::MSG_Text) << "text";
        for (int type : {1, 96, 112})
            QTest::addRow("%d picture", type) << type << int(ChatInfoModel::MSG_Image) << "media";
        QTest::newRow("2 video") << 2 << int(ChatInfoModel::MSG_Video) << "media";
        QTest::newRow("3 voice") << 3 << int(ChatInfoModel::MSG_Voice) << "media";
        QTest::newRow("6 call") << 6 << int(ChatInfoModel::MSG_VoiceCall) << QString();
        QTest::newRow("7 sticker") << 7 << int(ChatInfoModel::MSG_Emojis) << "media";
        QTest::newRow("13 contact") << 13 << int(ChatInfoModel::MSG_ContactCard) << "card";
        QTest::newRow("14 document") << 14 << int(ChatInfoModel::MSG_Document) << "media";
        QTest::newRow("18 system") << 18 << int(ChatInfoModel::MSG_SystemMessages) << "text";
        QTest::newRow("100 location") << 100 << int(ChatInfoModel::MSG_Location) << "text";
        for (int type : {4, 5, 15, 99})
            QTest::addRow("%d no row", type) << type << int(ChatInfoModel::MSG_Unknown) << QString();
    }

    void lineRowByType()
    {
        QFETCH(int, contentType);
        QFETCH(int, messageType);
        QFETCH(QString, message);
        DeviceParser::instance()->setDisplayName(QStringLiteral("u7a1b2c3"), QStringLiteral("Mika"));
        LineInfo info = lineMessage(contentType, QStringLiteral("text"), 1650000000);
        info.contentText = QStringLiteral("media");
        info.extraText3 = QStringLiteral("card");
        info.sendStatus = 4;
        info.spare = true;
        const QVariantHash hash = LineChatInfoModel::messageRow(info, 5, 2);
        QCOMPARE(LineChatInfoModel::hasMessageRow(contentType), messageType != ChatInfoModel::MSG_Unknown);
        if (messageType == ChatInfoModel::MSG_Unknown) {
            QVERIFY(hash.isEmpty());
            return;
        }
        QCOMPARE(hash.value("messageType").toInt(), messageType);
        QCOMPARE(hash.value("message").toString(), message);
        QCOMPARE(hash.value("sender").toString(), QStringLiteral("Mika"));
        QCOMPARE(hash.value("sourceRowId").toString(), QStringLiteral("5|2"));
        QCOMPARE(hash.value("sendState").toInt(), 4);
        QCOMPARE(hash.value("isDeleted").toBool(), true);
        QCOMPARE(hash.value("isExits").toBool(), true);
    }

    void lineCallsAndVoice()
    {
        LineInfo call = lineMessage(6, QString(), 1650000000);
        call.extraNumber = 1;
        call.extraText1 = QStringLiteral("NORMAL");
        call.latitude = 65000;
        QCOMPARE(LineChatInfoModel::messageRow(call, 1, 0).value("mediaDuration").toString(),
                 QStringLiteral("Video call 01:05"));
        call.extraText1 = QStringLiteral("CANCELED");
        QCOMPARE(LineChatInfoModel::messageRow(call, 1, 0).value("mediaDuration").toString(),
                 QStringLiteral("CANCELED"));
        call.ownFlag = 1;
        QCOMPARE(LineChatInfoModel::messageRow(call, 1, 0).value("mediaDuration").toString(),
                 QStringLiteral("Group video started."));
        LineInfo voice = lineMessage(3, QString(), 1650000000);
        voice.latitude = 65499;
        QCOMPARE(LineChatInfoModel::messageRow(voice, 1, 0).value("mediaDuration").toString(),
                 QStringLiteral("01:05"));
    }

    void keepTypes_data()
    {
        QTest::addColumn<int>("keepType");
        QTest::addColumn<QList<int>>("fitting");
        QTest::newRow("0 texts") << 0 << QList<int>{0, 107, 18};
        QTest::newRow("1 photos") << 1 << QList<int>{1, 96, 112, 7};
        QTest::newRow("2 videos") << 2 << QList<int>{2};
        QTest::newRow("3 audios") << 3 << QList<int>{3};
        QTest::newRow("4 documents") << 4 << QList<int>{14};
        QTest::newRow("5 other") << 5 << QList<int>{100, 13};
    }

    void keepTypes()
    {
        QFETCH(int, keepType);
        QFETCH(QList<int>, fitting);
        for (int type : {0, 1, 2, 3, 6, 7, 13, 14, 18, 96, 100, 107, 112})
            QCOMPARE(LineChatInfoModel::fitsKeepType(keepType, type), fitting.contains(type));
    }

    void pagingOfAppendedRows_data()
    {
        QTest::addColumn<int>("appended");
        QTest::addColumn<int>("shown");
        QTest::newRow("20") << 20 << 20;
        QTest::newRow("21") << 21 << 21;
        QTest::newRow("22") << 22 << 21;
    }

    void pagingOfAppendedRows()
    {
        QFETCH(int, appended);
        QFETCH(int, shown);
        WaChatInfoModel model;
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        for (int i = 0; i < appended; ++i)
            model.append(row(i));
        QCOMPARE(model.rowCount(), shown);
        QCOMPARE(inserted.count(), shown);
        QCOMPARE(model.canFetchMore(QModelIndex()), shown < appended);
        model.fetchMore(QModelIndex());
        QCOMPARE(model.rowCount(), appended);
        QVERIFY(!model.canFetchMore(QModelIndex()));
        QCOMPARE(model.index(appended - 1).data(WaChatInfoModel::MessageRole).toString(),
                 QStringLiteral("row %1").arg(appended - 1));
    }

    void pagingOfAList()
    {
        LineChatInfoModel model;
        model.append(rows(5));
        QCOMPARE(model.rowCount(), 5);
        model.append(rows(100));
        QCOMPARE(model.rowCount(), 20);
        for (int fetch = 1; fetch <= 5; ++fetch) {
            model.fetchMore(QModelIndex());
            QCOMPARE(model.rowCount(), qMin(20 + 20 * fetch, 100));
        }
        // A row appended behind rows still to be fetched waits for its page.
        model.append(rows(30));
        model.append(row(99));
        QCOMPARE(model.rowCount(), 20);
        QCOMPARE(model.totalRows(), 31);
        model.loadAll();
        QCOMPARE(model.rowCount(), 31);
        QCOMPARE(model.index(30).data(LineChatInfoModel::MessageRole).toString(), QStringLiteral("row 99"));
        model.remove(0);
        QCOMPARE(model.rowCount(), 30);
        model.remove(30);
        QCOMPARE(model.rowCount(), 30);
    }

    void roleDefaults()
    {
        WaChatInfoModel wa;
        LineChatInfoModel line;
        wa.append(QVariantHash());
        line.append(QVariantHash());
        for (ChatInfoModel *model : {static_cast<ChatInfoModel *>(&wa), static_cast<ChatInfoModel *>(&line)}) {
            const QModelIndex index = model->index(0);
            const QHash<int, QByteArray> names = model->roleNames();
            QCOMPARE(index.data(names.key("mediaDuration")).toString(), QStringLiteral("00:00"));
            QCOMPARE(index.data(names.key("sourceRowId")).toInt(), -1);
            QCOMPARE(index.data(names.key("alignment")).toInt(), 1);
            QCOMPARE(index.data(names.key("messageType")).toInt(), 0);
            QCOMPARE(index.data(names.key("message")).toString(), QString());
            QVERIFY(!index.data(264).isValid());
        }
        // The role tables differ where the two apps' rows do.
        QCOMPARE(wa.roleNames().value(266), QByteArray("isExist"));
        QCOMPARE(line.roleNames().value(266), QByteArray("isExits"));
        QCOMPARE(wa.roleNames().value(274), QByteArray("sourceRowId"));
        QCOMPARE(line.roleNames().value(275), QByteArray("sourceRowId"));
        QCOMPARE(wa.roleNames().value(276), QByteArray("callType"));
        QCOMPARE(line.roleNames().value(273), QByteArray("callType"));
        QVERIFY(wa.index(0).data(276).isValid());
        QVERIFY(!line.index(0).data(276).isValid());
        QVERIFY(!wa.index(1).data(257).isValid());
    }

    void textsAreMarkedFromPlainText()
    {
        WaChatInfoModel model;
        model.setKeyword(QStringLiteral("kiwi"));
        model.append({{"messageType", int(ChatInfoModel::MSG_Text)}, {"message", "Kiwi <b>and</b> kiwi"},
                      {"mediaName", "<i>kiwi</i>.jpg"}});
        model.append({{"messageType", int(ChatInfoModel::MSG_SystemMessages)}, {"message", "Mia was added"}});
        const QString message = model.index(0).data(WaChatInfoModel::MessageRole).toString();
        QCOMPARE(message.count(QStringLiteral("<font color=\"#558AF8\">")), 2);
        QVERIFY2(message.contains(QStringLiteral("&lt;b&gt;and&lt;/b&gt;")), qPrintable(message));
        QVERIFY(model.index(0).data(WaChatInfoModel::MediaNameRole).toString().startsWith(QStringLiteral("&lt;i&gt;")));
        QCOMPARE(model.index(0).data(ChatInfoModel::PlainMediaNameRole).toString(), QStringLiteral("<i>kiwi</i>.jpg"));
        QCOMPARE(model.index(0).data(ChatInfoModel::PlainTextRole).toString(), QStringLiteral("Kiwi <b>and</b> kiwi"));
        model.setKeyword(QString());
        QCOMPARE(model.index(0).data(WaChatInfoModel::MessageRole).toString(),
                 QStringLiteral("Kiwi &lt;b&gt;and&lt;/b&gt; kiwi"));
        QCOMPARE(model.index(1).data(WaChatInfoModel::MessageRole).toString(), QStringLiteral("Mia was added"));
    }

    void slicesKeepCharactersWhole()
    {
        WaChatInfoModel model;
        QCOMPARE(model.sliceStringQString(QStringLiteral("abcdef"), 2, 3), QStringLiteral("cde"));
        const QString emoji = QString::fromUtf8("\xF0\x9F\x8D\x8D"); // two UTF-16 units
        const QString text = QString(1499, QLatin1Char('a')) + emoji + QStringLiteral("tail");
        QCOMPARE(model.getStringLenth(text), 1505);
        QCOMPARE(model.sliceStringQString(text, 0, 1500), QString(1499, QLatin1Char('a')) + emoji);
        QCOMPARE(model.sliceStringQString(text, 1500, 2), emoji + QStringLiteral("t"));
        QCOMPARE(model.sliceStringQString(text, 0, 1499), QString(1499, QLatin1Char('a')));
    }

    void linksOpenWebAddressesOnly()
    {
        UrlRecorder recorder;
        for (const char *scheme : {"http", "https", "file", "javascript", "mailto"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &recorder, "open");
        WaChatInfoModel model;
        model.openUrl(QStringLiteral("https://example.com/?a=1&amp;b=2"));
        model.openUrl(QStringLiteral("javascript:alert(1)"));
        model.openUrl(QStringLiteral("file:///etc/passwd"));
        model.openUrl(QStringLiteral("mailto:a@example.com"));
        for (const char *scheme : {"http", "https", "file", "javascript", "mailto"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
        QCOMPARE(recorder.opened, QList<QUrl>{QUrl(QStringLiteral("https://example.com/?a=1&b=2"))});
    }

    void titleSignals()
    {
        LineChatInfoModel model;
        QSignalSpy changed(&model, &ChatInfoModel::titleChanged);
        model.setTitle(QStringLiteral("To: Mika"));
        model.setTitle(QStringLiteral("To: Mika"));
        QCOMPARE(changed.count(), 1);
        QSignalSpy scanOver(&model, &ChatInfoModel::scanOver);
        model.setEnabled(true);
        QVERIFY(model.isEnabled());
        QCOMPARE(scanOver.count(), 1);
    }

    // A session of 11 texts: 22 rows, 21 shown, the last after one fetch.
    void aSessionFromTheStore()
    {
        QList<WaMessageInfo> messages;
        for (int i = 0; i < 11; ++i)
            messages.append(waText(QStringLiteral("message %1").arg(i), 1650000000 + i));
        const QVariant record = storeWa(waSession(4, QStringLiteral("x@s.whatsapp.net"), QStringLiteral("X")), messages);
        WaChatInfoModel model;
        QSignalSpy shown(&model, &ChatInfoModel::conversationShown);
        model.showSession(waOf(record), DeviceParser::instance()->sessionRecords(DeviceData::WhatsApp, 4), QString());
        QCOMPARE(shown.count(), 1);
        QCOMPARE(model.totalRows(), 22);
        QCOMPARE(model.rowCount(), 21);
        model.fetchMore(QModelIndex());
        QCOMPARE(model.rowCount(), 22);
        QCOMPARE(model.index(21).data(WaChatInfoModel::SourceRowIdRole).toString(), QStringLiteral("4|10"));
        QCOMPARE(model.index(20).data(WaChatInfoModel::MessageRole).toString(), timeOf(1650000010));
    }

    // A large conversation is looked through on the pool, a small one at
    // once; either way only the messages that hold the keyword are rows.
    void keywordRows_data()
    {
        QTest::addColumn<int>("count");
        QTest::newRow("small, at once") << 100;
        QTest::newRow("large, on the pool") << 5000;
    }

    void keywordRows()
    {
        QFETCH(int, count);
        QList<LineInfo> messages;
        for (int i = 0; i < count; ++i)
            messages.append(lineText(i % 1000 == 7 ? QStringLiteral("kiwi %1").arg(i) : QStringLiteral("plain"),
                                     1650000000 + i));
        const QVariant record = storeLine(lineSession(2, QStringLiteral("u1"), QStringLiteral("Ren")), messages);
        LineChatInfoModel model;
        QSignalSpy shown(&model, &ChatInfoModel::conversationShown);
        model.showSession({lineOf(record), DeviceParser::instance()->lineSessions(2)}, QStringLiteral("kiwi"));
        QCOMPARE(model.isFiltering(), count > ChatInfoModel::InlineRecords);
        QTRY_COMPARE(shown.count(), 1);
        QStringList expected;
        for (int i = 7; i < count; i += 1000)
            expected << QStringLiteral("kiwi %1").arg(i);
        QCOMPARE(messageTexts(model), expected);
        // A newer conversation cancels the filter of an older one.
        model.showSession({lineOf(record), DeviceParser::instance()->lineSessions(2)}, QStringLiteral("plain"));
        model.clear();
        QTest::qWait(50);
        QCOMPARE(model.totalRows(), 0);
    }
};

QTEST_MAIN(MessageRowsTest)
#include "messagerows_test.moc"
