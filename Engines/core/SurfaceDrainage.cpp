#include "SurfaceDrainage.h"

#include <algorithm>
#include <cmath>

namespace hydraulics {

namespace {

// Below this share of the bed slope the flux is taken linear in the surface slope, which
// keeps the flux smooth where a pond lies flat.
const double kFlatShare = 0.05;
// Steps of at most a minute and of a quarter of the time a kinematic wave takes through a cell
// (with half of it a steep field's surface drains a few minutes early); the depth gradient's
// part is implicit, so a flat pond does not force tiny steps.
const double kLongestStep = 1.0;
const double kCourant = 0.25;
// A cell holding less than this depth (m) counts as dry.
const double kDryDepth = 1.0e-4;
const int kMaxSteps = 100000;
// Profile steps per cell.
const int kProfileSteps = 4;
// Ahead of the front at the start the front stands at a cell's centre once the water that has
// entered the cell would hold this share of its upstream neighbour's area. Water that ran on
// through the cell, or off the free end, counts: it got there.
const double kFrontShare = 0.3;

// Implicit Euler step of dy/ds = S0 ((yn / y)^p - 1) over ds: the root of
// g(y') = y' - y - ds S0 ((yn / y')^p - 1), concave and increasing, by Newton's method from
// above, which converges without overshooting.
double profileStep(double y, double yn, double ds, double slope, double p)
{
    double next = std::max(y, yn);
    for (int it = 0; it < 50; ++it) {
        const double r = std::pow(yn / next, p);
        const double g = next - y - ds * slope * (r - 1.0);
        const double step = g / (1.0 + ds * slope * p * r / next);
        next -= step;
        if (std::fabs(step) <= 1e-9 * next) break;
    }
    return next;
}

// Solves the tridiagonal system lower[i] x[i-1] + diag[i] x[i] + upper[i] x[i+1] = rhs[i]
// (Thomas algorithm; diag and rhs are overwritten).
void solveTridiagonal(const std::vector<double> &lower, std::vector<double> &diag,
                      const std::vector<double> &upper, std::vector<double> &rhs,
                      std::vector<double> &x)
{
    const std::size_t n = diag.size();
    for (std::size_t i = 1; i < n; ++i) {
        const double w = lower[i] / diag[i - 1];
        diag[i] -= w * upper[i - 1];
        rhs[i] -= w * rhs[i - 1];
    }
    x[n - 1] = rhs[n - 1] / diag[n - 1];
    for (std::size_t i = n - 1; i-- > 0;) x[i] = (rhs[i] - upper[i] * x[i + 1]) / diag[i];
}

}  // namespace

std::vector<double> profileAreas(const SurfaceCells &cells, double length, double front,
                                 const std::function<double(double)> &flowAt)
{
    std::vector<double> area(std::size_t(cells.count), 0.0);
    const double dx = length / cells.count, ds = dx / kProfileSteps;
    const FieldFlow &ff = cells.flow;
    const double p = 2.0 * ff.rating.m * ff.sigma2;
    double y = 0.0, a = 0.0;
    for (double x = std::min(front, length); x > 0.0;) {
        const double step = std::min(ds, x), mid = x - 0.5 * step;
        const double normal = ff.normalArea(flowAt(mid));
        const double next = normal > 0.0 ? profileStep(y, ff.depth(normal), step, ff.slope, p) : y;
        const double nextArea = ff.area(next);
        const std::size_t cell = std::min(area.size() - 1, std::size_t(mid / dx));
        area[cell] += 0.5 * (a + nextArea) * step / dx;
        y = next;
        a = nextArea;
        x -= step;
    }
    return area;
}

DrainedSurface drainSurface(const SurfaceCells &cells, const KostiakovLewis &z,
                            const Trajectory &advance, double length, double start,
                            std::vector<double> area)
{
    const std::size_t n = area.size();
    const FieldFlow &ff = cells.flow;
    const double dx = length / double(n), m = ff.rating.m, slope = ff.slope;
    const double eps = kFlatShare * slope, dryArea = ff.area(kDryDepth);
    auto conveyance = [&](double a) { return ff.rating.alpha * std::pow(a, m) / std::sqrt(slope); };
    DrainedSurface out;
    std::vector<double> &wetted = out.wetted;
    wetted.resize(n);
    std::vector<double> notBefore(n), entered(n, 0.0), taken(n), y(n), stage(n), top(n), flux(n + 1), gives(n);
    std::vector<double> left(n + 1, 0.0), right(n + 1, 0.0), lower(n), diag(n), upper(n), rhs(n), change(n);
    out.x.resize(n);
    out.recession.assign(n, start);
    for (std::size_t i = 0; i < n; ++i) {
        out.x[i] = (i + 0.5) * dx;
        notBefore[i] = advance.time(out.x[i]);
        wetted[i] = notBefore[i] <= start ? notBefore[i] : kNever;
        taken[i] = z.depth(std::max(0.0, start - wetted[i]));
    }
    double t = start;
    for (int step = 0; step < kMaxSteps; ++step) {
        bool wet = false;
        for (std::size_t i = 0; i < n; ++i) {
            y[i] = ff.depth(area[i]);
            stage[i] = y[i] - slope * out.x[i];
            top[i] = ff.sigma2 * std::max(area[i], dryArea) / std::max(y[i], kDryDepth);
            wet = wet || area[i] >= dryArea;
        }
        if (!wet) break;
        // Fluxes at the start of the step, and how each answers a change of the areas: the
        // stage of a cell moves by dA / T (T the top width), a face's flux by D dstage / dx
        // with D = K / sqrt(|Sf|) held at the start of the step. Water entering a dry cell
        // does not raise its stage in that linearisation (a dry furrow has no top width):
        // the flux into it answers to its donor only.
        flux[0] = 0.0;
        double fastest = 0.0;
        for (std::size_t j = 1; j < n; ++j) {
            const double sf = (stage[j - 1] - stage[j]) / dx;
            const std::size_t donor = sf >= 0.0 ? j - 1 : j, other = sf >= 0.0 ? j : j - 1;
            flux[j] = left[j] = right[j] = 0.0;
            if (!(area[donor] > 0.0)) continue;
            // Between two wet cells the conveyance of their mean area; into a dry one that
            // of the cell the water leaves.
            const double a = area[other] > 0.0 ? 0.5 * (area[j - 1] + area[j]) : area[donor];
            const double d = conveyance(a) / std::sqrt(std::max(std::fabs(sf), eps));
            flux[j] = d * sf;
            left[j] = area[j - 1] > 0.0 ? d / (dx * top[j - 1]) : 0.0;
            right[j] = area[j] > 0.0 ? d / (dx * top[j]) : 0.0;
            fastest = std::max(fastest, std::fabs(flux[j]) * m / a);
        }
        // The free end drains at normal depth: dF/dA = m F / A.
        flux[n] = area[n - 1] > 0.0 ? conveyance(area[n - 1]) * std::sqrt(slope) : 0.0;
        const double endRate = area[n - 1] > 0.0 ? flux[n] * m / area[n - 1] : 0.0;
        fastest = std::max(fastest, endRate);
        const double dt = fastest > 0.0 ? std::min(kLongestStep, kCourant * dx / fastest) : kLongestStep;
        // dA_i = r (F_i - F_(i+1)) with the fluxes at the end of the step, face j's changed by
        // left[j] dA_(j-1) - right[j] dA_j.
        const double r = dt / dx;
        for (std::size_t i = 0; i < n; ++i) {
            lower[i] = -r * left[i];
            upper[i] = i + 1 < n ? -r * right[i + 1] : 0.0;
            diag[i] = 1.0 + r * (right[i] + left[i + 1]) + (i + 1 == n ? r * endRate : 0.0);
            rhs[i] = r * (flux[i] - flux[i + 1]);
        }
        solveTridiagonal(lower, diag, upper, rhs, change);
        for (std::size_t j = 1; j < n; ++j) flux[j] += left[j] * change[j - 1] - right[j] * change[j];
        flux[n] += endRate * change[n - 1];
        // No cell gives more than it holds.
        std::fill(gives.begin(), gives.end(), 0.0);
        for (std::size_t j = 1; j <= n; ++j) {
            if (flux[j] > 0.0) gives[j - 1] += flux[j];
            else if (flux[j] < 0.0 && j < n) gives[j] -= flux[j];
        }
        for (std::size_t i = 0; i < n; ++i) {
            const double give = gives[i] * dt;
            if (give <= area[i] * dx) continue;
            const double scale = area[i] * dx / give;
            if (flux[i + 1] > 0.0) flux[i + 1] *= scale;
            if (i > 0 && flux[i] < 0.0) flux[i] *= scale;
        }
        t += dt;
        for (std::size_t i = 0; i < n; ++i) {
            area[i] = std::max(0.0, area[i] + dt / dx * (flux[i] - flux[i + 1]));
            entered[i] += dt * std::max(0.0, flux[i]);
            if (area[i] > 0.0 && t > wetted[i]) {
                // The ground takes what its opportunity time asks, never more than the cell
                // holds (a cell short of water catches up later).
                const double take = std::min(area[i], std::max(0.0, z.depth(t - wetted[i]) - taken[i]));
                area[i] -= take;
                taken[i] += take;
            }
            if (area[i] >= dryArea) out.recession[i] = t;
        }
        // The drained water carries the front on over ground it had not reached.
        for (std::size_t i = 0; i < n; ++i) {
            if (wetted[i] != kNever || t < notBefore[i]) continue;
            const bool reached = entered[i] >= dryArea * dx && (i == 0 || entered[i] >= kFrontShare * area[i - 1] * dx);
            if (reached) wetted[i] = t;
        }
    }
    return out;
}

}  // namespace hydraulics
