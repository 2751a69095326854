#pragma once

#include <QTableWidgetItem>

// A table cell holding a time "yyyy-MM-dd hh:mm:ss" that sorts the latest
// first in ascending order. A text that is no such time counts as later than
// every time, so empty cells come first.
class MyTableWidgetItem : public QTableWidgetItem
{
public:
    MyTableWidgetItem();
    explicit MyTableWidgetItem(const QString &text);
    MyTableWidgetItem(const QIcon &icon, const QString &text);

    bool operator<(const QTableWidgetItem &other) const override;
};
