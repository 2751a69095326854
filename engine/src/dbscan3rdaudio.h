#pragma once

#include "dbscanappfiles.h"

// The audio files of other apps, picked from Manifest.db by extension.
class CDBScan3rdAudio : public CDBScanAppFiles
{
public:
    CDBScan3rdAudio()
        : CDBScanAppFiles(DBAPP_3RD_AUDIO)
    {
    }
};
