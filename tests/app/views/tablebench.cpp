// The call table on a store of a million calls, against plain loops over the
// same records in the same run: prints one line per operation. Run by
// bench/views-table.sh.
#include "categorytablemodel.h"
#include "checkabletableview.h"
#include "csortfilterproxymodel.h"
#include "devicedata.h"
#include "deviceparser.h"
#include "facetimecallhistorview.h"
#include "recordaccess.h"
#include "widgetkit.h"

#include <QApplication>
#include <QElapsedTimer>

#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <functional>

using DeviceData::CHFTInfo;

namespace
{
    constexpr int Calls = DeviceData::CallHistory;

    double seconds(const std::function<void()> &work)
    {
        QElapsedTimer timer;
        timer.start();
        work();
        return timer.nsecsElapsed() / 1e9;
    }

    size_t allocatedBytes()
    {
        const struct mallinfo2 info = mallinfo2();
        return info.uordblks + info.hblkhd;
    }

    const CHFTInfo &callOf(const QVariant &record)
    {
        return *static_cast<const CHFTInfo *>(record.constData());
    }

    // Rows the view shows that the plain loop does not agree with.
    int failures = 0;

    void ratio(const char *what, double ours, double reference, double target)
    {
        const double r = ours / reference;
        const bool ok = r <= target;
        std::printf("views %s: view %.3f s, plain loop %.3f s, ratio %.2f (target <= %.0f) %s\n", what, ours,
                    reference, r, target, ok ? "ok" : "SLOW");
    }
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    initWidgetKit();
    DeviceData::registerMetaTypes();
    const int count = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 1000000;

    {
        QList<QVariant> list;
        list.reserve(count);
        for (int i = 0; i < count; ++i) {
            CHFTInfo call;
            call.displayName = QStringLiteral("Caller %1").arg(i % 5000);
            call.value = QStringLiteral("+1555%1").arg(i % 5000, 7, 10, QLatin1Char('0'));
            call.date = 1600000000 + qint64(i) * 60;
            call.dateText = QStringLiteral("2021-%1-%2 10:00:00").arg(i % 12 + 1, 2, 10, QLatin1Char('0')).arg(i % 28 + 1, 2, 10, QLatin1Char('0'));
            call.durationText = QStringLiteral("00:%1:00").arg(i % 60, 2, 10, QLatin1Char('0'));
            call.originated = i % 3 == 0;
            call.deleted = i % 50 == 7;
            call.finished = true;
            list.append(QVariant::fromValue(call));
        }
        DeviceParser::instance()->setRecords(0, Calls, list);
    }
    // The reference loops read the store's list; they hold no copy of their own
    // when memory is measured.
    QList<QVariant> records = DeviceParser::instance()->records(0, Calls);
    const size_t before = allocatedBytes();

    auto *view = new FaceTimeCallHistorView(0, Calls);
    view->resize(1000, 700);
    view->show();
    app.processEvents();

    const double setList = seconds([&] { view->setDataList(DeviceParser::instance()->records(0, Calls)); });
    app.processEvents();
    view->setCheckEnabled(true);
    const bool fast = setList <= 0.050;
    std::printf("views setDataList %d calls: %.1f ms (target <= 50) %s\n", count, setList * 1000, fast ? "ok" : "SLOW");

    // The same test as the row filter: any shown column contains the keyword.
    const QString keyword = QStringLiteral("caller 12");
    const QString incoming = QStringLiteral("Incoming Call");
    const QString outgoing = QStringLiteral("Outgoing Call");
    int matches = 0;
    const double searchLoop = seconds([&] {
        for (const QVariant &record : records) {
            const CHFTInfo &c = callOf(record);
            matches += c.displayName.contains(keyword, Qt::CaseInsensitive)
                           || c.value.contains(keyword, Qt::CaseInsensitive)
                           || c.dateText.contains(keyword, Qt::CaseInsensitive)
                           || (c.originated ? outgoing : incoming).contains(keyword, Qt::CaseInsensitive)
                           || c.durationText.contains(keyword, Qt::CaseInsensitive);
        }
    });
    const double search = seconds([&] { view->search(keyword); });
    if (view->proxyModel()->rowCount() != matches) {
        std::printf("views search: %d rows shown, %d expected\n", view->proxyModel()->rowCount(), matches);
        ++failures;
    }
    ratio("search", search, searchLoop, 10);
    view->search(QString());

    int deleted = 0;
    const double modeLoop = seconds([&] {
        for (const QVariant &record : records)
            deleted += DeviceData::isDeleted(record) ? 1 : 0;
    });
    const double mode = seconds([&] { view->setFilterMode(2); });
    if (view->proxyModel()->rowCount() != deleted) {
        std::printf("views mode 2: %d rows shown, %d expected\n", view->proxyModel()->rowCount(), deleted);
        ++failures;
    }
    ratio("mode 2", mode, modeLoop, 10);
    view->setFilterMode(0);

    records.clear();
    QList<QVariant> ticked = DeviceParser::instance()->records(0, Calls);
    const double tickLoop = seconds([&] {
        for (QVariant &record : ticked)
            DeviceData::setCheckState(record, 2);
    });
    ticked.clear();
    const double tick = seconds([&] { view->setAllChecked(2, true, false); });
    ratio("tick all shown", tick, tickLoop, 10);

    QList<QVariant> sorted = DeviceParser::instance()->records(0, Calls);
    const double sortLoop = seconds([&] {
        std::stable_sort(sorted.begin(), sorted.end(), [](const QVariant &l, const QVariant &r) {
            const CHFTInfo &a = callOf(l);
            const CHFTInfo &b = callOf(r);
            if (a.deleted != b.deleted)
                return a.deleted;
            return a.date > b.date;
        });
    });
    sorted.clear();
    const double sort = seconds([&] { view->tableView()->sortByColumn(3, Qt::AscendingOrder); });
    ratio("Date sort", sort, sortLoop, 10);
    app.processEvents();

    const double perRecord = (double(allocatedBytes()) - double(before)) / count;
    const bool small = perRecord <= 64;
    std::printf("views memory: %.1f bytes per call above the store (target <= 64) %s\n", perRecord,
                small ? "ok" : "LARGE");
    delete view;
    return failures == 0 ? 0 : 1;
}
