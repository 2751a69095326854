#pragma once

// Phone numbers as the contacts search index spells them. The index keeps
// each number in several spellings separated by spaces, the number as
// typed first, spaces and all ("(919) 802-7080 +19198027080 01119198027080
// 9198027080 8027080"); these helpers tell the numbers apart.

#include <string>
#include <vector>

// The index text's numbers, each once and whole, in the order they first
// appear: a number with an international spelling ("+" and digits) in that
// spelling, else in its longest compact one, else as typed without spaces.
std::vector<std::wstring> IndexPhoneNumbers(const std::wstring &text);

// Whether two spellings name the same number: the digits of one, leading
// zeros aside, end the other's (trunk and international prefixes differ),
// seven digits at least; shorter numbers must match digit for digit.
bool SamePhoneNumber(const std::wstring &a, const std::wstring &b);
