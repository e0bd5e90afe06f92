#ifndef IRRIKA_SCREENS_URESULTLISTS_H
#define IRRIKA_SCREENS_URESULTLISTS_H

// What a successful calculation lists: the result names of the model (uResultNames.h) and
// the box caption by module and mode.

#include "uIrrigationTypes.h"
#include "uResultNames.h"

#include <string>

// The results box caption: the basin's by mode (empty for a mode it has none for); the
// border's and furrow's name the checked operation (0 when none is) and the mode.
std::string ResultCaption(TIrrigationModule module, TCalculationMode mode, TOperationKind operation);

#endif
