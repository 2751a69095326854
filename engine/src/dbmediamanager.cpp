#include "dbmediamanager.h"

#include "dbconnector.h"
#include "enginelog.h"
#include "engineutil.h"
#include "manifestindex.h"
#include "picturedownload.h"
#include "sha1.h"

#include <plist/plist.h>
#include <plistguard.h>
#include <sqlite3.h>

#include <filesystem>
#include <memory>

namespace
{
    // Every LIKE takes its search text as a bound "%text%" pattern with '\'
    // escaping, so a name holding a quote, '%' or '_' matches only itself.
    const char *const ByPathSql = "SELECT fileID FROM Files WHERE relativePath = ?1";
    const char *const LikeSql =
        "SELECT fileID FROM Files WHERE relativePath LIKE ?1 ESCAPE '\\' AND flags = 1";
    // A whole file name: the path is the name, or ends in "/name".
    const char *const FileNameSql =
        "SELECT fileID FROM Files WHERE (relativePath LIKE ?1 ESCAPE '\\' OR relativePath LIKE ?2 ESCAPE '\\') "
        "AND flags = 1";
    const char *const DomainAndPathSql =
        "SELECT fileID FROM Files WHERE domain LIKE ?1 ESCAPE '\\' AND relativePath LIKE ?2 ESCAPE '\\' "
        "AND flags = 1";
    const char *const DocumentSql =
        "SELECT fileID FROM Files WHERE (relativePath LIKE '%File Provider Storage%' OR relativePath LIKE "
        "'%Documents%') AND relativePath LIKE ?1 ESCAPE '\\' AND flags = 1";
    const char *const ThumbnailSql =
        "SELECT fileID, relativePath FROM Files WHERE relativePath LIKE ?1 ESCAPE '\\' "
        "AND relativePath LIKE '%thumb%' AND flags = 1";
    const char *const FullSizeSql =
        "SELECT fileID, relativePath FROM Files WHERE relativePath LIKE ?1 ESCAPE '\\' "
        "AND relativePath NOT LIKE '%Thumbnails%' AND flags = 1";
    // The statements' own patterns, for the index's tests of one row.
    const std::string FileProviderPattern = "%File Provider Storage%";
    const std::string DocumentsPattern = "%Documents%";
    const std::string ThumbPattern = "%thumb%";
    const std::string ThumbnailsPattern = "%Thumbnails%";

    using Row = CManifestIndex::Row;
    bool Like(const char *text, const std::string &pattern)
    {
        return CManifestIndex::Like(text, pattern);
    }

    // WhatsApp's preferences property list, by its backup file id.
    const wchar_t *const WhatsAppPreferencesId = L"be7e71b773c6d7d4114a8acf0529f623f3884bfb";
    // Preferences are small; anything larger is not read into memory.
    constexpr uintmax_t MaxPreferencesSize = 16 * 1024 * 1024;

    std::string escapedPattern(const std::wstring &text)
    {
        std::string pattern;
        for (char c : WideToUtf8(text)) {
            if (c == '%' || c == '_' || c == '\\')
                pattern += '\\';
            pattern += c;
        }
        return pattern;
    }

    std::string containsPattern(const std::wstring &text)
    {
        return "%" + escapedPattern(text) + "%";
    }

    std::filesystem::path fsPath(const std::wstring &path)
    {
        return std::filesystem::path(WideToUtf8(path));
    }

    bool isRegularFile(const std::wstring &path)
    {
        std::error_code ec;
        return std::filesystem::is_regular_file(fsPath(path), ec);
    }

    void removeFile(const std::wstring &path)
    {
        std::error_code ec;
        std::filesystem::remove(fsPath(path), ec);
    }

    // A name that stays inside the folder it is put in.
    bool isPlainFileName(const std::wstring &name)
    {
        return !name.empty() && name.find_first_of(std::wstring(L"/\\\0", 3)) == std::wstring::npos &&
               name.find(L"..") == std::wstring::npos;
    }

