#pragma once

#include "recordlistmodel.h"

namespace DeviceData {
struct NotesInfo;
}

// The notes (category 512), one DeviceData::NotesInfo per row. Beside the
// base's roles: TimeRole the note's time; Qt::AccessibleTextRole its title.
class MemoListModel : public RecordListModel
{
    Q_OBJECT

public:
    explicit MemoListModel(int group = 0, int typeId = 512, QObject *parent = nullptr);

    // The note a variant holds, read in place; an empty one for another type.
    static const DeviceData::NotesInfo &noteOf(const QVariant &record);

protected:
    QString accessibleText(const QVariant &record) const override;
    qint64 recordTime(const QVariant &record) const override;
};
