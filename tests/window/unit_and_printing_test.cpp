// The unit of length in the solution window and the printed solution: the
// units in the text, the print buttons' states, the PDF's text and scale,
// the net measured on the PDF rendered at 100 pixels a centimetre, a PDF
// that cannot be written, and a print module that is missing.
#include "solution_printer.h"
#include "solution_window_fixture.h"
#include "table_rows.h"

#include <velmora/cone_quantity.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QMessageBox>
#include <QPrintDialog>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <functional>
#include <numbers>
#include <optional>

namespace velmora::test {
namespace {

class UnitAndPrinting : public SolutionWindowTest {
protected:
    void SetUp() override {
        SolutionWindowTest::SetUp();
        openByClick();
    }

    QPushButton* button(const QString& text) const {
        for (QPushButton* b : solutionWindow()->findChildren<QPushButton*>())
            if (b->text() == text)
                return b;
        return nullptr;
    }

    // Ctrl with `key` in the solution window, once it has the keyboard. Its
    // QWindow counts as active while its owner is, so the wait is for
    // QApplication's own active window.
    void pressInSolutionWindow(Qt::Key key) {
        solutionWindow()->activateWindow();
        EXPECT_TRUE(
            QTest::qWaitFor([this] { return QApplication::activeWindow() == solutionWindow(); }));
        QTest::keyClick(solutionWindow()->focusWidget(), key, Qt::ControlModifier);
    }

    // Presses Ctrl with `key` in the solution window and answers each modal
    // dialog that opens with `answer`, until the key's work is done.
    void pressAnswering(Qt::Key key, const std::function<void(QWidget*)>& answer) {
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [&answer] {
            if (QWidget* modal = QApplication::activeModalWidget())
                answer(modal);
        });
        timer.start(20);
        pressInSolutionWindow(key);
    }

    // Presses Ctrl+S in the solution window, answers the file dialog with
    // `path`, and returns the text of the message that followed, if any.
    QString saveAsPdf(const QString& path) {
        QString message;
        pressAnswering(Qt::Key_S, [&](QWidget* modal) {
            if (auto* files = qobject_cast<QFileDialog*>(modal)) {
                files->selectFile(path);
                static_cast<QDialog*>(files)->accept(); // QFileDialog's own, public here
            } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                message = box->text();
                box->accept();
            }
        });
        return message;
    }
};

// Runs a PDF tool of poppler-utils; its standard output.
QByteArray run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(60000)) << program.toStdString() << " is missing";
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return process.readAllStandardOutput();
}

QString pdfText(const QString& pdf) {
    return QString::fromUtf8(run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}));
}

// ---- The unit in the text

struct UnitCase {
    const char* name;
    int entry; // of «Мерна единица:»
    std::vector<const char*> lines;
};

class UnitInText : public UnitAndPrinting, public ::testing::WithParamInterface<UnitCase> {};

TEST_P(UnitInText, FollowsEachValueAsATextbookWritesIt) {
    user().calculate(0, QStringLiteral("3"), QStringLiteral("5"));
    chooseUnit(GetParam().entry);
    const QStringList lines = shown().split(u'\n');
    for (const char* line : GetParam().lines)
        EXPECT_TRUE(lines.contains(QString::fromUtf8(line))) << line << "\nin:\n"
                                                             << shown().toStdString();
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Units, UnitInText, ::testing::Values(
    UnitCase{"none", 0, {
        "Дадено: R = 3; L = 5",
        "S = π·R·L = π·3·5 = 15π ≈ 47,1238898",
        "Отговор: H = 4; S = 15π ≈ 47,1238898; V = 12π ≈ 37,6991118; B = 9π ≈ 28,2743339; "
        "S₁ = 24π ≈ 75,3982237; α = 216°; Q = 12; φ ≈ 53°08′"}},
    UnitCase{"mm", 1, {
        "Дадено: R = 3 mm; L = 5 mm",
        "H = √(L² − R²) = √(5² − 3²) = √16 = 4 mm",
        "V = π·R²·H/3 = π·3²·4/3 = 12π ≈ 37,6991118 mm³"}},
    UnitCase{"cm", 2, {
        "Дадено: R = 3 cm; L = 5 cm",
        "S = π·R·L = π·3·5 = 15π ≈ 47,1238898 cm²",
        "Централен ъгъл на развивката: α = 360°·R/L = 360°·3/5 = 216°",
        "Отговор: H = 4 cm; S = 15π ≈ 47,1238898 cm²; V = 12π ≈ 37,6991118 cm³; "
        "B = 9π ≈ 28,2743339 cm²; S₁ = 24π ≈ 75,3982237 cm²; α = 216°; Q = 12 cm²; φ ≈ 53°08′"}},
    UnitCase{"dm", 3, {
        "Лице на осното сечение: Q = R·H = 3·4 = 12 dm²",
        "Ъгъл при върха на осното сечение: 2·arcsin(R/L) = 2·arcsin(3/5) ≈ 73°44′"}},
    UnitCase{"m", 4, {
        "Дадено: R = 3 m; L = 5 m",
        "Пълна повърхнина: S₁ = S + B = π·R·(R + L) = π·3·(3 + 5) = 24π ≈ 75,3982237 m²"}}),
    rowName);
