// The country-code table (codes, telephone prefixes, names), read from a
// property-list file as ToolsPlist reads it.
#include "fuzzsupport.h"
#include "toolsplist.h"

#include <QString>

#include <string>

namespace
{
    QString g_path;
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzzsupport::initQt(argc, argv);
    g_path = QString::fromStdString(fuzzsupport::freshFolder("countries") + "/countries.plist");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (!fuzzsupport::writeBytes(g_path.toStdString(), data, size))
        return 0;
    ToolsPlist(g_path).countryTable();
    return 0;
}
