#include "toolsplist.h"

#include <QFile>

#include <plistguard.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace
{
    struct PlistFree
    {
        void operator()(void *node) const { plist_free(static_cast<plist_t>(node)); }
    };
    using PlistPtr = std::unique_ptr<void, PlistFree>;

    QString stringValue(plist_t dict, const char *key)
    {
        plist_t node = plist_dict_get_item(dict, key);
        if (!node || plist_get_node_type(node) != PLIST_STRING)
            return QString();
        // Not plist_get_string_val: libplist aborts on a NUL inside the text.
        uint64_t length = 0;
        const char *value = plist_get_string_ptr(node, &length);
        return value ? QString::fromUtf8(value, int(strnlen(value, size_t(length)))) : QString();
    }
}

ToolsPlist::ToolsPlist(const QString &path, QObject *parent)
    : QObject(parent)
    , m_path(path)
{
}

bool ToolsPlist::readPlist(plist_t *root) const
{
    if (!root)
        return false;
    *root = nullptr;
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    if (file.size() <= 3)
        return false;
    QByteArray data = file.readAll(); // QByteArray keeps a terminating zero
    file.close();
    if (data.size() <= 3 || !PlistGuard::acceptable(data.constData(), size_t(data.size())))
        return false;

    plist_from_bin(data.constData(), uint32_t(data.size()), root);
    if (!*root) {
        const char *start = data.constData();
        uint32_t length = uint32_t(data.size());
        if (data.startsWith("\xEF\xBB\xBF")) {
            start += 3;
            length -= 3;
        }
        plist_from_xml(start, length, root);
    }
    return *root != nullptr;
}

QMultiMap<QString, CountryInfo> ToolsPlist::countryTable() const
{
    QMultiMap<QString, CountryInfo> table;
    plist_t parsed = nullptr;
    if (!readPlist(&parsed))
        return table;
    const PlistPtr root(parsed);
    if (plist_get_node_type(parsed) != PLIST_ARRAY)
        return table;

    const uint32_t count = plist_array_get_size(parsed);
    for (uint32_t i = 0; i < count; ++i) {
        plist_t item = plist_array_get_item(parsed, i);
        if (!item || plist_get_node_type(item) != PLIST_DICT)
            continue;
        CountryInfo info;
        info.CountryCode = stringValue(item, "CountryCode");
        info.CountryNumberPre = stringValue(item, "CountryNumberPre");
        info.EN_Name = stringValue(item, "EN_Name");
        info.LOCAL_Name = stringValue(item, "LOCAL_Name");
        info.ZN_Name = stringValue(item, "ZN_Name");
        if (!info.CountryCode.isEmpty())
            table.insert(info.CountryCode, info);
    }
    return table;
}
