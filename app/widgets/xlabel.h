#pragma once

#include <QLabel>

// A label with short setters for its font and text colour.
class XLabel : public QLabel
{
    Q_OBJECT

public:
    explicit XLabel(QWidget *parent = nullptr);
    explicit XLabel(const QString &text, QWidget *parent = nullptr);

    using QLabel::setFont;
    void setFont(int pointSize, bool bold);
    void setBold(bool bold);
    void setPointSize(int pointSize);
    void setTextColor(const QColor &color);
};
