#pragma once

#include "dbscanafccameraroll.h"

// The camera-roll photos of a connected device.
class CDBScanAFCPhotos : public CDBScanAFCCameraRoll
{
public:
    CDBScanAFCPhotos()
        : CDBScanAFCCameraRoll(DBAPP_PHOTOS, "Photo")
    {
    }
};
