#pragma once

#include <QTableWidget>

// A table of whole-row single selection whose columns share the width.
// Made with a parent alone it takes no keyboard focus.
class FTableWidget : public QTableWidget
{
    Q_OBJECT

public:
    explicit FTableWidget(QWidget *parent = nullptr);
    FTableWidget(int rows, int columns, QWidget *parent = nullptr);

private:
    void setUp();
};
