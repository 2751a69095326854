#include "idbprocessor.h"

#include "engineutil.h"

#include <sqlite3.h>

void IDBProcessor::ProcessRow(sqlite3_stmt *, void *, DBExecutorCallback, int32_t)
{
}

std::wstring IDBProcessor::TextColumn(sqlite3_stmt *row, int column)
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(row, column));
    if (!text)
        return {};
    return Utf8ToWide(text, size_t(sqlite3_column_bytes(row, column)));
}

int32_t IDBProcessor::IntColumn(sqlite3_stmt *row, int column)
{
    return sqlite3_column_int(row, column);
}

int64_t IDBProcessor::Int64Column(sqlite3_stmt *row, int column)
{
    return sqlite3_column_int64(row, column);
}

double IDBProcessor::DoubleColumn(sqlite3_stmt *row, int column)
{
    return sqlite3_column_double(row, column);
}
