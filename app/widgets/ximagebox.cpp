#include "ximagebox.h"

#include <QImageReader>
#include <QPainter>
#include <QPainterPath>

class XImageBoxPrivate
{
public:
    QImageReader reader;
    QPixmap image;
    bool stretch = false;
    double borderWidth = 0.0;
    QColor borderColor = Qt::black;
    bool round = false;
};

XImageBox::XImageBox(QWidget *parent)
    : QWidget(parent)
    , d(new XImageBoxPrivate)
{
    d->reader.setDecideFormatFromContent(true);
}

XImageBox::~XImageBox() = default;

void XImageBox::setImage(const QString &path, bool stretch)
{
    d->reader.setFileName(path);
    if (!d->reader.canRead())
        return;
    // The size comes from the header alone; a picture too large to decode on
    // the GUI thread is treated like an unreadable one.
    const QSize own = d->reader.size();
    if (own.isValid() && qint64(own.width()) * own.height() > MaximumPixels)
        return;
    d->stretch = stretch;
    d->reader.setScaledSize(stretch && !size().isEmpty() ? size() : QSize());
    const QImage read = d->reader.read();
    if (!read.isNull())
        d->image = QPixmap::fromImage(read);
    update();
}

void XImageBox::setPixmap(const QPixmap &pixmap)
{
    d->image = pixmap;
    update();
}

QPixmap XImageBox::pixmap() const
{
    return d->image;
}

void XImageBox::setRound(bool round)
{
    d->round = round;
    update();
}

void XImageBox::setStretch(bool stretch)
{
    d->stretch = stretch;
    update();
}

bool XImageBox::isStretch() const
{
    return d->stretch;
}

void XImageBox::setBorder(double width, const QColor &color)
{
    d->borderWidth = width;
    d->borderColor = color;
    update();
}

void XImageBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    if (!d->image.isNull()) {
        if (d->round) {
            QPainterPath clip;
            clip.addEllipse(QRectF(rect()));
            painter.setClipPath(clip);
            painter.drawPixmap(rect(), d->image);
            painter.setClipping(false);
        } else if (d->stretch) {
            if (d->image.size() != size())
                painter.drawPixmap(rect(), d->image);
            else
                painter.drawPixmap(0, 0, d->image);
        } else {
            painter.drawPixmap((width() - d->image.width()) / 2, (height() - d->image.height()) / 2, d->image);
        }
    }
    if (d->borderWidth > 0) {
        const int w = int(d->borderWidth);
        painter.setPen(QPen(d->borderColor, d->borderWidth, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(w, w, width() - 2 * w, height() - 2 * w);
    }
}
