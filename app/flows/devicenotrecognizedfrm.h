#pragma once

#include "fdialog.h"

// The help shown when a connected phone is not recognised.
class DeviceNotrecognizedFrm : public FDialog
{
    Q_OBJECT

public:
    explicit DeviceNotrecognizedFrm(QWidget *parent = nullptr);
};
