#include "ctoolbar.h"

#include "formatutils.h"
#include "searchbox.h"
#include "xcombobox.h"
#include "xprogressbar.h"
#include "xpushbutton.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QPointer>
#include <QStackedWidget>
#include <QTimer>

namespace
{
    constexpr int kCountRole = Qt::UserRole;
    constexpr int kTypeButtons = 5;

    const char *const kShowPatterns[] = {QT_TRANSLATE_NOOP("QObject", "Show All (%1)"),
                                         QT_TRANSLATE_NOOP("QObject", "Show Existing (%1)"),
                                         QT_TRANSLATE_NOOP("QObject", "Show Deleted (%1)")};

    // The largest step of one tick at value v of maximum m: the progress
    // slows down as it goes and creeps past 90 %.
    int stepBound(int v, int m)
    {
        if (m * 0.2 >= v)
            return 7200;
        if (m * 0.5 >= v)
            return 2400;
        if (m * 0.8 >= v)
            return 1200;
        if (m * 0.9 >= v)
            return 240;
        return 24;
    }
}

class CToolBarPrivate
{
public:
    explicit CToolBarPrivate(CToolBar *bar)
        : q(bar)
    {
    }

    QWidget *newPage(int type);
    void dropPage();
    void refresh();

    XComboBox *makeShowSelector();
    XComboBox *makeTypeSelector();
    XPushButton *makeFilterButton();
    SearchBox *makeSearchBox();
    QCheckBox *makeCheckAll();
    QLayout *makeTypeButtons();

    CToolBar *q;
    QStackedWidget *titleBar = nullptr;
    QPointer<XComboBox> showSelector;
    QPointer<XPushButton> filterButton;
    QPointer<SearchBox> searchBox;
    QPointer<XProgressBar> progressBar;
    QPointer<XPushButton> stopButton;
    QPointer<QCheckBox> checkAll;
    QPointer<XComboBox> typeSelector;
    XPushButton *typeButtons[kTypeButtons] = {};
    QButtonGroup *typeGroup = nullptr;
    int barType = CToolBar::NoType;
    QTimer *progressTimer = nullptr;
    bool scanning = false;
};

XComboBox *CToolBarPrivate::makeShowSelector()
{
    auto *selector = new XComboBox(q);
    selector->setFixedHeight(32);
    selector->setMinimumWidth(200);
    for (int i = 0; i < 3; ++i)
        selector->addItem(QString(), 0);
    for (int i = 0; i < 3; ++i)
        selector->setItemText(i, QObject::tr(kShowPatterns[i]).arg(0));
    QObject::connect(selector, QOverload<int>::of(&QComboBox::currentIndexChanged), q,
                     &CToolBar::currentIndexChanged);
    showSelector = selector;
    return selector;
}

XComboBox *CToolBarPrivate::makeTypeSelector()
{
    auto *selector = new XComboBox(q);
    selector->setFixedHeight(32);
    selector->setMinimumWidth(200);
    QObject::connect(selector, QOverload<int>::of(&QComboBox::currentIndexChanged), q,
                     &CToolBar::typeIndexChanged);
    typeSelector = selector;
    return selector;
}

XPushButton *CToolBarPrivate::makeFilterButton()
{
    auto *button = new XPushButton(q);
    button->setFixedSize(28, 28);
    const QString image = QStringLiteral(":/Images/filter_max.png");
    button->setImages(image, image, false);
    button->scaleImages(button->size(), false);
    button->setCursor(Qt::PointingHandCursor);
    QObject::connect(button, &XPushButton::clicked, q, &CToolBar::filterClicked);
    filterButton = button;
    return button;
}

SearchBox *CToolBarPrivate::makeSearchBox()
{
    auto *box = new SearchBox(q);
    box->setFixedHeight(32);
    box->setMaximumWidth(200);
    QObject::connect(box, &SearchBox::textChanged, q, &CToolBar::searched);
    searchBox = box;
    return box;
}

QCheckBox *CToolBarPrivate::makeCheckAll()
{
    auto *box = new QCheckBox(q);
    box->setTristate(true);
    QObject::connect(box, &QCheckBox::clicked, q, [this, box] {
        // A click never leaves the box half checked: that state only comes
        // from setCheckState.
        if (box->checkState() == Qt::PartiallyChecked)
            box->setCheckState(Qt::Checked);
        emit q->checkAllClicked(box->checkState());
    });
    checkAll = box;
    return box;
}

