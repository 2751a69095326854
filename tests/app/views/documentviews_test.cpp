#include "categorysortmodel.h"
#include "categorytablemodel.h"
#include "checkableheaderview.h"
#include "checkabletableview.h"
#include "docstableview.h"
#include "docsv1tableview.h"
#include "formatutils.h"
#include "itemroles.h"
#include "safariview.h"
#include "shots.h"
#include "viewfixtures.h"
#include "widgetkit.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QSignalSpy>
#include <QTextDocument>
#include <QtTest>

#include <memory>

using namespace ViewFixtures;

namespace
{
    constexpr int Owner = DeviceData::WhatsAppAttachment;

    std::unique_ptr<TableDataView> viewFor(int type)
    {
        if (type == DeviceData::SafariBookmarks || type == DeviceData::SafariHistory)
            return std::make_unique<SafariView>(0, type);
        return std::make_unique<DocsTableView>(0, type);
    }

    bool isDocs(int type)
    {
        return type == DeviceData::AppAudios || type == DeviceData::AppDocuments;
    }

    // Five records: 1 and 3 deleted; names without their format; sizes and
    // times so that name, size and time orders all differ.
    QList<QVariant> fiveRecords(int type)
    {
        const QStringList names{"Budget", "Diary", "Atlas", "Contract", "Essay"};
        const QList<qint64> sizes{5120, 2048, 30720, 10240, 1024};
        const QList<qint64> hours{3, 1, 5, 2, 4};
        const QStringList formats{"xlsx", "txt", "pdf", "docx", "rtf"};
        QList<QVariant> list;
        for (int i = 0; i < 5; ++i) {
            const bool deleted = i == 1 || i == 3;
            if (isDocs(type))
                list << document(names.at(i), formats.at(i), sizes.at(i), deleted);
            else
                list << page(names.at(i), QStringLiteral("https://%1.example.org/").arg(names.at(i).toLower()),
                             i % 2 ? "Favorites" : "Reading", 1672531200 + hours.at(i) * 3600, deleted);
        }
        return list;
    }

    QStringList shownNames(TableDataView &view)
    {
        return shownTexts(view.proxyModel(), 1);
    }

    QString rendered(const QString &html)
    {
        QTextDocument document;
        document.setHtml(html);
        return document.toPlainText();
    }

    void addIds()
    {
        QTest::addColumn<int>("type");
        QTest::newRow("App Audios") << int(DeviceData::AppAudios);
        QTest::newRow("App Documents") << int(DeviceData::AppDocuments);
        QTest::newRow("Safari Bookmarks") << int(DeviceData::SafariBookmarks);
        QTest::newRow("Safari History") << int(DeviceData::SafariHistory);
    }

    QMap<int, QList<QVariant>> keyedDocuments(const QList<int> &keys, int perKey)
    {
        QMap<int, QList<QVariant>> lists;
        for (int key : keys) {
            for (int row = 0; row < perKey; ++row)
                lists[key] << document(QStringLiteral("File %1-%2").arg(key).arg(row), "pdf", 1024 * (row + 1),
                                       row == 1);
        }
        return lists;
    }

    void seedSessions(const QMap<int, QList<QVariant>> &lists)
    {
        for (auto it = lists.cbegin(); it != lists.cend(); ++it)
            DeviceParser::instance()->setSessionRecords(Owner, it.key(), it.value());
    }
}

class DocumentViewsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        initWidgetKit();
        DeviceData::registerMetaTypes();
    }

    void init() { DeviceParser::instance()->clearAll(); }

    void headersWidthsAndNames_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QStringList>("headers");
        QTest::addColumn<QList<int>>("widths");
        QTest::addColumn<QString>("name");
        const QStringList docs{"Name", "Format", "Size"};
        QTest::newRow("App Audios") << int(DeviceData::AppAudios) << docs << QList<int>{50, 600, 160} << "App Audios";
        QTest::newRow("App Documents") << int(DeviceData::AppDocuments) << docs << QList<int>{50, 600, 160}
                                       << "App Documents";
        QTest::newRow("Safari Bookmarks") << int(DeviceData::SafariBookmarks)
                                          << QStringList{"Title", "Category", "URL"} << QList<int>{50, 240, 240}
                                          << "Safari Bookmarks";
        QTest::newRow("Safari History") << int(DeviceData::SafariHistory) << QStringList{"Title", "URL", "Date"}
                                        << QList<int>{50, 240, 460} << "Safari History";
    }

    void headersWidthsAndNames()
    {
        QFETCH(int, type);
        QFETCH(QStringList, headers);
        QFETCH(QList<int>, widths);
        QFETCH(QString, name);
        auto view = viewFor(type);
        QAbstractItemModel *proxy = view->proxyModel();
        QCOMPARE(proxy->columnCount(), 4);
        QVERIFY(proxy->headerData(0, Qt::Horizontal).toString().isEmpty());
        for (int section = 1; section <= 3; ++section)
            QCOMPARE(proxy->headerData(section, Qt::Horizontal).toString(), headers.at(section - 1));
        for (int column = 0; column < widths.size(); ++column)
            QCOMPARE(view->tableView()->columnWidth(column), widths.at(column));
        QCOMPARE(view->tableView()->accessibleName(), name);
        QCOMPARE(view->typeId(), type);
        QVERIFY(!view->tableView()->checkableHeader()->checkBox()->isEnabled());
    }

    void attachmentPagesAreNamedByTheirTab_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("name");
        QTest::newRow("Audios") << 1 << "Audios";
        QTest::newRow("Documents") << 12 << "Documents";
    }

    void attachmentPagesAreNamedByTheirTab()
    {
        QFETCH(int, kind);
        QFETCH(QString, name);
        DocsV1TableView page(Owner, kind);
        QCOMPARE(page.tableView()->accessibleName(), name);
        QCOMPARE(page.typeId(), kind);
        QCOMPARE(page.ownerCategory(), Owner);
    }

    void searchReadsTheShownTexts_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("documents: a name") << int(DeviceData::AppDocuments) << "DIARY" << QStringList{"Diary"};
        QTest::newRow("documents: a size") << int(DeviceData::AppDocuments) << "30 KB" << QStringList{"Atlas"};
        QTest::newRow("documents: a format only") << int(DeviceData::AppDocuments) << "xlsx" << QStringList{};
        QTest::newRow("audios: a format only") << int(DeviceData::AppAudios) << "pdf" << QStringList{};
        QTest::newRow("bookmarks: a folder") << int(DeviceData::SafariBookmarks) << "favorites"
                                             << QStringList{"Diary", "Contract"};
        QTest::newRow("bookmarks: a URL") << int(DeviceData::SafariBookmarks) << "essay.example"
                                          << QStringList{"Essay"};
        QTest::newRow("history: a date") << int(DeviceData::SafariHistory) << "05:00" << QStringList{"Atlas"};
        QTest::newRow("history: a title") << int(DeviceData::SafariHistory) << "budget" << QStringList{"Budget"};
    }

    void searchReadsTheShownTexts()
    {
        QFETCH(int, type);
        QFETCH(QString, keyword);
        QFETCH(QStringList, names);
        auto view = viewFor(type);
        view->setDataList(fiveRecords(type));
        QSignalSpy counts(view.get(), &AbstractDataView::indexCountChanged);
        view->search(keyword);
        QCOMPARE(shownNames(*view), names);
        QCOMPARE(counts.count(), 3);
        QCOMPARE(counts.at(0).at(1).toInt(), names.size());
        view->search(QString());
        QCOMPARE(view->proxyModel()->rowCount(), 5);
    }

    void deletedFirstThenSizeOrTime_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("order");
        QTest::addColumn<QStringList>("names");
        const int ascending = Qt::AscendingOrder;
        const int descending = Qt::DescendingOrder;
        // Deleted: Diary (2 KB, 01:00) and Contract (10 KB, 02:00); between
        // them the larger or later is first in ascending order.
        QTest::newRow("documents by name, ascending") << int(DeviceData::AppDocuments) << 1 << ascending
                                                      << QStringList{"Contract", "Diary", "Atlas", "Budget", "Essay"};
        QTest::newRow("documents by name, descending") << int(DeviceData::AppDocuments) << 1 << descending
                                                       << QStringList{"Diary", "Contract", "Essay", "Budget", "Atlas"};
        QTest::newRow("documents by size") << int(DeviceData::AppDocuments) << 3 << ascending
                                           << QStringList{"Contract", "Diary", "Atlas", "Budget", "Essay"};
        QTest::newRow("documents by format") << int(DeviceData::AppAudios) << 2 << ascending
                                             << QStringList{"Contract", "Diary", "Atlas", "Essay", "Budget"};
        QTest::newRow("history by date") << int(DeviceData::SafariHistory) << 3 << ascending
                                         << QStringList{"Contract", "Diary", "Atlas", "Essay", "Budget"};
        QTest::newRow("history by date, descending") << int(DeviceData::SafariHistory) << 3 << descending
                                                     << QStringList{"Diary", "Contract", "Budget", "Essay", "Atlas"};
        QTest::newRow("bookmarks by URL") << int(DeviceData::SafariBookmarks) << 3 << ascending
                                          << QStringList{"Contract", "Diary", "Atlas", "Budget", "Essay"};
        QTest::newRow("bookmarks by title, descending") << int(DeviceData::SafariBookmarks) << 1 << descending
                                                        << QStringList{"Diary", "Contract", "Essay", "Budget", "Atlas"};
    }

    void deletedFirstThenSizeOrTime()
    {
        QFETCH(int, type);
        QFETCH(int, column);
        QFETCH(int, order);
        QFETCH(QStringList, names);
        auto view = viewFor(type);
        view->setDataList(fiveRecords(type));
        view->proxyModel()->sort(column, Qt::SortOrder(order));
        QCOMPARE(shownNames(*view), names);
    }

    void theNameToolTipWrapsAt300Pixels_data()
    {
        addIds();
    }

    void theNameToolTipWrapsAt300Pixels()
    {
        QFETCH(int, type);
        const QString longName = QStringLiteral("A rather long name of a recovered file that would never fit "
                                                "in one line of a tool tip at all");
        QList<QVariant> records = fiveRecords(type);
        records[0] = isDocs(type) ? document(longName, "pdf", 2048) : page(longName, longName, "Reading", 1672531200);
        auto view = viewFor(type);
        view->setDataList(records);
        const QString tip = view->tableModel()->index(0, 1).data(Qt::ToolTipRole).toString();
        const QStringList lines = tip.split(QLatin1Char('\n'));
        QVERIFY2(lines.size() >= 2, qPrintable(tip));
        QCOMPARE(lines.join(QString()), longName);
        const QFontMetrics metrics(view->tableView()->font());
        for (const QString &line : lines.mid(0, lines.size() - 1))
            QVERIFY(metrics.horizontalAdvance(line.chopped(1)) < 300);
        if (isDocs(type)) {
            QCOMPARE(view->tableModel()->index(0, 2).data(Qt::ToolTipRole).toString(), QStringLiteral("pdf"));
            QCOMPARE(view->tableModel()->index(0, 3).data(Qt::ToolTipRole).toString(), QStringLiteral("2 KB"));
        } else {
            const QString third = view->tableModel()->index(0, 3).data(Qt::ToolTipRole).toString();
            if (type == DeviceData::SafariHistory)
                QCOMPARE(third, QStringLiteral("2023-01-01 00:00:00"));
            else
                QVERIFY(third.contains(QLatin1Char('\n')));
        }
    }

    void aTimeEditRewritesTheDate()
    {
        SafariView view(0, DeviceData::SafariHistory);
        view.setDataList(fiveRecords(DeviceData::SafariHistory));
        QAbstractItemModel *model = view.tableModel();
        const qint64 time = 1700000000;
        QVERIFY(model->setData(model->index(2, 3), time, TimeRole));
        QCOMPARE(model->index(2, 3).data(TimeRole).toLongLong(), time);
        QCOMPARE(model->index(2, 3).data(Qt::AccessibleTextRole).toString(),
                 formatTimestamp(time, false, QStringLiteral("yyyy-MM-dd hh:mm:ss")));
        QCOMPARE(model->index(2, 1).data(TimeRole).toLongLong(), time);
        QVERIFY(!model->setData(model->index(2, 2), time, TimeRole));
    }

    void deviceTextIsNeverMarkup_data()
    {
        addIds();
    }

    void deviceTextIsNeverMarkup()
    {
        QFETCH(int, type);
        QList<QVariant> records;
        for (const QString &name : {QStringLiteral("<img src=x>"), QStringLiteral("AT&T")}) {
            records << (isDocs(type) ? document(name, "pdf", 4096) : page(name, name, name, 1672531200));
        }
        auto view = viewFor(type);
        view->setDataList(records);
        QAbstractItemModel *model = view->tableModel();
        view->search(QStringLiteral("amp"));
        QCOMPARE(view->proxyModel()->rowCount(), 0);
        view->search(QStringLiteral("t&"));
        QCOMPARE(shownNames(*view), QStringList{"AT&T"});
        const QString shown = model->index(1, 1).data(Qt::DisplayRole).toString();
        QVERIFY2(shown.contains(QStringLiteral("#558AF8")), qPrintable(shown));
        QCOMPARE(rendered(shown), QStringLiteral("AT&T"));
        view->search(QString());
        for (int row = 0; row < 2; ++row) {
            const QString raw = row == 0 ? QStringLiteral("<img src=x>") : QStringLiteral("AT&T");
            QCOMPARE(rendered(model->index(row, 1).data(Qt::DisplayRole).toString()), raw);
            QCOMPARE(model->index(row, 1).data(Qt::AccessibleTextRole).toString(), raw);
            const QString tip = model->index(row, 1).data(Qt::ToolTipRole).toString();
            QCOMPARE(Qt::mightBeRichText(tip) ? rendered(tip) : tip, raw);
        }
    }

    void aRowTickReachesTheStore_data()
    {
        addIds();
    }

    void aRowTickReachesTheStore()
    {
        QFETCH(int, type);
        seedStore(type, fiveRecords(type));
        auto view = viewFor(type);
        view->setDataList(stored(type));
        view->setCheckEnabled(true);
        view->resize(900, 300);
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));
        view->proxyModel()->sort(3, Qt::DescendingOrder);
        const QModelIndex first = view->proxyModel()->index(0, 0);
        const int storeRow = view->proxyModel()->mapToSource(first).row();
        CheckableTableView *table = view->tableView();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(first).center());
        for (int row = 0; row < 5; ++row)
            QCOMPARE(DeviceData::checkState(stored(type).at(row)), row == storeRow ? 2 : 0);
        saveShot(view.get(), QStringLiteral("ticked-%1").arg(type));
    }

    // The chat attachment pages.

    void aPageTickReachesItsKeyAndRow_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QList<int>>("keys");
        QTest::newRow("Audios: key 1") << 1 << QList<int>{1};
        QTest::newRow("Documents: keys 3, 7 and 10") << 12 << QList<int>{3, 7, 10};
        QTest::newRow("Documents: keys 1, 3, 7 and 10") << 12 << QList<int>{1, 3, 7, 10};
    }

    void aPageTickReachesItsKeyAndRow()
    {
        QFETCH(int, kind);
        QFETCH(QList<int>, keys);
        const QMap<int, QList<QVariant>> lists = keyedDocuments(keys, 3);
        seedSessions(lists);
        DocsV1TableView page(Owner, kind);
        if (keys.size() == 1 && keys.first() == kind)
            page.setDataList(DeviceParser::instance()->sessionRecords(Owner, kind));
        else
            page.setSessionLists(DeviceParser::instance()->sessionMap(Owner));
        page.setCheckEnabled(true);
        QCOMPARE(page.recordCount(), keys.size() * 3);
        QSignalSpy changed(&page, &AbstractDataView::checkStateChanged);
        // Each row in turn, sorted so proxy and model rows differ.
        page.proxyModel()->sort(1, Qt::DescendingOrder);
        for (int proxyRow = 0; proxyRow < page.proxyModel()->rowCount(); ++proxyRow) {
            const QModelIndex cell = page.proxyModel()->index(proxyRow, 0);
            const QString name = cell.siblingAtColumn(1).data(Qt::AccessibleTextRole).toString();
            emit page.tableView()->checkBoxClicked(cell);
            QCOMPARE(changed.count(), 2 * proxyRow + 1);
            const QStringList parts = name.mid(5).split(QLatin1Char('-'));
            const int key = parts.at(0).toInt();
            const int row = parts.at(1).toInt();
            QCOMPARE(DeviceData::checkState(DeviceParser::instance()->sessionRecords(Owner, key).at(row)), 2);
            emit page.tableView()->checkBoxClicked(cell);
            for (int other : keys) {
                for (const QVariant &record : DeviceParser::instance()->sessionRecords(Owner, other))
                    QCOMPARE(DeviceData::checkState(record), 0);
            }
        }

        // Ticking all writes each key's list; ticking again writes nothing.
        page.setAllChecked(2, false, true);
        QCOMPARE(page.checkState(false), 2);
        QMap<int, QList<QVariant>> before;
        for (int key : keys) {
            before[key] = DeviceParser::instance()->sessionRecords(Owner, key);
            QCOMPARE(before[key].size(), 3);
            for (const QVariant &record : qAsConst(before[key]))
                QCOMPARE(DeviceData::checkState(record), 2);
        }
        page.setAllChecked(2, false, true);
        page.setAllChecked(2, true, true);
        for (int key : keys)
            QVERIFY(DeviceParser::instance()->sessionRecords(Owner, key).isSharedWith(before[key]));
        page.setAllChecked(0, true, true);
        for (int key : keys) {
            for (const QVariant &record : DeviceParser::instance()->sessionRecords(Owner, key))
                QCOMPARE(DeviceData::checkState(record), 0);
        }
    }

    void appendedRecordsKeepTheirKey()
    {
        seedSessions(keyedDocuments({3, 9}, 2));
        DocsV1TableView page(Owner, 12);
        for (int key : {3, 9}) {
            for (const QVariant &record : DeviceParser::instance()->sessionRecords(Owner, key))
                page.appendItemByKind(key, record);
        }
        page.setCheckEnabled(true);
        // The second record of key 9 is row 3 of the page.
        emit page.tableView()->checkBoxClicked(page.proxyModel()->index(3, 0));
        QCOMPARE(DeviceData::checkState(DeviceParser::instance()->sessionRecords(Owner, 9).at(1)), 2);
        QCOMPARE(DeviceData::checkState(DeviceParser::instance()->sessionRecords(Owner, 3).at(1)), 0);
        page.clear();
        QCOMPARE(page.recordCount(), 0);
    }

    void countsIgnoreTheFilter()
    {
        QList<QVariant> records;
        for (int i = 0; i < 5; ++i)
            records << document(QStringLiteral("Memo %1").arg(i), "m4a", 1024, i >= 3);
        DocsV1TableView page(Owner, 1);
        page.setDataList(records);
        page.setFilterMode(2);
        page.search(QStringLiteral("Memo 4"));
        QCOMPARE(page.proxyModel()->rowCount(), 1);
        int existing = 1;
        int deleted = 1;
        page.countExistingDeleted(existing, deleted);
        QCOMPARE(existing, 4);
        QCOMPARE(deleted, 3);
        QCOMPARE(page.recordCount(), 5);
    }

    void pagesFilterByKeywordAndMode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("all") << 0 << QString() << QStringList{"Budget", "Diary", "Atlas", "Contract", "Essay"};
        QTest::newRow("existing") << 1 << QString() << QStringList{"Budget", "Atlas", "Essay"};
        QTest::newRow("deleted, keyword") << 2 << "con" << QStringList{"Contract"};
        QTest::newRow("existing, a size") << 1 << "1 kb" << QStringList{"Essay"};
        QTest::newRow("existing, a deleted name") << 1 << "diary" << QStringList{};
    }

    void pagesFilterByKeywordAndMode()
    {
        QFETCH(int, mode);
        QFETCH(QString, keyword);
        QFETCH(QStringList, names);
        DocsV1TableView page(Owner, 12);
        QSignalSpy changed(&page, &AbstractDataView::checkStateChanged);
        page.setDataList(fiveRecords(DeviceData::AppDocuments));
        page.setFilterMode(mode);
        page.search(keyword);
        QCOMPARE(shownNames(page), names);
        // The host passes on the pages' signals.
        QCOMPARE(changed.count(), 0);
    }

    void aLongPageListAnnouncesNothing()
    {
        QList<QVariant> records;
        for (int i = 0; i < 60000; ++i)
            records << document(QStringLiteral("File %1").arg(i), "pdf", 1024, false, i % 2 ? 2 : 0);
        DocsV1TableView page(Owner, 12);
        QSignalSpy changed(&page, &AbstractDataView::checkStateChanged);
        page.setDataList(records);
        QTest::qWait(50);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(page.checkState(false), 1);
    }
};

QTEST_MAIN(DocumentViewsTest)
#include "documentviews_test.moc"
