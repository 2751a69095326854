#include "filtrationdialog.h"

#include "xlabel.h"
#include "xlineedit.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRegExpValidator>
#include <QVBoxLayout>

namespace
{
    // The time buttons' codes, in their order on the dialog.
    const int kCodes[] = {0, 1, 2, 3, 4, 5, FiltrationDialog::CustomRange};
    constexpr int kButtons = int(sizeof(kCodes) / sizeof(kCodes[0]));

    QPushButton *fixedButton(const QString &objectName, QWidget *parent)
    {
        auto *button = new QPushButton(parent);
        button->setObjectName(objectName);
        button->setFixedSize(144, 40);
        return button;
    }
}

FiltrationDialog::FiltrationDialog(QWidget *parent)
    : FDialog(parent)
{
    setFixedSize(680, 400);
    setModal(true);
    setWindowModality(Qt::ApplicationModal);

    m_title = new XLabel(m_contentWidget);
    m_title->setStyleSheet(QStringLiteral("font-size: 16px;font-weight: bold;color: #333333;"));
    for (int i = 0; i < kButtons; ++i)
        m_timeButtons.append(fixedButton(QStringLiteral("TimerButton"), m_contentWidget));
    m_from = new XLineEdit(m_contentWidget);
    m_to = new XLineEdit(m_contentWidget);
    for (XLineEdit *field : {m_from, m_to}) {
        field->setFixedSize(144, 40);
        field->setValidator(new QRegExpValidator(QRegExp(QStringLiteral("[0-9]*")), field));
    }
    m_toLabel = new QLabel(m_contentWidget);
    m_daysLabel = new QLabel(m_contentWidget);
    m_reset = fixedButton(QStringLiteral("ResetButton"), m_contentWidget);
    m_ok = fixedButton(QStringLiteral("ConfirmButton"), m_contentWidget);

    auto *grid = new QGridLayout;
    grid->setSpacing(20);
    for (int i = 0; i < 4; ++i)
        grid->addWidget(m_timeButtons.at(i), 0, i);
    grid->addWidget(m_timeButtons.at(4), 1, 0);
    grid->addWidget(m_timeButtons.at(5), 1, 1);

    auto *customRow = new QHBoxLayout;
    customRow->setSpacing(20);
    customRow->addWidget(m_timeButtons.at(6));
    customRow->addWidget(m_from);
    customRow->addWidget(m_toLabel);
    customRow->addWidget(m_to);
    customRow->addWidget(m_daysLabel);
    customRow->addStretch();

    auto *buttonRow = new QHBoxLayout;
    buttonRow->setSpacing(0);
    buttonRow->addStretch();
    buttonRow->addWidget(m_reset);
    buttonRow->addSpacing(50);
    buttonRow->addWidget(m_ok);
    buttonRow->addStretch();

    auto *layout = new QVBoxLayout(m_contentWidget);
    layout->setContentsMargins(20, 0, 20, 24);
    layout->setSpacing(0);
    layout->addWidget(m_title);
    layout->addSpacing(20);
    layout->addLayout(grid);
    layout->addSpacing(60);
    layout->addLayout(customRow);
    layout->addStretch();
    layout->addLayout(buttonRow);

    retranslateUi();
    m_timeButtons.first()->setDown(true);
    showCustomFields(false);

    for (int i = 0; i < kButtons; ++i)
        connect(m_timeButtons.at(i), &QPushButton::clicked, this, [this, i] { choose(i); });
    connect(m_reset, &QPushButton::clicked, this, &FiltrationDialog::reset);
    connect(m_ok, &QPushButton::clicked, this, [this] {
        m_confirmed = m_choice;
        emit sigFliter();
    });
}

int FiltrationDialog::choice() const
{
    return m_choice;
}

int FiltrationDialog::fromDays() const
{
    return m_from->text().toInt();
}

int FiltrationDialog::toDays() const
{
    return m_to->text().toInt();
}

void FiltrationDialog::restoreChoice()
{
    for (int i = 0; i < kButtons; ++i) {
        if (kCodes[i] == m_confirmed)
            m_timeButtons.at(i)->setDown(true);
    }
}

void FiltrationDialog::retranslateUi()
{
    m_title->setText(tr("Select Time"));
    const QString texts[] = {tr("All"),          tr("Last 7 Days"),     tr("Last Month"),  tr("Last three Months"),
                             tr("Last Six Months"), tr("Last Year"), tr("Custom Range")};
    for (int i = 0; i < kButtons; ++i)
        m_timeButtons.at(i)->setText(texts[i]);
    m_from->setAccessibleName(tr("From days"));
    m_to->setAccessibleName(tr("To days"));
    m_toLabel->setText(tr("to"));
    m_daysLabel->setText(tr("days"));
    m_reset->setText(tr("Reset"));
    m_ok->setText(tr("OK"));
}

void FiltrationDialog::choose(int index)
{
    for (int i = 0; i < kButtons; ++i)
        m_timeButtons.at(i)->setDown(i == index);
    m_choice = kCodes[index];
    showCustomFields(m_choice == CustomRange);
}

void FiltrationDialog::reset()
{
    choose(0);
    m_from->clear();
    m_to->clear();
}

void FiltrationDialog::showCustomFields(bool shown)
{
    for (QWidget *widget : {static_cast<QWidget *>(m_from), static_cast<QWidget *>(m_to),
                            static_cast<QWidget *>(m_toLabel), static_cast<QWidget *>(m_daysLabel)})
        widget->setVisible(shown);
}
