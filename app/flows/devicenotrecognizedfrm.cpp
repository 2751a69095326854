#include "devicenotrecognizedfrm.h"

#include "iosnotrecognizedfrm.h"

#include <QLabel>
#include <QVBoxLayout>

DeviceNotrecognizedFrm::DeviceNotrecognizedFrm(QWidget *parent)
    : FDialog(parent)
{
    setObjectName(QStringLiteral("DeviceNotrecognizedFrm"));
    auto *title = new QLabel(QObject::tr("No device detected? Please follow the steps below to try again."),
                             m_contentWidget);
    title->setStyleSheet(QStringLiteral("font-size:24px;color: #333333;"));
    title->setWordWrap(true);
    title->setAlignment(Qt::AlignCenter);
    auto *column = new QVBoxLayout(m_contentWidget);
    column->setContentsMargins(30, 0, 30, 20);
    column->addWidget(title);
    column->addSpacing(20);
    column->addWidget(new IOSNotrecognizedFrm(m_contentWidget));
    column->addStretch();
    setFixedSize(840, 476);
}
