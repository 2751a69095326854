#pragma once

#include <QDialog>
#include <QPoint>

class CloseButton;
class QLabel;

// The base of the small modal dialogs with their own title bar: a white
// rounded panel ("shadowWidget") with a soft shadow on a transparent window,
// a 38-pixel title bar with a close button, and an empty content widget that
// a subclass gives its own layout. The whole dialog drags with the mouse;
// keys do not close it (no Esc, no default button). The close button ends
// it with 255. 500 x 263 unless the subclass sets another fixed size.
class FDialog : public QDialog
{
    Q_OBJECT

public:
    static constexpr int ClosedByTitleBar = 255;

    explicit FDialog(QWidget *parent = nullptr);
    ~FDialog() override;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

    bool m_dragging = false;
    QPoint m_pressPosition;
    QLabel *m_titleLabel = nullptr;
    CloseButton *m_closeButton = nullptr;
    QWidget *m_contentWidget = nullptr;
    QWidget *m_shadowWidget = nullptr;

private:
    void applyShadow(bool active);
};
