#include "FakeEngine.h"

#include "EngineLibraries.h"

namespace {
// The entry point is a plain function, so it finds its engine here.
FakeEngine *current = nullptr;
}  // namespace

FakeEngine::FakeEngine(int module) : module_(module), previous_(SetEngineEntryPoint(module, &FakeEngine::Entry))
{
    current = this;
}

FakeEngine::~FakeEngine()
{
    SetEngineEntryPoint(module_, previous_);
    current = nullptr;
}

void FakeEngine::Entry(TIrrikaInfoRecord *record)
{
    current->calls_++;
    current->received_ = *record;
    if (current->Respond)
        current->Respond(*record);
}
