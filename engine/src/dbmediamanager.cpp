#include "dbmediamanager.h"

#include "engineutil.h"

#include <filesystem>

DBMediaManager &DBMediaManager::Instance()
{
    static DBMediaManager instance;
    return instance;
}

void DBMediaManager::SetPaths(const std::wstring &backupDir, const std::wstring &outputDir)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_outputDir = outputDir;
    m_backupDir = backupDir;
    m_manifestPath = backupDir + L"/Manifest.db";
}

void DBMediaManager::EndScan()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_outputDir.clear();
    m_whatsAppOwner.clear();
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

// Lookups, copies and downloads: not there yet; they find nothing.
std::wstring DBMediaManager::FindFileIdByPath(const std::wstring &) const { return {}; }
std::wstring DBMediaManager::FindFileIdLike(const std::wstring &) const { return {}; }
std::wstring DBMediaManager::FindFileIdByDomainAndPath(const std::wstring &, const std::wstring &) const { return {}; }
std::wstring DBMediaManager::FindDocumentFileId(const std::wstring &) const { return {}; }
std::wstring DBMediaManager::FindFileWithExtension(std::wstring &name, bool) const { name.clear(); return {}; }
std::wstring DBMediaManager::GetExtension(const std::wstring &) { return {}; }
std::wstring DBMediaManager::CopyBackupFile(const std::wstring &, const std::wstring &) const { return {}; }
std::wstring DBMediaManager::ExportByPath(const std::wstring &) const { return {}; }
std::wstring DBMediaManager::ExportLike(const std::wstring &, const std::wstring &) const { return {}; }
bool DBMediaManager::FileExists(const std::wstring &) { return false; }
std::wstring DBMediaManager::DownloadPicture(const std::wstring &, const std::wstring &) const { return {}; }
std::wstring DBMediaManager::GetWhatsAppOwner(const std::wstring &) { return {}; }

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
