#include "exifreader.h"
#include "jpegbuilder.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

int parse(ExifReader &reader, const QByteArray &bytes)
{
    return reader.parseJpeg(exactCopy(bytes).get(), bytes.size());
}

JpegBuilder cameraPhoto(bool littleEndian)
{
    JpegBuilder b(littleEndian);
    b.add(JpegBuilder::Ifd0, 271, 2, 6, b.ascii("Maker"));
    b.add(JpegBuilder::Ifd0, 272, 2, 8, b.ascii("Model 7"));
    b.add(JpegBuilder::Ifd0, 274, 3, 1, b.shorts({6}));
    b.add(JpegBuilder::Ifd0, 306, 2, 20, b.ascii("2020:01:01 12:00:00"));
    b.add(JpegBuilder::ExifIfd, 33434, 5, 1, b.rationals({{1, 125}}));
    b.add(JpegBuilder::ExifIfd, 33437, 5, 1, b.rationals({{18, 0}}));
    b.add(JpegBuilder::ExifIfd, 37385, 3, 1, b.shorts({0x19}));
    b.add(JpegBuilder::ExifIfd, 40962, 4, 1, b.longs({4032}));
    b.add(JpegBuilder::ExifIfd, 40963, 3, 1, b.shorts({3024}));
    b.add(JpegBuilder::ExifIfd, 42034, 5, 4, b.rationals({{4, 1}, {6, 1}, {18, 10}, {24, 10}}));
    b.add(JpegBuilder::ExifIfd, 36867, 2, 20, b.ascii("2019:12:31 23:59:59"));
    // Latitude's reference comes after its value, longitude's before.
    b.add(JpegBuilder::GpsIfd, 2, 5, 3, b.rationals({{33, 1}, {30, 1}, {0, 1}}));
    b.add(JpegBuilder::GpsIfd, 1, 2, 2, b.ascii("S"));
    b.add(JpegBuilder::GpsIfd, 3, 2, 2, b.ascii("W"));
    b.add(JpegBuilder::GpsIfd, 4, 5, 3, b.rationals({{70, 1}, {15, 1}, {36, 1}}));
    b.add(JpegBuilder::GpsIfd, 6, 5, 1, b.rationals({{120, 2}}));
    b.add(JpegBuilder::GpsIfd, 5, 1, 1, QByteArray(1, '\1'));
    return b;
}

} // namespace

class ExifReaderTest : public QObject
{
    Q_OBJECT

private slots:
    void readsCameraPhoto_data();
    void readsCameraPhoto();
    void resultCodes_data();
    void resultCodes();
    void corruptIfd0LeavesFieldsEmpty();
    void corruptExifIfdKeepsIfd0Fields();
    void readsDateFromFile_data();
    void readsDateFromFile();
    void missingFileGivesEmptyDate();
    void parsesExifDateText_data();
    void parsesExifDateText();
};

void ExifReaderTest::readsCameraPhoto_data()
{
    QTest::addColumn<bool>("littleEndian");
    QTest::newRow("II") << true;
    QTest::newRow("MM") << false;
}

