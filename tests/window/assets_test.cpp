// The two pictures that the program carries as resources: their file formats,
// sizes, and that Qt reads them.
#include "appearance.h"
#include "window_test_support.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryFile>

#include <set>

namespace velmora::test {
namespace {

QByteArray resourceBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// What file(1) says about `bytes`, split at its commas: it reads the headers
// of image formats (JFIF, the JPEG frame, the ICO directory) for us.
QStringList fileDescription(const QByteArray& bytes, const QStringList& options = {}) {
    QTemporaryFile copy;
    if (!copy.open() || copy.write(bytes) != bytes.size() || !copy.flush())
        return {};
    QProcess file;
    file.start(QStringLiteral("file"),
               options + QStringList{QStringLiteral("-b"), copy.fileName()});
    if (!file.waitForFinished() || file.exitCode() != 0)
        return {};
    return QString::fromUtf8(file.readAllStandardOutput()).trimmed().split(QStringLiteral(", "));
}

QString mimeType(const QByteArray& bytes) {
    return fileDescription(bytes, {QStringLiteral("--mime-type")}).value(0);
}

TEST(Assets, ConeFigureIsABaselineJfifJpegOf137By162) {
    const QByteArray b = resourceBytes(kConeFigureResource);
    ASSERT_GT(b.size(), 100);
    EXPECT_TRUE(b.startsWith("\xFF\xD8")); // start of image
    EXPECT_TRUE(b.endsWith("\xFF\xD9"));   // end of image
    const QStringList fields = fileDescription(b);
    ASSERT_FALSE(fields.isEmpty()) << "file(1) did not run";
    ASSERT_EQ(fields.front(), QStringLiteral("JPEG image data")) << fields.join(", ").toStdString();
    EXPECT_EQ(mimeType(b), QStringLiteral("image/jpeg"));

    // JFIF 1.01 header first, 96 dots per inch both ways.
    EXPECT_TRUE(fields.contains(QStringLiteral("JFIF standard 1.01")));
    EXPECT_TRUE(fields.contains(QStringLiteral("resolution (DPI)")));
    EXPECT_TRUE(fields.contains(QStringLiteral("density 96x96")));
    EXPECT_TRUE(fields.contains(QStringLiteral("segment length 16"))); // no thumbnail

    // One frame, baseline (SOF0): 8-bit samples, 162 lines of 137, three components.
    EXPECT_TRUE(fields.contains(QStringLiteral("baseline")));
    EXPECT_FALSE(fields.contains(QStringLiteral("progressive")));
    EXPECT_TRUE(fields.contains(QStringLiteral("precision 8")));
    EXPECT_TRUE(fields.contains(QStringLiteral("137x162")));
    EXPECT_TRUE(fields.contains(QStringLiteral("components 3")));
    EXPECT_EQ(fields.size(), 9) << fields.join(", ").toStdString(); // nothing else, no Exif

    // Qt's reader agrees: a colour picture (three components), no alpha.
    QBuffer buffer;
    buffer.setData(b);
    QImageReader reader(&buffer, "jpeg");
    EXPECT_EQ(reader.size(), QSize(137, 162));
    EXPECT_EQ(reader.imageFormat(), QImage::Format_RGB32);
    const QImage image = reader.read();
    ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
    EXPECT_FALSE(image.hasAlphaChannel());
    EXPECT_EQ(image.bitPlaneCount(), 24);
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
    const QStringList fields = fileDescription(b);
    // Three fields: an entry stored as PNG would add "with PNG image data".
    ASSERT_EQ(fields.size(), 3) << fields.join(", ").toStdString();
    EXPECT_EQ(fields[0], QStringLiteral("MS Windows icon resource - 1 icon"));
    EXPECT_EQ(fields[1], QStringLiteral("32x32"));
    EXPECT_EQ(fields[2], QStringLiteral("8 bits/pixel"));
    EXPECT_EQ(mimeType(b), QStringLiteral("image/vnd.microsoft.icon"));
    // Directory, BITMAPINFOHEADER, 256-entry palette, 32 rows of 32 pixels,
    // 32 rows of a 4-byte mask.
    EXPECT_EQ(b.size(), 6 + 16 + 40 + 256 * 4 + 32 * 32 + 32 * 4);

    QBuffer buffer;
    buffer.setData(b);
    QImageReader reader(&buffer, "ico");
    ASSERT_TRUE(reader.canRead());
    EXPECT_EQ(reader.imageCount(), 1);
    EXPECT_EQ(reader.size(), QSize(32, 32));
    // Qt reports the bitmap as it is stored, palette-indexed, and turns
    // the mask into alpha as it reads it.
    EXPECT_EQ(reader.imageFormat(), QImage::Format_Indexed8);
    const QImage image = reader.read();
    ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
    EXPECT_EQ(image.size(), QSize(32, 32));
    EXPECT_TRUE(image.hasAlphaChannel());

    // Palette entries in use: 19, of which the visible (unmasked) pixels use most.
    std::set<QRgb> used;
    std::set<QRgb> visible;
    int transparent = 0;
    int partlyTransparent = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QRgb pixel = image.pixel(x, y);
            used.insert(pixel);
            if (qAlpha(pixel) == 0)
                ++transparent;
            else if (qAlpha(pixel) == 255)
                visible.insert(pixel);
            else
                ++partlyTransparent;
        }
    }
    EXPECT_EQ(partlyTransparent, 0); // a 1-bit mask: shown or clear
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
