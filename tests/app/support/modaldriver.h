#pragma once

#include <QByteArray>
#include <QString>
#include <QWidget>

#include <functional>

// Answers modal dialogs in widget tests, so that an exec() never blocks one.
//
//     ModalDriver::onNext<XMessageBox>([](XMessageBox *box) { ModalDriver::clickButton(box, "OK"); });
//     const int answer = XMessageBox::question(...);   // runs exec(); the driver clicks "OK"
//
// From a zero-interval timer the driver waits for the next modal widget of
// type T (not the one already up when onNext was called, nor one it has
// acted on) and runs the action on it inside that dialog's event loop.
// Actions armed together run in order, one per modal. When none comes within
// timeoutMs the test fails and every open modal is rejected.
class ModalDriver
{
public:
    template<typename T>
    static void onNext(std::function<void(T *)> action, int timeoutMs = 5000)
    {
        enqueue(
            T::staticMetaObject.className(), [](QWidget *widget) { return dynamic_cast<T *>(widget) != nullptr; },
            [action](QWidget *widget) { action(dynamic_cast<T *>(widget)); }, timeoutMs);
    }

    // Clicks the visible button below root whose text (without '&'), object
    // name or accessible name is textOrName; false when there is none.
    static bool clickButton(QWidget *root, const QString &textOrName);
    // Types text into the line edit below root with that object or accessible
    // name (the focused one, else the first, when name is empty).
    static bool typeText(QWidget *root, const QString &text, const QString &name = QString());
    // Rejects (or closes) every open modal widget.
    static void rejectAllModals();

    // Actions still waiting for their dialog.
    static int pending();
    static void clear();

private:
    static void enqueue(const QByteArray &typeName, std::function<bool(QWidget *)> accepts,
                        std::function<void(QWidget *)> act, int timeoutMs);
};
