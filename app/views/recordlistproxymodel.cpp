#include "recordlistproxymodel.h"

#include "recordaccess.h"
#include "recordlistmodel.h"

RecordListProxyModel::RecordListProxyModel(QObject *parent)
    : CSortFilterProxyModel(parent)
{
    setDynamicSortFilter(false);
}

void RecordListProxyModel::setSourceModel(QAbstractItemModel *model)
{
    m_model = qobject_cast<RecordListModel *>(model);
    CSortFilterProxyModel::setSourceModel(model);
}

RecordListModel *RecordListProxyModel::recordModel() const
{
    return m_model;
}

QString RecordListProxyModel::keyword() const
{
    return m_keyword;
}

void RecordListProxyModel::setKeyword(const QString &keyword)
{
    m_keyword = keyword;
}

bool RecordListProxyModel::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    if (!m_model || sourceParent.isValid() || sourceRow >= m_model->recordCount())
        return false;
    const QVariant &record = m_model->records().at(sourceRow);
    if (!m_keyword.isEmpty() && !recordMatches(record, m_keyword))
        return false;
    switch (filterMode()) {
    case 1:
        return !DeviceData::isDeleted(record);
    case 2:
        return DeviceData::isDeleted(record);
    default:
        return true;
    }
}
