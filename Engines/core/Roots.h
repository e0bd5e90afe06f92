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
