#include "typeselectstartingpage.h"

#include "devicedata.h"
#include "typeselectcheckbox.h"
#include "typeselectionview.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QStandardItemModel>
#include <QVBoxLayout>

namespace
{
    struct CategoryCard
    {
        bool system;
        int id;
        const char *name;
        const char *icon;
        int state;
    };

    // The names are translated when they are painted.
    const CategoryCard kCards[] = {
        {true, DeviceData::Photos, QT_TRANSLATE_NOOP("QObject", "Photos"), "native/Photo.png", Qt::Checked},
        {true, DeviceData::AlbumVideos, QT_TRANSLATE_NOOP("QObject", "Video in album"), "native/Video.png",
         Qt::Checked},
        {true, DeviceData::Contacts, QT_TRANSLATE_NOOP("QObject", "Contacts"), "native/Contacts.png", Qt::Checked},
        {true, DeviceData::Messages, QT_TRANSLATE_NOOP("QObject", "Messages"), "native/Messages.png", Qt::Checked},
        {true, DeviceData::Voicemails, QT_TRANSLATE_NOOP("QObject", "Voicemails"), "native/VoiceMail.png",
         Qt::Checked},
        {true, DeviceData::Notes, QT_TRANSLATE_NOOP("QObject", "Notes"), "native/Notes.png", Qt::Checked},
        {true, DeviceData::Reminders, QT_TRANSLATE_NOOP("QObject", "Reminders"), "native/Reminder.png",
         Qt::Checked},
        {true, DeviceData::Calendars, QT_TRANSLATE_NOOP("QObject", "Calendars"), "native/Calendar.png",
         Qt::Checked},
        {true, DeviceData::VoiceMemos, QT_TRANSLATE_NOOP("QObject", "Voice Memos"), "native/VoiceMemos.png",
         Qt::Checked},
        {true, DeviceData::SafariBookmarks, QT_TRANSLATE_NOOP("QObject", "Safari Bookmarks"), "native/Safari.png",
         Qt::Checked},
        // These three need an encrypted backup on newer iOS: chosen only on purpose.
        {true, DeviceData::SafariHistory, QT_TRANSLATE_NOOP("QObject", "Safari History"), "native/Safari.png",
         Qt::Unchecked},
        {true, DeviceData::CallHistory, QT_TRANSLATE_NOOP("QObject", "Call History"), "native/CallHistory.png",
         Qt::Unchecked},
        {true, DeviceData::FaceTime, QT_TRANSLATE_NOOP("QObject", "FaceTime"), "native/FaceTime.png",
         Qt::Unchecked},
        {false, DeviceData::AppPhotos, QT_TRANSLATE_NOOP("QObject", "App Photos"), "native/AppImage.png",
         Qt::Checked},
        {false, DeviceData::AppVideos, QT_TRANSLATE_NOOP("QObject", "App Videos"), "native/AppVideo.png",
         Qt::Checked},
        {false, DeviceData::AppAudios, QT_TRANSLATE_NOOP("QObject", "App Audios"), "native/AppAudio.png",
         Qt::Checked},
        {false, DeviceData::AppDocuments, QT_TRANSLATE_NOOP("QObject", "App Documents"), "native/AppDoc.png",
         Qt::Checked},
        {false, DeviceData::WhatsApp, QT_TRANSLATE_NOOP("QObject", "WhatsApp"), "native/AppWhatsApp.png",
         Qt::Checked},
        {false, DeviceData::Line, QT_TRANSLATE_NOOP("QObject", "LINE"), "native/AppLine.png", Qt::Checked},
    };

    const char *const kSelectAll = QT_TRANSLATE_NOOP("QObject", "Select ALL");
    const char *const kSystemData = QT_TRANSLATE_NOOP("QObject", "System Data");
    const char *const kAppData = QT_TRANSLATE_NOOP("QObject", "Third-party App Data");

    QFrame *line(QWidget *parent)
    {
        auto *frame = new QFrame(parent);
        frame->setFixedHeight(1);
        frame->setStyleSheet(QStringLiteral("background: #DEDEDE;"));
        return frame;
    }

    Vx::DataItemInfo infoOf(const QStandardItemModel *model, int row)
    {
        return model->item(row)->data(Qt::DisplayRole).value<Vx::DataItemInfo>();
    }
}

class TypeSelectStartingPagePrivate
{
public:
    TypeSelectCheckBox *selectAll = nullptr;
    TypeSelectCheckBox *system = nullptr;
    TypeSelectCheckBox *app = nullptr;
    TypeSelectionView *systemView = nullptr;
    TypeSelectionView *appView = nullptr;
    int systemCheckedCount = 0;
    int appCheckedCount = 0;
    QProgressBar *progress = nullptr;
    QLabel *analysingLabel = nullptr;
    QWidget *analysingRow = nullptr;
};

