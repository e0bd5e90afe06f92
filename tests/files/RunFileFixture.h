#ifndef IRRIKA_TESTS_FILES_RUNFILEFIXTURE_H
#define IRRIKA_TESTS_FILES_RUNFILEFIXTURE_H

// Data sets of the three modules read from the shipped settings files, runs filled with
// values that tell every parameter apart, and a snapshot of a data set to prove that an
// operation left it exactly as it was. Plain C++, so that the fuzz harnesses share it.

#include "uIrrigationDataSet.h"
#include "uPondixFile.h"
#include "uRilloxFile.h"
#include "uStrivaFile.h"

#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

struct ModuleCase {
    const char *name;
    TIrrigationModule module;
    const TRunFileLayout &layout;
    std::function<std::unique_ptr<TRunFile>()> makeFormatter;
    std::size_t curves;
};

inline const std::vector<ModuleCase> &Modules()
{
    static const std::vector<ModuleCase> modules = {
        {"basin", imBasin, PondixLayout(), [] { return std::make_unique<TPondixFile>(); }, 2},
        {"border", imBorder, StrivaLayout(), [] { return std::make_unique<TStrivaFile>(); }, 3},
        {"furrow", imFurrow, RilloxLayout(), [] { return std::make_unique<TRilloxFile>(); }, 3},
    };
    return modules;
}

inline std::vector<TParameter *> ParametersOf(TIrrigationRun *run)
{
    std::vector<TParameter *> parameters;
    std::unique_ptr<TIterator> it(run->GetParameters()->CreateParameterIterator());
    while (!it->IsDone())
        parameters.push_back(static_cast<TParameter *>(it->Next()));
    return parameters;
}

inline std::vector<TParameterArray *> CurvesOf(TIrrigationRun *run)
{
    std::vector<TParameterArray *> arrays;
    std::unique_ptr<TIterator> it(run->GetParameters()->CreateArrayIterator());
    while (!it->IsDone())
        arrays.push_back(static_cast<TParameterArray *>(it->Next()));
    return arrays;
}

inline std::vector<TIrrigationRun *> RunsIn(TIrrigationDataSet &dataSet)
{
    std::vector<TIrrigationRun *> runs;
    auto it = dataSet.CreateRunIterator();
    while (!it->IsDone())
        runs.push_back(static_cast<TIrrigationRun *>(it->Next()));
    return runs;
}

// Options get valid settings (operation cutback, geometry 1, cross-section 3); every other
// parameter and curve point a value of its own, so a shifted column shows.
inline void FillRun(TIrrigationRun *run, TCalculationMode mode, TInfiltrationType type, double seed)
{
    int i = 0;
    for (TParameter *p : ParametersOf(run)) {
        const std::string &name = p->Name();
        p->SetValue(name == "Operation" ? 2 : name == "Geometry" ? 1 : name == "CrossSection" ? 3 : seed + 1.25 * ++i);
    }
    run->SetMode(mode);
    run->SetInfiltrationType(type);
    int c = 0;
    for (TParameterArray *curve : CurvesOf(run)) {
        ++c;
        for (int row = 0; row <= 30; ++row)
            curve->SetValue(row, 0, seed * 10 + c * 100 + row * 0.5);
    }
}

// A data set of runs 1..runs, each filled by FillRun with its own mode, infiltration type
// and values; the current run is the last.
inline std::unique_ptr<TIrrigationDataSet> FilledDataSet(TIrrigationModule module, int runs, const std::string &fileName)
{
    auto dataSet = std::make_unique<TIrrigationDataSet>(module);
    for (int i = 1; i <= runs; ++i) {
        dataSet->NewRun();
        FillRun(dataSet->GetRunByNumber(i), 1 + i % 4, i % 3 == 0 ? 2 : 0, 10.0 * i);
    }
    dataSet->SetFileName(fileName);
    dataSet->SetCurrentRun(runs);
    return dataSet;
}

// Unit switches as the unit menus make them, one list per choice of units: (from, to)
// kinds; a kind the module's unit table lacks is skipped by ChangeUnit.
using UnitChoice = std::vector<std::pair<TUnitKind, TUnitKind>>;
inline const std::vector<UnitChoice> &UnitChoices()
{
    static const std::vector<UnitChoice> choices = {
        {},
        {{ukLS_1, ukGALMIN_1}, {ukMeters, ukFeet}, {ukMM, ukINCH}, {ukMinutes, ukHours}, {ukMM_1, ukFTFT_1},
         {ukMM_MIN, ukIN_HR}, {ukMM_MIN_A, ukIN_HR_A}, {ukM_MIN, ukFT_HR}, {ukM_2_Sig2, ukFT_2_Sig2},
         {ukM_1_Tau2, ukFT_1_Tau2}},
        {{ukLS_1, ukM3MIN_1}, {ukMM, ukCM}, {ukMM_MIN, ukCM_HR}, {ukMM_MIN_A, ukCM_MIN_A}, {ukM_MIN, ukM_HR}},
        {{ukLS_1, ukFT3S_1}, {ukMM, ukFT3FT_1}, {ukMM_MIN, ukFT3FT_1_MIN}, {ukMM_MIN_A, ukFT3FT_1_HR_A},
         {ukMinutes, ukHours}},
    };
    return choices;
}

inline void ChooseUnits(TIrrigationDataSet &dataSet, const UnitChoice &choice)
{
    for (TIrrigationRun *run : RunsIn(dataSet))
        for (const auto &[from, to] : choice)
            run->ChangeUnit(from, to);
}

inline double Value(TIrrigationRun *run, const char *name) { return run->GetParameters()->FindParameter(name)->GetValue(); }
inline double Shown(TIrrigationRun *run, const char *name) { return run->GetParameters()->FindParameter(name)->GetDisplayValue(); }
inline TUnitKind KindOf(TIrrigationRun *run, const char *name) { return run->GetParameters()->FindParameter(name)->GetUnit()->Kind(); }

// Everything a load may change: which run objects the data set holds and all they carry.
inline std::string Snapshot(TIrrigationDataSet &dataSet)
{
    std::ostringstream text;
    text.precision(17);
    text << dataSet.FileName() << '|' << int(dataSet.FileKind()) << '|' << dataSet.CurrentRun() << '\n';
    for (TIrrigationRun *run : RunsIn(dataSet)) {
        text << run << ' ' << run->Number() << ' ' << run->Calculated() << run->Saved() << ' '
             << int(run->InfiltrationType()) << ':';
        for (TParameter *p : ParametersOf(run))
            text << ' ' << p->GetValue() << '/' << p->GetUnit() << '/' << int(p->Category()) << p->Active();
        for (TParameterArray *curve : CurvesOf(run)) {
            text << " [" << curve->GetUnit();
            for (int row = 0; row <= 30; ++row)
                text << ' ' << curve->GetDisplayValue(row, 0);
            text << ']';
        }
        text << '\n';
    }
    return text.str();
}

#endif
