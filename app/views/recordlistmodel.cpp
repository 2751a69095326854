#include "recordlistmodel.h"

#include "itemroles.h"
#include "recordaccess.h"
#include "storeticks.h"

#include <QColor>

#include <algorithm>

RecordListModel::RecordListModel(int group, int typeId, QObject *parent)
    : QAbstractListModel(parent)
    , m_group(group)
    , m_typeId(typeId)
{
}

int RecordListModel::group() const
{
    return m_group;
}

int RecordListModel::typeId() const
{
    return m_typeId;
}

void RecordListModel::setRecords(const QList<QVariant> &records)
{
    beginResetModel();
    if (!m_records.isSharedWith(records))
        m_records = records;
    m_shown = std::min<int>(m_records.size(), PageSize);
    endResetModel();
}

void RecordListModel::appendRecord(const QVariant &record)
{
    beginInsertRows(QModelIndex(), m_shown, m_shown);
    m_records.append(record);
    ++m_shown;
    endInsertRows();
}

void RecordListModel::clearRecords()
{
    beginResetModel();
    m_records.clear();
    m_shown = 0;
    endResetModel();
}

void RecordListModel::loadAll()
{
    // One insertion for the rest: the proxy maps it in one pass and the list
    // lays out once.
    if (m_shown >= m_records.size())
        return;
    beginInsertRows(QModelIndex(), m_shown, m_records.size() - 1);
    m_shown = m_records.size();
    endInsertRows();
}

bool RecordListModel::allLoaded() const
{
    return m_shown >= m_records.size();
}

int RecordListModel::recordCount() const
{
    return m_records.size();
}

const QList<QVariant> &RecordListModel::records() const
{
    return m_records;
}

QVariant RecordListModel::record(int row) const
{
    return m_records.value(row);
}

void RecordListModel::setRecord(int row, const QVariant &record)
{
    if (row >= 0 && row < m_records.size())
        m_records[row] = record;
}

bool RecordListModel::setRowCheckState(int row, int state)
{
    if (!StoreTicks::setRow(m_records, m_group, m_typeId, row, state))
        return false;
    if (row < m_shown) {
        const QModelIndex cell = index(row);
        emit dataChanged(cell, cell);
    }
    return true;
}

int RecordListModel::setRowsCheckState(const QVector<int> &rows, int state)
{
    const int changed = StoreTicks::setRows(m_records, m_group, m_typeId, &rows, state);
    if (changed > 0)
        announceAll();
    return changed;
}

int RecordListModel::setAllRowsCheckState(int state)
{
    const int changed = StoreTicks::setRows(m_records, m_group, m_typeId, nullptr, state);
    if (changed > 0)
        announceAll();
    return changed;
}

void RecordListModel::setAllCheckable(bool checkable)
{
    bool changed = false;
    for (int row = 0; row < m_records.size(); ++row) {
        if (DeviceData::isCheckable(m_records.at(row)) != checkable)
            changed = DeviceData::setCheckable(m_records[row], checkable) || changed;
    }
    if (changed)
        announceAll();
}

void RecordListModel::announceAll()
{
    if (m_shown > 0)
        emit dataChanged(index(0), index(m_shown - 1));
}

int RecordListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_shown;
}

QVariant RecordListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_records.size())
        return QVariant();
    const QVariant &record = m_records.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return record;
    case Qt::AccessibleTextRole:
        return accessibleText(record);
    case Qt::TextAlignmentRole:
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::ForegroundRole:
        return DeviceData::isDeleted(record) ? QColor(QStringLiteral("#e73e28")) : QColor(51, 51, 51);
    case DeletedRole:
        return DeviceData::isDeleted(record);
    case CheckableRole:
        return DeviceData::isCheckable(record);
    case CheckStateRole:
    case Qt::CheckStateRole:
        return DeviceData::checkState(record);
    case TimeRole:
        return recordTime(record);
    default:
        return recordData(record, role);
    }
}

Qt::ItemFlags RecordListModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return QAbstractListModel::flags(index);
    Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
    if (index.row() < m_records.size() && DeviceData::isCheckable(m_records.at(index.row())))
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

bool RecordListModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.row() >= m_records.size())
        return false;
    QVariant &record = m_records[index.row()];
    bool changed = false;
    if (role == CheckStateRole)
        changed = DeviceData::setCheckState(record, value.toInt());
    else if (role == CheckableRole)
        changed = DeviceData::setCheckable(record, value.toBool());
    if (changed)
        emit dataChanged(index, index);
    return changed;
}

bool RecordListModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && m_shown < m_records.size();
}

void RecordListModel::fetchMore(const QModelIndex &parent)
{
    if (parent.isValid())
        return;
    const int more = std::min<int>(m_records.size() - m_shown, PageSize);
    if (more <= 0)
        return;
    beginInsertRows(QModelIndex(), m_shown, m_shown + more - 1);
    m_shown += more;
    endInsertRows();
}

QVariant RecordListModel::recordData(const QVariant &, int) const
{
    return QVariant();
}
