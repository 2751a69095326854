#pragma once

#include "recordlistview.h"

#include <QScopedPointer>

class MemoViewPrivate;
class QStandardItemModel;
class XLabel;

// The view of Notes (512): the notes list on the left and, on the right, a
// card of the current note: its date as a heading, then its title, its
// content as the store holds it and one tile per attachment. A locked note
// shows "This note is locked!" alone. The device's texts are shown as they
// stand, a search's matches coloured.
class MemoView : public RecordListView
{
    Q_OBJECT

public:
    // kind has no effect here.
    MemoView(int kind, int typeId, QWidget *parent = nullptr);
    ~MemoView() override;

    XLabel *headingLabel() const;
    QListView *detailList() const;
    QStandardItemModel *detailModel() const;

protected:
    void showRecord(const QModelIndex &proxyIndex) override;
    void clearDetailPane() override;
    void changeEvent(QEvent *event) override;

private:
    QWidget *buildDetailPane();
    void nameAccessibleTexts();

    QScopedPointer<MemoViewPrivate> d;
};
