#include "manifestindex.h"

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <new>
#include <string_view>
#include <unordered_map>

namespace
{
    // The rows a look-up with an index may give, in the table's own order:
    // the order the statements read in, through the table or the flags index.
    const char *const PassSql = "SELECT fileID, domain, relativePath FROM Files NOT INDEXED WHERE flags = 1";

    // Long runs of digits (message ids, times) are common in file names and
    // rare elsewhere; shorter ones are left to the trigrams.
    constexpr size_t DigitGram = 12;
    constexpr uint64_t DigitGramSpan = 1000000000000; // 10^DigitGram
    constexpr uint32_t TrigramCount = 1u << 18; // three 6-bit byte classes
    constexpr size_t BlockSize = 1 << 20;

    char folded(char c)
    {
        return c >= 'A' && c <= 'Z' ? char(c + ('a' - 'A')) : c;
    }

    bool isFileId(const unsigned char *text, int length)
    {
        if (!text || length != 40)
            return false;
        for (int i = 0; i < 40; ++i) {
            const unsigned char c = text[i];
            if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')))
                return false;
        }
        return true;
    }

    // Strict UTF-8: no overlong forms, surrogates or values above U+10FFFF.
    // Calls each(codePoint) per character; false at the first bad byte.
    template <typename Each>
    bool decodeUtf8(std::string_view text, Each each)
    {
        const auto *p = reinterpret_cast<const unsigned char *>(text.data());
        const auto *end = p + text.size();
        while (p < end) {
            const unsigned char lead = *p;
            char32_t c = lead;
            int extra = 0;
            if (lead >= 0x80) {
                if (lead >= 0xC2 && lead <= 0xDF) {
                    extra = 1;
                    c = lead & 0x1F;
                } else if (lead >= 0xE0 && lead <= 0xEF) {
                    extra = 2;
                    c = lead & 0x0F;
                } else if (lead >= 0xF0 && lead <= 0xF4) {
                    extra = 3;
                    c = lead & 0x07;
                } else {
                    return false;
                }
                if (end - p <= extra)
                    return false;
                for (int i = 1; i <= extra; ++i) {
                    if ((p[i] & 0xC0) != 0x80)
                        return false;
                    c = (c << 6) | (p[i] & 0x3F);
                }
                if ((extra == 2 && c < 0x800) || (extra == 3 && (c < 0x10000 || c > 0x10FFFF)) ||
                    (c >= 0xD800 && c <= 0xDFFF))
                    return false;
            }
            each(c);
            p += 1 + extra;
        }
        return true;
    }


    // A text for which "LIKE '%text%' matches" implies "the folded bytes
    // hold the folded text" on every path that reads as its bytes. Not so
    // for a NUL (it ends the pattern), U+FFFD, U+FFFE or U+FFFF (LIKE reads a
    // malformed sequence and the latter two as U+FFFD), nor for a first
    // U+0080, which LIKE looks for byte by byte.
    bool plainSearchText(std::string_view text)
    {
        bool first = true;
        bool plain = !text.empty();
        const bool wellFormed = decodeUtf8(text, [&](char32_t c) {
            if (c == 0 || (c >= 0xFFFD && c <= 0xFFFF) || (first && c == 0x80))
                plain = false;
            first = false;
        });
        return wellFormed && plain;
    }

    // What one look at a path's bytes tells: whether it holds bytes above
    // ASCII, and a run of DigitGram digits or more.
    struct PathShape
    {
        bool highBytes = false;
        bool digitRun = false;
    };
    PathShape shapeOf(std::string_view text)
    {
        // Every row of the list passes here: eight bytes at a time for the
        // high bytes, and the digits looked at only where a run could end.
        const char *bytes = text.data();
        const size_t size = text.size();
        uint64_t high = 0;
        size_t i = 0;
        for (; i + 8 <= size; i += 8) {
            uint64_t word;
            std::memcpy(&word, bytes + i, 8);
            high |= word;
        }
        for (; i < size; ++i)
            high |= static_cast<unsigned char>(bytes[i]);
        const auto digit = [bytes](size_t at) { return bytes[at] >= '0' && bytes[at] <= '9'; };
        bool digitRun = false;
        // A run of DigitGram digits from `from` on holds the byte DigitGram - 1
        // further: where that is no digit, the run starts after it.
        for (size_t from = 0; from + DigitGram <= size;) {
            const size_t last = from + DigitGram - 1;
            if (!digit(last)) {
                from = last + 1;
                continue;
            }
            size_t start = last;
            while (start > from && digit(start - 1))
                --start;
            if (start == from) {
                digitRun = true;
                break;
            }
            from = start;
        }
        return {(high & 0x8080808080808080ULL) != 0, digitRun};
    }

