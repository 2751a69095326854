#pragma once

#include <QScopedPointer>
#include <QSize>
#include <QWidget>

class XDiyBtnPrivate;

// A card-like check button: a picture over a caption on a rounded card that
// grows while hovered and turns green once checked. Clicking checks it; only
// setChecked() unchecks it.
class XDiyBtn : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool checkable READ isCheckable CONSTANT)
    Q_PROPERTY(bool checked READ isChecked WRITE setChecked NOTIFY checkChanged)
    Q_PROPERTY(bool pressed READ isPressed)

public:
    explicit XDiyBtn(QWidget *parent = nullptr);
    ~XDiyBtn() override;

    // With a valid size the picture's box is fixed to it.
    void setImage(const QString &path, const QSize &size = QSize());
    // The caption, which is also the button's accessible name.
    void setText(const QString &text);
    QString text() const;
    using QWidget::setFont;
    void setFont(int pointSize, bool bold);

    void setChecked(bool checked);
    bool isChecked() const;
    bool isCheckable() const;
    bool isPressed() const;

    // What a left click does; assistive tools' Press calls it.
    Q_INVOKABLE void click();

signals:
    void clicked();
    void entered();
    void leaved();
    void checkChanged();

protected:
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void applyLook();

    QScopedPointer<XDiyBtnPrivate> d;
};
