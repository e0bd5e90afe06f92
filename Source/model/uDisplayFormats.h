#ifndef IRRIKA_MODEL_UDISPLAYFORMATS_H
#define IRRIKA_MODEL_UDISPLAYFORMATS_H

// The fixed rules that decide how many decimals a parameter shows: by its name (exact
// letter case), the kind of the unit it is shown in and the open module; and the suffix
// written after the number, by the unit's name (exact letter case).

#include "uIrrigationTypes.h"
#include "uUnitKind.h"

#include <string>

// Number pattern of an input value; "####0" when no rule holds.
const char *InputPattern(const std::string &name, TUnitKind kind, TIrrigationModule module);
// Number pattern of a result: by unit kind first, then by name; "####0" when no rule holds.
const char *ResultPattern(const std::string &name, TUnitKind kind, TIrrigationModule module);
// The suffix, beginning with a blank; " -" for any name not in the table.
const char *UnitSuffix(const std::string &unitName);

#endif
