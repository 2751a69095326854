#pragma once

#include <QScopedPointer>
#include <QWidget>

class MainInterfaceTitleFrmPrivate;

// The strip at the top of the main window: the logo, the title ("Quenrow
// (iOS)" alone or followed by " > " and the page's title) and the menu,
// minimise and close buttons, whose clicks become its signals. Dragging it
// with any button moves the window.
class MainInterfaceTitleFrm : public QWidget
{
    Q_OBJECT

public:
    explicit MainInterfaceTitleFrm(QWidget *parent = nullptr);
    ~MainInterfaceTitleFrm() override;

    void setTitleText(const QString &text);
    QString titleText() const;

signals:
    void signalButtonMinClicked();
    void signalButtonCloseClicked();
    void signalButtonMenu();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void setAccessibleTexts();

    QScopedPointer<MainInterfaceTitleFrmPrivate> d;
};
