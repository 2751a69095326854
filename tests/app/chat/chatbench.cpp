// The Messages view on one conversation of a backup, offscreen: opened and
// scrolled to its last row, then searched for a keyword. Prints the times of
// both, the GUI thread's longest stall (by a 5 ms heartbeat) and the memory
// per message above the store's. Run by bench/chat-messages.sh.
//
//     quenrow-chat-bench --backup DIR --out DIR --keyword WORD
#include "chatinit.h"
#include "devicedata.h"
#include "deviceparser.h"
#include "natsmsmodel.h"
#include "natsmsview.h"
#include "storescan.h"
#include "widgetkit.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QQuickItem>
#include <QQuickWidget>
#include <QTimer>

#include <malloc.h>

#include <cstdio>
#include <functional>

namespace
{
    size_t allocatedBytes()
    {
        const struct mallinfo2 info = mallinfo2();
        return info.uordblks + info.hblkhd;
    }

    // The longest time between two ticks of a 5 ms timer.
    class Heartbeat
    {
    public:
        Heartbeat()
        {
            m_timer.setInterval(5);
            QObject::connect(&m_timer, &QTimer::timeout, [this] {
                const qint64 now = m_clock.elapsed();
                if (m_last >= 0)
                    m_longest = qMax(m_longest, now - m_last);
                m_last = now;
            });
            m_clock.start();
            m_timer.start();
        }
        qint64 longestMs() const { return m_longest; }

    private:
        QTimer m_timer;
        QElapsedTimer m_clock;
        qint64 m_last = -1;
        qint64 m_longest = 0;
    };

    // Turns the event loop until done() holds; false after a minute.
    bool turnUntil(const std::function<bool()> &done)
    {
        QElapsedTimer waited;
        waited.start();
        while (!done()) {
            if (waited.elapsed() > 60000)
                return false;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        return true;
    }

    QString option(const QStringList &arguments, const QString &name)
    {
        const int at = arguments.indexOf(name);
        return at >= 0 && at + 1 < arguments.size() ? arguments.at(at + 1) : QString();
    }
}

int main(int argc, char **argv)
{
    qputenv("QT_QUICK_BACKEND", "software");
    QApplication app(argc, argv);
    initWidgetKit();
    initChat();
    DeviceData::registerMetaTypes();
    const QStringList arguments = QCoreApplication::arguments();
    const QString keyword = option(arguments, QStringLiteral("--keyword"));
    scanBackupIntoStore(option(arguments, QStringLiteral("--backup")), {DeviceData::Messages},
                        option(arguments, QStringLiteral("--out")));
    const QList<QVariant> conversations =
        DeviceParser::instance()->records(DeviceData::DeviceGroup, DeviceData::Messages);
    if (conversations.isEmpty()) {
        std::fprintf(stderr, "quenrow-chat-bench: no conversation in the backup\n");
        return 1;
    }
    const int messages =
        DeviceParser::instance()->smsMessages(conversations.first().value<DeviceData::SMSSessionInfo>().key).size();
    const size_t before = allocatedBytes();

    Heartbeat heartbeat;
    QElapsedTimer clock;
    clock.start();
    auto *view = new NatSmsView(DeviceData::Messages);
    view->resize(1100, 700);
    view->show();
    view->setDataList(DeviceParser::instance()->records(DeviceData::DeviceGroup, DeviceData::Messages));
    view->setCheckEnabled(true);
    NatSmsModel *model = view->messageModel();
    QQuickItem *list = view->quickWidget()->rootObject()->findChild<QQuickItem *>(QStringLiteral("messageList"));
    const bool scrolled = list && turnUntil([&] {
        QMetaObject::invokeMethod(list, "positionViewAtEnd");
        return !model->canFetchMore(QModelIndex()) && list->property("atYEnd").toBool()
               && list->property("count").toInt() == 2 * messages;
    });
    const double openSeconds = clock.nsecsElapsed() / 1e9;
    if (!scrolled) {
        std::fprintf(stderr, "quenrow-chat-bench: the pane did not reach its last row\n");
        return 1;
    }
    size_t most = allocatedBytes();

    clock.restart();
    view->search(keyword);
    const bool searched = turnUntil([&] { return !view->isSearching() && !model->isFiltering(); });
    const double searchSeconds = clock.nsecsElapsed() / 1e9;
    if (!searched || model->messageCount() == 0) {
        std::fprintf(stderr, "quenrow-chat-bench: the search found nothing\n");
        return 1;
    }
    QCoreApplication::processEvents();
    most = qMax(most, allocatedBytes());
    const double perMessage = (double(most) - double(before)) / messages;

    std::printf("%.3f %.3f %lld %.1f %d %d\n", openSeconds, searchSeconds,
                static_cast<long long>(heartbeat.longestMs()), perMessage, messages, model->messageCount());
    delete view;
    return 0;
}
