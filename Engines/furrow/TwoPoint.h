#ifndef IRRIKA_TWO_POINT_H
#define IRRIKA_TWO_POINT_H

// Kostiakov-Lewis coefficients per metre of furrow from one trial run by the two-point
// method (Elliott and Walker 1982): f0 from the inflow and the stable runoff, r from the
// advance times to L/2 and L, a and k from the volume balances at both times.

#include "Section.h"
#include "Infiltration.h"
#include "IrrikaInfoRecord.h"

namespace hydraulics {

struct TrialRun {
    double inflow, runoff;          // m3/min
    double timeHalf, timeEnd;       // min
    double length, slope, manningN;
};

// 0 and the coefficients, or the furrow error code of the contradiction found.
struct TwoPointResult {
    int error = 0;
    KostiakovLewis perMetre;
};

TwoPointResult twoPointMethod(const TrialRun &trial, const Section &section);

}  // namespace hydraulics

#endif
