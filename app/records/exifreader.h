#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <cstdint>

// Reads the EXIF block of a JPEG file. The file comes from a backup and is
// untrusted: every offset and count is checked against the bytes at hand.
// Texts are the bytes as stored, cut at the first NUL.
class ExifReader
{
public:
    enum Result
    {
        Success = 0,
        NotJpeg = 1982,
        NoExif = 1983,
        UnknownByteOrder = 1984,
        CorruptData = 1985
    };

    // The APP1 block sits at the start of a JPEG; nothing past this is read.
    static constexpr qint64 MaxReadBytes = 64 * 1024;

    // The DateTime text of the file, or an empty text.
    static QString readExifDateTime(const QString &path);
    // An EXIF date text ("2020:01:01 12:00:00") as local time; invalid when
    // the text is not in that form.
    static QDateTime toDateTime(const QString &exifText);

    ExifReader() = default;
    void clear();
    int parseJpeg(const uchar *data, qint64 length);
    int parseExifSegment(const uchar *data, qint64 length);

    struct GpsComponents
    {
        double degrees = 0;
        double minutes = 0;
        double seconds = 0;
        char direction = '?';
    };

    bool byteAlign = false; // true for "II" (little-endian)
    QByteArray imageDescription;
    QByteArray make;
    QByteArray model;
    quint16 orientation = 0;
    quint16 bitsPerSample = 0;
    QByteArray software;
    QByteArray dateTime;
    QByteArray dateTimeOriginal;
    QByteArray dateTimeDigitized;
    QByteArray subSecTimeOriginal;
    QByteArray copyright;
    double exposureTime = 0;
    double fNumber = 0;
    quint16 exposureProgram = 0;
    quint16 isoSpeedRatings = 0;
    double shutterSpeedValue = 0;
    double exposureBiasValue = 0;
    double subjectDistance = 0;
    double focalLength = 0;
    quint16 focalLengthIn35mm = 0;
    quint8 flashFired = 0;
    quint8 flashReturn = 0;
    quint8 flashMode = 0;
    quint16 meteringMode = 0;
    quint32 imageWidth = 0;
    quint32 imageHeight = 0;
    double latitude = 0;
    double longitude = 0;
    double altitude = 0;
    quint8 altitudeRef = 0;
    double dop = 0;
    GpsComponents latitudeParts;
    GpsComponents longitudeParts;
    double lensFStopMin = 0;
    double lensFStopMax = 0;
    double lensFocalLengthMin = 0;
    double lensFocalLengthMax = 0;
    double focalPlaneXResolution = 0;
    double focalPlaneYResolution = 0;
    quint16 focalPlaneResolutionUnit = 0;
    QByteArray lensMake;
    QByteArray lensModel;

    // Parse-time views of the EXIF block, defined with the parser.
    class Block;
    struct Entry;

private:
    int parseJpegData(const uchar *data, qint64 length, bool wholeFile);
    template <typename Visit>
    static int walkIfd(const Block &block, qint64 pos, Visit visit);
    void takeEntry(const Entry &e);
    void takeFlash(const Entry &e);
    void takeLensInfo(const Entry &e);
    void takeGpsEntry(const Entry &e);
};
