#pragma once

#include "csortfilterproxymodel.h"

class CategoryTableModel;

// The proxy of the category tables. Its source is a CategoryTableModel.
//
// Filter: a row passes when one of its data columns contains the keyword
// (a plain text, ignoring case; an empty keyword passes every row) and the filter mode lets it through (1 not
// deleted, 2 deleted, else every row).
//
// Order: deleted rows come first in both orders; two deleted rows go newer
// first in every column; in the model's date column other rows go newer
// first too; other columns compare the cells' plain texts.
class CategorySortModel : public CSortFilterProxyModel
{
    Q_OBJECT

public:
    CategorySortModel(int group, int typeId, QObject *parent = nullptr);

    int group() const;
    int typeId() const;

    void setSourceModel(QAbstractItemModel *model) override;

    // Sets the keyword and filters again.
    void setKeyword(const QString &keyword);
    QString keyword() const;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;

private:
    int m_group = 0;
    int m_typeId = 0;
    CategoryTableModel *m_table = nullptr;
    QString m_keyword;
};
