// The two pictures that the program carries as resources: their file formats,
// sizes, and that Qt reads them.
#include "application_setup.h"
#include "window_test_support.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QImageReader>

#include <cstdint>
#include <optional>
#include <set>
#include <vector>

namespace velmora::test {
namespace {

QByteArray resourceBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

unsigned u8(const QByteArray& b, qsizetype at) {
    return static_cast<unsigned char>(b.at(at));
}
unsigned be16(const QByteArray& b, qsizetype at) {
    return (u8(b, at) << 8) | u8(b, at + 1);
}
unsigned le16(const QByteArray& b, qsizetype at) {
    return u8(b, at) | (u8(b, at + 1) << 8);
}
std::uint32_t le32(const QByteArray& b, qsizetype at) {
    return le16(b, at) | (static_cast<std::uint32_t>(le16(b, at + 2)) << 16);
}

struct JpegSegment {
    unsigned marker;
    qsizetype payload; // offset of the segment's data after its length field
    unsigned length;   // including the length field
};

// The marker segments up to the start of scan.
std::vector<JpegSegment> jpegSegments(const QByteArray& b) {
    std::vector<JpegSegment> segments;
    qsizetype at = 2;
    while (at + 4 <= b.size() && u8(b, at) == 0xFF) {
        const unsigned marker = u8(b, at + 1);
        const unsigned length = be16(b, at + 2);
        segments.push_back({marker, at + 4, length});
        if (marker == 0xDA) // start of scan: entropy-coded data follows
            break;
        at += 2 + length;
    }
    return segments;
}

TEST(Assets, ConeFigureIsABaselineJfifJpegOf137By162) {
    const QByteArray b = resourceBytes(kConeFigureResource);
    ASSERT_GT(b.size(), 100);
    EXPECT_EQ(be16(b, 0), 0xFFD8u);            // start of image
    EXPECT_EQ(be16(b, b.size() - 2), 0xFFD9u); // end of image
    const std::vector<JpegSegment> segments = jpegSegments(b);
    ASSERT_FALSE(segments.empty());

    // JFIF 1.01 header first, 96 dots per inch both ways.
    const JpegSegment& app0 = segments.front();
    ASSERT_EQ(app0.marker, 0xE0u);
    EXPECT_EQ(b.mid(app0.payload, 5), QByteArray("JFIF\0", 5));
    EXPECT_EQ(u8(b, app0.payload + 5), 1u); // major version
    EXPECT_EQ(u8(b, app0.payload + 6), 1u); // minor version
    EXPECT_EQ(u8(b, app0.payload + 7), 1u); // density in dots per inch
    EXPECT_EQ(be16(b, app0.payload + 8), 96u);
    EXPECT_EQ(be16(b, app0.payload + 10), 96u);

    // One frame, baseline (SOF0): 8-bit samples, 162 lines of 137, three components.
    int baselineFrames = 0;
    for (const JpegSegment& s : segments) {
        const bool otherFrame = s.marker >= 0xC1 && s.marker <= 0xCF && s.marker != 0xC4 &&
                                s.marker != 0xC8 && s.marker != 0xCC;
        EXPECT_FALSE(otherFrame) << "frame marker " << std::hex << s.marker;
        if (s.marker != 0xC0)
            continue;
        ++baselineFrames;
        EXPECT_EQ(u8(b, s.payload), 8u);
        EXPECT_EQ(be16(b, s.payload + 1), 162u);
        EXPECT_EQ(be16(b, s.payload + 3), 137u);
        EXPECT_EQ(u8(b, s.payload + 5), 3u);
    }
    EXPECT_EQ(baselineFrames, 1);
    EXPECT_EQ(segments.back().marker, 0xDAu);
}

TEST(Assets, QtReadsTheConeFigure) {
    QImageReader reader(kConeFigureResource);
    EXPECT_EQ(reader.format(), QByteArray("jpeg"));
    const QImage image = reader.read();
    ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
    EXPECT_EQ(image.size(), QSize(137, 162));
    // 96 dots per inch is 3780 dots per metre (rounded).
    EXPECT_NEAR(image.dotsPerMeterX(), 3780, 1);
    EXPECT_NEAR(image.dotsPerMeterY(), 3780, 1);
}

// The one entry of the icon: a 32 x 32 bitmap of 8 bits per pixel with a
// 256-colour palette, followed by its AND (transparency) mask.
TEST(Assets, WindowIconIsOne32By32EightBitImageWithPaletteAndMask) {
    const QByteArray b = resourceBytes(kWindowIconResource);
    ASSERT_GE(b.size(), 22);
    EXPECT_EQ(le16(b, 0), 0u); // reserved
    EXPECT_EQ(le16(b, 2), 1u); // icon
    ASSERT_EQ(le16(b, 4), 1u); // one image

    // Directory entry.
    EXPECT_EQ(u8(b, 6), 32u);   // width
    EXPECT_EQ(u8(b, 7), 32u);   // height
    EXPECT_EQ(u8(b, 8), 0u);    // colour count: 0 means 256 or more
    EXPECT_EQ(u8(b, 9), 0u);    // reserved
    EXPECT_EQ(le16(b, 12), 8u); // bits per pixel
    const std::uint32_t size = le32(b, 14);
    const std::uint32_t offset = le32(b, 18);
    ASSERT_EQ(offset + size, static_cast<std::uint32_t>(b.size()));

    // The image: a BITMAPINFOHEADER (height counts image and mask), not a PNG.
    const qsizetype h = offset;
    ASSERT_EQ(le32(b, h), 40u);
    EXPECT_EQ(static_cast<std::int32_t>(le32(b, h + 4)), 32);
    EXPECT_EQ(static_cast<std::int32_t>(le32(b, h + 8)), 64);
    EXPECT_EQ(le16(b, h + 12), 1u);
    EXPECT_EQ(le16(b, h + 14), 8u);
    EXPECT_EQ(le32(b, h + 16), 0u); // uncompressed
    const std::uint32_t coloursInPalette = le32(b, h + 32) == 0 ? 256 : le32(b, h + 32);
    EXPECT_EQ(coloursInPalette, 256u);
    // Header, palette, 32 rows of 32 pixels, 32 rows of a 4-byte mask.
    EXPECT_EQ(size, 40u + 256u * 4u + 32u * 32u + 32u * 4u);

    // Palette entries in use: 19, of which the visible (unmasked) pixels use most.
    const qsizetype pixels = h + 40 + 256 * 4;
    const qsizetype mask = pixels + 32 * 32;
    std::set<unsigned> used;
    std::set<unsigned> visible;
    int transparent = 0;
    for (int row = 0; row < 32; ++row) {
        for (int x = 0; x < 32; ++x) {
            const unsigned index = u8(b, pixels + row * 32 + x);
            used.insert(index);
            const bool masked = (u8(b, mask + row * 4 + x / 8) >> (7 - x % 8)) & 1u;
            if (masked)
                ++transparent;
            else
                visible.insert(index);
        }
    }
    EXPECT_EQ(used.size(), 19u);
    EXPECT_GE(visible.size(), 5u);
    EXPECT_GT(transparent, 0);       // transparent around the picture
    EXPECT_LT(transparent, 32 * 32); // but there is a picture
}

TEST(Assets, QtReadsTheWindowIcon) {
    QImageReader reader(kWindowIconResource);
    EXPECT_EQ(reader.format(), QByteArray("ico"));
    const QImage image = reader.read();
    ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
    EXPECT_EQ(image.size(), QSize(32, 32));
    EXPECT_TRUE(image.hasAlphaChannel());
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0); // the corner lies outside the picture

    const QIcon icon(kWindowIconResource);
    ASSERT_FALSE(icon.isNull());
    EXPECT_TRUE(icon.availableSizes().contains(QSize(32, 32)));
}

TEST_F(WindowTest, WindowShowsTheIcon) {
    const QIcon icon = window->windowIcon();
    ASSERT_FALSE(icon.isNull());
    const QImage image = icon.pixmap(QSize(32, 32)).toImage();
    EXPECT_EQ(image.size(), QSize(32, 32));
    const QImage fromResource = QImage(kWindowIconResource).convertToFormat(image.format());
    EXPECT_EQ(image, fromResource);
}

} // namespace
} // namespace velmora::test
