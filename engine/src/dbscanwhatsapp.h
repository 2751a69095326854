#pragma once

#include "idbprocessor.h"

// Turns the rows of the WhatsApp chats queries into records.
class CDBScanWhatsApp : public IDBProcessor
{
public:
    void ProcessRow(sqlite3_stmt *row, void *user, DBExecutorCallback callback, int32_t queryIndex) override;
};
