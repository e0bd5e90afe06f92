#ifndef IRRIKA_LEVEL_BASIN_H
#define IRRIKA_LEVEL_BASIN_H

// Advance over a level basin, per metre of width, under zero inertia with Manning friction.
//
// Surface profile. On a level bed the water surface slope is the friction slope, so for a
// flow q(x) towards the front y^(13/3)(x) = (13/3) n^2 * integral from x to the front of q^2
// (SI units); the profile follows from the flow along it. The flow is what passes x on its
// way downstream: the intake beyond x plus the growth of the surface storage beyond x. The
// storage growth is distributed as in the similarity solution without infiltration (after
// Strelkoff and Katopodes 1977; front x ~ q^(7/16) t^(13/16) n^(-3/8)): a share of the
// storage change in proportion to the volume beyond x, and the stretching of the profile with
// the front. Without infiltration this reproduces the similarity solution exactly; with it the
// flow, and so the depth, falls along the basin as the intake takes its share.
//
// After cutoff the surface flattens and the front slows down. Without infiltration the front
// then follows one dimensionless curve x / x_co = F(t / t_co), which this unit tabulates from a
// fine-grid zero-inertia computation. The front speed follows the law u = C V^(7/6) x^(-5/3) / n
// of such flows (V the surface volume), anchored at the speed at cutoff and carried on in time
// by F; the volume is the balance of the water applied and the intake along the trajectory.
// The front stops where the surface water is gone.

#include "Advance.h"

namespace hydraulics {

struct LevelBasinSimilarity {
    double shapeFactor;  // I, surface volume / (inlet depth x advance distance)
    double c;            // n^2 K^3 / Y^(7/3) of the similarity variables
};

const LevelBasinSimilarity &levelBasinSimilarity();

struct LevelBasinField {
    double inflow = 0;  // m2/min per metre of width
    double length = 0;  // m
    double manningN = 0;
    KostiakovLewis z;   // depth in metres
};

// The advance with the inflow running until the front reaches the end; status DoesNotReach
// when the intake takes the whole inflow before that.
Trajectory levelBasinAdvance(const LevelBasinField &f, AdvanceStatus &status);

// The advance when the inflow stops at cutoff; the advance with the inflow running is given.
// reachesEnd tells whether the front gets to the end on the surface water.
Trajectory levelBasinAdvanceAfterCutoff(const LevelBasinField &f, const Trajectory &running,
                                        double cutoff);

// Surface profile without infiltration, for the similarity law: the inlet depth (m) at front
// position x for unit inflow q (m2/min).
double levelBasinInletDepth(double unitInflowPerMinute, double manningN, double x);

}  // namespace hydraulics

#endif
