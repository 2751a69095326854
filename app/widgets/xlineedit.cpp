#include "xlineedit.h"

XLineEdit::XLineEdit(QWidget *parent)
    : QLineEdit(parent)
{
    setStyleSheet(QStringLiteral("QLineEdit {border: 1px solid #D7D7D7}"));
}
