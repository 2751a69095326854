#include "ftabbar.h"

FTabBar::FTabBar(QWidget *parent)
    : QTabBar(parent)
{
}
