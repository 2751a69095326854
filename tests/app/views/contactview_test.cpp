#include "contactinfodelegate.h"
#include "contactitemdelegate.h"
#include "contactlabels.h"
#include "contactlistmodel.h"
#include "contactview.h"
#include "itemroles.h"
#include "picturefiles.h"
#include "recordlistproxymodel.h"
#include "shots.h"
#include "thumbnailloader.h"
#include "viewfixtures.h"
#include "widgetkit.h"
#include "ximagebox.h"
#include "xlabel.h"

#include <QAccessible>
#include <QListView>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using namespace ViewFixtures;
using DeviceData::ContactInfo;

namespace
{
    QStringList shownNames(ContactView &view)
    {
        return shownTexts(view.proxyModel(), 0);
    }

    // The detail rows as assistive tools read them.
    QStringList detailRows(ContactView &view)
    {
        return shownTexts(view.fieldModel(), 0);
    }

    void waitForTheLoader()
    {
        QTRY_COMPARE_WITH_TIMEOUT(ThumbnailLoader::instance()->pendingCount(), 0, 15000);
        QCoreApplication::processEvents();
    }

    QVariant fullContact()
    {
        ContactInfo record;
        record.sortName = QStringLiteral("Ada Lovelace");
        record.organization = QStringLiteral("Analytical Engines Ltd");
        record.phones = {{QStringLiteral("_$!<Mobile>!$_"), QStringLiteral("(919) 555-0100")},
                         {QStringLiteral("_$!<Work>!$_"), QString()},
                         {QStringLiteral("iPhone"), QStringLiteral("+44 20 7946 0000")}};
        record.emails = {{QStringLiteral("_$!<Home>!$_"), QStringLiteral("ada@example.org")}};
        record.addresses = {{QStringLiteral("_$!<Home>!$_"), QStringLiteral("12 St James's Square<br>London<br>SW1Y 4JH")}};
        record.birthday = QStringLiteral("1815-12-10");
        record.relatedNames = {{QStringLiteral("_$!<Mother>!$_"), QStringLiteral("Anne Isabella")}};
        record.instantMessaging = {{QStringLiteral("_$!<Skype>!$_"), QStringLiteral("ada.l")}};
        record.note = QStringLiteral("Wrote the first program");
        record.finished = true;
        return QVariant::fromValue(record);
    }
}

class ContactViewTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        initWidgetKit();
        // The application's sheet, as the program loads it.
        qApp->setStyleSheet(QStringLiteral("file:///:/CSS/global.css"));
        DeviceData::registerMetaTypes();
        QVERIFY(m_dir.isValid());
    }

    void init()
    {
        DeviceParser::instance()->clearAll();
        ThumbnailLoader::instance()->clearCache();
    }

    void pagesAHundredAtATime()
    {
        ContactListModel model;
        model.setRecords(contacts(250));
        QList<int> shown{model.rowCount()};
        for (int i = 0; i < 3; ++i) {
            model.fetchMore(QModelIndex());
            shown << model.rowCount();
        }
        QCOMPARE(shown, (QList<int>{100, 200, 250, 250}));
        QVERIFY(!model.canFetchMore(QModelIndex()));
        QCOMPARE(ContactListModel::contactOf(model.record(249)).sortName, QStringLiteral("Contact 249"));
    }

    void filter_data()
    {
        QTest::addColumn<QList<QVariant>>("records");
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("names");
        const QList<QVariant> people{
            contact("Mobile Mary", {{"_$!<Home>!$_", "+1 555 0100"}}),
            contact("Nora", {{"_$!<Mobile>!$_", "+1 555 0199"}}),
            contact("Dot.Com", {{"_$!<Work>!$_", "12345"}}, true),
            contact("Xavier", {{"_$!<Work>!$_", "1+2"}}, true),
            contact("Zed", {{"_$!<Home>!$_", "999"}}),
        };
        QTest::newRow("a phone value") << people << "0199" << 0 << QStringList{"Nora"};
        QTest::newRow("only a label holds it") << people << "<Mobile>" << 0 << QStringList{};
        QTest::newRow("the name, any case") << people << "mOBILE" << 0 << QStringList{"Mobile Mary"};
        QTest::newRow("a dot is a dot") << people << "." << 0 << QStringList{"Dot.Com"};
        QTest::newRow("a plus is a plus") << people << "1+" << 0 << QStringList{"Xavier"};
        QTest::newRow("deleted without keyword") << people << "" << 2 << QStringList{"Dot.Com", "Xavier"};
        QTest::newRow("deleted with keyword") << people << "x" << 2 << QStringList{"Xavier"};
        QTest::newRow("existing with keyword") << people << "9" << 1 << QStringList{"Nora", "Zed"};
    }

    void filter()
    {
        QFETCH(QList<QVariant>, records);
        QFETCH(QString, keyword);
        QFETCH(int, mode);
        QFETCH(QStringList, names);
        ContactView view(0, DeviceData::Contacts);
        view.setDataList(records);
        view.setFilterMode(mode);
        view.search(keyword);
        QCOMPARE(shownNames(view), names);
    }

    void labels_data()
    {
        QTest::addColumn<int>("list");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("text");
        using namespace ContactLabels;
        // Each list: a key of its table, a custom label inside the markers,
        // empty markers, an empty label and a plain label.
        const QList<std::tuple<int, const char *, QString, QString, QString>> lists{
            {Phones, "phones", "_$!<Mobile>!$_", "Mobile Number", "Other Number"},
            {Emails, "emails", "_$!<iCloud>!$_", "iCloud Email", "Other Email"},
            {Urls, "urls", "_$!<Homepage>!$_", "Homepage", "Other URL"},
            {Addresses, "addresses", "_$!<Work>!$_", "Work Address", "Other Address"},
            {Dates, "dates", "_$!<Anniversary>!$_", "Anniversary", "Other dates"},
            {RelatedNames, "related names", "_$!<Colleague>!$_", "Co-worker", "Other relationships"},
            {SocialProfiles, "social profiles", "_$!<SinaWeibo>!$_", "Sina Weibo", "Other social profile"},
            {InstantMessages, "instant messages", "_$!<Yahoo>!$_", "Yahoo! Messenger", "Other instant message"},
        };
        for (const auto &[list, name, key, text, fallback] : lists) {
            QTest::addRow("%s: key", name) << list << key << text;
            QTest::addRow("%s: custom inside", name) << list << "_$!<Cabin>!$_" << "Cabin";
            QTest::addRow("%s: empty marker", name) << list << "_$!<>!$_" << fallback;
            QTest::addRow("%s: empty label", name) << list << "" << fallback;
            QTest::addRow("%s: plain label", name) << list << "Boat phone" << "Boat phone";
        }
        QTest::newRow("phones: iphone in lower case") << int(Phones) << "iphone 15" << "iPhone Number";
        QTest::newRow("phones: IPHONE") << int(Phones) << "IPHONE" << "iPhone Number";
        QTest::newRow("phones: marker iPhone") << int(Phones) << "_$!<iPhone>!$_" << "iPhone Number";
        QTest::newRow("social: plain key") << int(SocialProfiles) << "twitter" << "Twitter";
        QTest::newRow("instant: facebook marker") << int(InstantMessages) << "_$!<Facebook>!$_"
                                                  << "Facebook Messenger";
        QTest::newRow("phones: markers in a longer label") << int(Phones) << "x_$!<Home>!$_" << "x_$!<Home>!$_";
    }

    void labels()
    {
        QFETCH(int, list);
        QFETCH(QString, label);
        QFETCH(QString, text);
        QCOMPARE(ContactLabels::text(ContactLabels::List(list), label), text);
    }

    void detailRowsInOrderWithoutEmptyValues()
    {
        ContactView view(0, DeviceData::Contacts);
        view.setDataList({fullContact(), contact("Nobody")});
        QCOMPARE(detailRows(view),
                 (QStringList{"Company: Analytical Engines Ltd", "Mobile Number: (919) 555-0100",
                              "iPhone Number: +44 20 7946 0000", "Home Email: ada@example.org",
                              "Home Address: 12 St James's Square, London, SW1Y 4JH", "Birthday: 1815-12-10",
                              "Mother: Anne Isabella", "Skype: ada.l", "Notes: Wrote the first program"}));
        // The address keeps its lines; the list is as high as its rows.
        const QStringList address = view.fieldModel()->index(4, 0).data().toStringList();
        QCOMPARE(address.value(1), QStringLiteral("12 St James's Square<br>London<br>SW1Y 4JH"));
        int sum = 0;
        for (int row = 0; row < view.fieldModel()->rowCount(); ++row) {
            const int height = view.fieldModel()->index(row, 0).data(Qt::SizeHintRole).toSize().height();
            QVERIFY(height >= 10);
            sum += height;
        }
        QVERIFY(view.fieldModel()->index(4, 0).data(Qt::SizeHintRole).toSize().height()
                > view.fieldModel()->index(1, 0).data(Qt::SizeHintRole).toSize().height());
        QCOMPARE(view.fieldList()->size(), QSize(ContactInfoDelegate::RowWidth, sum));
        QCOMPARE(view.fieldList()->accessibleName(), QStringLiteral("Details"));
        QCOMPARE(view.listView()->accessibleName(), QStringLiteral("Contacts"));

        // A contact without any value: no rows, a list of height 0.
        view.listView()->clicked(view.proxyModel()->index(1, 0));
        QCOMPARE(view.fieldModel()->rowCount(), 0);
        QCOMPARE(view.fieldList()->height(), 0);
        QCOMPARE(view.nameLabel()->text(), QStringLiteral("Nobody"));
    }

    void deletedContactIsRed()
    {
        ContactView view(0, DeviceData::Contacts);
        view.setDataList({contact("Gone", {{"_$!<Home>!$_", "123"}}, true)});
        QVERIFY(view.nameLabel()->styleSheet().contains(QStringLiteral("#e73e28")));
        QCOMPARE(view.fieldModel()->index(0, 0).data().toStringList().value(2), QStringLiteral("1"));
        QCOMPARE(view.proxyModel()->index(0, 0).data(Qt::ForegroundRole).value<QColor>(), QColor("#e73e28"));
    }

    void nameAlignment_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("right");
        QTest::newRow("Arabic and spaces") << QStringLiteral(u"سارة أحمد") << true;
        QTest::newRow("Latin") << QStringLiteral("Sarah Ahmed") << false;
        QTest::newRow("mixed") << QStringLiteral(u"Sarah سارة") << false;
    }

    // Where the name is painted, not only the flag: the pane is 900 wide.
    void nameAlignment()
    {
        QFETCH(QString, name);
        QFETCH(bool, right);
        ContactView view(0, DeviceData::Contacts);
        view.resize(1300, 600);
        view.setDataList({contact(name)});
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.showCurrent();
        XLabel *label = view.nameLabel();
        QCOMPARE(bool(label->alignment() & Qt::AlignRight), right);
        const QImage shot = label->grab().toImage();
        int first = shot.width(), last = -1;
        for (int x = 0; x < shot.width(); ++x) {
            for (int y = 0; y < shot.height(); ++y) {
                if (qGray(shot.pixel(x, y)) < 160) {
                    first = std::min(first, x);
                    last = x;
                    break;
                }
            }
        }
        QVERIFY(last > 0);
        if (right)
            QVERIFY2(shot.width() - last < 20, qPrintable(QString::number(last)));
        else
            QVERIFY2(first < 20, qPrintable(QString::number(first)));
    }

    // Ticks follow records: with a filter on, the proxy row is not the
    // store's row.
    void toggleKeepsThePaneAndWritesTheSourceRow()
    {
        seedStore(DeviceData::Contacts, contacts(8));
        ContactView view(0, DeviceData::Contacts);
        view.setDataList(stored(DeviceData::Contacts));
        view.setCheckEnabled(true);
        view.resize(1000, 500);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.setFilterMode(2); // rows 3 and 7
        QCOMPARE(view.nameLabel()->text(), QStringLiteral("Contact 3"));
        QSignalSpy changed(&view, &AbstractDataView::checkStateChanged);

        QListView *list = view.listView();
        const QRect second = list->visualRect(view.proxyModel()->index(1, 0));
        const QPoint box = RecordRowDelegate::checkRect(second).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, box);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(DeviceData::checkState(stored(DeviceData::Contacts).at(7)), 2);
        QCOMPARE(DeviceData::checkState(stored(DeviceData::Contacts).at(1)), 0);
        QCOMPARE(view.nameLabel()->text(), QStringLiteral("Contact 3"));
        QCOMPARE(view.checkState(true), 1);
        QCOMPARE(view.checkState(false), 1);

        // Two pixels right of and below the drawn box still tick; a right
        // click never does.
        const QRect drawn = RecordRowDelegate::checkRect(second);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, drawn.bottomRight() + QPoint(2, 2));
        QCOMPARE(DeviceData::checkState(stored(DeviceData::Contacts).at(7)), 0);
        QTest::mouseClick(list->viewport(), Qt::RightButton, Qt::NoModifier, box);
        QCOMPARE(DeviceData::checkState(stored(DeviceData::Contacts).at(7)), 0);

        // A plain click shows the row.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, second.center());
        QCOMPARE(view.nameLabel()->text(), QStringLiteral("Contact 7"));
        saveShot(&view, QStringLiteral("deleted-shown"));
    }

    void partlyCheckedRecordIsUnticked()
    {
        seedStore(DeviceData::Contacts, {contact("Half", {}, false, 1)});
        ContactView view(0, DeviceData::Contacts);
        view.setDataList(stored(DeviceData::Contacts));
        emit view.rowDelegate()->checkBoxclicked(view.proxyModel()->index(0, 0));
        QCOMPARE(DeviceData::checkState(stored(DeviceData::Contacts).at(0)), 0);
    }

    void notCheckableUntilTheScanEnds()
    {
        seedStore(DeviceData::Contacts, {contact("Early", {}, false, 0, false)});
        ContactView view(0, DeviceData::Contacts);
        view.setDataList(stored(DeviceData::Contacts));
        emit view.rowDelegate()->checkBoxclicked(view.proxyModel()->index(0, 0));
        QCOMPARE(DeviceData::checkState(stored(DeviceData::Contacts).at(0)), 0);
        QVERIFY(!(view.proxyModel()->index(0, 0).flags() & Qt::ItemIsUserCheckable));
        view.setCheckEnabled(true);
        QVERIFY(view.proxyModel()->index(0, 0).flags() & Qt::ItemIsUserCheckable);
        // Once checkable, records stay so.
        view.setCheckEnabled(false);
        QVERIFY(view.proxyModel()->index(0, 0).flags() & Qt::ItemIsUserCheckable);
    }

    void checkingAllWritesEveryRecord()
    {
        seedStore(DeviceData::Contacts, contacts(250));
        ContactView view(0, DeviceData::Contacts);
        view.setDataList(stored(DeviceData::Contacts));
        QCOMPARE(view.proxyModel()->rowCount(), 100);
        view.setAllChecked(2, true, false);
        const QList<QVariant> records = stored(DeviceData::Contacts);
        QCOMPARE(records.size(), 250);
        for (const QVariant &record : records)
            QCOMPARE(DeviceData::checkState(record), 2);
        QCOMPARE(view.checkState(false), 2);
        QCOMPARE(view.checkState(true), 2);

        // Only the shown rows once every row is loaded.
        view.setAllChecked(0, false, false);
        view.setFilterMode(2);
        view.setAllChecked(2, true, false);
        for (const QVariant &record : stored(DeviceData::Contacts))
            QCOMPARE(DeviceData::checkState(record), DeviceData::isDeleted(record) ? 2 : 0);
        QCOMPARE(view.checkState(true), 2);
        QCOMPARE(view.checkState(false), 1);
    }

    void searchWithoutHitsClearsThePane()
    {
        ContactView view(0, DeviceData::Contacts);
        view.setDataList(contacts(5));
        QCOMPARE(view.nameLabel()->text(), QStringLiteral("Contact 0"));
        QStringList order;
        connect(&view, &AbstractDataView::indexCountChanged, this,
                [&](int which, int count) { order << QStringLiteral("%1:%2").arg(which).arg(count); });
        connect(&view, &AbstractDataView::checkStateChanged, this, [&] { order << QStringLiteral("checks"); });
        view.search(QStringLiteral("nobody has this"));
        QCOMPARE(order, (QStringList{"0:0", "1:0", "2:0", "checks"}));
        QVERIFY(view.nameLabel()->text().isEmpty());
        QCOMPARE(view.fieldModel()->rowCount(), 0);

        order.clear();
        view.search(QStringLiteral("contact 3"));
        QCOMPARE(order, (QStringList{"0:1", "1:0", "2:1", "checks"}));
        QCOMPARE(view.nameLabel()->text(), QStringLiteral("<font color=\"#558AF8\">Contact 3</font>"));
    }

    void modeWithoutRowsClearsThePane()
    {
        ContactView view(0, DeviceData::Contacts);
        view.setDataList({contact("Here"), contact("There")});
        view.setFilterMode(2);
        QCOMPARE(view.proxyModel()->rowCount(), 0);
        QVERIFY(view.nameLabel()->text().isEmpty());
        view.setFilterMode(0);
        QCOMPARE(view.nameLabel()->text(), QStringLiteral("Here"));
        // No contact of another list stays on show.
        view.setDataList({});
        QVERIFY(view.nameLabel()->text().isEmpty());
        view.setDataList({contact("Again")});
        QCOMPARE(view.nameLabel()->text(), QStringLiteral("Again"));
        view.clear();
        QVERIFY(view.nameLabel()->text().isEmpty());
        QCOMPARE(view.proxyModel()->rowCount(), 0);
    }

    void picturesComeFromTheLoader()
    {
        const QString good = PictureFiles::writeJpeg(m_dir.filePath("face.jpg"),
                                                     PictureFiles::twoTone(QSize(120, 120), Qt::red, Qt::red));
        const QString corrupt = PictureFiles::writeCorruptJpeg(m_dir.filePath("corrupt.jpg"));
        const QString missing = m_dir.filePath("missing.jpg");
        // A pipe would hold whoever opens it: only the loader looks at it.
        const QString pipe = m_dir.filePath("pipe.jpg");
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        ContactView view(0, DeviceData::Contacts);
        view.resize(1000, 400);
        view.setDataList({contact("Red", {}, false, 0, true, good), contact("Broken", {}, false, 0, true, corrupt),
                          contact("Lost", {}, false, 0, true, missing), contact("Pipe", {}, false, 0, true, pipe)});
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        waitForTheLoader();
        QTRY_VERIFY(view.pictureBox()->grab().toImage().pixelColor(32, 32).red() > 200);
        QCOMPARE(view.pictureBox()->pixmap().size(), QSize(64, 64));

        // The row shows the decoded picture in its circle.
        const QImage shot = view.listView()->grab().toImage();
        const QRect row = view.listView()->visualRect(view.proxyModel()->index(0, 0));
        const QColor centre = shot.pixelColor(row.x() + 49 + 18, row.y() + 25);
        QVERIFY2(centre.red() > 200 && centre.green() < 60, qPrintable(centre.name()));
        saveShot(&view, QStringLiteral("pictures"));

        const QImage fallback = QImage(QStringLiteral(":/Images/defult-user.png")).convertToFormat(QImage::Format_ARGB32);
        for (int row : {1, 2, 3}) {
            view.listView()->clicked(view.proxyModel()->index(row, 0));
            waitForTheLoader();
            QCOMPARE(view.pictureBox()->pixmap().toImage().convertToFormat(QImage::Format_ARGB32), fallback);
            const QImage rows = view.listView()->grab().toImage();
            const QRect rect = view.listView()->visualRect(view.proxyModel()->index(row, 0));
            const QColor shown = rows.pixelColor(rect.x() + 49 + 18, rect.y() + 25);
            QVERIFY2(shown.blue() > shown.red(), qPrintable(shown.name()));
        }
    }

    void assistiveTools()
    {
        seedStore(DeviceData::Contacts, {fullContact(), contact("Bob")});
        ContactView view(0, DeviceData::Contacts);
        view.setDataList(stored(DeviceData::Contacts));
        view.setCheckEnabled(true);
        view.resize(1000, 500);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QAccessibleInterface *list = QAccessible::queryAccessibleInterface(view.listView());
        QVERIFY(list && list->tableInterface());
        QCOMPARE(list->text(QAccessible::Name), QStringLiteral("Contacts"));
        QAccessibleInterface *bob = list->tableInterface()->cellAt(1, 0);
        QCOMPARE(bob->text(QAccessible::Name), QStringLiteral("Bob"));
        QVERIFY(bob->state().checkable);
        QVERIFY(!bob->state().checked);
        QSignalSpy changed(&view, &AbstractDataView::checkStateChanged);
        bob->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QCOMPARE(DeviceData::checkState(stored(DeviceData::Contacts).at(1)), 2);
        QCOMPARE(changed.count(), 1);
        QVERIFY(list->tableInterface()->cellAt(1, 0)->state().checked);
        list->tableInterface()->cellAt(1, 0)->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QCOMPARE(DeviceData::checkState(stored(DeviceData::Contacts).at(1)), 0);
        // The shown contact is not changed by a tick.
        QCOMPARE(view.nameLabel()->text(), QStringLiteral("Ada Lovelace"));

        // Space ticks the current row; the arrow keys only move.
        view.listView()->setFocus();
        QTest::keyClick(view.listView(), Qt::Key_Down);
        QTest::keyClick(view.listView(), Qt::Key_Space);
        QCOMPARE(DeviceData::checkState(stored(DeviceData::Contacts).at(1)), 2);
        QCOMPARE(DeviceData::checkState(stored(DeviceData::Contacts).at(0)), 0);

        QAccessibleInterface *details = QAccessible::queryAccessibleInterface(view.fieldList());
        QCOMPARE(details->text(QAccessible::Name), QStringLiteral("Details"));
        QCOMPARE(details->tableInterface()->cellAt(1, 0)->text(QAccessible::Name),
                 QStringLiteral("Mobile Number: (919) 555-0100"));
        // The name label has no name of its own: its text is read.
        QAccessibleInterface *name = QAccessible::queryAccessibleInterface(view.nameLabel());
        QCOMPARE(name->text(QAccessible::Name), QStringLiteral("Ada Lovelace"));
        saveShot(&view, QStringLiteral("details"));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(ContactViewTest)
#include "contactview_test.moc"
