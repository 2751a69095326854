#pragma once

#include <QList>
#include <QModelIndex>
#include <QScopedPointer>
#include <QWidget>

class NavigationItemDelegate;
class NavigationItemModel;
class NavigationItemViewPrivate;
class QCheckBox;
class QListView;

// The category column of the scan-result page: a "Select ALL" box above the
// list of the scanned categories in their groups ("System Data",
// "Third-party App Data"), each with its icon, record count and check box.
// The page gives it the categories, feeds it the counts, enables checking
// when the scan ends and reads the checked categories; it tells the page
// which category the user picked and which one the user checked.
class NavigationItemView : public QWidget
{
    Q_OBJECT

public:
    explicit NavigationItemView(QWidget *parent = nullptr);
    ~NavigationItemView() override;

    // Adds the rows of the ids, in input order, each group's header before
    // its first category; ids that are no category are skipped.
    void setCategories(const QList<int> &ids);
    // The count of the category's row; a row that had records keeps them.
    void setCategoryCount(int id, int count);
    // Makes the rows with records checkable and, when none is current, the
    // first of them current.
    void enableChecking();
    // Ids of the category rows that are checked or partly checked, in order.
    QList<int> checkedCategories() const;
    // Shows a view's check state on its category; emits nothing.
    void setCategoryCheckState(int id, int state);
    qint64 totalCount() const;
    void reset();
    int currentRow() const;
    void setCurrentRow(int row);
    void setSelectAllText(const QString &text);
    QModelIndex indexOfCategory(int id) const;

    QCheckBox *selectAllBox() const;
    QListView *listView() const;
    NavigationItemModel *model() const;
    NavigationItemDelegate *delegate() const;

signals:
    void currentTypeChanged(int type);
    void checkStateChanged(int type, int state);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void addCategory(int id, const QString &name, const QString &icon);
    void makeCurrent(int row);
    void refreshSelectAll();
    void onRowClicked(const QModelIndex &index);
    void onRowBoxClicked(const QModelIndex &index);
    void onSelectAllClicked();

    QScopedPointer<NavigationItemViewPrivate> d;
};
