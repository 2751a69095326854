#include "chatinfomodel.h"

#include "chatsearchpool.h"
#include "chattext.h"
#include "fileutils.h"
#include "guithreadmailbox.h"
#include "imageprovider.h"
#include "threadpool.h"

#include <QFile>
#include <QPointer>
#include <QUrl>

#include <stdexcept>

namespace
{
    const QByteArray kMessageType = QByteArrayLiteral("messageType");
    const QByteArray kMessage = QByteArrayLiteral("message");
    const QByteArray kMediaName = QByteArrayLiteral("mediaName");
    const QByteArray kAttachmentSize = QByteArrayLiteral("attachmentSize");
    const QByteArray kMediaCaption = QByteArrayLiteral("mediaCaption");
    const QByteArray kMediaDuration = QByteArrayLiteral("mediaDuration");
    const QByteArray kLocalPath = QByteArrayLiteral("localPath");
    const QByteArray kThumbnailPath = QByteArrayLiteral("thumbnailPath");

    const QHash<int, QByteArray> &extraRoles()
    {
        static const QHash<int, QByteArray> roles = {
            {ChatInfoModel::PlainTextRole, "plainText"},
            {ChatInfoModel::ImageSourceRole, "imageSource"},
            {ChatInfoModel::PlainMediaNameRole, "plainMediaName"},
            {ChatInfoModel::ShortMessageRole, "shortMessage"}};
        return roles;
    }

    bool isHighSurrogate(const QString &text, int at)
    {
        return at >= 0 && at < text.size() && text.at(at).isHighSurrogate();
    }

    bool isLowSurrogate(const QString &text, int at)
    {
        return at >= 0 && at < text.size() && text.at(at).isLowSurrogate();
    }
}

struct ChatInfoModel::FilterJob
{
    std::atomic<bool> cancelled{false};
};

ChatInfoModel::ChatInfoModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

ChatInfoModel::~ChatInfoModel()
{
    cancelFilter();
}

int ChatInfoModel::recordRows() const
{
    return m_everyRecord ? 2 * m_records : m_index.size();
}

int ChatInfoModel::totalRows() const
{
    return recordRows() + m_hashes.size();
}

int ChatInfoModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_shown;
}

bool ChatInfoModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && m_shown < totalRows();
}

void ChatInfoModel::fetchMore(const QModelIndex &parent)
{
    if (!canFetchMore(parent))
        return;
    const int more = qMin(totalRows() - m_shown, PageRows);
    beginInsertRows(QModelIndex(), m_shown, m_shown + more - 1);
    m_shown += more;
    endInsertRows();
}

void ChatInfoModel::loadAll()
{
    if (!canFetchMore(QModelIndex()))
        return;
    beginInsertRows(QModelIndex(), m_shown, totalRows() - 1);
    m_shown = totalRows();
    endInsertRows();
}

QHash<int, QByteArray> ChatInfoModel::roleNames() const
{
    QHash<int, QByteArray> names = roleTable();
    const QHash<int, QByteArray> &extras = extraRoles();
    for (auto it = extras.cbegin(); it != extras.cend(); ++it)
        names.insert(it.key(), it.value());
    return names;
}

void ChatInfoModel::forgetCachedRow() const
{
    m_cachedRow = -1;
    m_cachedHash.clear();
}

const QVariantHash &ChatInfoModel::rowHash(int row) const
{
    const int records = recordRows();
    if (row >= records)
        return m_hashes.at(row - records);
    if (row != m_cachedRow) {
        const quint32 entry = m_everyRecord ? quint32(row) : m_index.at(row);
        m_cachedHash = recordRow(int(entry >> 1), (entry & 1) != 0);
        m_cachedRow = row;
    }
    return m_cachedHash;
}

QVariant ChatInfoModel::roleValue(const QVariantHash &hash, const QByteArray &name) const
{
    const auto found = hash.constFind(QString::fromLatin1(name));
    return found == hash.constEnd() ? roleDefault(name) : found.value();
}