TypeSelectStartingPage::TypeSelectStartingPage(QWidget *parent)
    : QWidget(parent)
    , d(new TypeSelectStartingPagePrivate)
{
    setObjectName(QStringLiteral("TypeSelectStartingPage"));
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("TypeSelectPanel"));
    panel->setStyleSheet(QStringLiteral("QFrame#TypeSelectPanel{background: #FFFFFF;border-radius: 10px;}"));

    d->selectAll = new TypeSelectCheckBox(panel);
    d->system = new TypeSelectCheckBox(panel);
    d->app = new TypeSelectCheckBox(panel);
    d->selectAll->setText(QObject::tr(kSelectAll));
    d->system->setText(QObject::tr(kSystemData));
    d->app->setText(QObject::tr(kAppData));
    for (QCheckBox *box : {static_cast<QCheckBox *>(d->selectAll), static_cast<QCheckBox *>(d->system),
                           static_cast<QCheckBox *>(d->app)}) {
        box->setTristate(true);
        box->setStyleSheet(QStringLiteral("font-size:16px;color:#333333;"));
    }

    d->systemView = new TypeSelectionView(panel);
    d->appView = new TypeSelectionView(panel);
    for (TypeSelectionView *view : {d->systemView, d->appView}) {
        view->setDisplayMode(3);
        view->setItemSize(QSize(145, 115));
    }
    d->systemView->setFixedHeight(230);
    for (const CategoryCard &card : kCards) {
        TypeSelectionView *view = card.system ? d->systemView : d->appView;
        view->addItem(card.id, QString::fromLatin1(card.name), QStringLiteral(":/Images/%1").arg(card.icon),
                      QSize(54, 54), card.state);
    }
    d->app->setCheckState(Qt::Checked);
    d->system->setCheckState(Qt::PartiallyChecked);
    d->selectAll->setCheckState(Qt::PartiallyChecked);
    d->systemCheckedCount = d->systemView->model()->rowCount() - 3;
    d->appCheckedCount = d->appView->model()->rowCount();

    d->progress = new QProgressBar(panel);
    d->progress->setFixedHeight(10);
    d->progress->setTextVisible(false);
    d->progress->setValue(10);
    d->progress->setStyleSheet(QStringLiteral(
        "QProgressBar{background: #EDEDED;border: none;border-radius: 5px;}"
        "QProgressBar::chunk{background: #558AF8;border-radius: 5px;}"));
    d->analysingLabel = new QLabel(QObject::tr("Analyzing your iOS device, it will take some time...."), panel);
    d->analysingLabel->setStyleSheet(QStringLiteral("font-weight:400;color:#666666;line-height: 18px;"));
    d->analysingRow = new QWidget(panel);
    auto *analysingLayout = new QVBoxLayout(d->analysingRow);
    analysingLayout->setContentsMargins(0, 0, 0, 0);
    analysingLayout->setSpacing(2);
    analysingLayout->addWidget(d->analysingLabel);
    analysingLayout->addWidget(d->progress);
    d->analysingRow->hide();
    d->progress->setRange(0, 100);

    auto *systemRow = new QHBoxLayout;
    systemRow->addWidget(d->system);
    systemRow->addStretch();
    systemRow->addWidget(d->selectAll);
    auto *appRow = new QHBoxLayout;
    appRow->addWidget(d->app);
    appRow->addStretch();
    auto *column = new QVBoxLayout(panel);
    column->setContentsMargins(30, 20, 30, 0);
    column->setSpacing(0);
    column->addLayout(systemRow);
    column->addSpacing(10);
    column->addWidget(line(panel));
    column->addSpacing(18);
    column->addWidget(d->systemView);
    column->addLayout(appRow);
    column->addSpacing(10);
    column->addWidget(line(panel));
    column->addSpacing(18);
    column->addWidget(d->appView);
    column->addStretch();
    column->addWidget(d->analysingRow);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(panel);

    connect(d->systemView, &TypeSelectionView::checkStateChanged, this,
            [this](int, int state) { onItemChanged(true, state); });
    connect(d->appView, &TypeSelectionView::checkStateChanged, this,
            [this](int, int state) { onItemChanged(false, state); });
    connect(d->system, &QCheckBox::clicked, this, [this] {
        applyGroup(true);
        updateSelectAll();
    });
    connect(d->app, &QCheckBox::clicked, this, [this] {
        applyGroup(false);
        updateSelectAll();
    });
    connect(d->selectAll, &QCheckBox::clicked, this, &TypeSelectStartingPage::onSelectAllClicked);
    retranslate();
}

