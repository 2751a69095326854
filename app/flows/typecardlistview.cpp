#include "typecardlistview.h"

#include "devicedata.h"
#include "typeitemdelegate.h"

#include <QAccessible>
#include <QCoreApplication>

TypeCardListView::TypeCardListView(QWidget *parent)
    : QListView(parent)
{
}

void TypeCardListView::setCardDelegate(TypeItemDelegate *delegate)
{
    m_delegate = delegate;
    setItemDelegate(delegate);
}

void TypeCardListView::clickRow(int row)
{
    if (!m_delegate || !model() || !isEnabled())
        return;
    m_delegate->clickItem(model(), model()->index(row, 0));
}

QString TypeCardListView::cardName(int row) const
{
    if (!model())
        return QString();
    const auto info = model()->index(row, 0).data(Qt::DisplayRole).value<Vx::DataItemInfo>();
    return QCoreApplication::translate("QObject", info.name.toUtf8().constData());
}

bool TypeCardListView::isCardChecked(int row) const
{
    if (!model())
        return false;
    return model()->index(row, 0).data(Qt::DisplayRole).value<Vx::DataItemInfo>().checkState == Qt::Checked;
}

void TypeCardListView::dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                                   const QVector<int> &roles)
{
    QListView::dataChanged(topLeft, bottomRight, roles);
    if (!QAccessible::isActive())
        return;
    // A card's mark changed: its item tells assistive tools.
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(this);
    if (!list)
        return;
    QAccessible::State changed;
    changed.checked = true;
    for (int row = topLeft.row(); row <= bottomRight.row(); ++row) {
        if (QAccessibleInterface *card = list->child(row)) {
            QAccessibleStateChangeEvent event(card, changed);
            QAccessible::updateAccessibility(&event);
        }
    }
}
