#include "backupdecrypter.h"

#include "keybag.h"
#include "plistguard.h"
#include "spdlogcore.h"
#include "sqliteuri.h"

#include <openssl/evp.h>
#include <plist/plist.h>
#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

#define VLOG_INFO(...) SpdLogA(__FILE__, __LINE__, SPDLOG_LEVEL_INFO, __VA_ARGS__)
#define VLOG_ERROR(...) SpdLogA(__FILE__, __LINE__, SPDLOG_LEVEL_ERROR, __VA_ARGS__)

namespace volsark
{
    namespace
    {
        constexpr size_t kBufferSize = 1 << 20;
        constexpr int kKeyLength = 32;
        // Devices use 10,000,000 rounds at most; a keybag asking for far more
        // would keep the key derivation, which cannot be stopped, busy for hours.
        constexpr uint32_t kMaxRounds = 50000000;
        const char kSqliteMagic[] = "SQLite format 3";

        struct PlistDeleter
        {
            void operator()(void *node) const { plist_free(static_cast<plist_t>(node)); }
        };
        using PlistPtr = std::unique_ptr<void, PlistDeleter>;

        struct CipherDeleter
        {
            void operator()(EVP_CIPHER_CTX *ctx) const { EVP_CIPHER_CTX_free(ctx); }
        };
        using CipherPtr = std::unique_ptr<EVP_CIPHER_CTX, CipherDeleter>;

        struct FileCloser
        {
            void operator()(std::FILE *file) const { std::fclose(file); }
        };
        using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

        struct SqliteCloser
        {
            void operator()(sqlite3 *db) const { sqlite3_close(db); }
        };

        std::string dataOf(plist_t node)
        {
            if (!node || plist_get_node_type(node) != PLIST_DATA)
                return {};
            char *bytes = nullptr;
            uint64_t length = 0;
            plist_get_data_val(node, &bytes, &length);
            std::string out(bytes ? bytes : "", bytes ? length : 0);
            free(bytes);
            return out;
        }

        std::optional<int64_t> intOf(plist_t node)
        {
            if (!node || plist_get_node_type(node) != PLIST_UINT)
                return std::nullopt;
            uint64_t value = 0;
            plist_get_uint_val(node, &value);
            return static_cast<int64_t>(value); // libplist keeps negative numbers in two's complement
        }

        PlistPtr readPlist(const std::string &path, bool &readable)
        {
            std::ifstream in(path, std::ios::binary);
            readable = bool(in);
            if (!in)
                return nullptr;
            const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            if (bytes.size() > UINT32_MAX || !PlistGuard::acceptable(bytes.data(), bytes.size()))
                return nullptr;
            plist_t root = nullptr;
            plist_from_memory(bytes.data(), static_cast<uint32_t>(bytes.size()), &root);
            return PlistPtr(root);
        }

        bool isFileId(const std::string &id)
        {
            return id.size() == 40 && std::all_of(id.begin(), id.end(), [](unsigned char c) {
                       return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
                   });
        }

        bool startsWithSqliteMagic(const std::string &path)
        {
            char head[sizeof kSqliteMagic] = {};
            FilePtr file(std::fopen(path.c_str(), "rb"));
            return file && std::fread(head, 1, sizeof head, file.get()) == sizeof head &&
                   std::memcmp(head, kSqliteMagic, sizeof head) == 0;
        }

        // What a file's NSKeyedArchiver blob says about it.
        struct FileInfo
        {
            std::optional<uint32_t> protectionClass;
            std::optional<int64_t> size;
            std::string encryptionKey; // 4-byte class + wrapped key
        };

        plist_t resolve(plist_t objects, plist_t node)
        {
            if (node && plist_get_node_type(node) == PLIST_UID) {
                uint64_t index = 0;
                plist_get_uid_val(node, &index);
                if (index >= plist_array_get_size(objects))
                    return nullptr;
                return plist_array_get_item(objects, static_cast<uint32_t>(index));
            }
            return node;
        }

