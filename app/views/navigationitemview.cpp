#include "navigationitemview.h"

#include "devicedata.h"
#include "navigationitemdelegate.h"
#include "navigationitemmodel.h"
#include "viewstyle.h"

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QListView>
#include <QThread>
#include <QVBoxLayout>

namespace
{
    // Each category's row, and the attachment row some get after them.
    struct CategoryRow
    {
        int id;
        const char *name;
        const char *icon;
        int extraId;
        const char *extraName;
        const char *extraIcon;
    };

    // The names are translated by the delegate when it paints them.
    const CategoryRow kCategoryRows[] = {
        {DeviceData::Contacts, QT_TRANSLATE_NOOP("NavigationItemDelegate", "Contacts"), "Contacts.png", 0, nullptr,
         nullptr},
        {DeviceData::Messages, QT_TRANSLATE_NOOP("NavigationItemDelegate", "Messages"), "Messages.png",
         DeviceData::MessagesAttachment, QT_TRANSLATE_NOOP("NavigationItemDelegate", "Messages Attachment"),
         "Messages.png"},
        {DeviceData::Voicemails, QT_TRANSLATE_NOOP("NavigationItemDelegate", "Voicemails"), "VoiceMail.png", 0,
         nullptr, nullptr},
        {DeviceData::VoiceMemos, QT_TRANSLATE_NOOP("NavigationItemDelegate", "Voice Memos"), "VoiceMemos.png", 0,
         nullptr, nullptr},
        {DeviceData::Photos, QT_TRANSLATE_NOOP("NavigationItemDelegate", "Photos"), "Photo.png", 0, nullptr,
         nullptr},
        {DeviceData::AlbumVideos, QT_TRANSLATE_NOOP("NavigationItemDelegate", "Video in album"), "Video.png", 0,
         nullptr, nullptr},
        {DeviceData::FaceTime, QT_TRANSLATE_NOOP("NavigationItemDelegate", "FaceTime"), "FaceTime.png", 0, nullptr,
         nullptr},
        {DeviceData::SafariBookmarks, QT_TRANSLATE_NOOP("NavigationItemDelegate", "Safari Bookmarks"),
         "Safari_Min.png", 0, nullptr, nullptr},
        {DeviceData::SafariHistory, QT_TRANSLATE_NOOP("NavigationItemDelegate", "Safari History"), "Safari_Min.png",
         0, nullptr, nullptr},
        {DeviceData::Notes, QT_TRANSLATE_NOOP("NavigationItemDelegate", "Notes"), "Notes_Min.png",
         DeviceData::NotesAttachment, QT_TRANSLATE_NOOP("NavigationItemDelegate", "Notes Attachment"), "Notes.png"},
        {DeviceData::CallHistory, QT_TRANSLATE_NOOP("NavigationItemDelegate", "Call History"), "CallHistory.png", 0,
         nullptr, nullptr},
        {DeviceData::Calendars, QT_TRANSLATE_NOOP("NavigationItemDelegate", "Calendars"), "Calendar.png",
         DeviceData::CalendarsAttachment, QT_TRANSLATE_NOOP("NavigationItemDelegate", "Calendars Attachment"),
         "Calendar.png"},
        {DeviceData::Reminders, QT_TRANSLATE_NOOP("NavigationItemDelegate", "Reminders"), "Reminder.png",
         DeviceData::RemindersAttachment, QT_TRANSLATE_NOOP("NavigationItemDelegate", "Reminders Attachment"),
         "Reminder.png"},
        {DeviceData::AppPhotos, QT_TRANSLATE_NOOP("NavigationItemDelegate", "App Photos"), "AppImage.png", 0, nullptr,
         nullptr},
        {DeviceData::AppVideos, QT_TRANSLATE_NOOP("NavigationItemDelegate", "App Videos"), "AppVideo.png", 0, nullptr,
         nullptr},
        {DeviceData::AppAudios, QT_TRANSLATE_NOOP("NavigationItemDelegate", "App Audios"), "AppAudio.png", 0, nullptr,
         nullptr},
        {DeviceData::AppDocuments, QT_TRANSLATE_NOOP("NavigationItemDelegate", "App Documents"), "AppDoc.png", 0,
         nullptr, nullptr},
        {DeviceData::WhatsApp, QT_TRANSLATE_NOOP("NavigationItemDelegate", "WhatsApp"), "AppWhatsApp.png",
         DeviceData::WhatsAppAttachment, QT_TRANSLATE_NOOP("NavigationItemDelegate", "WhatsApp Attachment"),
         "AppWhatsApp.png"},
        {DeviceData::Line, QT_TRANSLATE_NOOP("NavigationItemDelegate", "LINE"), "AppLine.png",
         DeviceData::LineAttachment, QT_TRANSLATE_NOOP("NavigationItemDelegate", "LINE Attachment"), "AppLine.png"},
    };

