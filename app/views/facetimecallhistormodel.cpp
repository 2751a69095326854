#include "facetimecallhistormodel.h"

#include "devicedata.h"
#include "formatutils.h"
#include "itemroles.h"

#include <QColor>

using DeviceData::CHFTInfo;

namespace
{
    // The call a variant holds, read in place; an empty call for another type.
    const CHFTInfo &callOf(const QVariant &record)
    {
        static const CHFTInfo empty;
        return record.userType() == qMetaTypeId<CHFTInfo>() ? *static_cast<const CHFTInfo *>(record.constData())
                                                             : empty;
    }
}

FaceTimeCallHistorModel::FaceTimeCallHistorModel(int group, int typeId, QObject *parent)
    : CategoryTableModel(group, typeId, parent)
    , m_incoming(tr("Incoming Call"))
    , m_outgoing(tr("Outgoing Call"))
{
}

int FaceTimeCallHistorModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString FaceTimeCallHistorModel::cellText(const QVariant &record, int column) const
{
    const CHFTInfo &call = callOf(record);
    switch (column) {
    case NameColumn:
        return call.displayName;
    case NumberColumn:
        return call.value;
    case DateColumn:
        return call.dateText;
    case CallTypeColumn:
        return call.originated != 0 ? m_outgoing : m_incoming;
    case DurationColumn:
        return call.durationText;
    default:
        return QString();
    }
}

qint64 FaceTimeCallHistorModel::recordTime(const QVariant &record) const
{
    return callOf(record).date;
}

int FaceTimeCallHistorModel::dateColumn() const
{
    return DateColumn;
}

QString FaceTimeCallHistorModel::headerText(int section) const
{
    switch (section) {
    case NameColumn:
        return tr("Name");
    case NumberColumn:
        return tr("Phone Number");
    case DateColumn:
        return tr("Date");
    case CallTypeColumn:
        return tr("Call Type");
    case DurationColumn:
        return tr("Duration");
    default:
        return QString();
    }
}

QVariant FaceTimeCallHistorModel::recordData(const QVariant &record, int column, int role) const
{
    switch (role) {
    case Qt::ForegroundRole: {
        const CHFTInfo &call = callOf(record);
        const bool missed = (call.disconnectedCause == 2 || call.disconnectedCause == 6) && call.originated == 0;
        return missed ? QColor(QStringLiteral("#e73e28")) : QColor(51, 51, 51);
    }
    case TimeRole:
        return column == DateColumn ? QVariant(callOf(record).date) : QVariant();
    case ColorRole:
        return QColor(255, 0, 0);
    default:
        return QVariant();
    }
}

bool FaceTimeCallHistorModel::setRecordData(QVariant &record, int column, const QVariant &value, int role)
{
    if (record.userType() != qMetaTypeId<CHFTInfo>())
        return false;
    if (role == TimeRole && column == DateColumn) {
        CHFTInfo call = record.value<CHFTInfo>();
        call.date = qint64(value.toULongLong());
        call.dateText = formatTimestamp(call.date, false, QStringLiteral("yyyy-MM-dd hh:mm:ss"));
        record = QVariant::fromValue(call);
        return true;
    }
    if (role != Qt::DisplayRole || column < NameColumn || column > DurationColumn)
        return false;
    CHFTInfo call = record.value<CHFTInfo>();
    switch (column) {
    case NameColumn:
        call.displayName = value.toString();
        break;
    case NumberColumn:
        call.value = value.toString();
        break;
    case DateColumn:
        call.dateText = value.toString();
        break;
    case CallTypeColumn:
        call.originated = quint16(value.toInt());
        break;
    default:
        call.durationText = value.toString();
        break;
    }
    record = QVariant::fromValue(call);
    return true;
}
