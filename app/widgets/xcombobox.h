#pragma once

#include <QComboBox>

// A combo box that the mouse wheel leaves alone: scrolling a page over it
// neither changes the choice nor scrolls the page.
class XComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit XComboBox(QWidget *parent = nullptr);

protected:
    void wheelEvent(QWheelEvent *event) override;
};