    std::wstring ownerFromPreferences(const std::wstring &path)
    {
        std::error_code ec;
        const uintmax_t size = std::filesystem::file_size(fsPath(path), ec);
        if (ec || size <= 7 || size > MaxPreferencesSize)
            return {};
        const std::string bytes = ReadWholeFile(path);
        if (bytes.size() <= 7 || !PlistGuard::acceptable(bytes.data(), bytes.size()))
            return {};
        plist_t root = nullptr;
        plist_from_memory(bytes.data(), uint32_t(bytes.size()), &root);
        std::unique_ptr<void, void (*)(plist_t)> owned(root, plist_free);
        if (!root || plist_get_node_type(root) != PLIST_DICT)
            return {};
        plist_t item = plist_dict_get_item(root, "LastOwnJabberID");
        if (!item || plist_get_node_type(item) != PLIST_STRING)
            return {};
        uint64_t length = 0;
        const char *value = plist_get_string_ptr(item, &length);
        const std::wstring jid = value ? Utf8ToWide(value, size_t(length)) : std::wstring();
        return jid.substr(0, jid.find(L'@'));
    }
}

DBMediaManager &DBMediaManager::Instance()
{
    static DBMediaManager instance;
    return instance;
}

void DBMediaManager::SetPaths(const std::wstring &backupDir, const std::wstring &outputDir,
                              const std::atomic<bool> *stopFlag)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_outputDir = outputDir;
    m_backupDir = backupDir;
    m_manifestPath = backupDir.empty() ? std::wstring() : backupDir + L"/Manifest.db";
    m_stopFlag = stopFlag;
    lock.unlock();
    DropFileList(); // a new scan reads the list afresh
}

void DBMediaManager::EndScan()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_outputDir.clear();
    m_whatsAppOwner.clear();
    m_stopFlag = nullptr;
    lock.unlock();
    DropFileList();
}

void DBMediaManager::DropFileList()
{
    std::lock_guard<std::mutex> lock(m_fileListMutex);
    m_fileList.reset();
    m_fileListPath.clear();
}

void DBMediaManager::UseFileListIndex(bool use)
{
    std::lock_guard<std::mutex> lock(m_fileListMutex);
    m_useFileListIndex = use;
}

std::wstring DBMediaManager::GetBackupDir() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_backupDir;
}

std::wstring DBMediaManager::GetOutputDir() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_outputDir;
}

std::wstring DBMediaManager::GetManifestPath() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_manifestPath;
}

void DBMediaManager::SetThumbName(const std::wstring &name)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_thumbName = name;
}

std::wstring DBMediaManager::GetThumbName() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_thumbName.empty() ? std::wstring(L"5005.JPG") : m_thumbName;
}

bool DBMediaManager::IsFileId(const std::wstring &fileID)
{
    if (fileID.size() != 40)
        return false;
    for (wchar_t c : fileID) {
        if (!((c >= L'0' && c <= L'9') || (c >= L'a' && c <= L'f') || (c >= L'A' && c <= L'F')))
            return false;
    }
    return true;
}

std::wstring DBMediaManager::FileIdPath(const std::wstring &backupDir, const std::wstring &fileID)
{
    if (backupDir.empty() || !IsFileId(fileID))
        return {};
    return backupDir + L"/" + fileID.substr(0, 2) + L"/" + fileID;
}

bool DBMediaManager::CopyLocalFile(const std::wstring &source, const std::wstring &destination)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    return !source.empty() && !destination.empty() &&
           fs::copy_file(fs::path(WideToUtf8(source)), fs::path(WideToUtf8(destination)),
                         fs::copy_options::overwrite_existing, ec);
}

std::wstring DBMediaManager::FileIdOf(const std::wstring &domain, const std::wstring &relativePath)
{
    return Utf8ToWide(CSHA1::Hex(WideToAnsi(domain + L"-" + relativePath)));
}

const std::atomic<bool> *DBMediaManager::currentStopFlag() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_stopFlag;
}

