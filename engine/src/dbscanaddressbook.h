#pragma once

#include "idbprocessor.h"

#include <map>
#include <string>
#include <vector>

struct STAddressBookImage;

// Turns the rows of the contacts queries into records: persons,
// multi-values, their entries, pictures and the deleted contacts of the
// full-text index.
class CDBScanAddressBook : public IDBProcessor
{
public:
    // How the index rows of living persons are told from deleted contacts:
    // by the statement, which leaves out rows with a person's row id, or,
    // where the index has no row ids, by the person's names and numbers.
    enum LiveMatch
    {
        LiveByRowId,
        LiveByContent
    };

    explicit CDBScanAddressBook(LiveMatch liveMatch = LiveByRowId)
        : m_liveMatch(liveMatch)
    {
    }

    void ProcessRow(sqlite3_stmt *row, void *user, DBExecutorCallback callback, int32_t queryIndex) override;

private:
    static std::wstring NameKey(const std::wstring &first, const std::wstring &middle, const std::wstring &last);

    void DeliverPerson(sqlite3_stmt *row, void *user, DBExecutorCallback callback);
    void DeliverMultiValue(sqlite3_stmt *row, void *user, DBExecutorCallback callback);
    static void DeliverEntry(sqlite3_stmt *row, void *user, DBExecutorCallback callback);
    static void DeliverImage(sqlite3_stmt *row, void *user, DBExecutorCallback callback);
    void DeliverFullTextRow(sqlite3_stmt *row, void *user, DBExecutorCallback callback);
    // Writes the picture to <output>/<record id>.png; returns that path or "".
    static std::wstring WriteImage(int32_t recordId, const void *data, size_t size);
    bool IsLivePerson(const std::wstring &nameKey, const std::vector<std::wstring> &numbers) const;

    LiveMatch m_liveMatch;
    // Kept only when living persons are told by their content: each
    // person's phone numbers by row id, and the row ids by names.
    std::map<int32_t, std::vector<std::wstring>> m_liveNumbers;
    std::multimap<std::wstring, int32_t> m_liveByName;
};
