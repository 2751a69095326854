#pragma once

#include <QEvent>
#include <QMap>
#include <QVariant>

class QObject;

// An event of the program's own, carrying one payload, by which parts that
// hold no pointer to the main window ask it for work. The types are
// ordinary QEvent types in the user range (1010 About, 1254 taskbar
// progress shown, 1255 taskbar progress value, ...).
class AppEvent : public QEvent
{
public:
    AppEvent(int type, const QVariant &data);
    ~AppEvent() override;

    QVariant data() const;

private:
    QVariant m_data;
};

// The process-wide receivers of AppEvents by key; key 0 is the main window,
// which enters itself on the GUI thread before any event is sent.
QMap<int, QObject *> &appEventReceivers();

// Deliver an AppEvent to the receiver under key 0: queued (Qt owns the
// event) or at once on the caller's stack. Without a receiver nothing
// happens, and the lookup never adds a key.
void postAppEvent(int type, const QVariant &data = QVariant());
void sendAppEvent(int type, const QVariant &data = QVariant());
