#include "fscrollarea.h"

#include <QMouseEvent>
#include <QScrollBar>

namespace
{
    // Movements up to this many pixels in both directions are still a click.
    constexpr int kDragThreshold = 9;
}

FScrollArea::FScrollArea(bool transparent, QWidget *parent)
    : QScrollArea(parent)
{
    setObjectName(QStringLiteral("FScrollArea"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    if (transparent)
        viewport()->setStyleSheet(QStringLiteral("background-color:transparent;"));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    installEventFilter(this);
}

void FScrollArea::setBackgroundColor(int red, int green, int blue)
{
    viewport()->setStyleSheet(QStringLiteral("background-color:rgb(%1, %2, %3);").arg(red).arg(green).arg(blue));
}

bool FScrollArea::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == this && event->type() == QEvent::MouseMove) {
        auto *move = static_cast<QMouseEvent *>(event);
        if (move->buttons() & Qt::LeftButton) {
            if (!m_pressed) {
                m_pressed = true;
                m_dragging = false;
                m_lastPosition = move->globalPos();
                return true;
            }
            const QPoint offset = move->globalPos() - m_lastPosition;
            if (!m_dragging && qAbs(offset.x()) <= kDragThreshold && qAbs(offset.y()) <= kDragThreshold)
                return false;
            m_dragging = true;
            horizontalScrollBar()->setValue(horizontalScrollBar()->value() - offset.x());
            verticalScrollBar()->setValue(verticalScrollBar()->value() - offset.y());
            m_lastPosition = move->globalPos();
            return true;
        }
    } else if (watched == this && event->type() == QEvent::MouseButtonRelease) {
        m_pressed = false;
    }
    return QScrollArea::eventFilter(watched, event);
}
