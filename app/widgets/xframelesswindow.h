#pragma once

#include <QList>
#include <QMainWindow>
#include <QMargins>
#include <QScopedPointer>

class QScreen;
class XFramelessWindowPrivate;

// The base of the main window: a frameless, resizable top-level window that
// draws its own title bar. Strips along the edges resize it, the title bar
// set with setTitleBar() moves it; both go through the window manager, or
// follow the mouse themselves where there is none.
class XFramelessWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit XFramelessWindow(QWidget *parent = nullptr);
    ~XFramelessWindow() override;

    // The edges that a press at pointPx resizes: pure, all in physical pixels.
    // widthFree and heightFree say whether the minimum and maximum width
    // (height) differ. Each test may overwrite the one before: left, right,
    // bottom, top, then the corners.
    static Qt::Edges hitTest(const QRect &windowPx, const QPoint &pointPx, int border, bool resizeable,
                             bool widthFree, bool heightFree);

    // The caption that moves the window; not owned.
    void setTitleBar(QWidget *titleBar);
    QWidget *titleBar() const;
    // A child of the title bar that still moves the window when pressed.
    void addCaptionWidget(QWidget *widget);
    void setResizeable(bool resizeable);
    bool isResizeable() const;
    // In physical pixels, never below 1.
    void setResizeBorderWidth(int width);
    int resizeBorderWidth() const;

    // These hide QWidget's functions of the same names: the margins asked
    // for, kept apart from the frames added while maximised (none here).
    void setContentsMargins(const QMargins &margins);
    void setContentsMargins(int left, int top, int right, int bottom);
    QMargins contentsMargins() const;
    void getContentsMargins(int *left, int *top, int *right, int *bottom) const;
    QRect contentsRect() const;

public slots:
    void onTitleBarDestroyed();
    void showFullScreen();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    // Resizes the window once more on a screen change, so that its contents
    // are laid out again at the new screen's scale.
    void onScreenChanged(QScreen *screen);

private:
    void applyWindowStyles();
    void attachWindow();
    bool isOnCaption(const QPoint &logical) const;
    bool handleMouse(QEvent *event);
    void updateEdgeCursor(Qt::Edges edges, const QPoint &logical);

    QScopedPointer<XFramelessWindowPrivate> d;
};
