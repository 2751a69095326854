#include "vxkwidget.h"

VxkWidget::VxkWidget(QWidget *parent)
    : QWidget(parent)
{
}

void VxkWidget::setInit()
{
}

void VxkWidget::setDestroy()
{
}

void VxkWidget::resetUI()
{
}
