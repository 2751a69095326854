#pragma once

#include "idbprocessor.h"
#include "scratchfolder.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

enum DBType : int32_t
{
    DBTYPE_NONE = 0,
    DBTYPE_SQLITE = 1
};

struct DBQuery
{
    int32_t queryIndex = 0; // becomes the sub-type of the records it produces
    std::wstring dbPath;
    std::wstring sql;
};

// One category of a scan: the queries to run and the processor of their rows.
class CDBTask
{
public:
    CDBTask(int32_t category, int32_t dbType, std::vector<DBQuery> queries, std::unique_ptr<IDBProcessor> processor)
        : dbType(dbType)
        , queries(std::move(queries))
        , category(category)
        , processor(std::move(processor))
    {
    }
    virtual ~CDBTask() = default;

    int32_t dbType;
    std::vector<DBQuery> queries;
    int32_t category;
    std::unique_ptr<IDBProcessor> processor;
    // Private copies the queries read, removed with the task when the scan ends.
    std::unique_ptr<ScratchFolder> scratch;
    // Set by a builder that could not read what the category needs (a
    // DBExecutorError); such a task has no queries and is never run.
    int32_t error = 0;
};

using DBTaskList = std::vector<std::unique_ptr<CDBTask>>;
