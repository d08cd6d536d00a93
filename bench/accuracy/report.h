// What the sweep learns about each row of its report (a pair, or the smaller
// of the two cones of S V or L V), and the printed tables.
#pragma once

#include "cone_edges.h"
#include "typed_inputs.h"
#include "velmora/cone_quantity.h"
#include "velmora/cone_solver.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdio>
#include <iterator>
#include <limits>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace velmora::bench {

inline constexpr double kUlpGoal = 4;
inline constexpr double kShownBelow = 1e6; // display texts are checked below this
inline constexpr double kShownExactGoal = 0.9999;
// A case is well conditioned when its margin (cone_edges.h) is at least this.
inline constexpr double kWellConditioned = 1.0 / 16;

// Within this margin of the edge the double arithmetic itself (a few
// roundings of terms of size A) cannot tell a cone from none.
inline constexpr double kNearEdge = 0x1p-44;

// The margin bands of the conditioning table: at least 1/2, at least 1/16,
// at least 2^-10, at least 2^-20, above 0, and 0 (on the edge: L = R typed
// alike, a cone of height 0).
inline constexpr std::array<double, 5> kBandFloors{0.5, 1.0 / 16, 0x1p-10, 0x1p-20,
                                                   std::numeric_limits<double>::denorm_min()};
inline constexpr std::size_t kBandCount = kBandFloors.size() + 1;
inline std::size_t bandOf(double margin) {
    std::size_t band = 0;
    while (band < kBandFloors.size() && margin < kBandFloors[band])
        ++band;
    return band;
}

// One case worth showing. The ulps of a worst case are -1 until there is one.
struct Example {
    std::string first, second; // the typed texts
    int quantity = -1;         // slot of the value concerned
    double ulps = -1;          // its error
    double condition = 0;      // its condition number
    double scaled = -1;        // ulps / max(1, condition)
    double margin = 1;
    std::string shown{}, exact{}; // display texts of a display miss
};

struct RowStats {
    long long cases = 0, cones = 0; // cones: cases whose typed values describe one
    double closestMargin = 1;       // the smallest |margin| other than 0: how near the edge

    // The solver finds no cone where the typed values describe one (in the
    // double range); of those, how many the parsed doubles describe none
    // (the typing's rounding decided) and how many lie beyond kNearEdge.
    long long falseNoCone = 0, falseNoConeParsed = 0, falseNoConeFar = 0;
    Example falseNoConeExample; // the one deepest inside the cone region
    // The solver finds a cone where the typed values describe none.
    long long falseCone = 0, falseConeParsed = 0, falseConeFar = 0;
    Example falseConeExample; // the one deepest outside

    // Errors in ulps of the values of cones found by both, against the
    // exact cone of the typed values.
    long long compared = 0, comparedWell = 0;
    std::array<double, kQuantityCount> maxUlps{}, maxUlpsWell{};
    long long casesOver = 0, casesOverWell = 0; // some value beyond kUlpGoal
    Example worst, worstWell;
    long long zeroValues = 0, zeroMissed = 0; // exact zeros, not in ulps
    // Against the exact cone of the parsed doubles: the solver's own error,
    // without the typing's rounding.
    std::array<double, kQuantityCount> maxOwnUlps{};
    // Errors over the value's condition number (at least 1): a few ulps
    // wherever the arithmetic is as good as the problem allows.
    Example worstScaled;
    // By margin band: cones, largest error, largest error over condition.
    std::array<long long, kBandCount> casesByBand{};
    std::array<double, kBandCount> maxUlpsByBand{}, maxScaledByBand{};

    // Display texts of values below kShownBelow; of well-conditioned cases.
    long long shown = 0, shownExact = 0, shownWell = 0, shownExactWell = 0;
    // Misses that no double can avoid: the nearest double to the exact value
    // already shows another text (a rounding boundary of the seventh decimal
    // lies within half an ulp of the exact value).
    long long shownTies = 0;
    long long formatErrors = 0;         // the text is not the double's own rounding
    std::vector<Example> displayMisses; // the first few

    // Every shown value, of any size, against the exact value written the same
    // way: by the display's former rule (all the double's digits, to seven
    // decimals) and by its present one (at most 15 significant digits).
    long long shownAll = 0, differAllDigits = 0, differFifteen = 0;
    long long fifteenFormatErrors = 0; // formatValue is not the double's own 15-digit rounding

    long long parseErrors = 0;       // parseValue is not the nearest double
    long long solveAllDisagrees = 0; // solve is not solveAll's first cone
};

inline constexpr std::size_t kDisplayMissesKept = 4;

// Rows 0..9 are the pairs; then, for each pair with two cones (S V, L V),
// the cone of smaller radius from solveAll.
inline constexpr std::size_t kPairRows = kPairCount;
inline constexpr std::size_t kRowCount = kPairRows + std::size(kTwoConePairs);
using Rows = std::array<RowStats, kRowCount>;

// The row of the smaller cone of `pair`, or nothing where it has one cone.
inline std::optional<std::size_t> smallerConeRow(int pair) {
    for (std::size_t i = 0; i < std::size(kTwoConePairs); ++i)
        if (kTwoConePairs[i].number == pair)
            return kPairRows + i;
    return std::nullopt;
}

// The pair of row `row`.
inline int pairOfRow(std::size_t row) {
    return row < kPairRows ? static_cast<int>(row) : kTwoConePairs[row - kPairRows].number;
}

struct RunInfo {
    SweepSize size;
    std::size_t gridTexts = 0; // distinct texts of the grid
    long long threads = std::max(1u, std::thread::hardware_concurrency());
    double seconds = 0;
};

// Prints every table, the totals and the goals; returns whether every goal is met.
bool printReport(std::FILE* out, const Rows& rows, const RunInfo& run);

} // namespace velmora::bench