QLayout *CToolBarPrivate::makeTypeButtons()
{
    typeGroup = new QButtonGroup(q);
    typeGroup->setExclusive(true);
    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(8);
    for (int i = 0; i < kTypeButtons; ++i) {
        auto *button = new XPushButton(q);
        button->setMinimumSize(90, 26);
        button->setMaximumSize(90, 26);
        button->setCheckable(true);
        button->setRadius(13);
        button->setBackgroundColors({Qt::white, QColor(102, 102, 102), QColor(102, 102, 102), QColor(193, 193, 193)});
        button->setTextColors({Qt::black, Qt::white, Qt::white, Qt::white});
        button->setBorderColors(
            {QColor(102, 102, 102), QColor(102, 102, 102), QColor(102, 102, 102), QColor(193, 193, 193)});
        typeGroup->addButton(button, i);
        typeButtons[i] = button;
        row->addWidget(button);
    }
    typeButtons[0]->setChecked(true);
    QObject::connect(typeGroup, &QButtonGroup::idToggled, q, [this](int, bool on) {
        if (on)
            emit q->currentIndexChanged(typeGroup->checkedId());
    });
    return row;
}

QWidget *CToolBarPrivate::newPage(int type)
{
    auto *page = new QWidget;
    auto *layout = new QHBoxLayout(page);
    layout->setContentsMargins(15, 0, 15, 0);
    layout->setSpacing(15);
    switch (type) {
    case 0: {
        auto *progress = new XProgressBar(q);
        progress->setRange(0, CToolBar::ProgressMaximum);
        progressBar = progress;
        auto *stop = new XPushButton(q);
        stop->setFixedSize(24, 24);
        stop->setImage(QStringLiteral(":/Images/Stop.png"));
        stop->scaleImages(stop->size(), false);
        stop->setCursor(Qt::PointingHandCursor);
        QObject::connect(stop, &XPushButton::clicked, q, &CToolBar::scanningStopped);
        stopButton = stop;
        layout->addWidget(progress);
        layout->addWidget(stop);
        break;
    }
    case 1:
        layout->addWidget(makeShowSelector());
        layout->addWidget(makeCheckAll());
        layout->addStretch();
        layout->addWidget(makeFilterButton());
        break;
    case 2:
    case 4:
        layout->addWidget(makeShowSelector());
        layout->addStretch();
        layout->addWidget(makeSearchBox());
        break;
    case 3:
        layout->addWidget(makeShowSelector());
        layout->addWidget(makeCheckAll());
        layout->addStretch();
        layout->addWidget(makeSearchBox());
        break;
    case 5:
        layout->addLayout(makeTypeButtons());
        layout->addWidget(makeCheckAll());
        layout->addStretch();
        layout->addWidget(makeSearchBox());
        break;
    case 6:
        layout->addWidget(makeShowSelector());
        layout->addWidget(makeTypeSelector());
        layout->addWidget(makeCheckAll());
        layout->addStretch();
        layout->addWidget(makeSearchBox());
        break;
    default:
        break;
    }
    return page;
}

void CToolBarPrivate::dropPage()
{
    QWidget *page = titleBar->currentWidget();
    if (!page)
        return;
    // The old controls may be the sender of the signal that changed the
    // page: they go later, with their page, and say nothing to the bar any
    // more.
    for (QObject *control : page->findChildren<QObject *>())
        QObject::disconnect(control, nullptr, q, nullptr);
    if (typeGroup) {
        QObject::disconnect(typeGroup, nullptr, q, nullptr);
        typeGroup->deleteLater();
        typeGroup = nullptr;
    }
    for (XPushButton *&button : typeButtons)
        button = nullptr;
    titleBar->removeWidget(page);
    page->setParent(nullptr);
    page->deleteLater();
    showSelector.clear();
    filterButton.clear();
    searchBox.clear();
    progressBar.clear();
    stopButton.clear();
    checkAll.clear();
    typeSelector.clear();
}

