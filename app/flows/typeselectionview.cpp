#include "typeselectionview.h"

#include "devicedata.h"
#include "typecardlistview.h"
#include "typeitemdelegate.h"

#include <QHBoxLayout>
#include <QImageReader>
#include <QStandardItemModel>

class TypeSelectionViewPrivate
{
public:
    TypeCardListView *list = nullptr;
    QStandardItemModel *model = nullptr;
    TypeItemDelegate *delegate = nullptr;
    QImageReader reader;
};

TypeSelectionView::TypeSelectionView(QWidget *parent)
    : QWidget(parent)
    , d(new TypeSelectionViewPrivate)
{
    d->model = new QStandardItemModel(this);
    d->delegate = new TypeItemDelegate(this);
    d->list = new TypeCardListView(this);
    d->list->setViewMode(QListView::IconMode);
    d->list->setResizeMode(QListView::Adjust);
    d->list->setMovement(QListView::Static);
    d->list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    d->list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    d->list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    d->list->setDragEnabled(false);
    d->list->setSelectionMode(QAbstractItemView::NoSelection);
    d->list->setFrameShape(QFrame::NoFrame);
    d->list->setMouseTracking(true);
    d->list->viewport()->setAttribute(Qt::WA_Hover);
    d->list->setProperty("style", QStringLiteral("transparent"));
    d->list->setStyleSheet(QStringLiteral("QListView{background: transparent;border: none;}"));
    d->list->setModel(d->model);
    d->list->setCardDelegate(d->delegate);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(d->list);

    connect(d->delegate, &TypeItemDelegate::checkStateChanged, this, &TypeSelectionView::checkStateChanged);
    connect(d->delegate, &TypeItemDelegate::clicked, this, &TypeSelectionView::clicked);
}

TypeSelectionView::~TypeSelectionView() = default;

void TypeSelectionView::addItem(int id, const QString &name, const QString &iconPath, const QSize &iconSize,
                                int state)
{
    d->reader.setFileName(iconPath);
    if (iconSize.isValid())
        d->reader.setScaledSize(iconSize);
    d->delegate->icons.append(QPixmap::fromImage(d->reader.read()));
    // A reader keeps its scaled size for the next file.
    d->reader.setScaledSize(QSize());

    Vx::DataItemInfo info;
    info.name = name;
    info.category = id;
    info.flagB = true;
    info.checkState = state;
    auto *item = new QStandardItem;
    item->setData(QVariant::fromValue(info), Qt::DisplayRole);
    d->model->appendRow(item);
}

void TypeSelectionView::setDisplayMode(int mode)
{
    d->delegate->setDisplayMode(mode);
}

void TypeSelectionView::setItemSize(const QSize &size)
{
    d->delegate->setItemSize(size);
    d->list->setGridSize(size);
}

QStandardItemModel *TypeSelectionView::model() const
{
    return d->model;
}

QListView *TypeSelectionView::listView() const
{
    return d->list;
}
