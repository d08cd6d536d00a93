#include "exact_cone.h"

#include "cone_edges.h"
#include "velmora/cone_solver.h"
#include "velmora/constants.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace velmora::bench {
namespace {

using Q = ConeQuantity;

// The relative step of the condition numbers, 2^-100: far below a double's
// resolution, yet leaving 150 of the 256 bits to measure the change.
constexpr long kStepBits = 100;

mpfr_ptr slot(ExactValues& cone, Q q) {
    return cone[static_cast<std::size_t>(slotOf(q))];
}

// out = sqrt(hyp² − leg²), the other leg of a right triangle; a last-bit negative
// difference (it cannot happen for decimal inputs, but costs nothing) counts as 0.
void otherLeg(mpfr_ptr out, mpfr_srcptr hyp, mpfr_srcptr leg, mpfr_ptr scratch) {
    mpfr_sqr(scratch, hyp, kNearest);
    mpfr_sqr(out, leg, kNearest);
    mpfr_sub(out, scratch, out, kNearest);
    if (mpfr_sgn(out) < 0)
        mpfr_set_zero(out, 1);
    mpfr_sqrt(out, out, kNearest);
}

bool inDoubleRange(const MpReal& x) {
    return mpfr_zero_p(x) || (mpfr_cmp_d(x, DBL_MAX) <= 0 && mpfr_cmp_d(x, DBL_MIN) >= 0);
}

} // namespace

double ulpsOff(double computed, mpfr_srcptr exact, mpfr_ptr scratch) {
    if (mpfr_zero_p(exact) || !std::isfinite(computed))
        return mpfr_zero_p(exact) && computed == 0 ? 0 : HUGE_VAL;
    mpfr_set_d(scratch, computed, kNearest);
    mpfr_sub(scratch, scratch, exact, kNearest);
    mpfr_mul_2si(scratch, scratch, DBL_MANT_DIG - mpfr_get_exp(exact), kNearest);
    return std::fabs(mpfr_get_d(scratch, kNearest));
}

std::string shownText(mpfr_srcptr exact) {
    char buffer[64];
    mpfr_snprintf(buffer, sizeof buffer, "%.7RNf", exact);
    if (std::string_view(buffer).find('.') <= 8)
        return buffer;
    mpfr_snprintf(buffer, sizeof buffer, "%.14RNe", exact); // d.dddddddddddddde+XX
    const auto places = static_cast<std::size_t>(std::atoi(buffer + 17)) + 1;
    std::string text = buffer[0] + std::string(buffer + 2, 14);
    text.resize(places + 7, '0');
    return text.insert(places, 1, '.');
}

ExactConeSolver::ExactConeSolver() {
    mpfr_set_d(pi_, kPi, kNearest); // exact: a double has 53 bits
    mpfr_const_pi(twoThirdsPi_, kNearest);
    mpfr_mul_ui(twoThirdsPi_, twoThirdsPi_, 2, kNearest);
    mpfr_div_ui(twoThirdsPi_, twoThirdsPi_, 3, kNearest);
}

void ExactConeSolver::solve(int pair, const char* first, const char* second, ExactCone& out) {
    mpfr_set_str(typed_[0], first, 10, kNearest);
    mpfr_set_str(typed_[1], second, 10, kNearest);
    cones(pair, out);
    out.condition.fill(0);
    out.smallerCondition.fill(0);
    // Each given value in turn moved by the relative step, up, or down where
    // up leaves the cone (on the edge: L = R typed alike).
    for (std::size_t moved = 0; out.exists && moved < 2; ++moved) {
        if (cones(pair, moved_, moved, mpfr_add) || cones(pair, moved_, moved, mpfr_sub)) {
            addElasticities(out.values, moved_.values, out.condition);
            if (findTwoConePair(pair))
                addElasticities(out.smaller, moved_.smaller, out.smallerCondition);
        } else { // no cone on either side: a double cannot resolve it
            out.condition.fill(HUGE_VAL);
            out.smallerCondition.fill(HUGE_VAL);
        }
    }
}

bool ExactConeSolver::cones(int pair, ExactCone& out, std::size_t moved, Step step) {
    for (std::size_t i = 0; i < given_.size(); ++i)
        mpfr_set(given_[i], typed_[i], kNearest);
    if (step) {
        mpfr_mul_2si(t_, given_[moved], -kStepBits, kNearest);
        step(given_[moved], given_[moved], t_, kNearest);
    }
    out.margin = margin(pair);
    out.exists = out.margin >= 0;
    if (!out.exists)
        return false;
    bool inRange = true;
    if (findTwoConePair(pair)) {
        twoCones(pair, out.values, out.smaller);
        inRange = complete(pair, out.smaller);
    } else {
        radiusAndHeight(pair, out.values);
    }
    out.inRange = complete(pair, out.values) && inRange;
    return true;
}

