#include "smsmessagelist.h"

#include "recordorder.h"

#include <QSharedData>
#include <QVector>

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>

namespace DeviceData {

namespace {

// One message: the record, then textBytes bytes of UTF-8 text.
struct Node
{
    SMSInfo record; // `text` is empty when the bytes below hold it
    int textBytes = 0;

    char *text() { return reinterpret_cast<char *>(this + 1); }
    const char *text() const { return reinterpret_cast<const char *>(this + 1); }
};

Node *newNode(int textBytes)
{
    void *memory = ::operator new(sizeof(Node) + size_t(textBytes));
    Node *node = new (memory) Node;
    node->textBytes = textBytes;
    return node;
}

void deleteNode(Node *node)
{
    node->~Node();
    ::operator delete(node);
}

// The UTF-8 length of the text; -1 for a text that would not come back
// unit for unit, which stays in its record: an unpaired surrogate (UTF-8
// cannot carry it) or a first byte order mark (Qt's decoder drops it).
int utf8Length(const QString &text)
{
    const ushort *in = text.utf16();
    const int size = text.size();
    if (size > 0 && in[0] == 0xfeff)
        return -1;
    qint64 bytes = 0;
    for (int i = 0; i < size; ++i) {
        const uint unit = in[i];
        if (unit < 0x80) {
            bytes += 1;
        } else if (unit < 0x800) {
            bytes += 2;
        } else if (!QChar::isSurrogate(unit)) {
            bytes += 3;
        } else if (QChar::isHighSurrogate(unit) && i + 1 < size && QChar::isLowSurrogate(in[i + 1])) {
            bytes += 4;
            ++i;
        } else {
            return -1;
        }
    }
    return bytes > std::numeric_limits<int>::max() / 2 ? -1 : int(bytes);
}

// Writes the text as UTF-8; utf8Length said it can be.
void writeUtf8(const QString &text, char *to)
{
    auto *out = reinterpret_cast<uchar *>(to);
    const ushort *in = text.utf16();
    const int size = text.size();
    for (int i = 0; i < size; ++i) {
        const uint unit = in[i];
        if (unit < 0x80) {
            *out++ = uchar(unit);
        } else if (unit < 0x800) {
            *out++ = uchar(0xc0 | (unit >> 6));
            *out++ = uchar(0x80 | (unit & 0x3f));
        } else if (!QChar::isSurrogate(unit)) {
            *out++ = uchar(0xe0 | (unit >> 12));
            *out++ = uchar(0x80 | ((unit >> 6) & 0x3f));
            *out++ = uchar(0x80 | (unit & 0x3f));
        } else {
            const uint code = QChar::surrogateToUcs4(ushort(unit), in[++i]);
            *out++ = uchar(0xf0 | (code >> 18));
            *out++ = uchar(0x80 | ((code >> 12) & 0x3f));
            *out++ = uchar(0x80 | ((code >> 6) & 0x3f));
            *out++ = uchar(0x80 | (code & 0x3f));
        }
    }
}

} // namespace

class SmsMessageList::Data : public QSharedData
{
public:
    Data() = default;
    Data(const Data &other) : QSharedData(other)
    {
        nodes.reserve(other.nodes.size());
        for (const Node *from : other.nodes) {
            Node *node = newNode(from->textBytes);
            node->record = from->record;
            std::memcpy(node->text(), from->text(), size_t(from->textBytes));
            nodes.append(node);
        }
    }
    Data &operator=(const Data &) = delete;
    ~Data() { clear(); }

    void clear()
    {
        for (Node *node : qAsConst(nodes))
            deleteNode(node);
        nodes.clear();
    }

    QVector<Node *> nodes;
};

SmsMessageList::SmsMessageList() : d(new Data) {}

SmsMessageList::SmsMessageList(const QList<SMSInfo> &messages) : d(new Data)
{
    d->nodes.reserve(messages.size());
    for (const SMSInfo &message : messages)
        append(message);
}

SmsMessageList::SmsMessageList(std::initializer_list<SMSInfo> messages) : d(new Data)
{
    d->nodes.reserve(int(messages.size()));
    for (const SMSInfo &message : messages)
        append(message);
}

SmsMessageList::SmsMessageList(const SmsMessageList &other) = default;
SmsMessageList &SmsMessageList::operator=(const SmsMessageList &other) = default;
SmsMessageList::~SmsMessageList() = default;

int SmsMessageList::size() const
{
    return d->nodes.size();
}

SMSInfo SmsMessageList::at(int row) const
{
    const Node *node = d->nodes.at(row);
    SMSInfo message = node->record;
    if (node->textBytes > 0)
        message.text = QString::fromUtf8(node->text(), node->textBytes);
    return message;
}

const SMSInfo &SmsMessageList::lastRecord() const
{
    return d->nodes.last()->record;
}

QList<SMSInfo> SmsMessageList::toList() const
{
    QList<SMSInfo> messages;
    messages.reserve(size());
    for (int row = 0; row < size(); ++row)
        messages.append(at(row));
    return messages;
}

void SmsMessageList::append(SMSInfo message)
{
    const int bytes = message.text.isEmpty() ? 0 : utf8Length(message.text);
    Node *node = newNode(qMax(bytes, 0));
    if (bytes > 0) {
        writeUtf8(message.text, node->text());
        message.text = QString();
    }
    node->record = std::move(message);
    d->nodes.append(node);
}

void SmsMessageList::appendUtf8(SMSInfo message, const char *text, int bytes)
{
    Node *node = newNode(bytes);
    std::memcpy(node->text(), text, size_t(bytes));
    node->record = std::move(message);
    d->nodes.append(node);
}

void SmsMessageList::clear()
{
    d = new Data;
}

void SmsMessageList::sortByTime()
{
    const auto before = [](const Node *a, const Node *b) { return RecordOrder::smsMessageBefore(a->record, b->record); };
    // Messages mostly arrive in order already; sorting would copy a shared
    // list for nothing.
    const QVector<Node *> &nodes = qAsConst(d)->nodes;
    if (!std::is_sorted(nodes.cbegin(), nodes.cend(), before))
        std::stable_sort(d->nodes.begin(), d->nodes.end(), before);
}

void SmsMessageList::updateRecords(const std::function<void(SMSInfo &)> &change)
{
    for (Node *node : qAsConst(d->nodes))
        change(node->record);
}

} // namespace DeviceData
