#pragma once

#include "mobiledevice.h"

#include <cstdint>
#include <string>

// Conversions between CoreFoundation values and standard types, through the
// resolved CoreFoundation table. A value of another type than the one asked
// for converts like a null one.
namespace CFHelper
{
    // The caller releases the result (see CFRef).
    CFStringRef CreateString(const std::string &utf8);
    // At most 1023 bytes; longer text or a failed conversion gives "".
    std::string ToString(CFTypeRef value);
    // Read as a 64-bit integer; the library converts reals.
    int64_t ToInt64(CFTypeRef value);
    bool ToBool(CFTypeRef value);
    // XML property-list text, "" when none could be made.
    std::string ToXml(CFTypeRef list);

    CFTypeID TypeOf(CFTypeRef value);
    void Release(CFTypeRef value);
}

// Owns one reference and releases it.
class CFRef
{
public:
    explicit CFRef(CFTypeRef value = nullptr) : m_value(value) {}
    ~CFRef() { CFHelper::Release(m_value); }
    CFRef(const CFRef &) = delete;
    CFRef &operator=(const CFRef &) = delete;

    CFTypeRef get() const { return m_value; }
    explicit operator bool() const { return m_value != nullptr; }

private:
    CFTypeRef m_value;
};
