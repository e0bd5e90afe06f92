#ifndef IRRIKA_TRAJECTORY_H
#define IRRIKA_TRAJECTORY_H

// The advance front as it passes stations along the field, linear in time between two
// stations. On such a segment the intake has a closed form: with the front passing from t0 to
// t1 over dx, by time T the segment has taken in
//   dx / (t1 - t0) * (Z1(T - t0) - Z1(T - t1)),   Z1 the time integral of Z,
// and takes in dx / (t1 - t0) * (Z(T - t0) - Z(T - t1)) per unit of time. So the volume
// balance sees the infiltration along the trajectory itself, not along a fitted curve.

#include "Infiltration.h"

#include <limits>
#include <vector>

namespace hydraulics {

const double kNever = std::numeric_limits<double>::infinity();

struct Trajectory {
    std::vector<double> x{0.0}, t{0.0};  // stations from the inlet on, and when the front passed
    bool reachesEnd = false;              // the last station is the end of the field

    // Time at which the front passes x: linear between stations; kNever beyond the last
    // station (the front stopped before it).
    double time(double at) const;
    // Front position at time now (the last station once the front has passed it).
    double front(double now) const;
    // The trajectory as far as the front got by time now (it ends at the front then).
    Trajectory until(double now) const;
    // Speed of the front on the segment that holds x.
    double speed(double at) const;
    double endTime() const { return t.back(); }
};

// The front at a's stations at the times (1 - share) a + share b; both reach the end.
Trajectory blended(const Trajectory &a, const Trajectory &b, double share);

// Intake along a trajectory up to time now: the volume taken in so far, and, when wanted, the
// intake rate downstream of every station (beyond[j] for station j, beyond[0] the whole
// field's). Volumes per unit of Z, that is per metre of width or per furrow.
double infiltratedAlong(const KostiakovLewis &z, const Trajectory &tr, double now,
                        std::vector<double> *beyond = nullptr);

}  // namespace hydraulics

#endif
