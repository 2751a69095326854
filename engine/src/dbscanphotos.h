#pragma once

#include "dbscancameraroll.h"

// The camera-roll photos of a backup.
class CDBScanPhotos : public CDBScanCameraRoll
{
public:
    CDBScanPhotos()
        : CDBScanCameraRoll(DBAPP_PHOTOS)
    {
    }
};
