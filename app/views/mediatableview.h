#pragma once

#include "abstractdataview.h"

#include <QDateTime>
#include <QScopedPointer>

class FiltrationDialog;
class MediaItemDelegate;
class MediaListModel;
class MediaProxyModel;
class MediaTableViewPrivate;
class QImage;
class QListView;

// The grid of a photo, video or attachment category (3, 16, 32, 513, 2049,
// 4097, 8192, 16384): 141 x 141 tiles of the records' thumbnails.
//
// Thumbnails: only the tiles from the first one on screen are decoded (25,
// or as many as the screen shows), by the process's ThumbnailLoader, 200 ms
// after scrolling stops. A result enters the model only while its row still
// holds that file and the view's rows have not changed since it was asked
// for (a new list, clear, a refilter, stopLoading); thumbnails that leave
// the window are dropped. Nothing here waits for a decode.
//
// A click on a tile (or Space, or an assistive tool's toggle) ticks or
// unticks its record; ticks are written to the store's own records at the
// same rows. Photos and Video in album also filter by a time span chosen in
// the FiltrationDialog.
class MediaTableView : public AbstractDataView
{
    Q_OBJECT

public:
    // Tiles decoded from the first visible one on, at least.
    static constexpr int WindowTiles = 25;

    MediaTableView(int group, int typeId, QWidget *parent = nullptr);
    ~MediaTableView() override;

    int group() const;
    QListView *listView() const;
    MediaListModel *mediaModel() const;
    MediaProxyModel *mediaProxy() const;
    MediaItemDelegate *itemDelegate() const;
    FiltrationDialog *filtrationDialog() const;
    // The record rows whose thumbnails are wanted now.
    QVector<int> windowRows() const;

    void appendItem(const QVariant &record) override;
    void setDataList(const QList<QVariant> &records) override;
    void setCheckEnabled(bool enabled) override;
    void setAllChecked(int checkState, bool visibleOnly, bool refreshHeader) override;
    int checkState(bool visibleOnly) const override;
    CSortFilterProxyModel *proxyModel() const override;
    void setFilterMode(int mode) override;
    void showFiltrationDialog() override;
    void search(const QString &keyword) override;
    void stopLoading() override;
    void clear() override;
    void showCurrent() override;

    // Asks for the thumbnails of the tiles on screen; force asks again for
    // tiles asked for before that have none yet.
    void loadVisibleThumbnails(bool force);
    // The filtration dialog's choice (its codes) applied as of reference.
    void applyTimeSpan(int choice, int fromDays, int toDays, const QDateTime &reference);

protected:
    // For the grids of the chat attachment pages.
    MediaTableView(int group, int typeId, MediaListModel *model, MediaProxyModel *proxy, MediaItemDelegate *delegate,
                   QWidget *parent);

    // The store's records this grid shows, and how a tick is written back.
    virtual QList<QVariant> storedRecords() const;
    virtual void storeRecord(int row, const QVariant &record);
    virtual void storeRecords(const QList<QVariant> &records);
    // Whether setDataList, search and setFilterMode emit checkStateChanged
    // (true at start).
    void setAnnouncesListChanges(bool announce);
    // The checked count over the shown rows after ticking every record.
    virtual int shownAfterCheckingAll() const;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setUp();
    void toggle(const QModelIndex &proxyIndex);
    void recountChecked(bool emitCounts);
    void fetchAll();
    void restartLoading();
    void fillViewport();
    int firstVisibleRow() const;
    int lastVisibleRow(int first) const;
    void requestThumbnail(int sourceRow);
    void onThumbnail(quint64 generation, int sourceRow, const QString &path, const QImage &image);
    void applyFiltration();
    int writeStoreStates(const QVector<int> &rows, int state);

    QScopedPointer<MediaTableViewPrivate> d;
};
