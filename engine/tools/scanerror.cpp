#include "scanerror.h"

#include "idbexecutor.h"

namespace ScanError
{
    std::string Reason(int error)
    {
        switch (error) {
        case DBERROR_LOCKED: return "a database it needs stayed locked by another program";
        case DBERROR_UNREADABLE: return "a database it needs cannot be opened or read";
        case DBERROR_NOT_A_DATABASE: return "a file it needs is not a database (scrambled or encrypted)";
        case DBERROR_MALFORMED: return "a database it needs is damaged (truncated or malformed)";
        case DBERROR_NO_TABLES: return "a database it needs lacks its tables";
        case DBERROR_NO_BACKUP: return "the backup folder does not exist or cannot be read";
        case DBERROR_NO_MANIFEST: return "the backup's Manifest.db is missing or cannot be read";
        default: return "error " + std::to_string(error);
        }
    }

    bool IsBackupError(int error)
    {
        return error == DBERROR_NO_BACKUP || error == DBERROR_NO_MANIFEST;
    }

    int ExitCode(bool anyError, bool backupError)
    {
        return backupError ? NoBackup : anyError ? SomeCategoryFailed : 0;
    }
}
