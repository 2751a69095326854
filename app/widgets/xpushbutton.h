#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QGradient>
#include <QList>
#include <QScopedPointer>

class XPushButtonPrivate;

// The kit's self-painted button. Colour lists are indexed 0 normal, 1 hover,
// 2 pressed, 3 disabled. Paint modes: 0 colours, 1 one image, 2 normal and
// hover images, 3 with a pressed image, 4 with a disabled image, 5 an icon
// beside the text, 6 gradients. Setting images chooses modes 1 to 5 by itself.
class XPushButton : public QAbstractButton
{
    Q_OBJECT

public:
    enum PaintMode
    {
        ColorMode = 0,
        ImageMode = 1,
        HoverImageMode = 2,
        PressedImageMode = 3,
        DisabledImageMode = 4,
        IconMode = 5,
        GradientMode = 6
    };
    // setTextAlignment(BottomBand) puts the text in a band at the bottom.
    static constexpr int BottomBand = Qt::AlignBottom;

    explicit XPushButton(QWidget *parent = nullptr);
    ~XPushButton() override;

    void setPaintMode(int mode);
    int paintMode() const;

    // One to four colours replace the first entries; five or more replace
    // the list with their first four. Setting the background colours sets
    // the border colours to them as well.
    void setBackgroundColors(const QList<QColor> &colors);
    void setBorderColors(const QList<QColor> &colors);
    void setTextColors(const QList<QColor> &colors);
    void setAllBackgroundColor(const QColor &color);
    void setAllBorderColor(const QColor &color);
    void setAllTextColor(const QColor &color);
    QList<QColor> backgroundColors() const;
    QList<QColor> borderColors() const;
    QList<QColor> textColors() const;

    void setRadius(double radius);
    void setBorderWidth(double width);
    void setFontPixelSize(int pixelSize);
    void setFontPointSize(int pointSize);
    void setBold(bool bold);
    void setTextAlignment(int alignment);
    void setHighlighted(bool highlighted);
    // Also widens the button when the text would leave less than 20 pixels.
    void setText(const QString &text);

    void setImage(const QString &normal);
    void setImages(const QString &normal, const QString &hover, bool fillBehind);
    void setImages(const QString &normal, const QString &hover, const QString &pressed);
    // A literal third path must not turn into the bool of the form above.
    void setImages(const QString &normal, const QString &hover, const char *pressed)
    {
        setImages(normal, hover, QString::fromUtf8(pressed));
    }
    void setImages(const QString &normal, const QString &hover, const QString &pressed, const QString &disabled);
    // The icon of mode 5, scaled to size (20 x 20 when invalid), drawn at
    // margin from the left with the text to its right.
    void setIcon(const QString &path, const QSize &size = QSize(), int position = 1, int margin = 0);
    void scaleImages(const QSize &size, bool stretch);

    // One gradient serves all four states; two: normal, then the rest;
    // three: normal, hover and pressed, disabled; four or more replace the
    // list. Mode 6 paints with them once four are stored.
    void setGradients(const QList<QGradient> &gradients);
    void setGradientInnerFill(bool fill);

    // 0 released (and not hovered), 1 hovered, 2 pressed.
    void setState(int state);

protected:
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QScopedPointer<XPushButtonPrivate> d;
};
