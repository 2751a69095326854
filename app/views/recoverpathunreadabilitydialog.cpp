#include "recoverpathunreadabilitydialog.h"

#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>

RecoverPathunreadabilityDialog::RecoverPathunreadabilityDialog(QWidget *parent)
    : RecoverNoticeDialog(QSize(100, 36), QMargins(5, 0, 0, 5), parent)
{
    m_link = new QLabel(m_contentWidget);
    m_link->setTextFormat(Qt::RichText);
    m_link->setStyleSheet(QStringLiteral("color: #666666;font-weight:400;font-size:14px;"));
    m_link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    column()->addWidget(m_link);
    connect(m_link, &QLabel::linkActivated, this, [this] { done(OpenSettings); });
    retranslateUi();
}

void RecoverPathunreadabilityDialog::setMessage(const QString &text)
{
    setPicture(QStringLiteral(":/Images/icon_information.png"));
    setText(text);
}

void RecoverPathunreadabilityDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    RecoverNoticeDialog::changeEvent(event);
}

void RecoverPathunreadabilityDialog::retranslateUi()
{
    m_link->setText(tr("If you wan to change the file export path, go to <a style='color: #558AF8;font-size:14px;"
                       "text-decoration: none;'href=\"#\">Settings</a>."));
}
