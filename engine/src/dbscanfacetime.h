#pragma once

#include "dbscancallhistory.h"

// Turns the rows of the FaceTime calls query into records.
class CDBScanFaceTime : public CDBScanCallHistory
{
public:
    CDBScanFaceTime();
};
