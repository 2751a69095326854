#include "backupbuilder.h"

#include <openssl/evp.h>
#include <plist/plist.h>
#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace testsupport
{
    std::string sha1Hex(const std::string &data)
    {
        unsigned char digest[EVP_MAX_MD_SIZE];
        unsigned int length = 0;
        EVP_Digest(data.data(), data.size(), digest, &length, EVP_sha1(), nullptr);
        static const char hex[] = "0123456789abcdef";
        std::string out;
        for (unsigned int i = 0; i < length; ++i) {
            out += hex[digest[i] >> 4];
            out += hex[digest[i] & 0xF];
        }
        return out;
    }

    std::string fileIdOf(const std::string &domain, const std::string &relativePath)
    {
        return sha1Hex(domain + "-" + relativePath);
    }

    std::string readFile(const std::string &path)
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }

    bool writeFile(const std::string &path, const std::string &bytes)
    {
        std::error_code ec;
        fs::create_directories(fs::path(path).parent_path(), ec);
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), std::streamsize(bytes.size()));
        out.close();
        return bool(out);
    }

    void execSql(const std::string &dbPath, const std::string &sql)
    {
        std::error_code ec;
        fs::create_directories(fs::path(dbPath).parent_path(), ec);
        sqlite3 *db = nullptr;
        if (sqlite3_open(dbPath.c_str(), &db) != SQLITE_OK) {
            sqlite3_close(db);
            throw std::runtime_error("cannot open " + dbPath);
        }
        char *error = nullptr;
        if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
            const std::string message = error ? error : "unknown error";
            sqlite3_free(error);
            sqlite3_close(db);
            throw std::runtime_error(dbPath + ": " + message);
        }
        sqlite3_close(db);
    }

    BackupBuilder::BackupBuilder(std::string folder)
        : m_folder(std::move(folder))
    {
        fs::create_directories(m_folder);
    }

    std::string BackupBuilder::pathOf(const std::string &fileId) const
    {
        return m_folder + "/" + fileId.substr(0, 2) + "/" + fileId;
    }

    std::string BackupBuilder::addFile(const std::string &domain, const std::string &relativePath,
                                       const std::string &content, int flags)
    {
        const std::string id = fileIdOf(domain, relativePath);
        if (!writeFile(pathOf(id), content))
            throw std::runtime_error("cannot write " + pathOf(id));
        addManifestRow(id, domain, relativePath, flags);
        return id;
    }

    std::string BackupBuilder::addDatabase(const std::string &domain, const std::string &relativePath,
                                           const std::string &sql, JournalMode mode)
    {
        const std::string id = fileIdOf(domain, relativePath);
        const std::string path = pathOf(id);
        fs::remove(path);
        const std::string journal = mode == JournalMode::Wal ? "PRAGMA journal_mode=WAL;\n" : "";
        execSql(path, journal + sql);
        addManifestRow(id, domain, relativePath, 1);
        return id;
    }

    std::string BackupBuilder::addWalDatabase(const std::string &domain, const std::string &relativePath,
                                              const std::string &sql, const std::string &walSql)
    {
        const std::string id = addDatabase(domain, relativePath, sql, JournalMode::Wal);
        const std::string path = pathOf(id);
        sqlite3 *db = nullptr;
        sqlite3_open(path.c_str(), &db);
        // Keep the changes in the log: no automatic checkpoint, none on close.
        sqlite3_db_config(db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
        char *error = nullptr;
        const int result = sqlite3_exec(db, ("PRAGMA wal_autocheckpoint=0;" + walSql).c_str(), nullptr, nullptr, &error);
        const std::string message = error ? error : "";
        sqlite3_free(error);
        const std::string log = readFile(path + "-wal");
        sqlite3_close(db);
        fs::remove(path + "-wal");
        fs::remove(path + "-shm");
        if (result != SQLITE_OK || log.empty())
            throw std::runtime_error(path + ": " + message);
        addFile(domain, relativePath + "-wal", log);
        return id;
    }

    void BackupBuilder::addManifestRow(const std::string &fileId, const std::optional<std::string> &domain,
                                       const std::string &relativePath, int flags)
    {
        m_rows.push_back({fileId, domain, relativePath, flags});
    }

    void BackupBuilder::write(JournalMode manifestMode) const
    {
        writeManifestDb(manifestMode);
        writePlists();
    }

    void BackupBuilder::writeManifestDb(JournalMode mode) const
    {
        const std::string path = m_folder + "/Manifest.db";
        fs::remove(path);
        execSql(path, std::string(mode != JournalMode::Rollback ? "PRAGMA journal_mode=WAL;" : "") +
                          "CREATE TABLE Files (fileID TEXT PRIMARY KEY, domain TEXT, relativePath TEXT, "
                          "flags INTEGER, file BLOB);"
                          "CREATE INDEX FilesDomainIdx ON Files(domain);"
                          "CREATE INDEX FilesRelativePathIdx ON Files(relativePath);"
                          "CREATE INDEX FilesFlagsIdx ON Files(flags);"
                          "CREATE TABLE Properties (key TEXT PRIMARY KEY, value BLOB);");
        sqlite3 *db = nullptr;
        sqlite3_open(path.c_str(), &db);
        if (mode == JournalMode::WalWithLog) {
            sqlite3_db_config(db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
            sqlite3_exec(db, "PRAGMA wal_autocheckpoint=0", nullptr, nullptr, nullptr);
        }
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        sqlite3_stmt *insert = nullptr;
        sqlite3_prepare_v2(db, "INSERT OR REPLACE INTO Files VALUES (?, ?, ?, ?, NULL)", -1, &insert, nullptr);
        for (const Row &row : m_rows) {
            sqlite3_bind_text(insert, 1, row.fileId.c_str(), -1, SQLITE_TRANSIENT);
            if (row.domain)
                sqlite3_bind_text(insert, 2, row.domain->c_str(), -1, SQLITE_TRANSIENT);
            else
                sqlite3_bind_null(insert, 2);
            sqlite3_bind_text(insert, 3, row.relativePath.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_int(insert, 4, row.flags);
            sqlite3_step(insert);
            sqlite3_reset(insert);
        }
        sqlite3_finalize(insert);
        const int committed = sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(db);
        fs::remove(path + "-shm");
        if (committed != SQLITE_OK || (mode == JournalMode::WalWithLog && !fs::exists(path + "-wal")))
            throw std::runtime_error("cannot write " + path);
    }

    std::string plistBytes(void *root, bool binary)
    {
        char *data = nullptr;
        uint32_t length = 0;
        if (binary)
            plist_to_bin(root, &data, &length);
        else
            plist_to_xml(root, &data, &length);
        std::string bytes = data ? std::string(data, length) : std::string();
        free(data);
        plist_free(root);
        return bytes;
    }

    namespace
    {
        void savePlist(plist_t root, const std::string &path, bool binary)
        {
            const std::string bytes = plistBytes(root, binary);
            if (bytes.empty() || !writeFile(path, bytes))
                throw std::runtime_error("cannot write " + path);
        }
    }

    void BackupBuilder::writePlists() const
    {
        plist_t lockdown = plist_new_dict();
        plist_dict_set_item(lockdown, "DeviceName", plist_new_string(m_deviceName.c_str()));
        plist_dict_set_item(lockdown, "ProductVersion", plist_new_string(m_productVersion.c_str()));
        plist_dict_set_item(lockdown, "ProductType", plist_new_string("iPhone10,4"));
        plist_dict_set_item(lockdown, "BuildVersion", plist_new_string("19D52"));
        plist_dict_set_item(lockdown, "UniqueDeviceID", plist_new_string(m_udid.c_str()));
        plist_dict_set_item(lockdown, "SerialNumber", plist_new_string("F2LXK0Q1JC67"));

        plist_t manifest = plist_new_dict();
        plist_dict_set_item(manifest, "IsEncrypted", plist_new_bool(m_encrypted));
        plist_dict_set_item(manifest, "Version", plist_new_string("10.0"));
        plist_dict_set_item(manifest, "WasPasscodeSet", plist_new_bool(false));
        plist_dict_set_item(manifest, "Date", plist_new_date(700000000, 0));
        plist_dict_set_item(manifest, "Lockdown", lockdown);
        plist_dict_set_item(manifest, "Applications", plist_new_dict());
        savePlist(manifest, m_folder + "/Manifest.plist", true);

        plist_t info = plist_new_dict();
        plist_dict_set_item(info, "Device Name", plist_new_string(m_deviceName.c_str()));
        plist_dict_set_item(info, "Display Name", plist_new_string(m_deviceName.c_str()));
        plist_dict_set_item(info, "Product Version", plist_new_string(m_productVersion.c_str()));
        plist_dict_set_item(info, "Product Type", plist_new_string("iPhone10,4"));
        plist_dict_set_item(info, "Build Version", plist_new_string("19D52"));
        plist_dict_set_item(info, "Unique Identifier", plist_new_string(m_udid.c_str()));
        plist_dict_set_item(info, "Target Identifier", plist_new_string(m_udid.c_str()));
        plist_dict_set_item(info, "Serial Number", plist_new_string("F2LXK0Q1JC67"));
        plist_dict_set_item(info, "Last Backup Date", plist_new_date(700000000, 0));
        savePlist(info, m_folder + "/Info.plist", false);

        plist_t status = plist_new_dict();
        plist_dict_set_item(status, "IsFullBackup", plist_new_bool(true));
        plist_dict_set_item(status, "Version", plist_new_string("3.3"));
        plist_dict_set_item(status, "BackupState", plist_new_string("new"));
        plist_dict_set_item(status, "SnapshotState", plist_new_string("finished"));
        plist_dict_set_item(status, "UUID", plist_new_string("6A1F5C2E-7B8D-4E3A-9C0B-2D4F6E8A1B3C"));
        plist_dict_set_item(status, "Date", plist_new_date(700000000, 0));
        savePlist(status, m_folder + "/Status.plist", true);
    }
}