        std::optional<FileInfo> parseFileBlob(const void *blob, int length)
        {
            if (!blob || length <= 0 || !PlistGuard::acceptable(static_cast<const char *>(blob), size_t(length)))
                return std::nullopt;
            plist_t rootNode = nullptr;
            plist_from_memory(static_cast<const char *>(blob), static_cast<uint32_t>(length), &rootNode);
            PlistPtr archive(rootNode);
            if (!rootNode || plist_get_node_type(rootNode) != PLIST_DICT)
                return std::nullopt;
            plist_t objects = plist_dict_get_item(rootNode, "$objects");
            plist_t top = plist_dict_get_item(rootNode, "$top");
            if (!objects || plist_get_node_type(objects) != PLIST_ARRAY || !top ||
                plist_get_node_type(top) != PLIST_DICT)
                return std::nullopt;
            plist_t file = resolve(objects, plist_dict_get_item(top, "root"));
            if (!file || plist_get_node_type(file) != PLIST_DICT)
                return std::nullopt;
            FileInfo info;
            if (auto value = intOf(resolve(objects, plist_dict_get_item(file, "ProtectionClass"))))
                info.protectionClass = static_cast<uint32_t>(*value);
            info.size = intOf(resolve(objects, plist_dict_get_item(file, "Size")));
            plist_t key = resolve(objects, plist_dict_get_item(file, "EncryptionKey"));
            if (key && plist_get_node_type(key) == PLIST_DICT)
                key = resolve(objects, plist_dict_get_item(key, "NS.data"));
            info.encryptionKey = dataOf(key);
            return info;
        }

        enum class StreamResult
        {
            Ok,
            ReadFailed,
            WriteFailed,
            BadData,
            Stopped
        };

        // AES-256-CBC, zero IV, PKCS#7, through fixed buffers. At most limit
        // bytes are written when limit is not negative.
        StreamResult decryptFile(const std::string &key, const std::string &inPath, const std::string &outPath,
                                 int64_t limit, const std::atomic<bool> *stop, const std::atomic<bool> *abort,
                                 std::vector<unsigned char> &inBuf, std::vector<unsigned char> &outBuf)
        {
            FilePtr in(std::fopen(inPath.c_str(), "rb"));
            if (!in)
                return StreamResult::ReadFailed;
            FilePtr out(std::fopen(outPath.c_str(), "wb"));
            if (!out)
                return StreamResult::WriteFailed;
            CipherPtr ctx(EVP_CIPHER_CTX_new());
            const unsigned char iv[16] = {};
            if (!ctx || key.size() != kKeyLength ||
                EVP_DecryptInit_ex(ctx.get(), EVP_aes_256_cbc(), nullptr,
                                   reinterpret_cast<const unsigned char *>(key.data()), iv) != 1)
                return StreamResult::BadData;
            int64_t written = 0;
            auto emit = [&](const unsigned char *data, int length) {
                int64_t count = length;
                if (limit >= 0)
                    count = std::min<int64_t>(count, limit - written);
                if (count <= 0)
                    return true;
                if (std::fwrite(data, 1, static_cast<size_t>(count), out.get()) != static_cast<size_t>(count))
                    return false;
                written += count;
                return true;
            };
            for (;;) {
                if ((stop && stop->load()) || (abort && abort->load()))
                    return StreamResult::Stopped;
                const size_t got = std::fread(inBuf.data(), 1, inBuf.size(), in.get());
                if (got == 0) {
                    if (std::ferror(in.get()))
                        return StreamResult::ReadFailed;
                    break;
                }
                int produced = 0;
                if (EVP_DecryptUpdate(ctx.get(), outBuf.data(), &produced, inBuf.data(), static_cast<int>(got)) != 1)
                    return StreamResult::BadData;
                if (!emit(outBuf.data(), produced))
                    return StreamResult::WriteFailed;
            }
            int produced = 0;
            if (EVP_DecryptFinal_ex(ctx.get(), outBuf.data(), &produced) != 1)
                return StreamResult::BadData;
            if (!emit(outBuf.data(), produced))
                return StreamResult::WriteFailed;
            if (std::fflush(out.get()) != 0 || std::fclose(out.release()) != 0)
                return StreamResult::WriteFailed;
            return StreamResult::Ok;
        }