    const char *const kSystemGroup = QT_TRANSLATE_NOOP("NavigationItemDelegate", "System Data");
    const char *const kAppGroup = QT_TRANSLATE_NOOP("NavigationItemDelegate", "Third-party App Data");

    Vx::DataItemInfo infoAt(const NavigationItemModel *model, int row)
    {
        return model->item(row).value<Vx::DataItemInfo>();
    }
}

class NavigationItemViewPrivate
{
public:
    QCheckBox *selectAll = nullptr;
    QListView *list = nullptr;
    NavigationItemModel *model = nullptr;
    NavigationItemDelegate *delegate = nullptr;
};

NavigationItemView::NavigationItemView(QWidget *parent)
    : QWidget(parent)
    , d(new NavigationItemViewPrivate)
{
    setMinimumWidth(290);
    setObjectName(QStringLiteral("NavigationItemView"));
    setAttribute(Qt::WA_StyledBackground);

    auto *titleBar = new QFrame(this);
    titleBar->setObjectName(QStringLiteral("titleBar"));
    titleBar->setFixedHeight(48);
    titleBar->setStyleSheet(QStringLiteral(
        "QFrame#titleBar{background: #FFFFFF;border: 0px solid rgba(102,112,128,16);border-bottom: 1px solid "
        "#EAEAEA;border-right: 1px solid #EAEAEA;}"));
    d->selectAll = new QCheckBox(titleBar);
    d->selectAll->setTristate(true);
    d->selectAll->setEnabled(false);
    d->selectAll->setFixedSize(270, 32);
    d->selectAll->setText(tr("Select ALL"));
    d->selectAll->setStyleSheet(ViewStyle::checkPictureSheet());
    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->addSpacing(15);
    row->addWidget(d->selectAll);
    row->addStretch();
    auto *titleColumn = new QVBoxLayout(titleBar);
    titleColumn->setContentsMargins(0, 0, 0, 0);
    titleColumn->setSpacing(0);
    titleColumn->addStretch();
    titleColumn->addLayout(row);
    titleColumn->addStretch();

    d->model = new NavigationItemModel(this);
    d->delegate = new NavigationItemDelegate(this);
    d->list = new QListView(this);
    d->list->setAccessibleName(tr("Categories"));
    d->list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    d->list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    d->list->setDragEnabled(false);
    d->list->setMouseTracking(true);
    d->list->setProperty("style", QStringLiteral("transparent"));
    d->list->setModel(d->model);
    d->list->setItemDelegate(d->delegate);
    d->list->installEventFilter(this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(titleBar);
    layout->addWidget(d->list);

    connect(d->list, &QListView::clicked, this, &NavigationItemView::onRowClicked);
    // A row reached with the keyboard is shown as a click shows it; a row an
    // assistive tool selects becomes the current one too, so that Space
    // ticks the row that is shown.
    connect(d->list->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &NavigationItemView::onRowClicked);
    connect(d->list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection &selected) {
                const QModelIndexList rows = selected.indexes();
                if (rows.size() == 1 && rows.first() != d->list->currentIndex())
                    d->list->setCurrentIndex(rows.first());
            });
    connect(d->selectAll, &QCheckBox::clicked, this, &NavigationItemView::onSelectAllClicked);
    connect(d->delegate, &NavigationItemDelegate::checkBoxClicked, this, &NavigationItemView::onRowBoxClicked);
}

