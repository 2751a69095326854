#include "samplemedia.h"

#include <QBuffer>
#include <QColor>
#include <QImage>

#include <cmath>
#include <cstdint>
#include <vector>

namespace
{
    QImage gradient(int width, int height, int hue)
    {
        QImage image(width, height, QImage::Format_RGB32);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                image.setPixelColor(x, y, QColor::fromHsv((hue + x * 90 / width) % 360, 200, 120 + y * 120 / height));
        return image;
    }

    std::string encoded(const QImage &image, const char *format)
    {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, format, 85);
        return buffer.data().toStdString();
    }

    // Big-endian fields and boxes of the QuickTime file format.
    struct Bytes
    {
        std::string data;
        Bytes &u8(uint8_t v) { data += char(v); return *this; }
        Bytes &u16(uint16_t v) { return u8(uint8_t(v >> 8)).u8(uint8_t(v)); }
        Bytes &u32(uint32_t v) { return u16(uint16_t(v >> 16)).u16(uint16_t(v)); }
        Bytes &text(const std::string &t) { data += t; return *this; }
        Bytes &zeros(size_t n) { data.append(n, '\0'); return *this; }
        Bytes &matrix() { return u32(0x10000).u32(0).u32(0).u32(0).u32(0x10000).u32(0).u32(0).u32(0).u32(0x40000000); }
    };

    std::string box(const char *type, const std::string &payload)
    {
        return Bytes().u32(uint32_t(8 + payload.size())).text(type).text(payload).data;
    }

    std::string sampleTable(int width, int height, const std::vector<std::string> &frames, uint32_t dataOffset)
    {
        Bytes description;
        description.zeros(6).u16(1).u16(0).u16(0).u32(0).u32(0).u32(512).u16(uint16_t(width)).u16(uint16_t(height))
            .u32(72u << 16).u32(72u << 16).u32(0).u16(1).u8(12).text("Photo - JPEG").zeros(19).u16(24).u16(0xFFFF);
        Bytes sizes;
        sizes.u32(0).u32(0).u32(uint32_t(frames.size()));
        for (const std::string &frame : frames)
            sizes.u32(uint32_t(frame.size()));
        return box("stbl", box("stsd", Bytes().u32(0).u32(1).u32(uint32_t(8 + description.data.size())).text("jpeg")
                                           .text(description.data).data) +
                               box("stts", Bytes().u32(0).u32(1).u32(uint32_t(frames.size())).u32(300).data) +
                               box("stsc", Bytes().u32(0).u32(1).u32(1).u32(uint32_t(frames.size())).u32(1).data) +
                               box("stsz", sizes.data) + box("stco", Bytes().u32(0).u32(1).u32(dataOffset).data));
    }
}

namespace samplemedia
{
    std::string picture(int width, int height, int hue, const char *format)
    {
        return encoded(gradient(width, height, hue), format);
    }

    std::string clip(int width, int height, int frames, int hue)
    {
        std::vector<std::string> jpegs;
        std::string media;
        for (int i = 0; i < frames; ++i) {
            jpegs.push_back(picture(width, height, hue + i * 40, "JPG"));
            media += jpegs.back();
        }
        const uint32_t timescale = 600;
        const uint32_t duration = uint32_t(frames) * 300;
        const std::string ftyp = box("ftyp", Bytes().text("qt  ").u32(0x200).text("qt  ").data);
        const uint32_t dataOffset = uint32_t(ftyp.size() + 8);

        const std::string mvhd = box("mvhd", Bytes().u32(0).u32(0).u32(0).u32(timescale).u32(duration).u32(0x10000)
                                                 .u16(0x100).zeros(10).matrix().zeros(24).u32(2).data);
        const std::string tkhd = box("tkhd", Bytes().u32(3).u32(0).u32(0).u32(1).u32(0).u32(duration).zeros(8).u16(0)
                                                 .u16(0).u16(0).u16(0).matrix().u32(uint32_t(width) << 16)
                                                 .u32(uint32_t(height) << 16).data);
        const std::string mdhd = box("mdhd", Bytes().u32(0).u32(0).u32(0).u32(timescale).u32(duration).u16(0).u16(0).data);
        const std::string hdlr = box("hdlr", Bytes().u32(0).text("mhlr").text("vide").zeros(12).u8(0).data);
        const std::string dinf = box("dinf", box("dref", Bytes().u32(0).u32(1).u32(12).text("alis").u32(1).data));
        const std::string minf = box("minf", box("vmhd", Bytes().u32(1).zeros(8).data) + dinf +
                                                 sampleTable(width, height, jpegs, dataOffset));
        const std::string moov = box("moov", mvhd + box("trak", tkhd + box("mdia", mdhd + hdlr + minf)));
        return ftyp + box("mdat", media) + moov;
    }

    std::string tone(int frequency)
    {
        const uint32_t rate = 8000;
        Bytes samples;
        for (uint32_t i = 0; i < rate; ++i) {
            const auto value = int16_t(8000 * std::sin(2 * M_PI * frequency * i / rate));
            samples.u8(uint8_t(value & 0xFF)).u8(uint8_t((value >> 8) & 0xFF)); // little-endian
        }
        auto le32 = [](uint32_t v) { return std::string {char(v), char(v >> 8), char(v >> 16), char(v >> 24)}; };
        auto le16 = [](uint16_t v) { return std::string {char(v), char(v >> 8)}; };
        const std::string &pcm = samples.data;
        return "RIFF" + le32(uint32_t(36 + pcm.size())) + "WAVE" + "fmt " + le32(16) + le16(1) + le16(1) + le32(rate) +
               le32(rate * 2) + le16(2) + le16(16) + "data" + le32(uint32_t(pcm.size())) + pcm;
    }
}
