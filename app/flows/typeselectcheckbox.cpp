#include "typeselectcheckbox.h"

TypeSelectCheckBox::TypeSelectCheckBox(QWidget *parent)
    : QCheckBox(parent)
{
}