void ExactConeSolver::addElasticities(const ExactValues& at, const ExactValues& moved,
                                      Conditions& sum) {
    for (std::size_t q = 0; q < kQuantityCount; ++q) {
        if (mpfr_zero_p(at[q]))
            continue;
        mpfr_sub(t_, moved[q], at[q], kNearest);
        mpfr_div(t_, t_, at[q], kNearest);
        mpfr_mul_2si(t_, t_, kStepBits, kNearest);
        sum[q] += std::fabs(mpfr_get_d(t_, kNearest));
    }
}

double ExactConeSolver::margin(int pair) {
    const auto& edge = kConeEdges[static_cast<std::size_t>(pair)];
    if (!edge)
        return 1;
    monomial(edge->larger, t_);
    monomial(edge->smaller, u_);
    mpfr_sub(u_, t_, u_, kNearest);
    mpfr_div(u_, u_, t_, kNearest);
    return mpfr_get_d(u_, kNearest);
}

void ExactConeSolver::monomial(const Monomial& m, mpfr_ptr out) {
    mpfr_set_si(out, m.coefficient, kNearest);
    for (int i = 0; i < m.piPower; ++i)
        mpfr_mul(out, out, pi_, kNearest);
    for (int i = 0; i < m.firstPower; ++i)
        mpfr_mul(out, out, given_[0], kNearest);
    for (int i = 0; i < m.secondPower; ++i)
        mpfr_mul(out, out, given_[1], kNearest);
}

// R and H of pair `pair` (of R H, the given ones); `complete` derives the rest from them.
void ExactConeSolver::radiusAndHeight(int pair, ExactValues& cone) {
    const GivenPair given = *findPair(pair);
    const mpfr_srcptr a = given_[0], b = given_[1];
    mpfr_set(slot(cone, given.first), a, kNearest);
    mpfr_set(slot(cone, given.second), b, kNearest);
    const mpfr_ptr r = slot(cone, Q::R), h = slot(cone, Q::H);
    switch (pair) {
    case 0: // R, L: H = sqrt(L² − R²)
        otherLeg(h, b, a, u_);
        break;
    case 2: // R, S: L = S / (πR), H = sqrt(L² − R²)
        mpfr_mul(t_, pi_, a, kNearest);
        mpfr_div(t_, b, t_, kNearest);
        otherLeg(h, t_, a, u_);
        break;
    case 3: // R, V: H = 3V / (πR²)
        mpfr_sqr(t_, a, kNearest);
        mpfr_mul(t_, t_, pi_, kNearest);
        mpfr_mul_ui(h, b, 3, kNearest);
        mpfr_div(h, h, t_, kNearest);
        break;
    case 4: // L, H: R = sqrt(L² − H²)
        otherLeg(r, a, b, u_);
        break;
    case 5: // L, S: R = S / (πL), H = sqrt(L² − R²)
        mpfr_mul(t_, pi_, a, kNearest);
        mpfr_div(r, b, t_, kNearest);
        otherLeg(h, a, r, u_);
        break;
    case 6: // H, S: R² is the positive root of R⁴ + H²R² − s² = 0 with s = S/π,
            // R² = 2s² / (H² + sqrt(H⁴ + 4s²)), a form without cancellation.
        mpfr_div(t_, b, pi_, kNearest);
        mpfr_sqr(t_, t_, kNearest);
        mpfr_sqr(u_, a, kNearest);
        mpfr_sqr(w_, u_, kNearest);
        mpfr_mul_ui(r, t_, 4, kNearest);
        mpfr_add(w_, w_, r, kNearest);
        mpfr_sqrt(w_, w_, kNearest);
        mpfr_add(w_, w_, u_, kNearest);
        mpfr_mul_ui(t_, t_, 2, kNearest);
        mpfr_div(r, t_, w_, kNearest);
        mpfr_sqrt(r, r, kNearest);
        break;
    case 7: // H, V: R = sqrt(3V / (πH))
        mpfr_mul(t_, pi_, a, kNearest);
        mpfr_mul_ui(r, b, 3, kNearest);
        mpfr_div(r, r, t_, kNearest);
        mpfr_sqrt(r, r, kNearest);
        break;
    }
}

