// The QML panes of the WhatsApp and LINE views, drawn by Qt Quick's software
// back end: which component each row gets, long texts, quotes, the title
// bar, device text as text, and what assistive tools read and press.
#include "appevent.h"
#include "chatdatafolders.h"
#include "chatinit.h"
#include "chatsessionfixtures.h"
#include "customtabbar.h"
#include "linechat.h"
#include "linechatinfomodel.h"
#include "linekeeptableheaderview.h"
#include "quickprobe.h"
#include "shots.h"
#include "wachatinfomodel.h"
#include "whatsappchat.h"
#include "widgetkit.h"

#include <QAbstractButton>
#include <QFontMetricsF>
#include <QTranslator>
#include <QImage>
#include <QListView>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace ChatSessionFixtures;
using namespace QuickProbe;
using DeviceData::LineInfo;
using DeviceData::WaMessageInfo;

// At global scope, as Q_INIT_RESOURCE requires.
static void registerTranslations()
{
    Q_INIT_RESOURCE(quenrow_translations);
}

namespace
{
    constexpr qint64 Start = 1650000000;
    const QString kMissingHint = QStringLiteral("Before restoring data, please download the file first!");
}

class ChatPaneTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_files;
    std::unique_ptr<EventCatcher> m_window;

    QString writePicture(const QString &name, const QColor &colour, QSize size = QSize(160, 120))
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        const QString path = m_files.filePath(name);
        image.save(path, "PNG");
        return path;
    }

    template <typename View>
    std::unique_ptr<View> show(int category)
    {
        auto view = std::make_unique<View>(category);
        view->resize(1100, 700);
        view->show();
        if (!QTest::qWaitForWindowExposed(view.get()))
            qFatal("no window");
        view->setDataList(storedList(category));
        view->setCheckEnabled(true);
        // Rows are loaded as the scene is laid out.
        QTest::qWait(100);
        return view;
    }

    std::unique_ptr<WhatsAppChat> showWhatsApp(const QList<WaMessageInfo> &messages)
    {
        storeWaList({storeWa(waSession(1, QStringLiteral("15550107788@s.whatsapp.net"), QStringLiteral("Mia Rossi")),
                             messages)});
        return show<WhatsAppChat>(DeviceData::WhatsApp);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_files.isValid());
        registerTranslations();
        initWidgetKit();
        initChat();
        DeviceData::registerMetaTypes();
        ChatDataFolders::setRoots({m_files.path()});
        m_window = std::make_unique<EventCatcher>();
        appEventReceivers().insert(0, m_window.get());
    }

    void cleanupTestCase() { appEventReceivers().remove(0); }

    void init()
    {
        DeviceParser::instance()->clearAll();
        WhatsAppChat::setOwnerNumber(QString());
        m_window->caught.clear();
    }

    void everyKindOfWhatsAppRow()
    {
        const QString picture = writePicture(QStringLiteral("trail.png"), QColor(QStringLiteral("#558AF8")));
        WaMessageInfo voice = waMessage(3, QString(), Start + 40);
        voice.movieDuration = 65;
        voice.mediaPath = m_files.filePath(QStringLiteral("note.opus"));
        voice.mediaExists = true;
        WaMessageInfo document = waMessage(8, QString(), Start + 50, true);
        document.fileName = QStringLiteral("plan.pdf");
        document.fileSizeText = QStringLiteral("1.2MB");
        document.mediaPath = m_files.filePath(QStringLiteral("plan.pdf"));
        document.mediaExists = true;
        WaMessageInfo location = waMessage(5, QString(), Start + 60);
        location.longitude = 2.5f;
        location.latitude = 48.25f;
        WaMessageInfo call = waMessage(10, QStringLiteral("Mia started a video call"), Start + 70);
        WaMessageInfo event = waText(QStringLiteral("Mia was added"), Start + 80);
        event.isSystemText = 1;
        WaMessageInfo contact = waMessage(4, QString(), Start + 90);
        contact.fileName = QStringLiteral("Leo Bauer");
        contact.mediaPath = m_files.filePath(QStringLiteral("leo.vcf"));
        contact.mediaExists = true;
        auto view = showWhatsApp({
            waText(QStringLiteral("See https://example.com/trail &lt;b&gt;x&lt;/b&gt;"), Start),
            waPicture(picture, Start + 10, true),
            waPicture(m_files.filePath(QStringLiteral("gone.jpg")), Start + 20, false),
            waText(QStringLiteral("Yes! I'll bring the map."), Start + 30, true),
            voice, document, location, call, event, waMessage(12, QString(), Start + 85), contact,
        });
        QQuickWidget *pane = view->quickWidget();
        view->waMessages()->loadAll();

        // The picture that is there comes through the provider; the one
        // that is not shows the hint instead.
        QTRY_COMPARE(images(pane, [](const QString &s) { return s.startsWith("image://waProvider/", Qt::CaseInsensitive); }).size(), 1);
        QQuickItem *thumbnail = byName(pane, QStringLiteral("thumbnail"));
        QVERIFY(thumbnail);
        QTRY_COMPARE(thumbnail->property("status").toInt(), 1);
        QCOMPARE(texts(pane, kMissingHint).size(), 1);
        QTRY_COMPARE(texts(pane, QStringLiteral("01:05")).size(), 1);
        QVERIFY(!texts(pane, QStringLiteral("plan.pdf")).isEmpty());
        QVERIFY(!texts(pane, QStringLiteral("(Long:2.5 Lat:48.25)")).isEmpty());
        QTest::qWait(100);
        QVERIFY(!saveShot(view.get(), QStringLiteral("whatsapp")).isEmpty());

        // End, as a person presses it: the list keeps to its end while the
        // last rows load and take their heights.
        QQuickItem *list = byName(pane, QStringLiteral("messageList"));
        list->forceActiveFocus();
        QKeyEvent end(QEvent::KeyPress, Qt::Key_End, Qt::NoModifier);
        QCoreApplication::sendEvent(pane, &end);
        QTRY_VERIFY(!texts(pane, QStringLiteral("This file has expired!")).isEmpty());
        QTRY_VERIFY(!texts(pane, QStringLiteral("Mia was added")).isEmpty());
        QTRY_VERIFY(!texts(pane, QStringLiteral("Contact Card")).isEmpty());
        QCOMPARE(images(pane, [](const QString &s) { return s.endsWith("video_call.png"); }).size(), 1);
        QTest::qWait(100);
        QVERIFY(!saveShot(view.get(), QStringLiteral("whatsapp-end")).isEmpty());
    }

    void markupInAMessageIsText()
    {
        auto view = showWhatsApp({waText(QStringLiteral("&lt;b&gt;x&lt;/b&gt;"), Start)});
        QQuickWidget *pane = view->quickWidget();
        QList<QQuickItem *> bodies;
        QTRY_VERIFY(!(bodies = texts(pane, QStringLiteral("&lt;b&gt;"))).isEmpty());
        // Laid out as the eight characters, not as a bold "x".
        QQuickItem *body = bodies.first();
        const QFont font = body->property("font").value<QFont>();
        const qreal width = body->property("implicitWidth").toReal();
        QVERIFY2(qAbs(width - QFontMetricsF(font).horizontalAdvance(QStringLiteral("<b>x</b>"))) < 2,
                 qPrintable(QString::number(width)));

        // Copy asks the window to put the text as sent on the clipboard.
        QAccessibleInterface *copy =
            findAccessible(QAccessible::queryAccessibleInterface(pane), QAccessible::Button, QStringLiteral("Copy"));
        QVERIFY(copy && copy->actionInterface());
        copy->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(m_window->caught.size(), 1);
        QCOMPARE(m_window->caught.first().type, 1019);
        const auto request = m_window->caught.first().data.value<QPair<QString, QVariant>>();
        QCOMPARE(request.first, QStringLiteral("copy-message"));
        QCOMPARE(request.second.toString(), QStringLiteral("<b>x</b>"));
    }

    void longTextsShowTheirStart_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("readMore");
        QTest::newRow("1500 characters") << 1500 << false;
        QTest::newRow("1501 characters") << 1501 << true;
    }

    void longTextsShowTheirStart()
    {
        QFETCH(int, length);
        QFETCH(bool, readMore);
        const QString text = QStringLiteral("word ").repeated(length / 5 + 1).left(length - 1) + QLatin1Char('!');
        auto view = showWhatsApp({waText(text, Start)});
        QQuickWidget *pane = view->quickWidget();
        QList<QQuickItem *> bodies;
        QTRY_VERIFY(!(bodies = texts(pane, QStringLiteral("word word"))).isEmpty());
        QQuickItem *more = byName(pane, QStringLiteral("readMore"));
        QVERIFY(more);
        QCOMPARE(isShowing(more), readMore);
        QCOMPARE(bodies.first()->property("text").toString().endsWith(QLatin1Char('!')), !readMore);
        if (!readMore)
            return;
        QCOMPARE(bodies.first()->property("text").toString().size(), 1500);
        // Read more shows the whole text.
        QTest::mouseClick(pane, Qt::LeftButton, Qt::NoModifier,
                          more->mapToScene(QPointF(5, more->height() / 2)).toPoint());
        QTRY_VERIFY(bodies.first()->property("text").toString().endsWith(QLatin1Char('!')));
        QVERIFY(!isShowing(more));
    }

    void quotedOwnMessagesShowNoSenderOrState()
    {
        WaMessageInfo quoted = waText(QStringLiteral("Are you coming on Saturday?"), Start + 60, true);
        quoted.isQuote = 1;
        quoted.senderName = QStringLiteral("Zed");
        WaMessageInfo plain = waText(QStringLiteral("On my way"), Start + 120, true);
        plain.senderName = QStringLiteral("Zed");
        auto view = showWhatsApp({quoted, plain});
        QQuickWidget *pane = view->quickWidget();
        QTRY_VERIFY(!texts(pane, QStringLiteral("On my way")).isEmpty());
        QTRY_VERIFY(!texts(pane, QStringLiteral("Are you coming")).isEmpty());
        // The quote names the sender inside the bubble only; the send state
        // shows beside the plain message alone.
        const auto labels = items(pane, [](QQuickItem *item) {
            return item->inherits("QQuickText") && isShowing(item) && item->property("text").toString() == "Zed";
        });
        QCOMPARE(labels.size(), 0);
        QCOMPARE(texts(pane, QStringLiteral("Quote:")).size(), 1);
        const auto stateImages = [&] {
            return images(pane, [](const QString &s) { return s.contains("status_readed_icon"); });
        };
        QTRY_COMPARE(stateImages().size(), 1);
        QVERIFY(stateImages().first()->mapToScene(QPointF()).y()
                > texts(pane, QStringLiteral("On my way")).first()->mapToScene(QPointF()).y() - 40);
    }

    void starredTabHasNoTitleBar()
    {
        const QVariant group = storeWa(waSession(2, QStringLiteral("120363000000000001@g.us"),
                                                 QStringLiteral("Hiking Club"), 2,
                                                 QStringLiteral("_$!<15550103344@s.whatsapp.net>!$_")),
                                       {waText(QStringLiteral("Who brings the map?"), Start)});
        const QVariant starred = storeWa(waSession(3, QStringLiteral("15550107788@s.whatsapp.net"),
                                                   QStringLiteral("Mia to you"), 101),
                                         {waText(QStringLiteral("Keep this one"), Start + 10)});
        storeWaList({group, starred});
        WhatsAppChat::setOwnerNumber(QStringLiteral("15550100000"));
        auto view = show<WhatsAppChat>(DeviceData::WhatsApp);
        QQuickWidget *pane = view->quickWidget();
        QQuickItem *title = byName(pane, QStringLiteral("titleBar"));
        QVERIFY(title);

        view->tabBar()->setCurrentIndex(WhatsAppChat::GroupTab);
        QTRY_VERIFY(!texts(pane, QStringLiteral("Who brings the map?")).isEmpty());
        QVERIFY(title->isVisible());
        QCOMPARE(view->waMessages()->title(),
                 QStringLiteral("To: You(+15550100000), 15550103344(+15550103344)"));
        QTest::qWait(100);
        QVERIFY(!saveShot(view.get(), QStringLiteral("whatsapp-group")).isEmpty());

        view->tabBar()->setCurrentIndex(WhatsAppChat::StarredTab);
        QTRY_VERIFY(!texts(pane, QStringLiteral("Keep this one")).isEmpty());
        QVERIFY(!title->isVisible());
        QCOMPARE(view->currentSessionType(), 101);
        QCOMPARE(view->selectedCount(), 101);

        view->tabBar()->setCurrentIndex(WhatsAppChat::IndividualTab);
        QVERIFY(title->isVisible());
    }

    void everyKindOfLineRow()
    {
        const QString picture = writePicture(QStringLiteral("16500000000003.jpg"), QColor(QStringLiteral("#F5A623")));
        DeviceParser::instance()->setDisplayName(QStringLiteral("u7a1b2c3"), QStringLiteral("Mika"));
        LineInfo photo = lineMessage(1, QString(), Start + 10);
        photo.filePath = picture;
        photo.contentText = QStringLiteral("16500000000003.jpg");
        LineInfo call = lineMessage(6, QString(), Start + 20);
        call.extraNumber = 1;
        call.extraText1 = QStringLiteral("NORMAL");
        call.latitude = 65000;
        LineInfo failed = lineText(QStringLiteral("Did this reach you?"), Start + 30, true);
        failed.sendStatus = 2;
        LineInfo sticker = lineMessage(7, QString(), Start + 40);
        LineInfo ended = lineMessage(18, QStringLiteral("Voice call ended"), Start + 50);
        LineInfo unknown = lineMessage(4, QStringLiteral("not drawn"), Start + 60);
        storeLineList({storeLine(lineSession(1, QStringLiteral("u7a1b2c3"), QStringLiteral("Mika")),
                                 {lineText(QStringLiteral("Are we still on for Sunday?"), Start), photo, call, failed,
                                  sticker, ended, unknown})});
        auto view = show<LineChat>(DeviceData::Line);
        QQuickWidget *pane = view->quickWidget();
        QTRY_COMPARE(images(pane, [](const QString &s) { return s.startsWith("image://LineProvider/", Qt::CaseInsensitive); }).size(), 1);
        QTRY_VERIFY(!texts(pane, QStringLiteral("Video call 01:05")).isEmpty());
        QCOMPARE(texts(pane, QStringLiteral("Failed to send")).size(), 1);
        QCOMPARE(images(pane, [](const QString &s) { return s.endsWith("emojis_invalid.png"); }).size(), 1);
        QVERIFY(!texts(pane, QStringLiteral("Voice call ended")).isEmpty());
        // The content type the pane does not draw keeps its time stamp only.
        QVERIFY(texts(pane, QStringLiteral("not drawn")).isEmpty());
        QCOMPARE(view->lineMessages()->totalRows(), 13);
        QCOMPARE(view->lineMessages()->title(), QStringLiteral("To: Mika"));
        QTest::qWait(100);
        QVERIFY(!saveShot(view.get(), QStringLiteral("line")).isEmpty());
    }

    void lineKeepShowsKeptItemsOfAKind()
    {
        const QString picture = writePicture(QStringLiteral("kept.png"), QColor(QStringLiteral("#7ED321")));
        LineInfo photo = lineMessage(1, QString(), Start + 10, true);
        photo.filePath = picture;
        photo.contentText = QStringLiteral("kept.png");
        storeLineList({storeLine(lineSession(1, QStringLiteral("u7a1b2c3"), QStringLiteral("Mika")),
                                 {lineText(QStringLiteral("Hello"), Start)}),
                       storeLine(lineSession(9, QStringLiteral("keep"), QStringLiteral("LINE Keep"), 100),
                                 {lineText(QStringLiteral("Passport number"), Start + 5, true), photo})});
        auto view = show<LineChat>(DeviceData::Line);
        QQuickWidget *pane = view->quickWidget();
        QQuickItem *title = byName(pane, QStringLiteral("titleBar"));
        view->tabBar()->setCurrentIndex(LineChat::KeepTab);
        QTRY_VERIFY(!texts(pane, QStringLiteral("Passport number")).isEmpty());
        QVERIFY(!title->isVisible());
        QVERIFY(view->keepHeader()->isVisible());
        QVERIFY(!view->listView()->isVisible());
        QVERIFY(images(pane, [](const QString &s) { return s.startsWith("image://"); }).isEmpty());
        QTest::qWait(100);
        QVERIFY(!saveShot(view.get(), QStringLiteral("line-keep")).isEmpty());

        // Photos: the picture, not the text.
        QListView *kinds = view->keepHeader()->listView();
        QTest::mouseClick(kinds->viewport(), Qt::LeftButton, Qt::NoModifier,
                          kinds->visualRect(kinds->model()->index(1, 0)).center());
        QTRY_COMPARE(images(pane, [](const QString &s) { return s.startsWith("image://LineProvider/", Qt::CaseInsensitive); }).size(), 1);
        QVERIFY(texts(pane, QStringLiteral("Passport number")).isEmpty());
    }

    void followsTheLanguage()
    {
        storeLineList({storeLine(lineSession(1, QStringLiteral("u7a1b2c3"), QStringLiteral("Mika")),
                                 {lineText(QStringLiteral("Hi"), Start)})});
        auto view = show<LineChat>(DeviceData::Line);
        QAccessibleInterface *pane = QAccessible::queryAccessibleInterface(view->quickWidget());
        QTRY_VERIFY(findAccessible(pane, QAccessible::Button, QStringLiteral("Copy")));
        QTranslator german;
        QVERIFY(german.load(QStringLiteral(":/translations/de-de.qm")));
        QCoreApplication::installTranslator(&german);
        const auto tabNames = [&] {
            QStringList names;
            for (QAbstractButton *button : view->tabBar()->findChildren<QAbstractButton *>())
                names << button->accessibleName();
            return names;
        };
        QTRY_COMPARE(tabNames(), (QStringList{"Einzelchats", "Gruppenchats", "LINE Keep"}));
        QCOMPARE(view->listView()->accessibleName(), QStringLiteral("Unterhaltungen"));
        QCOMPARE(view->keepHeader()->listView()->accessibleName(), QStringLiteral("LINE-Keep-Typen"));
        QCOMPARE(view->keepHeader()->listView()->model()->index(0, 0).data(Qt::AccessibleTextRole).toString(),
                 QStringLiteral("Texte"));
        QTRY_VERIFY(findAccessible(pane, QAccessible::Button, QStringLiteral("Kopieren")));
        QCoreApplication::removeTranslator(&german);
        QTRY_COMPARE(tabNames(), (QStringList{"Individual message", "Group message", "LINE Keep"}));
    }

    void assistiveToolsReadThePane()
    {
        auto view = showWhatsApp({waText(QStringLiteral("First <one>"), Start),
                                  waPicture(m_files.filePath(QStringLiteral("none.jpg")), Start + 60, false, true)});
        QAccessibleInterface *pane = QAccessible::queryAccessibleInterface(view->quickWidget());
        QAccessibleInterface *list = nullptr;
        QTRY_VERIFY((list = findAccessible(pane, QAccessible::List, QStringLiteral("Messages"))) != nullptr);
        QVERIFY(findAccessible(pane, QAccessible::Heading, QStringLiteral("To: 15550107788(+15550107788)")));
        QStringList tree;
        QTRY_VERIFY((tree.clear(), accessibleTree(list, tree), tree.contains(QStringLiteral("%1:%2").arg(
                                                                   int(QAccessible::StaticText)).arg(kMissingHint))));
        QVERIFY2(tree.contains(QStringLiteral("%1:%2").arg(int(QAccessible::StaticText)).arg(timeOf(Start))),
                 qPrintable(tree.join('|')));
        QAccessibleInterface *bubble = findAccessible(list, QAccessible::StaticText, QStringLiteral("First <one>"));
        QVERIFY2(bubble, qPrintable(tree.join('|')));
        QCOMPARE(bubble->childCount(), 0);
        QVERIFY(findAccessible(list, QAccessible::Button, QStringLiteral("Copy")));
        // The sessions list and its row.
        QAccessibleInterface *sessions = QAccessible::queryAccessibleInterface(view->listView());
        QCOMPARE(sessions->text(QAccessible::Name), QStringLiteral("Conversations"));
        QCOMPARE(view->listView()->model()->index(0, 0).data(Qt::AccessibleTextRole).toString(),
                 QStringLiteral("Mia Rossi"));
        QCOMPARE(view->listView()->model()->index(0, 0).data(Qt::AccessibleDescriptionRole).toString(),
                 dayOf(Start + 60) + QStringLiteral(" [Photos]"));
    }
};

QTEST_MAIN(ChatPaneTest)
#include "chatpane_test.moc"
