#pragma once

#include "docstableview.h"

#include <QMap>

class DocsV1TableModel;

// A page of a chat attachment view: the audio files (kind 1) or the
// documents (kind 12) of the owner category, as DocsTableView shows them.
//
// Its records are the store's session lists of the owner category: the
// Audios page holds key 1, the Documents page every key its host gives it
// (setSessionLists, appendItemByKind). Each row keeps its key and row, so a
// tick is written to (owner, key, row) and ticking all writes each changed
// key's list once, only when something changed.
//
// setDataList, search and setFilterMode emit no checkStateChanged: the host
// passes on the pages' signals.
class DocsV1TableView : public DocsTableView
{
    Q_OBJECT

public:
    DocsV1TableView(int ownerCategory, int kind, QWidget *parent = nullptr);

    int ownerCategory() const;
    // Records of key lists, in key order.
    void setSessionLists(const QMap<int, QList<QVariant>> &lists);
    // Every record of the model, shown or not.
    int recordCount() const;
    // Adds the model's deleted and existing records to the counters.
    void countExistingDeleted(int &existing, int &deleted) const;

    // The records of the page's own key (its kind).
    void appendItem(const QVariant &record) override;
    void appendItemByKind(int kind, const QVariant &record) override;
    void setDataList(const QList<QVariant> &records) override;
    void setCheckEnabled(bool enabled) override;
    void clear() override;

private:
    DocsV1TableModel *m_model = nullptr;
};
