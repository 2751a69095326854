#include "fuzzsupport.h"

#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace fs = std::filesystem;

namespace fuzzsupport
{
    namespace
    {
        void fail(const std::string &what)
        {
            std::fprintf(stderr, "fuzz set-up failed: %s\n", what.c_str());
            std::abort();
        }

        // Never destroyed: the exit handler that removes the folder runs
        // after static objects are gone.
        const std::string *makeScratch()
        {
            const char *tmp = std::getenv("TMPDIR");
            std::string pattern = (fs::path(tmp && *tmp ? tmp : "/tmp") / "quenrow-fuzz-XXXXXX").string();
            if (!mkdtemp(pattern.data()))
                fail("no scratch folder in " + pattern);
            const auto *folder = new std::string(pattern);
            std::atexit([] {
                std::error_code ec;
                fs::remove_all(scratch(), ec);
            });
            return folder;
        }
    }

    const std::string &scratch()
    {
        static const std::string *folder = makeScratch();
        return *folder;
    }

    std::string freshFolder(const std::string &name)
    {
        const fs::path folder = fs::path(scratch()) / name;
        std::error_code ec;
        fs::remove_all(folder, ec);
        fs::create_directories(folder, ec);
        if (ec)
            fail("cannot make " + folder.string());
        return folder.string();
    }

    void quietLogs()
    {
        const std::string folder = freshFolder("log");
        for (const char *name : {"Vardex.log", "Volsark.log", "QuorlinMac.log", "app.txt"}) {
            std::error_code ec;
            fs::create_symlink("/dev/null", fs::path(folder) / name, ec);
        }
        setenv("QUENROW_LOG_DIR", folder.c_str(), 1);
    }

    bool writeBytes(const std::string &path, const uint8_t *data, size_t size)
    {
        FILE *file = std::fopen(path.c_str(), "wb");
        if (!file)
            return false;
        const bool written = size == 0 || std::fwrite(data, 1, size, file) == size;
        return std::fclose(file) == 0 && written;
    }

    Column::Column(const std::string &database, const std::string &updateSql)
    {
        if (sqlite3_open_v2(database.c_str(), &m_db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
            fail("cannot open " + database);
        // The file is ours and rewritten at every input: no journal, no syncs.
        sqlite3_exec(m_db, "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF;", nullptr, nullptr, nullptr);
        if (sqlite3_prepare_v2(m_db, updateSql.c_str(), -1, &m_update, nullptr) != SQLITE_OK)
            fail(updateSql + ": " + sqlite3_errmsg(m_db));
    }

    Column::~Column()
    {
        sqlite3_finalize(m_update);
        sqlite3_close_v2(m_db);
    }

    void Column::set(const uint8_t *data, size_t size)
    {
        // An empty blob, not NULL: a row the queries still join.
        sqlite3_bind_blob(m_update, 1, size ? data : reinterpret_cast<const uint8_t *>(""), int(size),
                          SQLITE_TRANSIENT);
        if (sqlite3_step(m_update) != SQLITE_DONE)
            fail(std::string("update: ") + sqlite3_errmsg(m_db));
        sqlite3_reset(m_update);
    }
}
