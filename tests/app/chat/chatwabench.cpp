// The WhatsApp view on one chat of a backup, offscreen: opened and taken to
// its last row (the pane's End key), then searched for a keyword; then a
// chat of pictures scrolled through the pane from top to bottom. Prints the
// time of opening and reaching the end, the search's time, the GUI thread's
// longest stall (by a 5 ms heartbeat) over the first two and over the
// pictures. Run by bench/chat-whatsapp.sh.
//
//     quenrow-chat-wa-bench --backup DIR --out DIR --keyword WORD --pictures N
#include "chatdatafolders.h"
#include "chatinit.h"
#include "devicedata.h"
#include "deviceparser.h"
#include "storescan.h"
#include "wachatinfomodel.h"
#include "whatsappchat.h"
#include "widgetkit.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QKeyEvent>
#include <QQuickItem>
#include <QQuickWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace
{
    // The longest time between two ticks of a 5 ms timer since restart().
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
        void restart()
        {
            m_last = -1;
            m_longest = 0;
        }
        qint64 longestMs() const { return m_longest; }

    private:
        QTimer m_timer;
        QElapsedTimer m_clock;
        qint64 m_last = -1;
        qint64 m_longest = 0;
    };

    // Turns the event loop until done() holds; false after two minutes.
    bool turnUntil(const std::function<bool()> &done)
    {
        QElapsedTimer waited;
        waited.start();
        while (!done()) {
            if (waited.elapsed() > 120000)
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

    QQuickItem *messageList(WhatsAppChat &view)
    {
        return view.quickWidget()->rootObject()->findChild<QQuickItem *>(QStringLiteral("messageList"));
    }

    // A chat of count pictures, each a file of its own in folder.
    QVariant storePictureChat(const QString &folder, int count)
    {
        constexpr int Id = 900000;
        QList<QVariant> messages;
        for (int i = 0; i < count; ++i) {
            QImage image(640, 480, QImage::Format_RGB32);
            image.fill(QColor::fromHsv(i * 7 % 360, 160, 220));
            const QString path = QStringLiteral("%1/picture-%2.jpg").arg(folder).arg(i);
            image.save(path, "JPG", 80);
            DeviceData::WaMessageInfo message;
            message.messageType = 1;
            message.mediaPath = path;
            message.thumbnailPath = path;
            message.fileName = QStringLiteral("picture-%1.jpg").arg(i);
            message.mediaExists = true;
            message.date = 1650000000 + i;
            message.dateTimeText = QStringLiteral("2022-04-15 05:20:%1").arg(i % 60, 2, 10, QLatin1Char('0'));
            message.direction = i % 2 ? 2 : 1;
            messages.append(QVariant::fromValue(message));
        }
        DeviceParser::instance()->setSessionRecords(DeviceData::WhatsApp, Id, messages);
        DeviceData::WaSessionInfo session;
        session.id = Id;
        session.contactJid = QStringLiteral("pictures@s.whatsapp.net");
        session.title = QStringLiteral("Pictures");
        session.valid = true;
        session.finished = true;
        session.lastMessage = messages.last();
        return QVariant::fromValue(session);
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
    const QString backup = option(arguments, QStringLiteral("--backup"));
    const QString keyword = option(arguments, QStringLiteral("--keyword"));
    const int pictures = option(arguments, QStringLiteral("--pictures")).toInt();
    scanBackupIntoStore(backup, {DeviceData::WhatsApp}, option(arguments, QStringLiteral("--out")));
    DeviceParser *store = DeviceParser::instance();
    const QList<QVariant> sessions = store->records(DeviceData::DeviceGroup, DeviceData::WhatsApp);
    if (sessions.isEmpty()) {
        std::fprintf(stderr, "quenrow-chat-wa-bench: no chat in the backup\n");
        return 1;
    }
    const int messages =
        store->sessionRecords(DeviceData::WhatsApp, sessions.first().value<DeviceData::WaSessionInfo>().id).size();

    Heartbeat heartbeat;
    QElapsedTimer clock;
    clock.start();
    auto *view = new WhatsAppChat(DeviceData::WhatsApp);
    view->resize(1100, 700);
    view->show();
    view->setDataList(sessions);
    view->setCheckEnabled(true);
    WaChatInfoModel *model = view->waMessages();
    QQuickItem *list = messageList(*view);
    // End, as a person presses it in the pane.
    view->activateWindow();
    view->quickWidget()->setFocus();
    QCoreApplication::processEvents();
    list->forceActiveFocus();
    QKeyEvent end(QEvent::KeyPress, Qt::Key_End, Qt::NoModifier);
    QCoreApplication::sendEvent(view->quickWidget(), &end);
    const bool scrolled = turnUntil([&] {
        if (list->property("count").toInt() != model->totalRows())
            return false;
        QMetaObject::invokeMethod(list, "positionViewAtEnd");
        return list->property("atYEnd").toBool() && model->totalRows() == 2 * messages;
    });
    const double openSeconds = clock.nsecsElapsed() / 1e9;
    if (!scrolled) {
        std::fprintf(stderr, "quenrow-chat-wa-bench: the pane did not reach its last row\n");
        return 1;
    }

    clock.restart();
    view->search(keyword);
    const bool searched = turnUntil([&] { return !view->isReloading() && !model->isFiltering(); });
    const double searchSeconds = clock.nsecsElapsed() / 1e9;
    if (!searched || model->totalRows() == 0) {
        std::fprintf(stderr, "quenrow-chat-wa-bench: the search found nothing\n");
        return 1;
    }
    QCoreApplication::processEvents();
    const qint64 chatStall = heartbeat.longestMs();
    const int found = model->totalRows() / 2;

    // The pictures: a chat of its own, its files in the scan's folder.
    QTemporaryDir folder;
    ChatDataFolders::setRoots({folder.path()});
    view->search(QString());
    turnUntil([&] { return !view->isReloading(); });
    QList<QVariant> withPictures = store->records(DeviceData::DeviceGroup, DeviceData::WhatsApp);
    withPictures.prepend(storePictureChat(folder.path(), pictures));
    view->setDataList(withPictures);
    QCoreApplication::processEvents();
    heartbeat.restart();
    clock.restart();
    // Down the pane two pictures a frame, as a person drags the scroll bar,
    // then the last row on screen.
    QElapsedTimer frame;
    frame.start();
    int top = 0;
    const bool pictured = turnUntil([&] {
        if (frame.elapsed() < 16)
            return false;
        frame.restart();
        if (top >= model->rowCount() && model->canFetchMore(QModelIndex()))
            model->fetchMore(QModelIndex());
        if (top >= model->totalRows())
            return true;
        QMetaObject::invokeMethod(list, "positionViewAtIndex", Q_ARG(int, top), Q_ARG(int, 0));
        top += 4;
        return false;
    });
    const double pictureSeconds = clock.nsecsElapsed() / 1e9;
    if (!pictured) {
        std::fprintf(stderr, "quenrow-chat-wa-bench: the pictures did not reach their end\n");
        return 1;
    }
    const qint64 pictureStall = heartbeat.longestMs();

    std::printf("%.3f %.3f %lld %lld %.3f %d %d\n", openSeconds, searchSeconds, static_cast<long long>(chatStall),
                static_cast<long long>(pictureStall), pictureSeconds, messages, found);
    delete view;
    return 0;
}
