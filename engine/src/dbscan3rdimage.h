#pragma once

#include "dbscanappfiles.h"

// The image files of other apps, picked from Manifest.db by extension.
class CDBScan3rdImage : public CDBScanAppFiles
{
public:
    CDBScan3rdImage()
        : CDBScanAppFiles(DBAPP_3RD_IMAGE)
    {
    }
};
