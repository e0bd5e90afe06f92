#ifndef IRRIKA_SLOPING_FIELD_H
#define IRRIKA_SLOPING_FIELD_H

// A free-draining sloping field, the common ground of borders (per strip) and furrows (per
// furrow).
//
// Advance by volume balance station by station (Advance.h). The surface storage follows the
// flow along the field: at every point the normal flow area of what the inflow leaves after
// the intake upstream, less the zero-inertia front, where the depth falls from normal to nought
// over a length of the order of the normal depth over the slope.
//
// Where the inflow stops before the running front reaches the end, the whole event is solved
// by the zero-inertia equations on cells of equal length (ZeroInertiaSolve.h): the front, the
// recession and the water each cell takes in. Otherwise the inflow may be cut back when the
// front reaches the end, and the water on the surface at cutoff, drained by the same equations
// (SurfaceDrainage.h), sets when each point dries.

#include "Advance.h"
#include "Section.h"

#include <memory>

#include <vector>

namespace hydraulics {

class CutoffEvents;

struct SlopingField {
    double inflow = 0;        // m3/min
    double cutbackRatio = 1;  // inflow after the advance, as a share of the inflow
    double length = 0;        // m
    double width = 0;         // m over which depths are counted: border width, furrow spacing
    double manningN = 0;
    double slope = 0;
    const Section *section = nullptr;
    KostiakovLewis z;  // per metre of field length (m3/m); depth = z / width
};

// Inlet state for the given flow; nothing when no uniform flow exists.
struct Inlet {
    double depth, area;
};
std::optional<Inlet> inletFlow(const SlopingField &f, double flow);

// The advance with the inflow running until the front reaches the end; status DoesNotReach
// when the intake takes the whole inflow before that (or no uniform flow exists).
Trajectory slopingAdvance(const SlopingField &f, AdvanceStatus &status);

// Intake of the whole wetted field at time t (m3/min).
double fieldIntakeRate(const SlopingField &f, const Trajectory &advance, double t);

struct SlopingRun {
    Trajectory advance;
    double cutoff = 0;
    double cutbackFlow = 0;
    std::vector<double> recessionX, recessionT;  // recession curve, increasing in x
    double applied = 0;    // m3 entering the field
    double waterGone = kNever;  // all surface water infiltrated: nothing is wet after it
    // After an early cutoff, what each of the solve's equal cells took in (m3/m); otherwise
    // empty, and the intake follows from the opportunity time.
    std::vector<double> cellTaken;

    double recessionTime(double x) const;
    double opportunity(double x) const;
};

// The whole irrigation for a cutoff, from the advance with the inflow running; nothing when
// the inlet has no uniform flow (or the solve's step bound ran out). The run's advance tells
// whether the front reached the end.
std::optional<SlopingRun> runSlopingField(const SlopingField &f, const Trajectory &running,
                                          double cutoff);

// Runs of one field for many cutoffs, as a cutoff search asks for them: the events after an
// early cutoff go on from the stored running event (CutoffEvents), and a cutoff just after
// the running arrival blends them into the volume balance's run (kSeamWidth). Holds on to the
// field and the running advance.
class SlopingRuns {
public:
    SlopingRuns(const SlopingField &f, const Trajectory &running);
    ~SlopingRuns();
    std::optional<SlopingRun> at(double cutoff);

private:
    std::optional<SlopingRun> balanced(double cutoff) const;  // after the running arrival
    std::optional<SlopingRun> solved(double cutoff);          // the whole event solved

    const SlopingField &f_;
    const Trajectory &running_;
    std::unique_ptr<CutoffEvents> events_;
};

// Water taken in at x (m3 per metre of field).
double infiltratedAt(const SlopingField &f, const SlopingRun &run, double x);

// Smallest infiltrated depth along the field, on a coarse grid for the searches.
double minimumDepth(const SlopingField &f, const SlopingRun &run);

}  // namespace hydraulics

#endif
