#pragma once

// What the fuzz targets share: a private folder, quiet logs, files and one
// database column filled with the input, and an engine scan whose every
// record is read.

#include <cstddef>
#include <cstdint>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

namespace fuzzsupport
{
    // A folder of this process, made on first use and removed at exit.
    const std::string &scratch();
    // A new empty folder below scratch().
    std::string freshFolder(const std::string &name);

    // Sends the libraries' log files nowhere: at thousands of inputs a second
    // they would fill the disk. Call before anything logs.
    void quietLogs();

    // Quiet logs and a QCoreApplication for the targets that use Qt, made once.
    void initQt(int *argc, char ***argv);

    bool writeBytes(const std::string &path, const uint8_t *data, size_t size);

    // One column of a database file, set to each input by an UPDATE given
    // with its value as ?1, so that the processor reading the database meets
    // the input in a row it otherwise knows.
    class Column
    {
    public:
        Column(const std::string &database, const std::string &updateSql);
        ~Column();
        Column(const Column &) = delete;
        Column &operator=(const Column &) = delete;

        void set(const uint8_t *data, size_t size);

    private:
        sqlite3 *m_db = nullptr;
        sqlite3_stmt *m_update = nullptr;
    };

    // Scans one category of a backup as the program does and reads every
    // record through its JSON form; returns the number of records.
    size_t scan(const std::string &backup, int32_t categoryMask);
}
