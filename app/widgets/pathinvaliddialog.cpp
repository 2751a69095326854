#include "pathinvaliddialog.h"

PathInvalidDialog::PathInvalidDialog(QWidget *parent)
    : PathNoticeDialog(QObject::tr("The path you chose does not have read and write permissions, please change the "
                                   "file export path.<a style='color: #558AF8;'href = \"#\"><br><br>Change the data export path"),
                       parent)
{
}
