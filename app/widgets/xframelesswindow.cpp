#include "xframelesswindow.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <cmath>

class XFramelessWindowPrivate
{
public:
    enum class Drag
    {
        None,
        Move,
        Resize
    };

    QWidget *titleBar = nullptr;
    QList<QPointer<QWidget>> captionWidgets;
    int borderWidth = 5;
    QMargins margins;
    QMargins frames; // stays empty: the window has no frame of its own here
    bool justMaximised = false;
    bool resizeable = true;
    QSize normalSize;

    QPointer<QWindow> window; // the native window whose mouse events are watched
    bool edgeCursor = false;
    // Moving or resizing by hand where no window manager does it.
    Drag drag = Drag::None;
    Qt::Edges dragEdges;
    QPoint dragStartGlobal;
    QRect dragStartGeometry;
};

XFramelessWindow::XFramelessWindow(QWidget *parent)
    : QMainWindow(parent, Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)
    , d(new XFramelessWindowPrivate)
{
    applyWindowStyles();
    attachWindow();
}

XFramelessWindow::~XFramelessWindow()
{
    // QWidget's destructor still destroys the children and the native window:
    // neither may reach this object once its own part is gone.
    if (d->titleBar)
        disconnect(d->titleBar, nullptr, this, nullptr);
    if (d->window) {
        d->window->removeEventFilter(this);
        disconnect(d->window, nullptr, this, nullptr);
    }
}

Qt::Edges XFramelessWindow::hitTest(const QRect &windowPx, const QPoint &pointPx, int border, bool resizeable,
                                    bool widthFree, bool heightFree)
{
    if (!resizeable)
        return {};
    const int left = windowPx.x();
    const int top = windowPx.y();
    const int right = windowPx.x() + windowPx.width(); // exclusive, as a native window rectangle
    const int bottom = windowPx.y() + windowPx.height();
    const int x = pointPx.x();
    const int y = pointPx.y();
    const bool onLeft = left <= x && x < left + border;
    const bool onRight = right - border <= x && x < right;
    const bool onBottom = bottom - border <= y && y < bottom;
    const bool onTop = top <= y && y < top + border;

    Qt::Edges edges;
    if (widthFree) {
        if (onLeft)
            edges = Qt::LeftEdge;
        if (onRight)
            edges = Qt::RightEdge;
    }
    if (heightFree) {
        if (onBottom)
            edges = Qt::BottomEdge;
        if (onTop)
            edges = Qt::TopEdge;
    }
    if (widthFree && heightFree) {
        if (onBottom && onLeft)
            edges = Qt::BottomEdge | Qt::LeftEdge;
        if (onBottom && onRight)
            edges = Qt::BottomEdge | Qt::RightEdge;
        if (onTop && onLeft)
            edges = Qt::TopEdge | Qt::LeftEdge;
        if (onTop && onRight)
            edges = Qt::TopEdge | Qt::RightEdge;
    }
    return edges;
}

void XFramelessWindow::setTitleBar(QWidget *titleBar)
{
    if (d->titleBar && d->titleBar != titleBar)
        disconnect(d->titleBar, &QObject::destroyed, this, &XFramelessWindow::onTitleBarDestroyed);
    d->titleBar = titleBar;
    if (titleBar)
        connect(titleBar, &QObject::destroyed, this, &XFramelessWindow::onTitleBarDestroyed, Qt::UniqueConnection);
}

QWidget *XFramelessWindow::titleBar() const
{
    return d->titleBar;
}

void XFramelessWindow::addCaptionWidget(QWidget *widget)
{
    if (!widget || d->captionWidgets.contains(widget))
        return;
    d->captionWidgets.append(widget);
}

void XFramelessWindow::setResizeable(bool resizeable)
{
    d->resizeable = resizeable;
    applyWindowStyles();
}

bool XFramelessWindow::isResizeable() const
{
    return d->resizeable;
}

void XFramelessWindow::setResizeBorderWidth(int width)
{
    d->borderWidth = std::max(1, width);
}

int XFramelessWindow::resizeBorderWidth() const
{
    return d->borderWidth;
}

