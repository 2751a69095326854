#include "ftablewidget.h"

#include <QHeaderView>

FTableWidget::FTableWidget(QWidget *parent)
    : QTableWidget(parent)
{
    setUp();
    setFocusPolicy(Qt::NoFocus);
}

FTableWidget::FTableWidget(int rows, int columns, QWidget *parent)
    : QTableWidget(rows, columns, parent)
{
    setUp();
}

void FTableWidget::setUp()
{
    setObjectName(QStringLiteral("FTableWidget"));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
}
