#pragma once

#include <QPixmap>
#include <QScopedPointer>
#include <QWidget>

class XBusyIndicatorPrivate;

// A picture that turns while something is under way. Hidden until started.
class XBusyIndicator : public QWidget
{
    Q_OBJECT

public:
    static constexpr int DefaultInterval = 20;
    static constexpr int Step = 20;

    explicit XBusyIndicator(QWidget *parent = nullptr);
    ~XBusyIndicator() override;

    // With scaleToFit the picture follows the indicator's size.
    void setImage(const QString &path, bool scaleToFit = false);
    QPixmap image() const;
    // Turns every interval ms (-1: the default), showing and raising a hidden
    // indicator.
    void start(int interval = -1);
    void stop();
    bool isRunning() const;
    int angle() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void advance();
    void fitImage();

    QScopedPointer<XBusyIndicatorPrivate> d;
};
