#pragma once

#include "dbscancameraroll.h"

// The camera-roll videos of a backup.
class CDBScanVideo : public CDBScanCameraRoll
{
public:
    CDBScanVideo()
        : CDBScanCameraRoll(DBAPP_VIDEO)
    {
    }
};
