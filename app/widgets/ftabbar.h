#pragma once

#include <QTabBar>

// The kit's plain tab bar.
class FTabBar : public QTabBar
{
    Q_OBJECT

public:
    explicit FTabBar(QWidget *parent = nullptr);
};
