#include "customtabbar.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPushButton>

namespace
{
    const QString kChosenStyle = QStringLiteral(
        "QPushButton{ background: transparent; border-radius: 0px;padding: 5px; border: 3px solid "
        "transparent;border-bottom-color: #558AF8;}");
    const QString kPlainStyle = QStringLiteral(
        "QPushButton{ background: transparent; border-radius: 0px;padding: 5px; border: 3px solid transparent;}");
}

CustomTabBar::CustomTabBar(QWidget *parent)
    : QWidget(parent)
{
    m_layout = new QHBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    m_group = new QButtonGroup(this);
    m_group->setExclusive(true);
    connect(m_group, &QButtonGroup::idClicked, this, &CustomTabBar::choose);

    QPalette palette = this->palette();
    palette.setBrush(QPalette::Window, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);
}

void CustomTabBar::addTab(const QString &normalIcon, const QString &selectedIcon, const QString &toolTip)
{
    const auto render = [this](const QString &path) {
        QPixmap pixmap(path);
        if (!pixmap.isNull() && pixmap.size() != m_iconSize)
            pixmap = pixmap.scaled(m_iconSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        return pixmap;
    };
    const int id = m_group->buttons().size();
    auto *button = new QPushButton(this);
    // Checkable, so that assistive tools tell which tab is chosen.
    button->setCheckable(true);
    button->setFocusPolicy(Qt::TabFocus);
    const QPair<QPixmap, QPixmap> icons(render(normalIcon), render(selectedIcon));
    button->setIcon(icons.first);
    button->setIconSize(m_iconSize);
    button->setToolTip(toolTip);
    button->setAccessibleName(toolTip.isEmpty() ? QObject::tr("Tab %1").arg(id + 1) : toolTip);
    button->setStyleSheet(kPlainStyle);
    m_group->addButton(button, id);
    m_layout->addWidget(button, 0, Qt::AlignCenter);
    m_icons.insert(button, icons);
}

void CustomTabBar::addTab(const QString &icon)
{
    addTab(icon, icon, QString());
}

int CustomTabBar::count() const
{
    return m_group->buttons().size();
}

int CustomTabBar::currentIndex() const
{
    return m_currentId;
}

void CustomTabBar::setCurrentIndex(int id)
{
    if (!m_group->button(id))
        return;
    choose(id);
}

void CustomTabBar::choose(int id)
{
    m_currentId = id;
    refreshTabs();
    emit currentChanged(id);
}

void CustomTabBar::refreshTabs()
{
    const auto buttons = m_group->buttons();
    for (QAbstractButton *button : buttons) {
        const bool chosen = m_currentId >= 0 && button == m_group->button(m_currentId);
        const QPair<QPixmap, QPixmap> icons = m_icons.value(button);
        button->setIcon(chosen ? icons.second : icons.first);
        button->setStyleSheet(chosen ? kChosenStyle : kPlainStyle);
        if (chosen)
            button->setChecked(true);
    }
}
