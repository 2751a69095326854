#include "dbscanaddressbook.h"

#include "contactnumbers.h"
#include "dbmediamanager.h"
#include "dbrecords.h"
#include "engineutil.h"

#include <sqlite3.h>

#include <algorithm>
#include <cerrno>

namespace
{
    enum ContactRecord
    {
        Person = 0,
        MultiValue = 1,
        Entry = 2,
        Image = 3,
        FullTextRow = 4
    };

    // The database's property code of a phone number.
    constexpr int32_t PhoneProperty = 3;

    std::wstring joinedWithSpaces(const std::vector<std::wstring> &parts)
    {
        std::wstring text;
        for (const std::wstring &part : parts)
            text += (text.empty() ? L"" : L" ") + part;
        return text;
    }

    // Every number of one list names one of the other, both ways.
    bool sameNumbers(const std::vector<std::wstring> &a, const std::vector<std::wstring> &b)
    {
        auto covered = [](const std::vector<std::wstring> &these, const std::vector<std::wstring> &by) {
            return std::all_of(these.begin(), these.end(), [&by](const std::wstring &number) {
                return std::any_of(by.begin(), by.end(),
                                   [&number](const std::wstring &other) { return SamePhoneNumber(number, other); });
            });
        };
        return covered(a, b) && covered(b, a);
    }
}

void CDBScanAddressBook::ProcessRow(sqlite3_stmt *row, void *user, DBExecutorCallback callback, int32_t queryIndex)
{
    switch (queryIndex) {
    case Person: DeliverPerson(row, user, callback); break;
    case MultiValue: DeliverMultiValue(row, user, callback); break;
    case Entry: DeliverEntry(row, user, callback); break;
    case Image: DeliverImage(row, user, callback); break;
    case FullTextRow: DeliverFullTextRow(row, user, callback); break;
    default: break;
    }
}

void CDBScanAddressBook::DeliverPerson(sqlite3_stmt *row, void *user, DBExecutorCallback callback)
{
    STAddressBook record;
    record.rowId = IntColumn(row, 0);
    record.creationDate = Int64Column(row, 15);
    record.modificationDate = TextColumn(row, 16);
    record.first = TextColumn(row, 1);
    record.middle = TextColumn(row, 3);
    record.last = TextColumn(row, 2);
    record.firstPhonetic = TextColumn(row, 4);
    record.middlePhonetic = TextColumn(row, 5);
    record.lastPhonetic = TextColumn(row, 6);
    record.organization = TextColumn(row, 7);
    record.department = TextColumn(row, 8);
    record.note = TextColumn(row, 9);
    record.birthday = TextColumn(row, 10);
    record.jobTitle = TextColumn(row, 11);
    record.nickname = TextColumn(row, 12);
    record.prefix = TextColumn(row, 13);
    record.suffix = TextColumn(row, 14);
    record.compositeNameFallback = TextColumn(row, 17);
    record.alternateBirthday = TextColumn(row, 18);
    if (m_liveMatch == LiveByContent && m_liveNumbers.emplace(record.rowId, std::vector<std::wstring>()).second)
        m_liveByName.emplace(NameKey(record.first, record.middle, record.last), record.rowId);
    Deliver(callback, DBAPP_ADDRESSBOOK, Person, &record, user);
}

void CDBScanAddressBook::DeliverMultiValue(sqlite3_stmt *row, void *user, DBExecutorCallback callback)
{
    STAddressBookProperty record;
    record.recordId = IntColumn(row, 1);
    record.uid = IntColumn(row, 0);
    record.property = IntColumn(row, 2);
    record.label = TextColumn(row, 3);
    record.value = TextColumn(row, 4);
    if (m_liveMatch == LiveByContent && record.property == PhoneProperty && !record.value.empty()) {
        const auto person = m_liveNumbers.find(record.recordId);
        if (person != m_liveNumbers.end())
            person->second.push_back(record.value);
    }
    Deliver(callback, DBAPP_ADDRESSBOOK, MultiValue, &record, user);
}

void CDBScanAddressBook::DeliverEntry(sqlite3_stmt *row, void *user, DBExecutorCallback callback)
{
    STAddressBookPropertyValue record;
    record.parentId = IntColumn(row, 0);
    record.key = TextColumn(row, 1);
    record.value = TextColumn(row, 2);
    Deliver(callback, DBAPP_ADDRESSBOOK, Entry, &record, user);
}

void CDBScanAddressBook::DeliverImage(sqlite3_stmt *row, void *user, DBExecutorCallback callback)
{
    STAddressBookImage record;
    record.recordId = IntColumn(row, 0);
    record.cropWidth = IntColumn(row, 1);
    // The blob's own byte count: LENGTH() counts characters of text-typed values.
    const void *data = sqlite3_column_blob(row, 2);
    const int size = sqlite3_column_bytes(row, 2);
    if (!data || size <= 0) {
        DebugTraceA("scan-addressbook Warning: get image file data is empty.record:%d\n", record.recordId);
        return;
    }
    record.imageFile = WriteImage(record.recordId, data, size_t(size));
    Deliver(callback, DBAPP_ADDRESSBOOK, Image, &record, user);
}

std::wstring CDBScanAddressBook::WriteImage(int32_t recordId, const void *data, size_t size)
{
    const std::wstring outputDir = DBMediaManager::Instance().GetOutputDir();
    const std::wstring path = outputDir + L"/" + std::to_wstring(recordId) + L".png";
    // Without an output folder the path would land in the file system's root.
    errno = ENOENT;
    if (!outputDir.empty() && WriteWholeFile(path, static_cast<const char *>(data), size))
        return path;
    DebugTraceW(L"scan-addressbook Warning: create image file fail,path: %ls,error: %d\n", path.c_str(), errno);
    return {};
}

void CDBScanAddressBook::DeliverFullTextRow(sqlite3_stmt *row, void *user, DBExecutorCallback callback)
{
    STDeletedAddressBook record;
    record.first = TextColumn(row, 0);
    record.middle = TextColumn(row, 2);
    record.last = TextColumn(row, 1);
    record.organization = TextColumn(row, 3);
    record.department = TextColumn(row, 4);
    record.note = TextColumn(row, 5);
    record.birthday = TextColumn(row, 10);
    record.date = TextColumn(row, 11);
    record.address = TextColumn(row, 8);
    record.im = TextColumn(row, 14);
    // Each number once and whole: the receiver takes each space-separated
    // part as one number.
    const std::vector<std::wstring> numbers = IndexPhoneNumbers(TextColumn(row, 6));
    if (m_liveMatch == LiveByContent && IsLivePerson(NameKey(record.first, record.middle, record.last), numbers))
        return;
    record.phone = joinedWithSpaces(numbers);
    record.email = TextColumn(row, 7);
    record.url = TextColumn(row, 9);
    record.relatedNames = TextColumn(row, 12);
    record.socialProfile = TextColumn(row, 13);
    Deliver(callback, DBAPP_ADDRESSBOOK, FullTextRow, &record, user);
}

std::wstring CDBScanAddressBook::NameKey(const std::wstring &first, const std::wstring &middle,
                                         const std::wstring &last)
{
    return first + L'\0' + middle + L'\0' + last;
}

bool CDBScanAddressBook::IsLivePerson(const std::wstring &nameKey, const std::vector<std::wstring> &numbers) const
{
    const auto range = m_liveByName.equal_range(nameKey);
    return std::any_of(range.first, range.second,
                       [&](const auto &entry) { return sameNumbers(m_liveNumbers.at(entry.second), numbers); });
}
