#pragma once

#include <QScopedPointer>
#include <QWidget>

class RetryAfterDialogPrivate;

// A small translucent overlay that counts whole seconds down in large digits
// over the middle of its parent, then hides and emits sigRetryafte() once so
// that its owner can try again. A plain widget, not a dialog.
class RetryAfterDialog : public QWidget
{
    Q_OBJECT

public:
    explicit RetryAfterDialog(QWidget *parent = nullptr);
    ~RetryAfterDialog() override;

    // Counts down from seconds, centred in the parent (without a parent it
    // stays where it is). A second start restarts the count.
    void start(int seconds);
    // The next tick ends the countdown.
    void reset();
    int remaining() const;
    QString text() const;

signals:
    void sigRetryafte();

protected:
    void paintEvent(QPaintEvent *event) override;

private slots:
    void onTick();

private:
    QScopedPointer<RetryAfterDialogPrivate> d;
};
