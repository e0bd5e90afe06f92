#include "ZeroInertiaSolve.h"

#include "Performance.h"

#include <algorithm>
#include <cmath>

namespace hydraulics {

namespace {

// Below this share of the bed slope (and below kFlatSlope on a level bed) the flux is taken
// linear in the surface slope, which keeps the flux smooth where a pond lies flat.
const double kFlatShare = 0.05;
const double kFlatSlope = 1.0e-6;
// The fluxes that move the water over a step are those at its middle, each linearised in the
// changes of the areas (the trapezoidal rule): with the fluxes at the step's end the kinematic
// wave lagged by a share of the step, which the barely wetted end of a steep border summed into
// 4 mm of its 22 mm on 100 cells.
const double kMidStep = 0.5;
// Steps of a quarter of the time a kinematic wave takes through a cell (with half of it a
// steep field's surface drains a few minutes early), and of at most a minute or a hundredth
// of the time since the start, whichever is longer: the intake slows as the opportunity time
// grows, so a pond on a slow soil soaks in over long steps. The depth gradient's part is
// implicit, so a flat pond does not force tiny steps. Never shorter than kShortestStep: a
// fresh head cell whose ground takes all the water that enters it would otherwise hold the
// steps at the time its first drop takes.
const double kLongestStep = 1.0;
const double kTimeShare = 0.01;
const double kShortestStep = 1.0e-4;
const double kCourant = 0.25;
// A wetted cell holding less than this depth (m) counts as dry.
const double kDryDepth = 1.0e-4;
const int kMaxSteps = 400000;
// Steps between the stored states of a running event.
const int kStoredEvery = 50;

// Solves lower[i] x[i-1] + diag[i] x[i] + upper[i] x[i+1] = rhs[i] (Thomas algorithm; diag and
// rhs are overwritten). The systems here are column diagonally dominant: no pivoting needed.
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

// One step's working arrays, kept between steps.
class Stepper {
public:
    Stepper(const ZeroInertiaField &f, ZeroInertiaState &s)
        : f_(f), s_(s), n_(s.area.size()), dx_(f.length / double(n_)),
          eps_(std::max(kFlatShare * f.slope, kFlatSlope)), dryArea_(f.channel.area(kDryDepth)),
          wetArea_(f.channel.area(kWetDepth)), y_(n_), stage_(n_), top_(n_), flux_(n_ + 1),
          left_(n_ + 1, 0.0), right_(n_ + 1, 0.0), lower_(n_), diag_(n_), upper_(n_), rhs_(n_),
          change_(n_), gives_(n_), before_(n_)
    {
    }

    // False once the surface has run dry after the cutoff.
    bool step(double until);

private:
    double conveyance(double a) const { return f_.channel.conveyance * std::pow(a, f_.channel.m); }
    bool inflowRuns() const { return s_.t < f_.cutoff; }
    double startFluxes();
    void solveChanges(double dt);
    void limitOutflows(double dt);
    void moveWater(double dt);
    void takeIn(double t0, double dt);

