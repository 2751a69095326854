#include "dbscanafccameraroll.h"

#include "dbmediamanager.h"
#include "engineutil.h"

namespace
{
    bool hasParentStep(const std::wstring &normalizedPath)
    {
        size_t start = 0;
        while (start <= normalizedPath.size()) {
            size_t end = normalizedPath.find(L'/', start);
            if (end == std::wstring::npos)
                end = normalizedPath.size();
            if (normalizedPath.compare(start, end - start, L"..") == 0)
                return true;
            start = end + 1;
        }
        return false;
    }
}

void CDBScanAFCCameraRoll::ProcessRow(sqlite3_stmt *row, void *user, DBExecutorCallback callback, int32_t)
{
    STFiles record;
    record.name = TextColumn(row, 2);
    record.date = Int64Column(row, 3);
    record.filePath = L"/" + TextColumn(row, 1) + L"/" + record.name;
    record.extraPath = ThumbnailPath(DBMediaManager::Instance().GetOutputDir(), record.filePath);
    trace(record);
    DeliverFile(record, callback, user);
}

std::wstring CDBScanAFCCameraRoll::ThumbnailPath(const std::wstring &outputDir, const std::wstring &devicePath)
{
    // The names come from the device's database: a ".." would lead out of the output folder.
    std::wstring relative = devicePath + L"/" + DBMediaManager::Instance().GetThumbName();
    NormalizePath(relative);
    if (outputDir.empty() || hasParentStep(relative))
        return {};
    std::wstring path = outputDir + L"/PhotoData/Thumbnails/V2/" + relative;
    NormalizePath(path);
    return path;
}

void CDBScanAFCCameraRoll::trace(const STFiles &record) const
{
    if (!DebugTraceEnabled())
        return;
    DebugTraceA("===========%ss=========\n", m_word);
    DebugTraceW(L"%sPath: %ls\n", m_word, record.filePath.c_str());
    DebugTraceW(L"ThumbnailPath: %ls\n", record.extraPath.c_str());
    DebugTraceW(L"%sName: %ls\n", m_word, record.name.c_str());
    DebugTraceA("%sdate: %lld\n", m_word, static_cast<long long>(record.date));
    DebugTraceA("===========================\n");
}
