#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

class TableRow;

// The pages of an export and their shared files: the page itself, its
// page-header data file, the JSON data files, and the files copied into
// the folder's "resource/Attachment" for the page.
namespace ExportPages
{
    // "contacts", "callRecords", ... for a category with a page, else "".
    QString categoryKey(int category);

    // The category's page as folder/pageName.html (none for a category
    // without one) and, always, folder/favicon.ico. A non-empty subFolder
    // points the WhatsApp and LINE pages' data files into json/subFolder.
    bool writeHtmlPage(const QString &folder, const QString &pageName, int category, const QString &subFolder);

    // The page-header object the pages read.
    QJsonObject headerObject(const QString &title, const QString &typeCaption, int category,
                             const QString &account, const QString &titleInfo3);
    bool writeHeaderFile(const QString &folder, const QString &title, const QString &typeCaption, int category,
                         const QString &fileName, const QString &prefix, const QString &account,
                         const QString &titleInfo3);

    // Nothing is written, and false returned, for an empty value.
    bool writeJsonArrayFile(const QString &folder, const QJsonArray &array, const QString &fileName,
                            const QString &prefix);
    bool writeJsonObjectFile(const QString &folder, const QJsonObject &object, const QString &fileName,
                             const QString &prefix);

    // A free name in folder/resource/Attachment for the wanted name (made
    // safe), reserved for this run: names already given out and files on
    // disk are skipped, ignoring case, by "name(n).suffix".
    QString reserveAttachmentName(const QString &folder, const QString &wanted);
    // Forgets the reserved names (a new run).
    void resetAttachmentNames();

    // Sets "local_path" to the file's place under "resource/Attachment" and,
    // when the source exists, queues its copy there; true when it exists.
    // An empty targetName keeps the source's own name.
    bool addAttachment(const QString &folder, const QString &source, QJsonObject &object,
                       const QString &targetName);
    bool addAttachment(const QString &folder, const QString &source, TableRow &row, const QString &targetName);
    // Copies at once and sets key to the copy's place; an empty key value
    // and false when the source is missing or the copy fails.
    bool copyAttachment(const QString &folder, const QString &source, QJsonObject &object, const QString &key);
    bool copyThumbnail(const QString &folder, const QString &source, QJsonObject &object);
}