        bool copyFile(const std::string &from, const std::string &to, bool &readFailed)
        {
            std::error_code error;
            readFailed = false;
            if (!fs::exists(from, error))
                return true; // nothing to copy is not a failure
            std::ifstream in(from, std::ios::binary);
            if (!in) {
                readFailed = true;
                return false;
            }
            in.close();
            // A stream copy of an empty file would count as a failed write.
            fs::copy_file(from, to, fs::copy_options::overwrite_existing, error);
            return !error;
        }

        // Calls the callback with (1, total) first, (total, total) last, and
        // in between about once per per cent or 200 ms.
        class ProgressReporter
        {
        public:
            explicit ProgressReporter(const std::function<void(int, int)> &callback) : m_callback(callback) {}

            void start(int total)
            {
                m_total = total;
                send(1);
            }
            void step(int done)
            {
                if (done <= m_last || done >= m_total)
                    return;
                const auto now = std::chrono::steady_clock::now();
                if (percent(done) > percent(m_last) || now - m_lastTime >= std::chrono::milliseconds(200))
                    send(done);
            }
            void finish() { send(m_total); }

        private:
            int percent(int done) const { return static_cast<int>(int64_t(done) * 100 / m_total); }
            void send(int done)
            {
                m_last = done;
                m_lastTime = std::chrono::steady_clock::now();
                if (m_callback)
                    m_callback(done, m_total);
            }

            const std::function<void(int, int)> &m_callback;
            int m_total = 2;
            int m_last = 0;
            std::chrono::steady_clock::time_point m_lastTime;
        };

        // The output folder: created with its parents; on failure what this
        // run made is removed again.
        class OutputFolder
        {
        public:
            explicit OutputFolder(std::string path) : m_path(std::move(path)) {}
            ~OutputFolder()
            {
                if (!m_keep)
                    rollback();
            }

            bool create()
            {
                std::error_code error;
                fs::path path = fs::absolute(m_path, error);
                if (error)
                    return false;
                if (fs::exists(path, error)) {
                    m_existed = true;
                    return fs::is_directory(path, error);
                }
                // Remember the highest folder this run creates.
                fs::path top = path;
                while (top.has_parent_path() && top.parent_path() != top && !fs::exists(top.parent_path(), error))
                    top = top.parent_path();
                m_created = top;
                fs::create_directories(path, error);
                return !error;
            }
            void keep() { m_keep = true; }

        private:
            void rollback()
            {
                std::error_code error;
                if (!m_created.empty()) {
                    fs::remove_all(m_created, error);
                } else if (m_existed) {
                    for (const auto &entry : fs::directory_iterator(m_path, error))
                        fs::remove_all(entry.path(), error);
                }
            }

            std::string m_path;
            fs::path m_created;
            bool m_existed = false;
            bool m_keep = false;
        };

        bool folderHasEntries(const std::string &path)
        {
            std::error_code error;
            if (!fs::exists(path, error))
                return false;
            if (!fs::is_directory(path, error))
                return true;
            return fs::directory_iterator(path, error) != fs::directory_iterator();
        }
    }

    namespace
    {
        struct FileJob
        {
            std::string fileId, key, source, target;
            int64_t limit = -1;
        };

        // Decrypts queued files on a few threads, each with its own fixed
        // buffers. The first fatal error stops the others.
        class FileWorkers
        {
        public:
            explicit FileWorkers(const std::atomic<bool> *stop) : m_stop(stop)
            {
                const unsigned count = std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
                for (unsigned i = 0; i < count; ++i)
                    m_threads.emplace_back([this] { work(); });
            }
            // Leaving early abandons what is queued.
            ~FileWorkers()
            {
                {
                    std::lock_guard<std::mutex> lock(m_mutex);
                    m_abort = true;
                    m_wake.notify_all();
                }
                finish([] {});
            }

            // Waits while the queue is full, calling tick now and then.
            void push(FileJob job, const std::function<void()> &tick)
            {
                std::unique_lock<std::mutex> lock(m_mutex);
                while (m_queue.size() >= kQueueLength && !m_abort)
                    waitAWhile(lock, tick);
                m_queue.push_back(std::move(job));
                m_wake.notify_one();
            }
            // Lets the workers drain the queue and ends them.
            void finish(const std::function<void()> &tick)
            {
                {
                    std::unique_lock<std::mutex> lock(m_mutex);
                    m_closed = true;
                    m_wake.notify_all();
                    while (m_busy > 0 || (!m_queue.empty() && !m_abort))
                        waitAWhile(lock, tick);
                }
                for (auto &thread : m_threads)
                    if (thread.joinable())
                        thread.join();
                m_threads.clear();
            }
            bool failed() const { return m_abort.load(); }
            std::pair<DecryptError, std::string> failure()
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                return {m_error, m_detail};
            }

