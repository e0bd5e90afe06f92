#ifndef IRRIKA_UI_URESULTLISTS_H
#define IRRIKA_UI_URESULTLISTS_H

// What a successful calculation lists, by module and mode: the result names in order and,
// for the basin, the box caption. Entries marked cutback-only are listed only when the
// cutback operation is checked.

#include "uIrrigationTypes.h"

#include <string>
#include <vector>

struct TResultEntry {
    const char *Name;
    bool CutbackOnly;
};

// The results of a mode, for the module and the checked operation.
std::vector<std::string> ResultNames(TIrrigationModule module, TCalculationMode mode, bool cutback);
// The basin's box caption of a mode; empty for a mode it has none for.
std::string BasinResultCaption(TCalculationMode mode);

#endif
