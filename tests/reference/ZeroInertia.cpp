#include "ZeroInertia.h"

#include <algorithm>
#include <cmath>

namespace reference {

double Intake::volume(double tau) const
{
    return tau > 0.0 ? k * std::pow(tau, a) + f0 * tau : 0.0;
}

namespace {

const double kWetDepth = 1.0e-4;  // m of water that count as wetted ground
const double kFrontShare = 0.3;

// Geometry of the flow area A (m2) of one strip of unit width or one furrow.
struct Geometry {
    Channel c;
    double n;
    double sideFactor;  // dP/dy of a trapezoid

    double depth(double area) const
    {
        if (c.strip) return area;
        if (c.sideSlope <= 0.0) return area / c.bedWidth;
        const double b = c.bedWidth, z = c.sideSlope;
        return 2.0 * area / (b + std::sqrt(b * b + 4.0 * z * area));
    }
    double topWidth(double y) const { return c.strip ? 1.0 : c.bedWidth + 2.0 * c.sideSlope * y; }
    double perimeter(double y) const { return c.strip ? 1.0 : c.bedWidth + sideFactor * y; }
    // Conveyance A R^(2/3) / n (m3/s at unit friction slope).
    double conveyance(double area, double y) const
    {
        const double r = area / perimeter(y);
        const double cr = std::cbrt(r);
        return area * cr * cr / n;
    }
    // d ln K / dA.
    double logConveyanceSlope(double area, double y) const
    {
        const double d = 5.0 / 3.0 / area;
        if (c.strip) return d;
        return d - 2.0 / 3.0 * sideFactor / (perimeter(y) * topWidth(y));
    }
};

// Piecewise-linear interpolation through (xs[i], vs[i]) with straight extrapolation beyond
// the first and the last point.
double interpolate(const std::vector<double> &xs, const std::vector<double> &vs, double x)
{
    const std::size_t n = xs.size();
    if (n == 1) return vs[0];
    std::size_t i = 1;
    while (i + 1 < n && xs[i] < x) ++i;
    const double w = (x - xs[i - 1]) / (xs[i] - xs[i - 1]);
    return vs[i - 1] + w * (vs[i] - vs[i - 1]);
}

}  // namespace

double Result::advanceAt(double at) const
{
    // The inlet is wetted at time 0; beyond the last wetted cell the front never came,
    // unless every cell was wetted (then the end is extrapolated).
    std::vector<double> xs{0.0}, ts{0.0};
    for (std::size_t i = 0; i < x.size() && advance[i] >= 0.0; ++i) {
        xs.push_back(x[i]);
        ts.push_back(advance[i]);
    }
    const std::size_t wetted = xs.size() - 1;
    if (wetted < x.size() && at > xs.back()) return -1.0;
    return interpolate(xs, ts, at);
}

double Result::frontReach() const
{
    double reach = 0.0;
    for (std::size_t i = 0; i < x.size() && advance[i] >= 0.0; ++i) reach = x[i];
    return reach;
}

double Result::infiltratedAt(double at) const { return interpolate(x, infiltrated, at); }

double Result::recessionAt(double at) const { return interpolate(x, recession, at); }

Result simulate(const Field &field, const Grid &grid)
{
    const int n = grid.cells;
    const double dx = field.length / n;
    const Geometry geo{field.channel, field.manningN,
                       2.0 * std::sqrt(1.0 + field.channel.sideSlope * field.channel.sideSlope)};
    const double inflow = field.inflow / 60.0;  // m3/s
    const double cutoff = field.cutoff * 60.0;  // s
    const double tMax = grid.maxMinutes * 60.0;
    const double eps = grid.flatSlope;

    Result out;
    out.x.resize(n);
    for (int i = 0; i < n; ++i) out.x[i] = (i + 0.5) * dx;
    out.advance.assign(n, -1.0);
    out.recession.assign(n, -1.0);
    out.infiltrated.assign(n, 0.0);

    std::vector<double> area(n, 0.0), y(n), stage(n), conv(n), logSlope(n), top(n);
    std::vector<double> flux(n + 1), rate(n), outflow(n);
    double t = 0.0, nextIntake = grid.intakeStep;
    while (t < tMax) {
        for (int i = 0; i < n; ++i) {
            y[i] = area[i] > 0.0 ? geo.depth(area[i]) : 0.0;
            stage[i] = y[i] - field.slope * out.x[i];
            conv[i] = area[i] > 0.0 ? geo.conveyance(area[i], y[i]) : 0.0;
            logSlope[i] = area[i] > 0.0 ? geo.logConveyanceSlope(area[i], y[i]) : 0.0;
            top[i] = geo.topWidth(std::max(y[i], kWetDepth));
            rate[i] = 0.0;
        }
        // Fluxes and the sensitivity of each cell's net flux to its own area.
        flux[0] = t < cutoff ? inflow : 0.0;
        for (int j = 1; j < n; ++j) {
            const double sf = (stage[j - 1] - stage[j]) / dx;
            const int donor = sf >= 0.0 ? j - 1 : j, other = sf >= 0.0 ? j : j - 1;
            if (conv[donor] <= 0.0) {
                flux[j] = 0.0;
                continue;
            }
            // Between two wet cells the conveyance of their mean area (second order); into a
            // dry cell that of the cell the water leaves.
            double k = conv[donor], dLogK = logSlope[donor];
            if (area[other] > 0.0) {
                const double mean = 0.5 * (area[j - 1] + area[j]), depth = geo.depth(mean);
                k = geo.conveyance(mean, depth);
                dLogK = geo.logConveyanceSlope(mean, depth);
            }
            const double s = std::fabs(sf);
            const double root = std::sqrt(std::max(s, eps));
            flux[j] = k * sf / root;
            const double g = s > eps ? k / (2.0 * root) : k / root;
            rate[donor] += std::fabs(flux[j]) * dLogK + g / (dx * top[donor]);
            rate[other] += std::fabs(flux[j]) * dLogK + g / (dx * top[other]);
        }
        flux[n] = 0.0;
        if (!field.closedEnd && conv[n - 1] > 0.0) {
            flux[n] = conv[n - 1] * std::sqrt(field.slope);
            rate[n - 1] += flux[n] * logSlope[n - 1];
        }
        double fastest = 0.0;
        for (int i = 0; i < n; ++i) fastest = std::max(fastest, rate[i] / dx);
        double dt = fastest > 0.0 ? grid.stability / fastest : 1.0;
        dt = std::min(dt, 1.0);
        if (t < cutoff && t + dt > cutoff) dt = cutoff - t;

        // No cell gives more than it holds.
        for (int i = 0; i < n; ++i) outflow[i] = 0.0;
        for (int j = 1; j <= n; ++j) {
            if (flux[j] > 0.0) outflow[j - 1] += flux[j];
            else if (flux[j] < 0.0 && j < n) outflow[j] -= flux[j];
        }
        for (int i = 0; i < n; ++i) {
            const double give = outflow[i] * dt;
            if (give <= area[i] * dx) continue;
            const double scale = area[i] * dx / give;
            if (flux[i + 1] > 0.0) flux[i + 1] *= scale;
            if (i > 0 && flux[i] < 0.0) flux[i] *= scale;
        }
        for (int i = 0; i < n; ++i) area[i] = std::max(0.0, area[i] + dt / dx * (flux[i] - flux[i + 1]));
        out.applied += flux[0] * dt;
        out.runoff += flux[n] * dt;
        t += dt;

        for (int i = 0; i < n; ++i) {
            if (area[i] <= 0.0 || geo.depth(area[i]) < kWetDepth) continue;
            // The front stands at a cell's centre once the cell holds a good share of what
            // its upstream neighbour holds. The cell's infiltration starts then too: the
            // midpoint of the times at which its ground gets wet.
            if (out.advance[i] < 0.0 && (i == 0 || area[i] >= kFrontShare * area[i - 1]))
                out.advance[i] = t / 60.0;
            if (out.advance[i] < 0.0) continue;
            out.recession[i] = t / 60.0;
        }
        if (t >= nextIntake) {
            nextIntake = t + grid.intakeStep;
            double onReached = 0.0, ahead = 0.0;
            for (int i = 0; i < n; ++i) {
                if (out.advance[i] >= 0.0) {
                    const double due = field.intake.volume(t / 60.0 - out.advance[i]);
                    const double take = std::min(area[i], std::max(0.0, due - out.infiltrated[i]));
                    area[i] -= take;
                    out.infiltrated[i] += take;
                    onReached += area[i] * dx;
                } else {
                    ahead += area[i] * dx;
                }
            }
            // Done when the water is gone; ahead of a front that stopped short a film too thin
            // to count as wetted ground may stay.
            if (t >= cutoff && onReached <= 1.0e-9 * out.applied && ahead <= 1.0e-4 * out.applied) break;
        }
    }
    out.endTime = t / 60.0;
    out.reachedEnd = out.advance[n - 1] >= 0.0;
    for (int i = 0; i < n; ++i) {
        out.infiltratedVolume += out.infiltrated[i] * dx;
        out.surface += area[i] * dx;
    }
    return out;
}

}  // namespace reference