    // Calls each(key) for every DigitGram digits in a row of the text, the
    // key a 32-bit hash of their value (another value's hash only adds a
    // candidate).
    template <typename Each>
    void forEachDigitGram(std::string_view text, Each each)
    {
        size_t run = 0;
        uint64_t value = 0;
        for (size_t i = 0; i < text.size(); ++i) {
            const char c = text[i];
            if (c < '0' || c > '9') {
                run = 0;
                value = 0;
                continue;
            }
            value = value * 10 + uint64_t(c - '0');
            if (++run > DigitGram)
                value -= uint64_t(text[i - DigitGram] - '0') * DigitGramSpan;
            if (run >= DigitGram)
                each(uint32_t((value * 0x9E3779B97F4A7C15ull) >> 32));
        }
    }

    // Byte classes of the trigrams: letters (either case) and digits apart,
    // the usual separators apart, other bytes in a few groups. Any function
    // of the folded byte keeps the candidates a superset.
    const std::array<uint8_t, 256> &byteClasses()
    {
        static const std::array<uint8_t, 256> classes = [] {
            std::array<uint8_t, 256> table {};
            for (int b = 0; b < 256; ++b) {
                const char c = folded(char(b));
                uint8_t value;
                if (c >= 'a' && c <= 'z')
                    value = uint8_t(c - 'a'); // 0..25
                else if (c >= '0' && c <= '9')
                    value = uint8_t(26 + c - '0'); // 26..35
                else if (c == '/')
                    value = 36;
                else if (c == '.')
                    value = 37;
                else if (c == '_')
                    value = 38;
                else if (c == '-')
                    value = 39;
                else if (c == ' ')
                    value = 40;
                else if (b < 0x80)
                    value = uint8_t(41 + b % 7); // 41..47
                else
                    value = uint8_t(48 + (b & 0x0F)); // 48..63
                table[size_t(b)] = value;
            }
            return table;
        }();
        return classes;
    }

    // Calls each(key) for every trigram of the text, repeats included.
    template <typename Each>
    void forEachTrigram(std::string_view text, Each each)
    {
        const auto &classes = byteClasses();
        uint32_t key = 0;
        for (size_t i = 0; i < text.size(); ++i) {
            key = ((key << 6) | classes[static_cast<unsigned char>(text[i])]) & (TrigramCount - 1);
            if (i >= 2)
                each(key);
        }
    }

    void appendVarint(std::string &out, uint32_t value)
    {
        while (value >= 0x80) {
            out.push_back(char(value | 0x80));
            value >>= 7;
        }
        out.push_back(char(value));
    }

    // One trigram's entries, ascending.
    class EntryList
    {
    public:
        explicit EntryList(const std::string &bytes)
            : m_p(reinterpret_cast<const uint8_t *>(bytes.data())), m_end(m_p + bytes.size())
        {
        }
        size_t bytes() const { return size_t(m_end - m_p); }
        bool next(uint32_t &row)
        {
            if (m_p == m_end)
                return false;
            uint32_t gap = 0;
            for (int shift = 0; m_p != m_end; shift += 7) {
                const uint8_t byte = *m_p++;
                gap |= uint32_t(byte & 0x7F) << shift;
                if (!(byte & 0x80))
                    break;
            }
            m_last += gap; // stored plus one: the first gap is the entry itself
            row = m_last - 1;
            return true;
        }

