#pragma once

#include "csortfilterproxymodel.h"

#include <QDateTime>

// The proxy of a media grid; its source is a MediaListModel.
//
// Photos (16) and Video in album (32) filter by the filter mode (0 all,
// 1 existing, 2 deleted, any other none) and the time span; the keyword is
// not applied. Every other id (App Photos, App Videos, the attachment
// grids) filters by the keyword (the file's name contains it, a plain text
// ignoring case) and the mode (any other mode passes every row).
//
// A time span keeps the records taken minDays to maxDays whole days before
// the reference time; one dated after it is outside.
//
// Order, should a view sort: HEIC records after the others; among the
// others deleted ones first, then the later first; among HEIC records the
// earlier first.
class MediaProxyModel : public CSortFilterProxyModel
{
    Q_OBJECT

public:
    MediaProxyModel(int group, int typeId, QObject *parent = nullptr);

    int group() const;
    int typeId() const;
    // Whether the keyword filters the rows.
    bool filtersByKeyword() const;

    // Stored only; refilter() applies them.
    void setKeyword(const QString &keyword);
    QString keyword() const;
    // rangeIndex 0 removes the span.
    void setTimeSpan(int rangeIndex, const QDateTime &referenceTime, qint64 minDays, qint64 maxDays);
    int rangeIndex() const;

protected:
    // For the pages whose grid always filters by the keyword.
    MediaProxyModel(int group, int typeId, bool keywordFilter, QObject *parent);

    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;

private:
    bool insideSpan(qint64 time) const;

    int m_rangeIndex = 0;
    QDateTime m_referenceTime;
    qint64 m_minDays = 0;
    qint64 m_maxDays = 0;
    int m_group = 0;
    int m_typeId = 0;
    bool m_keywordFilter = false;
    QString m_keyword;
};
