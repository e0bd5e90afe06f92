#ifndef IRRIKA_SCREENS_URESULTLISTS_H
#define IRRIKA_SCREENS_URESULTLISTS_H

// What a successful calculation lists, by module and mode: the result names in order and
// the box caption. Entries marked cutback-only are listed only when the
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
// The results box caption: the basin's by mode (empty for a mode it has none for); the
// border's and furrow's name the checked operation (0 when none is) and the mode.
std::string ResultCaption(TIrrigationModule module, TCalculationMode mode, TOperationKind operation);

#endif
