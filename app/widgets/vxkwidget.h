#pragma once

#include <QWidget>

// The base of pages that their owning flow sets up, tears down and resets.
class VxkWidget : public QWidget
{
    Q_OBJECT

public:
    explicit VxkWidget(QWidget *parent = nullptr);

    Q_INVOKABLE virtual void setInit();
    Q_INVOKABLE virtual void setDestroy();
    Q_INVOKABLE virtual void resetUI();
};
