#include "backupencrypter.h"

#include "backupbuilder.h"

#include <openssl/evp.h>
#include <openssl/rand.h>
#include <plist/plist.h>
#include <sqlite3.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <stdexcept>
#include <vector>

namespace fs = std::filesystem;

namespace testsupport
{
    namespace
    {
        void check(bool ok, const std::string &what)
        {
            if (!ok)
                throw std::runtime_error("backup encrypter: " + what);
        }

        // The system's random bytes, or a seeded sequence.
        class RandomBytes
        {
        public:
            explicit RandomBytes(std::optional<uint64_t> seed)
                : m_seeded(seed.has_value())
                , m_engine(seed.value_or(0))
            {
            }

            std::string operator()(int count)
            {
                std::string out(static_cast<size_t>(count), '\0');
                if (m_seeded) {
                    for (char &c : out)
                        c = char(m_engine() & 0xFF);
                    return out;
                }
                check(RAND_bytes(reinterpret_cast<unsigned char *>(out.data()), count) == 1, "no random bytes");
                return out;
            }

        private:
            bool m_seeded;
            std::mt19937_64 m_engine;
        };

        std::string be32(uint32_t value)
        {
            return {char(value >> 24), char(value >> 16), char(value >> 8), char(value)};
        }

        std::string le32(uint32_t value)
        {
            return {char(value), char(value >> 8), char(value >> 16), char(value >> 24)};
        }

        std::string tlv(const std::string &tag, const std::string &value)
        {
            return tag + be32(static_cast<uint32_t>(value.size())) + value;
        }

        // AES-256-CBC, zero IV, PKCS#7, streamed so that large fixtures fit.
        void encryptFile(const std::string &key, const std::string &from, const std::string &to)
        {
            std::unique_ptr<std::FILE, int (*)(std::FILE *)> in(std::fopen(from.c_str(), "rb"), std::fclose);
            check(bool(in), "cannot read " + from);
            fs::create_directories(fs::path(to).parent_path());
            std::unique_ptr<std::FILE, int (*)(std::FILE *)> out(std::fopen(to.c_str(), "wb"), std::fclose);
            check(bool(out), "cannot write " + to);
            std::unique_ptr<EVP_CIPHER_CTX, void (*)(EVP_CIPHER_CTX *)> ctx(EVP_CIPHER_CTX_new(),
                                                                            EVP_CIPHER_CTX_free);
            const unsigned char iv[16] = {};
            check(EVP_EncryptInit_ex(ctx.get(), EVP_aes_256_cbc(), nullptr,
                                     reinterpret_cast<const unsigned char *>(key.data()), iv) == 1,
                  "cipher");
            std::vector<unsigned char> plain(1 << 20), cipher((1 << 20) + 16);
            size_t got;
            int produced = 0;
            while ((got = std::fread(plain.data(), 1, plain.size(), in.get())) > 0) {
                check(EVP_EncryptUpdate(ctx.get(), cipher.data(), &produced, plain.data(), int(got)) == 1, "cipher");
                check(std::fwrite(cipher.data(), 1, size_t(produced), out.get()) == size_t(produced), "write " + to);
            }
            check(EVP_EncryptFinal_ex(ctx.get(), cipher.data(), &produced) == 1, "cipher");
            check(std::fwrite(cipher.data(), 1, size_t(produced), out.get()) == size_t(produced), "write " + to);
        }

