#pragma once

#include "dbrecords.h"
#include "idbprocessor.h"

// A processor whose rows become file records (STFiles) of one category.
class CDBFilesProcessor : public IDBProcessor
{
public:
    explicit CDBFilesProcessor(int kind)
        : m_kind(kind)
    {
    }

protected:
    void DeliverFile(const STFiles &record, DBExecutorCallback callback, void *user) const
    {
        Deliver(callback, m_kind, 0, &record, user);
    }

private:
    int m_kind;
};
