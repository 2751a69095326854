#pragma once

#include <QString>

class QAbstractItemDelegate;
class QAbstractItemModel;
class QAbstractItemView;
class QColor;
class QListView;
class QScrollArea;
class QWidget;

namespace ViewStyle {

// A style sheet that draws a QCheckBox's indicator with the views' own check
// pictures (20 x 20): unchecked, partly checked and checked.
QString checkPictureSheet();

// Fills the widget's background with colour (its window colour in every
// colour group).
void fillWindow(QWidget *widget, const QColor &colour);

// Gives the list the fixed size width x the sum of its rows' size hints, so
// the scroll area around it scrolls, not the list.
void fitListToRows(QAbstractItemView *list, int width);

// A list of a detail pane: not editable, no frame, scrolled per item, its
// look chosen by style ("lightgray", "transparent"); no size of its own
// until fitListToRows. It is the widget of a frameless scroll area (its
// parent's child) that scrolls it.
QListView *detailList(QAbstractItemModel *model, QAbstractItemDelegate *delegate, const QString &style,
                      QWidget *parent, QScrollArea **scroll);

} // namespace ViewStyle
