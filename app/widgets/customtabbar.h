#pragma once

#include <QMap>
#include <QPair>
#include <QPixmap>
#include <QSize>
#include <QWidget>

class QAbstractButton;
class QButtonGroup;
class QHBoxLayout;

// A row of icon tabs: each tab shows its normal picture, the chosen one its
// selected picture over a blue underline. Tab ids count from 0 in the order
// of addTab; none is chosen (-1) until a click or setCurrentIndex.
class CustomTabBar : public QWidget
{
    Q_OBJECT

public:
    explicit CustomTabBar(QWidget *parent = nullptr);

    // The tool tip is also the tab's accessible name.
    void addTab(const QString &normalIcon, const QString &selectedIcon, const QString &toolTip);
    void addTab(const QString &icon);
    int count() const;
    int currentIndex() const;
    // Chooses the tab and emits currentChanged, also when it is the current
    // one already. An id without a tab changes nothing.
    void setCurrentIndex(int id);
    // Re-applies pictures and looks without a signal.
    void refreshTabs();

signals:
    void currentChanged(int id);

private:
    void choose(int id);

    QHBoxLayout *m_layout = nullptr;
    QButtonGroup *m_group = nullptr;
    QMap<QAbstractButton *, QPair<QPixmap, QPixmap>> m_icons;
    QSize m_iconSize = QSize(30, 30);
    int m_currentId = -1;
};