// clang-format on

// The choice outlives the solution and is told to whoever draws the cone;
// a given area keeps its own power of the unit.
TEST_F(UnitAndPrinting, TheUnitStaysForTheNextSolutionAndIsAnnounced) {
    QSignalSpy announced(solutionWindow(), &SolutionWindow::unitChanged);
    chooseUnit(2);
    ASSERT_FALSE(announced.isEmpty());
    EXPECT_EQ(announced.last().at(0).value<LengthUnit>(), LengthUnit::Centimetre);
    user().calculate(5, QStringLiteral("10"), QStringLiteral("60π"));
    EXPECT_TRUE(shown().contains(QStringLiteral("Дадено: L = 10 cm; S = 60π cm²")))
        << shown().toStdString();
    EXPECT_EQ(solutionWindow()->unit(), LengthUnit::Centimetre);
}

// ---- The print buttons follow whether there is a solution

TEST_F(UnitAndPrinting, PrintingIsOfferedOnlyWithASolution) {
    const auto enabled = [this] {
        return std::array<bool, 2>{button(QStringLiteral("Печат…"))->isEnabled(),
                                   button(QStringLiteral("Запази като PDF…"))->isEnabled()};
    };
    ASSERT_NE(button(QStringLiteral("Печат…")), nullptr);
    ASSERT_NE(button(QStringLiteral("Запази като PDF…")), nullptr);
    struct Step {
        const char* action;
        std::function<void()> act;
        bool offered;
    };
    const Step steps[] = {
        {"before any calculation", [] {}, false},
        {"after one", [this] { user().calculate(0, QStringLiteral("3"), QStringLiteral("5")); },
         true},
        {"after a field changed", [this] { user().typeInto(0, QStringLiteral("4")); }, false},
        {"after the next", [this] { user().pressCalculate(); }, true},
    };
    for (const Step& step : steps) {
        step.act();
        EXPECT_EQ(enabled(), (std::array<bool, 2>{step.offered, step.offered})) << step.action;
    }
}

TEST_F(UnitAndPrinting, CtrlPOpensThePrintDialog) {
    user().calculate(0, QStringLiteral("3"), QStringLiteral("5"));
    bool opened = false;
    pressAnswering(Qt::Key_P, [&opened](QWidget* modal) {
        opened = qobject_cast<QPrintDialog*>(modal) != nullptr;
        qobject_cast<QDialog*>(modal)->reject();
    });
    EXPECT_TRUE(opened);
}

// A broken installation without the print module: printing names the file
// it lacks instead of failing unseen.
TEST(PrintModule, AMissingOneIsNamed) {
    QTemporaryDir empty;
    const LoadedPrinter loaded = loadSolutionPrinter(empty.path());
    EXPECT_EQ(loaded.printer, nullptr);
    EXPECT_EQ(loaded.missingFile, QDir(empty.path()).filePath(QStringLiteral("velmora-print.so")));
}

// ---- The PDF

struct ScaleCase {
    const char* name;
    const char* radius;
    const char* slant;
    int unit;
    const char* scale; // as the page writes it
};

