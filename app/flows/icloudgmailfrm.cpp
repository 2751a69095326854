#include "icloudgmailfrm.h"

#include <QHBoxLayout>
#include <QLineEdit>

iCloudGmailFrm::iCloudGmailFrm(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("iCloudGmailFrm"));
    setStyleSheet(QStringLiteral(
        "QFrame#iCloudGmailFrm{ border: 1px solid rgb(193, 193, 193); border-radius: 6px;background: white;}"));
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("AppleIdEdit"));
    m_edit->setFixedHeight(48);
    m_edit->setStyleSheet(QStringLiteral("QLineEdit { border: none; border-radius: 6px;background: white;}"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_edit);
    layout->addSpacing(9);
    connect(m_edit, &QLineEdit::textChanged, this, &iCloudGmailFrm::textChanged);
}

void iCloudGmailFrm::setPlaceholderText(const QString &text)
{
    m_edit->setPlaceholderText(text);
}

void iCloudGmailFrm::setText(const QString &text)
{
    m_edit->setText(text);
}

void iCloudGmailFrm::setValidator(const QValidator *validator)
{
    m_edit->setValidator(validator);
}

QString iCloudGmailFrm::text() const
{
    return m_edit->text();
}

QLineEdit *iCloudGmailFrm::lineEdit() const
{
    return m_edit;
}
