#include "attachmenttableview.h"

#include "attachmentheadview.h"
#include "devicedata.h"
#include "deviceparser.h"
#include "docsv1tableview.h"
#include "mediav1tableview.h"

#include <QSet>
#include <QStackedLayout>
#include <QVBoxLayout>

using VxLineAttachment::AttachmentHeadView;

namespace
{
    enum Page
    {
        PhotosPage = 0,
        VideosPage = 1,
        AudiosPage = 2,
        DocumentsPage = 3
    };

    // The kind each page is made for; the documents page takes every other.
    constexpr int kPageKinds[AttachmentTableView::PageCount] = {DeviceData::ImageKind, DeviceData::VideoKind,
                                                               DeviceData::AudioKind, 12};
}

class AttachmentTableViewPrivate
{
public:
    AttachmentHeadView *head = nullptr;
    MediaV1TableView *photos = nullptr;
    MediaV1TableView *videos = nullptr;
    DocsV1TableView *audios = nullptr;
    DocsV1TableView *documents = nullptr;
    QStackedLayout *stack = nullptr;

    AbstractDataView *page(int index) const
    {
        switch (index) {
        case PhotosPage: return photos;
        case VideosPage: return videos;
        case AudiosPage: return audios;
        case DocumentsPage: return documents;
        default: return nullptr;
        }
    }

    void countExistingDeleted(int index, int &existing, int &deleted) const
    {
        if (index == PhotosPage || index == VideosPage)
            static_cast<MediaV1TableView *>(page(index))->countExistingDeleted(existing, deleted);
        else if (index == AudiosPage || index == DocumentsPage)
            static_cast<DocsV1TableView *>(page(index))->countExistingDeleted(existing, deleted);
    }
};

AttachmentTableView::AttachmentTableView(int typeId, QWidget *parent)
    : AbstractDataView(typeId, parent)
    , d(new AttachmentTableViewPrivate)
{
    d->head = new AttachmentHeadView(this);
    d->photos = new MediaV1TableView(typeId, kPageKinds[PhotosPage], this);
    d->videos = new MediaV1TableView(typeId, kPageKinds[VideosPage], this);
    d->audios = new DocsV1TableView(typeId, kPageKinds[AudiosPage], this);
    d->documents = new DocsV1TableView(typeId, kPageKinds[DocumentsPage], this);

    auto *separator = new QWidget(this);
    separator->setFixedHeight(2);
    QPalette line = separator->palette();
    line.setColor(QPalette::Window, QColor(240, 240, 240));
    separator->setPalette(line);
    separator->setAutoFillBackground(true);

    d->stack = new QStackedLayout;
    for (int index = 0; index < PageCount; ++index)
        d->stack->addWidget(page(index));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(d->head);
    layout->addWidget(separator);
    layout->addLayout(d->stack);

    connect(d->head, &AttachmentHeadView::clickedAttachmentType, d->stack, &QStackedLayout::setCurrentIndex);
    connect(d->stack, &QStackedLayout::currentChanged, this, &AttachmentTableView::onCurrentPageChanged);
    for (int index = 0; index < PageCount; ++index) {
        AbstractDataView *shown = page(index);
        connect(shown, &AbstractDataView::checkStateChanged, this, &AbstractDataView::checkStateChanged);
        connect(shown, &AbstractDataView::indexCountChanged, this, [this, shown](int which, int count) {
            if (d->stack->currentWidget() == shown)
                emit indexCountChanged(which, count);
        });
    }
}

AttachmentTableView::~AttachmentTableView() = default;

int AttachmentTableView::pageOfKind(int kind)
{
    switch (kind) {
    case DeviceData::ImageKind: return PhotosPage;
    case DeviceData::VideoKind: return VideosPage;
    case DeviceData::AudioKind: return AudiosPage;
    default: return DocumentsPage;
    }
}

AttachmentHeadView *AttachmentTableView::headView() const
{
    return d->head;
}

AbstractDataView *AttachmentTableView::page(int index) const
{
    return d->page(index);
}

int AttachmentTableView::currentPage() const
{
    return d->stack->currentIndex();
}

int AttachmentTableView::recordCount(int index) const
{
    if (index == PhotosPage || index == VideosPage)
        return static_cast<MediaV1TableView *>(page(index))->recordCount();
    return static_cast<DocsV1TableView *>(page(index))->recordCount();
}

void AttachmentTableView::appendItemByKind(int kind, const QVariant &record)
{
    const int index = pageOfKind(kind);
    // The documents page keeps each record's kind: its ticks go back there.
    if (index == DocumentsPage)
        d->documents->appendItemByKind(kind, record);
    else
        page(index)->appendItem(record);
}

void AttachmentTableView::setDataList(const QList<QVariant> &)
{
    QMap<int, QList<QVariant>> lists = DeviceParser::instance()->sessionMap(typeId());
    d->photos->setDataList(lists.take(DeviceData::ImageKind));
    d->videos->setDataList(lists.take(DeviceData::VideoKind));
    d->audios->setDataList(lists.take(DeviceData::AudioKind));
    d->documents->setSessionLists(lists);
    emit checkStateChanged();
}

void AttachmentTableView::setCheckEnabled(bool enabled)
{
    for (int index = 0; index < PageCount; ++index)
        page(index)->setCheckEnabled(enabled);
}

void AttachmentTableView::setAllChecked(int checkState, bool visibleOnly, bool refreshHeader)
{
    for (int index = 0; index < PageCount; ++index)
        page(index)->setAllChecked(checkState, visibleOnly, refreshHeader);
}

int AttachmentTableView::checkState(bool visibleOnly) const
{
    QSet<int> states;
    for (int index = 0; index < PageCount; ++index) {
        if (recordCount(index) > 0)
            states.insert(page(index)->checkState(visibleOnly));
    }
    if (states.contains(1) || (states.contains(2) && states.contains(0)))
        return 1;
    return states.contains(2) ? 2 : 0;
}

void AttachmentTableView::setFilterMode(int mode)
{
    AbstractDataView::setFilterMode(mode);
    for (int index = 0; index < PageCount; ++index)
        page(index)->setFilterMode(mode);
    // The pages tell no change of their own here.
    emit checkStateChanged();
}

void AttachmentTableView::search(const QString &keyword)
{
    for (int index = 0; index < PageCount; ++index)
        page(index)->search(keyword);
    emit checkStateChanged();
}

void AttachmentTableView::stopLoading()
{
    if (auto *shown = qobject_cast<AbstractDataView *>(d->stack->currentWidget()))
        shown->stopLoading();
}

void AttachmentTableView::clear()
{
    AbstractDataView::setFilterMode(0);
    for (int index = 0; index < PageCount; ++index)
        page(index)->clear();
}

void AttachmentTableView::showCurrent()
{
    d->head->retranslate();
    for (int index = 0; index < PageCount; ++index)
        page(index)->showCurrent();
}

void AttachmentTableView::onCurrentPageChanged(int index)
{
    int existing = 0;
    int deleted = 0;
    d->countExistingDeleted(index, existing, deleted);
    emit indexCountChanged(0, existing + deleted);
    emit indexCountChanged(1, existing);
    emit indexCountChanged(2, deleted);
}
