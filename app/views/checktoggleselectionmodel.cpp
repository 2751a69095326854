#include "checktoggleselectionmodel.h"

CheckToggleSelectionModel::CheckToggleSelectionModel(QAbstractItemModel *model, QObject *parent, Ticker toggle)
    : QItemSelectionModel(model, parent)
    , m_toggle(std::move(toggle))
{
}

void CheckToggleSelectionModel::select(const QModelIndex &index, QItemSelectionModel::SelectionFlags command)
{
    // Views select with Clear (a click, a key move); an assistive tool
    // selects or deselects a single index.
    if (index.isValid() && !(command & (Clear | Toggle)) && (command & (Select | Deselect))) {
        if (m_toggle)
            m_toggle(index);
        return;
    }
    if (command & Clear)
        QItemSelectionModel::select(QItemSelection(), Clear);
}

void CheckToggleSelectionModel::select(const QItemSelection &, QItemSelectionModel::SelectionFlags command)
{
    if (command & Clear)
        QItemSelectionModel::select(QItemSelection(), Clear);
}
