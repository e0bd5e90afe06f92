#ifndef IRRIKA_ADVANCE_H
#define IRRIKA_ADVANCE_H

// Advance by volume balance (Lewis and Milne 1938; Walker and Skogerboe 1987), solved station
// by station: the front passes station x_i at the first time t at which
//   applied(t) = surface storage(t) + infiltrated along the trajectory so far (t),
// with the infiltration integrated along the trajectory found up to x_(i-1) (Trajectory.h)
// instead of along a power curve fitted through a few points. The storage is the model's:
// the level basin's or the sloping field's.

#include "Roots.h"
#include "Trajectory.h"

#include <cmath>

namespace hydraulics {

const double kMaxAdvanceTime = 1.0e5;  // minutes; slower fronts count as stalled

enum class AdvanceStatus { Ok, DoesNotReach };

// Stations from the inlet to the end, closer together near the inlet where the front is
// fastest: x_i = L (i / n)^1.5, n = kAdvanceStations.
const int kAdvanceStations = 24;
std::vector<double> advanceStations(double length);

// Adds station x to the trajectory and finds the first time after the previous station at
// which balance(t) >= 0; balance reads the trajectory with its last time set to t, is
// negative just after the previous station and may return -infinity once the front can no
// longer get there. predicted: a guess of that time (Roots.h brackets outwards from it).
// False (and the station removed again) when the front does not get there.
template <class Balance>
bool advanceTo(Trajectory &tr, double x, double predicted, Balance balance)
{
    const double previous = tr.t.back();
    tr.x.push_back(x);
    tr.t.push_back(previous);
    auto f = [&](double t) {
        tr.t.back() = t;
        return balance(t);
    };
    std::optional<double> root;
    if (auto b = bracketFrom(f, previous, predicted, kMaxAdvanceTime)) {
        // A balance already met just after the previous station: the front passes at once.
        root = b->flo >= 0.0 ? std::optional<double>(b->lo)
                             : findRootBetween(f, b->lo, b->flo, b->hi, b->fhi, 1e-8);
    }
    if (!root) {
        tr.x.pop_back();
        tr.t.pop_back();
        return false;
    }
    tr.t.back() = *root;
    return true;
}

// The time the front will pass x, from the local power law x ~ t^p through its last two
// stations; the first stations get a rough guess that advanceTo brackets from.
double predictedArrival(const Trajectory &tr, double x);

// Marches the front through stations[1..] (stations[0] is the inlet), each by advanceTo from
// the local power law's guess; Ok when it passes them all, and the trajectory then reaches
// the end.
template <class Balance>
AdvanceStatus advanceThrough(Trajectory &tr, const std::vector<double> &stations, Balance balance)
{
    for (std::size_t i = 1; i < stations.size(); ++i) {
        if (!advanceTo(tr, stations[i], predictedArrival(tr, stations[i]), balance))
            return AdvanceStatus::DoesNotReach;
    }
    tr.reachesEnd = true;
    return AdvanceStatus::Ok;
}

// Carries the front on from its last point through the stations beyond it with
// dx/dt = speed(x, t), by the trapezoidal rule from station to station; speed reads the
// trajectory with its last time set to t and is 0 once the front can no longer move. True
// when it passes them all.
template <class Speed>
bool advanceBySpeed(Trajectory &tr, const std::vector<double> &stations, Speed speed)
{
    for (const double x : stations) {
        const double xs = tr.x.back(), ts = tr.t.back();
        if (x <= xs) continue;
        const double fromSpeed = speed(xs, ts);
        if (!(fromSpeed > 0.0)) return false;
        const bool reached = advanceTo(tr, x, ts + (x - xs) / fromSpeed, [&](double t) {
            const double u = speed(x, t);
            if (!(u > 0.0)) return -HUGE_VAL;
            return t - ts - 0.5 * (x - xs) * (1.0 / fromSpeed + 1.0 / u);
        });
        if (!reached) return false;
    }
    return true;
}

}  // namespace hydraulics

#endif