void XFramelessWindow::setContentsMargins(const QMargins &margins)
{
    d->margins = margins;
    QMainWindow::setContentsMargins(margins + d->frames);
}

void XFramelessWindow::setContentsMargins(int left, int top, int right, int bottom)
{
    setContentsMargins(QMargins(left, top, right, bottom));
}

QMargins XFramelessWindow::contentsMargins() const
{
    return QMainWindow::contentsMargins() - d->frames;
}

void XFramelessWindow::getContentsMargins(int *left, int *top, int *right, int *bottom) const
{
    const QMargins m = QMainWindow::contentsMargins();
    if (left)
        *left = m.left();
    if (top)
        *top = m.top();
    if (right)
        *right = m.right();
    if (bottom)
        *bottom = m.bottom();
    if (left && top && right && bottom && isMaximized()) {
        *left -= d->frames.left();
        *top -= d->frames.top();
        *right -= d->frames.right();
        *bottom -= d->frames.bottom();
    }
}

QRect XFramelessWindow::contentsRect() const
{
    return QMainWindow::contentsRect().translated(-d->frames.left(), -d->frames.top());
}

void XFramelessWindow::onTitleBarDestroyed()
{
    if (d->titleBar && sender() == d->titleBar)
        d->titleBar = nullptr;
}

void XFramelessWindow::showFullScreen()
{
    if (isMaximized()) {
        QMainWindow::setContentsMargins(d->margins);
        d->frames = QMargins();
    }
    QMainWindow::showFullScreen();
}

void XFramelessWindow::applyWindowStyles()
{
    const bool visible = isVisible();
    Qt::WindowFlags flags = windowFlags();
    flags.setFlag(Qt::WindowMaximizeButtonHint, d->resizeable);
    if (flags != windowFlags())
        setWindowFlags(flags);
    if (visible && !isVisible())
        show();
}

void XFramelessWindow::attachWindow()
{
    QWindow *window = windowHandle();
    if (window == d->window)
        return;
    if (d->window) {
        d->window->removeEventFilter(this);
        disconnect(d->window, nullptr, this, nullptr);
    }
    d->window = window;
    d->drag = XFramelessWindowPrivate::Drag::None;
    d->edgeCursor = false;
    if (window) {
        window->installEventFilter(this);
        connect(window, &QWindow::screenChanged, this, &XFramelessWindow::onScreenChanged);
    }
}

bool XFramelessWindow::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::WinIdChange:
    case QEvent::Show:
        attachWindow();
        break;
    default:
        break;
    }
    return QMainWindow::event(event);
}

bool XFramelessWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == d->window && handleMouse(event))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

bool XFramelessWindow::isOnCaption(const QPoint &logical) const
{
    QWidget *bar = d->titleBar;
    if (!bar || !bar->isVisible())
        return false;
    const QPoint inBar = bar->mapFromGlobal(mapToGlobal(logical));
    if (!bar->rect().contains(inBar))
        return false;
    // A child that is no caption widget (a button) takes the press itself.
    QWidget *child = bar->childAt(inBar);
    return !child || d->captionWidgets.contains(child);
}

void XFramelessWindow::updateEdgeCursor(Qt::Edges edges, const QPoint &logical)
{
    if (edges) {
        Qt::CursorShape shape = Qt::SizeHorCursor;
        if (edges == (Qt::TopEdge | Qt::LeftEdge) || edges == (Qt::BottomEdge | Qt::RightEdge))
            shape = Qt::SizeFDiagCursor;
        else if (edges == (Qt::TopEdge | Qt::RightEdge) || edges == (Qt::BottomEdge | Qt::LeftEdge))
            shape = Qt::SizeBDiagCursor;
        else if (edges == Qt::TopEdge || edges == Qt::BottomEdge)
            shape = Qt::SizeVerCursor;
        d->window->setCursor(shape);
        d->edgeCursor = true;
    } else if (d->edgeCursor) {
        // Back to the cursor of whatever lies under the pointer.
        QWidget *under = childAt(logical);
        d->window->setCursor((under ? under : this)->cursor());
        d->edgeCursor = false;
    }
}

