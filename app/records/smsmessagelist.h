#pragma once

// The messages of one Messages conversation as the store keeps them: each
// message one block, its record followed by its text in UTF-8. A message
// takes one allocation and two thirds of the memory of a record with its
// own UTF-16 text; it is put together again when it is read. Copies share
// the messages until one of them changes.

#include "devicedata.h"

#include <QList>
#include <QSharedDataPointer>

#include <functional>
#include <initializer_list>
#include <iterator>

namespace DeviceData {

class SmsMessageList
{
public:
    class const_iterator
    {
    public:
        using iterator_category = std::input_iterator_tag;
        using value_type = SMSInfo;
        using difference_type = int;
        using pointer = void;
        using reference = SMSInfo;

        const_iterator(const SmsMessageList *list, int row) : m_list(list), m_row(row) {}
        SMSInfo operator*() const { return m_list->at(m_row); }
        const_iterator &operator++()
        {
            ++m_row;
            return *this;
        }
        bool operator==(const const_iterator &other) const { return m_row == other.m_row; }
        bool operator!=(const const_iterator &other) const { return m_row != other.m_row; }

    private:
        const SmsMessageList *m_list;
        int m_row;
    };

    SmsMessageList();
    SmsMessageList(const QList<SMSInfo> &messages); // implicit: where a list of records is given
    SmsMessageList(std::initializer_list<SMSInfo> messages);
    SmsMessageList(const SmsMessageList &other);
    SmsMessageList &operator=(const SmsMessageList &other);
    ~SmsMessageList();

    int size() const;
    bool isEmpty() const { return size() == 0; }
    SMSInfo at(int row) const;
    SMSInfo first() const { return at(0); }
    SMSInfo last() const { return at(size() - 1); }
    QList<SMSInfo> toList() const;

    const_iterator begin() const { return const_iterator(this, 0); }
    const_iterator end() const { return const_iterator(this, size()); }

    void append(SMSInfo message); // moves the texts in: no copy counts up
    // The message with its text given as UTF-8 (message.text is empty). The
    // bytes must decode to the text itself: no first byte order mark, no
    // surrogates (RecordBuilders::escapedUtf8 writes such).
    void appendUtf8(SMSInfo message, const char *text, int bytes);
    void clear();
    // Oldest first; messages of the same second keep their order.
    void sortByTime();

    // Calls change for every message, in order, to change it in place. The
    // record it sees may lack its text (`text` empty where the list holds
    // it): change must leave `text` alone.
    void updateRecords(const std::function<void(SMSInfo &)> &change);
    // The newest message without its text, for sharing the texts it has in
    // common with the next one. The list must not be empty.
    const SMSInfo &lastRecord() const;

private:
    class Data;
    QSharedDataPointer<Data> d;
};

} // namespace DeviceData
