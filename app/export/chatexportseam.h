#pragma once

#include <QJsonObject>
#include <QString>

#include <functional>

// What the chat writers need of the page writer, the copy queue and the
// export's counters, in one place.
namespace ChatExportSeam
{
    struct Hooks
    {
        std::function<void(const QString &source, const QString &destination)> queueCopy;
        std::function<void()> countDone; // one more record processed and succeeded
    };
    // Returns the previous hooks.
    Hooks install(const Hooks &hooks);

    bool addAttachment(const QString &folder, const QString &source, QJsonObject &object, const QString &targetName);
    bool copyAttachment(const QString &folder, const QString &source, QJsonObject &object, const QString &key);
    bool copyThumbnail(const QString &folder, const QString &source, QJsonObject &object);
    void countDone();
    bool writeHeaderFile(const QString &folder, const QString &title, const QString &typeCaption, int category,
                         const QString &fileName, const QString &prefix, const QString &account,
                         const QString &titleInfo3);
    bool writeHtmlPage(const QString &folder, const QString &pageName, int category, const QString &subFolder);
}