// The two largest roots of x³ + p·x + q = 0 (p in t_, q in u_) when it has
// three real roots: x_k = m·cos(θ/3 − 2πk/3) with m = 2·sqrt(−p/3) and
// cos θ = 3q/(2p)·sqrt(−3/p); k = 0 gives the largest, k = 1 the next. A last
// bit of cos θ beyond −1 is the double root. The angle's pi is the true pi:
// it belongs to the unit circle, not to a cone formula.
void ExactConeSolver::twoRoots(mpfr_ptr larger, mpfr_ptr smaller) {
    mpfr_si_div(w_, -3, t_, kNearest);
    mpfr_sqrt(w_, w_, kNearest);
    mpfr_div(u_, u_, t_, kNearest);
    mpfr_mul(u_, u_, w_, kNearest);
    mpfr_mul_d(u_, u_, 1.5, kNearest); // cos θ
    if (mpfr_cmp_si(u_, -1) < 0)
        mpfr_set_si(u_, -1, kNearest);
    mpfr_acos(u_, u_, kNearest);
    mpfr_div_ui(u_, u_, 3, kNearest); // θ/3
    mpfr_div_si(t_, t_, -3, kNearest);
    mpfr_sqrt(t_, t_, kNearest);
    mpfr_mul_2ui(t_, t_, 1, kNearest); // m
    mpfr_cos(w_, u_, kNearest);
    mpfr_mul(larger, t_, w_, kNearest);
    mpfr_sub(w_, u_, twoThirdsPi_, kNearest);
    mpfr_cos(w_, w_, kNearest);
    mpfr_mul(smaller, t_, w_, kNearest);
}

// R and H of both cones of S V or L V, from the two positive roots of a cubic.
// S V: x = R² solves π²x³ − S²x + 9V² = 0, so p = −(S/π)², q = (3V/π)²; then
// H = 3V/(πx). L V: x = H/L solves x³ − x + q = 0 with q = 3V/(πL³), its
// smaller root giving the cone of larger radius; then H = x·L and
// R² = 3V/(π·L·x), which subtracts nothing where x is near 1.
void ExactConeSolver::twoCones(int pair, ExactValues& larger, ExactValues& smaller) {
    const bool surface = pair == kSurfaceVolumePair.number;
    const mpfr_srcptr first = given_[0], v = given_[1];
    if (surface) {
        mpfr_div(t_, first, pi_, kNearest);
        mpfr_sqr(t_, t_, kNearest);
        mpfr_neg(t_, t_, kNearest);
        mpfr_mul_ui(u_, v, 3, kNearest);
        mpfr_div(u_, u_, pi_, kNearest);
        mpfr_sqr(u_, u_, kNearest);
        twoRoots(x_, y_);
    } else {
        mpfr_set_si(t_, -1, kNearest);
        mpfr_pow_ui(w_, first, 3, kNearest);
        mpfr_mul(w_, w_, pi_, kNearest);
        mpfr_mul_ui(u_, v, 3, kNearest);
        mpfr_div(u_, u_, w_, kNearest);
        twoRoots(y_, x_);
    }
    for (const auto& [cone, x] : {std::pair<ExactValues*, mpfr_srcptr>{&larger, x_},
                                  std::pair<ExactValues*, mpfr_srcptr>{&smaller, y_}}) {
        const mpfr_ptr r = slot(*cone, Q::R), h = slot(*cone, Q::H);
        mpfr_mul_ui(r, v, 3, kNearest);
        mpfr_mul(w_, pi_, x, kNearest);
        if (surface) {
            mpfr_div(h, r, w_, kNearest);
            mpfr_sqrt(r, x, kNearest);
        } else {
            mpfr_mul(w_, w_, first, kNearest);
            mpfr_div(r, r, w_, kNearest);
            mpfr_sqrt(r, r, kNearest);
            mpfr_mul(h, x, first, kNearest);
        }
    }
}

// L = sqrt(R² + H²), S = πRL, V = πR²H/3 from R and H; then the given slots
// take the given values. Whether each value is 0 or within the normal doubles.
bool ExactConeSolver::complete(int pair, ExactValues& cone) {
    const mpfr_ptr r = slot(cone, Q::R), l = slot(cone, Q::L), h = slot(cone, Q::H);
    mpfr_sqr(t_, r, kNearest);
    mpfr_sqr(u_, h, kNearest);
    mpfr_add(u_, t_, u_, kNearest);
    mpfr_sqrt(l, u_, kNearest);

    mpfr_mul(u_, pi_, r, kNearest);
    mpfr_mul(slot(cone, Q::S), u_, l, kNearest);

    mpfr_mul(t_, t_, pi_, kNearest);
    mpfr_mul(t_, t_, h, kNearest);
    mpfr_div_ui(slot(cone, Q::V), t_, 3, kNearest);

    const GivenPair given = *findPair(pair);
    mpfr_set(slot(cone, given.first), given_[0], kNearest);
    mpfr_set(slot(cone, given.second), given_[1], kNearest);
    return std::ranges::all_of(cone, inDoubleRange);
}

} // namespace velmora::bench