NavigationItemView::~NavigationItemView() = default;

void NavigationItemView::setCategories(const QList<int> &ids)
{
    bool systemHeader = false;
    bool appHeader = false;
    for (int id : ids) {
        const CategoryRow *found = nullptr;
        for (const CategoryRow &row : kCategoryRows) {
            if (row.id == id)
                found = &row;
        }
        if (!found)
            continue;
        bool &headerAdded = id >= DeviceData::AppPhotos ? appHeader : systemHeader;
        if (!headerAdded) {
            headerAdded = true;
            Vx::DataItemInfo header;
            header.name = QString::fromLatin1(id >= DeviceData::AppPhotos ? kAppGroup : kSystemGroup);
            header.isHeading = 1;
            d->model->appendItem(QVariant::fromValue(header));
        }
        addCategory(found->id, QString::fromLatin1(found->name), QString::fromLatin1(found->icon));
        if (found->extraId)
            addCategory(found->extraId, QString::fromLatin1(found->extraName), QString::fromLatin1(found->extraIcon));
    }
}

void NavigationItemView::addCategory(int id, const QString &name, const QString &icon)
{
    const QPixmap picture = QPixmap(QStringLiteral(":/Images/native/") + icon)
                                .scaled(20, 20, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    const int row = d->model->count();
    d->delegate->activeIcons.insert(row, picture);
    d->delegate->inactiveIcons.insert(row, picture);
    Vx::DataItemInfo info;
    info.name = name;
    info.category = id;
    d->model->appendItem(QVariant::fromValue(info));
}

void NavigationItemView::setCategoryCount(int id, int count)
{
    // Counts may come from the scan's thread; rows change on this one.
    if (QThread::currentThread() != thread()) {
        QMetaObject::invokeMethod(this, [this, id, count] { setCategoryCount(id, count); }, Qt::QueuedConnection);
        return;
    }
    const QModelIndex index = indexOfCategory(id);
    if (!index.isValid())
        return;
    Vx::DataItemInfo info = infoAt(d->model, index.row());
    info.value = count;
    if (!info.flagA)
        info.flagA = count >= 1;
    d->model->setData(index, QVariant::fromValue(info), Qt::DisplayRole);
}

void NavigationItemView::enableChecking()
{
    const int rows = d->model->count();
    for (int row = 0; row < rows; ++row) {
        Vx::DataItemInfo info = infoAt(d->model, row);
        if (info.isHeading || !info.flagA)
            continue;
        info.flagB = true;
        d->model->setItem(row, QVariant::fromValue(info));
        if (d->delegate->currentRow() < 0)
            makeCurrent(row);
    }
    d->list->viewport()->update();
    if (d->delegate->currentRow() >= 0)
        d->selectAll->setEnabled(true);
}

QList<int> NavigationItemView::checkedCategories() const
{
    QList<int> ids;
    const QList<QVariant> items = d->model->items();
    for (const QVariant &item : items) {
        const Vx::DataItemInfo info = item.value<Vx::DataItemInfo>();
        if (!info.isHeading && info.checkState != 0)
            ids.append(info.category);
    }
    return ids;
}

void NavigationItemView::setCategoryCheckState(int id, int state)
{
    const QModelIndex index = indexOfCategory(id);
    if (!index.isValid())
        return;
    Vx::DataItemInfo info = infoAt(d->model, index.row());
    if (info.isHeading)
        return;
    info.checkState = state;
    d->model->setData(index, QVariant::fromValue(info), Qt::DisplayRole);
    refreshSelectAll();
}

qint64 NavigationItemView::totalCount() const
{
    qint64 total = 0;
    const QList<QVariant> items = d->model->items();
    for (const QVariant &item : items) {
        const Vx::DataItemInfo info = item.value<Vx::DataItemInfo>();
        if (info.flagA)
            total += info.value;
    }
    return total;
}

void NavigationItemView::reset()
{
    d->model->clear();
    d->selectAll->setEnabled(false);
    d->selectAll->setCheckState(Qt::Unchecked);
    d->delegate->setCurrentRow(-1);
}

int NavigationItemView::currentRow() const
{
    return d->delegate->currentRow();
}

void NavigationItemView::setCurrentRow(int row)
{
    if (row >= 0 && row < d->model->count() && row != d->delegate->currentRow())
        makeCurrent(row);
}

void NavigationItemView::setSelectAllText(const QString &text)
{
    const QFontMetrics metrics(d->selectAll->font());
    d->selectAll->setText(metrics.horizontalAdvance(text) >= 231 ? metrics.elidedText(text, Qt::ElideRight, 230)
                                                                 : text);
    d->selectAll->setToolTip(text);
}

QModelIndex NavigationItemView::indexOfCategory(int id) const
{
    const QList<QVariant> items = d->model->items();
    for (int row = 0; row < items.size(); ++row) {
        const Vx::DataItemInfo info = items.at(row).value<Vx::DataItemInfo>();
        if (!info.isHeading && info.category == id)
            return d->model->index(row);
    }
    return QModelIndex();
}

QCheckBox *NavigationItemView::selectAllBox() const
{
    return d->selectAll;
}

QListView *NavigationItemView::listView() const
{
    return d->list;
}

NavigationItemModel *NavigationItemView::model() const
{
    return d->model;
}

NavigationItemDelegate *NavigationItemView::delegate() const
{
    return d->delegate;
}

bool NavigationItemView::eventFilter(QObject *watched, QEvent *event)
{
    // Space ticks the current row as a click on its box would.
    if (watched == d->list && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Space && key->modifiers() == Qt::NoModifier) {
            if (d->list->currentIndex().isValid())
                onRowBoxClicked(d->list->currentIndex());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void NavigationItemView::makeCurrent(int row)
{
    d->delegate->setCurrentRow(row);
    d->list->setCurrentIndex(d->model->index(row));
    emit currentTypeChanged(infoAt(d->model, row).category);
    d->list->viewport()->update();
}

void NavigationItemView::refreshSelectAll()
{
    int rows = 0;
    int checked = 0;
    int partly = 0;
    const QList<QVariant> items = d->model->items();
    for (const QVariant &item : items) {
        const Vx::DataItemInfo info = item.value<Vx::DataItemInfo>();
        if (info.isHeading || !info.flagA)
            continue;
        ++rows;
        checked += info.checkState == 2 ? 1 : 0;
        partly += info.checkState == 1 ? 1 : 0;
    }
    Qt::CheckState state = Qt::Unchecked;
    if (rows > 0 && checked == rows)
        state = Qt::Checked;
    else if (checked > 0 || partly > 0)
        state = Qt::PartiallyChecked;
    d->selectAll->setCheckState(state);
}

void NavigationItemView::onRowClicked(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    const Vx::DataItemInfo info = infoAt(d->model, index.row());
    if (info.isHeading || !info.flagA || index.row() == d->delegate->currentRow())
        return;
    d->delegate->setCurrentRow(index.row());
    d->list->viewport()->update();
    emit currentTypeChanged(info.category);
}

void NavigationItemView::onRowBoxClicked(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    Vx::DataItemInfo info = infoAt(d->model, index.row());
    if (info.isHeading || !info.flagB)
        return;
    info.checkState = info.checkState == 2 ? 0 : 2;
    d->model->setData(index, QVariant::fromValue(info), Qt::DisplayRole);
    refreshSelectAll();
    emit checkStateChanged(info.category, info.checkState);
}

void NavigationItemView::onSelectAllClicked()
{
    if (d->selectAll->checkState() == Qt::PartiallyChecked)
        d->selectAll->setCheckState(Qt::Checked);
    const int state = d->selectAll->checkState();
    const int rows = d->model->count();
    for (int row = 0; row < rows; ++row) {
        Vx::DataItemInfo info = infoAt(d->model, row);
        if (info.isHeading || !info.flagA || info.checkState == state)
            continue;
        info.checkState = state;
        d->model->setData(d->model->index(row), QVariant::fromValue(info), Qt::DisplayRole);
        emit checkStateChanged(info.category, state);
    }
}
