#pragma once

#include "abstractdataview.h"

#include <QScopedPointer>

class CalendarsTableView;
class QListView;
class QStandardItemModel;
class calendarsRemindersViewPrivate;

// The view of Calendars (2048) and Reminders (4096): the table of events or
// reminders on the left and, on the right, a card of the record last shown:
// one labelled line per field (title, dates, notes; a reminder's list,
// status, priority, URL and location) and one tile per attachment. The
// table's operations are the inner CalendarsTableView's; its signals are
// passed on. The device's texts are shown as they stand, a search's matches
// coloured.
class calendarsRemindersView : public AbstractDataView
{
    Q_OBJECT

public:
    calendarsRemindersView(int group, int typeId, QWidget *parent = nullptr);
    ~calendarsRemindersView() override;

    CalendarsTableView *tableView() const;
    QListView *detailList() const;
    QStandardItemModel *detailModel() const;

    void appendItem(const QVariant &record) override;
    void setDataList(const QList<QVariant> &records) override;
    void setCheckEnabled(bool enabled) override;
    void setAllChecked(int checkState, bool visibleOnly, bool refreshHeader) override;
    int checkState(bool visibleOnly) const override;
    CSortFilterProxyModel *proxyModel() const override;
    void setFilterMode(int mode) override;
    void search(const QString &keyword) override;
    void clear() override;
    void showCurrent() override;

protected:
    void changeEvent(QEvent *event) override;

private:
    void showRecord(const QModelIndex &proxyIndex);
    void clearCard();

    QScopedPointer<calendarsRemindersViewPrivate> d;
};
