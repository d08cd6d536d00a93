// The two pictures that the program carries as resources: Qt reads them, at
// their sizes, and the window shows the icon.
#include "appearance.h"
#include "window_test_support.h"

#include <QByteArray>
#include <QIcon>
#include <QImage>
#include <QImageReader>

namespace velmora::test {
namespace {

TEST(Assets, QtReadsTheConeFigure) {
    QImageReader reader(kConeFigureResource);
    EXPECT_EQ(reader.format(), QByteArray("jpeg"));
    const QImage image = reader.read();
    ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
    EXPECT_EQ(image.size(), QSize(137, 162));
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
