#include "checkabletableview.h"

#include "checkableheaderview.h"
#include "checkabletableitemdelegate.h"

#include <QCheckBox>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

class CheckableTableViewPrivate
{
public:
    CheckableHeaderView *header = nullptr;
    CheckableTableItemDelegate *delegate = nullptr;
    QPersistentModelIndex hovered;
};

CheckableTableView::CheckableTableView(QWidget *parent)
    : QTableView(parent)
    , d(new CheckableTableViewPrivate)
{
    d->header = new CheckableHeaderView(Qt::Horizontal, this);
    d->delegate = new CheckableTableItemDelegate(this);
    d->header->setFixedHeight(40);
    setHorizontalHeader(d->header);
    setItemDelegate(d->delegate);

    setSortingEnabled(true);
    d->header->setSortIndicatorShown(false);
    setWordWrap(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    d->header->setSectionsClickable(true);
    d->header->setHighlightSections(false);
    d->header->setSectionResizeMode(QHeaderView::Fixed);
    d->header->setStretchLastSection(true);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(38);
    setShowGrid(false);
    setFrameShape(QFrame::NoFrame);
    setMouseTracking(true);
    setProperty("style", QStringLiteral("default"));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    horizontalScrollBar()->hide();

    connect(this, &CheckableTableView::hovered, this, [this](const QModelIndex &index) {
        d->delegate->setHoveredIndex(index);
        if (!index.isValid())
            viewport()->update();
    });
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex &index) {
        d->delegate->setClickedIndex(index);
        viewport()->update();
    });
    connect(d->header, &QHeaderView::sectionClicked, this,
            [this](int logicalIndex) { d->header->setSortIndicatorShown(logicalIndex != 0); });
    connect(d->delegate, &CheckableTableItemDelegate::checkBoxClicked, this, &CheckableTableView::checkBoxClicked);
    hostCheckBox();
}

CheckableTableView::~CheckableTableView() = default;

CheckableHeaderView *CheckableTableView::checkableHeader() const
{
    return d->header;
}

CheckableTableItemDelegate *CheckableTableView::checkableDelegate() const
{
    return d->delegate;
}

void CheckableTableView::setSelectionModel(QItemSelectionModel *selectionModel)
{
    QTableView::setSelectionModel(selectionModel);
    if (!selectionModel)
        return;
    // The row selected by the keyboard or an assistive tool is marked as a
    // clicked one (the style's own selection fill never shows beside it)
    // and becomes the current one, the row Space ticks.
    connect(selectionModel, &QItemSelectionModel::selectionChanged, this, [this](const QItemSelection &selected) {
        const QModelIndexList cells = selected.indexes();
        if (cells.isEmpty())
            return;
        if (cells.first().row() != currentIndex().row())
            setCurrentIndex(cells.first());
        d->delegate->setClickedIndex(cells.first());
        viewport()->update();
    });
}

void CheckableTableView::mouseMoveEvent(QMouseEvent *event)
{
    const QModelIndex index = indexAt(event->pos());
    if (index.isValid() && index != QModelIndex(d->hovered)) {
        d->hovered = index;
        emit hovered(index);
    } else if (!index.isValid() && d->hovered.isValid()) {
        d->hovered = QModelIndex();
        emit hovered(QModelIndex());
    }
    QTableView::mouseMoveEvent(event);
}

void CheckableTableView::leaveEvent(QEvent *event)
{
    if (d->hovered.isValid()) {
        d->hovered = QModelIndex();
        emit hovered(QModelIndex());
    }
    QTableView::leaveEvent(event);
}

void CheckableTableView::hostCheckBox()
{
    d->header->setCheckBoxHost(parentWidget() ? parentWidget() : static_cast<QWidget *>(d->header));
}

void CheckableTableView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ParentChange)
        hostCheckBox();
    QTableView::changeEvent(event);
}

void CheckableTableView::moveEvent(QMoveEvent *event)
{
    QTableView::moveEvent(event);
    d->header->placeCheckBox();
}

void CheckableTableView::showEvent(QShowEvent *event)
{
    QTableView::showEvent(event);
    d->header->checkBox()->show();
    d->header->placeCheckBox();
}

void CheckableTableView::hideEvent(QHideEvent *event)
{
    QTableView::hideEvent(event);
    // Hidden with the table, not only with the widget it lives in.
    if (!isVisibleTo(parentWidget()))
        d->header->checkBox()->hide();
}

void CheckableTableView::keyPressEvent(QKeyEvent *event)
{
    // Space ticks the current row as a click on its box would.
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier && currentIndex().isValid()) {
        emit checkBoxClicked(currentIndex().siblingAtColumn(0));
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}
