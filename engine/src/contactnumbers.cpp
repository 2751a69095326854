#include "contactnumbers.h"

#include <cwctype>
#include <map>
#include <optional>

namespace
{
    // Fewer digits than a subscriber number are a piece of one, or a short
    // code, matched only whole; more than a number with all its prefixes
    // are no number.
    constexpr size_t MinDigits = 7;
    constexpr size_t MaxDigits = 24;
    // A number as typed spans a few pieces.
    constexpr size_t MaxPieces = 12;

    std::wstring digitsOf(const std::wstring &text)
    {
        std::wstring digits;
        for (wchar_t c : text) {
            if (c >= L'0' && c <= L'9')
                digits += c;
        }
        return digits;
    }

    // Leading zeros dropped, reversed: the spellings of one number then
    // begin alike ("0041 79…", "079…" and "+4179…" all begin "…97").
    std::wstring reversedKey(const std::wstring &digits)
    {
        const size_t first = digits.find_first_not_of(L'0');
        if (first == std::wstring::npos)
            return {};
        return std::wstring(digits.rbegin(), digits.rend() - first);
    }

    bool sameKey(const std::wstring &a, const std::wstring &b)
    {
        const std::wstring &shorter = a.size() <= b.size() ? a : b;
        const std::wstring &longer = a.size() <= b.size() ? b : a;
        if (shorter.size() < MinDigits)
            return !shorter.empty() && shorter == longer;
        return longer.compare(0, shorter.size(), shorter) == 0;
    }

    // A spelling in one piece: digits, "+" allowed in front.
    bool isCompact(const std::wstring &piece)
    {
        size_t digits = 0;
        for (size_t i = 0; i < piece.size(); ++i) {
            if (piece[i] >= L'0' && piece[i] <= L'9')
                ++digits;
            else if (!(i == 0 && piece[i] == L'+'))
                return false;
        }
        return digits >= MinDigits && digits <= MaxDigits;
    }

    bool isInternational(const std::wstring &spelling)
    {
        return !spelling.empty() && spelling.front() == L'+' && isCompact(spelling);
    }

    std::vector<std::wstring> splitAtSpaces(const std::wstring &text)
    {
        std::vector<std::wstring> pieces;
        std::wstring piece;
        for (wchar_t c : text) {
            if (std::iswspace(wint_t(c))) {
                if (!piece.empty())
                    pieces.push_back(std::move(piece));
                piece.clear();
            } else {
                piece += c;
            }
        }
        if (!piece.empty())
            pieces.push_back(std::move(piece));
        return pieces;
    }

    // The numbers found so far, each with the spelling it is shown in.
    class Numbers
    {
    public:
        std::optional<size_t> find(const std::wstring &key) const
        {
            if (key.size() < MinDigits) {
                const auto it = m_byKey.find(key);
                return it == m_byKey.end() ? std::nullopt : std::optional<size_t>(it->second);
            }
            // A known number whose key begins this one (the same number
            // with fewer prefixes), or one that this key begins.
            for (size_t length = key.size(); length >= MinDigits; --length) {
                const auto it = m_byKey.find(key.substr(0, length));
                if (it != m_byKey.end())
                    return it->second;
            }
            const auto it = m_byKey.lower_bound(key);
            if (it != m_byKey.end() && sameKey(it->first, key))
                return it->second;
            return std::nullopt;
        }

        // Adds a spelling to its number, or as a new number.
        size_t add(size_t piece, const std::wstring &spelling, bool compact)
        {
            const std::wstring key = reversedKey(digitsOf(spelling));
            if (const auto known = find(key)) {
                Number &number = m_numbers[*known];
                number.firstPiece = std::min(number.firstPiece, piece);
                if (compact && better(spelling, key, number)) {
                    number.shown = spelling;
                    number.keyLength = key.size();
                    m_byKey.emplace(key, *known);
                }
                return *known;
            }
            m_numbers.push_back({piece, spelling, key.size()});
            if (!key.empty())
                m_byKey.emplace(key, m_numbers.size() - 1);
            return m_numbers.size() - 1;
        }

        void seenAt(size_t number, size_t piece)
        {
            m_numbers[number].firstPiece = std::min(m_numbers[number].firstPiece, piece);
        }

        std::vector<std::wstring> inOrder() const
        {
            std::multimap<size_t, const std::wstring *> ordered;
            for (const Number &number : m_numbers)
                ordered.emplace(number.firstPiece, &number.shown);
            std::vector<std::wstring> out;
            for (const auto &entry : ordered)
                out.push_back(*entry.second);
            return out;
        }

    private:
        struct Number
        {
            size_t firstPiece;
            std::wstring shown;
            size_t keyLength;
        };

        // The international spelling, else the one with more digits.
        static bool better(const std::wstring &spelling, const std::wstring &key, const Number &number)
        {
            const bool international = isInternational(spelling);
            if (international != isInternational(number.shown))
                return international;
            return key.size() > number.keyLength;
        }

        std::vector<Number> m_numbers;
        std::map<std::wstring, size_t> m_byKey;
    };
}

std::vector<std::wstring> IndexPhoneNumbers(const std::wstring &text)
{
    const std::vector<std::wstring> pieces = splitAtSpaces(text);
    Numbers numbers;
    // The compact spellings first: each names its number whole.
    for (size_t i = 0; i < pieces.size(); ++i) {
        if (isCompact(pieces[i]))
            numbers.add(i, pieces[i], true);
    }
    // Between them, the numbers as typed. Pieces that together spell a known
    // number are that number; pieces that spell none are one number of
    // their own, typed with spaces.
    std::wstring unmatched;
    size_t unmatchedFrom = 0;
    auto keepUnmatched = [&] {
        if (!unmatched.empty())
            numbers.add(unmatchedFrom, unmatched, false);
        unmatched.clear();
    };
    for (size_t i = 0; i < pieces.size();) {
        if (isCompact(pieces[i])) {
            keepUnmatched();
            ++i;
            continue;
        }
        std::wstring digits;
        std::optional<size_t> match;
        size_t end = i;
        for (; end < pieces.size() && end - i < MaxPieces && !isCompact(pieces[end]); ++end) {
            digits += digitsOf(pieces[end]);
            if (digits.size() > MaxDigits)
                break;
            const std::wstring key = reversedKey(digits);
            if (key.size() >= MinDigits && (match = numbers.find(key)))
                break;
        }
        if (match) {
            keepUnmatched();
            numbers.seenAt(*match, i);
            i = end + 1;
        } else {
            if (unmatched.empty())
                unmatchedFrom = i;
            unmatched += pieces[i];
            ++i;
        }
    }
    keepUnmatched();
    return numbers.inOrder();
}

bool SamePhoneNumber(const std::wstring &a, const std::wstring &b)
{
    return sameKey(reversedKey(digitsOf(a)), reversedKey(digitsOf(b)));
}
