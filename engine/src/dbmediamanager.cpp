#include "dbmediamanager.h"

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
