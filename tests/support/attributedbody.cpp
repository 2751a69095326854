#include "attributedbody.h"

namespace testsupport
{
    namespace
    {
        // A new class-name string: the marker, the name's length, the name.
        std::string newName(const std::string &name)
        {
            return "\x84" + streamTypedCount(uint32_t(name.size())) + name;
        }

        // The text's length in UTF-16 units, as the attribute run counts it.
        uint32_t utf16Length(const std::string &utf8)
        {
            uint32_t units = 0;
            for (unsigned char c : utf8) {
                if ((c & 0xC0) != 0x80)
                    units += c >= 0xF0 ? 2 : 1;
            }
            return units;
        }
    }

    std::string streamTypedCount(uint32_t value)
    {
        if (value < 0x80)
            return std::string(1, char(value));
        if (value < 0x8000)
            return std::string("\x81") + char(value & 0xFF) + char(value >> 8);
        return std::string("\x82") + char(value & 0xFF) + char((value >> 8) & 0xFF) + char((value >> 16) & 0xFF) +
               char(value >> 24);
    }

    std::string attributedBody(const std::string &utf8Text, const AttributedBodyOptions &options)
    {
        // Header: the format's version, its name and the system's version (1000).
        std::string archive("\x04\x0bstreamtyped\x81\xe8\x03", 16);
        // The root object's type "@", then the attributed string's class chain.
        archive += "\x84\x01@";
        archive += "\x84\x84";
        if (options.mutableString)
            archive += newName("NSMutableAttributedString") + std::string("\x00", 1) + "\x84";
        archive += newName("NSAttributedString") + std::string("\x00", 1);
        archive += "\x84" + newName("NSObject") + std::string("\x00\x85", 2);
        // Its first value, the string object; NSObject is named by reference.
        archive += "\x92\x84\x84";
        if (options.mutableString)
            archive += newName("NSMutableString") + "\x01\x84";
        archive += newName("NSString") + "\x01";
        archive += options.mutableString ? "\x96" : "\x94";
        archive += "\x84\x01+" + streamTypedCount(options.statedLength.value_or(uint32_t(utf8Text.size()))) +
                   utf8Text + "\x86";
        // One attribute run over the whole text, then the ends of the objects.
        archive += "\x84\x02iI\x01" + streamTypedCount(utf16Length(utf8Text));
        archive += "\x92\x84\x84\x84" + newName("NSDictionary").substr(1) + std::string("\x00", 1) +
                   "\x94\x84\x01i\x01\x92\x84\x96\x96" + streamTypedCount(29) + "__kIMMessagePartAttributeName" +
                   "\x86\x92\x84\x84\x84" + newName("NSNumber").substr(1) + std::string("\x00", 1) + "\x84" +
                   newName("NSValue") + std::string("\x00", 1) + "\x94\x84\x01*\x84\x99\x99" +
                   std::string("\x00\x86\x86\x86", 4);
        return archive;
    }
}
