#pragma once

#include <QString>

class QAbstractItemView;
class QColor;
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

// The style sheet of the scroll areas around the detail lists.
QString detailScrollSheet();

} // namespace ViewStyle