void ExifReaderTest::readsCameraPhoto()
{
    QFETCH(bool, littleEndian);
    ExifReader reader;
    QCOMPARE(parse(reader, cameraPhoto(littleEndian).jpeg()), int(ExifReader::Success));
    QCOMPARE(reader.byteAlign, littleEndian);
    QCOMPARE(reader.dateTime, QByteArray("2020:01:01 12:00:00"));
    QCOMPARE(reader.dateTimeOriginal, QByteArray("2019:12:31 23:59:59"));
    QCOMPARE(reader.make, QByteArray("Maker"));
    QCOMPARE(reader.model, QByteArray("Model 7"));
    QCOMPARE(reader.orientation, quint16(6));
    QCOMPARE(reader.exposureTime, 1.0 / 125);
    QCOMPARE(reader.fNumber, 0.0); // denominator 0
    QCOMPARE(int(reader.flashFired), 1);
    QCOMPARE(int(reader.flashReturn), 0);
    QCOMPARE(int(reader.flashMode), 3);
    QCOMPARE(reader.imageWidth, quint32(4032));
    QCOMPARE(reader.imageHeight, quint32(3024));
    QCOMPARE(reader.lensFocalLengthMin, 4.0);
    QCOMPARE(reader.lensFocalLengthMax, 6.0);
    QCOMPARE(reader.lensFStopMin, 1.8);
    QCOMPARE(reader.lensFStopMax, 2.4);
    QCOMPARE(reader.latitude, -33.5);
    QCOMPARE(reader.latitudeParts.direction, 'S');
    QCOMPARE(reader.longitude, -(70 + 15.0 / 60 + 36.0 / 3600));
    QCOMPARE(reader.altitude, -60.0);
    QCOMPARE(int(reader.altitudeRef), 1);
}

void ExifReaderTest::resultCodes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("code");

    const QByteArray good = cameraPhoto(true).exifPayload();
    auto withOrder = [&](const char *order) { return JpegBuilder::jpeg(QByteArray(good).replace(6, 2, order)); };
    auto patched = [&](int at, const QByteArray &bytes) { return JpegBuilder::jpeg(QByteArray(good).replace(at, bytes.size(), bytes)); };
    JpegBuilder le(true);

    QTest::newRow("png") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << int(ExifReader::NotJpeg);
    QTest::newRow("too short") << QByteArray("\xFF\xD8\xFF", 3) << int(ExifReader::NotJpeg);
    QTest::newRow("no end marker") << cameraPhoto(true).jpeg().chopped(2) << int(ExifReader::NotJpeg);
    QTest::newRow("no APP1") << QByteArray("\xFF\xD8\xFF\xDA\x00\x04\x11\x22\xFF\xD9", 10) << int(ExifReader::NoExif);
    QTest::newRow("APP1 not Exif") << JpegBuilder::jpeg(QByteArray("http://ns.adobe.com/xap/1.0/\0<x/>", 34))
                                   << int(ExifReader::NoExif);
    QTest::newRow("byte order IM") << withOrder("IM") << int(ExifReader::UnknownByteOrder);
    QTest::newRow("byte order XX") << withOrder("XX") << int(ExifReader::UnknownByteOrder);
    QTest::newRow("magic not 42") << patched(8, le.u16(43)) << int(ExifReader::CorruptData);
    QTest::newRow("IFD0 past the block") << patched(10, le.u32(0x7FFFFFF0)) << int(ExifReader::CorruptData);
    QTest::newRow("segment below 16") << JpegBuilder::jpeg(QByteArray("Exif\0\0II*\0", 10)) << int(ExifReader::CorruptData);
    QByteArray overlong = cameraPhoto(true).jpeg();
    overlong[4] = char(0x7F);
    QTest::newRow("segment past the file") << overlong << int(ExifReader::CorruptData);
    QTest::newRow("trailing bytes after EOI") << cameraPhoto(true).jpeg() + QByteArray(100, '\0') << int(ExifReader::Success);
}

void ExifReaderTest::resultCodes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, code);
    ExifReader reader;
    QCOMPARE(parse(reader, bytes), code);
}

void ExifReaderTest::corruptIfd0LeavesFieldsEmpty()
{
    QByteArray bytes = cameraPhoto(true).jpeg();
    bytes[JpegBuilder::TiffOffsetInJpeg + 8] = char(0xFF); // IFD0 claims 0x..FF entries
    bytes[JpegBuilder::TiffOffsetInJpeg + 9] = char(0x0F);
    ExifReader reader;
    QCOMPARE(parse(reader, bytes), int(ExifReader::CorruptData));
    QVERIFY(reader.dateTime.isEmpty());
    QVERIFY(reader.make.isEmpty());
    QCOMPARE(reader.orientation, quint16(0));
    QCOMPARE(reader.latitudeParts.direction, '?');
}

