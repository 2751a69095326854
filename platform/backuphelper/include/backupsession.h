#pragma once

#include <atomic>
#include <functional>
#include <string>

// What the backup program was asked: its one argument, read by keys.
struct BackupRequest
{
    std::string path;       // the target folder
    std::string target;     // the device's identifier, also its folder's name
    std::string backupType; // the category mask, logged only
    bool full = false;
};

// "-path|DIR|-target|UDID|-a|full|-backuptype|N", keys in any order; false
// when a value is missing, a key is unknown or path or target is empty.
bool parseBackupRequest(const std::string &argument, BackupRequest &out);

// A path the device names ("UDID/ab/abcd...") inside root, where root stands
// for the device's folder; empty when it leaves that folder (another first
// component, "..", ".", empty components, absolute).
std::string resolveDevicePath(const std::string &root, const std::string &udid, const std::string &devicePath);

// Codes of the "Error:" line when the device gave none.
enum BackupFailure
{
    DeviceNotFound = -1,
    NotTrusted = -2,
    ServiceNotStarted = -3,
    DeviceLost = -4,
    WriteFailed = -5,
    PathOutside = -6,
};

// Backs the device up into request.path/.UDID.partial, renamed to
// request.path/UDID once the device reports a finished snapshot. Each output
// line goes to emit without its line end. 0 on success, else 1; stop makes
// it end early (no "Error:" line). The partial folder goes on any failure.
int runBackup(const BackupRequest &request, const std::function<void(const std::string &)> &emit,
              const std::atomic<bool> &stop);

// The partial folder of a request.
std::string partialFolder(const BackupRequest &request);

// The "SnapshotState" of the Status.plist at path, as the device wrote it;
// empty when the file is missing, damaged or holds no such text.
std::string readSnapshotState(const std::string &path);
