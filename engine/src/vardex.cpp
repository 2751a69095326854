#include "vardex.h"

#include "dbconnector.h"
#include "enginelog.h"
#include "engineutil.h"

#include <map>

CVardex::CVardex(std::wstring backupPath, DBExecutorCallback callback)
    : m_backupPath(std::move(backupPath))
    , m_callback(callback)
{
}

void CVardex::AddTask(std::unique_ptr<CDBTask> task)
{
    m_tasks.push_back(std::move(task));
}

void CVardex::Run()
{
    CDBConnectorRegistry registry;
    for (const auto &task : m_tasks) {
        if (task->processor)
            task->processor->SetStopFlag(m_stopFlag);
        NotifyCallback(m_callback, DBSTATUS_PROGRESS, DBPROGRESS_CATEGORY_BEGIN, task->category, nullptr, m_user);
        // Per database file that exists: whether any of its queries could be
        // prepared. Alternative queries for older and newer schemas fail
        // on purpose; a file none of them can read lacks its tables.
        std::map<std::wstring, bool> readable;
        int error = 0;
        for (const DBQuery &query : task->queries) {
            if (stopRequested())
                return;
            if (!registry.AddConnector(*task, query.queryIndex, query.dbPath)) {
                // A missing database leaves its category empty; one that is
                // there but cannot be opened is an error.
                if (!error && PathExists(query.dbPath))
                    error = DBERROR_UNREADABLE;
                continue;
            }
            bool &prepared = readable[query.dbPath];
            CMySqliteReader reader;
            reader.SetStopFlag(m_stopFlag);
            reader.Read(registry.GetConnection(task->category, query.queryIndex), WideToUtf8(query.sql),
                        task->processor.get(), m_callback, query.queryIndex, m_user);
            prepared = prepared || reader.Prepared();
            if (!error)
                error = CategoryErrorOf(reader.Result());
        }
        for (auto it = readable.begin(); !error && it != readable.end(); ++it)
            if (!it->second)
                error = DBERROR_NO_TABLES;
        if (error && !stopRequested()) {
            // The rows read before the failure stay delivered.
            VARDEX_LOG("Scan Backup Error: category %d could not be read, error %d", task->category, error);
            NotifyCallback(m_callback, DBSTATUS_ERROR, task->category, error, nullptr, m_user);
        }
        NotifyCallback(m_callback, DBSTATUS_PROGRESS, DBPROGRESS_CATEGORY_END, task->category, nullptr, m_user);
    }
}
