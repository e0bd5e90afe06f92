#include "ZeroInertia.h"

#include <algorithm>
#include <cmath>

namespace reference {

double Intake::volume(double tau) const
{
    return tau > 0.0 ? k * std::pow(tau, a) + f0 * tau : 0.0;
}

namespace {

// The front stands where the water first stands 2 mm deep, and from then on the ground there
// takes in water. A thinner film only wets the tops of the clods of a prepared field, whose
// microrelief is a few millimetres to centimetres. Behind a front the flow is 2 to 15 cm deep,
// so the threshold moves the front by well under a metre; it lies far above the film that the
// explicit fluxes spread ahead of the front, and at 1 mm a front would need twice the cells
// for the same grid convergence.
const double kFrontDepth = 2.0e-3;

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

double Result::leastInfiltrated() const
{
    const double least = *std::min_element(infiltrated.begin(), infiltrated.end());
    const double length = x.back() + x.front();  // the centres lie half a cell in from the ends
    return std::max(0.0, std::min({least, infiltratedAt(0.0), infiltratedAt(length)}));
}

double Result::recessionAt(double at) const { return interpolate(x, recession, at); }

namespace {

// The surface of the field between two infiltration updates: cell areas, face fluxes and how
// fast each cell's area answers a change of its own (the explicit stability bound).
class Surface {
public:
    Surface(const Field &field, const Grid &grid)
        : field_(field), grid_(grid), n_(grid.cells), dx_(field.length / grid.cells),
          geo_{field.channel, field.manningN,
               2.0 * std::sqrt(1.0 + field.channel.sideSlope * field.channel.sideSlope)},
          area_(n_, 0.0), y_(n_), stage_(n_), top_(n_), rate_(n_), outflow_(n_), flux_(n_ + 1)
    {
    }

    // One explicit step with the inflow (m3/s) at the inlet, never past `until` (s); returns
    // its length (s) and adds what came in and ran off.
    double step(double inflow, double until, double &applied, double &runoff)
    {
        const double dt = std::min(fluxes(inflow), until);
        keepAreasPositive(dt);
        for (int i = 0; i < n_; ++i) area_[i] = std::max(0.0, area_[i] + dt / dx_ * (flux_[i] - flux_[i + 1]));
        applied += flux_[0] * dt;
        runoff += flux_[n_] * dt;
        return dt;
    }

    double depth(int i) const { return area_[i] > 0.0 ? geo_.depth(area_[i]) : 0.0; }
    double cellLength() const { return dx_; }
    std::vector<double> &areas() { return area_; }  // m2 per cell

private:
    // Face fluxes at the current areas; returns the longest stable step (s).
    double fluxes(double inflow)
    {
        for (int i = 0; i < n_; ++i) {
            y_[i] = depth(i);
            stage_[i] = y_[i] - field_.slope * (i + 0.5) * dx_;
            // A nearly dry furrow's stage answers its area as at the front depth: thinner
            // films hold too little water to matter to the step.
            top_[i] = geo_.topWidth(std::max(y_[i], kFrontDepth));
            rate_[i] = 0.0;
        }
        flux_[0] = inflow;
        for (int j = 1; j < n_; ++j) flux_[j] = faceFlux(j);
        flux_[n_] = 0.0;
        if (!field_.closedEnd && area_[n_ - 1] > 0.0) {
            const double k = geo_.conveyance(area_[n_ - 1], y_[n_ - 1]);
            flux_[n_] = k * std::sqrt(field_.slope);
            rate_[n_ - 1] += flux_[n_] * geo_.logConveyanceSlope(area_[n_ - 1], y_[n_ - 1]);
        }
        double fastest = 0.0;
        for (int i = 0; i < n_; ++i) fastest = std::max(fastest, rate_[i] / dx_);
        return std::min(fastest > 0.0 ? grid_.stability / fastest : 1.0, 1.0);
    }

