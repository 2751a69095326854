#include "analysisdatanullfrm.h"

#include "modulemanager.h"

#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

class AnalysisDataNullFrmPrivate
{
public:
    QLabel *note = nullptr;
    QLabel *title = nullptr;
    QLabel *image = nullptr;
};

AnalysisDataNullFrm::AnalysisDataNullFrm(QWidget *parent)
    : QWidget(parent)
    , d(new AnalysisDataNullFrmPrivate)
{
    setObjectName(QStringLiteral("AnalysisDataNullFrm"));
    d->image = new QLabel(this);
    d->image->setPixmap(QPixmap(QStringLiteral(":/Images/missing.png")));
    d->image->setAlignment(Qt::AlignCenter);
    d->title = new QLabel(this);
    d->title->setObjectName(QStringLiteral("NoDataTitle"));
    d->title->setMinimumWidth(320);
    d->title->setAlignment(Qt::AlignCenter);
    d->title->setStyleSheet(QStringLiteral("font-weight:bold;font-size:20px;color: #333333;"));
    d->note = new QLabel(this);
    d->note->setObjectName(QStringLiteral("NoDataNote"));
    d->note->setWordWrap(true);
    d->note->setFixedWidth(791);
    d->note->setAlignment(Qt::AlignCenter);
    d->note->setStyleSheet(QStringLiteral("font-size:16px;color: #999999;"));

    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(0);
    layout->addStretch();
    layout->addWidget(d->image, 0, Qt::AlignHCenter);
    layout->addSpacing(24);
    layout->addWidget(d->title, 0, Qt::AlignHCenter);
    layout->addSpacing(12);
    layout->addWidget(d->note, 0, Qt::AlignHCenter);
    layout->addStretch();
    updateSourceText();
}

AnalysisDataNullFrm::~AnalysisDataNullFrm() = default;

void AnalysisDataNullFrm::updateSourceText()
{
    if (ModuleManager::instance()->current() == ModuleManager::ICloudBackup)
        d->note->setText(QObject::tr("Note: If you can't find the data you need, try using other features. Or "
                                     "select different types of data to scan."));
    else
        d->note->setText(QObject::tr("Note: If you don't find the data you want, please use \"Recover Data from "
                                     "iTunes Backup\" or go back to select other data types to scan again."));
    d->title->setText(QObject::tr("No data found!"));
}

void AnalysisDataNullFrm::showEvent(QShowEvent *event)
{
    updateSourceText();
    QWidget::showEvent(event);
}
