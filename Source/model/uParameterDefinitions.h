#ifndef IRRIKA_MODEL_UPARAMETERDEFINITIONS_H
#define IRRIKA_MODEL_UPARAMETERDEFINITIONS_H

// The catalogue of what every run of a module carries: its input parameters with their
// settings-file keys, built-in initial values and limits, its results and its result curves.
// The settings reader builds a run's parameter set from these rows in row order; that order
// is what the pairwise copy between runs and the run files rely on.

#include "uIrrigationTypes.h"
#include "uUnitKind.h"

#include <cstddef>
#include <vector>

// One input parameter: an option (no limits) or a bounded input or decision variable.
struct TInputDefinition {
    const char *Key;          // InitialSettings key; the Boundaries keys append "_L" and "_U"
    const char *Name;         // the lookup name; differs from the key only for "SCS #"
    TUnitKind UnitKind;       // the parameter gets the first unit of this kind
    TParameterCategory Category;  // 0 option or input, 2 decision variable
    const char *Description;  // nullptr: none is set and the name serves as caption
    double Default;           // a displayed value in the unit of the kind
    bool Bounded;             // options are created without limits
    double Lower;             // limits in stored units
    double Upper;
};

// One result parameter; created with the value 0, category 1, no limits.
struct TResultDefinition {
    const char *Name;
    TUnitKind UnitKind;
    const char *Description;
    bool Basin;  // the basin module carries only the results marked here
};

// One result curve: 31 points along the field, index label "Distance".
struct TCurveDefinition {
    const char *Name;
    const char *Description;
    TUnitKind UnitKind;
    const char *ValueLabel;
    bool Basin;  // the basin module has no recession curve
};

template <typename Row>
struct TDefinitionRows {
    const Row *First = nullptr;
    std::size_t Count = 0;
    const Row *begin() const { return First; }
    const Row *end() const { return First + Count; }
    std::size_t size() const { return Count; }
};

// The rows of a module in reading order; empty for a module other than 0, 1 and 2.
TDefinitionRows<TInputDefinition> InputDefinitions(TIrrigationModule module);
std::vector<const TResultDefinition *> ResultDefinitions(TIrrigationModule module);
std::vector<const TCurveDefinition *> CurveDefinitions(TIrrigationModule module);

#endif
