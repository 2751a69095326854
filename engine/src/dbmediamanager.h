#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "manifestindex.h"


// The process-wide folders of the current scan, and the lookups, copies and
// downloads that processors make against the backup. The lookups read
// Manifest.db once per scan into an index and answer from it exactly as
// their statements would (or ask the file itself when the index cannot hold
// it); one that finds nothing yields "".
class DBMediaManager
{
public:
    static DBMediaManager &Instance();

    // stopFlag, when given, is the running scan's stop request: a download
    // ends when it is set. It must stay valid until EndScan.
    void SetPaths(const std::wstring &backupDir, const std::wstring &outputDir,
                  const std::atomic<bool> *stopFlag = nullptr);
    void EndScan(); // forgets the output folder, the stop flag and the cached WhatsApp owner

    std::wstring GetBackupDir() const;
    std::wstring GetOutputDir() const;
    std::wstring GetManifestPath() const;

    void SetThumbName(const std::wstring &name);
    std::wstring GetThumbName() const; // "5005.JPG" while none is set

    // The backup file-id rule: a file id is exactly 40 hexadecimal digits and
    // lies at <backup>/<first two digits>/<id>. Anything else gives "".
    static bool IsFileId(const std::wstring &fileID);
    static std::wstring FileIdPath(const std::wstring &backupDir, const std::wstring &fileID);
    // The file id of a domain and relative path: SHA-1 of "domain-relativePath".
    static std::wstring FileIdOf(const std::wstring &domain, const std::wstring &relativePath);

    // Manifest.db lookups; each returns a file id or "".
    std::wstring FindFileIdByPath(const std::wstring &relativePath) const;
    std::wstring FindFileIdLike(const std::wstring &text) const;
    // A file of exactly this name: its path is the name or ends in "/name".
    std::wstring FindFileIdByFileName(const std::wstring &name) const;
    std::wstring FindFileIdByDomainAndPath(const std::wstring &domainPart, const std::wstring &pathPart) const;
    std::wstring FindDocumentFileId(const std::wstring &name) const;
    // Finds a file whose path holds name (thumbnails only, or no thumbnails);
    // on success appends the found file's extension to name, else empties it.
    std::wstring FindFileWithExtension(std::wstring &name, bool thumbnail) const;

    static std::wstring GetExtension(const std::wstring &path);

    // Copies a backed-up file to <output>/<fileID><extension>; returns that path or "".
    std::wstring CopyBackupFile(const std::wstring &fileID, const std::wstring &extension) const;
    std::wstring ExportByPath(const std::wstring &relativePath) const;
    std::wstring ExportLike(const std::wstring &text, const std::wstring &extension) const;
    static bool CopyLocalFile(const std::wstring &source, const std::wstring &destination);
    static bool FileExists(const std::wstring &path);

    // Downloads a picture to <output>/Line/<id>.jpg; returns that path or "".
    // noAnswer, when given, is set when a request went out and no HTTP
    // answer came back (the server is out of reach, not just the picture).
    std::wstring DownloadPicture(const std::wstring &url, const std::wstring &id, bool *noAnswer = nullptr) const;
    void SetDownloadTimeouts(std::chrono::milliseconds connect, std::chrono::milliseconds total);

    // Reads the owner's number from WhatsApp's preferences in a backup and
    // keeps it until the end of the next scan.
    std::wstring GetWhatsAppOwner(const std::wstring &backupDir);
    std::wstring CachedWhatsAppOwner() const;

    // For tests: with false every lookup runs its statement over the whole list.
    void UseFileListIndex(bool use);

private:
    const std::atomic<bool> *currentStopFlag() const;
    DBMediaManager() = default;
    // One lookup: the first row's first column that is a file id, or "".
    // A LIKE lookup also gives a text every row holds in its relativePath
    // and its condition on one row (flags = 1 aside), for the index.
    std::wstring FirstFileId(const char *sql, const std::vector<std::string> &arguments,
                             const std::wstring *contained = nullptr,
                             const std::function<bool(const CManifestIndex::Row &)> &test = nullptr,
                             std::wstring *relativePath = nullptr) const;
    // The file list of the current backup, opened on first use for the
    // whole scan; null when it cannot be opened.
    std::shared_ptr<CManifestIndex> FileList() const;
    void DropFileList();

    mutable std::mutex m_mutex;
    std::wstring m_backupDir;
    std::wstring m_outputDir;
    std::wstring m_manifestPath;
    std::wstring m_whatsAppOwner;
    std::wstring m_thumbName;
    const std::atomic<bool> *m_stopFlag = nullptr;
    std::chrono::milliseconds m_connectTimeout {15000};
    std::chrono::milliseconds m_totalTimeout {60000};

    // Guards the file list; taken before m_mutex, never inside it.
    mutable std::mutex m_fileListMutex;
    mutable std::shared_ptr<CManifestIndex> m_fileList;
    mutable std::wstring m_fileListPath; // the Manifest.db it reads
    bool m_useFileListIndex = true;
};
