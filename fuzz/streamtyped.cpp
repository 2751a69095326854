// The text of a message as newer phones archive it in sms.db's attributedBody,
// decoded from the column's bytes as the messages scan does.
#include "streamtyped.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    StreamTypedText(data, size);
    return 0;
}
