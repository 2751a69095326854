#pragma once

#include "docstablemodel.h"

#include <QMap>
#include <QVector>

// The documents model of a chat attachment page. Its records come from the
// store's session lists of the owner category (the model's group): each row
// remembers the list (key) and the row it came from, and the user's ticks
// are written there. Beside DocsTableModel's roles it answers RecordRole
// with the whole record in every column.
class DocsV1TableModel : public DocsTableModel
{
    Q_OBJECT

public:
    // ownerCategory: the attachment category; kind: the page (its typeId).
    DocsV1TableModel(int ownerCategory, int kind, QObject *parent = nullptr);

    // Where the records of the next setDataList come from: every record of
    // one key's list, or the lists of several keys, in key order.
    void setOrigins(int key, int count);
    void setOrigins(const QMap<int, QList<QVariant>> &lists);
    // The next appended record comes after the others of key.
    void appendOrigin(int key);
    void clearOrigins();
    // The (key, row) of the store's session list that row came from.
    QPair<int, int> origin(int row) const;

    bool setRowCheckState(int row, int state) override;
    int setRowsCheckState(const QVector<int> &rows, int state) override;
    int setAllRowsCheckState(int state) override;

protected:
    QVariant recordData(const QVariant &record, int column, int role) const override;

private:
    int writeCheckStates(const QVector<int> *rows, int state);

    QVector<QPair<int, int>> m_origins;
    QMap<int, int> m_countByKey;
};
