#include "xlabel.h"

XLabel::XLabel(QWidget *parent)
    : QLabel(parent)
{
}

XLabel::XLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
}

void XLabel::setFont(int pointSize, bool bold)
{
    QFont f = font();
    f.setPointSize(pointSize);
    f.setWeight(bold ? QFont::Bold : QFont::Normal);
    QLabel::setFont(f);
}

void XLabel::setBold(bool bold)
{
    QFont f = font();
    f.setWeight(bold ? QFont::Bold : QFont::Normal);
    QLabel::setFont(f);
}

void XLabel::setPointSize(int pointSize)
{
    QFont f = font();
    f.setPointSize(pointSize);
    QLabel::setFont(f);
}

void XLabel::setTextColor(const QColor &color)
{
    QPalette p = palette();
    p.setBrush(QPalette::All, QPalette::WindowText, QBrush(color, Qt::SolidPattern));
    setPalette(p);
}
