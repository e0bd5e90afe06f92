#ifndef IRRIKA_TEST_ZERO_INERTIA_H
#define IRRIKA_TEST_ZERO_INERTIA_H

// An independent reference for the engine tests: surface irrigation of one strip or furrow by
// an explicit zero-inertia finite-volume model. It shares no code with the engines.
//
//   dA/dt + dQ/dx = -I(x, t),   Q = A R^(2/3) / n * sign(Sf) |Sf|^(1/2),   Sf = -d(stage)/dx
//
// Cells of equal length hold the flow area; the flux between two cells takes the stage
// difference between them and the conveyance of their mean area (of the cell the water
// leaves when the other one is dry); below a surface slope of flatSlope the flux is taken
// linear in the slope, which keeps a flat pond from stalling the time step. The front stands
// where the water first stands 2 mm deep; from then on the ground there takes in water,
// Kostiakov-Lewis in the opportunity time, never more than the cell holds (a cell short of
// water catches up later). The upstream end takes the inflow until
// cutoff; the downstream end is a dyke (level basin) or drains freely at normal depth.
// Time steps follow the explicit stability bound of the flux's sensitivity to the areas.

#include <vector>

namespace reference {

// Volume per metre of field after tau minutes: k tau^a + f0 tau (m3/m). For a strip of unit
// width that is a depth; for a furrow the depth over its spacing times the spacing.
struct Intake {
    double a = 0.5, k = 0.0, f0 = 0.0;
    double volume(double tauMinutes) const;
};

// Strip: sheet flow of unit width (area = depth, hydraulic radius = depth). Trapezoid:
// a furrow of bed width b and side slope z (horizontal per vertical); b = 0 is a triangle.
struct Channel {
    bool strip = true;
    double bedWidth = 0.0, sideSlope = 0.0;
};

struct Field {
    double length = 100;     // m
    double slope = 0;        // bed slope, downhill from the inlet
    double manningN = 0.04;  // SI
    Channel channel;
    Intake intake;
    double inflow = 0;     // m3/min into the strip (per metre of width) or the furrow
    double cutoff = 0;     // min
    bool closedEnd = true;  // a dyke at the end; otherwise free drainage at normal depth
};

struct Grid {
    int cells = 200;
    // Share of the explicit stability bound taken per step: forward Euler keeps the areas
    // monotone up to the bound itself, and at 0.45 no result moves by more than 0.1 %.
    double stability = 0.9;
    double intakeStep = 1.0;     // s between infiltration updates
    double flatSlope = 1.0e-5;   // below this surface slope the flux is taken linear in it
    double maxMinutes = 5000;
    bool stopAtTheEnd = false;  // stop once the front reaches the end, to time the advance only
};

struct Result {
    std::vector<double> x;            // cell centres, m
    std::vector<double> advance;      // min at which the front reached each cell; < 0: never
    std::vector<double> recession;    // min at which each cell last held the front's depth
    std::vector<double> infiltrated;  // m3/m
    double applied = 0, infiltratedVolume = 0, runoff = 0, surface = 0;  // m3
    // The last cell got the front depth. Both end conditions (a dyke, or drainage at normal
    // depth) hold the depth level across the last cell, so its depth stands for the end's; a
    // front that stalls within it counts as arrived, at a time extrapolated from the cells.
    bool reachedEnd = false;
    double endTime = 0;  // min

    // Advance time at x by linear interpolation between cell centres (extrapolated at the
    // ends); negative when the front never got there.
    double advanceAt(double x) const;
    double infiltratedAt(double x) const;
    // The least infiltrated volume per metre: of the cells, and at either end as extrapolated
    // from the two cells next to it (near a barely wetted end the depth falls steeply).
    double leastInfiltrated() const;
    double frontReach() const;  // centre of the furthest cell the front got to
    double recessionAt(double x) const;
};

Result simulate(const Field &field, const Grid &grid = Grid());

}  // namespace reference

#endif
