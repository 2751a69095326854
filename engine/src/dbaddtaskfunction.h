#pragma once

#include "dbtask.h"

// A builder appends exactly one task for its category, also when the
// category's database is missing; the task then yields no rows. It appends
// none when a database it must look into stays locked past its wait, and a
// task that carries the error (CDBTask::error) when the file list it looks
// into cannot be read: the scan reports that category as failed.
using DBTaskBuilder = void (*)(const std::wstring &backupPath, DBTaskList &tasks);

// The builder of a category bit in a backup scan, or null when it has none.
DBTaskBuilder BackupTaskBuilder(int32_t categoryBit);
// The builder of a category bit in a device scan (photos and videos only).
DBTaskBuilder DeviceTaskBuilder(int32_t categoryBit);

void AddManifestTask(const std::wstring &backupPath, DBTaskList &tasks);
void AddSmsTask(const std::wstring &backupPath, DBTaskList &tasks);
void AddAddressBookTask(const std::wstring &backupPath, DBTaskList &tasks);
void AddBookmarksTask(const std::wstring &backupPath, DBTaskList &tasks);
void AddSafariHistoryTask(const std::wstring &backupPath, DBTaskList &tasks);
void AddCallHistoryTask(const std::wstring &backupPath, DBTaskList &tasks);
void AddFaceTimeTask(const std::wstring &backupPath, DBTaskList &tasks);
void AddVoicemailTask(const std::wstring &backupPath, DBTaskList &tasks);
void AddVoiceMemoTask(const std::wstring &backupPath, DBTaskList &tasks);
void AddNotesTask(const std::wstring &backupPath, DBTaskList &tasks);
void AddCalendarTask(const std::wstring &backupPath, DBTaskList &tasks);
void AddRemindersTask(const std::wstring &backupPath, DBTaskList &tasks);
void AddPhotosTask(const std::wstring &backupPath, DBTaskList &tasks);
void AddVideoTask(const std::wstring &backupPath, DBTaskList &tasks);
void AddDevicePhotosTask(const std::wstring &backupPath, DBTaskList &tasks);
void AddDeviceVideoTask(const std::wstring &backupPath, DBTaskList &tasks);
void Add3rdImageTask(const std::wstring &backupPath, DBTaskList &tasks);
void Add3rdVideoTask(const std::wstring &backupPath, DBTaskList &tasks);
void Add3rdAudioTask(const std::wstring &backupPath, DBTaskList &tasks);
void Add3rdDocumentTask(const std::wstring &backupPath, DBTaskList &tasks);
void AddLineTask(const std::wstring &backupPath, DBTaskList &tasks);
void AddWhatsAppTask(const std::wstring &backupPath, DBTaskList &tasks);
