#pragma once

#include <QSortFilterProxyModel>

// The proxy base of the category views: a QSortFilterProxyModel with the
// filter mode (0 all, 1 existing, 2 deleted) that each category's row filter
// reads.
class CSortFilterProxyModel : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit CSortFilterProxyModel(QObject *parent = nullptr);

    int filterMode() const;
    // Stored only; refilter() applies it.
    void setFilterMode(int mode);
    // Runs the row filter again over every source row, keeping the order.
    void refilter();

private:
    int m_filterMode = 0;
};
