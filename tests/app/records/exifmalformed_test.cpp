// Run under AddressSanitizer and UBSan: hostile counts, offsets and lengths
// must be refused without reading outside the buffer or overflowing.
#include "exifreader.h"
#include "jpegbuilder.h"

#include <QtTest>

namespace {

int parseExact(const QByteArray &bytes)
{
    ExifReader reader;
    return reader.parseJpeg(exactCopy(bytes).get(), bytes.size());
}

bool isKnownCode(int code)
{
    return code == ExifReader::Success || (code >= ExifReader::NotJpeg && code <= ExifReader::CorruptData);
}

JpegBuilder photo()
{
    JpegBuilder b(true);
    b.add(JpegBuilder::Ifd0, 271, 2, 6, b.ascii("Maker"));
    b.add(JpegBuilder::Ifd0, 306, 2, 20, b.ascii("2020:01:01 12:00:00"));
    b.add(JpegBuilder::ExifIfd, 33434, 5, 1, b.rationals({{1, 60}}));
    b.add(JpegBuilder::ExifIfd, 42034, 5, 4, b.rationals({{4, 1}, {6, 1}, {18, 10}, {24, 10}}));
    b.add(JpegBuilder::GpsIfd, 1, 2, 2, b.ascii("N"));
    b.add(JpegBuilder::GpsIfd, 2, 5, 3, b.rationals({{1, 1}, {2, 1}, {3, 1}}));
    return b;
}

} // namespace

class ExifMalformedTest : public QObject
{
    Q_OBJECT

private slots:
    void hostileEntries_data();
    void hostileEntries();
    void countTimesUnitSizeOverflowing_data();
    void countTimesUnitSizeOverflowing();
    void everyByteMutated();
    void everyTruncation();
};

void ExifMalformedTest::hostileEntries_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("code");
    auto row = [](const char *name, quint16 tag, quint16 format, quint32 count, quint32 field,
                  JpegBuilder::Ifd ifd = JpegBuilder::Ifd0) {
        JpegBuilder b = photo();
        b.addRaw(ifd, tag, format, count, field);
        QTest::newRow(name) << b.jpeg() << int(ExifReader::Success);
    };
    // count x unit size overflows 32 bits; 6 + offset overflows 32 bits.
    row("rational count 0x20000000", 33434, 5, 0x20000000, 16);
    row("ascii count 0xFFFFFFFF", 306, 2, 0xFFFFFFFF, 8);
    row("short count 0x80000000", 274, 3, 0x80000000, 8);
    row("offset 0xFFFFFFFA", 306, 2, 20, 0xFFFFFFFA);
    row("offset 0xFFFFFFFF", 271, 2, 8, 0xFFFFFFFF);
    row("value one byte past the end", 306, 2, 20, 0x200);
    row("unknown format", 306, 99, 20, 8);
    row("gps count 3 past the end", 2, 5, 3, 0xFFFFFFF0, JpegBuilder::GpsIfd);
    row("gps ref without bytes", 1, 2, 0, 0, JpegBuilder::GpsIfd);
    row("lens with one rational", 42034, 5, 1, 0xFFFFFFF8, JpegBuilder::ExifIfd);

    JpegBuilder farExif(true);
    farExif.addRaw(JpegBuilder::Ifd0, 34665, 4, 1, 0xFFFFFFFC);
    QTest::newRow("exif pointer overflowing") << farExif.jpeg() << int(ExifReader::Success);
    JpegBuilder farGps(false);
    farGps.addRaw(JpegBuilder::Ifd0, 34853, 4, 1, 0xFFFFFFFA);
    QTest::newRow("gps pointer overflowing") << farGps.jpeg() << int(ExifReader::Success);

    QByteArray tiff = photo().tiff();
    tiff.replace(4, 4, JpegBuilder(true).u32(0xFFFFFFFA));
    QTest::newRow("IFD0 offset overflowing") << JpegBuilder::jpeg(QByteArray("Exif\0\0", 6) + tiff)
                                             << int(ExifReader::CorruptData);
    tiff = photo().tiff();
    tiff.replace(8, 2, JpegBuilder(true).u16(0xFFFF));
    QTest::newRow("IFD0 with 65535 entries") << JpegBuilder::jpeg(QByteArray("Exif\0\0", 6) + tiff)
                                             << int(ExifReader::CorruptData);
    QByteArray header(16, '\0');
    header.replace(0, 12, QByteArray("Exif\0\0II*\0\x08\0", 12));
    QTest::newRow("IFD0 count at the very end") << JpegBuilder::jpeg(header) << int(ExifReader::CorruptData);
    QTest::newRow("lone SOI and EOI") << QByteArray("\xFF\xD8\xFF\xD9", 4) << int(ExifReader::NoExif);
    QTest::newRow("APP1 length running past the end") << QByteArray("\xFF\xD8\xFF\xE1\xFF\xD9", 6)
                                                      << int(ExifReader::CorruptData);
}

