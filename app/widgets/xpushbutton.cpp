#include "xpushbutton.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPixmap>

#include <memory>

namespace
{
    // One to four colours replace the first entries; five or more become the
    // list's first four.
    void mergeColors(QList<QColor> &stored, const QList<QColor> &colors)
    {
        if (colors.size() > 4) {
            stored = colors.mid(0, 4);
            return;
        }
        for (int i = 0; i < colors.size(); ++i) {
            if (i < stored.size())
                stored[i] = colors.at(i);
            else
                stored.append(colors.at(i));
        }
    }

    void loadInto(std::unique_ptr<QPixmap> &image, const QString &path)
    {
        if (!image)
            image = std::make_unique<QPixmap>();
        image->load(path);
    }

    bool usable(const std::unique_ptr<QPixmap> &image)
    {
        return image && !image->isNull();
    }
}

class XPushButtonPrivate
{
public:
    explicit XPushButtonPrivate(XPushButton *button)
        : q(button)
    {
    }

    // Modes 0 and 5: disabled 3; checked 1; down 2; hovered 1; else 0.
    int stateIndex() const
    {
        if (!q->isEnabled())
            return 3;
        if (q->isCheckable() && q->isChecked())
            return 1;
        if (q->isDown())
            return 2;
        if (hovered || highlighted)
            return 1;
        return 0;
    }

    // Mode 6: disabled 3; checked or down 2; hovered 1; else 0.
    int gradientIndex() const
    {
        if (!q->isEnabled())
            return 3;
        if ((q->isCheckable() && q->isChecked()) || q->isDown())
            return 2;
        if (hovered || highlighted)
            return 1;
        return 0;
    }

    int textIndex() const
    {
        if (!q->isEnabled())
            return 3;
        if (q->isCheckable() && q->isChecked())
            return 1;
        if (q->isDown())
            return 2;
        if (hovered || highlighted)
            return 1;
        return 0;
    }

    QRectF bodyRect() const
    {
        return QRectF(q->rect()).adjusted(1, 1, -1, -1);
    }

