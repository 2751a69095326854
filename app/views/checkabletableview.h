#pragma once

#include <QScopedPointer>
#include <QTableView>

class CheckableHeaderView;
class CheckableTableItemDelegate;
class CheckableTableViewPrivate;

// The table every table-style category view embeds: column 0 holds each
// row's check picture, the header a box that checks all rows. Rows are
// whole-row selected, 38 px high, without grid or frame; the hovered row is
// tracked; the row clicked, or selected with the keyboard or an assistive
// tool, is marked and is the current one. Clicking column 0 (or Space on the current row) emits
// checkBoxClicked with the row's column-0 index of the view's model (the
// proxy); the owner decides whether the record may change. The header's box
// lives in the widget around the table, where assistive tools find it.
class CheckableTableView : public QTableView
{
    Q_OBJECT

public:
    explicit CheckableTableView(QWidget *parent = nullptr);
    ~CheckableTableView() override;

    CheckableHeaderView *checkableHeader() const;
    CheckableTableItemDelegate *checkableDelegate() const;
    void setSelectionModel(QItemSelectionModel *selectionModel) override;

signals:
    void hovered(const QModelIndex &index);
    void checkBoxClicked(const QModelIndex &index);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void hostCheckBox();

    QScopedPointer<CheckableTableViewPrivate> d;
};
