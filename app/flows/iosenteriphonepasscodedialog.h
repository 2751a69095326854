#pragma once

#include "fdialog.h"

// Shown while the phone waits for its passcode during a backup. The user's
// close ends it with 255 (the flow then stops the backup); the flow ends it
// with 254 once the phone goes on.
class IOSEnterIphonePasscodeDialog : public FDialog
{
    Q_OBJECT

public:
    explicit IOSEnterIphonePasscodeDialog(QWidget *parent = nullptr);
};
