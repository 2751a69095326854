#include "navigationitemmodel.h"

#include "devicedata.h"
#include "itemroles.h"

#include <QCoreApplication>
#include <QMutex>
#include <QMutexLocker>

#include <algorithm>

namespace
{
    QMutex &itemsMutex()
    {
        static QMutex mutex;
        return mutex;
    }

    Vx::DataItemInfo infoOf(const QVariant &value)
    {
        return value.value<Vx::DataItemInfo>();
    }
}

NavigationItemModel::NavigationItemModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

NavigationItemModel::~NavigationItemModel() = default;

int NavigationItemModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_shown;
}

QVariant NavigationItemModel::data(const QModelIndex &index, int role) const
{
    QMutexLocker lock(&itemsMutex());
    if (!index.isValid() || index.row() < 0 || index.row() >= m_items.size())
        return QVariant();
    const QVariant &stored = m_items.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return stored;
    case CheckableRole:
        return infoOf(stored).flagB;
    case CheckStateRole:
        return infoOf(stored).checkState;
    case Qt::AccessibleTextRole:
        // The delegate translates the name the same way when it paints.
        return QCoreApplication::translate("NavigationItemDelegate", infoOf(stored).name.toUtf8().constData());
    case Qt::AccessibleDescriptionRole: {
        const Vx::DataItemInfo info = infoOf(stored);
        return info.isHeading ? QVariant() : QVariant(QString::number(info.value));
    }
    case Qt::CheckStateRole: {
        const Vx::DataItemInfo info = infoOf(stored);
        return info.isHeading ? QVariant() : QVariant(info.checkState);
    }
    default:
        return QVariant();
    }
}

bool NavigationItemModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    {
        QMutexLocker lock(&itemsMutex());
        if (!index.isValid() || index.row() < 0 || index.row() >= m_items.size())
            return false;
        QVariant &stored = m_items[index.row()];
        if (role == Qt::DisplayRole) {
            stored = value;
        } else if (role == CheckableRole || role == CheckStateRole) {
            Vx::DataItemInfo info = infoOf(stored);
            if (role == CheckableRole)
                info.flagB = value.toBool();
            else
                info.checkState = value.toInt();
            stored = QVariant::fromValue(info);
        } else {
            return false;
        }
    }
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags NavigationItemModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Vx::DataItemInfo info = infoOf(item(index.row()));
    // Headers and categories without records are inert.
    if (info.isHeading || !info.flagA)
        return Qt::ItemNeverHasChildren;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (info.flagB)
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

void NavigationItemModel::fetchMore(const QModelIndex &parent)
{
    if (parent.isValid())
        return;
    const int more = std::min<int>(m_items.size() - m_shown, PageSize);
    if (more <= 0)
        return;
    beginInsertRows(QModelIndex(), m_shown, m_shown + more - 1);
    m_shown += more;
    endInsertRows();
}

bool NavigationItemModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && m_shown < m_items.size();
}

void NavigationItemModel::appendItem(const QVariant &item)
{
    beginInsertRows(QModelIndex(), m_shown, m_shown);
    {
        // A count set from another thread may be writing a row meanwhile.
        QMutexLocker lock(&itemsMutex());
        m_items.append(item);
    }
    ++m_shown;
    endInsertRows();
}

void NavigationItemModel::clear()
{
    beginResetModel();
    {
        QMutexLocker lock(&itemsMutex());
        m_items.clear();
    }
    m_shown = 0;
    endResetModel();
}

void NavigationItemModel::setItems(const QList<QVariant> &items)
{
    beginResetModel();
    {
        QMutexLocker lock(&itemsMutex());
        if (!m_items.isSharedWith(items))
            m_items = items;
    }
    m_shown = std::min<int>(m_items.size(), PageSize);
    endResetModel();
}

QVariant NavigationItemModel::item(int row) const
{
    QMutexLocker lock(&itemsMutex());
    return m_items.value(row);
}

QList<QVariant> NavigationItemModel::items() const
{
    QMutexLocker lock(&itemsMutex());
    return m_items;
}

void NavigationItemModel::setItem(int row, const QVariant &item)
{
    QMutexLocker lock(&itemsMutex());
    if (row >= 0 && row < m_items.size())
        m_items[row] = item;
}

void NavigationItemModel::refresh()
{
    beginResetModel();
    endResetModel();
}

int NavigationItemModel::count() const
{
    QMutexLocker lock(&itemsMutex());
    return m_items.size();
}
