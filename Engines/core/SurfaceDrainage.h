#ifndef IRRIKA_SURFACE_DRAINAGE_H
#define IRRIKA_SURFACE_DRAINAGE_H

// The water on a sloping field from the moment the inflow stops, drained by a zero-inertia
// finite-volume solve on a few cells. The
// depth gradient drives the flow as much as the bed does: on a near-level field it is what
// empties the field, through the free end and into the ground, and it sets when each point
// recedes. The conveyance is the kinematic rating's, K(A) = alpha A^m / sqrt(S0); the depth
// follows the power law A ~ y^sigma2. The ground at each cell starts to take in water when
// the front stands at the cell's centre; before the front reaches the end, the draining water
// carries it on over the cells ahead.

#include "Section.h"
#include "Trajectory.h"

#include <functional>
#include <vector>

namespace hydraulics {

struct SurfaceCells {
    FieldFlow flow;
    int count = 20;  // cells of equal length
};

// Areas (m2) of the zero-inertia profile of a flow Q(x) behind a front at x_front, one per
// cell: upstream from the front the depth rises as dy/ds = S0 ((y_n / y)^p - 1),
// p = 2 m sigma2, towards the normal depth y_n of the local flow. On a steep field that is
// the normal depth a short way behind the front; on a near-level one the surface stays well
// below it, as the water spreads like a pond.
std::vector<double> profileAreas(const SurfaceCells &cells, double length, double front,
                                 const std::function<double(double)> &flowAt);

struct DrainedSurface {
    std::vector<double> x, recession;  // cell centres, and when each last held water (min)
    std::vector<double> wetted;  // when the front stood at each centre (min); kNever: never
};

// From time start, the cutoff, when the cells hold area, until the surface is dry; the free
// end drains at normal depth. The ground takes in z (m3 per metre of field) from the time the
// front stood at each cell's centre: the advance's time where the front had passed it by
// start; beyond, when the draining water has got there, but never before the advance says
// (nowhere the advance does not reach).
DrainedSurface drainSurface(const SurfaceCells &cells, const KostiakovLewis &z,
                            const Trajectory &advance, double length, double start,
                            std::vector<double> area);

}  // namespace hydraulics

#endif
