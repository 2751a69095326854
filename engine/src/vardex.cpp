#include "vardex.h"

#include "dbconnector.h"
#include "engineutil.h"

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
        for (const DBQuery &query : task->queries) {
            if (stopRequested())
                return;
            if (!registry.AddConnector(*task, query.queryIndex, query.dbPath))
                continue; // a database that cannot be opened only leaves its rows out
            CMySqliteReader reader;
            reader.SetStopFlag(m_stopFlag);
            reader.Read(registry.GetConnection(task->category, query.queryIndex), WideToUtf8(query.sql),
                        task->processor.get(), m_callback, query.queryIndex, m_user);
        }
        NotifyCallback(m_callback, DBSTATUS_PROGRESS, DBPROGRESS_CATEGORY_END, task->category, nullptr, m_user);
    }
}
