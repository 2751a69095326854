#include "checkableheaderview.h"

#include "viewstyle.h"

#include <QCheckBox>
#include <QPainter>

CheckableHeaderView::CheckableHeaderView(Qt::Orientation orientation, QWidget *parent)
    : QHeaderView(orientation, parent)
    , m_checkBox(new QCheckBox(this))
{
    m_checkBox->setObjectName(QStringLiteral("HeaderCheckBox"));
    m_checkBox->setTristate(true);
    m_checkBox->setFixedSize(BoxSize, BoxSize);
    m_checkBox->setAccessibleName(tr("Check all rows"));
    // The same pictures as the rows' boxes, centred in the box.
    m_checkBox->setStyleSheet(ViewStyle::checkPictureSheet() + QStringLiteral("QCheckBox { padding-left: 2px; }"));
    m_checkBox->show();
    // A click, or a toggle from an assistive tool; the owner sets the state
    // itself with the box's signals blocked.
    connect(m_checkBox, &QCheckBox::stateChanged, this, &CheckableHeaderView::checkBoxClicked);
    connect(this, &QHeaderView::sectionResized, this, &CheckableHeaderView::placeCheckBox);
    connect(this, &QHeaderView::sectionMoved, this, &CheckableHeaderView::placeCheckBox);
}

QCheckBox *CheckableHeaderView::checkBox() const
{
    return m_checkBox;
}

void CheckableHeaderView::updateGeometries()
{
    QHeaderView::updateGeometries();
    placeCheckBox();
}

void CheckableHeaderView::setCheckBoxHost(QWidget *host)
{
    if (!host || (host != this && !host->isAncestorOf(this)) || m_checkBox->parentWidget() == host)
        return;
    const bool shown = !m_checkBox->isHidden();
    m_checkBox->setParent(host);
    m_checkBox->setVisible(shown);
    placeCheckBox();
}

void CheckableHeaderView::placeCheckBox()
{
    const QPoint at(sectionViewportPosition(0) + (sectionSize(0) - BoxSize) / 2, (height() - BoxSize) / 2);
    QWidget *host = m_checkBox->parentWidget();
    m_checkBox->move(host == this ? at : mapTo(host, at));
    m_checkBox->raise();
}

void CheckableHeaderView::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const
{
    painter->save();
    QHeaderView::paintSection(painter, rect, logicalIndex);
    painter->restore();
    if (logicalIndex == 0 || logicalIndex == count() - 1)
        return;
    painter->save();
    painter->setPen(QColor(193, 193, 193));
    const int x = rect.x() + rect.width() - 10;
    painter->drawLine(QPoint(x, rect.y() + 10), QPoint(x, rect.y() + rect.height() - 10));
    painter->restore();
}
