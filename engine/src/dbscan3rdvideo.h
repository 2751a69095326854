#pragma once

#include "dbscanappfiles.h"

// The video files of other apps, picked from Manifest.db by extension.
class CDBScan3rdVideo : public CDBScanAppFiles
{
public:
    CDBScan3rdVideo()
        : CDBScanAppFiles(DBAPP_3RD_VIDEO)
    {
    }
};
