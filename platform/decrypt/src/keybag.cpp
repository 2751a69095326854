#include "keybag.h"

namespace volsark
{
    uint32_t bigEndian32(const std::string &bytes)
    {
        uint32_t value = 0;
        for (unsigned char c : bytes.substr(0, 4))
            value = (value << 8) | c;
        return value;
    }

    // The first UUID names the bag; each later one opens a class entry.
    std::optional<Keybag> parseKeybag(const std::string &data)
    {
        Keybag bag;
        bool seenBagUuid = false;
        // A flag beside a plain number: an optional here trips GCC's
        // maybe-uninitialized analysis at -O2.
        uint32_t currentClass = 0;
        bool hasClass = false;
        ClassKey current;
        bool inClass = false;
        auto closeClass = [&] {
            if (inClass && hasClass)
                bag.classes[currentClass] = current;
            inClass = false;
            hasClass = false;
            current = ClassKey();
        };
        size_t pos = 0;
        while (pos + 8 <= data.size()) {
            const std::string tag = data.substr(pos, 4);
            const uint32_t length = bigEndian32(data.substr(pos + 4, 4));
            pos += 8;
            if (length > data.size() - pos)
                return std::nullopt;
            const std::string value = data.substr(pos, length);
            pos += length;
            if (tag == "UUID") {
                if (!seenBagUuid) {
                    seenBagUuid = true;
                    bag.attributes[tag] = value;
                } else {
                    closeClass();
                    inClass = true;
                }
                continue;
            }
            if (!inClass) {
                bag.attributes[tag] = value;
            } else if (tag == "CLAS") {
                currentClass = bigEndian32(value);
                hasClass = true;
            } else if (tag == "WRAP") {
                current.wrap = bigEndian32(value);
            } else if (tag == "KTYP") {
                current.type = bigEndian32(value);
            } else if (tag == "WPKY") {
                current.wrapped = value;
            }
        }
        closeClass();
        if (pos != data.size() || !bag.attributes.count("SALT") || !bag.attributes.count("ITER"))
            return std::nullopt;
        return bag;
    }
}
