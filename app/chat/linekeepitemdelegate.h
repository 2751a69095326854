#pragma once

#include <QList>
#include <QPixmap>
#include <QString>
#include <QStyledItemDelegate>

// One row of the LINE Keep selector: its English name (translated when
// painted) and its type.
struct LineKeepTypeEntry
{
    QString name;
    int type = 0;
};
Q_DECLARE_METATYPE(LineKeepTypeEntry)

namespace VxLineKepp {

// Paints a Keep selector row: its round icon and its name in the language
// now loaded, on a light fill when current or hovered.
class ItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    static constexpr int RowHeight = 48;

    explicit ItemDelegate(QObject *parent = nullptr);

    int currentRow() const;
    void setCurrentRow(int row);
    void appendPixmap(const QPixmap &pixmap);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    int m_currentRow = 0;
    QList<QPixmap> m_pixmaps;
};

} // namespace VxLineKepp
