#pragma once

#include "dbscanappfiles.h"

// The document files of other apps, picked from Manifest.db by extension.
class CDBScan3rdDocument : public CDBScanAppFiles
{
public:
    CDBScan3rdDocument()
        : CDBScanAppFiles(DBAPP_3RD_DOCUMENT)
    {
    }
};
