#include "exportpages.h"

#include "devicedata.h"
#include "exportfilename.h"
#include "exportsink.h"
#include "fileutils.h"
#include "jsondatafile.h"
#include "settingsentry.h"
#include "tablerow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>
#include <QSet>

static void initExportResources()
{
    Q_INIT_RESOURCE(exporttemplates);
}

namespace {

const QString AttachmentFolder = QStringLiteral("resource/Attachment");

QString templateOf(int category)
{
    switch (category) {
    case DeviceData::Messages:
        return QStringLiteral(":/SDK/sdk/html/message.html");
    case DeviceData::WhatsApp:
        return QStringLiteral(":/SDK/sdk/html/waMessage.html");
    case DeviceData::Line:
        return QStringLiteral(":/SDK/sdk/html/lineMessage.html");
    default:
        return ExportPages::categoryKey(category).isEmpty() ? QString()
                                                            : QStringLiteral(":/SDK/sdk/html/table.html");
    }
}

void ensureResources()
{
    static const bool done = [] {
        initExportResources();
        return true;
    }();
    Q_UNUSED(done);
}

struct NameRegistry
{
    QMutex mutex;
    // Attachment folder (as given) -> reserved names in lower case.
    QHash<QString, QSet<QString>> taken;
};

NameRegistry &registry()
{
    static NameRegistry names;
    return names;
}

bool existsOnDisk(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

} // namespace

QString ExportPages::categoryKey(int category)
{
    switch (category) {
    case DeviceData::Contacts: return QStringLiteral("contacts");
    case DeviceData::Messages: return QStringLiteral("messages");
    case DeviceData::Voicemails: return QStringLiteral("voiceMail");
    case DeviceData::VoiceMemos: return QStringLiteral("voiceMemo");
    case DeviceData::FaceTime: return QStringLiteral("faceTime");
    case DeviceData::SafariBookmarks: return QStringLiteral("safariBookmarks");
    case DeviceData::SafariHistory: return QStringLiteral("safariBrowserRecords");
    case DeviceData::Notes: return QStringLiteral("memorandum");
    case DeviceData::CallHistory: return QStringLiteral("callRecords");
    case DeviceData::Calendars: return QStringLiteral("calendar");
    case DeviceData::Reminders: return QStringLiteral("eventReminder");
    case DeviceData::WhatsApp: return QStringLiteral("whatsApp");
    case DeviceData::Line: return QStringLiteral("line");
    default: return QString();
    }
}

bool ExportPages::writeHtmlPage(const QString &folder, const QString &pageName, int category,
                                const QString &subFolder)
{
    ensureResources();
    const QString resource = templateOf(category);
    if (!resource.isEmpty()) {
        QString page = readFileText(resource);
        if (!subFolder.isEmpty() && (category == DeviceData::WhatsApp || category == DeviceData::Line)) {
            page.replace(QStringLiteral("<script src=\"./json/contacts.js\"></script>"),
                         QStringLiteral("<script src=\"./json/%1/contacts.js\"></script>").arg(subFolder));
            page.replace(QStringLiteral("<script src=\"./json/common.js\"></script>"),
                         QStringLiteral("<script src=\"./json/%1/common.js\"></script>").arg(subFolder));
        }
        writeTextFile(QStringLiteral("%1/%2.html").arg(folder, pageName), page);
    }
    QFile icon(QStringLiteral(":/Images/app_logo_64.ico"));
    if (icon.open(QIODevice::ReadOnly)) {
        QFile out(folder + QStringLiteral("/favicon.ico"));
        if (out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            out.write(icon.readAll());
    }
    return true;
}

QJsonObject ExportPages::headerObject(const QString &title, const QString &typeCaption, int category,
                                      const QString &account, const QString &titleInfo3)
{
    QJsonObject header;
    header.insert(QStringLiteral("Account"), account);
    header.insert(QStringLiteral("AppName"), QStringLiteral("Quenrow (iOS)"));
    header.insert(QStringLiteral("Info"), QStringLiteral("information"));
    header.insert(QStringLiteral("Language"),
                  SettingsEntry::instance()->value(QStringLiteral("Language"), SettingsEntry::LanguageNameScope)
                      .toString());
    header.insert(QStringLiteral("Title"), title);
    header.insert(QStringLiteral("TitleInfo1"),
                  QCoreApplication::translate("QObject", "Please press \"Ctrl\" + \"F\" to search."));
    header.insert(QStringLiteral("TitleInfo2"),
                  QCoreApplication::translate(
                      "QObject", "Save this session as PDF? Find the three dots in the upper right corner of the "
                                 "browser -> find \"Print\" -> the pinter option and select \"Save as PDF\"."));
    header.insert(QStringLiteral("TitleInfo3"), titleInfo3);
    header.insert(QStringLiteral("Type"), category);
    header.insert(QStringLiteral("TypeCaption"), typeCaption);
    header.insert(QStringLiteral("messageType"), categoryKey(category));
    return header;
}

bool ExportPages::writeHeaderFile(const QString &folder, const QString &title, const QString &typeCaption,
                                  int category, const QString &fileName, const QString &prefix,
                                  const QString &account, const QString &titleInfo3)
{
    return JsonDataFile::writeFile(folder, fileName, prefix.toUtf8(),
                                   headerObject(title, typeCaption, category, account, titleInfo3));
}

bool ExportPages::writeJsonArrayFile(const QString &folder, const QJsonArray &array, const QString &fileName,
                                     const QString &prefix)
{
    if (array.isEmpty())
        return false;
    return JsonDataFile::writeFile(folder, fileName, prefix.toUtf8(), array);
}

bool ExportPages::writeJsonObjectFile(const QString &folder, const QJsonObject &object, const QString &fileName,
                                      const QString &prefix)
{
    if (object.isEmpty())
        return false;
    return JsonDataFile::writeFile(folder, fileName, prefix.toUtf8(), object);
}

QString ExportPages::reserveAttachmentName(const QString &folder, const QString &wanted)
{
    // Named as the copy worker will write it: a longer name would be cut
    // there and the page would link a file that is not there.
    const QString name = ExportFileName::safe(wanted);
    const QString target = folder + '/' + AttachmentFolder;
    NameRegistry &names = registry();
    QMutexLocker locker(&names.mutex);
    QSet<QString> &taken = names.taken[target];
    QString candidate = name;
    for (int n = 1; taken.contains(candidate.toLower()) || existsOnDisk(target + '/' + candidate); ++n)
        candidate = ExportFileName::numbered(name, n);
    taken.insert(candidate.toLower());
    return candidate;
}

void ExportPages::resetAttachmentNames()
{
    NameRegistry &names = registry();
    QMutexLocker locker(&names.mutex);
    names.taken.clear();
}

namespace {

// The attachment's place under the folder, its copy queued when the source
// is there.
QString queueAttachment(const QString &folder, const QString &source, const QString &targetName, bool &exists)
{
    QDir().mkpath(folder + '/' + AttachmentFolder);
    QString name = targetName.isEmpty() ? QFileInfo(source).fileName() : targetName;
    exists = !source.isEmpty() && QFileInfo(source).isFile();
    if (exists) {
        name = ExportPages::reserveAttachmentName(folder, name);
        ExportSink::current()->queueCopy(source, folder + '/' + AttachmentFolder + '/' + name);
    } else {
        name = ExportFileName::safe(name);
    }
    return AttachmentFolder + '/' + name;
}

} // namespace

bool ExportPages::addAttachment(const QString &folder, const QString &source, QJsonObject &object,
                                const QString &targetName)
{
    bool exists = false;
    object.insert(QStringLiteral("local_path"), queueAttachment(folder, source, targetName, exists));
    return exists;
}

bool ExportPages::addAttachment(const QString &folder, const QString &source, TableRow &row,
                                const QString &targetName)
{
    bool exists = false;
    row.insert("local_path", queueAttachment(folder, source, targetName, exists));
    return exists;
}

bool ExportPages::copyAttachment(const QString &folder, const QString &source, QJsonObject &object,
                                 const QString &key)
{
    if (source.isEmpty() || !QFileInfo(source).isFile()) {
        object.insert(key, QString());
        return false;
    }
    const QString target = folder + '/' + AttachmentFolder;
    QDir().mkpath(target);
    const QString name = reserveAttachmentName(folder, QFileInfo(source).fileName());
    if (!QFile::copy(source, target + '/' + name)) {
        object.insert(key, QString());
        return false;
    }
    object.insert(key, AttachmentFolder + '/' + name);
    return true;
}

bool ExportPages::copyThumbnail(const QString &folder, const QString &source, QJsonObject &object)
{
    return copyAttachment(folder, source, object, QStringLiteral("thumbnailPath"));
}