        // The NSKeyedArchiver record a device stores for each file.
        std::string fileRecord(const std::string &relativePath, int64_t size, uint32_t protectionClass,
                               const std::string &classAndWrappedKey)
        {
            plist_t objects = plist_new_array();
            plist_array_append_item(objects, plist_new_string("$null"));
            plist_t file = plist_new_dict();
            plist_dict_set_item(file, "$class", plist_new_uid(4));
            plist_dict_set_item(file, "RelativePath", plist_new_uid(2));
            plist_dict_set_item(file, "Size", plist_new_uint(static_cast<uint64_t>(size)));
            plist_dict_set_item(file, "ProtectionClass", plist_new_uint(protectionClass));
            plist_dict_set_item(file, "EncryptionKey", plist_new_uid(3));
            plist_dict_set_item(file, "Mode", plist_new_uint(0100644));
            plist_array_append_item(objects, file);
            plist_array_append_item(objects, plist_new_string(relativePath.c_str()));
            plist_t data = plist_new_dict();
            plist_dict_set_item(data, "$class", plist_new_uid(5));
            plist_dict_set_item(data, "NS.data",
                                plist_new_data(classAndWrappedKey.data(), classAndWrappedKey.size()));
            plist_array_append_item(objects, data);
            for (const char *name : {"MBFile", "NSMutableData"}) {
                plist_t cls = plist_new_dict();
                plist_dict_set_item(cls, "$classname", plist_new_string(name));
                plist_t classes = plist_new_array();
                plist_array_append_item(classes, plist_new_string(name));
                plist_array_append_item(classes, plist_new_string("NSObject"));
                plist_dict_set_item(cls, "$classes", classes);
                plist_array_append_item(objects, cls);
            }
            plist_t top = plist_new_dict();
            plist_dict_set_item(top, "root", plist_new_uid(1));
            plist_t root = plist_new_dict();
            plist_dict_set_item(root, "$version", plist_new_uint(100000));
            plist_dict_set_item(root, "$archiver", plist_new_string("NSKeyedArchiver"));
            plist_dict_set_item(root, "$top", top);
            plist_dict_set_item(root, "$objects", objects);
            return plistBytes(root, true);
        }
    }

    std::string hexBytes(const std::string &hex)
    {
        std::string out;
        for (size_t i = 0; i + 1 < hex.size(); i += 2)
            out += char(std::stoi(hex.substr(i, 2), nullptr, 16));
        return out;
    }

    std::string aesWrap(const std::string &kek, const std::string &key)
    {
        std::unique_ptr<EVP_CIPHER_CTX, void (*)(EVP_CIPHER_CTX *)> ctx(EVP_CIPHER_CTX_new(), EVP_CIPHER_CTX_free);
        EVP_CIPHER_CTX_set_flags(ctx.get(), EVP_CIPHER_CTX_FLAG_WRAP_ALLOW);
        check(EVP_EncryptInit_ex(ctx.get(), EVP_aes_256_wrap(), nullptr,
                                 reinterpret_cast<const unsigned char *>(kek.data()), nullptr) == 1,
              "wrap");
        std::string out(key.size() + 8, '\0');
        int length = 0;
        check(EVP_EncryptUpdate(ctx.get(), reinterpret_cast<unsigned char *>(out.data()), &length,
                                reinterpret_cast<const unsigned char *>(key.data()), int(key.size())) == 1,
              "wrap");
        out.resize(size_t(length));
        return out;
    }

    std::string pbkdf2(const std::string &digest, const std::string &password, const std::string &salt,
                       uint32_t iterations, int length)
    {
        const EVP_MD *md = digest == "sha256" ? EVP_sha256() : EVP_sha1();
        std::string out(size_t(length), '\0');
        check(PKCS5_PBKDF2_HMAC(password.data(), int(password.size()),
                                reinterpret_cast<const unsigned char *>(salt.data()), int(salt.size()),
                                int(iterations), md, length, reinterpret_cast<unsigned char *>(out.data())) == 1,
              "pbkdf2");
        return out;
    }

