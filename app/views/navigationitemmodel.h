#pragma once

#include <QAbstractListModel>
#include <QList>
#include <QVariant>

// The rows of the category list: each a Vx::DataItemInfo in a QVariant,
// either a group header or one category with its count and check state.
//
// Roles: Qt::DisplayRole the whole record; CheckableRole and CheckStateRole
// its fields; for assistive tools Qt::AccessibleTextRole the translated name,
// Qt::AccessibleDescriptionRole the count and, for a category, Qt's
// CheckStateRole. Rows without data and headers are not enabled.
//
// setItems pages the rows by 100; appendItem shows each new row at once.
// One mutex shared by every instance guards the list, so a count may be set
// from another thread; signals are emitted outside it.
class NavigationItemModel : public QAbstractListModel
{
    Q_OBJECT

public:
    static constexpr int PageSize = 100;

    explicit NavigationItemModel(QObject *parent = nullptr);
    ~NavigationItemModel() override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    void fetchMore(const QModelIndex &parent) override;
    bool canFetchMore(const QModelIndex &parent) const override;

    void appendItem(const QVariant &item);
    void clear();
    void setItems(const QList<QVariant> &items);
    QVariant item(int row) const;
    QList<QVariant> items() const;
    // Replaces one row without a signal; the caller repaints.
    void setItem(int row, const QVariant &item);
    void refresh();
    int count() const;

private:
    QList<QVariant> m_items;
    int m_shown = 0;
};
