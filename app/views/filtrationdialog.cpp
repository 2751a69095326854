#include "filtrationdialog.h"

#include "xlabel.h"
#include "xlineedit.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace
{
    struct TimeButton
    {
        int code;
        const char *text;
    };

    const TimeButton kTimeButtons[] = {
        {FiltrationDialog::All, QT_TRANSLATE_NOOP("FiltrationDialog", "All")},
        {FiltrationDialog::Last7Days, QT_TRANSLATE_NOOP("FiltrationDialog", "Last 7 Days")},
        {FiltrationDialog::LastMonth, QT_TRANSLATE_NOOP("FiltrationDialog", "Last Month")},
        {FiltrationDialog::LastThreeMonths, QT_TRANSLATE_NOOP("FiltrationDialog", "Last three Months")},
        {FiltrationDialog::LastSixMonths, QT_TRANSLATE_NOOP("FiltrationDialog", "Last Six Months")},
        {FiltrationDialog::LastYear, QT_TRANSLATE_NOOP("FiltrationDialog", "Last Year")},
        {FiltrationDialog::CustomRange, QT_TRANSLATE_NOOP("FiltrationDialog", "Custom Range")},
    };
    constexpr int kButtonCount = int(sizeof kTimeButtons / sizeof kTimeButtons[0]);
    const QSize kControlSize(144, 40);

    int daysOf(const QLineEdit *edit)
    {
        // Digits only; a number too large for an int reads as 0, as an empty one.
        return edit->text().toInt();
    }
}

class FiltrationDialogPrivate
{
public:
    XLabel *title = nullptr;
    QPushButton *timeButtons[kButtonCount] = {};
    XLineEdit *from = nullptr;
    XLineEdit *to = nullptr;
    XLabel *toLabel = nullptr;
    XLabel *daysLabel = nullptr;
    QPushButton *reset = nullptr;
    QPushButton *confirm = nullptr;
    int current = FiltrationDialog::All;
    int confirmed = FiltrationDialog::All;
    QString confirmedFrom;
    QString confirmedTo;

    QPushButton *buttonOf(int code) const
    {
        for (int i = 0; i < kButtonCount; ++i) {
            if (kTimeButtons[i].code == code)
                return timeButtons[i];
        }
        return nullptr;
    }

    void showCustom(bool shown)
    {
        for (QWidget *widget : {static_cast<QWidget *>(from), static_cast<QWidget *>(to),
                                static_cast<QWidget *>(toLabel), static_cast<QWidget *>(daysLabel)})
            widget->setVisible(shown);
    }
};

FiltrationDialog::FiltrationDialog(QWidget *parent)
    : FDialog(parent)
    , d(new FiltrationDialogPrivate)
{
    setFixedSize(680, 400);
    setModal(true);
    setWindowModality(Qt::ApplicationModal);

    d->title = new XLabel(m_contentWidget);
    d->title->setStyleSheet(QStringLiteral("font-size: 16px;font-weight: bold;color: #333333;"));
    for (int i = 0; i < kButtonCount; ++i) {
        auto *button = new QPushButton(m_contentWidget);
        button->setObjectName(QStringLiteral("TimerButton"));
        button->setFixedSize(kControlSize);
        const int code = kTimeButtons[i].code;
        connect(button, &QPushButton::clicked, this, [this, code] { choose(code); });
        d->timeButtons[i] = button;
    }
    const QRegularExpression digits(QStringLiteral("[0-9]*"));
    for (XLineEdit **edit : {&d->from, &d->to}) {
        *edit = new XLineEdit(m_contentWidget);
        (*edit)->setFixedSize(kControlSize);
        (*edit)->setValidator(new QRegularExpressionValidator(digits, *edit));
    }
    d->toLabel = new XLabel(m_contentWidget);
    d->daysLabel = new XLabel(m_contentWidget);
    d->reset = new QPushButton(m_contentWidget);
    d->reset->setObjectName(QStringLiteral("ResetButton"));
    d->reset->setFixedSize(kControlSize);
    d->confirm = new QPushButton(m_contentWidget);
    d->confirm->setObjectName(QStringLiteral("ConfirmButton"));
    d->confirm->setFixedSize(kControlSize);
    connect(d->reset, &QPushButton::clicked, this, &FiltrationDialog::reset);
    connect(d->confirm, &QPushButton::clicked, this, &FiltrationDialog::confirm);

    auto *grid = new QGridLayout;
    grid->setSpacing(20);
    for (int i = 0; i < 6; ++i)
        grid->addWidget(d->timeButtons[i], i / 4, i % 4);

    auto *customRow = new QHBoxLayout;
    customRow->setSpacing(20);
    customRow->addWidget(d->buttonOf(CustomRange));
    customRow->addWidget(d->from);
    customRow->addWidget(d->toLabel);
    customRow->addWidget(d->to);
    customRow->addWidget(d->daysLabel);
    customRow->addStretch();

    auto *buttonRow = new QHBoxLayout;
    buttonRow->setSpacing(0);
    buttonRow->addStretch();
    buttonRow->addWidget(d->reset);
    buttonRow->addSpacing(50);
    buttonRow->addWidget(d->confirm);
    buttonRow->addStretch();

    auto *column = new QVBoxLayout(m_contentWidget);
    column->setContentsMargins(20, 0, 20, 24);
    column->setSpacing(0);
    column->addWidget(d->title);
    column->addSpacing(20);
    column->addLayout(grid);
    column->addSpacing(60);
    column->addLayout(customRow);
    column->addStretch();
    column->addLayout(buttonRow);

    d->buttonOf(All)->setDown(true);
    d->showCustom(false);
    retranslateUi();
}

FiltrationDialog::~FiltrationDialog() = default;

int FiltrationDialog::choice() const
{
    return d->current;
}

int FiltrationDialog::fromDays() const
{
    return daysOf(d->from);
}

int FiltrationDialog::toDays() const
{
    return daysOf(d->to);
}

void FiltrationDialog::restoreChoice()
{
    // The filter in force, and nothing else, shows as chosen: an OK pressed
    // next keeps it rather than a choice left behind without OK.
    choose(d->confirmed);
    if (d->confirmed == CustomRange) {
        d->from->setText(d->confirmedFrom);
        d->to->setText(d->confirmedTo);
    }
}

void FiltrationDialog::retranslateUi()
{
    d->title->setText(tr("Select Time"));
    for (int i = 0; i < kButtonCount; ++i)
        d->timeButtons[i]->setText(tr(kTimeButtons[i].text));
    d->toLabel->setText(tr("to"));
    d->daysLabel->setText(tr("days"));
    d->from->setAccessibleName(tr("From (days)"));
    d->to->setAccessibleName(tr("To (days)"));
    d->reset->setText(tr("Reset"));
    d->confirm->setText(tr("OK"));
}

void FiltrationDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    FDialog::changeEvent(event);
}

void FiltrationDialog::choose(int code)
{
    for (int i = 0; i < kButtonCount; ++i)
        d->timeButtons[i]->setDown(kTimeButtons[i].code == code);
    d->current = code;
    d->showCustom(code == CustomRange);
}

void FiltrationDialog::reset()
{
    choose(All);
    d->from->clear();
    d->to->clear();
}

void FiltrationDialog::confirm()
{
    d->confirmed = d->current;
    d->confirmedFrom = d->from->text();
    d->confirmedTo = d->to->text();
    emit sigFliter();
}