    const ZeroInertiaField &f_;
    ZeroInertiaState &s_;
    const std::size_t n_;
    const double dx_, eps_, dryArea_, wetArea_;
    double endRate_ = 0;
    std::vector<double> y_, stage_, top_, flux_, left_, right_, lower_, diag_, upper_, rhs_, change_,
        gives_, before_;
};

// Fluxes at the start of the step and how each answers a change of the areas; returns the
// fastest kinematic speed, which sets the step. Water entering a dry cell does not raise its
// stage in the linearisation (a dry furrow has no top width): the flux into it answers to its
// donor only.
double Stepper::startFluxes()
{
    const ZeroInertiaChannel &c = f_.channel;
    for (std::size_t i = 0; i < n_; ++i) {
        const double a = s_.area[i];
        y_[i] = c.depth(a);
        stage_[i] = y_[i] - f_.slope * (i + 0.5) * dx_;
        top_[i] = c.sigma2 * std::max(a, dryArea_) / std::max(y_[i], kDryDepth);
    }
    flux_[0] = !inflowRuns() ? 0.0 : s_.t >= s_.arrival ? f_.inflow * f_.cutbackRatio : f_.inflow;
    // The inflow filling the head cell, even before it holds water.
    double fastest = flux_[0] * c.m / std::max(s_.area[0], wetArea_);
    for (std::size_t j = 1; j < n_; ++j) {
        const double sf = (stage_[j - 1] - stage_[j]) / dx_;
        const std::size_t donor = sf >= 0.0 ? j - 1 : j, other = sf >= 0.0 ? j : j - 1;
        flux_[j] = left_[j] = right_[j] = 0.0;
        if (!(s_.area[donor] > 0.0)) continue;
        // Between two wet cells the conveyance of their mean area; into a dry one that of the
        // cell the water leaves.
        const double a = s_.area[other] > 0.0 ? 0.5 * (s_.area[j - 1] + s_.area[j]) : s_.area[donor];
        const double d = conveyance(a) / std::sqrt(std::max(std::fabs(sf), eps_));
        flux_[j] = d * sf;
        left_[j] = s_.area[j - 1] > 0.0 ? d / (dx_ * top_[j - 1]) : 0.0;
        right_[j] = s_.area[j] > 0.0 ? d / (dx_ * top_[j]) : 0.0;
        // The conveyance grows with the area the water leaves, as a kinematic wave's flux does:
        // dF/dA = m F / A.
        const double growth = c.m * std::fabs(flux_[j]) / a;
        (sf >= 0.0 ? left_[j] : right_[j]) += growth;
        fastest = std::max(fastest, growth);
    }
    // The free end drains at normal depth: dF/dA = m F / A.
    const double last = s_.area[n_ - 1];
    flux_[n_] = f_.freeEnd && last > 0.0 ? conveyance(last) * std::sqrt(f_.slope) : 0.0;
    endRate_ = last > 0.0 ? flux_[n_] * c.m / last : 0.0;
    return std::max(fastest, endRate_);
}

// dA_i = r (F_i - F_(i+1)) with the fluxes at the middle of the step, face j's changed by
// (left[j] dA_(j-1) - right[j] dA_j) / 2; the fluxes are moved on to the step's middle.
void Stepper::solveChanges(double dt)
{
    const double r = kMidStep * dt / dx_;
    for (std::size_t i = 0; i < n_; ++i) {
        lower_[i] = -r * left_[i];
        upper_[i] = i + 1 < n_ ? -r * right_[i + 1] : 0.0;
        diag_[i] = 1.0 + r * (right_[i] + left_[i + 1]) + (i + 1 == n_ ? r * endRate_ : 0.0);
        rhs_[i] = dt / dx_ * (flux_[i] - flux_[i + 1]);
    }
    solveTridiagonal(lower_, diag_, upper_, rhs_, change_);
    for (std::size_t j = 1; j < n_; ++j)
        flux_[j] += kMidStep * (left_[j] * change_[j - 1] - right_[j] * change_[j]);
    flux_[n_] += kMidStep * endRate_ * change_[n_ - 1];
}

// No cell gives more than it holds. What a cell receives does not count, so scaling a
// neighbour's outflow never leaves it short.
void Stepper::limitOutflows(double dt)
{
    std::fill(gives_.begin(), gives_.end(), 0.0);
    for (std::size_t j = 1; j <= n_; ++j) {
        if (flux_[j] > 0.0) gives_[j - 1] += flux_[j];
        else if (flux_[j] < 0.0 && j < n_) gives_[j] -= flux_[j];
    }
    for (std::size_t i = 0; i < n_; ++i) {
        const double give = gives_[i] * dt;
        if (give <= s_.area[i] * dx_) continue;
        const double scale = s_.area[i] * dx_ / give;
        if (flux_[i + 1] > 0.0) flux_[i + 1] *= scale;
        if (i > 0 && flux_[i] < 0.0) flux_[i] *= scale;
    }
}

void Stepper::moveWater(double dt)
{
    for (std::size_t i = 0; i < n_; ++i) {
        before_[i] = s_.area[i];
        // Only round-off can take a cell below nothing once outflows are limited.
        s_.area[i] = std::max(0.0, s_.area[i] + dt / dx_ * (flux_[i] - flux_[i + 1]));
    }
    s_.applied += flux_[0] * dt;
    s_.runoff += flux_[n_] * dt;
}

// A cell is wetted when its depth passes kWetDepth, at the time within the step at which it
// did, linear in the depth; its ground takes what its opportunity time asks, never more than
// the cell holds (a cell short of water catches up later). A wetted cell recedes when it
// falls below kDryDepth, again at the time within the step.
void Stepper::takeIn(double t0, double dt)
{
    const double t = t0 + dt;
    for (std::size_t i = 0; i < n_; ++i) {
        double &a = s_.area[i];
        if (s_.wetted[i] == kNever && a > wetArea_) {
            const double y0 = y_[i], y1 = f_.channel.depth(a);
            s_.wetted[i] = t0 + dt * std::clamp((kWetDepth - y0) / (y1 - y0), 0.0, 1.0);
        }
        if (s_.wetted[i] == kNever) continue;
        if (a > 0.0 && t > s_.wetted[i]) {
            const double take = std::min(a, std::max(0.0, f_.z.depth(t - s_.wetted[i]) - s_.taken[i]));
            a -= take;
            s_.taken[i] += take;
        }
        if (a >= dryArea_) {
            s_.recession[i] = t;
        } else if (before_[i] >= dryArea_) {
            s_.recession[i] = t0 + dt * (before_[i] - dryArea_) / (before_[i] - a);
        }
    }
}

bool Stepper::step(double until)
{
    // Only water on wetted ground counts: a film thinner than kWetDepth that ran on ahead of a
    // front which stopped never wets a cell, and the centred step lets it slosh on for hours.
    bool anyWet = false;
    for (std::size_t i = 0; i < n_ && !anyWet; ++i) anyWet = s_.wetted[i] != kNever && s_.area[i] >= dryArea_;
    if (!inflowRuns() && !anyWet) return false;
    const double fastest = startFluxes();
    const double longest = std::max(kLongestStep, kTimeShare * s_.t);
    double dt = fastest > 0.0 ? std::clamp(kCourant * dx_ / fastest, kShortestStep, longest) : longest;
    // Steps end at the cutoff, at the cutback and at the time asked for.
    if (inflowRuns()) dt = std::min(dt, f_.cutoff - s_.t);
    if (s_.arrival > s_.t) dt = std::min(dt, s_.arrival - s_.t);
    dt = std::min(dt, until - s_.t);
    solveChanges(dt);
    limitOutflows(dt);
    moveWater(dt);
    const double t0 = s_.t;
    s_.t = t0 + dt;
    takeIn(t0, dt);
    if (s_.arrival == kNever) s_.arrival = endArrival(s_.wetted);
    ++s_.steps;
    return true;
}

}  // namespace

double ZeroInertiaChannel::depth(double a) const
{
    return a > 0.0 ? refDepth * std::pow(a / refArea, 1.0 / sigma2) : 0.0;
}

double ZeroInertiaChannel::area(double y) const
{
    return y > 0.0 ? refArea * std::pow(y / refDepth, sigma2) : 0.0;
}

ZeroInertiaChannel sheetChannel(double width, double manningN)
{
    // Q = (60 / n) W y^(5/3) Sf^(1/2) per minute, with y = A / W.
    ZeroInertiaChannel c;
    c.m = 5.0 / 3.0;
    c.conveyance = 60.0 / manningN * std::pow(width, -2.0 / 3.0);
    c.refDepth = 1.0;
    c.refArea = width;
    c.sigma2 = 1.0;
    return c;
}

ZeroInertiaChannel fieldChannel(const FieldFlow &flow)
{
    ZeroInertiaChannel c;
    c.m = flow.rating.m;
    c.conveyance = flow.rating.alpha / std::sqrt(flow.slope);
    c.refDepth = flow.refDepth;
    c.refArea = flow.refArea;
    c.sigma2 = flow.sigma2;
    return c;
}

double ZeroInertiaState::surface(double dx) const
{
    double v = 0.0;
    for (const double a : area) v += a;
    return v * dx;
}

ZeroInertiaState dryField(const ZeroInertiaField &f)
{
    ZeroInertiaState s;
    const std::size_t n = std::size_t(std::max(f.cells, 2));
    s.area.assign(n, 0.0);
    s.taken.assign(n, 0.0);
    s.wetted.assign(n, kNever);
    s.recession.assign(n, 0.0);
    s.arrival = kNever;
    return s;
}

double endArrival(const std::vector<double> &wetted)
{
    const std::size_t n = wetted.size();
    if (wetted[n - 1] == kNever) return kNever;
    return wetted[n - 1] + 0.5 * std::max(0.0, wetted[n - 1] - wetted[n - 2]);
}

std::vector<double> cellCentres(const ZeroInertiaField &f)
{
    std::vector<double> x;
    for (int i = 0; i < f.cells; ++i) x.push_back((i + 0.5) * f.length / f.cells);
    return x;
}

Trajectory frontOf(const ZeroInertiaState &s, double length)
{
    Trajectory tr;
    const std::size_t n = s.wetted.size();
    for (std::size_t i = 0; i < n && s.wetted[i] != kNever; ++i) {
        tr.x.push_back((i + 0.5) * length / double(n));
        // Two cells wetted in one step may share a time: keep the times rising.
        tr.t.push_back(std::max(s.wetted[i], tr.t.back() + 1e-9));
    }
    tr.reachesEnd = tr.x.size() == n + 1;
    if (!tr.reachesEnd) return tr;
    tr.x.push_back(length);
    tr.t.push_back(std::max(endArrival(s.wetted), tr.t.back() + 1e-9));
    return tr;
}

double cellProfile(const std::vector<double> &values, double length, double x)
{
    const std::size_t n = values.size();
    const double dx = length / double(n);
    const std::size_t i = std::min(n - 1, std::size_t(std::max(0.0, x / dx)));
    const double v = values[i];
    // The slope of the neighbours' differences, the smaller where both lean the same way
    // (none at a peak or a trough); the end cells lean as their one neighbour says.
    const double back = i > 0 ? v - values[i - 1] : kNever, ahead = i + 1 < n ? values[i + 1] - v : kNever;
    double rise = back == kNever ? ahead : ahead == kNever ? back
                : back * ahead > 0.0 ? (std::fabs(back) < std::fabs(ahead) ? back : ahead) : 0.0;
    // No edge of the cell below nothing.
    rise = std::clamp(rise, -2.0 * v, 2.0 * v);
    return v + rise * ((x - i * dx) / dx - 0.5);
}

bool solveZeroInertia(const ZeroInertiaField &f, ZeroInertiaState &s, double until, int steps)
{
    Stepper stepper(f, s);
    for (int taken = 0; s.t < until && taken < steps; ++taken) {
        if (s.steps >= kMaxSteps) return false;
        if (stepper.step(until)) continue;
        // Dry: the films left on wetted ground soak in where they stand.
        for (std::size_t i = 0; i < s.area.size(); ++i) {
            if (s.wetted[i] == kNever) continue;
            s.taken[i] += s.area[i];
            s.area[i] = 0.0;
        }
        break;
    }
    return true;
}

double seamWeight(double cutoff, double arrival)
{
    return std::clamp((cutoff / arrival - 1.0) / kSeamWidth, 0.0, 1.0);
}

std::vector<double> blendedCells(const std::vector<double> &solved, double share, double length,
                                 const std::function<double(double)> &at)
{
    const int cells = int(solved.size());
    const int per = kPerformanceCells / cells;
    const double dx = length / (cells * per);
    std::vector<double> means(solved.size(), 0.0);
    for (int i = 0; i < cells * per; ++i) means[std::size_t(i / per)] += at((i + 0.5) * dx) / per;
    for (std::size_t i = 0; i < means.size(); ++i) means[i] = (1.0 - share) * solved[i] + share * means[i];
    return means;
}

CutoffEvents::CutoffEvents(const ZeroInertiaField &f) : field_(f)
{
    field_.cutoff = kNever;
    running_.push_back(dryField(f));
}

std::optional<ZeroInertiaState> CutoffEvents::solve(double cutoff)
{
    // The running event on to the cutoff, stored as it goes.
    while (running_.back().t < cutoff) {
        ZeroInertiaState next = running_.back();
        if (!solveZeroInertia(field_, next, kNever, kStoredEvery)) return std::nullopt;
        running_.push_back(std::move(next));
    }
    auto from = std::upper_bound(running_.begin(), running_.end(), cutoff,
                                 [](double t, const ZeroInertiaState &s) { return t < s.t; });
    ZeroInertiaState s = *std::prev(from);
    ZeroInertiaField f = field_;
    f.cutoff = cutoff;
    if (!solveZeroInertia(f, s, kNever)) return std::nullopt;
    return s;
}

}  // namespace hydraulics
