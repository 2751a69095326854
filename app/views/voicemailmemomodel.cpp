#include "voicemailmemomodel.h"

#include "devicedata.h"
#include "itemroles.h"

#include <QColor>

using DeviceData::VMMInfo;

namespace
{
    const VMMInfo &recordOf(const QVariant &record)
    {
        static const VMMInfo empty;
        return record.userType() == qMetaTypeId<VMMInfo>() ? *static_cast<const VMMInfo *>(record.constData())
                                                            : empty;
    }

    // The field each column shows: voicemails name, number, date, duration;
    // voice memos name, date, duration, size.
    QString VMMInfo::*fieldOf(bool memo, int column)
    {
        static QString VMMInfo::*const mail[] = {&VMMInfo::title, &VMMInfo::sender, &VMMInfo::dateText,
                                                 &VMMInfo::durationText};
        static QString VMMInfo::*const memoFields[] = {&VMMInfo::title, &VMMInfo::dateText, &VMMInfo::durationText,
                                                       &VMMInfo::sizeText};
        if (column < 1 || column > 4)
            return nullptr;
        return memo ? memoFields[column - 1] : mail[column - 1];
    }
}

VoiceMailMemoModel::VoiceMailMemoModel(int group, int typeId, QObject *parent)
    : CategoryTableModel(group, typeId, parent)
{
}

bool VoiceMailMemoModel::isMemo() const
{
    return typeId() == DeviceData::VoiceMemos;
}

int VoiceMailMemoModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString VoiceMailMemoModel::cellText(const QVariant &record, int column) const
{
    QString VMMInfo::*field = fieldOf(isMemo(), column);
    return field ? recordOf(record).*field : QString();
}

qint64 VoiceMailMemoModel::recordTime(const QVariant &record) const
{
    return recordOf(record).date;
}

int VoiceMailMemoModel::dateColumn() const
{
    return isMemo() ? 2 : 3;
}

QString VoiceMailMemoModel::headerText(int section) const
{
    if (isMemo()) {
        switch (section) {
        case 1:
            return tr("memoName");
        case 2:
            return tr("Date");
        case 3:
            return tr("Duration");
        case 4:
            return tr("Size");
        default:
            return QString();
        }
    }
    switch (section) {
    case 1:
        return tr("mailName");
    case 2:
        return tr("Number");
    case 3:
        return tr("Date");
    case 4:
        return tr("Duration");
    default:
        return QString();
    }
}

QVariant VoiceMailMemoModel::recordData(const QVariant &record, int column, int role) const
{
    switch (role) {
    case Qt::ForegroundRole:
        return recordOf(record).deleted ? QColor(QStringLiteral("#e73e28")) : QColor(51, 51, 51);
    case TimeRole:
        // The date column sorts by the record's date.
        return column == dateColumn() ? QVariant(recordOf(record).date) : QVariant();
    default:
        return QVariant();
    }
}

bool VoiceMailMemoModel::setRecordData(QVariant &record, int column, const QVariant &value, int role)
{
    QString VMMInfo::*field = fieldOf(isMemo(), column);
    if (role != Qt::DisplayRole || !field || record.userType() != qMetaTypeId<VMMInfo>())
        return false;
    VMMInfo changed = record.value<VMMInfo>();
    changed.*field = value.toString();
    record = QVariant::fromValue(changed);
    return true;
}
