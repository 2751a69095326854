#pragma once

#include <QHeaderView>

class QCheckBox;

// The header of the checkable tables: a tri-state box centred over section 0
// that checks or unchecks all rows, and thin separators between the other
// sections.
class CheckableHeaderView : public QHeaderView
{
    Q_OBJECT

public:
    static constexpr int BoxSize = 24;

    explicit CheckableHeaderView(Qt::Orientation orientation, QWidget *parent = nullptr);

    QCheckBox *checkBox() const;

signals:
    // The box's Qt::CheckState after each click.
    void checkBoxClicked(int state);

protected:
    void updateGeometries() override;
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;

private:
    void placeCheckBox();

    QCheckBox *m_checkBox = nullptr;
};
