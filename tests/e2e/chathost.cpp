// A window holding the Messages view over a small store, so that its QML
// pane is reached over the accessibility bus before the scan-result page
// exists: "Chat host", with Ann's conversation (a message written as markup,
// a link, a picture) and Bob's.
#include "chatinit.h"
#include "devicedata.h"
#include "deviceparser.h"
#include "natsmsview.h"
#include "widgetkit.h"

#include <QApplication>
#include <QDateTime>
#include <QVBoxLayout>

namespace
{
    DeviceData::SMSInfo message(const QString &key, const QString &text, qint64 time, bool fromMe)
    {
        DeviceData::SMSInfo info;
        info.handle = key;
        info.participants = key + QLatin1Char(',');
        info.text = text;
        info.time = time;
        info.dayText = QDateTime::fromSecsSinceEpoch(time).toString(QStringLiteral("yyyy-MM-dd"));
        info.direction = fromMe ? 2 : 1;
        info.isFromMe = fromMe;
        return info;
    }

    QVariant conversation(const QString &key, const QString &name, const QList<DeviceData::SMSInfo> &messages)
    {
        DeviceParser::instance()->setSmsMessages(key, messages);
        DeviceData::SMSSessionInfo session;
        session.key = key;
        session.displayName = name;
        session.lastMessage = QVariant::fromValue(messages.last());
        session.time = messages.last().time;
        session.finished = true;
        session.valid = true;
        return QVariant::fromValue(session);
    }
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    initWidgetKit();
    initChat();
    DeviceData::registerMetaTypes();

    // Stored as the intake stores texts: "<" and ">" as entities.
    const QList<QVariant> list{
        conversation(QStringLiteral("+15550001"), QStringLiteral("Ann"),
                     {message(QStringLiteral("+15550001"), QStringLiteral("&lt;i&gt;hi&lt;/i&gt; & co"), 1600000000,
                              false),
                      message(QStringLiteral("+15550001"), QStringLiteral("see https://example.com"), 1600000060,
                              true)}),
        conversation(QStringLiteral("+15550002"), QStringLiteral("Bob"),
                     {message(QStringLiteral("+15550002"), QStringLiteral("pizza at eight"), 1600000120, false)})};
    DeviceParser::instance()->setRecords(DeviceData::DeviceGroup, DeviceData::Messages, list);

    QWidget window;
    window.setWindowTitle(QStringLiteral("Chat host"));
    auto *layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *view = new NatSmsView(DeviceData::Messages, &window);
    layout->addWidget(view);
    window.resize(1000, 640);
    window.show();
    view->setDataList(DeviceParser::instance()->records(DeviceData::DeviceGroup, DeviceData::Messages));
    view->setCheckEnabled(true);
    return app.exec();
}
