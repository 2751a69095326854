#include "recoverfromitunesfrm.h"

#include "analyticstracker.h"
#include "deviceparser.h"
#include "itunesbackupfrm.h"
#include "typeselectstartingpage.h"
#include "vlog.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedLayout>
#include <QVBoxLayout>

namespace
{
    const char *const kCategory = "RecoverfromiTunesBackup";

    const char *labelOf(int id)
    {
        switch (id) {
        case 1: return "Contacts_";
        case 2: return "Messages_";
        case 4: return "VoiceMail_";
        case 8: return "VoiceMemo_";
        case 16: return "Photos_";
        case 32: return "Video in album_";
        case 64: return "FaceTime_";
        case 128: return "SafariBookmarks_";
        case 256: return "SafariHistory_";
        case 512: return "Notes_";
        case 1024: return "CallHistory_";
        case 2048: return "Calenda_";
        case 4096: return "Reminder_";
        case 0x2000: return "AppPhotos_";
        case 0x4000: return "AppVideos_";
        case 0x8000: return "AppAudios_";
        case 0x10000: return "AppDocuments_";
        case 0x20000: return "AppWhatsApp_";
        case 0x40000: return "AppLINE_";
        default: return "";
        }
    }
}

class RecoverFromiTunesFrmPrivate
{
public:
    iTunesBackupFrm *list = nullptr;
    TypeSelectStartingPage *types = nullptr;
    QLabel *title = nullptr;
    QStackedLayout *stack = nullptr;
    QPushButton *back = nullptr;
    QPushButton *next = nullptr;
};

RecoverFromiTunesFrm::RecoverFromiTunesFrm(QWidget *parent)
    : ModuleBaseFrm(parent)
    , d(new RecoverFromiTunesFrmPrivate)
{
    setObjectName(QStringLiteral("RecoverFromiTunesFrm"));
    d->title = new QLabel(this);
    d->title->setObjectName(QStringLiteral("iTunesTitle"));
    d->title->setStyleSheet(QStringLiteral("font-weight:bold;font-size:24px;color: #333333;"));
    d->title->setAlignment(Qt::AlignCenter);
    d->title->setProperty("@Bypassed", true);

    auto *panel = new QFrame(this);
    panel->setFixedSize(1080, 500);
    panel->setStyleSheet(QStringLiteral("QFrame{background:#FFFFFF;border-radius: 10px;}"));
    d->list = new iTunesBackupFrm(panel);
    d->types = new TypeSelectStartingPage(panel);
    d->stack = new QStackedLayout(panel);
    d->stack->setContentsMargins(0, 0, 0, 0);
    d->stack->addWidget(d->list);
    d->stack->addWidget(d->types);

    auto *bar = new QFrame(this);
    bar->setObjectName(QStringLiteral("iTunesBottomBar"));
    bar->setFixedHeight(68);
    bar->setStyleSheet(QStringLiteral("QFrame#iTunesBottomBar{border-top: 2px solid rgb(240,240,240);background: #FFFFFF;}"));
    d->back = new QPushButton(QObject::tr("Back"), bar);
    d->back->setObjectName(QStringLiteral("BackButton"));
    d->back->setFixedSize(100, 36);
    //: Button below the list of iTunes backups that goes on to the choice of categories; about 12 characters fit.
    d->next = new QPushButton(QObject::tr("Next"), bar);
    d->next->setObjectName(QStringLiteral("FPushButton"));
    d->next->setFixedSize(154, 36);
    d->next->setProperty("@Bypassed", true);
    d->next->setEnabled(false);
    auto *barRow = new QHBoxLayout(bar);
    barRow->setContentsMargins(0, 0, 0, 0);
    barRow->addSpacing(10);
    barRow->addWidget(d->back);
    barRow->addStretch();
    barRow->addWidget(d->next);
    barRow->addSpacing(10);

    auto *panelRow = new QHBoxLayout;
    panelRow->addStretch();
    panelRow->addWidget(panel);
    panelRow->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addSpacing(30);
    layout->addWidget(d->title);
    layout->addSpacing(30);
    layout->addLayout(panelRow);
    layout->addSpacing(30);
    layout->addWidget(bar);

    connect(d->next, &QPushButton::clicked, this, &RecoverFromiTunesFrm::onNextClicked);
    connect(d->back, &QPushButton::clicked, this, &RecoverFromiTunesFrm::onBackClicked);
    connect(d->stack, &QStackedLayout::currentChanged, this, &RecoverFromiTunesFrm::onPageChanged);
    connect(d->types, &TypeSelectStartingPage::sigSelectState, d->next, &QPushButton::setEnabled);
    connect(d->list, &iTunesBackupFrm::sigNextButtonClicked, this, [this] {
        d->next->setEnabled(d->types->isAnySelected());
        d->stack->setCurrentIndex(1);
        vlogInfo(QStringLiteral("iTunes backup chosen: the data types are shown"));
    });
    connect(d->list, &iTunesBackupFrm::sigViewButtonState, d->next, &QPushButton::setEnabled);
    onPageChanged(0);
}

