#pragma once

#include "csortfilterproxymodel.h"

// The sessions of one kind that the last reload left visible, in the
// model's order or, sorted by column 0 ascending, newest first.
class ChatSessionProxyModel : public CSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit ChatSessionProxyModel(QObject *parent = nullptr);

    int kind() const;
    // Stored only; refilter() applies it.
    void setKind(int kind);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;

private:
    int m_kind = 0;
};
