#include "recordaccess.h"

#include "devicedata.h"

namespace DeviceData {

namespace {

// Where one record type keeps the three fields; a null member means the type
// has no such field.
template <typename T, quint16 T::*State, bool T::*Deleted, bool T::*Checkable>
struct Fields
{
    using Type = T;
    static constexpr quint16 T::*state = State;
    static constexpr bool T::*deleted = Deleted;
    static constexpr bool T::*checkable = Checkable;
};

// The most common view records first: each call compares the variant's type
// with these in order.
template <typename Visit>
bool visitFields(int type, Visit &&visit)
{
    auto is = [type](auto fields) {
        return type == qMetaTypeId<typename decltype(fields)::Type>();
    };
    auto one = [&](auto fields) {
        if (!is(fields))
            return false;
        visit(fields);
        return true;
    };
    return one(Fields<CHFTInfo, &CHFTInfo::reserved, &CHFTInfo::deleted, &CHFTInfo::finished>())
        || one(Fields<VMMInfo, &VMMInfo::reserved, &VMMInfo::deleted, &VMMInfo::finished>())
        || one(Fields<MediaInfo, &MediaInfo::reserved, &MediaInfo::deleted, &MediaInfo::finished>())
        || one(Fields<DocumentInfo, &DocumentInfo::reserved, &DocumentInfo::deleted, &DocumentInfo::finished>())
        || one(Fields<ContactInfo, &ContactInfo::reserved2, &ContactInfo::deleted, &ContactInfo::finished>())
        || one(Fields<SMSSessionInfo, &SMSSessionInfo::count, &SMSSessionInfo::deleted, &SMSSessionInfo::finished>())
        || one(Fields<SafariInfo, &SafariInfo::reserved, &SafariInfo::deleted, &SafariInfo::finished>())
        || one(Fields<NotesInfo, &NotesInfo::reserved, &NotesInfo::deleted, &NotesInfo::finished>())
        || one(Fields<CalenderReminderInfo, &CalenderReminderInfo::reserved, &CalenderReminderInfo::deleted,
                      &CalenderReminderInfo::finished>())
        || one(Fields<WaSessionInfo, &WaSessionInfo::spare2, &WaSessionInfo::deleted, &WaSessionInfo::finished>())
        || one(Fields<LineSessionInfo, &LineSessionInfo::spare2, &LineSessionInfo::deleted,
                      &LineSessionInfo::finished>())
        || one(Fields<SMSInfo, nullptr, &SMSInfo::deleted, nullptr>())
        || one(Fields<LineInfo, nullptr, &LineInfo::spare, nullptr>())
        || one(Fields<WaMessageInfo, nullptr, nullptr, nullptr>());
}

template <typename F>
const typename F::Type &recordOf(const QVariant &record, F)
{
    return *static_cast<const typename F::Type *>(record.constData());
}

// Detaches the variant's payload when it is shared, as any write does.
template <typename F>
typename F::Type &mutableRecordOf(QVariant &record, F)
{
    return *static_cast<typename F::Type *>(record.data());
}

} // namespace

int checkState(const QVariant &record)
{
    int state = 0;
    visitFields(record.userType(), [&](auto fields) {
        using F = decltype(fields);
        if constexpr (F::state != nullptr)
            state = recordOf(record, fields).*F::state;
    });
    return state;
}

bool setCheckState(QVariant &record, int state)
{
    if (state < 0 || state > 2)
        return false;
    bool written = false;
    visitFields(record.userType(), [&](auto fields) {
        using F = decltype(fields);
        if constexpr (F::state != nullptr) {
            // An unchanged state leaves a shared record shared.
            if (recordOf(record, fields).*F::state != state)
                mutableRecordOf(record, fields).*F::state = quint16(state);
            written = true;
        }
    });
    return written;
}

int setCheckStates(QList<QVariant> &records, int state)
{
    int changed = 0;
    for (int row = 0; row < records.size(); ++row) {
        // Written through a copy: a list with nothing to change is never detached.
        QVariant record = records.at(row);
        if (checkState(record) != state && setCheckState(record, state)) {
            records[row] = record;
            ++changed;
        }
    }
    return changed;
}

bool isCheckable(const QVariant &record)
{
    bool checkable = false;
    visitFields(record.userType(), [&](auto fields) {
        using F = decltype(fields);
        if constexpr (F::checkable != nullptr)
            checkable = recordOf(record, fields).*F::checkable;
    });
    return checkable;
}

bool setCheckable(QVariant &record, bool checkable)
{
    bool written = false;
    visitFields(record.userType(), [&](auto fields) {
        using F = decltype(fields);
        if constexpr (F::checkable != nullptr) {
            if (recordOf(record, fields).*F::checkable != checkable)
                mutableRecordOf(record, fields).*F::checkable = checkable;
            written = true;
        }
    });
    return written;
}

bool isDeleted(const QVariant &record)
{
    bool deleted = false;
    visitFields(record.userType(), [&](auto fields) {
        using F = decltype(fields);
        if constexpr (F::deleted != nullptr)
            deleted = recordOf(record, fields).*F::deleted;
    });
    return deleted;
}

} // namespace DeviceData
