// The conversation list of the message view: its model's pages, the proxy's
// order, the row's hit area, what a row paints and what assistive tools read.
#include "chatfixtures.h"
#include "chatinit.h"
#include "itemroles.h"
#include "natsmsitemdelegate.h"
#include "natsmslistmodel.h"
#include "natsmsproxymodel.h"
#include "natsmsview.h"
#include "shots.h"
#include "widgetkit.h"

#include <QImage>
#include <QListView>
#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace ChatFixtures;
using DeviceData::SMSInfo;

namespace
{
    QVariant record(const QString &key, const QString &name, const QList<SMSInfo> &messages, bool deleted = false)
    {
        return QVariant::fromValue(conversation(key, name, messages, deleted));
    }

    QList<QVariant> records(int n)
    {
        QList<QVariant> list;
        for (int i = 0; i < n; ++i)
            list << record(QString::number(i), QStringLiteral("Person %1").arg(i),
                           {text(QStringLiteral("Text %1").arg(i), 1600000000 + i)});
        return list;
    }

    QImage paintRow(NatSmsItemDelegate &delegate, const QModelIndex &index, const QSize &size)
    {
        QImage image(size, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        QStyleOptionViewItem option;
        option.rect = QRect(QPoint(0, 0), size);
        option.state = QStyle::State_Enabled;
        delegate.paint(&painter, option, index);
        return image;
    }
}

class ConversationListTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        initChatTests();
    }

    void init() { DeviceParser::instance()->clearAll(); }

    void pages()
    {
        NatSmsListModel model;
        model.setPagedList(records(250));
        QCOMPARE(model.rowCount(), 100);
        QVERIFY(model.canFetchMore(QModelIndex()));
        model.fetchMore(QModelIndex());
        QCOMPARE(model.rowCount(), 200);
        model.fetchMore(QModelIndex());
        QCOMPARE(model.rowCount(), 250);
        QVERIFY(!model.canFetchMore(QModelIndex()));
        QCOMPARE(model.recordCount(), 250);

        // A record beyond the pages shown waits for its page.
        model.setPagedList(records(150));
        model.appendRecord(record(QStringLiteral("x"), QStringLiteral("Late"), {}));
        QCOMPARE(model.rowCount(), 100);
        model.loadAll();
        QCOMPARE(model.rowCount(), 151);
        QCOMPARE(model.rowOfKey(QStringLiteral("x")), 150);
        model.appendRecord(record(QStringLiteral("y"), QStringLiteral("Later"), {}));
        QCOMPARE(model.rowCount(), 152);
    }

    void proxyOrder_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("newest first") << 0 << QStringList{"b", "c", "a"};
        QTest::newRow("the list's order") << -1 << QStringList{"a", "b", "c"};
    }

    void proxyOrder()
    {
        QFETCH(int, column);
        QFETCH(QStringList, order);
        NatSmsListModel model;
        NatSmsProxyModel proxy;
        proxy.setSourceModel(&model);
        proxy.setDynamicSortFilter(true);
        QList<QVariant> list{record("a", "A", {text("x", 100)}), record("b", "B", {text("x", 200)}),
                             record("c", "C", {text("x", 150)}), record("hidden", "H", {text("x", 300)})};
        DeviceData::SMSSessionInfo hidden = sessionOf(list.last());
        hidden.valid = false;
        list.last() = QVariant::fromValue(hidden);
        model.setPagedList(list);
        proxy.sort(0, Qt::AscendingOrder);
        proxy.sort(column, Qt::AscendingOrder);
        QStringList shown;
        for (int row = 0; row < proxy.rowCount(); ++row)
            shown << sessionOf(proxy.index(row, 0).data()).key;
        QCOMPARE(shown, order);
    }

    void hitArea_data()
    {
        QTest::addColumn<int>("dx");
        QTest::addColumn<int>("dy");
        QTest::addColumn<bool>("ticks");
        // The box is painted from x + 15, but clicks count from x + 20.
        QTest::newRow("x + 17, on the painted box") << 17 << 0 << false;
        QTest::newRow("x + 22") << 22 << 0 << true;
        QTest::newRow("x + 39") << 39 << 0 << true;
        QTest::newRow("x + 41") << 41 << 0 << false;
        QTest::newRow("x + 22, below the box") << 22 << 12 << false;
    }

    void hitArea()
    {
        QFETCH(int, dx);
        QFETCH(int, dy);
        QFETCH(bool, ticks);
        storeConversations(3);
        NatSmsView view(DeviceData::Messages);
        view.resize(900, 500);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.setDataList(storedList());
        view.setCheckEnabled(true);
        QListView *list = view.listView();
        const QRect row = list->visualRect(view.proxyModel()->index(1, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(row.x() + dx, row.center().y() + dy));
        QCOMPARE(view.checkedCount(), ticks ? 1 : 0);
        QCOMPARE(view.proxyModel()->index(1, 0).data(CheckStateRole).toInt(), ticks ? 2 : 0);
    }

    void previews_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("preview");
        QTest::newRow("video") << int(DeviceData::VideoKind) << "[Videos]";
        QTest::newRow("audio") << int(DeviceData::AudioKind) << "[Audios]";
        QTest::newRow("photo") << int(DeviceData::ImageKind) << "[Photos]";
        QTest::newRow("pdf") << int(DeviceData::PdfKind) << "[Attachment]";
        QTest::newRow("text, as sent, first 80") << int(DeviceData::NoAttachmentKind)
                                                 << "<i>" + QString(76, QLatin1Char('w')) + "<";
    }

    void previews()
    {
        QFETCH(int, kind);
        QFETCH(QString, preview);
        SMSInfo message = kind == DeviceData::NoAttachmentKind
                              ? text("&lt;i&gt;" + QString(76, QLatin1Char('w')) + "&lt;/i&gt;", 1600000000)
                              : attachment(kind, QStringLiteral("file"), 1600000000);
        NatSmsListModel model;
        model.setPagedList({record("k", "Ann", {message})});
        const QModelIndex index = model.index(0);
        QCOMPARE(index.data(Qt::AccessibleTextRole).toString(), QStringLiteral("Ann"));
        QCOMPARE(index.data(Qt::AccessibleDescriptionRole).toString(), message.dayText + " " + preview);
        // A preview message, when set, is previewed instead.
        DeviceData::SMSSessionInfo session = sessionOf(index.data());
        session.extra = QVariant::fromValue(text(QStringLiteral("Other"), 1600000000));
        model.replaceRecord(0, QVariant::fromValue(session));
        QCOMPARE(index.data(Qt::AccessibleDescriptionRole).toString(), message.dayText + " Other");
    }

    void rolesForTools()
    {
        NatSmsListModel model;
        QVariant checkable = record("a", QString(200, QLatin1Char('n')), {text("x", 1)});
        QVariant deleted = record("b", "B", {text("x", 2)}, true);
        DeviceData::setCheckable(deleted, false);
        DeviceData::setCheckState(checkable, 2);
        model.setPagedList({checkable, deleted});
        const QModelIndex first = model.index(0);
        const QModelIndex second = model.index(1);
        QCOMPARE(first.data(Qt::AccessibleTextRole).toString(), QString(80, QLatin1Char('n')));
        QCOMPARE(first.data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
        QVERIFY(model.flags(first) & Qt::ItemIsUserCheckable);
        QCOMPARE(second.data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
        QVERIFY(!(model.flags(second) & Qt::ItemIsUserCheckable));
        QCOMPARE(second.data(Qt::ForegroundRole).value<QColor>(), QColor(QStringLiteral("#e73e28")));
        QCOMPARE(second.data(DeletedRole).toBool(), true);
        // A tick goes through the view, never through Qt's own role.
        QVERIFY(!model.setData(first, Qt::Unchecked, Qt::CheckStateRole));
        QCOMPARE(first.data(CheckStateRole).toInt(), 2);
        QVERIFY(model.setData(first, 0, CheckStateRole));
        QCOMPARE(first.data(CheckStateRole).toInt(), 0);
    }

    void avatarsArriveFromTheLoader()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("avatar.png"));
        QImage red(100, 100, QImage::Format_RGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(path));
        NatSmsListModel model;
        DeviceData::SMSSessionInfo session = conversation("a", "Ana", {text("Hi", 1600000000)});
        session.avatar = path;
        model.setPagedList({QVariant::fromValue(session)});
        NatSmsItemDelegate delegate;
        QSignalSpy arrived(&delegate, &NatSmsItemDelegate::pictureArrived);
        const QPoint centre(46 + 18, (55 - 36) / 2 + 18);
        // Painting never decodes: the default picture shows until then.
        QVERIFY(paintRow(delegate, model.index(0), QSize(400, 55)).pixelColor(centre) != QColor(Qt::red));
        QVERIFY(arrived.count() > 0 || arrived.wait(5000));
        QCOMPARE(paintRow(delegate, model.index(0), QSize(400, 55)).pixelColor(centre), QColor(Qt::red));

        // One that cannot be read keeps the default picture.
        const QString damaged = folder.filePath(QStringLiteral("damaged.png"));
        QFile file(damaged);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("\x89PNG not really");
        file.close();
        session.avatar = damaged;
        model.setPagedList({QVariant::fromValue(session)});
        const QColor before = paintRow(delegate, model.index(0), QSize(400, 55)).pixelColor(centre);
        QVERIFY(arrived.wait(5000));
        QCOMPARE(paintRow(delegate, model.index(0), QSize(400, 55)).pixelColor(centre), before);
    }

    void rowPainting()
    {
        NatSmsListModel model;
        SMSInfo undated = text("Hello there", 1600000000);
        undated.dayText.clear();
        model.setPagedList({record("a", QString(200, QLatin1Char('W')), {undated})});
        NatSmsItemDelegate delegate;
        const QImage image = paintRow(delegate, model.index(0), QSize(400, 55));
        // The default avatar, round: its centre is drawn, its corner is not.
        const QRect avatar(46, (55 - 36) / 2, 36, 36);
        QVERIFY(image.pixelColor(avatar.center()) != QColor(Qt::white));
        QCOMPARE(image.pixelColor(avatar.topLeft() + QPoint(1, 1)), QColor(Qt::white));
        // The long name is cut inside its rectangle (90 to 324): nothing is
        // drawn past it.
        for (int y = 5; y < 33; ++y)
            for (int x = 325; x < 400; ++x)
                QCOMPARE(image.pixelColor(x, y), QColor(Qt::white));
        bool drawn = false;
        for (int x = 90; x < 400 - 76 && !drawn; ++x)
            drawn = image.pixelColor(x, 18) != QColor(Qt::white);
        QVERIFY(drawn);

        // The same on screen, in the view.
        storeList({storeConversation("+1", QString(200, QLatin1Char('W')), {text("Hello there", 1600000000)}),
                   storeConversation("+2", "Bob <b>", {text("&lt;b&gt;bold&lt;/b&gt;", 1600000100)}, true)});
        NatSmsView view(DeviceData::Messages);
        view.resize(900, 300);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.setDataList(storedList());
        view.setCheckEnabled(true);
        // The pane draws on its next frame.
        QTest::qWait(100);
        QVERIFY(!saveShot(&view, QStringLiteral("rows")).isEmpty());
    }
};

QTEST_MAIN(ConversationListTest)
#include "conversationlist_test.moc"
