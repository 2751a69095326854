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
    connect(m_checkBox, &QCheckBox::clicked, this, [this] { emit checkBoxClicked(m_checkBox->checkState()); });
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

void CheckableHeaderView::placeCheckBox()
{
    const int x = sectionViewportPosition(0) + (sectionSize(0) - BoxSize) / 2;
    const int y = (height() - BoxSize) / 2;
    m_checkBox->move(x, y);
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
