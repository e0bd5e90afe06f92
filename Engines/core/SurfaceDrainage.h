#ifndef IRRIKA_SURFACE_DRAINAGE_H
#define IRRIKA_SURFACE_DRAINAGE_H

// The water on a sloping field from a cutoff after the front has reached the end, drained by
// the zero-inertia steps of ZeroInertiaSolve.h on a few cells. The depth gradient drives the
// flow as much as the bed does: on a near-level field it is what empties the field, through
// the free end and into the ground, and it sets when each point recedes. The conveyance is
// the kinematic rating's, K(A) = alpha A^m / sqrt(S0); the depth follows the power law
// A ~ y^sigma2. The ground at each cell takes in water from the time the front passed the
// cell's centre.

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
};

// From time start, the cutoff, when the cells hold area, until the surface is dry; the free
// end drains at normal depth. The ground takes in z (m3 per metre of field) from the time the
// advance passed each cell's centre.
DrainedSurface drainSurface(const SurfaceCells &cells, const KostiakovLewis &z,
                            const Trajectory &advance, double length, double start,
                            std::vector<double> area);

}  // namespace hydraulics

#endif
