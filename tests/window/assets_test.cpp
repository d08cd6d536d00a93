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

// The window shows the 32 x 32 icon of its resource, whose corners are transparent.
TEST_F(WindowTest, WindowShowsTheIcon) {
    QImageReader reader(kWindowIconResource);
    EXPECT_EQ(reader.format(), QByteArray("ico"));
    const QImage fromResource = reader.read();
    ASSERT_FALSE(fromResource.isNull()) << reader.errorString().toStdString();
    EXPECT_EQ(qAlpha(fromResource.pixel(0, 0)), 0); // the corner lies outside the picture
    const QImage image = window->windowIcon().pixmap(QSize(32, 32)).toImage();
    EXPECT_EQ(image.size(), QSize(32, 32));
    EXPECT_EQ(image, fromResource.convertToFormat(image.format()));
}

} // namespace
} // namespace velmora::test
