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
    // Moves the box into host, a widget around the header, where assistive
    // tools can reach it (they see no widget inside an item view); it keeps
    // its place over section 0.
    void setCheckBoxHost(QWidget *host);
    void placeCheckBox();

signals:
    // The box's Qt::CheckState after each click or toggle by the user.
    void checkBoxClicked(int state);

protected:
    void updateGeometries() override;
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;

private:
    QCheckBox *m_checkBox = nullptr;
};
