#ifndef IRRIKA_MODEL_UKOSTIAKOVUNITS_H
#define IRRIKA_MODEL_UKOSTIAKOVUNITS_H

// The units of the Kostiakov coefficient k, the one input that holds its value in its own
// unit's terms: the unit menus re-express k when the depth or time unit changes, the basin
// window converts it into the infiltration object, and the border and furrow bindings
// convert it for their engines. One table serves them all.

#include "uUnitKind.h"

struct TKostiakovUnit {
    TUnitKind Kind;
    double DepthFactor;  // to mm (or mm over a metre of furrow)
    bool PerHour;        // per hr^A: (1/60)^A makes it per min^A
    // The bindings take k back from the engine as k x 1000 / factor rather than
    // k / factor x 1000; the two round differently.
    bool MultiplyBack;
    bool FurrowOnly;     // a volume per length of furrow: only the furrow binding converts it
};

// The row of a k unit; nullptr for a kind that is no k unit.
const TKostiakovUnit *FindKostiakovUnit(TUnitKind kind);

// The factor that turns a Kostiakov k in this unit into mm per min^A; false for a kind that
// is no k unit.
bool KostiakovFactor(TUnitKind kind, double A, double &factor);

#endif