// Also names the controls, so that a new language reaches assistive tools.
void CToolBarPrivate::refresh()
{
    if (checkAll)
        //: Check box above a list of records that ticks every record shown.
        checkAll->setText(QObject::tr("Select All"));
    if (typeSelector)
        typeSelector->clear();
    if (searchBox)
        searchBox->retranslateUi();
    if (showSelector) {
        for (int i = 0; i < showSelector->count() && i < 3; ++i)
            showSelector->setItemText(i, QObject::tr(kShowPatterns[i]).arg(showSelector->itemData(i, kCountRole).toInt()));
    }
    if (stopButton) {
        stopButton->setAccessibleName(QObject::tr("Stop"));
        stopButton->setToolTip(QObject::tr("Stop"));
    }
    if (filterButton) {
        //: Spoken name and tool tip of the funnel button that opens the date filter.
        filterButton->setAccessibleName(QObject::tr("Filter"));
        filterButton->setToolTip(QObject::tr("Filter"));
    }
    if (showSelector)
        showSelector->setAccessibleName(QObject::tr("Show"));
    if (typeSelector)
        typeSelector->setAccessibleName(QObject::tr("Type"));
    for (int i = 0; i < kTypeButtons; ++i) {
        if (typeButtons[i])
            typeButtons[i]->setAccessibleName(QObject::tr("Type %1").arg(i + 1));
    }
}

CToolBar::CToolBar(QWidget *parent)
    : QWidget(parent)
    , d(new CToolBarPrivate(this))
{
    d->titleBar = new QStackedWidget(this);
    d->titleBar->setObjectName(QStringLiteral("titleBar"));
    d->titleBar->setStyleSheet(QStringLiteral("QStackedWidget#titleBar{background: #FFFFFF;border: 0px solid "
                                              "rgba(102,112,128,16);border-bottom: 1px solid rgb(240,240,240);}"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(d->titleBar);
    setFixedHeight(48);
}

CToolBar::~CToolBar() = default;

void CToolBar::setBarType(int type)
{
    d->barType = type;
    d->dropPage();
    if (type < 0 || type > 6)
        return;
    QWidget *page = d->newPage(type);
    d->titleBar->addWidget(page);
    d->titleBar->setCurrentWidget(page);
    d->refresh();
}

int CToolBar::barType() const
{
    return d->barType;
}

int CToolBar::currentIndex() const
{
    if (d->barType == 5 && d->typeGroup)
        return d->typeGroup->checkedId();
    return d->showSelector ? d->showSelector->currentIndex() : -1;
}

void CToolBar::setCurrentIndex(int index)
{
    if (d->showSelector)
        d->showSelector->setCurrentIndex(index);
}

void CToolBar::setTypeCount(int index, int count)
{
    if (!d->showSelector)
        return;
    d->showSelector->setItemData(index, count, kCountRole);
    d->refresh();
}

bool CToolBar::hasCheckAll() const
{
    return !d->checkAll.isNull();
}

void CToolBar::setCheckState(int state)
{
    if (d->checkAll && d->checkAll->checkState() != state)
        d->checkAll->setCheckState(Qt::CheckState(state));
}

void CToolBar::setSearchEnabled(bool enabled)
{
    if (d->searchBox)
        d->searchBox->setInputEnabled(enabled);
}

bool CToolBar::isScanning() const
{
    return d->scanning;
}

void CToolBar::startScanning()
{
    d->scanning = true;
    if (d->progressBar) {
        d->progressBar->show();
        d->progressBar->setValue(0);
    }
    if (d->stopButton)
        d->stopButton->show();
    startTimer(1000);
    d->refresh();
}

void CToolBar::stopScanning()
{
    d->scanning = false;
    stopTimer();
    if (d->progressBar)
        d->progressBar->setValue(d->progressBar->maximum());
    if (d->stopButton)
        d->stopButton->hide();
    d->refresh();
}

void CToolBar::hideScanWidgets()
{
    if (d->progressBar)
        d->progressBar->hide();
    if (d->searchBox)
        d->searchBox->clear();
    stopTimer();
}

void CToolBar::setProgressValue(int value)
{
    if (d->progressBar)
        d->progressBar->setValue(value);
}

void CToolBar::startTimer(int interval)
{
    if (!d->progressTimer) {
        d->progressTimer = new QTimer(this);
        connect(d->progressTimer, &QTimer::timeout, this, &CToolBar::onProgressTick);
    }
    d->progressTimer->start(interval);
}

void CToolBar::stopTimer()
{
    if (d->progressTimer)
        d->progressTimer->stop();
}

void CToolBar::resetUI()
{
    d->refresh();
}

void CToolBar::onProgressTick()
{
    if (!d->progressBar)
        return;
    const int value = d->progressBar->value();
    const int maximum = d->progressBar->maximum();
    int next = value + randomNumber(stepBound(value, maximum));
    if (next >= maximum) {
        // Never seen to finish by itself: it starts over.
        d->progressBar->reset();
        next = 0;
    }
    d->progressBar->setValue(next);
}