QString ChatInfoModel::plainTextOf(const QVariantHash &hash) const
{
    const int type = roleValue(hash, kMessageType).toInt();
    const QString message = messageText(roleValue(hash, kMessage).toString(), type);
    const QString caption = roleValue(hash, kMediaCaption).toString();
    const QString mediaName = roleValue(hash, kMediaName).toString();
    switch (type) {
    case MSG_Image:
    case MSG_Video:
        if (!caption.isEmpty())
            return caption;
        return mediaName.isEmpty() ? message : mediaName;
    case MSG_VoiceCall:
        return message.isEmpty() ? roleValue(hash, kMediaDuration).toString() : message;
    case MSG_Voice:
        return message.isEmpty() ? mediaName : message;
    default:
        return message;
    }
}

QVariant ChatInfoModel::data(const QModelIndex &index, int role) const
{
    const int row = index.row();
    if (!index.isValid() || row < 0 || row >= totalRows())
        return QVariant();
    const QHash<int, QByteArray> &table = roleTable();
    const auto named = table.constFind(role);
    if (named == table.constEnd() && !extraRoles().contains(role))
        return QVariant();
    const QVariantHash &hash = rowHash(row);

    switch (role) {
    case PlainTextRole:
        return plainTextOf(hash);
    case PlainMediaNameRole:
        return roleValue(hash, kMediaName);
    case ImageSourceRole: {
        const int type = roleValue(hash, kMessageType).toInt();
        QString path = roleValue(hash, type == MSG_Video ? kThumbnailPath : kLocalPath).toString();
        if (path.isEmpty())
            path = roleValue(hash, kLocalPath).toString();
        return QUrl(imageUrlPrefix() + ImageProvider::idOf(path));
    }
    case ShortMessageRole: {
        const int type = roleValue(hash, kMessageType).toInt();
        const QString text = messageText(roleValue(hash, kMessage).toString(), type);
        return ChatText::message(sliceStringQString(text, 0, LongText), m_keyword);
    }
    default:
        break;
    }

    const QByteArray &name = named.value();
    const QVariant value = roleValue(hash, name);
    if (name == kMessage) {
        const int type = roleValue(hash, kMessageType).toInt();
        const QString text = messageText(value.toString(), type);
        return type == MSG_Text ? ChatText::message(text, m_keyword) : ChatText::marked(text, m_keyword);
    }
    if (name == kMediaName || name == kAttachmentSize || name == kMediaCaption)
        return ChatText::marked(value.toString(), m_keyword);
    return value;
}

QString ChatInfoModel::keyword() const
{
    return m_keyword;
}

void ChatInfoModel::setKeyword(const QString &keyword)
{
    m_keyword = keyword;
}

bool ChatInfoModel::isFiltering() const
{
    return m_filter != nullptr;
}

void ChatInfoModel::showRecords(int recordCount, bool everyRecord, const IndexTask &task)
{
    cancelFilter();
    beginResetModel();
    forgetCachedRow();
    m_hashes.clear();
    m_index.clear();
    m_records = recordCount;
    m_everyRecord = everyRecord;
    m_shown = 0;
    if (everyRecord || recordCount <= InlineRecords) {
        if (!everyRecord) {
            const std::atomic<bool> never{false};
            task(never, m_index);
        }
        m_shown = qMin(totalRows(), FirstRows);
        endResetModel();
        emit conversationShown();
        return;
    }
    endResetModel();

    auto job = std::make_shared<FilterJob>();
    m_filter = job;
    QPointer<ChatInfoModel> self(this);
    try {
        chatSearchPool().commit([job, self, task] {
            QVector<quint32> index;
            if (!task(job->cancelled, index) || job->cancelled)
                return;
            runOnGuiThread([self, job, index] {
                if (self)
                    self->applyIndex(job, index);
            });
        });
    } catch (const std::runtime_error &) {
        // The pool has stopped: the program is ending.
        m_filter.reset();
    }
}

void ChatInfoModel::applyIndex(const std::shared_ptr<FilterJob> &job, const QVector<quint32> &index)
{
    if (job != m_filter)
        return;
    m_filter.reset();
    beginResetModel();
    forgetCachedRow();
    m_index = index;
    m_shown = qMin(totalRows(), FirstRows);
    endResetModel();
    emit conversationShown();
}

