#include "appevent.h"

#include <QCoreApplication>
#include <QObject>

AppEvent::AppEvent(int type, const QVariant &data)
    : QEvent(QEvent::Type(type))
    , m_data(data)
{
}

AppEvent::~AppEvent() = default;

QVariant AppEvent::data() const
{
    return m_data;
}

QMap<int, QObject *> &appEventReceivers()
{
    static QMap<int, QObject *> receivers;
    return receivers;
}

void postAppEvent(int type, const QVariant &data)
{
    if (QObject *receiver = appEventReceivers().value(0))
        QCoreApplication::postEvent(receiver, new AppEvent(type, data), Qt::NormalEventPriority);
}

void sendAppEvent(int type, const QVariant &data)
{
    // Qt guards only postEvent against a null receiver; sendEvent would crash.
    if (QObject *receiver = appEventReceivers().value(0)) {
        AppEvent event(type, data);
        QCoreApplication::sendEvent(receiver, &event);
    }
}
