// The QML pane of the message view, drawn by Qt Quick's software back end.
#include "chatfixtures.h"
#include "chatinit.h"
#include "chattext.h"
#include "messageboxscript.h"
#include "natsmsmodel.h"
#include "natsmsview.h"
#include "shots.h"
#include "widgetkit.h"

#include <QAccessible>
#include <QClipboard>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QQuickItem>
#include <QQuickWidget>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTranslator>
#include <QListView>
#include <QtTest>

#include <functional>
#include <memory>

using namespace ChatFixtures;

// At global scope, as Q_INIT_RESOURCE requires.
static void registerTranslations()
{
    Q_INIT_RESOURCE(quenrow_translations);
}

namespace
{
    void collect(QQuickItem *item, const std::function<bool(QQuickItem *)> &wanted, QList<QQuickItem *> &found)
    {
        if (!item)
            return;
        if (wanted(item))
            found.append(item);
        for (QQuickItem *child : item->childItems())
            collect(child, wanted, found);
    }

    QList<QQuickItem *> itemsOf(NatSmsView &view, const std::function<bool(QQuickItem *)> &wanted)
    {
        QList<QQuickItem *> found;
        collect(view.quickWidget()->rootObject(), wanted, found);
        return found;
    }

    bool isText(QQuickItem *item, const QString &text)
    {
        return item->inherits("QQuickText") && item->property("text").toString() == text;
    }

    // The rows' images whose source is url.
    QList<QQuickItem *> imagesShowing(NatSmsView &view, const QString &url)
    {
        return itemsOf(view, [&](QQuickItem *item) {
            return item->inherits("QQuickImage") && item->property("source").toUrl().toString() == url;
        });
    }

    // The accessible children of the pane, depth first, as role and name.
    void accessibleTree(QAccessibleInterface *node, QStringList &out, int depth = 0)
    {
        for (int i = 0; node && i < node->childCount() && depth < 12; ++i) {
            QAccessibleInterface *child = node->child(i);
            if (!child)
                continue;
            out << QStringLiteral("%1:%2").arg(int(child->role())).arg(child->text(QAccessible::Name));
            accessibleTree(child, out, depth + 1);
        }
    }

    QAccessibleInterface *findAccessible(QAccessibleInterface *node, QAccessible::Role role, const QString &name)
    {
        for (int i = 0; node && i < node->childCount(); ++i) {
            QAccessibleInterface *child = node->child(i);
            if (!child)
                continue;
            if (child->role() == role && child->text(QAccessible::Name) == name)
                return child;
            if (QAccessibleInterface *deeper = findAccessible(child, role, name))
                return deeper;
        }
        return nullptr;
    }
}

class MessagePaneTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<NatSmsView> m_view;
    QTemporaryDir m_files;

    // One conversation of every kind of row; shown in a window.
    NatSmsView &showConversation(const QList<DeviceData::SMSInfo> &messages, bool enabled = true)
    {
        storeList({storeConversation(QStringLiteral("+15550001"), QStringLiteral("Ann"), messages)});
        m_view = std::make_unique<NatSmsView>(DeviceData::Messages);
        m_view->resize(1000, 640);
        m_view->show();
        if (!QTest::qWaitForWindowExposed(m_view.get()))
            qFatal("no window");
        m_view->setDataList(storedList());
        m_view->setCheckEnabled(enabled);
        // The rows are made as the scene is laid out.
        QTest::qWait(50);
        return *m_view;
    }

    QString writePicture(const QString &name)
    {
        QImage image(120, 80, QImage::Format_RGB32);
        image.fill(QColor(QStringLiteral("#558AF8")));
        const QString path = m_files.filePath(name);
        image.save(path, "PNG");
        return path;
    }