RecoverFromiTunesFrm::~RecoverFromiTunesFrm() = default;

void RecoverFromiTunesFrm::setBackupService(ScaniTunesBackupManage *service)
{
    d->list->setBackupService(service);
}

void RecoverFromiTunesFrm::setInit()
{
    d->list->refreshList();
    if (d->stack->currentIndex() == 0)
        onPageChanged(0);
    else
        d->stack->setCurrentIndex(0);
}

void RecoverFromiTunesFrm::resetUI()
{
    const bool onList = d->stack->currentIndex() == 0;
    d->title->setText(onList ? QObject::tr("Please select an iTunes backup to scan.")
                             : QObject::tr("Please select the data types you want to recover."));
    d->next->setText(onList ? QObject::tr("Next") : QObject::tr("Start Scan"));
}

void RecoverFromiTunesFrm::setTaskProgress(int task, QVariant param1, QVariant param2, QVariant param3)
{
    d->list->onTaskProgress(task, param1, param2, param3);
}

QString RecoverFromiTunesFrm::categoriesLabel(const QVector<int> &ids)
{
    QString label;
    for (int id : ids)
        label += QLatin1String(labelOf(id));
    return label;
}

void RecoverFromiTunesFrm::onPageChanged(int index)
{
    if (index == 0) {
        d->title->setText(QObject::tr("Please select an iTunes backup to scan."));
        d->next->setText(QObject::tr("Next"));
        d->next->setEnabled(d->list->hasCurrentRow());
    } else {
        d->title->setText(QObject::tr("Please select the data type you need to recover."));
        d->next->setText(QObject::tr("Start Scan"));
        d->next->setEnabled(d->types->isAnySelected());
    }
}

void RecoverFromiTunesFrm::onNextClicked()
{
    if (d->stack->currentIndex() == 0) {
        trackEvent(kCategory, "Click_Next");
        d->list->next();
        return;
    }
    trackEvent(kCategory, "Click_StartScan001");
    const QVector<int> ids = d->types->selectedItems();
    trackEvent(QString::fromLatin1(kCategory), QStringLiteral("SelelctAppType001"), categoriesLabel(ids));
    DeviceParser::instance()->setScanCategories(0, ids);
    emit sigJumptoScanDataView(d->list->selectedBackupPath());
    // The list again when the module is entered next time.
    d->stack->setCurrentIndex(0);
}

void RecoverFromiTunesFrm::onBackClicked()
{
    if (d->stack->currentIndex() != 0) {
        d->stack->setCurrentIndex(0);
        return;
    }
    emit sigBackButtonClicked();
}

iTunesBackupFrm *RecoverFromiTunesFrm::listPage() const
{
    return d->list;
}

TypeSelectStartingPage *RecoverFromiTunesFrm::typePage() const
{
    return d->types;
}

QStackedLayout *RecoverFromiTunesFrm::stack() const
{
    return d->stack;
}

QPushButton *RecoverFromiTunesFrm::nextButton() const
{
    return d->next;
}

QPushButton *RecoverFromiTunesFrm::backButton() const
{
    return d->back;
}

QLabel *RecoverFromiTunesFrm::titleLabel() const
{
    return d->title;
}
