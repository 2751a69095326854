#pragma once

#include <QColor>
#include <QPixmap>
#include <QScopedPointer>
#include <QWidget>

class XImageBoxPrivate;

// A painted picture: centred at its own size, stretched over the box, or
// clipped to a circle, with an optional square outline.
class XImageBox : public QWidget
{
    Q_OBJECT

public:
    // Larger pictures count as unreadable: a box never decodes one whole.
    static constexpr qint64 MaximumPixels = 64LL * 1000 * 1000;

    explicit XImageBox(QWidget *parent = nullptr);
    ~XImageBox() override;

    // The content decides the format. A path that cannot be read keeps the
    // previous image and stretch flag; with stretch the picture is read at
    // the box's size.
    void setImage(const QString &path, bool stretch = false);
    void setPixmap(const QPixmap &pixmap);
    QPixmap pixmap() const;
    void setRound(bool round);
    void setStretch(bool stretch);
    bool isStretch() const;
    void setBorder(double width, const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QScopedPointer<XImageBoxPrivate> d;
};
