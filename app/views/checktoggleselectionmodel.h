#pragma once

#include <QItemSelectionModel>

#include <functional>

// The selection model of the record views whose rows are ticked, never
// selected: the current row is shown by the delegates. Nothing is ever
// selected, so an assistive tool's toggle of a row (which selects one index
// without clearing first) always reaches toggle(), the same path as a click
// on the row's box. Clicks and key moves only clear.
class CheckToggleSelectionModel : public QItemSelectionModel
{
    Q_OBJECT

public:
    using Ticker = std::function<void(const QModelIndex &index)>;

    CheckToggleSelectionModel(QAbstractItemModel *model, QObject *parent, Ticker toggle);

    void select(const QModelIndex &index, QItemSelectionModel::SelectionFlags command) override;
    void select(const QItemSelection &selection, QItemSelectionModel::SelectionFlags command) override;

private:
    Ticker m_toggle;
};
