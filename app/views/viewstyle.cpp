#include "viewstyle.h"

namespace ViewStyle {

QString checkPictureSheet()
{
    return QStringLiteral("QCheckBox { spacing: 8px; }"
                          "QCheckBox::indicator { width: 20px; height: 20px; }"
                          "QCheckBox::indicator:unchecked { image: url(:/Images/check_no.png); }"
                          "QCheckBox::indicator:indeterminate { image: url(:/Images/check_partial.png); }"
                          "QCheckBox::indicator:checked { image: url(:/Images/check.png); }");
}

} // namespace ViewStyle
