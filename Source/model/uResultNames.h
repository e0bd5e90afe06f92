#ifndef IRRIKA_MODEL_URESULTNAMES_H
#define IRRIKA_MODEL_URESULTNAMES_H

// The results of a calculation by module and mode: what the results box lists, in its
// order, and what a loaded run marks as results. Entries marked cutback-only belong to the
// border's and furrow's cutback operation alone.

#include "uIrrigationTypes.h"

#include <string>
#include <vector>

struct TResultEntry {
    const char *Name;
    bool CutbackOnly;
};

// The results of a mode, for the module and whether the cutback operation is chosen.
std::vector<std::string> ResultNames(TIrrigationModule module, TCalculationMode mode, bool cutback);

#endif