void ExifReaderTest::corruptExifIfdKeepsIfd0Fields()
{
    JpegBuilder b(true);
    b.add(JpegBuilder::Ifd0, 306, 2, 20, b.ascii("2021:02:03 04:05:06"));
    // The Exif IFD pointer lands on the date text, read as 0x3032 entries.
    const quint32 dateOffset = 8 + 2 + 2 * 12 + 4;
    b.addRaw(JpegBuilder::Ifd0, 34665, 4, 1, dateOffset);
    ExifReader reader;
    QCOMPARE(parse(reader, b.jpeg()), int(ExifReader::CorruptData));
    QCOMPARE(reader.dateTime, QByteArray("2021:02:03 04:05:06"));
}

void ExifReaderTest::readsDateFromFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("date");
    const QByteArray photo = cameraPhoto(false).jpeg();
    JpegBuilder noNul(true);
    noNul.add(JpegBuilder::Ifd0, 306, 2, 19, noNul.ascii("2020:01:01 12:00:00", false));
    JpegBuilder padded(true);
    padded.add(JpegBuilder::Ifd0, 306, 2, 22, QByteArray("2020:01:01 12:00:00\0\0\0", 22));

    QTest::newRow("with NUL") << photo << "2020:01:01 12:00:00";
    QTest::newRow("without NUL") << noNul.jpeg() << "2020:01:01 12:00:00";
    QTest::newRow("NUL padded") << padded.jpeg() << "2020:01:01 12:00:00";
    QTest::newRow("large photo") << JpegBuilder::jpeg(cameraPhoto(true).exifPayload(), {}, 3 << 20)
                                 << "2020:01:01 12:00:00";
    // A large APP0 pushes the APP1 block to the end of the bytes read: the
    // part that was read is still used.
    auto app0 = [](int length) {
        return QByteArray("\xFF\xE0", 2) + char(length >> 8) + char(length & 0xFF) + QByteArray(length - 2, '\0');
    };
    const QByteArray payload = cameraPhoto(true).exifPayload();
    QTest::newRow("block cut by the read limit") << JpegBuilder::jpeg(payload, app0(0xFF30)) << "2020:01:01 12:00:00";
    QTest::newRow("block past the read limit") << JpegBuilder::jpeg(payload, app0(0xFFF0)) << QString();
    QTest::newRow("png") << QByteArray("\x89PNG\r\n\x1a\n", 8) << QString();
    QTest::newRow("no exif") << QByteArray("\xFF\xD8\xFF\xD9", 4) << QString();
}

void ExifReaderTest::readsDateFromFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, date);
    QTemporaryDir dir;
    const QString path = dir.filePath("photo.jpg");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    const QString read = ExifReader::readExifDateTime(path);
    QCOMPARE(read, date);
    QCOMPARE(read.size(), date.size());
}

void ExifReaderTest::missingFileGivesEmptyDate()
{
    QVERIFY(ExifReader::readExifDateTime(QStringLiteral("/nonexistent/photo.jpg")).isEmpty());
}

void ExifReaderTest::parsesExifDateText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDateTime>("expected");
    QTest::newRow("standard") << "2020:01:01 12:00:00" << QDateTime(QDate(2020, 1, 1), QTime(12, 0, 0));
    QTest::newRow("dashes") << "2020-01-01 12:00:00" << QDateTime();
    QTest::newRow("blank camera date") << "    :  :     :  :  " << QDateTime();
    QTest::newRow("empty") << "" << QDateTime();
}

void ExifReaderTest::parsesExifDateText()
{
    QFETCH(QString, text);
    QFETCH(QDateTime, expected);
    const QDateTime parsed = ExifReader::toDateTime(text);
    QCOMPARE(parsed.isValid(), expected.isValid());
    if (expected.isValid())
        QCOMPARE(parsed, expected);
}

QTEST_GUILESS_MAIN(ExifReaderTest)
#include "exifreader_test.moc"
