#include "icloudstartingpage.h"

#include "devicedata.h"
#include "typeselectcheckbox.h"
#include "typeselectionview.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QStandardItemModel>
#include <QVBoxLayout>

namespace
{
    struct CloudCard
    {
        int id;
        const char *name;
        const char *icon;
    };

    // What the iCloud library can pull; the names are translated when painted.
    const CloudCard kCards[] = {
        {DeviceData::Photos, QT_TRANSLATE_NOOP("QObject", "Photos"), "native/Photo.png"},
        {DeviceData::AlbumVideos, QT_TRANSLATE_NOOP("QObject", "Video in album"), "native/Video.png"},
        {DeviceData::Contacts, QT_TRANSLATE_NOOP("QObject", "Contacts"), "native/Contacts.png"},
        {DeviceData::Notes, QT_TRANSLATE_NOOP("QObject", "Notes"), "native/Notes.png"},
        {DeviceData::Calendars, QT_TRANSLATE_NOOP("QObject", "Calendars"), "native/Calendar.png"},
        {DeviceData::Reminders, QT_TRANSLATE_NOOP("QObject", "Reminders"), "native/Reminder.png"},
    };

    const char *const kSelectAll = QT_TRANSLATE_NOOP("QObject", "Select ALL");
}

class iCloudStartingPagePrivate
{
public:
    QLabel *title = nullptr;
    TypeSelectCheckBox *selectAll = nullptr;
    TypeSelectionView *view = nullptr;
    int checkedCount = 0;
};

iCloudStartingPage::iCloudStartingPage(QWidget *parent)
    : VxkWidget(parent)
    , d(new iCloudStartingPagePrivate)
{
    setObjectName(QStringLiteral("iCloudStartingPage"));
    d->title = new QLabel(this);
    d->title->setStyleSheet(QStringLiteral("font-weight:bold;font-size:24px;color: #333333;"));
    d->title->setAlignment(Qt::AlignCenter);

    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("iCloudTypePanel"));
    panel->setStyleSheet(QStringLiteral("QFrame#iCloudTypePanel{background: #FFFFFF;border-radius: 10px;}"));
    d->selectAll = new TypeSelectCheckBox(panel);
    d->selectAll->setStyleSheet(QStringLiteral("font-size:16px;color:#333333;"));
    d->selectAll->setTristate(true);
    d->selectAll->setCheckState(Qt::Checked);

    d->view = new TypeSelectionView(panel);
    d->view->setDisplayMode(3);
    d->view->setItemSize(QSize(145, 115));
    d->view->setFixedHeight(360);
    for (const CloudCard &card : kCards)
        d->view->addItem(card.id, QString::fromLatin1(card.name), QStringLiteral(":/Images/%1").arg(card.icon),
                         QSize(54, 54), Qt::Checked);
    d->checkedCount = d->view->model()->rowCount();

    auto *separator = new QFrame(panel);
    separator->setFixedHeight(1);
    separator->setStyleSheet(QStringLiteral("background: #DEDEDE;"));
    auto *boxRow = new QHBoxLayout;
    boxRow->addWidget(d->selectAll);
    boxRow->addStretch();
    auto *column = new QVBoxLayout(panel);
    column->setContentsMargins(30, 20, 30, 10);
    column->setSpacing(0);
    column->addLayout(boxRow);
    column->addSpacing(10);
    column->addWidget(separator);
    column->addSpacing(18);
    column->addWidget(d->view);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(80, 30, 80, 0);
    layout->setSpacing(0);
    layout->addWidget(d->title, 0, Qt::AlignCenter);
    layout->addSpacing(30);
    layout->addWidget(panel);
    layout->addStretch();

    connect(d->view, &TypeSelectionView::checkStateChanged, this,
            [this](int, int state) { onCardChanged(state); });
    connect(d->selectAll, &QCheckBox::clicked, this, &iCloudStartingPage::onSelectAllClicked);
    retranslate();
}

iCloudStartingPage::~iCloudStartingPage() = default;

QVector<int> iCloudStartingPage::selectedCategories() const
{
    QVector<int> ids;
    const QStandardItemModel *model = d->view->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        const auto info = model->item(row)->data(Qt::DisplayRole).value<Vx::DataItemInfo>();
        if (info.checkState == Qt::Checked)
            ids << info.category;
    }
    return ids;
}

bool iCloudStartingPage::hasSelection() const
{
    return d->selectAll->checkState() != Qt::Unchecked;
}

QCheckBox *iCloudStartingPage::selectAllBox() const
{
    return d->selectAll;
}

TypeSelectionView *iCloudStartingPage::view() const
{
    return d->view;
}

void iCloudStartingPage::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    VxkWidget::changeEvent(event);
}

void iCloudStartingPage::retranslate()
{
    d->title->setText(QObject::tr("Please select the data type you need to recover."));
    d->selectAll->setText(QObject::tr(kSelectAll));
    d->selectAll->setAccessibleName(QObject::tr(kSelectAll));
}

void iCloudStartingPage::onCardChanged(int state)
{
    const int rows = d->view->model()->rowCount();
    d->checkedCount += state == Qt::Checked ? 1 : -1;
    if (d->checkedCount >= rows) {
        d->checkedCount = rows;
        d->selectAll->setTristate(false);
        d->selectAll->setCheckState(Qt::Checked);
    } else if (d->checkedCount >= 1) {
        d->selectAll->setCheckState(Qt::PartiallyChecked);
    } else {
        d->checkedCount = 0;
        d->selectAll->setTristate(false);
        d->selectAll->setCheckState(Qt::Unchecked);
    }
    emit sigSelectState(d->selectAll->checkState() != Qt::Unchecked);
}

void iCloudStartingPage::onSelectAllClicked()
{
    const Qt::CheckState state = d->selectAll->checkState();
    QStandardItemModel *model = d->view->model();
    if (state == Qt::Checked)
        d->checkedCount = model->rowCount();
    else if (state == Qt::Unchecked)
        d->checkedCount = 0;
    // A click on an unchecked box checks it; on a checked or partial one
    // Qt's cycle of three gives the next state.
    d->selectAll->setTristate(state != Qt::Unchecked);
    const int target = state == Qt::Checked ? Qt::Checked : Qt::Unchecked;
    for (int row = 0; row < model->rowCount(); ++row) {
        auto info = model->item(row)->data(Qt::DisplayRole).value<Vx::DataItemInfo>();
        if (info.checkState == target)
            continue;
        info.checkState = target;
        model->item(row)->setData(QVariant::fromValue(info), Qt::DisplayRole);
    }
    emit sigSelectState(state != Qt::Unchecked);
}
