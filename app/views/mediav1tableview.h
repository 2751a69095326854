#pragma once

#include "mediatableview.h"

class MediaV1ProxyModel;

// A page of a chat attachment view: the photos (kind 2) or the videos
// (kind 0) of an attachment category, as MediaTableView shows them, kept in
// the store's session list (group, kind). No time span.
//
// setDataList, search and setFilterMode emit no checkStateChanged: the host
// passes on the pages' signals.
class MediaV1TableView : public MediaTableView
{
    Q_OBJECT

public:
    // group: the attachment category; kind: the page.
    MediaV1TableView(int group, int kind, QWidget *parent = nullptr);

    // Every record of the model, shown or not.
    int recordCount() const;
    // Adds the model's deleted and existing records to the counters.
    void countExistingDeleted(int &existing, int &deleted) const;

    void showFiltrationDialog() override;
    void showCurrent() override;

protected:
    QList<QVariant> storedRecords() const override;
    void storeRecord(int row, const QVariant &record) override;
    void storeRecords(const QList<QVariant> &records) override;
    int shownAfterCheckingAll() const override;

private:
    MediaV1TableView(int group, int kind, MediaV1ProxyModel *proxy, QWidget *parent);
};