class PrintedScale : public UnitAndPrinting, public ::testing::WithParamInterface<ScaleCase> {};

TEST_P(PrintedScale, IsRealSizeWhereTheNetFitsAndRoundOtherwise) {
    const ScaleCase& c = GetParam();
    user().calculate(0, QString::fromUtf8(c.radius), QString::fromUtf8(c.slant));
    chooseUnit(c.unit);
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("конус.pdf"));
    EXPECT_EQ(saveAsPdf(pdf).toStdString(), "");
    // pdftotext breaks lines where the page does: the words, not the lines.
    const QString text = pdfText(pdf).simplified();
    EXPECT_TRUE(text.contains(QString::fromUtf8(c.scale))) << text.toStdString();
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cones, PrintedScale, ::testing::Values(
    ScaleCase{"real_size_in_cm", "3", "5", 2, "мащаб 1:1"},
    ScaleCase{"too_large_in_cm", "30", "50", 2, "мащаб 1:10"},
    ScaleCase{"too_small_to_cut_in_mm", "3", "5", 1, "мащаб 10:1"},
    ScaleCase{"without_a_unit", "3", "5", 0, "мащаб: 1 единица за дължина = 1 cm"},
    ScaleCase{"beyond_any_page", "1", "1e100", 4, "мащаб 1:5·10¹⁰⁰"}),
    rowName);
// clang-format on

// Where the net's tints show on a rendered page.
constexpr QRgb kSectorTint = qRgb(255, 233, 168);
constexpr QRgb kBaseTint = qRgb(196, 226, 255);

bool isTint(QRgb pixel, QRgb tint) {
    constexpr int kTolerance = 12;
    return std::abs(qRed(pixel) - qRed(tint)) <= kTolerance &&
           std::abs(qGreen(pixel) - qGreen(tint)) <= kTolerance &&
           std::abs(qBlue(pixel) - qBlue(tint)) <= kTolerance;
}

// The bounding box of the pixels of one tint.
std::optional<QRect> extentOf(const QImage& page, QRgb tint) {
    QRect box;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (isTint(page.pixel(x, y), tint))
                box |= QRect(x, y, 1, 1);
    return box.isEmpty() ? std::nullopt : std::optional(box);
}

// The width in pixels of the line that borders a tint, from the first pixel
// past the tint onwards: the ink of the pixels up to paper or a tint.
double lineWidth(const QImage& page, QPoint from, QPoint step) {
    double ink = 0;
    for (QPoint p = from; page.valid(p); p += step) {
        const QRgb pixel = page.pixel(p);
        if (qGray(pixel) > 250 || isTint(pixel, kSectorTint) || isTint(pixel, kBaseTint))
            break;
        ink += (255 - qGray(pixel)) / 255.0;
    }
    return ink;
}

// The direction of a straight edge over a tint, from the topmost tinted
// pixels of two columns.
QPointF edgeDirection(const QImage& page, int nearX, int farX) {
    const auto top = [&page](int x) {
        for (int y = 0; y < page.height(); ++y)
            if (isTint(page.pixel(x, y), kSectorTint))
                return y;
        return -1;
    };
    return QPointF(farX - nearX, top(farX) - top(nearX));
}

