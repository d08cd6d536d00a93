// The cone drawn to scale: each combination, degenerate and extreme cones
// and bad values drawn into an image stay inside their rectangle, show
// something, take no longer than an ordinary cone and use a round scale;
// the solution window's drawing follows each calculation and tells a screen
// reader what it shows.
#include "cone_drawing.h"
#include "cone_drawing_widget.h"
#include "solution_window_fixture.h"
#include "table_rows.h"

#include <velmora/cone_solver.h>

#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace velmora::test {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kDenormal = std::numeric_limits<double>::denorm_min();
const QRect kArea(40, 30, 560, 420);

DrawingStyle testStyle() {
    return {Qt::black,        Qt::blue,           Qt::white, QApplication::font(),
            LengthUnit::None, bulgarianSettings()};
}

std::vector<DrawnCone> solved(int pair, double first, double second) {
    std::vector<DrawnCone> cones;
    for (const ConeValues& c : ConeSolver().solveAll(pair, first, second))
        cones.push_back({cones.empty() ? QString() : QStringLiteral("Втори конус"),
                         coneNet(c[ConeQuantity::R], c[ConeQuantity::L], c[ConeQuantity::H])});
    if (cones.size() > 1)
        cones[0].title = QStringLiteral("Първи конус");
    return cones;
}

struct Drawn {
    QImage image;
    double scale;
    qint64 nanoseconds; // the fastest of three drawings
};

Drawn draw(const std::vector<DrawnCone>& cones, const QRect& area = kArea) {
    Drawn d{QImage(640, 480, QImage::Format_RGB32), 0, std::numeric_limits<qint64>::max()};
    for (int run = 0; run < 3; ++run) {
        d.image.fill(Qt::white);
        QPainter painter(&d.image);
        QElapsedTimer timer;
        timer.start();
        d.scale = paintConeDrawing(painter, area, cones, testStyle());
        d.nanoseconds = std::min(d.nanoseconds, timer.nsecsElapsed());
    }
    return d;
}

// Pixels other than paper inside and outside `area`.
std::pair<int, int> inkInsideAndOutside(const QImage& image, const QRect& area) {
    int inside = 0, outside = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != QColor(Qt::white).rgb())
                ++(area.contains(x, y) ? inside : outside);
    return {inside, outside};
}

// Millimetres to a unit of length, as 1, 1,2, 1,5, 2, 2,5, 3, 4, 5, 6 or 8
// times a power of ten.
bool roundScale(double pixelsPerUnit, const QImage& image) {
    const double lg = std::log10(pixelsPerUnit * 25.4 / image.logicalDpiX());
    const double mantissa = std::pow(10.0, lg - std::floor(lg));
    return std::ranges::any_of(std::array{1.0, 1.2, 1.5, 2.0, 2.5, 3.0, 4.0, 5.0, 6.0, 8.0, 10.0},
                               [&](double m) { return std::abs(mantissa - m) < 1e-6 * m; });
}

struct DrawingCase {
    const char* name;
    std::vector<DrawnCone> cones;
    bool drawn = true; // false: values no cone has, nothing drawn
};

void PrintTo(const DrawingCase& c, std::ostream* out) {
    *out << c.name;
}

const DrawnCone kOrdinary{{}, coneNet(3, 5, 4)};

std::vector<DrawingCase> drawingCases() {
    struct Given {
        const char* name;
        int pair;
        double first, second;
    };
    const Given given[] = {
        {"R_L", 0, 3, 5},
        {"R_H", 1, 3, 3},
        {"R_S", 2, 0.1, 0.02 * std::numbers::pi},
        {"R_V", 3, 3, 12 * std::numbers::pi},
        {"L_H", 4, 5, 4},
        {"L_S", 5, 10, 60 * std::numbers::pi},
        {"H_S", 6, 4, 15 * std::numbers::pi},
        {"H_V", 7, 2, 7},
        {"S_V_two_cones", 8, 10, 2},
        {"L_V_two_cones", 9, 5, 40},
    };
    std::vector<DrawingCase> cases;
    for (const Given& g : given)
        cases.push_back({g.name, solved(g.pair, g.first, g.second)});
    const auto one = [](double r, double l, double h) {
        return std::vector<DrawnCone>{{{}, coneNet(r, l, h)}};
    };
    const std::vector<DrawingCase> extremes{
        {"R_equals_L", one(5, 5, 0)},
        {"very_flat", one(999999.9999995, 1e6, 1)},
        {"very_tall", one(1, 1e6, 999999.9999995)},
        {"R_1e_minus_300_L_1e300", one(1e-300, 1e300, 1e300)},
        {"largest_doubles", one(1.7e308, 1.79e308, 3e307)},
        {"denormals", one(kDenormal, 4e-320, 4e-320)},
        {"all_denormal_R_equals_L", one(3e-320, 3e-320, 0)},
        {"two_cones_far_apart",
         {{QStringLiteral("Първи"), coneNet(1, 1, 0)},
          {QStringLiteral("Втори"), coneNet(1e-6, 1e6, 1e6)}}},
        {"infinite_length", one(1, kInfinity, kInfinity), false},
        {"not_a_number", one(kNaN, 5, 4), false},
        {"zero_slant", one(0, 0, 0), false},
    };
    cases.insert(cases.end(), extremes.begin(), extremes.end());
    return cases;
}

