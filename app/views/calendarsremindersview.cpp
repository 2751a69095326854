#include "calendarsremindersview.h"

#include "calendarsproxymodel.h"
#include "calendarsremindersinfodelegate.h"
#include "calendarstablemodel.h"
#include "calendarstableview.h"
#include "devicedata.h"
#include "itemroles.h"
#include "viewstyle.h"
#include "viewtext.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QListView>
#include <QScrollArea>
#include <QStandardItemModel>
#include <QVBoxLayout>

using DeviceData::CalenderReminderInfo;

namespace
{
    constexpr int CardWidth = 470;

    QString statusText(const CalenderReminderInfo &entry)
    {
        //: State of a reminder in its detail row and the exported reminders.
        return entry.completed != 0 ? QObject::tr("Completed") : QObject::tr("Unfinished");
    }

    QString priorityText(const CalenderReminderInfo &entry)
    {
        switch (entry.priority) {
        case 1:
            //: Priority of a reminder (High, Middle, Low, None).
            return QObject::tr("High");
        case 5:
            return QObject::tr("Middle");
        case 9:
            return QObject::tr("Low");
        default:
            return QObject::tr("None");
        }
    }
}

class calendarsRemindersViewPrivate
{
public:
    CalendarsTableView *table = nullptr;
    QListView *detailList = nullptr;
    QStandardItemModel *detailModel = nullptr;
    calendarsRemindersInfoDelegate *infoDelegate = nullptr;
    int group = 0;

    void addText(const QString &label, const QString &raw, const QString &keyword, bool deleted)
    {
        detailModel->appendRow(DetailCardDelegate::textRow(label + QStringLiteral(": "),
                                                           ViewText::markedLines(raw, keyword), raw, deleted,
                                                           detailList->font(), CardWidth));
    }
};

calendarsRemindersView::calendarsRemindersView(int group, int typeId, QWidget *parent)
    : AbstractDataView(typeId, parent)
    , d(new calendarsRemindersViewPrivate)
{
    d->group = group;
    d->table = new CalendarsTableView(group, typeId);
    d->table->setParent(this);
    d->table->setAttribute(Qt::WA_DeleteOnClose, false);
    d->table->setFixedWidth(450);

    auto *separator = new QWidget(this);
    separator->setFixedWidth(1);
    ViewStyle::fillWindow(separator, QColor(242, 242, 242));

    auto *pane = new QWidget(this);
    ViewStyle::fillWindow(pane, QColor(251, 251, 251));
    d->detailModel = new QStandardItemModel(this);
    d->infoDelegate = new calendarsRemindersInfoDelegate(this);
    QScrollArea *scroll = nullptr;
    d->detailList = ViewStyle::detailList(d->detailModel, d->infoDelegate, QStringLiteral("lightgray"), pane, &scroll);
    ViewStyle::fitListToRows(d->detailList, CardWidth);
    connect(d->infoDelegate, &DetailCardDelegate::pictureArrived, d->detailList->viewport(),
            qOverload<>(&QWidget::update));
    auto *paneLayout = new QVBoxLayout(pane);
    paneLayout->setContentsMargins(10, 25, 10, 10);
    paneLayout->setSpacing(20);
    paneLayout->addWidget(scroll);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(d->table, 1);
    layout->addWidget(separator, 0);
    layout->addWidget(pane, 2);

    connect(d->table, &AbstractDataView::started, this, &AbstractDataView::started);
    connect(d->table, &AbstractDataView::finish, this, &AbstractDataView::finish);
    connect(d->table, &AbstractDataView::indexCountChanged, this, &AbstractDataView::indexCountChanged);
    connect(d->table, &AbstractDataView::checkStateChanged, this, &AbstractDataView::checkStateChanged);
    connect(d->table, &CalendarsTableView::tableClicked, this, &calendarsRemindersView::showRecord);
    d->detailList->setAccessibleName(tr("Details"));
}

calendarsRemindersView::~calendarsRemindersView() = default;

CalendarsTableView *calendarsRemindersView::tableView() const
{
    return d->table;
}

QListView *calendarsRemindersView::detailList() const
{
    return d->detailList;
}

QStandardItemModel *calendarsRemindersView::detailModel() const
{
    return d->detailModel;
}

void calendarsRemindersView::appendItem(const QVariant &record)
{
    d->table->appendItem(record);
}

void calendarsRemindersView::setDataList(const QList<QVariant> &records)
{
    d->table->setDataList(records);
}

void calendarsRemindersView::setCheckEnabled(bool enabled)
{
    d->table->setCheckEnabled(enabled);
}

void calendarsRemindersView::setAllChecked(int checkState, bool visibleOnly, bool refreshHeader)
{
    d->table->setAllChecked(checkState, visibleOnly, refreshHeader);
}

int calendarsRemindersView::checkState(bool visibleOnly) const
{
    return d->table->checkState(visibleOnly);
}

CSortFilterProxyModel *calendarsRemindersView::proxyModel() const
{
    return d->table->proxyModel();
}

void calendarsRemindersView::setFilterMode(int mode)
{
    AbstractDataView::setFilterMode(mode);
    d->table->setFilterMode(mode);
}

void calendarsRemindersView::search(const QString &keyword)
{
    d->table->search(keyword);
}

void calendarsRemindersView::clear()
{
    AbstractDataView::setFilterMode(0);
    AbstractDataView::setFilterFlag(0);
    d->table->clear();
    clearCard();
}

void calendarsRemindersView::showCurrent()
{
    d->table->showCurrent();
}

void calendarsRemindersView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        d->detailList->setAccessibleName(tr("Details"));
    AbstractDataView::changeEvent(event);
}

void calendarsRemindersView::clearCard()
{
    d->detailModel->clear();
    ViewStyle::fitListToRows(d->detailList, CardWidth);
}

void calendarsRemindersView::showRecord(const QModelIndex &proxyIndex)
{
    clearCard();
    if (!proxyIndex.isValid())
        return;
    const QString keyword = static_cast<CalendarsProxyModel *>(d->table->proxyModel())->keyword();
    const CalenderReminderInfo &entry = CalendarsTableModel::recordOf(proxyIndex.data(RecordRole));
    const bool deleted = entry.deleted;
    d->addText(tr("Title"), entry.title, keyword, deleted);
    if (typeId() == DeviceData::Calendars) {
        d->addText(tr("Starts"), entry.startText, keyword, deleted);
        d->addText(tr("Ends"), entry.endText, keyword, deleted);
        d->addText(tr("Notes"), entry.notes, keyword, deleted);
    } else {
        d->addText(tr("Creation Date"), entry.startText, keyword, deleted);
        d->addText(tr("Reminder Date"), entry.endText, keyword, deleted);
        d->addText(tr("List"), entry.listName, keyword, deleted);
        d->addText(tr("Status"), statusText(entry), keyword, deleted);
        d->addText(tr("Priority"), priorityText(entry), keyword, deleted);
        d->addText(tr("URL"), entry.url, keyword, deleted);
        d->addText(tr("Notes"), entry.notes, keyword, deleted);
        d->addText(tr("Location"), entry.location, keyword, deleted);
    }
    const QString label = tr("Attachments") + QStringLiteral(": ");
    for (const DeviceData::MediaInfo &attachment : entry.attachments)
        d->detailModel->appendRow(DetailCardDelegate::attachmentRow(label, attachment, deleted, CardWidth));
    ViewStyle::fitListToRows(d->detailList, CardWidth);
}
