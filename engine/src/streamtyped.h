#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The text of an attributed string archived in the "streamtyped" format, as
// newer phones keep a message's text in its attributedBody: the UTF-8 bytes
// of the archive's first NSString. Empty when the archive does not parse;
// never reads outside [data, data + size).
std::wstring StreamTypedText(const uint8_t *data, size_t size);