TypeSelectStartingPage::~TypeSelectStartingPage() = default;

QVector<int> TypeSelectStartingPage::selectedItems() const
{
    QVector<int> ids;
    for (const TypeSelectionView *view : {d->systemView, d->appView}) {
        const QStandardItemModel *model = view->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            const Vx::DataItemInfo info = infoOf(model, row);
            if (info.checkState == Qt::Checked)
                ids << info.category;
        }
    }
    return ids;
}

bool TypeSelectStartingPage::isAnySelected() const
{
    return d->selectAll->checkState() != Qt::Unchecked;
}

void TypeSelectStartingPage::showAnalyzing(bool show)
{
    d->analysingRow->setVisible(show);
    // Shown: a busy bar without a value.
    d->progress->setRange(0, show ? 0 : 100);
}

bool TypeSelectStartingPage::isAnalyzingShown() const
{
    return !d->analysingRow->isHidden();
}

void TypeSelectStartingPage::retranslate()
{
    d->selectAll->setAccessibleName(QObject::tr(kSelectAll));
    d->system->setAccessibleName(QObject::tr(kSystemData));
    d->app->setAccessibleName(QObject::tr(kAppData));
}

QCheckBox *TypeSelectStartingPage::selectAllBox() const
{
    return d->selectAll;
}

QCheckBox *TypeSelectStartingPage::systemBox() const
{
    return d->system;
}

QCheckBox *TypeSelectStartingPage::appBox() const
{
    return d->app;
}

TypeSelectionView *TypeSelectStartingPage::systemView() const
{
    return d->systemView;
}

TypeSelectionView *TypeSelectStartingPage::appView() const
{
    return d->appView;
}

void TypeSelectStartingPage::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void TypeSelectStartingPage::onItemChanged(bool system, int state)
{
    int &counter = system ? d->systemCheckedCount : d->appCheckedCount;
    QCheckBox *box = system ? d->system : d->app;
    const int rows = (system ? d->systemView : d->appView)->model()->rowCount();
    counter += state == Qt::Checked ? 1 : -1;
    if (counter >= rows) {
        counter = rows;
        box->setCheckState(Qt::Checked);
    } else if (counter >= 1) {
        box->setCheckState(Qt::PartiallyChecked);
    } else {
        counter = 0;
        box->setCheckState(Qt::Unchecked);
    }
    updateSelectAll();
}

void TypeSelectStartingPage::applyGroup(bool system)
{
    const Qt::CheckState state = (system ? d->system : d->app)->checkState();
    TypeSelectionView *view = system ? d->systemView : d->appView;
    int &counter = system ? d->systemCheckedCount : d->appCheckedCount;
    QStandardItemModel *model = view->model();
    if (state == Qt::Checked)
        counter = model->rowCount();
    else if (state == Qt::Unchecked)
        counter = 0;
    const int target = state == Qt::Checked ? Qt::Checked : Qt::Unchecked;
    for (int row = 0; row < model->rowCount(); ++row) {
        Vx::DataItemInfo info = infoOf(model, row);
        if (info.checkState == target)
            continue;
        info.checkState = target;
        model->item(row)->setData(QVariant::fromValue(info), Qt::DisplayRole);
    }
}

void TypeSelectStartingPage::onSelectAllClicked()
{
    const Qt::CheckState state = d->selectAll->checkState();
    d->system->setCheckState(state);
    d->app->setCheckState(state);
    emit d->system->clicked(false);
    emit d->app->clicked(false);
}

void TypeSelectStartingPage::updateSelectAll()
{
    const Qt::CheckState system = d->system->checkState();
    const Qt::CheckState app = d->app->checkState();
    if (system == Qt::Unchecked && app == Qt::Unchecked)
        d->selectAll->setCheckState(Qt::Unchecked);
    else if (system == Qt::Checked && app == Qt::Checked)
        d->selectAll->setCheckState(Qt::Checked);
    else
        d->selectAll->setCheckState(Qt::PartiallyChecked);
    // A click moves an unchecked box to checked and any other to the next
    // state of the three: partial to checked, checked to unchecked.
    for (QCheckBox *box : {static_cast<QCheckBox *>(d->selectAll), static_cast<QCheckBox *>(d->system),
                           static_cast<QCheckBox *>(d->app)})
        box->setTristate(box->checkState() != Qt::Unchecked);
    emit sigSelectState(d->selectAll->checkState() != Qt::Unchecked);
}
