#pragma once

// What libplist (Debian's 2.2) may safely be given from a backup or a
// device. Its parsers and writers recurse once per level of nesting, and its
// binary parser copies an object each time it is referenced: a few hundred
// bytes that reference one array twice, twenty times over, become a million
// nodes and seconds of work, and a deep enough nesting overflows the stack.
// Real property lists nest a handful of levels and hold a few thousand
// nodes.

#include <cstddef>

#include <plist/plist.h>

namespace PlistGuard
{
    constexpr int MaxDepth = 64;
    constexpr size_t MaxNodes = 100000;

    // Bytes for plist_from_memory and its siblings: a binary property list
    // whose arrays and dictionaries, every reference followed, nest at most
    // MaxDepth deep and make at most MaxNodes nodes with what they hold; any
    // other text whose arrays and dictionaries nest at most MaxDepth deep. A
    // binary one whose structure does not hold together is refused too
    // (libplist would refuse it).
    bool acceptable(const char *data, size_t size);

    // A tree that another library parsed (a device's answer): nesting and
    // node count within the same bounds. Walks without recursing.
    bool acceptable(plist_t node);

    // Whether a key or string of the tree holds a NUL. libplist aborts when
    // such a key is read (plist_dict_next_item does) and has no reader that
    // does not; its XML form is the one view of every text whole.
    bool holdsNul(plist_t node);
}
