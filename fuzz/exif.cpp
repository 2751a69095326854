// A photo's EXIF block, as the store reads the date of a photo file (the
// first 64 KiB of the file), and as a whole file in memory.
#include "exifreader.h"
#include "fuzzsupport.h"

#include <QString>

#include <string>

namespace
{
    std::string g_photo;
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzzsupport::initQt(argc, argv);
    g_photo = fuzzsupport::freshFolder("photo") + "/IMG_0001.JPG";
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (!fuzzsupport::writeBytes(g_photo, data, size))
        return 0;
    ExifReader::toDateTime(ExifReader::readExifDateTime(QString::fromStdString(g_photo)));
    ExifReader reader;
    reader.parseJpeg(data, qint64(size));
    return 0;
}
