#pragma once

#include "pathnoticedialog.h"

// Tells that the export folder cannot be read and written. exec(): 1 OK, 0
// the link "Change the data export path", 255 the close button.
class PathInvalidDialog : public PathNoticeDialog
{
    Q_OBJECT

public:
    explicit PathInvalidDialog(QWidget *parent = nullptr);
};
