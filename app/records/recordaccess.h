#pragma once

// The one way to read and write the check state, the checkable flag and the
// deleted flag of a record carried in a QVariant, whatever its type. The
// record types keep these under older names (`reserved`, `reserved2`,
// `SMSSessionInfo::count`, `spare2`, `finished`, `LineInfo::spare`); views and
// export go through these functions instead of naming the fields.
//
// A variant that holds no record type, or a type without the field, reads
// as 0 / false, and setCheckState leaves it untouched and returns false.

#include <QList>
#include <QVariant>

namespace DeviceData {

// Qt::CheckState value kept in the record: 0 unchecked, 1 partly, 2 checked.
int checkState(const QVariant &record);
// Writes state (0, 1 or 2) into the record in place; false, with the record
// unchanged, for another state or a type that keeps none.
bool setCheckState(QVariant &record, int state);
// The same for every record of a list that keeps a state; records whose state
// is already that one stay shared. Returns how many records changed.
int setCheckStates(QList<QVariant> &records, int state);
// The record may be checked by the user (its category is complete).
bool isCheckable(const QVariant &record);
// Writes the checkable flag; false for a type that keeps none.
bool setCheckable(QVariant &record, bool checkable);
// The record comes from deleted data.
bool isDeleted(const QVariant &record);

} // namespace DeviceData