std::shared_ptr<CManifestIndex> DBMediaManager::FileList() const
{
    const std::wstring manifest = GetManifestPath();
    std::lock_guard<std::mutex> lock(m_fileListMutex);
    if (manifest.empty())
        return nullptr;
    if (m_fileList && m_fileListPath == manifest)
        return m_fileList;
    m_fileList.reset();
    sqlite3 *db = nullptr;
    if (OpenBackupDatabase(manifest, &db) != SQLITE_OK)
        return nullptr; // tried again next time: the file may yet appear
    // A locked file list is waited for like the scan's own reads: until it is
    // released or the scan stops; without a scan, for half a minute at most.
    const std::atomic<bool> *stopFlag = currentStopFlag();
    m_fileList = std::make_shared<CManifestIndex>(db, BusyWait {stopFlag, stopFlag ? -1 : 30000});
    m_fileListPath = manifest;
    return m_fileList;
}

std::wstring DBMediaManager::FirstFileId(const char *sql, const std::vector<std::string> &arguments,
                                         const std::wstring *contained,
                                         const std::function<bool(const CManifestIndex::Row &)> &test,
                                         std::wstring *relativePath) const
{
    const std::shared_ptr<CManifestIndex> fileList = FileList();
    if (!fileList)
        return {};
    bool useIndex;
    {
        std::lock_guard<std::mutex> lock(m_fileListMutex);
        useIndex = m_useFileListIndex;
    }
    const std::string text = contained && useIndex ? WideToUtf8(*contained) : std::string();
    std::string fileID, path;
    const bool indexed = !text.empty() && test;
    if (!fileList->First(sql, arguments, indexed ? &text : nullptr, indexed ? &test : nullptr, fileID,
                         relativePath ? &path : nullptr))
        return {};
    if (relativePath)
        *relativePath = Utf8ToWide(path);
    return Utf8ToWide(fileID);
}

std::wstring DBMediaManager::FindFileIdByPath(const std::wstring &relativePath) const
{
    if (relativePath.empty())
        return {};
    return FirstFileId(ByPathSql, {WideToUtf8(relativePath)});
}

std::wstring DBMediaManager::FindFileIdLike(const std::wstring &text) const
{
    if (text.empty())
        return {};
    const std::string pattern = containsPattern(text);
    return FirstFileId(LikeSql, {pattern}, &text, [&](const Row &row) { return Like(row.path, pattern); });
}

std::wstring DBMediaManager::FindFileIdByFileName(const std::wstring &name) const
{
    if (name.empty())
        return {};
    const std::string whole = escapedPattern(name);
    const std::string inFolder = "%/" + whole;
    // Either way the path ends in the name's last component.
    const size_t slash = name.rfind(L'/');
    const std::wstring last = slash == std::wstring::npos ? name : name.substr(slash + 1);
    return FirstFileId(FileNameSql, {whole, inFolder}, &last,
                       [&](const Row &row) { return Like(row.path, whole) || Like(row.path, inFolder); });
}

std::wstring DBMediaManager::FindFileIdByDomainAndPath(const std::wstring &domainPart,
                                                       const std::wstring &pathPart) const
{
    if (domainPart.empty() || pathPart.empty())
        return {};
    const std::string domain = containsPattern(domainPart);
    const std::string path = containsPattern(pathPart);
    return FirstFileId(DomainAndPathSql, {domain, path}, &pathPart,
                       [&](const Row &row) { return Like(row.domain, domain) && Like(row.path, path); });
}

std::wstring DBMediaManager::FindDocumentFileId(const std::wstring &name) const
{
    if (name.empty())
        return {};
    const std::string pattern = containsPattern(name);
    return FirstFileId(DocumentSql, {pattern}, &name, [&](const Row &row) {
        return (Like(row.path, FileProviderPattern) || Like(row.path, DocumentsPattern)) && Like(row.path, pattern);
    });
}

