#pragma once

#include "dbscanafccameraroll.h"

// The camera-roll videos of a connected device.
class CDBScanAFCVedio : public CDBScanAFCCameraRoll
{
public:
    CDBScanAFCVedio()
        : CDBScanAFCCameraRoll(DBAPP_VIDEO, "Vedio")
    {
    }
};
