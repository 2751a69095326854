#include "dbaddtaskfunction.h"

#include "dbtaskmanifest.h"
#include "enginelog.h"

namespace
{
    void appendTask(DBTaskList &tasks, int32_t category, std::vector<DBQuery> queries,
                    std::unique_ptr<IDBProcessor> processor)
    {
        tasks.push_back(std::make_unique<CDBTask>(category, DBTYPE_SQLITE, std::move(queries), std::move(processor)));
    }
}

void AddManifestTask(const std::wstring &backupPath, DBTaskList &tasks)
{
    appendTask(tasks, DBAPP_MANIFEST, {{0, backupPath + L"/Manifest.db", L"SELECT * FROM Files"}},
               std::make_unique<CDBTaskManifest>());
    VARDEX_LOG("Add scan task:manifest");
}

DBTaskBuilder BackupTaskBuilder(int32_t categoryBit)
{
    switch (categoryBit) {
    case DBAPP_MANIFEST: return AddManifestTask;
    default: return nullptr;
    }
}

DBTaskBuilder DeviceTaskBuilder(int32_t)
{
    return nullptr;
}