    private:
        const uint8_t *m_p;
        const uint8_t *m_end;
        uint32_t m_last = 0;
    };

    // Calls ask(entry) for the entries of both streams in ascending order
    // until it says stop. next(entry) gives the candidates; `always` are
    // asked too.
    template <typename Next, typename Ask>
    void mergeEntries(Next next, const std::vector<uint32_t> &always, Ask ask)
    {
        size_t i = 0;
        uint32_t row = 0;
        while (next(row)) {
            for (; i < always.size() && always[i] <= row; ++i)
                if (always[i] != row && ask(always[i]))
                    return;
            if (ask(row))
                return;
        }
        for (; i < always.size(); ++i)
            if (ask(always[i]))
                return;
    }
}

CManifestIndex::CManifestIndex(sqlite3 *db, const BusyWait &wait) : m_db(db), m_wait(wait)
{
    WaitWhileBusy(m_db, &m_wait);
    // Plans that do not hang on the bound patterns: no statement is prepared again per look-up.
    sqlite3_db_config(m_db, SQLITE_DBCONFIG_ENABLE_QPSG, 1, nullptr);
    m_likePatternLimit = sqlite3_limit(m_db, SQLITE_LIMIT_LIKE_PATTERN_LENGTH, -1);
}

CManifestIndex::~CManifestIndex()
{
    for (auto &entry : m_statements)
        sqlite3_finalize(entry.second);
    sqlite3_close_v2(m_db);
}

bool CManifestIndex::Like(const char *text, const std::string &pattern)
{
    return text && sqlite3_strlike(pattern.c_str(), text, '\\') == 0;
}

sqlite3_stmt *CManifestIndex::Statement(const std::string &sql)
{
    const auto it = m_statements.find(sql);
    if (it != m_statements.end())
        return it->second;
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare_v3(m_db, sql.c_str(), int(sql.size()), SQLITE_PREPARE_PERSISTENT, &statement, nullptr) !=
        SQLITE_OK) {
        sqlite3_finalize(statement);
        return nullptr; // prepared again next time: the list may have been locked
    }
    m_statements.emplace(sql, statement);
    return statement;
}

bool CManifestIndex::RunWhole(sqlite3_stmt *statement, const std::vector<std::string> &arguments, std::string &fileId,
                              std::string *relativePath)
{
    for (size_t i = 0; i < arguments.size(); ++i)
        sqlite3_bind_text(statement, int(i) + 1, arguments[i].data(), int(arguments[i].size()), SQLITE_STATIC);
    bool found = false;
    while (!found && sqlite3_step(statement) == SQLITE_ROW) {
        // A row whose id is not a file id is no match: it must never become a path.
        const unsigned char *id = sqlite3_column_text(statement, 0);
        if (!isFileId(id, sqlite3_column_bytes(statement, 0)))
            continue;
        fileId.assign(reinterpret_cast<const char *>(id), 40);
        if (relativePath) {
            const auto *path = reinterpret_cast<const char *>(sqlite3_column_text(statement, 1));
            relativePath->assign(path ? path : "", size_t(sqlite3_column_bytes(statement, 1)));
        }
        found = true;
    }
    // Ends the read: no lock stays on the list between look-ups.
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
    return found;
}

