#include "uIrrigationTypes.h"

namespace {
// The one process-wide value the display rules read; a single GUI thread sets and reads it.
TIrrigationModule gCurrentModule = imBasin;
}  // namespace

TIrrigationModule CurrentModule()
{
    return gCurrentModule;
}

void SetCurrentModule(TIrrigationModule module)
{
    gCurrentModule = module;
}
