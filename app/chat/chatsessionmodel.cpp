#include "chatsessionmodel.h"

#include "itemroles.h"
#include "recordaccess.h"

#include <QColor>

ChatSessionModel::ChatSessionModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

int ChatSessionModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_shown;
}

bool ChatSessionModel::isStarred(const QVariant &) const
{
    return false;
}

QVariant ChatSessionModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= m_sessions.size())
        return QVariant();
    const QVariant &session = m_sessions.at(index.row());
    const bool deleted = DeviceData::isDeleted(session);
    switch (role) {
    case Qt::DisplayRole:
        return session;
    case Qt::TextAlignmentRole:
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::ForegroundRole:
        return deleted ? QColor(QStringLiteral("#e73e28")) : QColor(51, 51, 51);
    case DeletedRole:
        return deleted;
    case CheckableRole:
        return DeviceData::isCheckable(session);
    case CheckStateRole:
        return DeviceData::checkState(session);
    case Qt::CheckStateRole:
        return DeviceData::checkState(session) == 2 ? Qt::Checked : Qt::Unchecked;
    case TimeRole:
        return timeOf(session);
    case ContactTextRole:
        return pictureOf(session);
    case KeywordRole:
        return m_keyword;
    case NameRole:
    case Qt::AccessibleTextRole:
        return nameOf(session);
    case TimeTextRole:
        return timeTextOf(session);
    case SummaryRole:
        return summaryOf(session);
    case Qt::AccessibleDescriptionRole:
        return timeTextOf(session) + QLatin1Char(' ') + summaryOf(session);
    case GroupRole:
        return isGroup(session);
    case StarredRole:
        return isStarred(session);
    case SessionIdRole:
        return sessionIdOf(session);
    case KindRole:
        return kindOf(session);
    default:
        return QVariant();
    }
}

bool ChatSessionModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.row() < 0 || index.row() >= m_sessions.size())
        return false;
    QVariant &session = m_sessions[index.row()];
    switch (role) {
    case Qt::DisplayRole:
        setPicture(session, value.toString());
        break;
    case CheckableRole:
        DeviceData::setCheckable(session, value.toBool());
        break;
    case CheckStateRole:
        DeviceData::setCheckState(session, value.toInt());
        break;
    default:
        return false;
    }
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags ChatSessionModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractListModel::flags(index);
    if (index.isValid() && index.row() < m_sessions.size() && DeviceData::isCheckable(m_sessions.at(index.row())))
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

bool ChatSessionModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && m_shown < m_sessions.size();
}

void ChatSessionModel::fetchMore(const QModelIndex &parent)
{
    if (!canFetchMore(parent))
        return;
    const int more = qMin(int(m_sessions.size()) - m_shown, PageSize);
    beginInsertRows(QModelIndex(), m_shown, m_shown + more - 1);
    m_shown += more;
    endInsertRows();
}

void ChatSessionModel::setList(const QList<QVariant> &sessions, bool showAll)
{
    beginResetModel();
    m_sessions = sessions;
    m_shown = showAll ? m_sessions.size() : qMin(int(m_sessions.size()), PageSize);
    endResetModel();
}

void ChatSessionModel::setListAll(const QList<QVariant> &sessions, bool reset)
{
    if (reset)
        beginResetModel();
    m_sessions = sessions;
    m_shown = m_sessions.size();
    if (reset)
        endResetModel();
}

void ChatSessionModel::setRecord(int row, const QVariant &session, bool reset)
{
    if (row < 0 || row >= m_sessions.size())
        return;
    if (reset)
        beginResetModel();
    m_sessions[row] = session;
    if (reset)
        endResetModel();
}

void ChatSessionModel::setRecord(const QModelIndex &index, const QVariant &session, bool emitChanged)
{
    if (!index.isValid() || index.row() >= m_sessions.size())
        return;
    m_sessions[index.row()] = session;
    if (emitChanged)
        emit dataChanged(index, index);
}

void ChatSessionModel::append(const QVariant &session)
{
    // The rows shown stay the first ones: a session beyond them waits for
    // its page.
    if (m_shown < m_sessions.size()) {
        m_sessions.append(session);
        return;
    }
    beginInsertRows(QModelIndex(), m_shown, m_shown);
    m_sessions.append(session);
    ++m_shown;
    endInsertRows();
}

void ChatSessionModel::clear()
{
    beginResetModel();
    m_sessions.clear();
    m_shown = 0;
    m_counts.clear();
    endResetModel();
}

int ChatSessionModel::count() const
{
    return m_sessions.size();
}

QVariant ChatSessionModel::record(int row) const
{
    return m_sessions.value(row);
}

const QList<QVariant> &ChatSessionModel::records() const
{
    return m_sessions;
}

int ChatSessionModel::rowOfKey(const QString &key) const
{
    for (int row = 0; row < m_sessions.size(); ++row) {
        if (keyOf(m_sessions.at(row)) == key)
            return row;
    }
    return -1;
}

QString ChatSessionModel::keyword() const
{
    return m_keyword;
}

void ChatSessionModel::setKeyword(const QString &keyword)
{
    m_keyword = keyword;
}

QMap<int, ChatSessionModel::Counts> ChatSessionModel::kindCounts() const
{
    return m_counts;
}

std::function<ChatSessionModel::ReloadResult(const std::atomic<bool> &)>
ChatSessionModel::reloadTask(const QString &keyword, int filterMode) const
{
    struct Item
    {
        QVariant session;
        int id;
        int kind;
        bool deleted;
    };
    QVector<Item> items;
    items.reserve(m_sessions.size());
    for (const QVariant &session : m_sessions)
        items.append({session, sessionIdOf(session), kindOf(session), DeviceData::isDeleted(session)});
    const Matcher match = matcher();
    return [items, keyword, filterMode, match](const std::atomic<bool> &cancelled) {
        ReloadResult result;
        for (const Item &item : items) {
            if (cancelled)
                return ReloadResult();
            Found found;
            const bool matched = match(item.session, keyword, cancelled, found);
            if (matched) {
                Counts &counts = result.counts[item.kind];
                ++(item.deleted ? counts.deleted : counts.existing);
                counts.total = counts.existing + counts.deleted;
            }
            switch (filterMode) {
            case 1: found.visible = matched && !item.deleted; break;
            case 2: found.visible = matched && item.deleted; break;
            default: found.visible = matched; break;
            }
            result.sessions.insert(item.id, found);
        }
        return result;
    };
}

void ChatSessionModel::applyReload(const ReloadResult &result)
{
    beginResetModel();
    for (QVariant &session : m_sessions) {
        const auto found = result.sessions.constFind(sessionIdOf(session));
        if (found != result.sessions.constEnd())
            apply(session, found.value());
    }
    m_counts = result.counts;
    endResetModel();
}