private slots:
    void initTestCase()
    {
        registerTranslations();
        QVERIFY(m_files.isValid());
        initChatTests();
    }

    void init() { DeviceParser::instance()->clearAll(); }
    void cleanup() { m_view.reset(); }

    void everyKindOfRow()
    {
        const QString picture = writePicture(QStringLiteral("beach.png"));
        DeviceData::SMSInfo unsent = text(QStringLiteral("Did this go?"), 1600000300, true);
        unsent.error = 4;
        NatSmsView &view = showConversation({
            text(QStringLiteral("Lunch at https://example.com/menu or call 13812345678"), 1600000000, false,
                 QStringLiteral("Plans")),
            attachment(DeviceData::ImageKind, QStringLiteral("beach.png"), 1600000100, picture, picture),
            attachment(DeviceData::VideoKind, QStringLiteral("clip.mov"), 1600000150, QStringLiteral("/nope/clip.mov"),
                       QStringLiteral("/nope/clip.jpg")),
            attachment(DeviceData::PdfKind, QStringLiteral("menu.pdf"), 1600000200, QStringLiteral("/nope/menu.pdf"),
                       QStringLiteral(":/Images/media/pdf.png"), QStringLiteral("1.2MB")),
            unsent,
        });
        // Only the unsent message of mine says so.
        auto unsentLabels = [&] {
            return itemsOf(view, [](QQuickItem *i) { return isText(i, QStringLiteral("Unsent")) && i->isVisible(); });
        };
        QTRY_COMPARE(unsentLabels().size(), 1);
        QCOMPARE(unsentLabels().first()->property("color").value<QColor>(), QColor(QStringLiteral("#e73e28")));
        // The picture that is there shows; the video's still is missing: the logo.
        QTRY_COMPARE(imagesShowing(view, QUrl::fromLocalFile(picture).toString()).size(), 1);
        QTRY_VERIFY(imagesShowing(view, QStringLiteral("qrc:/Images/app_logo_128_gray.png")).size() >= 1);
        QTest::qWait(100);
        QVERIFY(!saveShot(&view, QStringLiteral("messages")).isEmpty());
    }

    void markupInAMessageIsText()
    {
        NatSmsView &view = showConversation({text(QStringLiteral("&lt;b&gt;x&lt;/b&gt;"), 1600000000)});
        QList<QQuickItem *> bodies;
        QTRY_VERIFY(!(bodies = itemsOf(view, [](QQuickItem *i) {
                          return i->inherits("QQuickText") && i->property("text").toString().contains("&lt;b&gt;");
                      })).isEmpty());
        QQuickItem *body = bodies.first();
        // Laid out as the eight characters, not as a bold "x".
        const QFont font = body->property("font").value<QFont>();
        const qreal width = body->property("implicitWidth").toReal();
        QVERIFY2(qAbs(width - QFontMetricsF(font).horizontalAdvance(QStringLiteral("<b>x</b>"))) < 2,
                 qPrintable(QString::number(width)));
        QVERIFY(!saveShot(&view, QStringLiteral("markup")).isEmpty());

        // Copy puts the text as sent on the clipboard.
        QGuiApplication::clipboard()->clear();
        view.messageModel()->tryToUse(QStringLiteral("copy-message"), view.messageModel()->index(1).data(
                                                                          NatSmsModel::SourceMessageRole));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("<b>x</b>"));
    }

    void linksAreWebAddressesOnly()
    {
        NatSmsView &view = showConversation(
            {text(QStringLiteral("https://example.com/?a=1&b=2 javascript:alert(1)"), 1600000000)});
        QList<QQuickItem *> bodies;
        QTRY_VERIFY(!(bodies = itemsOf(view, [](QQuickItem *i) {
                          return i->inherits("QQuickText") && i->property("text").toString().contains("href");
                      })).isEmpty());
        QQuickItem *body = bodies.first();
        auto linkAt = [body](qreal x) {
            QString link;
            QMetaObject::invokeMethod(body, "linkAt", Q_RETURN_ARG(QString, link), Q_ARG(qreal, x),
                                      Q_ARG(qreal, body->height() / 2));
            return link;
        };
        const QString link = linkAt(10);
        QVERIFY(!link.isEmpty());
        QCOMPARE(ChatText::linkTarget(link), QStringLiteral("https://example.com/?a=1&b=2"));
        // The script after it is text.
        QVERIFY(linkAt(body->width() - 10).isEmpty());
    }

    void iconsWaitForTheScanToEnd()
    {
        const QString picture = writePicture(QStringLiteral("cat.png"));
        NatSmsView &view = showConversation(
            {text(QStringLiteral("Hi"), 1600000000),
             attachment(DeviceData::ImageKind, QStringLiteral("cat.png"), 1600000100, picture, picture)},
            false);
        auto icons = [&] {
            return itemsOf(view, [](QQuickItem *i) {
                const QString source = i->property("source").toUrl().toString();
                return i->inherits("QQuickImage") && (source.endsWith("copy.png") || source.endsWith("export.png"));
            });
        };
        QTRY_COMPARE(icons().size(), 2);
        QSignalSpy exported(&view, &NatSmsView::exported);
        for (QQuickItem *icon : icons()) {
            QVERIFY(!icon->isEnabled());
            const QPointF centre = icon->mapToScene(QPointF(14, 14));
            QTest::mouseClick(view.quickWidget(), Qt::LeftButton, Qt::NoModifier, centre.toPoint());
        }
        QTest::qWait(50);
        QCOMPARE(exported.count(), 0);

        view.setCheckEnabled(true);
        for (QQuickItem *icon : icons())
            QVERIFY(icon->isEnabled());
        QQuickItem *exportIcon = nullptr;
        for (QQuickItem *icon : icons())
            if (icon->property("source").toUrl().toString().endsWith("export.png"))
                exportIcon = icon;
        QVERIFY(exportIcon);
        QTest::mouseClick(view.quickWidget(), Qt::LeftButton, Qt::NoModifier,
                          exportIcon->mapToScene(QPointF(14, 14)).toPoint());
        QTRY_COMPARE(exported.count(), 1);
        QCOMPARE(exported.first(), (QList<QVariant>{picture, QStringLiteral("cat.png")}));
    }

    void assistiveToolsReadThePane()
    {
        NatSmsView &view = showConversation({text(QStringLiteral("First <one>"), 1600000000, false,
                                                  QStringLiteral("Hello")),
                                             text(QStringLiteral("Second"), 1600000060, true)});
        QAccessibleInterface *pane = QAccessible::queryAccessibleInterface(view.quickWidget());
        QVERIFY(pane);
        QAccessibleInterface *list = nullptr;
        QTRY_VERIFY((list = findAccessible(pane, QAccessible::List, QStringLiteral("Messages"))) != nullptr);
        QCOMPARE(list->parent(), pane);
        QAccessibleInterface *title = findAccessible(pane, QAccessible::Heading, QStringLiteral("To: +15550001"));
        QVERIFY(title);
        QStringList tree;
        accessibleTree(list, tree);
        const QString stamp = QDateTime::fromSecsSinceEpoch(1600000000).toString("yyyy-MM-dd hh:mm:ss");
        QVERIFY2(tree.contains(QStringLiteral("%1:%2").arg(int(QAccessible::StaticText)).arg(stamp)),
                 qPrintable(tree.join('|')));
        QVERIFY2(tree.contains(QStringLiteral("%1:Hello\nFirst <one>").arg(int(QAccessible::StaticText))),
                 qPrintable(tree.join('|')));
        QAccessibleInterface *bubble = findAccessible(list, QAccessible::StaticText, QStringLiteral("Second"));
        QVERIFY(bubble);
        QCOMPARE(bubble->childCount(), 0);
        QVERIFY(!bubble->state().invisible);
        // On the widget, where the window shows it.
        const QRect widget(view.quickWidget()->mapToGlobal(QPoint(0, 0)), view.quickWidget()->size());
        QVERIFY(widget.contains(bubble->rect()));
        QCOMPARE(pane->childAt(bubble->rect().center().x(), bubble->rect().center().y()), list);

        // Copy, pressed by the tool, copies: once the tool's call has returned.
        QAccessibleInterface *copy = findAccessible(list, QAccessible::Button, QStringLiteral("Copy"));
        QVERIFY(copy && copy->actionInterface());
        QVERIFY(copy->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
        QGuiApplication::clipboard()->clear();
        copy->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
        QTRY_VERIFY(!QGuiApplication::clipboard()->text().isEmpty());
        QVERIFY(QStringList({"Hello\nFirst <one>", "Second"}).contains(QGuiApplication::clipboard()->text()));

        // Hidden with its view: not showing.
        view.hide();
        QVERIFY(bubble->state().invisible);
    }

    void followsTheLanguage()
    {
        NatSmsView &view = showConversation({text(QStringLiteral("Hi"), 1600000000)});
        QAccessibleInterface *pane = QAccessible::queryAccessibleInterface(view.quickWidget());
        QTRY_VERIFY(findAccessible(pane, QAccessible::Button, QStringLiteral("Copy")));
        QTranslator german;
        QVERIFY(german.load(QStringLiteral(":/translations/de-de.qm")));
        QCoreApplication::installTranslator(&german);
        QTRY_COMPARE(view.listView()->accessibleName(), QStringLiteral("Unterhaltungen"));
        QTRY_VERIFY(findAccessible(pane, QAccessible::List, QStringLiteral("Nachrichten")));
        QVERIFY(findAccessible(pane, QAccessible::Button, QStringLiteral("Kopieren")));
        QCoreApplication::removeTranslator(&german);
        QTRY_COMPARE(view.listView()->accessibleName(), QStringLiteral("Conversations"));
    }

    void exportNoticeIsShownOutsideTheClick()
    {
        NatSmsView &view = showConversation({text(QStringLiteral("Hi"), 1600000000)});
        MessageBoxScript script({1});
        view.messageModel()->tryToUse();
        QCOMPARE(script.shown().size(), 0);
        QTRY_COMPARE(script.shown().size(), 1);
        QCOMPARE(script.shown().first().text, QStringLiteral("Please export the data locally for viewing."));
        QCOMPARE(script.shown().first().buttons, QStringList{QStringLiteral("OK")});
    }
};

QTEST_MAIN(MessagePaneTest)
#include "messagepane_test.moc"