class ConeDrawing : public ::testing::TestWithParam<DrawingCase> {};

TEST_P(ConeDrawing, StaysInItsRectangleAndTakesNoLongerThanAnOrdinaryCone) {
    const DrawingCase& c = GetParam();
    ASSERT_FALSE(c.cones.empty());
    // Drawn in turn with an ordinary cone, and each timed at its fastest:
    // a machine busy with other work slows both alike, and a pause that
    // hits one drawing is not taken for its own time.
    Drawn ordinary = draw({kOrdinary});
    Drawn d = draw(c.cones);
    for (int round = 0; round < 3; ++round) {
        ordinary.nanoseconds = std::min(ordinary.nanoseconds, draw({kOrdinary}).nanoseconds);
        d.nanoseconds = std::min(d.nanoseconds, draw(c.cones).nanoseconds);
    }
    const auto [inside, outside] = inkInsideAndOutside(d.image, kArea);
    EXPECT_EQ(outside, 0) << "painted outside its rectangle";
    if (c.drawn) {
        EXPECT_GT(inside, 500) << "too little to be seen";
        EXPECT_GT(d.scale, 0);
        if (d.scale < std::numeric_limits<double>::max()) {
            EXPECT_TRUE(roundScale(d.scale, d.image)) << d.scale;
        }
    } else {
        EXPECT_EQ(inside, 0);
        EXPECT_EQ(d.scale, 0);
    }
    // (With a few milliseconds to spare for the clock's and the system's
    // grain.)
    EXPECT_LE(d.nanoseconds, 10 * ordinary.nanoseconds + 5'000'000);
    EXPECT_LT(d.nanoseconds, 500'000'000);
}

INSTANTIATE_TEST_SUITE_P(Cones, ConeDrawing, ::testing::ValuesIn(drawingCases()), rowName);

// A rectangle too small for the letters draws nothing rather than spill.
TEST(ConeDrawingArea, ANarrowOrLowRectangleIsNeverOverrun) {
    for (const QRect& area : {QRect(300, 200, 30, 30), QRect(100, 10, 120, 460),
                              QRect(10, 200, 620, 90), QRect(50, 50, 0, 0)}) {
        const Drawn d = draw({kOrdinary}, area);
        EXPECT_EQ(inkInsideAndOutside(d.image, area).second, 0)
            << area.width() << "×" << area.height();
    }
}

// ---- In the solution window

class DrawingInTheWindow : public SolutionWindowTest {
protected:
    void SetUp() override {
        SolutionWindowTest::SetUp();
        openByClick();
        drawing = solutionWindow()->drawing();
    }

    ConeDrawingWidget* drawing = nullptr;
};

TEST_F(DrawingInTheWindow, FollowsEachCalculationAndDescribesItsNumbers) {
    QAccessibleInterface* picture = QAccessible::queryAccessibleInterface(drawing);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->role(), QAccessible::Graphic);
    EXPECT_EQ(picture->text(QAccessible::Name), QStringLiteral("Чертеж на конуса"));
    EXPECT_TRUE(drawing->cones().empty());

    user().calculate(0, QStringLiteral("3"), QStringLiteral("5"));
    ASSERT_EQ(drawing->cones().size(), 1u);
    EXPECT_EQ(drawing->cones()[0].net.sectorAngleDegrees, 216);
    EXPECT_EQ(picture->text(QAccessible::Description),
              QStringLiteral("Осното сечение и развивката на конуса: R = 3, L = 5, H = 4, "
                             "α = 216°."));
    chooseUnit(2); // cm
    EXPECT_TRUE(picture->text(QAccessible::Description).contains(QStringLiteral("R = 3 cm")));

    user().typeInto(0, QStringLiteral("4"));
    EXPECT_TRUE(drawing->cones().empty()) << "an outdated cone is still drawn";

    user().calculate(8, QStringLiteral("10"), QStringLiteral("2"));
    ASSERT_EQ(drawing->cones().size(), 2u);
    EXPECT_EQ(drawing->cones()[1].title, QStringLiteral("Втори конус (с по-малък радиус)"));
    const QString description = picture->text(QAccessible::Description);
    for (const char* part : {"двата конуса", "първи конус (с по-голям радиус) – R ≈ 1,73 cm",
                             "втори конус (с по-малък радиус) – R ≈ 0,604 cm"})
        EXPECT_TRUE(description.contains(QString::fromUtf8(part))) << description.toStdString();
}

} // namespace
} // namespace velmora::test