            std::atomic<int> completed{0};
            std::atomic<int> decrypted{0};
            std::atomic<int> skipped{0};

        private:
            static constexpr size_t kQueueLength = 64;

            void waitAWhile(std::unique_lock<std::mutex> &lock, const std::function<void()> &tick)
            {
                m_done.wait_for(lock, std::chrono::milliseconds(50));
                lock.unlock();
                tick();
                lock.lock();
            }

            void work()
            {
                std::vector<unsigned char> inBuf(kBufferSize), outBuf(kBufferSize + EVP_MAX_BLOCK_LENGTH);
                std::unique_lock<std::mutex> lock(m_mutex);
                for (;;) {
                    m_wake.wait(lock, [this] { return m_abort || m_closed || !m_queue.empty(); });
                    if (m_abort || m_queue.empty())
                        return;
                    FileJob job = std::move(m_queue.front());
                    m_queue.pop_front();
                    ++m_busy;
                    lock.unlock();
                    const StreamResult outcome = decryptFile(job.key, job.source, job.target, job.limit,
                                                             m_stop, &m_abort, inBuf, outBuf);
                    if (outcome == StreamResult::Ok) {
                        ++decrypted;
                    } else if (outcome == StreamResult::BadData) {
                        std::error_code error;
                        fs::remove(job.target, error);
                        ++skipped;
                        VLOG_INFO("skipped a file: %s: content does not decrypt", job.fileId.c_str());
                    }
                    ++completed;
                    lock.lock();
                    --m_busy;
                    if (outcome == StreamResult::ReadFailed || outcome == StreamResult::WriteFailed) {
                        if (!m_abort) {
                            m_error = outcome == StreamResult::ReadFailed ? DecryptError::ReadFailed
                                                                          : DecryptError::WriteFailed;
                            m_detail = outcome == StreamResult::ReadFailed ? job.source : job.target;
                        }
                        m_abort = true;
                        m_wake.notify_all();
                    }
                    m_done.notify_all();
                }
            }

