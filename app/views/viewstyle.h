#pragma once

#include <QString>

namespace ViewStyle {

// A style sheet that draws a QCheckBox's indicator with the views' own check
// pictures (20 x 20): unchecked, partly checked and checked.
QString checkPictureSheet();

} // namespace ViewStyle
