#include "icloudpasswordfrm.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

iCloudPasswordFrm::iCloudPasswordFrm(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("iCloudPasswordFrm"));
    setStyleSheet(QStringLiteral(
        "QFrame#iCloudPasswordFrm{ border: 1px solid rgb(193, 193, 193); border-radius: 6px;background: white;}"));
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("ApplePasswordEdit"));
    m_edit->setFixedHeight(48);
    m_edit->setStyleSheet(QStringLiteral("QLineEdit { border: none; border-radius: 6px;background: white;}"));
    m_edit->setEchoMode(QLineEdit::Password);
    m_edit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("^(?=.*[a-z])(?=.*[A-Z])(?=.*\\d).{8,}$")), m_edit));

    m_view = new QPushButton(this);
    m_view->setObjectName(QStringLiteral("ViewPasswordButton"));
    m_view->setFixedSize(32, 32);
    m_view->setCursor(Qt::PointingHandCursor);
    m_view->setIcon(QIcon(QStringLiteral(":/Images/eye.png")));
    m_view->setIconSize(QSize(22, 22));
    retranslate();

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_edit);
    layout->addSpacing(5);
    layout->addWidget(m_view);
    layout->addSpacing(5);
    connect(m_edit, &QLineEdit::textChanged, this, &iCloudPasswordFrm::textChanged);
    connect(m_view, &QPushButton::clicked, this, &iCloudPasswordFrm::toggleEcho);
}

void iCloudPasswordFrm::setPlaceholderText(const QString &text)
{
    m_edit->setPlaceholderText(text);
}

void iCloudPasswordFrm::setText(const QString &text)
{
    m_edit->setText(text);
}

void iCloudPasswordFrm::setValidator(const QValidator *validator)
{
    m_edit->setValidator(validator);
}

QString iCloudPasswordFrm::text() const
{
    return m_edit->text();
}

QLineEdit *iCloudPasswordFrm::lineEdit() const
{
    return m_edit;
}

QPushButton *iCloudPasswordFrm::viewButton() const
{
    return m_view;
}

void iCloudPasswordFrm::retranslate()
{
    m_view->setAccessibleName(QObject::tr("Show password"));
}

void iCloudPasswordFrm::toggleEcho()
{
    if (m_edit->echoMode() != QLineEdit::Password) {
        m_edit->setEchoMode(QLineEdit::Password);
        m_view->setIcon(QIcon(QStringLiteral(":/Images/eye.png")));
    } else {
        m_edit->setEchoMode(QLineEdit::Normal);
        m_view->setIcon(QIcon(QStringLiteral(":/Images/ViewPassword.png")));
    }
}
