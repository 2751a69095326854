#pragma once

#include "dbconnector.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

// One connection to a backup's file list (Manifest.db, table Files) kept for
// a scan, with indexes that let a LIKE '%text%' look-up test only the rows
// that can hold the text instead of reading the whole list each time.
//
// A look-up is a statement and the same condition as a test of one row. The
// indexes hold copies of the rows with flags = 1 and a file id, in the
// table's order (the order the statements read in), each built on first use
// by one pass over the list. With them, the answer is the first candidate
// that passes the test; without them (a text they do not suit, a list they
// cannot hold) the statement runs over the whole list.
//
// Any thread may look up; look-ups take turns on the one connection.
class CManifestIndex
{
public:
    // Takes db (read-only) and closes it when destroyed; a locked list is
    // waited for as `wait` says.
    CManifestIndex(sqlite3 *db, const BusyWait &wait);
    ~CManifestIndex();
    CManifestIndex(const CManifestIndex &) = delete;
    CManifestIndex &operator=(const CManifestIndex &) = delete;

    // A row as a test sees it: its relativePath and domain as LIKE reads
    // them, null where LIKE matches nothing (NULL, or a BLOB where SQLite's
    // LIKE never matches one).
    struct Row
    {
        const char *path;
        const char *domain;
    };
    using RowTest = std::function<bool(const Row &)>;
    // text LIKE pattern ESCAPE '\', as SQLite compares.
    static bool Like(const char *text, const std::string &pattern);

    // The first row of sql whose first column is a file id; its first two
    // columns go to fileId and relativePath. A look-up that gives contained
    // and test promises: sql's arguments are LIKE patterns, its rows are
    // those with flags = 1 that pass test, and each holds contained in its
    // relativePath as LIKE '%contained%' compares.
    bool First(const char *sql, const std::vector<std::string> &arguments, const std::string *contained,
               const RowTest *test, std::string &fileId, std::string *relativePath);

private:
    enum class State
    {
        NotBuilt,
        Built,
        Unusable // the list does not suit it: statements read the whole list
    };
    // Copies of rows, in the table's order.
    struct Rows
    {
        struct Entry
        {
            const char *text; // the file id's 40 characters, then the path and a NUL
            uint32_t length;  // path bytes, NULs inside included
            uint32_t domain;  // into m_domains, or NoDomain
        };
        std::vector<Entry> entries;
        // The texts, in blocks that never move.
        std::vector<std::unique_ptr<char[]>> blocks;
        size_t blockFree = 0;
        std::vector<uint32_t> unusual; // entries every look-up tests: LIKE may read them unlike their bytes
    };
    static constexpr uint32_t NoDomain = UINT32_MAX;

    sqlite3_stmt *Statement(const std::string &sql);
    bool RunWhole(sqlite3_stmt *statement, const std::vector<std::string> &arguments, std::string &fileId,
                  std::string *relativePath);
    // One pass over the list into the digit or the trigram index; false when
    // the list stayed locked (nothing is kept then).
    bool Build(bool digits);
    static void Keep(Rows &rows, const char *fileId, std::string_view path, uint32_t domain);

    sqlite3 *m_db;
    BusyWait m_wait;
    std::mutex m_mutex; // one look-up at a time on the connection
    std::map<std::string, sqlite3_stmt *> m_statements;
    int m_likePatternLimit = 0;
    std::vector<std::string> m_domains;

    // Rows with a long run of digits, by every DigitGram digits of it:
    // (hash of their value << 32) | entry.
    State m_digitState = State::NotBuilt;
    Rows m_digitRows;
    std::vector<uint64_t> m_digitGrams;
    // Every searchable row, by the trigrams of its path's byte classes: per
    // trigram, its entries ascending as gaps (varints).
    State m_trigramState = State::NotBuilt;
    Rows m_trigramRows;
    std::vector<std::string> m_trigramLists;
};
