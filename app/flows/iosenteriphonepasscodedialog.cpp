#include "iosenteriphonepasscodedialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

IOSEnterIphonePasscodeDialog::IOSEnterIphonePasscodeDialog(QWidget *parent)
    : FDialog(parent)
{
    setObjectName(QStringLiteral("IOSEnterIphonePasscodeDialog"));
    auto *text = new QLabel(QObject::tr("Please enter passcode on your iOS device to continue."), m_contentWidget);
    text->setAlignment(Qt::AlignCenter);
    text->setStyleSheet(QStringLiteral("font-size:24px;color: #333333;"));
    auto *image = new QLabel(m_contentWidget);
    image->setFixedSize(186, 332);
    image->setScaledContents(true);
    image->setPixmap(QPixmap(QStringLiteral(":/Images/ios/RemoveBackupPaw/1.png")));
    auto *imageRow = new QHBoxLayout;
    imageRow->addStretch();
    imageRow->addWidget(image);
    imageRow->addStretch();
    auto *column = new QVBoxLayout(m_contentWidget);
    column->setContentsMargins(0, 15, 0, 0);
    column->addWidget(text);
    column->addSpacing(66);
    column->addLayout(imageRow);
    column->addStretch();
    setFixedSize(680, 560);
}