bool CManifestIndex::First(const char *sql, const std::vector<std::string> &arguments, const std::string *contained,
                           const RowTest *test, std::string &fileId, std::string *relativePath)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_wait.waitedMs = 0; // each look-up waits for a locked list afresh
    std::string text;
    bool digits = false;
    if (contained && test && plainSearchText(*contained)) {
        text = *contained;
        std::transform(text.begin(), text.end(), text.begin(), folded);
        digits = shapeOf(text).digitRun;
    }
    State &state = digits ? m_digitState : m_trigramState;
    if ((digits || text.size() >= 3) && state == State::NotBuilt && !Build(digits))
        return false; // the list stayed locked
    if ((!digits && text.size() < 3) || state != State::Built) {
        sqlite3_stmt *whole = Statement(sql);
        return whole && RunWhole(whole, arguments, fileId, relativePath);
    }
    // A pattern over SQLite's limit fails the statement: no row.
    for (const std::string &argument : arguments)
        if (argument.size() > size_t(m_likePatternLimit))
            return false;

    const Rows &rows = digits ? m_digitRows : m_trigramRows;
    bool found = false;
    const auto ask = [&](uint32_t index) {
        const Rows::Entry &entry = rows.entries[index];
        const char *path = entry.text + 40;
        if (!(*test)(Row {path, entry.domain == NoDomain ? nullptr : m_domains[entry.domain].c_str()}))
            return false;
        fileId.assign(entry.text, 40);
        if (relativePath)
            relativePath->assign(path, entry.length);
        found = true;
        return true;
    };

    if (digits) {
        // The text's rarest run of digits.
        auto first = m_digitGrams.cend(), last = m_digitGrams.cend();
        size_t best = SIZE_MAX;
        forEachDigitGram(text, [&](uint32_t gram) {
            const auto from = std::lower_bound(m_digitGrams.cbegin(), m_digitGrams.cend(), uint64_t(gram) << 32);
            const auto to = std::lower_bound(from, m_digitGrams.cend(), uint64_t(gram + 1) << 32);
            if (size_t(to - from) < best) {
                best = size_t(to - from);
                first = from;
                last = to;
            }
        });
        mergeEntries(
            [&](uint32_t &index) {
                if (first == last)
                    return false;
                index = uint32_t(*first++);
                return true;
            },
            rows.unusual, ask);
        return found;
    }

    // Entries holding the text's two rarest trigrams.
    std::vector<uint32_t> keys;
    forEachTrigram(text, [&](uint32_t key) { keys.push_back(key); });
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    std::vector<EntryList> lists;
    for (uint32_t key : keys)
        lists.emplace_back(m_trigramLists[key]);
    std::sort(lists.begin(), lists.end(), [](const EntryList &a, const EntryList &b) { return a.bytes() < b.bytes(); });
    EntryList rarest = lists.front();
    EntryList second = lists.size() > 1 ? lists[1] : lists.front();
    uint32_t other = 0;
    bool more = second.next(other);
    mergeEntries(
        [&](uint32_t &index) {
            while (rarest.next(index)) {
                while (more && other < index)
                    more = second.next(other);
                if (!more)
                    return false;
                if (other == index)
                    return true;
            }
            return false;
        },
        rows.unusual, ask);
    return found;
}

void CManifestIndex::Keep(Rows &rows, const char *fileId, std::string_view path, uint32_t domain)
{
    const size_t size = 40 + path.size() + 1;
    char *text;
    if (size > BlockSize / 4) {
        // A long path gets a block of its own; the open block stays open.
        rows.blocks.emplace_back(new char[size]);
        text = rows.blocks.back().get();
        if (rows.blocks.size() > 1)
            std::swap(rows.blocks.back(), rows.blocks[rows.blocks.size() - 2]);
    } else {
        if (rows.blockFree < size) {
            rows.blocks.emplace_back(new char[BlockSize]);
            rows.blockFree = BlockSize;
        }
        text = rows.blocks.back().get() + (BlockSize - rows.blockFree);
        rows.blockFree -= size;
    }
    std::memcpy(text, fileId, 40);
    std::memcpy(text + 40, path.data(), path.size());
    text[40 + path.size()] = '\0';
    rows.entries.push_back({text, uint32_t(path.size()), domain});
}