// «R L» 3 5 in cm: the text holds the answers, and on paper the sector has
// a radius of 5 cm and an angle of 216°, the base circle a radius of 3 cm.
// Measured on the page rendered at 254 dpi, 100 pixels a centimetre, up to
// the middle of the cutting line: the tints' extents and half the line on
// either side. The sector is 2L wide (α > 180°); its angle is 360° less the
// angle between its straight edges, whose directions are read where they
// bound the tint from above, halfway between the apex and the arc.
TEST_F(UnitAndPrinting, ThePdfHoldsTheAnswersAndTheNetAtRealSize) {
    user().calculate(0, QStringLiteral("3"), QStringLiteral("5"));
    chooseUnit(2);
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("конус.pdf"));
    EXPECT_EQ(saveAsPdf(pdf), QString());
    const QString text = pdfText(pdf).simplified();
    for (const char* answer : {"S = 15π ≈ 47,1238898 cm²", "V = 12π ≈ 37,6991118 cm³",
                               "Конус: R = 3 cm; L = 5 cm", "α = 216°"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(answer))) << answer << " in\n"
                                                              << text.toStdString();

    run(QStringLiteral("pdftoppm"),
        {QStringLiteral("-r"), QStringLiteral("254"), QStringLiteral("-png"), pdf,
         folder.filePath(QStringLiteral("page"))});
    QImage page;
    std::optional<QRect> sector, base;
    for (const QString& name : QDir(folder.path()).entryList({QStringLiteral("page*.png")})) {
        page = QImage(folder.filePath(name)).convertToFormat(QImage::Format_RGB32);
        sector = extentOf(page, kSectorTint);
        base = extentOf(page, kBaseTint);
        if (sector && base)
            break;
    }
    ASSERT_TRUE(sector && base) << "no net on any page";
    constexpr double kPixelsPerCm = 100;
    const QPoint centre = base->center();
    const double line = (lineWidth(page, QPoint(base->left() - 1, centre.y()), QPoint(-1, 0)) +
                         lineWidth(page, QPoint(base->right() + 1, centre.y()), QPoint(1, 0))) /
                        2;
    EXPECT_NEAR(line, 3, 1) << "a cutting line of 0,3 mm";
    const double radius = (base->width() + line) / 2;
    EXPECT_NEAR(radius / kPixelsPerCm, 3.0, 0.03);
    EXPECT_NEAR((base->height() + line) / 2 / kPixelsPerCm, 3.0, 0.03);

    const double slant = (sector->width() + line) / 2;
    EXPECT_NEAR(slant / kPixelsPerCm, 5.0, 0.05);
    const int apexX = sector->center().x();
    const auto x = [&](double fraction) { return apexX + static_cast<int>(fraction * slant); };
    const QPointF left = edgeDirection(page, x(-0.3), x(-0.7));
    const QPointF right = edgeDirection(page, x(0.3), x(0.7));
    const double between =
        std::acos(QPointF::dotProduct(left, right) / std::hypot(left.x(), left.y()) /
                  std::hypot(right.x(), right.y()));
    EXPECT_NEAR(360 - between * 180 / std::numbers::pi, 216.0, 2.16);
    // The circle touches the middle of the arc.
    EXPECT_NEAR(base->top(), sector->bottom(), 5);
    EXPECT_NEAR(centre.x(), apexX, 5);
}

// ---- A PDF that cannot be written

struct FailureCase {
    const char* name;
    // Makes the path under `folder`; nullopt where this user can write there.
    std::optional<QString> (*path)(const QString& folder);
};

class UnwritablePdf : public UnitAndPrinting, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(UnwritablePdf, IsToldOfAndTheSolutionStays) {
    user().calculate(0, QStringLiteral("3"), QStringLiteral("5"));
    const QString before = shown();
    QTemporaryDir folder;
    const std::optional<QString> path = GetParam().path(folder.path());
    if (!path)
        GTEST_SKIP() << "this user may write to a read-only folder";
    const QString message = saveAsPdf(*path);
    EXPECT_TRUE(message.startsWith(QStringLiteral("PDF файлът не беше записан")))
        << message.toStdString();
    EXPECT_TRUE(message.contains(QDir::toNativeSeparators(*path))) << message.toStdString();
    EXPECT_FALSE(QFile::exists(*path));
    EXPECT_EQ(shown(), before);
    EXPECT_TRUE(button(QStringLiteral("Запази като PDF…"))->isEnabled());
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Paths, UnwritablePdf, ::testing::Values(
    FailureCase{"read_only_folder", [](const QString& folder) -> std::optional<QString> {
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        QFile probe(folder + QStringLiteral("/probe"));
        if (probe.open(QIODevice::WriteOnly)) {
            probe.remove();
            return std::nullopt;
        }
        return folder + QStringLiteral("/конус.pdf"); }},
    FailureCase{"folder_that_is_a_file", [](const QString& folder) -> std::optional<QString> {
        QFile file(folder + QStringLiteral("/бележки"));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        return file.fileName() + QStringLiteral("/конус.pdf"); }}),
    rowName);
// clang-format on

} // namespace
} // namespace velmora::test
