#include "categorytablemodel.h"

#include "itemroles.h"
#include "recordaccess.h"
#include "storeticks.h"
#include "viewtext.h"

#include <QColor>

#include <algorithm>

CategoryTableModel::CategoryTableModel(int group, int typeId, QObject *parent)
    : QAbstractTableModel(parent)
    , m_group(group)
    , m_typeId(typeId)
{
}

int CategoryTableModel::group() const
{
    return m_group;
}

int CategoryTableModel::typeId() const
{
    return m_typeId;
}

void CategoryTableModel::appendItem(const QVariant &record)
{
    beginInsertRows(QModelIndex(), m_shown, m_shown);
    m_records.append(record);
    ++m_shown;
    endInsertRows();
}

void CategoryTableModel::setDataList(const QList<QVariant> &records)
{
    beginResetModel();
    if (!m_records.isSharedWith(records))
        m_records = records;
    m_shown = std::min<int>(m_records.size(), PageSize);
    endResetModel();
}

void CategoryTableModel::clear()
{
    beginResetModel();
    m_records.clear();
    m_shown = 0;
    endResetModel();
}

void CategoryTableModel::loadAll()
{
    // One insertion for the rest: a proxy maps it in one pass.
    if (m_shown >= m_records.size())
        return;
    beginInsertRows(QModelIndex(), m_shown, m_records.size() - 1);
    m_shown = m_records.size();
    endInsertRows();
}

bool CategoryTableModel::allLoaded() const
{
    return m_shown >= m_records.size();
}

int CategoryTableModel::recordCount() const
{
    return m_records.size();
}

const QList<QVariant> &CategoryTableModel::records() const
{
    return m_records;
}

QVariant CategoryTableModel::record(int row) const
{
    return m_records.value(row);
}

void CategoryTableModel::replaceRecord(int row, const QVariant &record)
{
    if (row >= 0 && row < m_records.size())
        m_records[row] = record;
}

QString CategoryTableModel::keyword() const
{
    return m_keyword;
}

void CategoryTableModel::setKeyword(const QString &keyword)
{
    m_keyword = keyword;
}

qint64 CategoryTableModel::recordTime(const QVariant &) const
{
    return 0;
}

int CategoryTableModel::dateColumn() const
{
    return -1;
}

bool CategoryTableModel::rowContains(int row, const QString &keyword) const
{
    if (keyword.isEmpty())
        return true;
    const QVariant &record = m_records.at(row);
    const int columns = columnCount();
    for (int column = 1; column < columns; ++column) {
        if (cellText(record, column).contains(keyword, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

bool CategoryTableModel::isRowDeleted(int row) const
{
    return DeviceData::isDeleted(m_records.at(row));
}

bool CategoryTableModel::isRowCheckable(int row) const
{
    return DeviceData::isCheckable(m_records.at(row));
}

int CategoryTableModel::rowCheckState(int row) const
{
    return DeviceData::checkState(m_records.at(row));
}

qint64 CategoryTableModel::rowTime(int row) const
{
    return recordTime(m_records.at(row));
}

bool CategoryTableModel::setRowCheckState(int row, int state)
{
    if (!StoreTicks::setRow(m_records, m_group, m_typeId, row, state))
        return false;
    const QModelIndex cell = index(row, 0);
    emit dataChanged(cell, cell);
    return true;
}

int CategoryTableModel::setRowsCheckState(const QVector<int> &rows, int state)
{
    return writeCheckStates(&rows, state);
}

int CategoryTableModel::setAllRowsCheckState(int state)
{
    return writeCheckStates(nullptr, state);
}

int CategoryTableModel::writeCheckStates(const QVector<int> *rows, int state)
{
    const int changed = StoreTicks::setRows(m_records, m_group, m_typeId, rows, state);
    if (changed > 0 && m_shown > 0)
        emit dataChanged(index(0, 0), index(m_shown - 1, 0));
    return changed;
}

void CategoryTableModel::setAllCheckable(bool checkable)
{
    bool changed = false;
    for (int row = 0; row < m_records.size(); ++row) {
        if (DeviceData::isCheckable(m_records.at(row)) != checkable)
            changed = DeviceData::setCheckable(m_records[row], checkable) || changed;
    }
    if (changed && m_shown > 0)
        emit dataChanged(index(0, 0), index(m_shown - 1, 0));
}

int CategoryTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_shown;
}

QVariant CategoryTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_records.size())
        return QVariant();
    const QVariant &record = m_records.at(index.row());
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return column == 0 ? QVariant() : QVariant(ViewText::marked(cellText(record, column), m_keyword));
    case Qt::ToolTipRole:
        return column == 0 ? QVariant() : QVariant(ViewText::toolTip(cellText(record, column)));
    case Qt::AccessibleTextRole:
        return cellText(record, column == 0 ? 1 : column);
    case Qt::TextAlignmentRole:
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::CheckStateRole:
        return column == 0 ? QVariant(DeviceData::checkState(record)) : QVariant();
    case DeletedRole:
        return DeviceData::isDeleted(record);
    case CheckableRole:
        return column == 0 ? QVariant(DeviceData::isCheckable(record)) : QVariant();
    case CheckStateRole:
        return column == 0 ? QVariant(DeviceData::checkState(record)) : QVariant();
    default:
        return recordData(record, column, role);
    }
}

QVariant CategoryTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    switch (role) {
    case Qt::TextAlignmentRole:
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::ForegroundRole:
        return QColor(102, 102, 102);
    case Qt::DisplayRole:
        if (orientation == Qt::Horizontal && section >= 1 && section < columnCount())
            return headerText(section);
        return QVariant();
    default:
        return QVariant();
    }
}

Qt::ItemFlags CategoryTableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return QAbstractTableModel::flags(index);
    Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
    if (index.column() == 0 && index.row() < m_records.size() && DeviceData::isCheckable(m_records.at(index.row())))
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

bool CategoryTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.row() >= m_records.size() || role == Qt::CheckStateRole)
        return false;
    QVariant &record = m_records[index.row()];
    bool changed = false;
    if (role == CheckStateRole && index.column() == 0)
        changed = DeviceData::setCheckState(record, value.toInt());
    else if (role == CheckableRole && index.column() == 0)
        changed = DeviceData::setCheckable(record, value.toBool());
    else
        changed = setRecordData(record, index.column(), value, role);
    if (changed)
        emit dataChanged(index, index);
    return changed;
}

bool CategoryTableModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && m_shown < m_records.size();
}

void CategoryTableModel::fetchMore(const QModelIndex &parent)
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

QVariant CategoryTableModel::recordData(const QVariant &, int, int) const
{
    return QVariant();
}

bool CategoryTableModel::setRecordData(QVariant &, int, const QVariant &, int)
{
    return false;
}
