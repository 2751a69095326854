#pragma once

// Builds iTunes backup folders for tests and for the bundled sample: a
// Manifest.db with its Files table, Manifest.plist, Info.plist and
// Status.plist, and each file at <id[0..1]>/<id>, where the id is the SHA-1 of
// "domain-relativePath".
// backupencrypter.h turns a folder written here into an encrypted backup.

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace testsupport
{
    std::string sha1Hex(const std::string &data);
    // The backup file id of a domain and relative path.
    std::string fileIdOf(const std::string &domain, const std::string &relativePath);
    std::string readFile(const std::string &path);
    bool writeFile(const std::string &path, const std::string &bytes);
    // A libplist node as binary or XML bytes; frees the node.
    std::string plistBytes(void *root, bool binary);
    // Runs SQL on a new or existing SQLite file; throws std::runtime_error on failure.
    void execSql(const std::string &dbPath, const std::string &sql);

    enum class JournalMode
    {
        Rollback,
        Wal,       // the header says WAL; the "-wal" is checkpointed and removed on close
        WalWithLog // the rows stay in a "-wal" beside Manifest.db, as in a folder copied while it was open
    };

    class BackupBuilder
    {
    public:
        explicit BackupBuilder(std::string folder);

        const std::string &folder() const { return m_folder; }
        // The local path of a file id inside the backup.
        std::string pathOf(const std::string &fileId) const;

        // A backed-up file with its content; returns its file id.
        std::string addFile(const std::string &domain, const std::string &relativePath, const std::string &content,
                            int flags = 1);
        // A backed-up SQLite database made from SQL text; returns its file id.
        std::string addDatabase(const std::string &domain, const std::string &relativePath, const std::string &sql,
                                JournalMode mode = JournalMode::Rollback);
        // A WAL database whose later changes (walSql) are still only in its
        // log, backed up as a file of its own at relativePath + "-wal", as a
        // device backs up a database in use. Returns the database's file id.
        std::string addWalDatabase(const std::string &domain, const std::string &relativePath, const std::string &sql,
                                   const std::string &walSql);
        // A Manifest.db row as given, with no file behind it. A null domain is
        // written as SQL NULL.
        void addManifestRow(const std::string &fileId, const std::optional<std::string> &domain,
                            const std::string &relativePath, int flags = 1);

        void setDeviceName(const std::string &name) { m_deviceName = name; }
        void setProductVersion(const std::string &version) { m_productVersion = version; }
        void setUdid(const std::string &udid) { m_udid = udid; }
        void setEncrypted(bool encrypted) { m_encrypted = encrypted; }

        // Writes Manifest.db and the property lists. Throws on failure.
        void write(JournalMode manifestMode = JournalMode::Rollback) const;

    private:
        struct Row
        {
            std::string fileId;
            std::optional<std::string> domain;
            std::string relativePath;
            int flags;
        };

        void writeManifestDb(JournalMode mode) const;
        void writePlists() const;

        std::string m_folder;
        std::vector<Row> m_rows;
        std::string m_deviceName = "Test iPhone";
        std::string m_productVersion = "15.3.1";
        std::string m_udid = "00008030-001A2B3C4D5E6F70";
        bool m_encrypted = false;
    };
}
