#include "dbscanfacetime.h"

CDBScanFaceTime::CDBScanFaceTime()
    : CDBScanCallHistory(DBAPP_FACETIME)
{
}
