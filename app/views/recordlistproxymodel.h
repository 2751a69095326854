#pragma once

#include "csortfilterproxymodel.h"

#include <QString>
#include <QVariant>

class RecordListModel;

// The proxy of the record lists beside a detail pane. Its source is a
// RecordListModel. A row passes when the keyword is empty or
// recordMatches() finds it (a plain text, ignoring case), and the filter
// mode lets it through (1 not deleted, 2 deleted, else every row).
// setKeyword and setFilterMode only store; refilter() applies them.
class RecordListProxyModel : public CSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit RecordListProxyModel(QObject *parent = nullptr);

    void setSourceModel(QAbstractItemModel *model) override;
    RecordListModel *recordModel() const;

    QString keyword() const;
    void setKeyword(const QString &keyword);

protected:
    // Whether the record holds keyword (not empty) in a field the category
    // searches.
    virtual bool recordMatches(const QVariant &record, const QString &keyword) const = 0;
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    RecordListModel *m_model = nullptr;
    QString m_keyword;
};