std::wstring DBMediaManager::FindFileWithExtension(std::wstring &name, bool thumbnail) const
{
    std::wstring relativePath;
    std::wstring fileID;
    if (!name.empty()) {
        const std::string pattern = containsPattern(name);
        const auto test = [&](const Row &row) {
            return Like(row.path, pattern) &&
                   (thumbnail ? Like(row.path, ThumbPattern) : !Like(row.path, ThumbnailsPattern));
        };
        fileID = FirstFileId(thumbnail ? ThumbnailSql : FullSizeSql, {pattern}, &name, test, &relativePath);
    }
    if (fileID.empty())
        name.clear();
    else
        name += GetExtension(relativePath);
    return fileID;
}

std::wstring DBMediaManager::GetExtension(const std::wstring &path)
{
    const size_t separator = path.find_last_of(L"/\\");
    const size_t nameStart = separator == std::wstring::npos ? 0 : separator + 1;
    const size_t dot = path.rfind(L'.');
    if (dot == std::wstring::npos || dot < nameStart)
        return {};
    return path.substr(dot);
}

std::wstring DBMediaManager::CopyBackupFile(const std::wstring &fileID, const std::wstring &extension) const
{
    if (extension.find_first_of(L"/\\") != std::wstring::npos)
        return {};
    const std::wstring source = FileIdPath(GetBackupDir(), fileID);
    const std::wstring outputDir = GetOutputDir();
    if (source.empty() || outputDir.empty() || !isRegularFile(source) || !MakeFolders(outputDir))
        return {};
    const std::wstring destination = outputDir + L"/" + fileID + extension;
    if (CopyLocalFile(source, destination))
        return destination;
    removeFile(destination); // never leave a half copy that looks whole
    return {};
}

std::wstring DBMediaManager::ExportByPath(const std::wstring &relativePath) const
{
    return CopyBackupFile(FindFileIdByPath(relativePath), GetExtension(relativePath));
}

std::wstring DBMediaManager::ExportLike(const std::wstring &text, const std::wstring &extension) const
{
    return CopyBackupFile(FindFileIdLike(text), extension.empty() ? GetExtension(text) : extension);
}

bool DBMediaManager::FileExists(const std::wstring &path)
{
    return PathExists(path);
}

void DBMediaManager::SetDownloadTimeouts(std::chrono::milliseconds connect, std::chrono::milliseconds total)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_connectTimeout = connect;
    m_totalTimeout = total;
}

std::wstring DBMediaManager::DownloadPicture(const std::wstring &url, const std::wstring &id, bool *noAnswer) const
{
    if (noAnswer)
        *noAnswer = false;
    const std::wstring outputDir = GetOutputDir();
    const std::atomic<bool> *stopFlag = currentStopFlag();
    std::chrono::milliseconds connectTimeout, totalTimeout;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        connectTimeout = m_connectTimeout;
        totalTimeout = m_totalTimeout;
    }
    if (url.empty() || outputDir.empty() || !isPlainFileName(id) || (stopFlag && stopFlag->load()))
        return {};
    std::wstring folder = outputDir + L"/Line";
    NormalizePath(folder);
    const std::wstring filePath = folder + L"/" + id + L".jpg";
    const CPictureDownload download(connectTimeout, totalTimeout, stopFlag);
    if (MakeFolders(folder) && download.Run(WideToUtf8(url), WideToUtf8(filePath), noAnswer))
        return filePath;
    VARDEX_LOGW(L"%ls download failed", url.c_str());
    return {};
}

std::wstring DBMediaManager::GetWhatsAppOwner(const std::wstring &backupDir)
{
    if (backupDir.empty()) {
        VARDEX_LOG("backup path is empty");
        return {};
    }
    if (!PathExists(backupDir)) {
        VARDEX_LOG("backup path is not find");
        return {};
    }
    std::wstring preferences = FileIdPath(backupDir, WhatsAppPreferencesId);
    NormalizePath(preferences);
    std::wstring owner = ownerFromPreferences(preferences);
    std::lock_guard<std::mutex> lock(m_mutex);
    m_whatsAppOwner = owner;
    return owner;
}

std::wstring DBMediaManager::CachedWhatsAppOwner() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_whatsAppOwner;
}
