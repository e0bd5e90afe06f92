#ifndef IRRIKA_SLOPING_DESIGN_H
#define IRRIKA_SLOPING_DESIGN_H

// The four calculation modes of a sloping field and the results it writes into the record.
// Border and furrow differ in how they build a field from (inflow, length) and in the codes
// they give each failure; both are passed in.

#include "IrrikaInfoRecord.h"
#include "SlopingField.h"

#include <functional>
#include <memory>

namespace hydraulics {

// One field ready to run, with what it owns and the depth terms the results are given in.
struct SlopingCase {
    SlopingField field;
    std::shared_ptr<const Section> section;
    KostiakovLewis depthCoefficients;  // per unit of field width, as returned in the record
    double requiredDepth = 0;          // m
    double tauReq = 0;                 // min
};

enum class Failure {
    None,
    AdvanceStalls,       // the front does not reach the end
    TooSlowAtLimit,      // design: even the limit of the search advances too slowly
    TooFastAtLimit,      // design: even the limit of the search advances too fast
    NoConvergence,       // the advance exponent does not settle
    OpportunityTime,     // Z_req unreachable, or only with a cutoff beyond its limit
    CutoffBeforeAdvance,
    BadInput,
};

struct Outcome {
    Failure failure = Failure::None;
    bool cutbackShort = false;        // the cutback flow supplies less than the field takes in
    bool cutbackNeverCovers = false;  // it is below the field's intake rate even at cutoff
    SlopingCase c;
    SlopingRun run;
};

using CaseMaker = std::function<std::optional<SlopingCase>(double flow, double length)>;

// Design criterion of modes 1 and 2 with a fixed flow (with or without tailwater reuse): the
// front reaches the end with the inflow running in a quarter of the opportunity time the
// required depth needs (the quarter-time rule). The cutoff of mode 3 then gives the least
// watered point, the far end, about that opportunity time and the inlet about 1.25 times it.
const double kFixedFlowAdvanceRatio = 0.25;

struct SlopingRequest {
    int mode = 4;
    double flow = 0, length = 0, cutoff = 0;  // m3/min, m, min
    double advanceRatio = 0;                  // design criterion of modes 1 and 2: t_L / tau_req
    double flowMin = 0, flowMax = 0;          // mode 1 search, m3/min
    double lengthMin = 0, lengthMax = 0;      // mode 2 search, m
    double cutoffMax = 0;                     // min
};

// Mode, decision variables and the advance ratio of the design (the record's with cutback
// flow, kFixedFlowAdvanceRatio otherwise); limits left 0.
SlopingRequest slopingRequest(const TIrrikaInfoRecord &r);

Outcome solveSloping(const SlopingRequest &request, const CaseMaker &make);

// Results, profiles (rows 0..25 at x = i L / 25) and the used Kostiakov coefficients. The
// advance ratio is returned only when returnAdvanceRatio is set.
void writeSlopingResults(TIrrikaInfoRecord &r, const Outcome &o, double recoveryRatio,
                         bool returnAdvanceRatio);

}  // namespace hydraulics

#endif
