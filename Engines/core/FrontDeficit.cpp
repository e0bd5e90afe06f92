#include "FrontDeficit.h"

#include "Interpolation.h"

#include <algorithm>
#include <cmath>

namespace hydraulics {

namespace {

const int kSpeedRatios = 9;
const int kSteps = 96;
// eta = 1 - exp(-v): the profile approaches the normal depth exponentially in xi, so steps of
// v are even in xi there, and the integration stops within 1e-4 of it. The steps grow as
// v ~ i^2: the front's own zone, where eta rises steeply, gets the finest.
const double kLastV = 9.2;

}  // namespace

FrontDeficit::FrontDeficit(double m, double sigma2) : m_(m), profiles_(std::size_t(kSpeedRatios))
{
    // The depths stepped through are the same for every speed ratio.
    steps_.reserve(kSteps);
    for (int i = 0; i < kSteps; ++i) {
        const double from = kLastV * double(i) * i / (double(kSteps) * kSteps);
        const double to = kLastV * double(i + 1) * (i + 1) / (double(kSteps) * kSteps);
        Step st;
        st.dv = to - from;
        st.eta = 1.0 - std::exp(-0.5 * (from + to));
        st.logA = sigma2 * std::log(st.eta);
        st.a = std::exp(st.logA);
        steps_.push_back(st);
    }
}

const FrontDeficit::Profile &FrontDeficit::profile(std::size_t k) const
{
    Profile &p = profiles_[k];
    if (!p.xi.empty()) return p;
    const double inverse = 1.0 - double(k) / (kSpeedRatios - 1);  // 1 / r
    const double logInverse = inverse > 0.0 ? std::log(inverse) : -HUGE_VAL;
    p.xi.reserve(kSteps + 1);
    p.deficit.reserve(kSteps + 1);
    p.xi.push_back(0.0);
    p.deficit.push_back(0.0);
    double xi = 0.0, deficit = 0.0;
    for (const Step &st : steps_) {
        // min(1, r a)^2 a^(-2m) in logs: r a < 1 where a < 1 / r.
        const double carried = std::min(0.0, st.logA - logInverse);
        const double slope = std::exp(2.0 * carried - 2.0 * m_ * st.logA) - 1.0;
        const double dxi = (1.0 - st.eta) / slope * st.dv;
        xi += dxi;
        deficit += (1.0 - st.a) * dxi;
        p.xi.push_back(xi);
        p.deficit.push_back(deficit);
    }
    return p;
}

double FrontDeficit::Profile::at(double length) const
{
    return interpolate(xi, deficit, length);
}

double FrontDeficit::at(double length, double speedRatio) const
{
    if (!(length > 0.0)) return 0.0;
    const double inverse = speedRatio > 1.0 ? 1.0 / speedRatio : 1.0;
    const double pos = (1.0 - inverse) * (kSpeedRatios - 1);
    const std::size_t k = std::min<std::size_t>(std::size_t(pos), kSpeedRatios - 2);
    const double w = pos - double(k);
    return (1.0 - w) * profile(k).at(length) + w * profile(k + 1).at(length);
}

}  // namespace hydraulics
