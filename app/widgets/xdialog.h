#pragma once

#include <QColor>
#include <QDialog>
#include <QScopedPointer>

class XDialogPrivate;

// The frameless dialog base of the X family: a rounded panel ("shadowWidget")
// with a soft drop shadow on a transparent window, a 30-pixel title bar (icon,
// title, close button) and a content widget for subclasses. The dialog is
// dragged from any place that no child takes the press from.
class XDialog : public QDialog
{
    Q_OBJECT

public:
    explicit XDialog(QWidget *parent = nullptr);
    ~XDialog() override;

    QWidget *contentWidget() const;
    // The title bar's text; the window title too, "Quenrow (iOS)" when empty.
    void setTitle(const QString &title);
    QString title() const;
    // Shows the picture at path unscaled, centred in a 25 x 25 box; an empty
    // path or a missing file hides the icon.
    void setTitleIcon(const QString &path);
    void setTitleBarVisible(bool visible);
    void setBackgroundColor(const QColor &color);
    // The radius is kept when -1 or less, the colour when invalid.
    void setBorder(double width, const QColor &color, int radius);
    // Applied at once.
    void setActiveShadowColor(const QColor &color);
    // Applied at the next deactivation.
    void setInactiveShadowColor(const QColor &color);
    // With tracking on, the shadow darkens and lightens with activation.
    void setTrackActivation(bool track);

signals:
    void ncActive(bool active);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void applyShadow(const QColor &color);
    void nameCloseButton();
    void applyStyleSheet();

    QScopedPointer<XDialogPrivate> d;
};
