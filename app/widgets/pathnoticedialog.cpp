#include "pathnoticedialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

PathNoticeDialog::PathNoticeDialog(const QString &text, QWidget *parent)
    : FDialog(parent)
{
    hide();

    auto *icon = new QLabel(m_contentWidget);
    icon->setFixedSize(50, 50);
    icon->setObjectName(QStringLiteral("InformationIconLabel"));
    auto *iconColumn = new QVBoxLayout;
    iconColumn->setContentsMargins(0, 0, 0, 0);
    iconColumn->addSpacing(30);
    iconColumn->addWidget(icon);
    iconColumn->addStretch();

    m_textLabel = new QLabel(m_contentWidget);
    m_textLabel->setTextFormat(Qt::RichText);
    m_textLabel->setText(text);
    m_textLabel->setStyleSheet(QStringLiteral("font-size: 16px;color: #333333;"));
    m_textLabel->setWordWrap(true);
    m_textLabel->setAlignment(Qt::AlignLeft);
    m_textLabel->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    auto *textColumn = new QVBoxLayout;
    textColumn->setContentsMargins(0, 0, 15, 0);
    textColumn->addSpacing(40);
    textColumn->addWidget(m_textLabel);
    textColumn->addStretch();

    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->addSpacing(35);
    row->addLayout(iconColumn);
    row->addSpacing(20);
    row->addLayout(textColumn);

    m_okButton = new QPushButton(QObject::tr("OK"), m_contentWidget);
    m_okButton->setObjectName(QStringLiteral("OkButton"));
    m_okButton->setFixedSize(100, 35);
    auto *buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(m_okButton);

    auto *layout = new QVBoxLayout(m_contentWidget);
    layout->setContentsMargins(0, 0, 20, 20);
    layout->setSpacing(0);
    layout->addLayout(row);
    layout->addLayout(buttonRow);

    connect(m_textLabel, &QLabel::linkActivated, this, [this] { done(ChangePath); });
    connect(m_okButton, &QPushButton::clicked, this, [this] { done(Ok); });
}
