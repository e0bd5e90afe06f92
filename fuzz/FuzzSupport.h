#ifndef IRRIKA_FUZZ_FUZZSUPPORT_H
#define IRRIKA_FUZZ_FUZZSUPPORT_H

// What the file-reader harnesses share. Each harness is built once per module
// (IRRIKA_FUZZ_MODULE 0 basin, 1 border, 2 furrow) and works in a folder of its own that
// stands for the executable's folder, with the shipped settings files copied into it.
// A broken consistency rule ends the process through abort(), so libFuzzer keeps the input.

#include "RunFileFixture.h"
#include "TempFolder.h"

#include <string>

#ifndef IRRIKA_FUZZ_MODULE
#error "IRRIKA_FUZZ_MODULE must name the module the harness is built for"
#endif

namespace fuzz {

inline const ModuleCase &Module() { return Modules()[IRRIKA_FUZZ_MODULE]; }

// The harness's folder with a trailing '/', prepared at the first call: settings files
// copied in, dialogs recorded instead of shown.
const std::string &Workspace();
// Forgets the boxes shown so far (the recorder would otherwise grow without end).
void ClearMessages();

[[noreturn]] void Fail(const std::string &what);
inline void Check(bool condition, const char *what)
{
    if (!condition)
        Fail(what);
}

// What a load, a save or an append returned; Raised when it passed an error on (only the
// basin's reading errors may; a save that raises is a finding like any other Raised).
constexpr int Raised = -2;
int Load(TIrrigationDataSet &dataSet, const std::string &fileName);
int Save(TIrrigationDataSet &dataSet, const std::string &fileName);
int Append(TIrrigationDataSet &dataSet, const std::string &fileName);

// Two runs agree in mode, infiltration type, every parameter's value (to 13 significant
// digits), unit kind and, when asked, role, and every curve point; numbers when asked.
void CheckSameRun(TIrrigationRun *a, TIrrigationRun *b, bool numbers, bool roles);
// Two data sets hold runs that agree pairwise in list order, numbers and roles included.
void CheckSameRuns(TIrrigationDataSet &a, TIrrigationDataSet &b);
// What a run file stores of a run agrees: mode, infiltration type, the values and unit
// kinds of the columns and options, the curve points.
void CheckSameStored(TIrrigationRun *a, TIrrigationRun *b);

// Every parameter holds a value that stays a number once shown; every curve point too.
bool ValuesSound(TIrrigationDataSet &dataSet);

}  // namespace fuzz

#endif