    void paintColors(QPainter &painter) const
    {
        const int index = stateIndex();
        // A width of 0 would be Qt's one-pixel cosmetic pen: no border at all.
        if (borderWidth > 0)
            painter.setPen(QPen(borderColors.value(index), borderWidth, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
        else
            painter.setPen(Qt::NoPen);
        painter.setBrush(backgroundColors.value(index));
        painter.drawRoundedRect(bodyRect(), radius, radius);
    }

    void fillBehindImage(QPainter &painter) const
    {
        int index = -1;
        if (q->isCheckable() && q->isChecked())
            index = 1;
        else if (q->isDown())
            index = 2;
        else if (hovered || highlighted)
            index = 1;
        if (index >= 0)
            painter.fillRect(q->rect(), backgroundColors.value(index));
    }

    void drawImage(QPainter &painter, const std::unique_ptr<QPixmap> &image) const
    {
        if (!image || image->isNull())
            return;
        if (stretch) {
            painter.drawPixmap(q->rect(), *image);
            return;
        }
        const int x = (q->width() - image->width()) / 2;
        const int y = textPlacement == XPushButton::BottomBand ? (q->height() - bandHeight) / 2 - 10
                                                               : (q->height() - image->height()) / 2;
        painter.drawPixmap(x, y, *image);
    }

    void paintHoverImages(QPainter &painter) const
    {
        if (fillBehind)
            fillBehindImage(painter);
        if ((hovered || highlighted) && usable(hoverImage))
            drawImage(painter, hoverImage);
        else
            drawImage(painter, normalImage);
    }

    void paintPressedImages(QPainter &painter) const
    {
        if (q->isDown())
            drawImage(painter, pressedImage);
        else
            paintHoverImages(painter);
    }

    void paintGradients(QPainter &painter) const
    {
        const int index = gradientIndex();
        painter.setPen(Qt::NoPen);
        painter.setBrush(QBrush(gradients.at(index)));
        painter.drawRoundedRect(bodyRect(), radius, radius);
        if (innerFill) {
            const int inset = int(borderWidth);
            painter.setBrush(backgroundColors.value(index));
            painter.drawRoundedRect(bodyRect().adjusted(inset, inset, -inset, -inset), radius, radius);
        }
    }

    void paintText(QPainter &painter, int mode) const
    {
        const QString text = q->text();
        if (text.isEmpty())
            return;
        painter.setPen(textColors.value(textIndex()));
        painter.setFont(q->font());
        QRect area;
        if (mode == XPushButton::IconMode) {
            const int iconWidth = icon.isNull() ? 0 : icon.width();
            area = QRect(iconMargin + iconWidth + iconSpacing, 0,
                         q->width() - 2 * iconMargin - iconSpacing - iconWidth, q->height());
        } else if (textPlacement == XPushButton::BottomBand) {
            area = QRect(0, q->height() - bandHeight, q->width(), bandHeight);
        } else {
            area = q->rect().adjusted(0, 0, -1, -1);
        }
        painter.drawText(area, Qt::AlignCenter, text);
    }

    XPushButton *q;
    int mode = XPushButton::ColorMode;
    std::unique_ptr<QPixmap> normalImage;
    std::unique_ptr<QPixmap> hoverImage;
    std::unique_ptr<QPixmap> pressedImage;
    std::unique_ptr<QPixmap> disabledImage;
    QPixmap icon;
    QList<QColor> backgroundColors {QColor(255, 255, 255), QColor(204, 204, 204), QColor(170, 170, 170),
                                    QColor(216, 216, 216)};
    QList<QColor> textColors {QColor(0, 0, 0), QColor(0, 0, 0), QColor(0, 0, 0), QColor(255, 255, 255)};
    QList<QColor> borderColors {QColor(198, 198, 198), QColor(198, 198, 198), QColor(198, 198, 198),
                                QColor(232, 232, 232)};
    bool stretch = false;
    bool hovered = false;
    int textPlacement = Qt::AlignCenter;
    int bandHeight = 30;
    double borderWidth = 1.0;
    double radius = 0.0;
    bool fillBehind = false;
    bool highlighted = false;
    int iconPosition = 1;
    int iconMargin = 12;
    int iconSpacing = 9;
    QList<QGradient> gradients;
    bool innerFill = false;
};

XPushButton::XPushButton(QWidget *parent)
    : QAbstractButton(parent)
    , d(new XPushButtonPrivate(this))
{
    setMinimumSize(20, 20);
}

XPushButton::~XPushButton() = default;

void XPushButton::setPaintMode(int mode)
{
    d->mode = mode;
    update();
}

int XPushButton::paintMode() const
{
    return d->mode;
}

void XPushButton::setBackgroundColors(const QList<QColor> &colors)
{
    mergeColors(d->backgroundColors, colors);
    d->borderColors = d->backgroundColors;
    update();
}

void XPushButton::setBorderColors(const QList<QColor> &colors)
{
    mergeColors(d->borderColors, colors);
    update();
}

void XPushButton::setTextColors(const QList<QColor> &colors)
{
    mergeColors(d->textColors, colors);
    update();
}

void XPushButton::setAllBackgroundColor(const QColor &color)
{
    for (QColor &entry : d->backgroundColors)
        entry = color;
    update();
}

void XPushButton::setAllBorderColor(const QColor &color)
{
    for (QColor &entry : d->borderColors)
        entry = color;
    update();
}

void XPushButton::setAllTextColor(const QColor &color)
{
    for (QColor &entry : d->textColors)
        entry = color;
    update();
}

QList<QColor> XPushButton::backgroundColors() const
{
    return d->backgroundColors;
}

QList<QColor> XPushButton::borderColors() const
{
    return d->borderColors;
}

QList<QColor> XPushButton::textColors() const
{
    return d->textColors;
}

void XPushButton::setRadius(double radius)
{
    d->radius = radius;
    update();
}

void XPushButton::setBorderWidth(double width)
{
    d->borderWidth = width;
    update();
}

void XPushButton::setFontPixelSize(int pixelSize)
{
    QFont f = font();
    f.setPixelSize(pixelSize);
    setFont(f);
    update();
}

void XPushButton::setFontPointSize(int pointSize)
{
    QFont f = font();
    f.setPointSize(pointSize);
    setFont(f);
    update();
}

void XPushButton::setBold(bool bold)
{
    QFont f = font();
    f.setWeight(bold ? QFont::Bold : QFont::Normal);
    setFont(f);
    update();
}

void XPushButton::setTextAlignment(int alignment)
{
    d->textPlacement = alignment;
    update();
}

void XPushButton::setHighlighted(bool highlighted)
{
    d->highlighted = highlighted;
    update();
}

void XPushButton::setText(const QString &text)
{
    QAbstractButton::setText(text);
    const int textWidth = QFontMetrics(font()).horizontalAdvance(text);
    if (textWidth + 20 > width())
        setMinimumWidth(textWidth + 20);
    update();
}

void XPushButton::setImage(const QString &normal)
{
    loadInto(d->normalImage, normal);
    d->mode = ImageMode;
    update();
}

void XPushButton::setImages(const QString &normal, const QString &hover, bool fillBehind)
{
    loadInto(d->normalImage, normal);
    loadInto(d->hoverImage, hover);
    d->fillBehind = fillBehind;
    d->mode = HoverImageMode;
    update();
}

void XPushButton::setImages(const QString &normal, const QString &hover, const QString &pressed)
{
    setImages(normal, hover, false);
    loadInto(d->pressedImage, pressed);
    d->mode = PressedImageMode;
    update();
}

void XPushButton::setImages(const QString &normal, const QString &hover, const QString &pressed,
                            const QString &disabled)
{
    setImages(normal, hover, false);
    loadInto(d->pressedImage, pressed);
    loadInto(d->disabledImage, disabled);
    d->mode = DisabledImageMode;
    update();
}

void XPushButton::setIcon(const QString &path, const QSize &size, int position, int margin)
{
    const QSize wanted = size.isValid() ? size : QSize(20, 20);
    QPixmap icon(path);
    if (!icon.isNull() && icon.size() != wanted)
        icon = icon.scaled(wanted, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    d->icon = icon;
    d->iconPosition = position;
    if (margin > 0)
        d->iconMargin = margin;
    d->mode = IconMode;
    update();
}

void XPushButton::scaleImages(const QSize &size, bool stretch)
{
    for (std::unique_ptr<QPixmap> *image : {&d->normalImage, &d->hoverImage, &d->pressedImage, &d->disabledImage}) {
        if (usable(*image))
            **image = (*image)->scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    d->stretch = stretch;
    update();
}

void XPushButton::setGradients(const QList<QGradient> &gradients)
{
    switch (gradients.size()) {
    case 0:
        break;
    case 1:
        d->gradients << gradients.at(0) << gradients.at(0) << gradients.at(0) << gradients.at(0);
        break;
    case 2:
        d->gradients << gradients.at(0) << gradients.at(1) << gradients.at(1) << gradients.at(1);
        break;
    case 3:
        d->gradients << gradients.at(0) << gradients.at(1) << gradients.at(1) << gradients.at(2);
        break;
    default:
        d->gradients = gradients;
        break;
    }
    update();
}

void XPushButton::setGradientInnerFill(bool fill)
{
    d->innerFill = fill;
    update();
}

void XPushButton::setState(int state)
{
    switch (state) {
    case 0:
        setDown(false);
        d->hovered = false;
        break;
    case 1:
        d->hovered = true;
        break;
    case 2:
        setDown(true);
        break;
    default:
        break;
    }
    update();
}

void XPushButton::enterEvent(QEvent *event)
{
    d->hovered = true;
    update();
    QAbstractButton::enterEvent(event);
}

void XPushButton::leaveEvent(QEvent *event)
{
    d->hovered = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void XPushButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    int mode = d->mode;
    // Gradients are read by state index: with fewer than four there is
    // nothing sound to paint, so the colours stand in.
    if (mode == GradientMode && d->gradients.size() < 4)
        mode = ColorMode;
    if (mode != ColorMode && mode != GradientMode)
        painter.setRenderHint(QPainter::SmoothPixmapTransform);

    switch (mode) {
    case ImageMode:
        d->fillBehindImage(painter);
        d->drawImage(painter, d->normalImage);
        break;
    case HoverImageMode:
        d->paintHoverImages(painter);
        break;
    case PressedImageMode:
        d->paintPressedImages(painter);
        break;
    case DisabledImageMode:
        if (!isEnabled()) {
            d->drawImage(painter, d->disabledImage);
        } else {
            d->paintPressedImages(painter);
        }
        break;
    case IconMode:
        d->paintColors(painter);
        if (!d->icon.isNull())
            painter.drawPixmap(d->iconMargin, (height() - d->icon.height()) / 2, d->icon);
        break;
    case GradientMode:
        d->paintGradients(painter);
        break;
    case ColorMode:
    default:
        d->paintColors(painter);
        break;
    }
    d->paintText(painter, mode);
}
