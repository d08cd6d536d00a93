// The window as drawn: colours sampled from a rendering of it.
#include "table_rows.h"
#include "window_test_support.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

#include <algorithm>
#include <cmath>

namespace velmora::test {
namespace {

struct ColourSample {
    const char* what;
    int x; // window coordinates
    int y;
    QRgb colour;
    bool anyStyle = true; // false: some styles draw there (Fusion shades a frame's inside)
};

constexpr QRgb kWindowColour = 0xC0C0FF;
constexpr QRgb kStrip = 0xFFC080;
constexpr QRgb kMarker = 0x8080FF;
constexpr QRgb kGreen = 0x00FF00;
constexpr QRgb kRed = 0xFF0000;

// Points of solid colour, away from captions and edges.
constexpr ColourSample kSolidSamples[] = {
    {"window, left of the strip", 4, 4, kWindowColour},
    {"window, right of the strip", 474, 10, kWindowColour},
    {"window, between buttons and picture", 280, 200, kWindowColour},
    {"window, below the text", 240, 420, kWindowColour},
    {"title strip, left end", 18, 22, kStrip},
    {"list heading, left", 10, 61, kStrip},
    {"frame, right of the rows", 256, 132, kWindowColour, false},
    {"frame, above the first row", 230, 52, kWindowColour, false},
    {"marker R, top left", 113, 57, kMarker},
    {"marker V, right", 150, 154, kMarker},
    {"Calculate, left of the caption", 18, 204, kGreen},
    {"Calculate, right of the caption", 101, 204, kGreen},
    {"Clear, left of the caption", 146, 204, kRed},
    {"Clear, right of the caption", 229, 204, kRed},
};

class RenderingTest : public WindowTest {
protected:
    QImage render() {
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        return window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
};

TEST_F(RenderingTest, SolidColours) {
    const QImage image = render();
    for (const ColourSample& s : kSolidSamples) {
        EXPECT_EQ(hex(QColor(image.pixel(s.x, s.y))), hex(QColor(s.colour)))
            << s.what << " at (" << s.x << ", " << s.y << ")";
    }
}

// The colours hold under every style Qt offers, not only the program's own.
TEST(RenderingUnderStyles, SolidColoursUnderEveryStyle) {
    const QString ownStyle = QApplication::style()->name();
    for (const QString& key : QStyleFactory::keys()) {
        SCOPED_TRACE(key.toStdString());
        QApplication::setStyle(key);
        {
            Velmora window;
            window.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
            const QImage image = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
            for (const ColourSample& s : kSolidSamples) {
                if (!s.anyStyle)
                    continue;
                EXPECT_EQ(hex(QColor(image.pixel(s.x, s.y))), hex(QColor(s.colour)))
                    << s.what << " at (" << s.x << ", " << s.y << ")";
            }
        }
    }
    QApplication::setStyle(ownStyle);
    EXPECT_EQ(QApplication::style()->name(), ownStyle);
}

TEST_F(RenderingTest, ButtonsKeepTheirFaceWithTheFocusAndWhilePressed) {
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    window->Command1[0]->setFocus(Qt::TabFocusReason);
    window->Command1[1]->setDown(true);
    const QImage image = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(hex(QColor(image.pixel(18, 204))), "#00FF00");
    EXPECT_EQ(hex(QColor(image.pixel(101, 204))), "#00FF00");
    EXPECT_EQ(hex(QColor(image.pixel(148, 204))), "#FF0000");
    EXPECT_EQ(hex(QColor(image.pixel(229, 204))), "#FF0000");
    window->Command1[1]->setDown(false);
}

// The figure's position (below) shows the border's width, not that it is drawn sunken.
TEST_F(RenderingTest, PictureHasASunkenBorder) {
    const QImage image = render();
    // Picture1 is at (312, 40) with a 2 px sunken border: dark at the top left.
    EXPECT_LT(qGray(image.pixel(312, 40)), 200);
    EXPECT_LT(qGray(image.pixel(313, 41)), 200);
}

TEST_F(RenderingTest, PictureShowsTheFigureUnscaled) {
    const QImage image = render();
    const QImage figure =
        window->Picture1->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(figure.size(), QSize(137, 162));
    int differing = 0;
    for (int y = 0; y < figure.height(); ++y) {
        for (int x = 0; x < figure.width(); ++x)
            differing += image.pixel(314 + x, 42 + y) != figure.pixel(x, y) ? 1 : 0;
    }
    EXPECT_EQ(differing, 0);
    // And the figure has a drawing in it, not just white.
    int dark = 0;
    for (int y = 0; y < figure.height(); ++y) {
        for (int x = 0; x < figure.width(); ++x)
            dark += qGray(figure.pixel(x, y)) < 100 ? 1 : 0;
    }
    EXPECT_GT(dark, 200);
}

TEST_F(RenderingTest, CaptionsAreDrawn) {
    const QImage image = render();
    // Some dark pixels of text in the middle of the strip and of each button.
    auto darkIn = [&](const QRect& r) {
        int dark = 0;
        for (int y = r.top(); y <= r.bottom(); ++y) {
            for (int x = r.left(); x <= r.right(); ++x)
                dark += qGray(image.pixel(x, y)) < 80 ? 1 : 0;
        }
        return dark;
    };
    EXPECT_GT(darkIn(QRect(100, 2, 280, 20)), 50);   // title strip
    EXPECT_GT(darkIn(QRect(30, 195, 60, 18)), 20);   // Изчисли
    EXPECT_GT(darkIn(QRect(160, 195, 60, 18)), 20);  // Изчисти
    EXPECT_GT(darkIn(QRect(20, 240, 400, 60)), 200); // the assignment
}

// ---- Every text reads at 4.5:1 or more against its background, also where
// the desktop's theme is dark.

double luminance(QColor c) {
    auto channel = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(QColor a, QColor b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

struct TextRegion {
    const char* name;
    QRect rect; // window coordinates, over the text
    QRgb background;
};

// The strongest contrast of any pixel of `r` against its background is the
// text's own colour (antialiased edges only come closer).
double textContrast(const QImage& image, const TextRegion& r) {
    double best = 1;
    for (int y = r.rect.top(); y <= r.rect.bottom(); ++y)
        for (int x = r.rect.left(); x <= r.rect.right(); ++x)
            best = std::max(best, contrast(QColor(image.pixel(x, y)), QColor(r.background)));
    return best;
}

QPalette darkDesktopPalette() {
    QPalette dark(QColor(0x35, 0x35, 0x35));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(role, Qt::white);
    dark.setColor(QPalette::Base, QColor(0x2a, 0x2a, 0x2a));
    dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x7f, 0x7f, 0x7f));
    return dark;
}

class ReadableTexts : public ::testing::TestWithParam<TextRegion> {
protected:
    static void SetUpTestSuite() {
        saved_ = QApplication::palette();
        QApplication::setPalette(darkDesktopPalette()); // before the window is built
        window_ = new Velmora;
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_));
        QTest::keyClicks(window_->Text2[0], QStringLiteral("3"));
        image_ = window_->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    static void TearDownTestSuite() {
        delete window_;
        QApplication::setPalette(saved_);
    }
    static inline QPalette saved_;
    static inline Velmora* window_ = nullptr;
    static inline QImage image_;
};

TEST_P(ReadableTexts, UnderADarkDesktopPalette) {
    EXPECT_GE(textContrast(image_, GetParam()), 4.5);
}

constexpr QRgb kWhite = 0xFFFFFF;

INSTANTIATE_TEST_SUITE_P(
    Window, ReadableTexts,
    ::testing::Values(TextRegion{"title_strip", QRect(100, 2, 280, 20), kStrip},
                      TextRegion{"list_heading", QRect(20, 42, 65, 20), kStrip},
                      TextRegion{"frame_caption", QRect(110, 32, 60, 14), kWindowColour},
                      TextRegion{"marker_R", QRect(132, 58, 16, 20), kMarker},
                      TextRegion{"marker_V", QRect(132, 154, 16, 20), kMarker},
                      TextRegion{"value_field", QRect(163, 59, 30, 20), kWhite},
                      TextRegion{"list_entries", QRect(12, 90, 60, 60), kWhite},
                      TextRegion{"calculate", QRect(30, 195, 60, 18), kGreen},
                      TextRegion{"clear", QRect(160, 195, 60, 18), kRed},
                      TextRegion{"assignment", QRect(20, 240, 400, 60), kWhite}),
    rowName);

} // namespace
} // namespace velmora::test
