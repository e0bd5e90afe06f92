#include "TwoPoint.h"

#include "SlopingField.h"

#include <cmath>

namespace hydraulics {

namespace {
const double kSigmaY = 0.77;  // surface shape factor of the method (Walker and Skogerboe 1987)
}

TwoPointResult twoPointMethod(const TrialRun &t, const Section &section)
{
    TwoPointResult out;
    if (!(t.inflow > t.runoff)) { out.error = 14; return out; }
    if (!(t.timeEnd > t.timeHalf)) { out.error = 15; return out; }
    auto y = normalDepth(section, t.inflow, t.manningN, t.slope);
    if (!y || !(t.length > 0) || !(t.timeHalf > 0)) { out.error = 19; return out; }
    const double storage = kSigmaY * section.area(*y);
    const double f0 = (t.inflow - t.runoff) / t.length;
    const double r = std::log(2.0) / std::log(t.timeEnd / t.timeHalf);
    // Infiltrated volume per metre of the wetted length at each time, less the f0 part.
    const double vEnd = t.inflow * t.timeEnd / t.length - storage - f0 * t.timeEnd / (1 + r);
    const double vHalf =
        t.inflow * t.timeHalf / (0.5 * t.length) - storage - f0 * t.timeHalf / (1 + r);
    if (vHalf <= 0 && vEnd <= 0) { out.error = 18; return out; }
    if (vHalf <= 0) { out.error = 16; return out; }
    if (vEnd <= 0) { out.error = 17; return out; }
    const double a = std::log(vEnd / vHalf) / std::log(t.timeEnd / t.timeHalf);
    const double sigmaZ = (a + r * (1 - a) + 1) / ((1 + a) * (1 + r));
    out.perMetre = {a, vEnd / (sigmaZ * std::pow(t.timeEnd, a)), f0};
    if (!out.perMetre.valid()) out.error = 19;
    return out;
}

}  // namespace hydraulics
