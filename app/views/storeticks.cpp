#include "storeticks.h"

#include "deviceparser.h"
#include "recordaccess.h"

namespace StoreTicks {

bool setRow(QList<QVariant> &records, int group, int type, int row, int state)
{
    if (row < 0 || row >= records.size())
        return false;
    DeviceParser *store = DeviceParser::instance();
    QVariant stored;
    bool samePayload = false;
    {
        // Let go of the copy before writing, so the store writes its list in
        // place.
        const QList<QVariant> list = store->records(group, type);
        if (row < list.size()) {
            stored = list.at(row);
            samePayload = stored.constData() == records.at(row).constData();
        }
    }
    if (stored.isValid() && DeviceData::setCheckState(stored, state))
        store->setRecord(group, type, row, stored);
    else
        samePayload = false;
    QVariant &mine = records[row];
    if (samePayload)
        mine = stored;
    else if (!DeviceData::setCheckState(mine, state))
        return false;
    return true;
}

int setRows(QList<QVariant> &records, int group, int type, const QVector<int> *rows, int state)
{
    DeviceParser *store = DeviceParser::instance();
    QList<QVariant> list = store->records(group, type);
    // The view shows the store's own list: write it once and share it again.
    const bool sharedList = records.isSharedWith(list);
    bool storeChanged = false;
    int changed = 0;
    auto writeRow = [&](int row) {
        if (row < 0 || row >= records.size())
            return;
        const bool differs = DeviceData::checkState(records.at(row)) != state;
        if (row < list.size() && DeviceData::checkState(list.at(row)) != state) {
            // Compared before the write: the same record object in both lists.
            const bool samePayload = !sharedList && list.at(row).constData() == records.at(row).constData();
            if (DeviceData::setCheckState(list[row], state)) {
                storeChanged = true;
                if (samePayload) {
                    records[row] = list.at(row);
                    changed += differs ? 1 : 0;
                    return;
                }
            }
        }
        if (sharedList)
            changed += differs && DeviceData::checkState(list.at(row)) == state ? 1 : 0;
        else if (differs && DeviceData::setCheckState(records[row], state))
            ++changed;
    };
    if (rows) {
        for (int row : *rows)
            writeRow(row);
    } else {
        for (int row = 0; row < records.size(); ++row)
            writeRow(row);
    }
    if (storeChanged)
        store->setRecords(group, type, list);
    if (sharedList)
        records = list;
    return changed;
}

} // namespace StoreTicks
