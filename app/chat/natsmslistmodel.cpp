#include "natsmslistmodel.h"

#include "chattext.h"
#include "itemroles.h"
#include "recordaccess.h"

#include <QColor>

using DeviceData::SMSInfo;
using DeviceData::SMSSessionInfo;

NatSmsListModel::NatSmsListModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

const SMSSessionInfo &NatSmsListModel::session(const QVariant &record)
{
    static const SMSSessionInfo empty;
    if (record.userType() != qMetaTypeId<SMSSessionInfo>())
        return empty;
    return *static_cast<const SMSSessionInfo *>(record.constData());
}

SMSInfo NatSmsListModel::previewedMessage(const SMSSessionInfo &session)
{
    if (session.extra.isValid() && !session.extra.isNull())
        return session.extra.value<SMSInfo>();
    return session.lastMessage.value<SMSInfo>();
}

QString NatSmsListModel::previewText(const SMSInfo &message)
{
    switch (message.mediaKind) {
    case DeviceData::VideoKind: return QObject::tr("[Videos]");
    case DeviceData::AudioKind: return QObject::tr("[Audios]");
    case DeviceData::ImageKind: return QObject::tr("[Photos]");
    case DeviceData::NoAttachmentKind: return ChatText::plain(message.text).left(ShownLength);
    default: return QObject::tr("[Attachment]");
    }
}

int NatSmsListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_shown;
}

QVariant NatSmsListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= m_shown)
        return QVariant();
    const QVariant &record = m_records.at(index.row());
    const SMSSessionInfo &info = session(record);
    switch (role) {
    case Qt::DisplayRole:
        return record;
    case Qt::TextAlignmentRole:
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::ForegroundRole:
        return info.deleted ? QColor(QStringLiteral("#e73e28")) : QColor(51, 51, 51);
    case DeletedRole:
        return info.deleted;
    case CheckableRole:
        return DeviceData::isCheckable(record);
    case CheckStateRole:
        return DeviceData::checkState(record);
    case Qt::CheckStateRole:
        return DeviceData::checkState(record) == 2 ? Qt::Checked : Qt::Unchecked;
    case TimeRole:
        return info.time;
    case ContactTextRole:
        return info.avatar;
    case Qt::AccessibleTextRole:
        return info.displayName.left(ShownLength);
    case Qt::AccessibleDescriptionRole: {
        const SMSInfo message = previewedMessage(info);
        return message.dayText + QLatin1Char(' ') + previewText(message);
    }
    default:
        return QVariant();
    }
}

bool NatSmsListModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.row() < 0 || index.row() >= m_shown)
        return false;
    QVariant &record = m_records[index.row()];
    switch (role) {
    case Qt::DisplayRole: {
        SMSSessionInfo info = session(record);
        info.avatar = value.toString();
        record = QVariant::fromValue(info);
        break;
    }
    case CheckableRole:
        DeviceData::setCheckable(record, value.toBool());
        break;
    case CheckStateRole:
        DeviceData::setCheckState(record, value.toInt());
        break;
    default:
        return false;
    }
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags NatSmsListModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractListModel::flags(index);
    if (index.isValid() && index.row() < m_shown && DeviceData::isCheckable(m_records.at(index.row())))
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

bool NatSmsListModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && m_shown < m_records.size();
}

void NatSmsListModel::fetchMore(const QModelIndex &parent)
{
    if (!canFetchMore(parent))
        return;
    const int more = qMin(int(m_records.size()) - m_shown, PageSize);
    beginInsertRows(QModelIndex(), m_shown, m_shown + more - 1);
    m_shown += more;
    endInsertRows();
}

void NatSmsListModel::setPagedList(const QList<QVariant> &records)
{
    beginResetModel();
    m_records = records;
    m_shown = qMin(int(m_records.size()), PageSize);
    endResetModel();
}

void NatSmsListModel::setFullList(const QList<QVariant> &records)
{
    beginResetModel();
    m_records = records;
    m_shown = m_records.size();
    endResetModel();
}

void NatSmsListModel::appendRecord(const QVariant &record)
{
    // The rows shown stay the first ones: a record beyond them waits for its
    // page.
    if (m_shown < m_records.size()) {
        m_records.append(record);
        return;
    }
    beginInsertRows(QModelIndex(), m_shown, m_shown);
    m_records.append(record);
    ++m_shown;
    endInsertRows();
}

void NatSmsListModel::replaceRecord(int row, const QVariant &record)
{
    if (row >= 0 && row < m_records.size())
        m_records[row] = record;
}

void NatSmsListModel::changeRecords(const std::function<void(QVariant &)> &change)
{
    for (QVariant &record : m_records)
        change(record);
}

void NatSmsListModel::clear()
{
    beginResetModel();
    m_records.clear();
    m_shown = 0;
    endResetModel();
}

void NatSmsListModel::loadAll()
{
    if (m_shown >= m_records.size())
        return;
    beginInsertRows(QModelIndex(), m_shown, m_records.size() - 1);
    m_shown = m_records.size();
    endInsertRows();
}

int NatSmsListModel::recordCount() const
{
    return m_records.size();
}

const QList<QVariant> &NatSmsListModel::records() const
{
    return m_records;
}

int NatSmsListModel::rowOfKey(const QString &key) const
{
    for (int row = 0; row < m_records.size(); ++row) {
        if (session(m_records.at(row)).key == key)
            return row;
    }
    return -1;
}

void NatSmsListModel::resetRecords(const QList<QVariant> &records)
{
    beginResetModel();
    m_records = records;
    m_shown = qMin(m_shown, int(m_records.size()));
    endResetModel();
}
