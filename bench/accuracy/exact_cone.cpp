#include "exact_cone.h"

#include "cone_edges.h"
#include "velmora/cone_solver.h"
#include "velmora/constants.h"

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <string_view>
#include <utility>

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

bool inDoubleRange(mpfr_srcptr x) {
    return mpfr_zero_p(x) || (mpfr_cmp_d(x, DBL_MAX) <= 0 && mpfr_cmp_d(x, DBL_MIN) >= 0);
}

} // namespace

double ulpsOff(double computed, mpfr_srcptr exact, mpfr_ptr scratch) {
    if (mpfr_zero_p(exact) && computed == 0)
        return 0;
    if (mpfr_zero_p(exact) || !std::isfinite(computed))
        return HUGE_VAL;
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

std::string shownText(double value, mpfr_ptr scratch) {
    mpfr_set_d(scratch, value, kNearest);
    return shownText(scratch);
}

ExactConeSolver::ExactConeSolver() {
    mpfr_set_d(pi_, kPi, kNearest); // exact: a double has 53 bits
    mpfr_const_pi(truePi_, kNearest);
    mpfr_sqrt_ui(sqrt3_, 3, kNearest);
}

void ExactConeSolver::solve(int pair, const char* first, const char* second, ExactCone& out) {
    mpfr_set_str(first_, first, 10, kNearest);
    mpfr_set_str(second_, second, 10, kNearest);
    solveGiven(pair, out);
    if (out.exists)
        conditions(pair, out);
}

void ExactConeSolver::solveGiven(int pair, ExactCone& out) {
    out.margin = margin(pair);
    out.exists = out.margin >= 0;
    out.inRange = false;
    if (!out.exists)
        return;

    const bool bothCones = findTwoConePair(pair) != nullptr;
    if (pair == kSurfaceVolumePair.number)
        surfaceVolumeCones(out.values, out.smaller);
    else if (pair == kSlantVolumePair.number)
        slantVolumeCones(out.values, out.smaller);
    else
        radiusAndHeight(pair, out.values);
    if (bothCones)
        complete(pair, out.smaller);
    complete(pair, out.values);
    out.inRange = true;
    for (std::size_t q = 0; q < kQuantityCount; ++q)
        out.inRange = out.inRange && inDoubleRange(out.values[q]) &&
                      (!bothCones || inDoubleRange(out.smaller[q]));
}

// Each given value in turn moved by the relative step 2^-kStepBits, up, or
// down where up leaves the cone (on the edge: L = R typed alike).
void ExactConeSolver::conditions(int pair, ExactCone& out) {
    out.condition.fill(0);
    out.smallerCondition.fill(0);
    mpfr_set(typedFirst_, first_, kNearest);
    mpfr_set(typedSecond_, second_, kNearest);
    for (const mpfr_ptr moved : {static_cast<mpfr_ptr>(first_), static_cast<mpfr_ptr>(second_)}) {
        const auto coneWhenMoved = [&](int direction) {
            mpfr_set(first_, typedFirst_, kNearest);
            mpfr_set(second_, typedSecond_, kNearest);
            mpfr_mul_2si(t_, moved, -kStepBits, kNearest);
            (direction > 0 ? mpfr_add : mpfr_sub)(moved, moved, t_, kNearest);
            solveGiven(pair, moved_);
            return moved_.exists;
        };
        if (coneWhenMoved(1) || coneWhenMoved(-1)) {
            addElasticities(out.values, moved_.values, out.condition);
            if (findTwoConePair(pair))
                addElasticities(out.smaller, moved_.smaller, out.smallerCondition);
        } else { // no cone on either side: a double cannot resolve it
            out.condition.fill(HUGE_VAL);
            out.smallerCondition.fill(HUGE_VAL);
        }
    }
    mpfr_set(first_, typedFirst_, kNearest);
    mpfr_set(second_, typedSecond_, kNearest);
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
        mpfr_mul(out, out, first_, kNearest);
    for (int i = 0; i < m.secondPower; ++i)
        mpfr_mul(out, out, second_, kNearest);
}

// R and H of pair `pair`; `complete` derives the rest from them.
void ExactConeSolver::radiusAndHeight(int pair, ExactValues& cone) {
    const mpfr_ptr r = slot(cone, Q::R), h = slot(cone, Q::H);
    const mpfr_srcptr a = first_, b = second_;
    switch (pair) {
    case 0: // R, L: H = sqrt(L² − R²)
        mpfr_set(r, a, kNearest);
        otherLeg(h, b, a, u_);
        break;
    case 1: // R, H
        mpfr_set(r, a, kNearest);
        mpfr_set(h, b, kNearest);
        break;
    case 2: // R, S: L = S / (πR), H = sqrt(L² − R²)
        mpfr_set(r, a, kNearest);
        mpfr_mul(t_, pi_, a, kNearest);
        mpfr_div(t_, b, t_, kNearest);
        otherLeg(h, t_, a, u_);
        break;
    case 3: // R, V: H = 3V / (πR²)
        mpfr_set(r, a, kNearest);
        mpfr_sqr(t_, a, kNearest);
        mpfr_mul(t_, t_, pi_, kNearest);
        mpfr_mul_ui(h, b, 3, kNearest);
        mpfr_div(h, h, t_, kNearest);
        break;
    case 4: // L, H: R = sqrt(L² − H²)
        mpfr_set(h, b, kNearest);
        otherLeg(r, a, b, u_);
        break;
    case 5: // L, S: R = S / (πL), H = sqrt(L² − R²)
        mpfr_mul(t_, pi_, a, kNearest);
        mpfr_div(r, b, t_, kNearest);
        otherLeg(h, a, r, u_);
        break;
    case 6: // H, S: R² is the positive root of R⁴ + H²R² − s² = 0 with s = S/π,
            // R² = 2s² / (H² + sqrt(H⁴ + 4s²)), a form without cancellation.
        mpfr_set(h, a, kNearest);
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
        mpfr_set(h, a, kNearest);
        mpfr_mul(t_, pi_, a, kNearest);
        mpfr_mul_ui(r, b, 3, kNearest);
        mpfr_div(r, r, t_, kNearest);
        mpfr_sqrt(r, r, kNearest);
        break;
    default:
        break;
    }
}

// The two largest roots of a cubic with three real roots
// x_k = m·cos((θ − 2πk)/3), given cos θ in u_ and m in t_: k = 0 gives the
// largest, k = 1 the next. cos θ is in [−1, 0) for a cone that exists; a
// last bit beyond −1 is the double root. The angle is the true pi: it
// belongs to the unit circle, not to a cone formula.
void ExactConeSolver::twoRoots(mpfr_ptr larger, mpfr_ptr smaller) {
    if (mpfr_cmp_si(u_, -1) < 0)
        mpfr_set_si(u_, -1, kNearest);
    mpfr_acos(u_, u_, kNearest); // θ

    mpfr_div_ui(w_, u_, 3, kNearest);
    mpfr_cos(w_, w_, kNearest);
    mpfr_mul(larger, t_, w_, kNearest);

    mpfr_mul_2ui(w_, truePi_, 1, kNearest);
    mpfr_sub(w_, u_, w_, kNearest);
    mpfr_div_ui(w_, w_, 3, kNearest);
    mpfr_cos(w_, w_, kNearest);
    mpfr_mul(smaller, t_, w_, kNearest);
}

// Both positive roots x = R² of π²x³ − S²x + 9V² = 0 (S, V typed). Divided
// by π² it is x³ + px + q = 0 with p = −S²/π², q = 9V²/π²: m = 2S / (√3·π)
// and cos θ = −27·√3·π·V² / (2S³). Then H = 3V / (πR²).
void ExactConeSolver::surfaceVolumeCones(ExactValues& larger, ExactValues& smaller) {
    const mpfr_srcptr s = first_, v = second_;
    mpfr_sqr(u_, v, kNearest);
    mpfr_mul_ui(u_, u_, 27, kNearest);
    mpfr_mul(u_, u_, sqrt3_, kNearest);
    mpfr_mul(u_, u_, pi_, kNearest);
    mpfr_pow_ui(w_, s, 3, kNearest);
    mpfr_mul_2ui(w_, w_, 1, kNearest);
    mpfr_div(u_, u_, w_, kNearest);
    mpfr_neg(u_, u_, kNearest);

    mpfr_mul(t_, sqrt3_, pi_, kNearest);
    mpfr_div(t_, s, t_, kNearest);
    mpfr_mul_2ui(t_, t_, 1, kNearest); // m
    twoRoots(slot(larger, Q::R), slot(smaller, Q::R));

    for (ExactValues* cone : {&larger, &smaller}) {
        const mpfr_ptr r = slot(*cone, Q::R), h = slot(*cone, Q::H);
        mpfr_mul(t_, pi_, r, kNearest);
        mpfr_mul_ui(h, v, 3, kNearest);
        mpfr_div(h, h, t_, kNearest);
        mpfr_sqrt(r, r, kNearest);
    }
}

// Both roots t = H/L in (0, 1) of t³ − t + q = 0 with q = 3V / (πL³) (L, V
// typed): m = 2/√3 and cos θ = −9·√3·V / (2π·L³). The smaller root is the
// cone of larger radius. Then H = t·L and R² = 3V / (π·L·t), which
// subtracts nothing where t is near 1.
void ExactConeSolver::slantVolumeCones(ExactValues& larger, ExactValues& smaller) {
    const mpfr_srcptr l = first_, v = second_;
    mpfr_mul_ui(u_, v, 9, kNearest);
    mpfr_mul(u_, u_, sqrt3_, kNearest);
    mpfr_pow_ui(w_, l, 3, kNearest);
    mpfr_mul(w_, w_, pi_, kNearest);
    mpfr_mul_2ui(w_, w_, 1, kNearest);
    mpfr_div(u_, u_, w_, kNearest);
    mpfr_neg(u_, u_, kNearest);

    mpfr_ui_div(t_, 2, sqrt3_, kNearest); // m
    twoRoots(x_, y_);

    for (const auto& [cone, t] : {std::pair{&larger, static_cast<mpfr_srcptr>(y_)},
                                  std::pair{&smaller, static_cast<mpfr_srcptr>(x_)}}) {
        const mpfr_ptr r = slot(*cone, Q::R), h = slot(*cone, Q::H);
        mpfr_mul(h, t, l, kNearest);
        mpfr_mul(w_, pi_, l, kNearest);
        mpfr_mul(w_, w_, t, kNearest);
        mpfr_mul_ui(r, v, 3, kNearest);
        mpfr_div(r, r, w_, kNearest);
        mpfr_sqrt(r, r, kNearest);
    }
}

// L = sqrt(R² + H²), S = πRL, V = πR²H/3 from R and H; then the given slots
// take the given values.
void ExactConeSolver::complete(int pair, ExactValues& cone) {
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
    mpfr_set(slot(cone, given.first), first_, kNearest);
    mpfr_set(slot(cone, given.second), second_, kNearest);
}

} // namespace velmora::bench
