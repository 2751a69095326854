#pragma once

#include <mutex>
#include <string>

// The process-wide folders of the current scan, and the lookups, copies and
// downloads that processors make against the backup.
class DBMediaManager
{
public:
    static DBMediaManager &Instance();

    void SetPaths(const std::wstring &backupDir, const std::wstring &outputDir);
    void EndScan(); // forgets the output folder and the cached WhatsApp owner

    std::wstring GetBackupDir() const;
    std::wstring GetOutputDir() const;
    std::wstring GetManifestPath() const;

    void SetThumbName(const std::wstring &name);
    std::wstring GetThumbName() const; // "5005.JPG" while none is set

private:
    DBMediaManager() = default;

    mutable std::mutex m_mutex;
    std::wstring m_backupDir;
    std::wstring m_outputDir;
    std::wstring m_manifestPath;
    std::wstring m_whatsAppOwner;
    std::wstring m_thumbName;
};