    // Manning's flux through face j (between cells j-1 and j) with the stage difference as
    // friction slope; adds the face's part of both cells' stability rates.
    double faceFlux(int j)
    {
        const double sf = (stage_[j - 1] - stage_[j]) / dx_;
        const int donor = sf >= 0.0 ? j - 1 : j, other = sf >= 0.0 ? j : j - 1;
        if (!(area_[donor] > 0.0)) return 0.0;
        // Between two wet cells the conveyance of their mean area (second order); into a dry
        // cell that of the cell the water leaves.
        const double a = area_[other] > 0.0 ? 0.5 * (area_[j - 1] + area_[j]) : area_[donor];
        const double depth = area_[other] > 0.0 ? geo_.depth(a) : y_[donor];
        const double k = geo_.conveyance(a, depth), dLogK = geo_.logConveyanceSlope(a, depth);
        const double s = std::fabs(sf), eps = grid_.flatSlope;
        const double root = std::sqrt(std::max(s, eps));
        const double flux = k * sf / root;
        const double g = s > eps ? k / (2.0 * root) : k / root;
        rate_[donor] += std::fabs(flux) * dLogK + g / (dx_ * top_[donor]);
        rate_[other] += std::fabs(flux) * dLogK + g / (dx_ * top_[other]);
        return flux;
    }

    // No cell gives more than it holds over dt.
    void keepAreasPositive(double dt)
    {
        std::fill(outflow_.begin(), outflow_.end(), 0.0);
        for (int j = 1; j <= n_; ++j) {
            if (flux_[j] > 0.0) outflow_[j - 1] += flux_[j];
            else if (flux_[j] < 0.0 && j < n_) outflow_[j] -= flux_[j];
        }
        for (int i = 0; i < n_; ++i) {
            const double give = outflow_[i] * dt;
            if (give <= area_[i] * dx_) continue;
            const double scale = area_[i] * dx_ / give;
            if (flux_[i + 1] > 0.0) flux_[i + 1] *= scale;
            if (i > 0 && flux_[i] < 0.0) flux_[i] *= scale;
        }
    }

    const Field &field_;
    const Grid &grid_;
    const int n_;
    const double dx_;
    const Geometry geo_;
    std::vector<double> area_, y_, stage_, top_, rate_, outflow_, flux_;
};

// Marks the cells the front has reached by time t (min) and those still under water.
void markFront(const Surface &surface, double t, Result &out)
{
    for (std::size_t i = 0; i < out.x.size(); ++i) {
        if (surface.depth(int(i)) < kFrontDepth) continue;
        if (out.advance[i] < 0.0) out.advance[i] = t;
        out.recession[i] = t;
    }
}

// Each reached cell takes in what its opportunity time asks, as far as it holds water (a cell
// short of water catches up when more comes); returns the volume left on the reached cells.
double infiltrate(const Intake &intake, double t, Surface &surface, Result &out)
{
    double onReached = 0.0;
    for (std::size_t i = 0; i < out.x.size(); ++i) {
        double &area = surface.areas()[i];
        if (out.advance[i] < 0.0) continue;
        const double due = intake.volume(t - out.advance[i]);
        const double take = std::min(area, std::max(0.0, due - out.infiltrated[i]));
        area -= take;
        out.infiltrated[i] += take;
        onReached += area * surface.cellLength();
    }
    return onReached;
}

}  // namespace

Result simulate(const Field &field, const Grid &grid)
{
    const int n = grid.cells;
    Surface surface(field, grid);
    const double dx = surface.cellLength();
    const double inflow = field.inflow / 60.0;  // m3/s
    const double cutoff = field.cutoff * 60.0;  // s
    const double tMax = grid.maxMinutes * 60.0;

    Result out;
    out.x.resize(n);
    for (int i = 0; i < n; ++i) out.x[i] = (i + 0.5) * dx;
    out.advance.assign(n, -1.0);
    out.recession.assign(n, -1.0);
    out.infiltrated.assign(n, 0.0);

    double t = 0.0, nextIntake = grid.intakeStep;
    while (t < tMax) {
        const bool running = t < cutoff;
        t += surface.step(running ? inflow : 0.0, running ? cutoff - t : tMax - t, out.applied, out.runoff);
        markFront(surface, t / 60.0, out);
        if (grid.stopAtTheEnd && out.advance[n - 1] >= 0.0) break;
        if (t < nextIntake) continue;
        nextIntake = t + grid.intakeStep;
        const double onReached = infiltrate(field.intake, t / 60.0, surface, out);
        // Done once the reached ground has taken in the water; a film ahead of a front that
        // stopped short, too thin to count as standing water, is left where it lies.
        if (t >= cutoff && onReached <= 1.0e-9 * out.applied) break;
    }
    out.endTime = t / 60.0;
    out.reachedEnd = out.advance[n - 1] >= 0.0;
    for (int i = 0; i < n; ++i) {
        out.infiltratedVolume += out.infiltrated[i] * dx;
        out.surface += surface.areas()[i] * dx;
    }
    return out;
}

}  // namespace reference
