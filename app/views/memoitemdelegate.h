#pragma once

#include "recordrowdelegate.h"

// Paints a note row, 55 px high: the check box, the first 80 characters of
// the title, the date text on the right and below a one-line preview of the
// first 80 characters of the content. Title and preview are plain text with
// the keyword's matches coloured, ending in "..." where they do not fit; a
// deleted note is "#e73e28". The row shown in the detail card is "#F1F6FF".
class MemoItemDelegate : public RecordRowDelegate
{
    Q_OBJECT

public:
    static constexpr int RowHeight = 55;
    static constexpr int TextLength = 80;

    explicit MemoItemDelegate(RecordListProxyModel *proxy);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    // The document a row's title or preview is laid out in (for tests).
    static QString lineHtml(const QString &text, const QString &keyword);
};
