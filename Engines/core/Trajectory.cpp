#include "Trajectory.h"

#include "Interpolation.h"

#include <algorithm>
#include <cmath>

namespace hydraulics {

double Trajectory::time(double at) const
{
    if (at <= x.front()) return t.front();
    // Stations times i / n of a length may miss the last one by round-off.
    if (at >= x.back()) return at <= x.back() * (1.0 + 1e-12) ? t.back() : kNever;
    return interpolate(x, t, at);
}

double Trajectory::front(double now) const
{
    return interpolate(t, x, now);
}

Trajectory Trajectory::until(double now) const
{
    Trajectory out;
    std::size_t i = 1;
    while (i < t.size() && t[i] < now) ++i;
    out.x.assign(x.begin(), x.begin() + i);
    out.t.assign(t.begin(), t.begin() + i);
    const double reached = front(now);
    if (reached > out.x.back()) {
        out.x.push_back(reached);
        out.t.push_back(now);
    }
    return out;
}

double Trajectory::speed(double at) const
{
    std::size_t i = std::size_t(std::lower_bound(x.begin(), x.end(), at) - x.begin());
    i = std::min(std::max<std::size_t>(i, 1), x.size() - 1);
    return (x[i] - x[i - 1]) / (t[i] - t[i - 1]);
}

Trajectory blended(const Trajectory &a, const Trajectory &b, double share)
{
    Trajectory out = a;
    for (std::size_t i = 0; i < out.x.size(); ++i) out.t[i] = (1.0 - share) * a.t[i] + share * b.time(a.x[i]);
    return out;
}

double infiltratedAlong(const KostiakovLewis &z, const Trajectory &tr, double now,
                        std::vector<double> *beyond)
{
    const std::size_t n = tr.x.size();
    if (beyond) beyond->assign(n, 0.0);
    // Depth and its time integral at each station's opportunity time: one power each.
    double volume = 0.0;
    std::size_t last = 0;  // segments 1..last lie behind the front at time now
    double tau0 = now - tr.t[0], pw0 = tau0 > 0 ? std::pow(tau0, z.a) : 0.0;
    for (std::size_t j = 1; j < n && tr.t[j - 1] < now; ++j) {
        const double t0 = tr.t[j - 1];
        double t1 = tr.t[j], dx = tr.x[j] - tr.x[j - 1];
        if (t1 > now) {  // the front is inside this segment at time now
            dx *= (now - t0) / (t1 - t0);
            t1 = now;
        }
        const double tau1 = now - t1, pw1 = tau1 > 0 ? std::pow(tau1, z.a) : 0.0;
        const double span = t1 - t0;
        const double z0 = z.k * pw0 + z.f0 * tau0, z1 = z.k * pw1 + z.f0 * tau1;
        if (span > 1e-12 * (1.0 + t1)) {
            const double i0 = tau0 * (z.k * pw0 / (z.a + 1.0) + 0.5 * z.f0 * tau0);
            const double i1 = tau1 * (z.k * pw1 / (z.a + 1.0) + 0.5 * z.f0 * tau1);
            volume += dx / span * (i0 - i1);
            if (beyond) (*beyond)[j - 1] = dx / span * (z0 - z1);
        } else {
            volume += dx * z0;
            if (beyond) (*beyond)[j - 1] = dx * z.rate(tau0);
        }
        tau0 = tau1;
        pw0 = pw1;
        last = j;
    }
    // Each station's entry held its downstream segment's rate: sum them from the front back.
    if (beyond) {
        for (std::size_t j = last; j-- > 0;) (*beyond)[j] += (*beyond)[j + 1];
    }
    return volume;
}

}  // namespace hydraulics
