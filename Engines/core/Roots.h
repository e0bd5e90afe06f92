#ifndef IRRIKA_ROOTS_H
#define IRRIKA_ROOTS_H

// Bracketed root finding. Every engine search goes through here so that no loop runs
// without a bound and no search returns a value outside the bracket it was given.

#include <cmath>
#include <optional>

namespace hydraulics {

const int kMaxRootIterations = 200;

// Root of f in [lo, hi], whose values there are known and of opposite signs, by bisection
// safeguarded secant (Illinois variant of regula falsi).
template <class F>
std::optional<double> findRootBetween(F f, double lo, double flo, double hi, double fhi,
                                      double relTol = 1e-10)
{
    if (!std::isfinite(flo) || !std::isfinite(fhi)) return std::nullopt;
    if (flo == 0.0) return lo;
    if (fhi == 0.0) return hi;
    if ((flo < 0.0) == (fhi < 0.0)) return std::nullopt;
    int side = 0;
    double previous = lo;
    for (int i = 0; i < kMaxRootIterations; ++i) {
        double x = (flo * hi - fhi * lo) / (flo - fhi);
        // Fall back to bisection when the secant step leaves the bracket or stalls.
        if (!(x > lo && x < hi) || i % 4 == 3) x = 0.5 * (lo + hi);
        double fx = f(x);
        if (!std::isfinite(fx)) return std::nullopt;
        const double tol = relTol * (std::fabs(lo) + std::fabs(hi)) + 1e-300;
        // Done when the bracket is that narrow, or a secant step moved the estimate by less
        // (the regula falsi keeps one end, so the bracket alone closes slowly).
        if (fx == 0.0 || (hi - lo) <= tol || (i > 0 && i % 4 != 3 && std::fabs(x - previous) <= tol))
            return x;
        previous = x;
        if ((fx < 0.0) == (flo < 0.0)) {
            lo = x; flo = fx;
            if (side == -1) fhi *= 0.5;
            side = -1;
        } else {
            hi = x; fhi = fx;
            if (side == 1) flo *= 0.5;
            side = 1;
        }
    }
    return 0.5 * (lo + hi);
}

// Root of f in [lo, hi]. Returns nothing when f(lo) and f(hi) have the same sign or a value
// is not finite.
template <class F>
std::optional<double> findRoot(F f, double lo, double hi, double relTol = 1e-10)
{
    const double flo = f(lo), fhi = f(hi);
    return findRootBetween(f, lo, flo, hi, fhi, relTol);
}

// Bracket of the first time f turns non-negative after `from`, where f is negative, searched
// outwards from a guess: one per cent each way first (the guesses are mostly that good), then
// along the secant through the last two samples, a tenth beyond its root to catch the sign
// change, at least 1 % and at most three times (upwards) or 30 % (downwards) of the distance
// from `from`. f may return -infinity once it can no longer turn non-negative. Nothing when
// it does not by `limit`; a bracket [from, from] when f(from) is already non-negative.
struct Bracket {
    double lo, flo, hi, fhi;
};

template <class F>
std::optional<Bracket> bracketFrom(F f, double from, double guess, double limit)
{
    const double earliest = from + 1e-9 * (1.0 + std::fabs(from));
    Bracket b{earliest, 0.0, 0.0, 0.0};
    bool loKnown = false, hiKnown = false;
    double t = guess > earliest ? guess : from + 1.0, tLast = 0.0, fLast = 0.0;
    for (int i = 0; i < 100; ++i) {
        const double ft = f(t);
        if (std::isnan(ft) || ft == -HUGE_VAL) return std::nullopt;
        if (ft >= 0.0) { b.hi = t; b.fhi = ft; hiKnown = true; }
        else { b.lo = t; b.flo = ft; loKnown = true; }
        if (loKnown && hiKnown) return b;
        const bool up = !hiKnown;
        const double span = t - from;
        double next = from + span * (up ? 1.01 : 0.99);
        if (i > 0) {
            const double past = t - 1.1 * ft * (t - tLast) / (ft - fLast);
            next = std::isfinite(past) && (up ? past > t : past < t) ? past : t;
            next = up ? std::min(std::max(next, t + 0.01 * span), from + 3.0 * span)
                      : std::max(std::min(next, t - 0.01 * span), from + 0.3 * span);
        }
        if (up && next > limit) return std::nullopt;
        if (!up && next <= earliest) {
            b.lo = earliest;
            b.flo = f(earliest);
            if (b.flo >= 0.0) {
                b.hi = b.lo;
                b.fhi = b.flo;
            }
            return b;
        }
        tLast = t;
        fLast = ft;
        t = next;
    }
    return std::nullopt;
}

// Root of an increasing-to-positive f on [lo, oo): widens the upper end by doubling up to
// limit before searching. Nothing when f stays negative up to limit.
template <class F>
std::optional<double> findRootAbove(F f, double lo, double firstHi, double limit)
{
    double hi = firstHi;
    for (int i = 0; i < 80 && hi < limit; ++i) {
        double fhi = f(hi);
        if (!std::isfinite(fhi)) return std::nullopt;
        if (fhi >= 0.0) return findRoot(f, lo, hi);
        lo = hi;
        hi *= 2.0;
    }
    if (f(limit) >= 0.0) return findRoot(f, lo, limit);
    return std::nullopt;
}

}  // namespace hydraulics

#endif
