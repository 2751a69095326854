#pragma once

#include <QDialog>
#include <QPoint>

class QHBoxLayout;
class QLabel;
class QPushButton;
class QVBoxLayout;

// What the About and update dialogs share: a frameless window holding the
// rounded frame "MakeAboutDialog" (painted by the application style sheet)
// with a title row and a close button, the logo row with the product name,
// and dragging from any place no control takes the press from. Esc rejects
// the dialog as any QDialog's.
class AboutFrameDialog : public QDialog
{
    Q_OBJECT

protected:
    AboutFrameDialog(const QSize &size, int frameBottomMargin, QWidget *parent);

    void setTitleText(const QString &title);
    // The body below the title row; the subclass gives it its margins.
    QVBoxLayout *bodyLayout() const;
    // The logo at 50 x 50, then "Quenrow (iOS)" in the given style.
    QHBoxLayout *makeLogoRow(const QString &nameStyle);

    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

    QPushButton *m_closeButton = nullptr;

private:
    void nameCloseButton();

    bool m_dragging = false;
    QPoint m_pressPosition;
    QLabel *m_titleLabel = nullptr;
    QVBoxLayout *m_bodyLayout = nullptr;
};
