#pragma once

#include <QScopedPointer>
#include <QWidget>

class QLabel;
class QProgressBar;
class XProgressBarPrivate;

// A slim blue progress bar with its percentage beside it ("45.0%").
class XProgressBar : public QWidget
{
    Q_OBJECT

public:
    explicit XProgressBar(QWidget *parent = nullptr);
    ~XProgressBar() override;

    void setRange(int minimum, int maximum);
    int maximum() const;
    int value() const;
    void reset();
    // Values above the maximum count as the maximum.
    void setValue(int value);
    void setLabelPointSize(int pointSize);
    void setLabelVisible(bool visible);
    QString labelText() const;

signals:
    void valueChanged(int value);

private:
    QScopedPointer<XProgressBarPrivate> d;
};
