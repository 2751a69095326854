#pragma once

#include <QScopedPointer>
#include <QTableView>

class CheckableHeaderView;
class CheckableTableItemDelegate;
class CheckableTableViewPrivate;

// The table every table-style category view embeds: column 0 holds each
// row's check picture, the header a box that checks all rows. Rows are
// whole-row selected, 38 px high, without grid or frame; the hovered row is
// tracked. Clicking column 0 (or Space on the current row) emits
// checkBoxClicked with the row's column-0 index of the view's model (the
// proxy); the owner decides whether the record may change.
class CheckableTableView : public QTableView
{
    Q_OBJECT

public:
    explicit CheckableTableView(QWidget *parent = nullptr);
    ~CheckableTableView() override;

    CheckableHeaderView *checkableHeader() const;
    CheckableTableItemDelegate *checkableDelegate() const;

signals:
    void hovered(const QModelIndex &index);
    void checkBoxClicked(const QModelIndex &index);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QScopedPointer<CheckableTableViewPrivate> d;
};
