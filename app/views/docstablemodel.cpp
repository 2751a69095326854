#include "docstablemodel.h"

#include "devicedata.h"
#include "formatutils.h"
#include "itemroles.h"
#include "viewtext.h"

#include <QColor>

using DeviceData::DocumentInfo;

namespace
{
    const DocumentInfo &documentOf(const QVariant &record)
    {
        static const DocumentInfo empty;
        return record.userType() == qMetaTypeId<DocumentInfo>()
                   ? *static_cast<const DocumentInfo *>(record.constData())
                   : empty;
    }

    constexpr int ToolTipWidth = 300;
}

DocsTableModel::DocsTableModel(int group, int typeId, QObject *parent)
    : CategoryTableModel(group, typeId, parent)
{
}

void DocsTableModel::setToolTipFont(const QFont &font)
{
    m_toolTipFont = font;
}

int DocsTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString DocsTableModel::cellText(const QVariant &record, int column) const
{
    const DocumentInfo &document = documentOf(record);
    switch (column) {
    case NameColumn:
        return document.name;
    case FormatColumn:
        return document.suffix;
    case SizeColumn:
        return document.sizeText;
    default:
        return QString();
    }
}

QString DocsTableModel::headerText(int section) const
{
    switch (section) {
    case NameColumn:
        return tr("Name");
    case FormatColumn:
        return tr("Format");
    case SizeColumn:
        return tr("Size");
    default:
        return QString();
    }
}

QVariant DocsTableModel::data(const QModelIndex &index, int role) const
{
    if (role == Qt::ToolTipRole && index.column() == NameColumn && index.isValid() && index.row() < recordCount()) {
        const QString name = documentOf(record(index.row())).name;
        return ViewText::toolTip(wrapTextToWidth(name, m_toolTipFont, ToolTipWidth, true));
    }
    return CategoryTableModel::data(index, role);
}

qint64 DocsTableModel::rowSize(int row) const
{
    return documentOf(records().at(row)).size;
}

QVariant DocsTableModel::recordData(const QVariant &record, int column, int role) const
{
    switch (role) {
    case Qt::ForegroundRole:
        return documentOf(record).deleted ? QColor(QStringLiteral("#e73e28")) : QColor(51, 51, 51);
    case SizeRole:
        return column == SizeColumn ? QVariant(documentOf(record).size) : QVariant();
    default:
        return QVariant();
    }
}

bool DocsTableModel::setRecordData(QVariant &record, int column, const QVariant &value, int role)
{
    if (record.userType() != qMetaTypeId<DocumentInfo>() || role != Qt::DisplayRole || column < NameColumn
        || column > SizeColumn)
        return false;
    DocumentInfo document = record.value<DocumentInfo>();
    switch (column) {
    case NameColumn:
        document.name = value.toString();
        break;
    case FormatColumn:
        document.suffix = value.toString();
        break;
    default:
        document.sizeText = value.toString();
        break;
    }
    record = QVariant::fromValue(document);
    return true;
}