void ExifMalformedTest::hostileEntries()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, code);
    QCOMPARE(parseExact(bytes), code);
}

// count x unit size is a multiple of 2^32 plus a small size, so a product
// kept in 32 bits would pass the bounds check and read real bytes: the
// offset points at a rational that is really there. The entry must be
// refused and its field stay unset.
void ExifMalformedTest::countTimesUnitSizeOverflowing_data()
{
    QTest::addColumn<int>("ifd");
    QTest::addColumn<int>("tag");
    QTest::addColumn<int>("format");
    QTest::addColumn<quint32>("count");
    QTest::addColumn<bool>("pointsAtData"); // else the value would sit in the entry itself
    QTest::addColumn<QString>("field");
    QTest::newRow("rational 0x20000001 x 8") << int(JpegBuilder::ExifIfd) << 33434 << 5 << quint32(0x20000001)
                                              << true << "exposureTime";
    QTest::newRow("short 0x80000002 x 2") << int(JpegBuilder::Ifd0) << 274 << 3 << quint32(0x80000002) << false
                                           << "orientation";
    QTest::newRow("long 0x40000001 x 4") << int(JpegBuilder::ExifIfd) << 40962 << 4 << quint32(0x40000001)
                                          << false << "imageWidth";
}

void ExifMalformedTest::countTimesUnitSizeOverflowing()
{
    QFETCH(int, ifd);
    QFETCH(int, tag);
    QFETCH(int, format);
    QFETCH(quint32, count);
    QFETCH(bool, pointsAtData);
    QFETCH(QString, field);
    auto build = [&](quint32 valueField) {
        JpegBuilder b(true);
        b.add(JpegBuilder::Ifd0, 271, 2, 6, b.ascii("Maker"));
        b.add(JpegBuilder::ExifIfd, 33437, 5, 1, b.rationals({{1, 250}}));
        b.addRaw(JpegBuilder::Ifd(ifd), quint16(tag), quint16(format), count, valueField);
        return b;
    };
    quint32 valueField = 6; // inline: a short or long of 6
    if (pointsAtData) {
        const JpegBuilder probe = build(0);
        valueField = quint32(probe.tiff().indexOf(probe.rationals({{1, 250}})));
        QVERIFY(valueField > 8);
    }
    const QByteArray bytes = build(valueField).jpeg();
    ExifReader reader;
    QCOMPARE(reader.parseJpeg(exactCopy(bytes).get(), bytes.size()), int(ExifReader::Success));
    QCOMPARE(reader.make, QByteArray("Maker"));
    QCOMPARE(reader.fNumber, 0.004);
    if (field == "exposureTime")
        QCOMPARE(reader.exposureTime, 0.0);
    else if (field == "orientation")
        QCOMPARE(reader.orientation, quint16(0));
    else
        QCOMPARE(reader.imageWidth, quint32(0));
}

void ExifMalformedTest::everyByteMutated()
{
    const QByteArray good = photo().jpeg();
    for (int i = 0; i < good.size(); ++i) {
        for (char value : {'\x00', '\x01', '\x7F', '\x80', '\xFE', '\xFF'}) {
            QByteArray bytes = good;
            bytes[i] = value;
            QVERIFY2(isKnownCode(parseExact(bytes)), qPrintable(QString::number(i)));
        }
    }
}

void ExifMalformedTest::everyTruncation()
{
    const QByteArray good = photo().jpeg();
    for (int size = 0; size < good.size(); ++size)
        QVERIFY(isKnownCode(parseExact(good.left(size) + QByteArray("\xFF\xD9", 2))));
}

QTEST_GUILESS_MAIN(ExifMalformedTest)
#include "exifmalformed_test.moc"
