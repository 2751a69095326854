#include "docsv1tablemodel.h"

#include "deviceparser.h"
#include "itemroles.h"
#include "recordaccess.h"

#include <QSet>

DocsV1TableModel::DocsV1TableModel(int ownerCategory, int kind, QObject *parent)
    : DocsTableModel(ownerCategory, kind, parent)
{
}

void DocsV1TableModel::setOrigins(int key, int count)
{
    m_origins.clear();
    m_countByKey.clear();
    m_origins.reserve(count);
    for (int row = 0; row < count; ++row)
        m_origins.append(qMakePair(key, row));
    m_countByKey.insert(key, count);
}

void DocsV1TableModel::setOrigins(const QMap<int, QList<QVariant>> &lists)
{
    m_origins.clear();
    m_countByKey.clear();
    for (auto it = lists.cbegin(); it != lists.cend(); ++it) {
        for (int row = 0; row < it.value().size(); ++row)
            m_origins.append(qMakePair(it.key(), row));
        m_countByKey.insert(it.key(), it.value().size());
    }
}

void DocsV1TableModel::appendOrigin(int key)
{
    int &count = m_countByKey[key];
    m_origins.append(qMakePair(key, count));
    ++count;
}

void DocsV1TableModel::clearOrigins()
{
    m_origins.clear();
    m_countByKey.clear();
}

QPair<int, int> DocsV1TableModel::origin(int row) const
{
    // A row without a recorded origin is the page's own list.
    return m_origins.value(row, qMakePair(typeId(), row));
}

bool DocsV1TableModel::setRowCheckState(int row, int state)
{
    if (row < 0 || row >= recordCount())
        return false;
    QVariant mine = record(row);
    if (!DeviceData::setCheckState(mine, state))
        return false;
    const QPair<int, int> from = origin(row);
    DeviceParser *store = DeviceParser::instance();
    QVariant stored = store->sessionRecords(group(), from.first).value(from.second);
    // The store's own record gets the state: fields the page's copy may
    // lack stay as the store has them.
    if (stored.isValid() && DeviceData::setCheckState(stored, state))
        store->setSessionRecord(group(), from.first, from.second, stored);
    replaceRecord(row, mine);
    const QModelIndex cell = index(row, 0);
    emit dataChanged(cell, cell);
    return true;
}

int DocsV1TableModel::setRowsCheckState(const QVector<int> &rows, int state)
{
    return writeCheckStates(&rows, state);
}

int DocsV1TableModel::setAllRowsCheckState(int state)
{
    return writeCheckStates(nullptr, state);
}

int DocsV1TableModel::writeCheckStates(const QVector<int> *rows, int state)
{
    DeviceParser *store = DeviceParser::instance();
    QMap<int, QList<QVariant>> lists; // the store's lists of the keys touched
    QSet<int> changedKeys;
    int changed = 0;
    auto writeRow = [&](int row) {
        if (row < 0 || row >= recordCount())
            return;
        QVariant mine = record(row);
        if (DeviceData::checkState(mine) != state && DeviceData::setCheckState(mine, state)) {
            replaceRecord(row, mine);
            ++changed;
        }
        const QPair<int, int> from = origin(row);
        auto list = lists.find(from.first);
        if (list == lists.end())
            list = lists.insert(from.first, store->sessionRecords(group(), from.first));
        if (from.second < list->size() && DeviceData::checkState(list->at(from.second)) != state
            && DeviceData::setCheckState((*list)[from.second], state))
            changedKeys.insert(from.first);
    };
    if (rows) {
        for (int row : *rows)
            writeRow(row);
    } else {
        for (int row = 0; row < recordCount(); ++row)
            writeRow(row);
    }
    // Only the lists that changed, each once.
    for (int key : qAsConst(changedKeys))
        store->setSessionRecords(group(), key, lists.value(key));
    if (changed > 0 && rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, 0));
    return changed;
}

QVariant DocsV1TableModel::recordData(const QVariant &record, int column, int role) const
{
    if (role == RecordRole)
        return record;
    return DocsTableModel::recordData(record, column, role);
}
