#pragma once

#include "idbprocessor.h"

struct STAddressBookImage;

// Turns the rows of the contacts queries into records: persons,
// multi-values, their entries, pictures and full-text index rows.
class CDBScanAddressBook : public IDBProcessor
{
public:
    void ProcessRow(sqlite3_stmt *row, void *user, DBExecutorCallback callback, int32_t queryIndex) override;

private:
    static void DeliverPerson(sqlite3_stmt *row, void *user, DBExecutorCallback callback);
    static void DeliverMultiValue(sqlite3_stmt *row, void *user, DBExecutorCallback callback);
    static void DeliverEntry(sqlite3_stmt *row, void *user, DBExecutorCallback callback);
    static void DeliverImage(sqlite3_stmt *row, void *user, DBExecutorCallback callback);
    static void DeliverFullTextRow(sqlite3_stmt *row, void *user, DBExecutorCallback callback);
    // Writes the picture to <output>/<record id>.png; returns that path or "".
    static std::wstring WriteImage(int32_t recordId, const void *data, size_t size);
};
