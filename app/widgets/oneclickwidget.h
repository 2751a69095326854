#pragma once

#include <QPixmap>
#include <QScopedPointer>
#include <QSize>
#include <QWidget>

class OneClickWidgetPrivate;

// A large clickable card of the home page: a picture, a bold title and a
// description in a rounded frame that turns blue while the mouse is over
// it. A left press and release on the card emits clicked(). Assistive tools
// see a button named by the title, described by the description.
//
// Layout kinds: 0 tall (picture low in the card), 2 compact, any other a row
// with the picture at the left.
class OneClickWidget : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool pressed READ isPressed)

public:
    explicit OneClickWidget(int layoutKind = 0, QWidget *parent = nullptr);
    ~OneClickWidget() override;

    // A valid size fixes the picture's box to it.
    void setIcon(const QPixmap &pixmap, const QSize &size = QSize());
    void setIconPath(const QString &path, const QSize &size = QSize(), bool stretch = false);
    void setTitle(const QString &title);
    QString title() const;
    void setDescription(const QString &description);
    QString description() const;
    void setTitleFont(int pointSize, bool bold);
    void setRoundImage(bool round);
    void setImageStretched(bool stretched);
    // Margins of the frame: 36 left, right and bottom, top as given.
    void setTopMargin(int top);

    int layoutKind() const;
    bool isHovered() const;
    bool isPressed() const;

    // What a left click does, when enabled; assistive tools' Press calls it.
    Q_INVOKABLE void click();

signals:
    void clicked();
    void entered();
    void leaved();

protected:
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void applyLook();

    QScopedPointer<OneClickWidgetPrivate> d;
};
