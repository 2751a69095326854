#include "homecard.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

HomeCard::HomeCard(Layout layout, const QString &image, const QSize &imageSize, const char *title,
                   const char *description, QWidget *parent)
    : QPushButton(parent)
    , m_titleSource(title)
    , m_descriptionSource(description)
{
    setObjectName(QStringLiteral("HomeCard"));
    setCursor(Qt::PointingHandCursor);
    m_image = new QLabel(this);
    m_image->setPixmap(QPixmap(image).scaled(imageSize, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    m_image->setFixedSize(imageSize);
    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("HomeCardTitle"));
    m_title->setWordWrap(true);
    m_title->setTextFormat(Qt::PlainText);
    m_description = new QLabel(this);
    m_description->setObjectName(QStringLiteral("HomeCardDescription"));
    m_description->setWordWrap(true);
    m_description->setTextFormat(Qt::PlainText);
    // The button speaks for them: its name and description are theirs.
    for (QLabel *label : {m_image, m_title, m_description})
        label->setAttribute(Qt::WA_TransparentForMouseEvents);

    auto *texts = new QVBoxLayout;
    texts->setSpacing(10);
    texts->addWidget(m_title);
    texts->addWidget(m_description);
    if (layout == Tall) {
        auto *column = new QVBoxLayout(this);
        column->setContentsMargins(30, 40, 30, 40);
        column->addWidget(m_image, 0, Qt::AlignHCenter);
        column->addSpacing(30);
        m_title->setAlignment(Qt::AlignHCenter);
        m_description->setAlignment(Qt::AlignHCenter);
        column->addLayout(texts);
        column->addStretch();
    } else {
        auto *row = new QHBoxLayout(this);
        row->setContentsMargins(30, 20, 30, 20);
        row->setSpacing(24);
        row->addWidget(m_image, 0, Qt::AlignVCenter);
        texts->addStretch();
        texts->insertStretch(0);
        row->addLayout(texts, 1);
    }
    retranslate();
}

QString HomeCard::title() const
{
    return m_title->text();
}

QString HomeCard::description() const
{
    return m_description->text();
}

void HomeCard::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QPushButton::changeEvent(event);
}

void HomeCard::retranslate()
{
    m_title->setText(QObject::tr(m_titleSource));
    m_description->setText(QObject::tr(m_descriptionSource));
    setAccessibleName(m_title->text());
    setAccessibleDescription(m_description->text());
}
