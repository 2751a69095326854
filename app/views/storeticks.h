#pragma once

#include <QList>
#include <QVariant>
#include <QVector>

// The user's ticks on a view's copy of a category's records, written into the
// record store (DeviceParser) at the same rows. The store's own records get
// the state, so fields the view's copy lacks stay as the store has them, and
// a view that holds fewer or older records never drops or overwrites any.
namespace StoreTicks {

// Record row of records, and the store's record at row of (group, type).
// False for a row outside records or a record that keeps no check state.
bool setRow(QList<QVariant> &records, int group, int type, int row, int state);

// The given rows of records (every row when rows is null), written into the
// store as one list. Returns how many of records changed.
int setRows(QList<QVariant> &records, int group, int type, const QVector<int> *rows, int state);

} // namespace StoreTicks