    void encryptBackup(const std::string &plainFolder, const std::string &encryptedFolder,
                       const EncryptionOptions &options)
    {
        fs::create_directories(encryptedFolder);
        RandomBytes randomBytes(options.seed);

        // The keybag: bag attributes, then one entry per protection class.
        // Class 2 is asymmetric, as on a device.
        const std::string salt = randomBytes(20), dpsl = randomBytes(20);
        std::string passwordKey =
            options.withDpsl ? pbkdf2("sha256", options.password, dpsl, options.dpic, 32) : options.password;
        passwordKey = pbkdf2("sha1", passwordKey, salt, options.iterations, 32);
        std::string keybag = tlv("VERS", be32(4)) + tlv("TYPE", be32(1)) + tlv("UUID", randomBytes(16)) +
                             tlv("HMCK", randomBytes(40)) + tlv("WRAP", be32(0)) + tlv("SALT", salt) +
                             tlv("ITER", be32(options.iterations));
        if (options.withDpsl)
            keybag += tlv("DPWT", be32(1)) + tlv("DPIC", be32(options.dpic)) + tlv("DPSL", dpsl);
        std::map<uint32_t, std::string> classKeys;
        for (uint32_t protectionClass = 1; protectionClass <= 11; ++protectionClass) {
            classKeys[protectionClass] = randomBytes(32);
            keybag += tlv("UUID", randomBytes(16)) + tlv("CLAS", be32(protectionClass)) + tlv("WRAP", be32(3)) +
                      tlv("KTYP", be32(protectionClass == 2 ? 1 : 0)) +
                      tlv("WPKY", aesWrap(passwordKey, classKeys[protectionClass]));
        }
        auto wrappedFor = [&](uint32_t protectionClass, const std::string &key) {
            auto found = classKeys.find(protectionClass);
            return le32(protectionClass) + aesWrap(found == classKeys.end() ? randomBytes(32) : found->second, key);
        };

        // Each file: a key of its own, its record in Manifest.db, its content
        // encrypted at the same place.
        const std::string plainDb = plainFolder + "/Manifest.db";
        sqlite3 *db = nullptr;
        check(sqlite3_open_v2(plainDb.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK, "open " + plainDb);
        std::unique_ptr<sqlite3, int (*)(sqlite3 *)> dbGuard(db, sqlite3_close);
        struct Row
        {
            std::string fileId, relativePath;
        };
        std::vector<Row> rows;
        {
            sqlite3_stmt *select = nullptr;
            check(sqlite3_prepare_v2(db, "SELECT fileID, relativePath FROM Files WHERE flags = 1", -1, &select,
                                     nullptr) == SQLITE_OK,
                  "select");
            while (sqlite3_step(select) == SQLITE_ROW) {
                auto text = [&](int column) {
                    const auto *value = sqlite3_column_text(select, column);
                    return std::string(value ? reinterpret_cast<const char *>(value) : "");
                };
                rows.push_back({text(0), text(1)});
            }
            sqlite3_finalize(select);
        }
        sqlite3_stmt *update = nullptr;
        check(sqlite3_prepare_v2(db, "UPDATE Files SET file = ? WHERE fileID = ?", -1, &update, nullptr) ==
                  SQLITE_OK,
              "update");
        check(sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr) == SQLITE_OK, "begin");
        for (const Row &row : rows) {
            const std::string plainPath = plainFolder + "/" + row.fileId.substr(0, 2) + "/" + row.fileId;
            std::error_code error;
            const bool present = row.fileId.size() > 2 && fs::is_regular_file(plainPath, error);
            int64_t size = present ? int64_t(fs::file_size(plainPath)) : 0;
            if (auto claimed = options.claimedSize.find(row.fileId); claimed != options.claimedSize.end())
                size = claimed->second;
            auto cls = options.classOf.find(row.fileId);
            const uint32_t protectionClass = cls == options.classOf.end() ? options.fileClass : cls->second;
            const std::string fileKey = randomBytes(32);
            const auto given = options.record.find(row.fileId);
            const std::string record = given != options.record.end()
                                           ? given->second
                                           : fileRecord(row.relativePath, size, protectionClass,
                                                        wrappedFor(protectionClass, fileKey));
            sqlite3_bind_blob(update, 1, record.data(), int(record.size()), SQLITE_TRANSIENT);
            sqlite3_bind_text(update, 2, row.fileId.c_str(), -1, SQLITE_TRANSIENT);
            check(sqlite3_step(update) == SQLITE_DONE, "update " + row.fileId);
            sqlite3_reset(update);
            if (present)
                encryptFile(fileKey, plainPath,
                            encryptedFolder + "/" + row.fileId.substr(0, 2) + "/" + row.fileId);
        }
        sqlite3_finalize(update);
        check(sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK, "commit");
        dbGuard.reset();

        const std::string manifestKey = randomBytes(32);
        encryptFile(manifestKey, plainDb, encryptedFolder + "/Manifest.db");

        plist_t manifest = nullptr;
        const std::string plainManifest = readFile(plainFolder + "/Manifest.plist");
        plist_from_memory(plainManifest.data(), uint32_t(plainManifest.size()), &manifest);
        check(manifest != nullptr, "Manifest.plist");
        const std::string wrappedManifestKey = wrappedFor(3, manifestKey);
        plist_dict_set_item(manifest, "IsEncrypted", plist_new_bool(1));
        plist_dict_set_item(manifest, "BackupKeyBag", plist_new_data(keybag.data(), keybag.size()));
        plist_dict_set_item(manifest, "ManifestKey",
                            plist_new_data(wrappedManifestKey.data(), wrappedManifestKey.size()));
        check(writeFile(encryptedFolder + "/Manifest.plist", plistBytes(manifest, true)), "Manifest.plist");
        for (const char *name : {"Info.plist", "Status.plist"})
            fs::copy_file(plainFolder + "/" + name, encryptedFolder + "/" + name,
                          fs::copy_options::overwrite_existing);
    }
}
