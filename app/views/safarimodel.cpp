#include "safarimodel.h"

#include "devicedata.h"
#include "formatutils.h"
#include "itemroles.h"
#include "viewtext.h"

#include <QColor>

using DeviceData::SafariInfo;

namespace
{
    const SafariInfo &pageOf(const QVariant &record)
    {
        static const SafariInfo empty;
        return record.userType() == qMetaTypeId<SafariInfo>() ? *static_cast<const SafariInfo *>(record.constData())
                                                               : empty;
    }

    constexpr int ToolTipWidth = 300;
}

SafariModel::SafariModel(int group, int typeId, QObject *parent)
    : CategoryTableModel(group, typeId, parent)
{
}

bool SafariModel::isHistory() const
{
    return typeId() == DeviceData::SafariHistory;
}

void SafariModel::setToolTipFont(const QFont &font)
{
    m_toolTipFont = font;
}

int SafariModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString SafariModel::cellText(const QVariant &record, int column) const
{
    const SafariInfo &page = pageOf(record);
    switch (column) {
    case TitleColumn:
        return page.title;
    case SecondColumn:
        return isHistory() ? page.url : page.text3;
    case ThirdColumn:
        return isHistory() ? page.timeText : page.url;
    default:
        return QString();
    }
}

qint64 SafariModel::recordTime(const QVariant &record) const
{
    return pageOf(record).time;
}

int SafariModel::dateColumn() const
{
    return isHistory() ? ThirdColumn : -1;
}

QString SafariModel::headerText(int section) const
{
    switch (section) {
    case TitleColumn:
        return tr("Title");
    case SecondColumn:
        return isHistory() ? tr("URL") : tr("Category");
    case ThirdColumn:
        return isHistory() ? tr("Date") : tr("URL");
    default:
        return QString();
    }
}

QVariant SafariModel::data(const QModelIndex &index, int role) const
{
    const int column = index.column();
    if (role == Qt::ToolTipRole && index.isValid() && index.row() < recordCount() && column >= TitleColumn
        && column <= ThirdColumn && !(isHistory() && column == ThirdColumn)) {
        const QString text = cellText(record(index.row()), column);
        return ViewText::toolTip(wrapTextToWidth(text, m_toolTipFont, ToolTipWidth, true));
    }
    return CategoryTableModel::data(index, role);
}

QVariant SafariModel::recordData(const QVariant &record, int, int role) const
{
    switch (role) {
    case Qt::ForegroundRole:
        return pageOf(record).deleted ? QColor(QStringLiteral("#e73e28")) : QColor(51, 51, 51);
    case TimeRole:
        return pageOf(record).time;
    default:
        return QVariant();
    }
}

bool SafariModel::setRecordData(QVariant &record, int column, const QVariant &value, int role)
{
    if (record.userType() != qMetaTypeId<SafariInfo>())
        return false;
    SafariInfo page = record.value<SafariInfo>();
    if (role == TimeRole && column == ThirdColumn) {
        page.time = value.toLongLong();
        page.timeText = formatTimestamp(page.time, false, QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    } else if (role == Qt::DisplayRole && column >= TitleColumn && column <= ThirdColumn) {
        const QString text = value.toString();
        if (column == TitleColumn)
            page.title = text;
        else if (column == SecondColumn)
            (isHistory() ? page.url : page.text3) = text;
        else
            (isHistory() ? page.timeText : page.url) = text;
    } else {
        return false;
    }
    record = QVariant::fromValue(page);
    return true;
}