bool XFramelessWindow::handleMouse(QEvent *event)
{
    using Drag = XFramelessWindowPrivate::Drag;
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
        return false;
    auto *mouse = static_cast<QMouseEvent *>(event);

    if (d->drag != Drag::None) {
        if (type == QEvent::MouseMove) {
            const QPoint delta = mouse->globalPos() - d->dragStartGlobal;
            if (d->drag == Drag::Move) {
                move(d->dragStartGeometry.topLeft() + delta);
            } else {
                QRect g = d->dragStartGeometry;
                const QSize minimum = minimumSize();
                const QSize maximum = maximumSize();
                if (d->dragEdges & Qt::LeftEdge) {
                    const int w = std::clamp(g.width() - delta.x(), minimum.width(), maximum.width());
                    g.setLeft(g.right() + 1 - w);
                } else if (d->dragEdges & Qt::RightEdge) {
                    g.setWidth(std::clamp(g.width() + delta.x(), minimum.width(), maximum.width()));
                }
                if (d->dragEdges & Qt::TopEdge) {
                    const int h = std::clamp(g.height() - delta.y(), minimum.height(), maximum.height());
                    g.setTop(g.bottom() + 1 - h);
                } else if (d->dragEdges & Qt::BottomEdge) {
                    g.setHeight(std::clamp(g.height() + delta.y(), minimum.height(), maximum.height()));
                }
                setGeometry(g);
            }
            return true;
        }
        if (type == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton) {
            d->drag = Drag::None;
            return true;
        }
        return type == QEvent::MouseButtonPress;
    }

    const QPoint logical = mouse->localPos().toPoint();
    Qt::Edges edges;
    if (!isMaximized() && !isFullScreen()) {
        // Strips are measured in physical pixels: they do not grow with the scale.
        const qreal ratio = devicePixelRatioF();
        const QRect windowPx(0, 0, qRound(width() * ratio), qRound(height() * ratio));
        const QPoint pointPx(int(std::floor(mouse->localPos().x() * ratio)),
                             int(std::floor(mouse->localPos().y() * ratio)));
        edges = hitTest(windowPx, pointPx, d->borderWidth, d->resizeable, minimumWidth() != maximumWidth(),
                        minimumHeight() != maximumHeight());
    }

    if (type == QEvent::MouseMove) {
        if (mouse->buttons() != Qt::NoButton)
            return false;
        updateEdgeCursor(edges, logical);
        // A strip is the window's, not its children's: they neither hover
        // nor set their cursors there.
        return bool(edges);
    }
    if (type != QEvent::MouseButtonPress || mouse->button() != Qt::LeftButton)
        return false;

    if (edges) {
        if (!d->window->startSystemResize(edges)) {
            d->drag = Drag::Resize;
            d->dragEdges = edges;
            d->dragStartGlobal = mouse->globalPos();
            d->dragStartGeometry = geometry();
        }
        return true;
    }
    if (isOnCaption(logical)) {
        if (!d->window->startSystemMove()) {
            d->drag = Drag::Move;
            d->dragStartGlobal = mouse->globalPos();
            d->dragStartGeometry = QRect(pos(), size());
        }
        return true;
    }
    return false;
}

void XFramelessWindow::resizeEvent(QResizeEvent *event)
{
    const QScreen *primary = QGuiApplication::primaryScreen();
    if (primary && primary->availableGeometry().contains(geometry().topLeft()))
        d->normalSize = size();
    QMainWindow::resizeEvent(event);
}

void XFramelessWindow::onScreenChanged(QScreen *screen)
{
    if (!screen)
        return;
    if (screen != QGuiApplication::primaryScreen()) {
        const QSize now = size();
        resize(now.width() - 1, now.height() - 1);
        resize(now);
    } else if (d->normalSize.isValid()) {
        // Without a size taken on the primary screen there is nothing to go
        // back to: resizing to an invalid size would shrink the window to
        // nothing. A copy, since the first resize stores its own size.
        const QSize normal = d->normalSize;
        resize(normal.width() - 1, normal.height());
        resize(normal);
    }
}
