#include "pathdoesnotexistdialog.h"

PathDoesNotExistDialog::PathDoesNotExistDialog(QWidget *parent)
    : PathNoticeDialog(QObject::tr("The file path does not exist, please change the path to export.<a style='color: "
                                   "#558AF8;'href = \"#\"><br><br>Change the data export path"), parent)
{
}
