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
// After a cutoff before the front reaches the end the front is fed by the draining wave. By
// volume balance: on a steep field its area grows towards the front as A ~ x^(1/(m-1)) for
// the rating Q = alpha A^m, and the front carries m V / ((m - 1) x_f), V the water still on
// the surface; on a near-level one the surface stays nearly flat, the front carries about
// V / x_f, and its flow has to wet the fresh ground ahead as the running front's did. Never
// faster than with the inflow running; it stops where the water is gone. That balance counts
// intake on ground the water has already left, so on a steep field it runs the front on too
// far. The coarse zero-inertia solve of the water on the surface (SurfaceDrainage.h) lets the
// ground upstream dry and carries the front on cell by cell; on a near-level field it runs
// the front on ahead of finer zero-inertia computations. The front goes on as the later of
// the two says.
//
// The inflow may be cut back when the front reaches the end. Recession: the water on the
// surface at cutoff, drained by that solve, sets when each point dries; the inlet's drying is
// the depletion time.

#include "Advance.h"
#include "Section.h"

#include <vector>

namespace hydraulics {

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

// The advance by volume balance when the inflow stops before the front reaches the end;
// reachesEnd tells whether the front gets there on the surface water. The whole run
// (runSlopingField) carries the front on by the drained surface, never ahead of this one.
Trajectory slopingAdvanceAfterCutoff(const SlopingField &f, const Trajectory &running,
                                     double cutoff);

// Intake of the whole wetted field at time t (m3/min).
double fieldIntakeRate(const SlopingField &f, const Trajectory &advance, double t);

struct SlopingRun {
    Trajectory advance;
    double cutoff = 0;
    double cutbackFlow = 0;
    double depletion = 0;  // the inlet runs dry
    std::vector<double> recessionX, recessionT;  // recession curve, increasing in x
    double applied = 0;    // m3 entering the field
    double waterGone = kNever;  // all surface water infiltrated: nothing is wet after it

    double recessionTime(double x) const;
    double recessionCurve(double x) const;  // of the drained surface alone
    double opportunity(double x) const;
};

// The whole irrigation for a cutoff, from the advance with the inflow running; nothing when
// the inlet has no uniform flow. The run's advance tells whether the front reached the end.
std::optional<SlopingRun> runSlopingField(const SlopingField &f, const Trajectory &running,
                                          double cutoff);

// Smallest infiltrated depth along the field, on a coarse grid for the searches.
double minimumDepth(const SlopingField &f, const SlopingRun &run);

}  // namespace hydraulics

#endif