            const std::atomic<bool> *m_stop;
            std::atomic<bool> m_abort{false};
            std::mutex m_mutex;
            std::condition_variable m_wake; // for workers
            std::condition_variable m_done; // for the feeding thread
            std::deque<FileJob> m_queue;
            std::vector<std::thread> m_threads;
            int m_busy = 0;
            bool m_closed = false;
            DecryptError m_error = DecryptError::None;
            std::string m_detail;
        };
    }

    std::string DecryptResult::message() const
    {
        switch (error) {
        case DecryptError::None:
            return "decrypted";
        case DecryptError::NotEncrypted:
            return "not encrypted";
        case DecryptError::OutputNotEmpty:
            return "output folder is not empty";
        case DecryptError::BadKeybag:
            return "bad keybag";
        case DecryptError::WrongPassword:
            return "wrong password";
        case DecryptError::BadManifest:
            return "Manifest.db cannot be decrypted";
        case DecryptError::ReadFailed:
            return "cannot read " + detail;
        case DecryptError::WriteFailed:
            return "cannot write " + detail;
        case DecryptError::Stopped:
            return "stopped";
        }
        return "failed";
    }

    bool aesUnwrap(const std::string &kek, const std::string &wrapped, std::string &key)
    {
        if (wrapped.size() < 24 || wrapped.size() % 8 != 0 || kek.size() != kKeyLength)
            return false;
        CipherPtr ctx(EVP_CIPHER_CTX_new());
        if (!ctx)
            return false;
        EVP_CIPHER_CTX_set_flags(ctx.get(), EVP_CIPHER_CTX_FLAG_WRAP_ALLOW);
        if (EVP_DecryptInit_ex(ctx.get(), EVP_aes_256_wrap(), nullptr,
                               reinterpret_cast<const unsigned char *>(kek.data()), nullptr) != 1)
            return false;
        std::string out(wrapped.size(), '\0');
        int length = 0;
        if (EVP_DecryptUpdate(ctx.get(), reinterpret_cast<unsigned char *>(out.data()), &length,
                              reinterpret_cast<const unsigned char *>(wrapped.data()),
                              static_cast<int>(wrapped.size())) != 1)
            return false;
        int tail = 0;
        if (EVP_DecryptFinal_ex(ctx.get(), reinterpret_cast<unsigned char *>(out.data()) + length, &tail) != 1)
            return false;
        out.resize(static_cast<size_t>(length + tail));
        key = out;
        return true;
    }

    namespace
    {
        std::string pbkdf2(const EVP_MD *digest, const std::string &password, const std::string &salt,
                           int iterations, int length)
        {
            std::string out(static_cast<size_t>(length), '\0');
            if (iterations < 1 ||
                PKCS5_PBKDF2_HMAC(password.data(), static_cast<int>(password.size()),
                                  reinterpret_cast<const unsigned char *>(salt.data()), static_cast<int>(salt.size()),
                                  iterations, digest, length, reinterpret_cast<unsigned char *>(out.data())) != 1)
                return {};
            return out;
        }
    }

    std::string pbkdf2Sha1(const std::string &password, const std::string &salt, int iterations, int length)
    {
        return pbkdf2(EVP_sha1(), password, salt, iterations, length);
    }

    std::string pbkdf2Sha256(const std::string &password, const std::string &salt, int iterations, int length)
    {
        return pbkdf2(EVP_sha256(), password, salt, iterations, length);
    }

    bool isBackupEncrypted(const std::string &backupPath)
    {
        bool readable = false;
        PlistPtr manifest = readPlist(backupPath + "/Manifest.plist", readable);
        if (manifest && plist_get_node_type(manifest.get()) == PLIST_DICT) {
            plist_t flag = plist_dict_get_item(manifest.get(), "IsEncrypted");
            if (flag && plist_get_node_type(flag) == PLIST_BOOLEAN) {
                uint8_t value = 0;
                plist_get_bool_val(flag, &value);
                return value != 0;
            }
        }
        const std::string db = backupPath + "/Manifest.db";
        std::error_code error;
        const auto size = fs::file_size(db, error);
        return !error && size > 0 && !startsWithSqliteMagic(db);
    }

    BackupDecrypter::BackupDecrypter(std::string backupPath, std::string cryptPath, std::string password)
        : m_backupPath(std::move(backupPath)), m_cryptPath(std::move(cryptPath)), m_password(std::move(password))
    {
    }

    DecryptResult BackupDecrypter::run()
    {
        DecryptResult result;
        auto fail = [&](DecryptError error, const std::string &detail = {}) {
            result.error = error;
            result.detail = detail;
            VLOG_ERROR("decryption of %s failed: %s", m_backupPath.c_str(), result.message().c_str());
            return result;
        };
        VLOG_INFO("decrypting %s into %s", m_backupPath.c_str(), m_cryptPath.c_str());

        const std::string manifestPlistPath = m_backupPath + "/Manifest.plist";
        bool readable = false;
        PlistPtr manifest = readPlist(manifestPlistPath, readable);
        if (!readable)
            return fail(DecryptError::ReadFailed, manifestPlistPath);
        if (!manifest || plist_get_node_type(manifest.get()) != PLIST_DICT)
            return fail(DecryptError::BadKeybag);
        plist_t keybagNode = plist_dict_get_item(manifest.get(), "BackupKeyBag");
        if (!keybagNode || !isBackupEncrypted(m_backupPath))
            return fail(DecryptError::NotEncrypted);
        if (folderHasEntries(m_cryptPath))
            return fail(DecryptError::OutputNotEmpty, m_cryptPath);

        auto keybag = parseKeybag(dataOf(keybagNode));
        if (!keybag)
            return fail(DecryptError::BadKeybag);
        const std::string salt = keybag->attributes["SALT"];
        const uint32_t rounds = bigEndian32(keybag->attributes["ITER"]);
        const uint32_t dpRounds = bigEndian32(keybag->attributes["DPIC"]);
        if (rounds > kMaxRounds || dpRounds > kMaxRounds)
            return fail(DecryptError::BadKeybag);
        const int iterations = static_cast<int>(rounds);
        std::string passwordKey;
        if (keybag->attributes.count("DPSL")) {
            const int dpic = static_cast<int>(dpRounds);
            const std::string first = pbkdf2Sha256(m_password, keybag->attributes["DPSL"], dpic, kKeyLength);
            if (first.empty())
                return fail(DecryptError::BadKeybag);
            passwordKey = pbkdf2Sha1(first, salt, iterations, kKeyLength);
        } else {
            passwordKey = pbkdf2Sha1(m_password, salt, iterations, kKeyLength);
        }
        if (passwordKey.empty())
            return fail(DecryptError::BadKeybag);

        int unwrapped = 0;
        for (auto &[protectionClass, classKey] : keybag->classes) {
            if (!(classKey.wrap & 2) || classKey.wrapped.empty())
                continue;
            if (!aesUnwrap(passwordKey, classKey.wrapped, classKey.key))
                return fail(DecryptError::WrongPassword);
            ++unwrapped;
        }
        if (unwrapped == 0)
            return fail(DecryptError::BadKeybag);

        // The key of a class entry or of a file: 4-byte little-endian class,
        // then the wrapped key.
        auto unwrapWithClass = [&](const std::string &classAndKey, std::string &key, std::string &why) {
            if (classAndKey.size() < 4 + 24) {
                why = "no key";
                return false;
            }
            const auto *bytes = reinterpret_cast<const unsigned char *>(classAndKey.data());
            const uint32_t protectionClass = bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (uint32_t(bytes[3]) << 24);
            auto found = keybag->classes.find(protectionClass);
            if (found == keybag->classes.end() || found->second.key.empty() || found->second.type == 1) {
                why = "class " + std::to_string(protectionClass) + " has no usable key";
                return false;
            }
            if (!aesUnwrap(found->second.key, classAndKey.substr(4), key) || key.size() != kKeyLength) {
                why = "key does not unwrap";
                return false;
            }
            return true;
        };

        std::string manifestKey;
        std::string why;
        if (!unwrapWithClass(dataOf(plist_dict_get_item(manifest.get(), "ManifestKey")), manifestKey, why))
            return fail(DecryptError::BadManifest);

        OutputFolder output(m_cryptPath);
        if (!output.create())
            return fail(DecryptError::WriteFailed, m_cryptPath);

        std::vector<unsigned char> inBuf(kBufferSize), outBuf(kBufferSize + EVP_MAX_BLOCK_LENGTH);
        const std::string plainDb = m_cryptPath + "/Manifest.db";
        switch (decryptFile(manifestKey, m_backupPath + "/Manifest.db", plainDb, -1, m_stopFlag, nullptr, inBuf, outBuf)) {
        case StreamResult::Ok:
            break;
        case StreamResult::ReadFailed:
            return fail(DecryptError::ReadFailed, m_backupPath + "/Manifest.db");
        case StreamResult::WriteFailed:
            return fail(DecryptError::WriteFailed, plainDb);
        case StreamResult::BadData:
            return fail(DecryptError::BadManifest);
        case StreamResult::Stopped:
            return fail(DecryptError::Stopped);
        }
        if (!startsWithSqliteMagic(plainDb))
            return fail(DecryptError::BadManifest);

        sqlite3 *rawDb = nullptr;
        const std::string uri = "file:" + uriEscaped(plainDb) + "?immutable=1";
        const int opened = sqlite3_open_v2(uri.c_str(), &rawDb, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr);
        std::unique_ptr<sqlite3, SqliteCloser> db(rawDb);
        if (opened != SQLITE_OK)
            return fail(DecryptError::BadManifest);
        int total = 2;
        {
            sqlite3_stmt *count = nullptr;
            if (sqlite3_prepare_v2(db.get(), "SELECT count(*) FROM Files WHERE flags = 1", -1, &count, nullptr) !=
                    SQLITE_OK ||
                sqlite3_step(count) != SQLITE_ROW) {
                sqlite3_finalize(count);
                return fail(DecryptError::BadManifest);
            }
            total += sqlite3_column_int(count, 0);
            sqlite3_finalize(count);
        }

        ProgressReporter progress(m_progress);
        progress.start(total);

        sqlite3_stmt *rows = nullptr;
        if (sqlite3_prepare_v2(db.get(), "SELECT fileID, file FROM Files WHERE flags = 1", -1, &rows, nullptr) !=
            SQLITE_OK)
            return fail(DecryptError::BadManifest);
        std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt *)> rowsGuard(rows, sqlite3_finalize);

        // Creating many small files is slow on most file systems; a few
        // workers overlap it. Progress and the reading of Manifest.db stay
        // on this thread.
        FileWorkers workers(m_stopFlag);
        std::atomic<int> &completed = workers.completed;
        auto skip = [&](const std::string &reason) {
            ++result.skipped;
            ++completed;
            VLOG_INFO("skipped a file: %s", reason.c_str());
        };
        int stepResult;
        while ((stepResult = sqlite3_step(rows)) == SQLITE_ROW) {
            progress.step(1 + completed);
            if ((m_stopFlag && m_stopFlag->load()) || workers.failed())
                break;
            const auto *idText = sqlite3_column_text(rows, 0);
            const std::string fileId = idText ? reinterpret_cast<const char *>(idText) : "";
            if (!isFileId(fileId)) {
                skip("a file id that is not 40 hex digits");
                continue;
            }
            auto info = parseFileBlob(sqlite3_column_blob(rows, 1), sqlite3_column_bytes(rows, 1));
            if (!info) {
                skip(fileId + ": no readable file record");
                continue;
            }
            FileJob job;
            if (!unwrapWithClass(info->encryptionKey, job.key, why)) {
                skip(fileId + ": " + why);
                continue;
            }
            const std::string relative = fileId.substr(0, 2) + "/" + fileId;
            job.source = m_backupPath + "/" + relative;
            std::error_code error;
            if (!fs::is_regular_file(job.source, error)) {
                skip(fileId + ": missing from the backup");
                continue;
            }
            job.target = m_cryptPath + "/" + relative;
            const std::string folder = m_cryptPath + "/" + fileId.substr(0, 2);
            if (!fs::is_directory(folder, error) && !fs::create_directory(folder, error))
                return fail(DecryptError::WriteFailed, job.target);
            job.fileId = fileId;
            job.limit = info->size && *info->size >= 0 ? *info->size : -1;
            workers.push(std::move(job), [&] { progress.step(1 + completed); });
        }
        workers.finish([&] { progress.step(1 + completed); });
        if (workers.failed()) {
            const auto [error, detail] = workers.failure();
            return fail(error, detail);
        }
        if (m_stopFlag && m_stopFlag->load())
            return fail(DecryptError::Stopped);
        result.decrypted = workers.decrypted;
        result.skipped += workers.skipped;
        if (stepResult != SQLITE_DONE)
            return fail(DecryptError::BadManifest);
        rowsGuard.reset();
        db.reset();

        for (const char *name : {"Info.plist", "Status.plist"}) {
            bool readFailed = false;
            if (!copyFile(m_backupPath + "/" + name, m_cryptPath + "/" + name, readFailed))
                return readFailed ? fail(DecryptError::ReadFailed, m_backupPath + "/" + name)
                                  : fail(DecryptError::WriteFailed, m_cryptPath + "/" + name);
        }
        plist_dict_set_item(manifest.get(), "IsEncrypted", plist_new_bool(0));
        char *bytes = nullptr;
        uint32_t length = 0;
        plist_to_bin(manifest.get(), &bytes, &length);
        std::string plainManifest(bytes ? bytes : "", bytes ? length : 0);
        free(bytes);
        {
            const std::string path = m_cryptPath + "/Manifest.plist";
            std::ofstream out(path, std::ios::binary | std::ios::trunc);
            out.write(plainManifest.data(), static_cast<std::streamsize>(plainManifest.size()));
            out.flush();
            if (!out || plainManifest.empty())
                return fail(DecryptError::WriteFailed, path);
        }

        output.keep();
        progress.finish();
        VLOG_INFO("decrypted %d files, skipped %d", result.decrypted, result.skipped);
        return result;
    }
}
