#include "Infiltration.h"

#include "Roots.h"

#include <cmath>
#include <vector>

namespace hydraulics {

double KostiakovLewis::depth(double tau) const
{
    if (tau <= 0.0) return 0.0;
    return k * std::pow(tau, a) + f0 * tau;
}

double KostiakovLewis::rate(double tau) const
{
    const double t = tau > 1e-4 ? tau : 1e-4;  // the Kostiakov rate is infinite at tau 0
    return a * k * std::pow(t, a - 1.0) + f0;
}

double KostiakovLewis::depthIntegral(double tau) const
{
    if (tau <= 0.0) return 0.0;
    return tau * (k * std::pow(tau, a) / (a + 1.0) + 0.5 * f0 * tau);
}

bool KostiakovLewis::valid() const
{
    return std::isfinite(a) && std::isfinite(k) && std::isfinite(f0) && a > 0.0 && a <= 1.0 &&
           k > 0.0 && f0 >= 0.0;
}

std::optional<double> opportunityTime(const KostiakovLewis &z, double amount)
{
    if (!z.valid() || !(amount > 0.0) || !std::isfinite(amount)) return std::nullopt;
    auto f = [&](double tau) { return z.depth(tau) - amount; };
    return findRootAbove(f, 0.0, 1.0, kMaxOpportunityTime);
}

namespace {

// USDA-SCS (1974) National Engineering Handbook, Section 15, Chapter 4, intake families:
// F(in) = a T^b + 0.275 with T in minutes; a converted here to millimetres (x 25.4).
struct FamilyRow {
    double number;
    double aMillimetres;
    double b;
};
constexpr double kFamilyConstant = 6.985;  // 0.275 in
constexpr FamilyRow kFamilies[] = {
    {0.05, 0.5334, 0.618}, {0.10, 0.6198, 0.661}, {0.15, 0.7010, 0.683}, {0.20, 0.7772, 0.699},
    {0.25, 0.8534, 0.711}, {0.30, 0.9246, 0.720}, {0.35, 0.9957, 0.729}, {0.40, 1.0643, 0.736},
    {0.45, 1.1303, 0.742}, {0.50, 1.1963, 0.748}, {0.60, 1.3208, 0.757}, {0.70, 1.4427, 0.766},
    {0.80, 1.5596, 0.773}, {0.90, 1.6739, 0.779}, {1.00, 1.7856, 0.785}, {1.50, 2.2835, 0.799},
    {2.00, 2.7534, 0.808},
};

// Least squares in relative error of k tau^A + f0 tau against a tau^b + c on log-spaced
// times between 25 and 250 mm of intake, the range of required depths the modules accept.
// For a fixed A the best k and f0 follow from 2 x 2 normal equations; A by golden section.
KostiakovLewis fitKostiakovLewis(double a, double b, double c)
{
    auto family = [&](double t) { return a * std::pow(t, b) + c; };
    const double t1 = std::pow((25.0 - c) / a, 1.0 / b);
    const double t2 = std::pow((250.0 - c) / a, 1.0 / b);
    const int n = 40;
    std::vector<double> ts(n), fs(n);
    for (int i = 0; i < n; ++i) {
        ts[i] = t1 * std::pow(t2 / t1, double(i) / (n - 1));
        fs[i] = family(ts[i]);
    }
    auto solve = [&](double A, KostiakovLewis &out) {
        double s11 = 0, s12 = 0, s22 = 0, r1 = 0, r2 = 0;
        for (int i = 0; i < n; ++i) {
            double w = 1.0 / (fs[i] * fs[i]);
            double u = std::pow(ts[i], A), v = ts[i];
            s11 += w * u * u; s12 += w * u * v; s22 += w * v * v;
            r1 += w * u * fs[i]; r2 += w * v * fs[i];
        }
        double det = s11 * s22 - s12 * s12;
        double k = (r1 * s22 - r2 * s12) / det;
        double f0 = (s11 * r2 - s12 * r1) / det;
        if (f0 < 0.0) {  // a negative final rate is not physical: fit k alone
            f0 = 0.0;
            k = r1 / s11;
        }
        out = {A, k, f0};
        double err = 0;
        for (int i = 0; i < n; ++i) {
            double e = (out.depth(ts[i]) - fs[i]) / fs[i];
            err += e * e;
        }
        return err;
    };
    double lo = 0.05, hi = 0.99;
    const double g = 0.5 * (std::sqrt(5.0) - 1.0);
    KostiakovLewis best, trial;
    for (int i = 0; i < 60; ++i) {
        double x1 = hi - g * (hi - lo), x2 = lo + g * (hi - lo);
        if (solve(x1, trial) < solve(x2, best)) hi = x2; else lo = x1;
    }
    solve(0.5 * (lo + hi), best);
    return best;
}

}  // namespace

std::optional<KostiakovLewis> intakeFamilyMillimetres(double familyNumber)
{
    const int rows = int(sizeof(kFamilies) / sizeof(kFamilies[0]));
    if (!(familyNumber >= kFamilies[0].number - 1e-9) ||
        !(familyNumber <= kFamilies[rows - 1].number + 1e-9))
        return std::nullopt;
    for (int i = 0; i + 1 < rows; ++i) {
        const FamilyRow &r0 = kFamilies[i], &r1 = kFamilies[i + 1];
        if (familyNumber <= r1.number + 1e-9) {
            double w = (familyNumber - r0.number) / (r1.number - r0.number);
            if (w < 0.0) w = 0.0;
            if (w > 1.0) w = 1.0;
            return fitKostiakovLewis(r0.aMillimetres + w * (r1.aMillimetres - r0.aMillimetres),
                                     r0.b + w * (r1.b - r0.b), kFamilyConstant);
        }
    }
    return std::nullopt;
}

double nrcsWettedPerimeter(double flowLitresPerSecond, double manningN, double slope)
{
    return 0.265 * std::pow(flowLitresPerSecond * manningN / std::sqrt(slope), 0.425) + 0.227;
}

}  // namespace hydraulics
