#pragma once

#include "dbfilesprocessor.h"

// Camera-roll rows of the photo library copied from a device: the record
// carries the asset's path on the device and the local path of the
// thumbnail that the device copy brought into the output folder.
class CDBScanAFCCameraRoll : public CDBFilesProcessor
{
public:
    // word names the asset in the trace ("Photo", "Vedio").
    CDBScanAFCCameraRoll(int kind, const char *word)
        : CDBFilesProcessor(kind)
        , m_word(word)
    {
    }
    void ProcessRow(sqlite3_stmt *row, void *user, DBExecutorCallback callback, int32_t queryIndex) override;

    // <output>/PhotoData/Thumbnails/V2/<devicePath>/<thumbnail name>, or ""
    // when there is no output folder or devicePath would step out of it.
    static std::wstring ThumbnailPath(const std::wstring &outputDir, const std::wstring &devicePath);

private:
    void trace(const STFiles &record) const;

    const char *m_word;
};
