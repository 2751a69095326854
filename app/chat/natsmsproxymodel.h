#pragma once

#include "csortfilterproxymodel.h"

// The conversations the last search or filter let through (their visible
// flag), in the list's order or, sorted by column 0 ascending, newest first.
class NatSmsProxyModel : public CSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit NatSmsProxyModel(QObject *parent = nullptr);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;
};
