#pragma once

#include <QPoint>
#include <QScrollArea>

// A scroll area without scroll bars whose content follows the mouse: a drag
// with the left button scrolls once the pointer has left a 9-pixel square
// around where the drag began, and from then on by every movement.
class FScrollArea : public QScrollArea
{
    Q_OBJECT

public:
    explicit FScrollArea(bool transparent = false, QWidget *parent = nullptr);

    void setBackgroundColor(int red, int green, int blue);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool m_pressed = false;
    bool m_dragging = false;
    QPoint m_lastPosition;
};
