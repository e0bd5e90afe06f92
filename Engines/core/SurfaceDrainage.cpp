#include "SurfaceDrainage.h"

#include "ZeroInertiaSolve.h"

#include <algorithm>
#include <cmath>

namespace hydraulics {

namespace {

// Profile steps per cell.
const int kProfileSteps = 4;

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
    ZeroInertiaField f;
    f.channel = fieldChannel(cells.flow);
    f.length = length;
    f.slope = cells.flow.slope;
    f.z = z;
    f.cutoff = start;
    f.freeEnd = true;
    f.cells = int(area.size());
    ZeroInertiaState s = dryField(f);
    s.t = start;
    s.area = std::move(area);
    DrainedSurface out;
    const double dx = length / double(f.cells);
    for (std::size_t i = 0; i < s.area.size(); ++i) {
        out.x.push_back((i + 0.5) * dx);
        const double wetted = advance.time(out.x[i]);
        s.wetted[i] = wetted <= start ? wetted : kNever;
        s.taken[i] = z.depth(std::max(0.0, start - s.wetted[i]));
        s.recession[i] = start;
    }
    solveZeroInertia(f, s, kNever);
    out.recession = std::move(s.recession);
    return out;
}

}  // namespace hydraulics
