#ifndef IRRIKA_MODEL_UKOSTIAKOVUNITS_H
#define IRRIKA_MODEL_UKOSTIAKOVUNITS_H

// The units of the Kostiakov coefficient k, the one input that holds its value in its own
// unit's terms: the unit menus pick k's unit by the depth and time units and re-express k
// when they change, the basin window converts it into the infiltration object, and the
// border and furrow bindings convert it for their engines. One table serves them all.

#include "uUnitKind.h"

struct TKostiakovUnit {
    TUnitKind Kind;
    TUnitKind Depth;     // the depth (or amount) unit that asks for it
    TUnitKind Time;      // minutes: per min^A; hours: per hr^A
    double DepthFactor;  // to mm (or mm over a metre of furrow)
    // The bindings take k back from the engine as k x 1000 / factor rather than
    // k / factor x 1000; the two round differently.
    bool MultiplyBack;
    bool FurrowOnly;     // a volume per length of furrow: only the furrow uses it
};

// The row of a k unit; nullptr for a kind that is no k unit.
const TKostiakovUnit *FindKostiakovUnit(TUnitKind kind);
// The row of the k unit that a depth (or amount) unit and the minutes or hours ask for;
// nullptr when there is none.
const TKostiakovUnit *FindKostiakovUnit(TUnitKind depth, TUnitKind time);
// The kind of that k unit; a kind that is no depth counts as millimetres, a time other
// than hours as minutes.
TUnitKind KostiakovKind(TUnitKind depth, TUnitKind time);

// The factor that turns a Kostiakov k in this unit into mm per min^A; false for a kind that
// is no k unit.
bool KostiakovFactor(TUnitKind kind, double A, double &factor);

// k with its limits, all in one k unit.
struct TKostiakovK {
    double Value;
    double Lower;
    double Upper;
};

// Re-expresses k and its limits from the k unit of kind from in the k unit of kind to, for
// the exponent A, through mm per min^A. False, with k as it was, when either kind is no k
// unit.
bool ReexpressKostiakovK(TKostiakovK &k, TUnitKind from, TUnitKind to, double A);

#endif
