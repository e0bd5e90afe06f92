#include "FuzzSupport.h"

#include "Errors.h"
#include "ExecutableFolder.h"
#include "RecordingDialogs.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace fuzz {
namespace {

RecordingDialogs *recorder = nullptr;

void RemoveWorkspace()
{
    std::error_code ignored;
    std::filesystem::remove_all(Workspace(), ignored);
}

bool Near(double a, double b)
{
    return a == b || std::fabs(a - b) <= 1e-13 * std::fmax(std::fabs(a), std::fabs(b)) + 1e-300;
}

void CheckSameValue(const TParameter *a, const TParameter *b, bool roles)
{
    Check(a->Name() == b->Name(), "parameter lists differ");
    Check(a->HasValue() == b->HasValue() && Near(a->GetValue(), b->GetValue()), "a value changed");
    Check((a->GetUnit() == nullptr) == (b->GetUnit() == nullptr), "a unit got lost");
    Check(!a->GetUnit() || a->GetUnit()->Kind() == b->GetUnit()->Kind(), "a unit changed");
    Check(!roles || (a->Category() == b->Category() && a->Active() == b->Active()), "a role changed");
}

void CheckSameCurves(TIrrigationRun *a, TIrrigationRun *b)
{
    const auto curvesA = CurvesOf(a);
    const auto curvesB = CurvesOf(b);
    Check(curvesA.size() == curvesB.size(), "curve lists differ");
    for (std::size_t c = 0; c < curvesA.size(); ++c) {
        Check(curvesA[c]->GetUnit()->Kind() == curvesB[c]->GetUnit()->Kind(), "a curve's unit changed");
        for (int row = 0; row <= 30; ++row)
            Check(Near(curvesA[c]->GetDisplayValue(row, 0), curvesB[c]->GetDisplayValue(row, 0)), "a curve point changed");
    }
}

void CheckSameSetUp(TIrrigationRun *a, TIrrigationRun *b)
{
    Check(a->GetMode() == b->GetMode(), "the mode changed");
    Check(a->InfiltrationType() == b->InfiltrationType(), "the infiltration type changed");
}

}  // namespace

const std::string &Workspace()
{
    static const std::string folder = [] {
        const char *base = std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
        std::string pattern = std::string(base) + "/irrika-fuzz-XXXXXX";
        if (!::mkdtemp(pattern.data()))
            Fail("no workspace folder");
        for (const char *name : {"Pondix.INI", "Striva.INI", "Rillox.INI"})
            std::filesystem::copy_file(std::string(IRRIKA_DATA_DIR) + "/" + name, pattern + "/" + name);
        SetExecutableFolder(pattern);
        recorder = new RecordingDialogs();  // lives as long as the process
        return pattern + "/";
    }();
    static const bool removedAtExit = std::atexit(RemoveWorkspace) == 0;
    (void)removedAtExit;
    return folder;
}

void ClearMessages()
{
    Workspace();
    recorder->Clear();
}

void Fail(const std::string &what)
{
    std::fprintf(stderr, "consistency failure: %s\n", what.c_str());
    std::abort();
}

namespace {

// One operation of the module's formatter on the file; Raised when it passed an error on.
int Call(int (TFileFormatter::*operation)(TIrrigationDataSet *), TIrrigationDataSet &dataSet,
         const std::string &fileName)
{
    auto formatter = Module().makeFormatter();
    formatter->FileName = fileName;
    try {
        return (formatter.get()->*operation)(&dataSet);
    } catch (const Exception &) {
        return Raised;
    }
}

}  // namespace

int Load(TIrrigationDataSet &dataSet, const std::string &fileName)
{
    return Call(&TFileFormatter::LoadFromFile, dataSet, fileName);
}

int Save(TIrrigationDataSet &dataSet, const std::string &fileName)
{
    return Call(&TFileFormatter::SaveToFile, dataSet, fileName);
}

int Append(TIrrigationDataSet &dataSet, const std::string &fileName)
{
    return Call(&TFileFormatter::AppendRun, dataSet, fileName);
}

void CheckSameRun(TIrrigationRun *a, TIrrigationRun *b, bool numbers, bool roles)
{
    Check(!numbers || a->Number() == b->Number(), "a run number changed");
    Check(a->Calculated() == b->Calculated() && a->Saved() == b->Saved(), "the run's flags changed");
    CheckSameSetUp(a, b);
    const auto parametersA = ParametersOf(a);
    const auto parametersB = ParametersOf(b);
    Check(parametersA.size() == parametersB.size(), "parameter lists differ");
    for (std::size_t i = 0; i < parametersA.size(); ++i)
        CheckSameValue(parametersA[i], parametersB[i], roles);
    CheckSameCurves(a, b);
}

void CheckSameRuns(TIrrigationDataSet &a, TIrrigationDataSet &b)
{
    const auto runsA = RunsIn(a);
    const auto runsB = RunsIn(b);
    Check(runsA.size() == runsB.size(), "the run count changed");
    for (std::size_t i = 0; i < runsA.size(); ++i)
        CheckSameRun(runsA[i], runsB[i], true, true);
}

void CheckSameStored(TIrrigationRun *a, TIrrigationRun *b)
{
    CheckSameSetUp(a, b);
    std::vector<const char *> stored = Module().layout.Columns;
    stored.insert(stored.end(), Module().layout.Options.begin(), Module().layout.Options.end());
    for (const char *name : stored)
        CheckSameValue(a->GetParameters()->FindParameter(name), b->GetParameters()->FindParameter(name), false);
    CheckSameCurves(a, b);
}

bool ValuesSound(TIrrigationDataSet &dataSet)
{
    for (TIrrigationRun *run : RunsIn(dataSet)) {
        for (TParameter *p : ParametersOf(run)) {
            if (!p->HasValue() || !p->GetUnit() || !std::isfinite(p->GetValue()) ||
                !std::isfinite(p->GetDisplayValue()))
                return false;
        }
        for (TParameterArray *curve : CurvesOf(run))
            for (int row = 0; row <= 30; ++row)
                if (!std::isfinite(curve->GetDisplayValue(row, 0)))
                    return false;
    }
    return true;
}

}  // namespace fuzz
