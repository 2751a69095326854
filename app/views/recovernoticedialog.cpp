#include "recovernoticedialog.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

RecoverNoticeDialog::RecoverNoticeDialog(const QSize &okSize, const QMargins &margins, QWidget *parent)
    : FDialog(parent)
{
    setFixedSize(580, 220);

    m_icon = new QLabel(m_contentWidget);
    m_icon->setFixedSize(50, 50);
    m_icon->setScaledContents(true);
    m_text = new QLabel(m_contentWidget);
    m_text->setTextFormat(Qt::PlainText);
    m_text->setStyleSheet(QStringLiteral("color: #333333;font-weight:400;font-size:16px;"));
    m_text->setAlignment(Qt::AlignLeft);
    m_text->setWordWrap(true);
    m_ok = new QPushButton(m_contentWidget);
    m_ok->setObjectName(QStringLiteral("OkButton"));
    m_ok->setFixedSize(okSize);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::close);

    auto *textColumn = new QVBoxLayout;
    // Clear of the panel's rounded edge.
    textColumn->setContentsMargins(0, 0, 20, 0);
    textColumn->addSpacing(20);
    textColumn->addWidget(m_text);
    textColumn->addStretch();
    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->addSpacing(30);
    row->addWidget(m_icon);
    row->addSpacing(10);
    row->addLayout(textColumn);

    auto *buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(m_ok);
    buttonRow->addSpacing(20);

    m_column = new QVBoxLayout(m_contentWidget);
    m_column->setContentsMargins(margins);
    m_column->addLayout(row);
    m_column->addLayout(buttonRow);

    m_ok->setText(tr("OK"));
}

QString RecoverNoticeDialog::text() const
{
    return m_text->text();
}

void RecoverNoticeDialog::setPicture(const QString &path)
{
    m_icon->setPixmap(QPixmap(path));
}

void RecoverNoticeDialog::setText(const QString &text)
{
    m_text->setText(text);
}

QVBoxLayout *RecoverNoticeDialog::column() const
{
    return m_column;
}

void RecoverNoticeDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        m_ok->setText(tr("OK"));
    FDialog::changeEvent(event);
}
