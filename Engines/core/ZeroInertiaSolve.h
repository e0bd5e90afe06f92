#ifndef IRRIKA_ZERO_INERTIA_SOLVE_H
#define IRRIKA_ZERO_INERTIA_SOLVE_H

// Surface irrigation of one strip or furrow by the zero-inertia equations on cells of equal
// length:
//   dA/dt + dQ/dx = -I,   Q = K(A) sign(Sf) |Sf|^(1/2),   Sf the slope of the water surface,
// so the depth gradient drives the flow as much as the bed does (a level basin, a near-level
// border drain the way a pond does). The head takes the inflow until the cutoff; the end is
// a dyke or drains freely at normal depth. The ground of a cell takes in Kostiakov-Lewis
// water in the opportunity time since the cell was wetted, never more than the cell holds.
//
// Each step is linearly implicit: the fluxes at its end follow from the changes of the areas,
// the stage of a cell moving by dA / T (T the top width) and a face's flux by D dstage / dx,
// D = K / |Sf|^(1/2) held at the start of the step, the free end by dF/dA = m F / A. That is
// one tridiagonal system per step, so a flat pond, whose depth gradient an explicit step can
// only follow in tiny steps, costs no more than a sloping field.

#include "Infiltration.h"
#include "Section.h"
#include "Trajectory.h"  // kNever

#include <functional>
#include <limits>
#include <optional>
#include <vector>

namespace hydraulics {

// Area and conveyance of the flow as power laws: depth y with A = refArea (y / refDepth)^sigma2
// and K(A) = conveyance A^m, the flow (m3/min) at a friction slope of 1.
struct ZeroInertiaChannel {
    double conveyance = 0, m = 5.0 / 3.0;
    double refDepth = 1, refArea = 1, sigma2 = 1;

    double depth(double area) const;
    double area(double depth) const;
};

// Sheet flow over a strip of the given width (exact).
ZeroInertiaChannel sheetChannel(double width, double manningN);
// A sloping field's flow along it: its kinematic rating over the square root of the bed slope.
ZeroInertiaChannel fieldChannel(const FieldFlow &flow);

struct ZeroInertiaField {
    ZeroInertiaChannel channel;
    double length = 0;     // m
    double slope = 0;      // bed slope >= 0, downhill from the head
    KostiakovLewis z;      // per metre of field (m3/m)
    double inflow = 0;     // m3/min into the head until the cutoff
    double cutoff = 0;     // min
    double cutbackRatio = 1;  // share of the inflow that runs on once the front reaches the end
    bool freeEnd = false;  // free drainage at normal depth; otherwise a dyke
    int cells = 0;
};

// Where a solve stands. Per cell: area (m2), water taken in (m3/m), when it was wetted (kNever:
// not yet) and when it last held water.
struct ZeroInertiaState {
    double t = 0;
    std::vector<double> area, taken, wetted, recession;
    double arrival = 0;  // when the front reached the end; kNever: not yet
    double applied = 0, runoff = 0;  // m3 over the whole field so far
    int steps = 0;

    double surface(double dx) const;  // m3 on the field
};

// The field dry at time 0 with nothing wetted.
ZeroInertiaState dryField(const ZeroInertiaField &f);

// When the front reaches the end: as far beyond the last centre as the last two centres' times
// say; kNever while the last cell is dry.
double endArrival(const std::vector<double> &wetted);

// Steps on from the state until time until, or until the surface has run dry after the
// cutoff (the films left on wetted cells then soak in), or for at most the given number of
// steps; false when the step bound ran out first.
bool solveZeroInertia(const ZeroInertiaField &f, ZeroInertiaState &s, double until,
                      int steps = std::numeric_limits<int>::max());

// Whole events of one field for many cutoffs, as a cutoff search asks for them. Up to its
// cutoff every event is the one with the inflow running: that is solved once, its states
// stored every few steps, and each event goes on from the last stored state before its
// cutoff, step for step as a solve from the start would.
class CutoffEvents {
public:
    explicit CutoffEvents(const ZeroInertiaField &f);
    // The event solved to the end; nothing when the step bound ran out.
    std::optional<ZeroInertiaState> solve(double cutoff);

private:
    ZeroInertiaField field_;
    std::vector<ZeroInertiaState> running_;
};

// The centres of the cells of a field.
std::vector<double> cellCentres(const ZeroInertiaField &f);
// The front through the centres of the cells it wetted, and to the end (endArrival) once the
// last cell was wetted; then it reaches the end.
Trajectory frontOf(const ZeroInertiaState &s, double length);
// The value at x of what equal cells along length hold, linear within each cell with the
// cell's own mean: the slope is the neighbours' (limited so as to make no new peak or trough,
// and no edge below nothing), so a field's least depth at its end is not the last cell's
// mean but where that cell's slope leads.
double cellProfile(const std::vector<double> &values, double length, double x);

// Cells of the engines' solves of a whole event: halving them moves the advance time and the
// least depth by less than 2 % (or 1 mm) on the regimes they serve, ends barely wetted
// included (ZeroInertiaSolveTest); there the error is not monotone in the cells
// (Engines/README.md). They divide the performance cells, so the water a field takes in is
// the solve's to round-off.
const int kEventCells = 120;

// Cutoffs from the running arrival of the volume balance up to kSeamWidth beyond it blend the
// solved event into the volume balance's run, which takes over beyond: the two running
// advances differ by a few per cent, and a cutoff just before and one just after the arrival
// must not tell them apart. The weight of the volume balance's run: 0 before the arrival,
// rising linearly to 1 at (1 + kSeamWidth) times it.
const double kSeamWidth = 0.1;
double seamWeight(double cutoff, double arrival);

// The solved cells' values blended, by share, with the mean of at(x) over each cell, sampled
// as the performance figures sample the field, so that what a blended cell holds is what the
// curve gives there.
std::vector<double> blendedCells(const std::vector<double> &solved, double share, double length,
                                 const std::function<double(double)> &at);

// A cell counts as wetted, and the front as past its centre, once its depth (m) exceeds this.
const double kWetDepth = 1.0e-3;

}  // namespace hydraulics

#endif