bool CManifestIndex::Build(bool digits)
{
    State &state = digits ? m_digitState : m_trigramState;
    Rows &rows = digits ? m_digitRows : m_trigramRows;
    sqlite3_stmt *pass = Statement(PassSql);
    if (!pass) {
        const int error = sqlite3_errcode(m_db);
        if (error == SQLITE_BUSY || error == SQLITE_LOCKED)
            return false;
        state = State::Unusable;
        return true;
    }
    const bool blobsNeverLike = sqlite3_compileoption_used("LIKE_DOESNT_MATCH_BLOBS") != 0;
    std::unordered_map<std::string, uint32_t> domainIds;
    for (uint32_t i = 0; i < m_domains.size(); ++i)
        domainIds.emplace(m_domains[i], i);
    std::vector<uint32_t> lastEntry(digits ? 0 : TrigramCount, 0); // entry + 1 of each list's last one
    int result = SQLITE_OK;
    try {
        if (!digits)
            m_trigramLists.assign(TrigramCount, std::string());
        uint32_t lastDomain = NoDomain;
        while ((result = sqlite3_step(pass)) == SQLITE_ROW) {
            const int pathType = sqlite3_column_type(pass, 2);
            if (pathType == SQLITE_NULL || (pathType == SQLITE_BLOB && blobsNeverLike))
                continue;
            const auto *bytes = reinterpret_cast<const char *>(sqlite3_column_text(pass, 2));
            const std::string_view path(bytes ? bytes : "", size_t(sqlite3_column_bytes(pass, 2)));
            // Most rows of a large list are dropped here, after one look at their bytes.
            const PathShape shape = shapeOf(path);
            if (digits && !shape.digitRun && !shape.highBytes)
                continue; // no text with a run of digits this long can be in it
            const bool usual = !shape.highBytes || decodeUtf8(path, [](char32_t) {});
            if (digits && usual && !shape.digitRun)
                continue;
            const auto *id = reinterpret_cast<const char *>(sqlite3_column_text(pass, 0));
            if (!isFileId(reinterpret_cast<const unsigned char *>(id), sqlite3_column_bytes(pass, 0)))
                continue;

            uint32_t domain = NoDomain;
            const int domainType = sqlite3_column_type(pass, 1);
            if (domainType != SQLITE_NULL && !(domainType == SQLITE_BLOB && blobsNeverLike)) {
                const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(pass, 1));
                const std::string_view name(text ? text : "", size_t(sqlite3_column_bytes(pass, 1)));
                // Rows of one domain mostly come together.
                if (lastDomain == NoDomain || m_domains[lastDomain] != name) {
                    const auto [it, added] = domainIds.emplace(std::string(name), uint32_t(m_domains.size()));
                    if (added)
                        m_domains.emplace_back(name);
                    lastDomain = it->second;
                }
                domain = lastDomain;
            }
            if (path.size() > UINT32_MAX - 64 || rows.entries.size() >= UINT32_MAX - 1) {
                result = SQLITE_TOOBIG;
                break;
            }
            const uint32_t entry = uint32_t(rows.entries.size());
            Keep(rows, id, path, domain);
            // LIKE reads a path character by character: for well-formed UTF-8
            // that is its bytes, ASCII letters folded; a malformed sequence
            // reads as some other character.
            if (!usual) {
                rows.unusual.push_back(entry);
            } else if (digits) {
                uint64_t previous = UINT64_MAX;
                forEachDigitGram(path, [&](uint32_t gram) {
                    const uint64_t key = uint64_t(gram) << 32 | entry;
                    if (key != previous)
                        m_digitGrams.push_back(key);
                    previous = key;
                });
            } else {
                forEachTrigram(path, [&](uint32_t key) {
                    if (lastEntry[key] != entry + 1) {
                        appendVarint(m_trigramLists[key], entry + 1 - lastEntry[key]);
                        lastEntry[key] = entry + 1;
                    }
                });
            }
        }
        if (result == SQLITE_DONE && digits) {
            std::sort(m_digitGrams.begin(), m_digitGrams.end());
            m_digitGrams.erase(std::unique(m_digitGrams.begin(), m_digitGrams.end()), m_digitGrams.end());
        }
    } catch (const std::bad_alloc &) {
        result = SQLITE_NOMEM; // too large to hold here: such look-ups read the whole list
    }
    sqlite3_reset(pass);
    if (result == SQLITE_DONE) {
        state = State::Built;
        return true;
    }
    rows = Rows();
    if (digits)
        m_digitGrams = {};
    else
        m_trigramLists = {};
    if (result == SQLITE_BUSY || result == SQLITE_LOCKED)
        return false;
    state = State::Unusable;
    return true;
}
