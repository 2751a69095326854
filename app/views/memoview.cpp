#include "memoview.h"

#include "devicedata.h"
#include "memoinfodelegate.h"
#include "memoitemdelegate.h"
#include "memolistmodel.h"
#include "memosortproxymodel.h"
#include "viewstyle.h"
#include "viewtext.h"
#include "xlabel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QListView>
#include <QScrollArea>
#include <QStandardItemModel>
#include <QVBoxLayout>

namespace
{
    constexpr int CardWidth = 510;
}

class MemoViewPrivate
{
public:
    XLabel *heading = nullptr;
    QListView *detailList = nullptr;
    QStandardItemModel *detailModel = nullptr;
    MemoInfoDelegate *infoDelegate = nullptr;

    void fitDetailList() { ViewStyle::fitListToRows(detailList, CardWidth); }
};

MemoView::MemoView(int, int typeId, QWidget *parent)
    : RecordListView(0, typeId, new MemoListModel(0, typeId), new MemoSortProxyModel, parent)
    , d(new MemoViewPrivate)
{
    setRowDelegate(new MemoItemDelegate(listProxy()));
    listView()->setFixedWidth(400);
    setDetailPane(buildDetailPane());
    nameAccessibleTexts();
}

MemoView::~MemoView() = default;

XLabel *MemoView::headingLabel() const
{
    return d->heading;
}

QListView *MemoView::detailList() const
{
    return d->detailList;
}

QStandardItemModel *MemoView::detailModel() const
{
    return d->detailModel;
}

QWidget *MemoView::buildDetailPane()
{
    auto *pane = new QWidget(this);
    ViewStyle::fillWindow(pane, QColor(251, 251, 251));

    d->heading = new XLabel(pane);
    d->heading->setTextFormat(Qt::RichText);
    d->heading->setAlignment(Qt::AlignVCenter);

    d->detailModel = new QStandardItemModel(this);
    d->infoDelegate = new MemoInfoDelegate(this);
    QScrollArea *scroll = nullptr;
    d->detailList = ViewStyle::detailList(d->detailModel, d->infoDelegate, QStringLiteral("transparent"), pane, &scroll);
    d->fitDetailList();
    connect(d->infoDelegate, &DetailCardDelegate::pictureArrived, d->detailList->viewport(),
            qOverload<>(&QWidget::update));

    auto *headingRow = new QHBoxLayout;
    headingRow->addStretch();
    headingRow->addWidget(d->heading, 0, Qt::AlignVCenter);
    headingRow->addStretch();

    auto *layout = new QVBoxLayout(pane);
    layout->setContentsMargins(10, 25, 10, 10);
    layout->setSpacing(10);
    layout->addLayout(headingRow);
    layout->addSpacing(10);
    layout->addWidget(scroll);
    return pane;
}

void MemoView::nameAccessibleTexts()
{
    listView()->setAccessibleName(tr("Notes"));
    d->detailList->setAccessibleName(tr("Details"));
}

void MemoView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        nameAccessibleTexts();
    RecordListView::changeEvent(event);
}

void MemoView::clearDetailPane()
{
    d->heading->clear();
    d->detailModel->clear();
    d->fitDetailList();
    listView()->viewport()->update();
}

void MemoView::showRecord(const QModelIndex &proxyIndex)
{
    clearDetailPane();
    if (!proxyIndex.isValid())
        return;
    rowDelegate()->setCurrentRow(proxyIndex.row());
    const DeviceData::NotesInfo &note = MemoListModel::noteOf(proxyIndex.data(Qt::DisplayRole));
    const bool deleted = note.deleted;
    const QString keyword = listProxy()->keyword();

    d->heading->setStyleSheet(QStringLiteral("font-size: 18px;color:%1;")
                                  .arg(deleted ? QStringLiteral("#e73e28") : QStringLiteral("#333333")));
    if (note.locked) {
        d->heading->setText(tr("This note is locked!"));
        return;
    }
    d->heading->setText(ViewText::marked(note.createdText, keyword));

    const QFont font = listView()->font();
    const QString title = tr("Title") + QStringLiteral(": ");
    const QString content = tr("Content") + QStringLiteral(": ");
    d->detailModel->appendRow(DetailCardDelegate::textRow(title, ViewText::marked(note.title, keyword), note.title,
                                                          deleted, font, CardWidth));
    d->detailModel->appendRow(DetailCardDelegate::textRow(content, ViewText::markedLines(note.body, keyword), note.body,
                                                          deleted, font, CardWidth));
    const QString attachments = tr("Attachments") + QStringLiteral(": ");
    for (const DeviceData::MediaInfo &attachment : note.attachments)
        d->detailModel->appendRow(DetailCardDelegate::attachmentRow(attachments, attachment, deleted, CardWidth));
    d->fitDetailList();
}
