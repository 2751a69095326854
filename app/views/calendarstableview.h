#pragma once

#include "tabledataview.h"

#include <QModelIndex>

// The table of Calendars (2048) or Reminders (4096) inside
// calendarsRemindersView: a checkable table of the titles and dates.
// tableClicked tells which row's record the detail card shows: the clicked
// row, and proxy row 0 after setDataList, a search and a mode change (an
// invalid index when no row is left).
class CalendarsTableView : public TableDataView
{
    Q_OBJECT

public:
    CalendarsTableView(int group, int typeId, QWidget *parent = nullptr);

    void setDataList(const QList<QVariant> &records) override;
    void setFilterMode(int mode) override;
    void search(const QString &keyword) override;
    void showCurrent() override;

signals:
    void tableClicked(const QModelIndex &index);

protected:
    void changeEvent(QEvent *event) override;

private:
    void showFirstRow();
    void nameTable();
};
