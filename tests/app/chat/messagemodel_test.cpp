// The model of the message pane: which rows a conversation gives, what they
// hold, the recipients line and the pages of a long conversation.
#include "chatfixtures.h"
#include "chatinit.h"
#include "natsmslistmodel.h"
#include "natsmsmodel.h"
#include "natsmsview.h"
#include "widgetkit.h"

#include <QSignalSpy>
#include <QUrl>
#include <QtTest>

#include <memory>

using namespace ChatFixtures;
using DeviceData::SMSInfo;

Q_DECLARE_METATYPE(QList<DeviceData::SMSInfo>)

namespace
{
    QList<int> typesOf(const NatSmsModel &model)
    {
        QList<int> types;
        for (int row = 0; row < model.rowCount(); ++row)
            types << model.index(row).data(NatSmsModel::MessageTypeRole).toInt();
        return types;
    }

    QVariant role(const NatSmsModel &model, int row, const char *name)
    {
        const QHash<int, QByteArray> names = model.roleNames();
        return model.index(row).data(names.key(name));
    }

    // Shows the conversation as the view does and waits for its rows.
    std::unique_ptr<NatSmsView> viewOf(const QList<QVariant> &conversations, const QString &keyword = QString())
    {
        storeList(conversations);
        auto view = std::make_unique<NatSmsView>(DeviceData::Messages);
        view->setDataList(storedList());
        if (!keyword.isEmpty()) {
            QSignalSpy finished(view.get(), &AbstractDataView::finish);
            view->search(keyword);
            if (!finished.wait(5000))
                qFatal("the search did not finish");
        }
        if (view->messageModel()->isFiltering()) {
            QSignalSpy shown(view->messageModel(), &NatSmsModel::conversationShown);
            if (!shown.wait(5000))
                qFatal("the pane was not filtered");
        }
        return view;
    }

    const QString kOpen = QStringLiteral("<font color=\"#558AF8\">");
}

class MessageModelTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        initChatTests();
    }

    void init() { DeviceParser::instance()->clearAll(); }

    void rowsByKind_data()
    {
        QTest::addColumn<QList<SMSInfo>>("messages");
        QTest::addColumn<QList<int>>("types");
        const int stamp = NatSmsModel::MSG_Timestamp;
        QTest::newRow("three texts") << QList<SMSInfo>{text("a", 1), text("b", 2), text("c", 3)}
                                     << QList<int>{stamp, NatSmsModel::MSG_Text, stamp, NatSmsModel::MSG_Text,
                                                   stamp, NatSmsModel::MSG_Text};
        QTest::newRow("picture") << QList<SMSInfo>{attachment(DeviceData::ImageKind, "p.jpg", 1)}
                                 << QList<int>{stamp, NatSmsModel::MSG_Image};
        QTest::newRow("video") << QList<SMSInfo>{attachment(DeviceData::VideoKind, "v.mov", 1)}
                               << QList<int>{stamp, NatSmsModel::MSG_Video};
        QTest::newRow("audio is a document") << QList<SMSInfo>{attachment(DeviceData::AudioKind, "a.m4a", 1)}
                                             << QList<int>{stamp, NatSmsModel::MSG_Document};
        QTest::newRow("other") << QList<SMSInfo>{attachment(DeviceData::PdfKind, "d.pdf", 1)}
                               << QList<int>{stamp, NatSmsModel::MSG_Document};
    }

    void rowsByKind()
    {
        QFETCH(QList<SMSInfo>, messages);
        QFETCH(QList<int>, types);
        auto view = viewOf({storeConversation("+1", "Ann", messages)});
        QCOMPARE(typesOf(*view->messageModel()), types);
    }

    void rowContent()
    {
        SMSInfo sent = text("Hi &lt;there&gt;\nhttp://a.com", 1600000000, true, "Re: <x>");
        sent.isSms = true;
        sent.error = 4;
        sent.isForward = true;
        SMSInfo picture = attachment(DeviceData::ImageKind, "a&b <1>.jpg", 1600000060, "/tmp/a.jpg", "/tmp/a.jpg");
        picture.deleted = true;
        SMSInfo file = attachment(DeviceData::PdfKind, "<menu>.pdf", 1600000120, "/tmp/m.pdf",
                                  ":/Images/media/pdf.png", "1.2MB");
        auto view = viewOf({storeConversation("+1", "Ann", {sent, picture, file})});
        const NatSmsModel &model = *view->messageModel();

        // The time stamp: its text, centred; what it does not set has defaults.
        const QString stampText = QDateTime::fromSecsSinceEpoch(1600000000).toString("yyyy-MM-dd hh:mm:ss");
        QCOMPARE(role(model, 0, "message").toString(), stampText);
        QCOMPARE(role(model, 0, "plainText").toString(), stampText);
        QCOMPARE(role(model, 0, "alignment").toInt(), 0x84);
        QCOMPARE(role(model, 0, "isSMS").toBool(), true);
        QCOMPARE(role(model, 0, "localPath"), QVariant(1));
        QCOMPARE(role(model, 0, "thumbnailPath"), QVariant(1));
        QCOMPARE(role(model, 0, "Type"), QVariant(false));
        QCOMPARE(role(model, 0, "sendState").toInt(), 0);

        // The text: markup made from the text as sent, the plain text to copy.
        QCOMPARE(role(model, 1, "message").toString(),
                 QStringLiteral("Hi &lt;there&gt;<br><a href=\"http://a.com\">http://a.com</a>"));
        QCOMPARE(role(model, 1, "sourceMessage").toString(), QStringLiteral("Re: <x>\nHi <there>\nhttp://a.com"));
        QCOMPARE(role(model, 1, "plainText").toString(), QStringLiteral("Re: <x>\nHi <there>\nhttp://a.com"));
        QCOMPARE(role(model, 1, "subject").toString(), QStringLiteral("Re: &lt;x&gt;"));
        QCOMPARE(role(model, 1, "alignment").toInt(), int(Qt::AlignRight));
        QCOMPARE(role(model, 1, "isSMS").toBool(), true);
        QCOMPARE(role(model, 1, "sendState").toInt(), 4);
        QCOMPARE(role(model, 1, "isForward").toBool(), true);
        QCOMPARE(role(model, 1, "Type").toInt(), int(DeviceData::NoAttachmentKind));

        // The picture: its file's name as it is, for the export; a file URL.
        QCOMPARE(role(model, 3, "message").toString(), QStringLiteral("a&b <1>.jpg"));
        QCOMPARE(role(model, 3, "plainText").toString(), QStringLiteral("a&b <1>.jpg"));
        QCOMPARE(role(model, 3, "sourceMessage").toString(), QString());
        QCOMPARE(role(model, 3, "isDeleted").toBool(), true);
        QCOMPARE(role(model, 3, "localPath").toString(), QStringLiteral("/tmp/a.jpg"));
        QCOMPARE(role(model, 3, "thumbnailUrl").toUrl(), QUrl::fromLocalFile("/tmp/a.jpg"));

        // The document: its name and size shown escaped; a resource icon.
        QCOMPARE(role(model, 5, "message").toString(), QStringLiteral("&lt;menu&gt;.pdf"));
        QCOMPARE(role(model, 5, "plainText").toString(), QStringLiteral("<menu>.pdf"));
        QCOMPARE(role(model, 5, "attachmentSize").toString(), QStringLiteral("1.2MB"));
        QCOMPARE(role(model, 5, "thumbnailPath").toString(), QStringLiteral(":/Images/media/pdf.png"));
        QCOMPARE(role(model, 5, "thumbnailUrl").toUrl(), QUrl(QStringLiteral("qrc:/Images/media/pdf.png")));

        // Outside the rows: nothing.
        QVERIFY(!model.index(6).data(NatSmsModel::MessageRole).isValid());
        QVERIFY(!model.index(1).data(Qt::DisplayRole).isValid());
    }

    void title_data()
    {
        QTest::addColumn<QString>("recipients");
        QTest::addColumn<QString>("title");
        QTest::newRow("no contact") << "+1777," << "To: +1777";
        QTest::newRow("a contact and a number, an empty part between")
            << "+1555,,+1666" << "To: Ann Lee(+1555), +1666";
        QTest::newRow("nobody") << "," << "To: ";
    }

    void title()
    {
        QFETCH(QString, recipients);
        QFETCH(QString, title);
        storeContact(QStringLiteral("Ann Lee"), QStringLiteral("+1555"));
        auto view = viewOf({storeConversation("+1555", "Ann", {text("old", 1), text("new", 2)}, false, recipients)});
        QCOMPARE(view->messageModel()->title(), title);
    }

    void titleChangesOnlyWhenItDiffers()
    {
        NatSmsModel model;
        QSignalSpy changed(&model, &NatSmsModel::titleChanged);
        model.setTitle(QStringLiteral("To: a"));
        model.setTitle(QStringLiteral("To: a"));
        QCOMPARE(changed.count(), 1);
        model.setTitle(QString());
        QCOMPARE(changed.count(), 2);
        QCOMPARE(model.title(), QString());
    }

    void keywordRows_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<int>>("shown");
        QTest::newRow("only the messages that hold it") << "Ann" << QList<int>{1, 2, 3, 4};
        QTest::newRow("all of them when the name holds it") << "Team ABC" << QList<int>{0, 1, 2, 3, 4};
    }

    void keywordRows()
    {
        QFETCH(QString, name);
        QFETCH(QList<int>, shown);
        SMSInfo subjected = text("nothing here", 30, false, "about ABC");
        SMSInfo file = attachment(DeviceData::PdfKind, "report.pdf", 40, QString(), QString(), "abc KB");
        const QList<SMSInfo> messages{text("first", 10), text("see xAbCx", 20), subjected, file,
                                      attachment(DeviceData::ImageKind, "abc.jpg", 50)};
        auto view = viewOf({storeConversation("+1", name, messages)}, QStringLiteral("abc"));
        const NatSmsModel &model = *view->messageModel();
        QList<int> rows;
        for (int row = 1; row < model.rowCount(); row += 2) {
            const QString plain = role(model, row, "plainText").toString();
            for (int i = 0; i < messages.size(); ++i)
                if (plainOf(messages.at(i)) == plain)
                    rows << i;
        }
        QCOMPARE(rows, shown);
        if (shown.contains(1)) {
            const int row = 2 * shown.indexOf(1) + 1;
            QCOMPARE(role(model, row, "message").toString(), "see x" + kOpen + "AbC</font>x");
        }
        if (shown.contains(2)) {
            const int row = 2 * shown.indexOf(2) + 1;
            QCOMPARE(role(model, row, "subject").toString(), "about " + kOpen + "ABC</font>");
        }
        const int fileRow = 2 * shown.indexOf(3) + 1;
        QCOMPARE(role(model, fileRow, "attachmentSize").toString(), kOpen + "abc</font> KB");
    }

    void longConversationComesInPages()
    {
        QList<SMSInfo> messages;
        for (int i = 0; i < 1000; ++i)
            messages << text(QStringLiteral("m%1").arg(i), i);
        // Without the pane, which fetches a page itself after each reset.
        NatSmsModel model;
        model.showConversation(messages, QStringLiteral("Ann"), QString());
        QCOMPARE(model.messageCount(), 1000);
        QList<int> pages{model.rowCount()};
        while (model.canFetchMore(QModelIndex())) {
            model.fetchMore(QModelIndex());
            pages << model.rowCount();
        }
        QCOMPARE(pages, (QList<int>{200, 400, 800, 1600, 2000}));
        QCOMPARE(role(model, 1999, "plainText").toString(), QStringLiteral("m999"));
    }

    void aNewConversationDropsAStaleFilter()
    {
        QList<SMSInfo> many;
        for (int i = 0; i < 50000; ++i)
            many << text(i % 2 ? QStringLiteral("abc %1").arg(i) : QStringLiteral("x"), i);
        NatSmsModel model;
        QSignalSpy shown(&model, &NatSmsModel::conversationShown);
        model.showConversation(many, QStringLiteral("Ann"), QStringLiteral("abc"));
        QVERIFY(model.isFiltering());
        QCOMPARE(model.rowCount(), 0);
        // Another conversation before the filter ends: its rows stay.
        model.showConversation({text("one", 1)}, QStringLiteral("Bob"), QString());
        QCOMPARE(model.rowCount(), 2);
        QTest::qWait(300);
        QCOMPARE(shown.count(), 1);
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(role(model, 1, "plainText").toString(), QStringLiteral("one"));
    }

private:
    static QString plainOf(const SMSInfo &message)
    {
        QString plain = message.text;
        plain.replace("&lt;", "<").replace("&gt;", ">");
        if (message.mediaKind == DeviceData::NoAttachmentKind && !message.subject.isEmpty())
            return message.subject + "\n" + plain;
        return plain;
    }
};

QTEST_MAIN(MessageModelTest)
#include "messagemodel_test.moc"
