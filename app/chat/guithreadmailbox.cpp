#include "guithreadmailbox.h"

#include <QCoreApplication>

#include <mutex>
#include <utility>
#include <vector>

namespace
{
    struct Mailbox
    {
        std::mutex lock;
        std::vector<std::function<void()>> pending;
    };

    Mailbox &mailbox()
    {
        static Mailbox box;
        return box;
    }

    void drain()
    {
        std::vector<std::function<void()>> work;
        {
            std::lock_guard<std::mutex> guard(mailbox().lock);
            work.swap(mailbox().pending);
        }
        for (std::function<void()> &each : work)
            each();
    }
}

void runOnGuiThread(std::function<void()> work)
{
    QCoreApplication *application = QCoreApplication::instance();
    if (!application)
        return;
    {
        std::lock_guard<std::mutex> guard(mailbox().lock);
        mailbox().pending.push_back(std::move(work));
    }
    QMetaObject::invokeMethod(application, [] { drain(); }, Qt::QueuedConnection);
}
