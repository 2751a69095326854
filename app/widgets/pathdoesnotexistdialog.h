#pragma once

#include "pathnoticedialog.h"

// Tells that the export folder does not exist. exec(): 1 OK, 0 the link
// "Change the data export path", 255 the close button.
class PathDoesNotExistDialog : public PathNoticeDialog
{
    Q_OBJECT

public:
    explicit PathDoesNotExistDialog(QWidget *parent = nullptr);
};
