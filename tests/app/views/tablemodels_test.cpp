#include "facetimecallhistormodel.h"
#include "itemroles.h"
#include "viewfixtures.h"
#include "viewtext.h"
#include "voicemailmemomodel.h"

#include <QSignalSpy>
#include <QTextDocument>
#include <QtTest>

using namespace ViewFixtures;

class TableModelsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { DeviceData::registerMetaTypes(); }

    void pagesOfAHundred_data()
    {
        QTest::addColumn<int>("records");
        QTest::addColumn<QList<int>>("shownAfterEachFetch");
        QTest::newRow("250") << 250 << QList<int>{100, 200, 250, 250};
        QTest::newRow("100") << 100 << QList<int>{100, 100};
        QTest::newRow("none") << 0 << QList<int>{0, 0};
    }

    void pagesOfAHundred()
    {
        QFETCH(int, records);
        QFETCH(QList<int>, shownAfterEachFetch);
        FaceTimeCallHistorModel model(0, DeviceData::CallHistory);
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        model.setDataList(calls(records));
        QCOMPARE(model.rowCount(), shownAfterEachFetch.first());
        for (int i = 1; i < shownAfterEachFetch.size(); ++i) {
            const bool more = model.rowCount() < records;
            QCOMPARE(model.canFetchMore(QModelIndex()), more);
            const int before = inserted.count();
            model.fetchMore(QModelIndex());
            QCOMPARE(model.rowCount(), shownAfterEachFetch.at(i));
            QCOMPARE(inserted.count(), before + (more ? 1 : 0));
        }
        // Row r is record r of the list.
        for (int row = 0; row < model.rowCount(); row += 37)
            QCOMPARE(model.index(row, 1).data(Qt::AccessibleTextRole).toString(), QStringLiteral("Caller %1").arg(row));
    }

    void loadingAllIsOneInsertion()
    {
        FaceTimeCallHistorModel model(0, DeviceData::CallHistory);
        model.setDataList(calls(1000));
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        model.loadAll();
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(inserted.first().at(1).toInt(), 100);
        QCOMPARE(inserted.first().at(2).toInt(), 999);
        QCOMPARE(model.rowCount(), 1000);
        QVERIFY(!model.canFetchMore(QModelIndex()));
    }

    void appendingShowsOneRowMore()
    {
        FaceTimeCallHistorModel model(0, DeviceData::CallHistory);
        model.setDataList(calls(150));
        model.appendItem(call(QStringLiteral("Late"), QStringLiteral("1"), 1));
        QCOMPARE(model.rowCount(), 101);
        QCOMPARE(model.recordCount(), 151);
        QCOMPARE(model.index(100, 1).data(Qt::AccessibleTextRole).toString(), QStringLiteral("Caller 100"));
    }

    void deviceTextIsNeverMarkup_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QString>("display");
        const QString open = QStringLiteral("<font color=\"#558AF8\">");
        const QString close = QStringLiteral("</font>");
        QTest::newRow("tags") << "<b>x</b>" << "" << "&lt;b&gt;x&lt;/b&gt;";
        QTest::newRow("keyword outside the entities")
            << "<b>x</b>" << "b" << "&lt;" + open + "b" + close + "&gt;x&lt;/" + open + "b" + close + "&gt;";
        QTest::newRow("lt is not found inside &lt;") << "<img src=x>" << "lt" << "&lt;img src=x&gt;";
        QTest::newRow("case kept") << "Anna & Bob" << "ANNA" << open + "Anna" + close + " &amp; Bob";
        QTest::newRow("an entity typed by the device") << "a &lt; b" << "" << "a &amp;lt; b";
    }

    void deviceTextIsNeverMarkup()
    {
        QFETCH(QString, name);
        QFETCH(QString, keyword);
        QFETCH(QString, display);
        FaceTimeCallHistorModel model(0, DeviceData::FaceTime);
        model.setDataList({call(name, QStringLiteral("+1"), 1)});
        model.setKeyword(keyword);
        const QModelIndex cell = model.index(0, FaceTimeCallHistorModel::NameColumn);
        QCOMPARE(cell.data(Qt::DisplayRole).toString(), display);
        QCOMPARE(cell.data(Qt::AccessibleTextRole).toString(), name);
        // A tool tip shows the text as it stands, however Qt would read it.
        const QString tip = cell.data(Qt::ToolTipRole).toString();
        if (Qt::mightBeRichText(tip)) {
            QTextDocument shown;
            shown.setHtml(tip);
            QCOMPARE(shown.toPlainText(), name);
        } else {
            QCOMPARE(tip, name);
        }
    }

    void theCheckColumnMirrorsTheRecord()
    {
        FaceTimeCallHistorModel model(0, DeviceData::CallHistory);
        model.setDataList({call("a", "1", 1, false, 0, false, 2, true), call("b", "2", 2, false, 0, false, 0, false)});
        const QModelIndex checked = model.index(0, 0);
        const QModelIndex locked = model.index(1, 0);
        QCOMPARE(checked.data(Qt::CheckStateRole).toInt(), 2);
        QCOMPARE(checked.data(CheckStateRole).toInt(), 2);
        QVERIFY(model.flags(checked) & Qt::ItemIsUserCheckable);
        QVERIFY(!(model.flags(locked) & Qt::ItemIsUserCheckable));
        QCOMPARE(locked.data(CheckableRole).toBool(), false);
        QVERIFY(!model.index(0, 1).data(CheckStateRole).isValid());
        QCOMPARE(checked.data(Qt::AccessibleTextRole).toString(), QStringLiteral("a"));

        // Qt's own toggle path is refused: a click is the view's to handle.
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QVERIFY(!model.setData(checked, Qt::Unchecked, Qt::CheckStateRole));
        QCOMPARE(changed.count(), 0);
        QVERIFY(model.setData(checked, 0, CheckStateRole));
        QCOMPARE(checked.data(Qt::CheckStateRole).toInt(), 0);
        QCOMPARE(changed.count(), 1);
        QVERIFY(!model.setData(model.index(5, 0), 2, CheckStateRole));
    }

    void callEditsRebuildTheirTexts()
    {
        FaceTimeCallHistorModel model(0, DeviceData::CallHistory);
        model.setDataList({call("a", "1", 1)});
        QVERIFY(model.setData(model.index(0, 3), qulonglong(1700000000), TimeRole));
        QCOMPARE(model.index(0, 3).data(Qt::AccessibleTextRole).toString(), QStringLiteral("2023-11-14 22:13:20"));
        QCOMPARE(model.index(0, 3).data(TimeRole).toLongLong(), 1700000000);
        QVERIFY(model.setData(model.index(0, 4), 1, Qt::DisplayRole));
        QCOMPARE(model.index(0, 4).data(Qt::AccessibleTextRole).toString(), QStringLiteral("Outgoing Call"));
        QVERIFY(!model.setData(model.index(0, 2), "x", Qt::ToolTipRole));
    }

    void voiceColumnsFollowTheCategory_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<int>("dateColumn");
        QTest::newRow("voicemail") << int(DeviceData::Voicemails)
                                   << QStringList{"Mail", "+4410", "2023-02-03 09:30:00", "00:00:02"} << 3;
        QTest::newRow("voice memo") << int(DeviceData::VoiceMemos)
                                    << QStringList{"Mail", "2023-02-03 09:30:00", "00:00:02", "1.2 MB"} << 2;
    }

    void voiceColumnsFollowTheCategory()
    {
        QFETCH(int, type);
        QFETCH(QStringList, cells);
        QFETCH(int, dateColumn);
        VoiceMailMemoModel model(0, type);
        model.setDataList({voice("Mail", "+4410", 2, "1.2 MB")});
        for (int column = 1; column <= 4; ++column)
            QCOMPARE(model.index(0, column).data(Qt::AccessibleTextRole).toString(), cells.at(column - 1));
        QCOMPARE(model.dateColumn(), dateColumn);
        QCOMPARE(model.index(0, dateColumn).data(TimeRole).toLongLong(), 2);
        QVERIFY(!model.index(0, 1).data(TimeRole).isValid());
        QVERIFY(!model.index(0, 1).data(ColorRole).isValid());
        QVERIFY(model.setData(model.index(0, 4), "9 KB", Qt::DisplayRole));
        QCOMPARE(model.index(0, 4).data(Qt::AccessibleTextRole).toString(), QStringLiteral("9 KB"));
    }
};

QTEST_MAIN(TableModelsTest)
#include "tablemodels_test.moc"