void ChatInfoModel::cancelFilter()
{
    if (m_filter) {
        m_filter->cancelled = true;
        m_filter.reset();
    }
}

void ChatInfoModel::materializeIndex()
{
    if (!m_everyRecord)
        return;
    m_index.resize(2 * m_records);
    for (int row = 0; row < m_index.size(); ++row)
        m_index[row] = quint32(row);
    m_everyRecord = false;
}

void ChatInfoModel::remove(int row)
{
    if (row < 0 || row >= totalRows())
        return;
    const bool announced = row < m_shown;
    if (announced)
        beginRemoveRows(QModelIndex(), row, row);
    forgetCachedRow();
    const int records = recordRows();
    if (row >= records) {
        m_hashes.removeAt(row - records);
    } else {
        materializeIndex();
        m_index.remove(row);
    }
    if (announced) {
        --m_shown;
        endRemoveRows();
    }
}

void ChatInfoModel::append(const QList<QVariantHash> &hashs)
{
    cancelFilter();
    beginResetModel();
    forgetCachedRow();
    m_records = 0;
    m_everyRecord = false;
    m_index.clear();
    m_hashes = hashs;
    m_shown = qMin(int(m_hashes.size()), PageRows);
    endResetModel();
}

void ChatInfoModel::append(const QVariantHash &hash)
{
    // The first rows are announced one by one; a row behind rows still to be
    // fetched waits for its page.
    if (m_shown <= PageRows && m_shown == totalRows()) {
        beginInsertRows(QModelIndex(), m_shown, m_shown);
        m_hashes.append(hash);
        ++m_shown;
        endInsertRows();
        return;
    }
    m_hashes.append(hash);
}

void ChatInfoModel::clear()
{
    cancelFilter();
    beginResetModel();
    forgetCachedRow();
    m_hashes.clear();
    m_index.clear();
    m_records = 0;
    m_everyRecord = false;
    m_shown = 0;
    endResetModel();
}

void ChatInfoModel::tryToUse(const QString &type, const QVariant &value)
{
    emit sigTryToUse(type, value);
}

void ChatInfoModel::tryToUse(const QString &type)
{
    emit sigTryToUse(type, QVariant());
}

void ChatInfoModel::tryToUse()
{
    emit sigTryToUse(QString(), QVariant());
}

void ChatInfoModel::exportFile(const QString &localPath, const QString &strFilename)
{
    emit sigExportFile(localPath, strFilename);
}

void ChatInfoModel::exportFile(const QString &localPath)
{
    emit sigExportFile(localPath, QString());
}

QString ChatInfoModel::title() const
{
    return m_title;
}

void ChatInfoModel::setTitle(const QString &text)
{
    if (text == m_title)
        return;
    m_title = text;
    emit titleChanged(m_title);
}

bool ChatInfoModel::isEnabled() const
{
    return m_enabled;
}

void ChatInfoModel::setEnabled(bool on)
{
    m_enabled = on;
    emit scanOver();
}

void ChatInfoModel::setVisibleTitle(bool on)
{
    emit visibleTitle(on);
}

bool ChatInfoModel::pathExists(const QString &path) const
{
    return QFile::exists(path);
}

void ChatInfoModel::openUrl(const QString &url)
{
    const QString target = ChatText::linkTarget(url);
    if (!target.isEmpty())
        ::openUrl(target);
}

int ChatInfoModel::getStringLenth(const QString &str) const
{
    return str.size();
}

QString ChatInfoModel::sliceStringQString(const QString &str, int start, int end) const
{
    int from = qMax(0, start);
    int count = end;
    if (count < 0 || from >= str.size())
        return str.mid(from, count);
    if (isLowSurrogate(str, from) && isHighSurrogate(str, from - 1)) {
        --from;
        ++count;
    }
    const int last = from + count - 1;
    if (isHighSurrogate(str, last) && isLowSurrogate(str, last + 1))
        ++count;
    return str.mid(from, count);
}
