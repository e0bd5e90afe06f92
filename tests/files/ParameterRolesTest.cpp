// A loaded run gets back the roles of its set-up: exactly the parameters that its
// infiltration, mode and options name become active inputs or results; all others keep
// the flags they had.

#include "RecordingDialogs.h"
#include "RunFileFixture.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using Names = std::set<std::string>;

Names Plus(Names a, const Names &b)
{
    a.insert(b.begin(), b.end());
    return a;
}

const Names kR13 = {"Applic. efficiency", "Runoff Ratio", "Deep perc. ratio", "Distribution unif.",
                    "Uniformity coeff.", "Advancetime", "Depletiontime", "Recessiontime",
                    "Opportunitytime", "Max. inf. depth", "Min. inf. depth", "Average depth",
                    "Surface runoff"};
const Names kR4 = {"Storage efficiency", "Over-irr. depth", "Under-irr. depth", "Over-irr. length",
                   "Under-irr. length"};
const Names kFurrowAlways = {"RequiredDepth", "MaxVelocity", "Flowresistance", "Slope", "Geometry",
                             "CrossSection", "Operation"};

struct RoleCase {
    const char *what;
    TIrrigationModule module;
    TInfiltrationType type;
    TCalculationMode mode;
    int operation, geometry, crossSection;
    Names inputs;
    Names results;
};

const RoleCase kCases[] = {
    {"basin mode 4 intake family", imBasin, 0, 4, 0, 0, 0,
     {"SCS #", "Flowresistance", "RequiredDepth", "FlowRate", "BasinLength", "BasinWidth", "CutoffTime"},
     {"Min. inf. depth", "Max. inf. depth", "Average depth", "Over-irr. length", "Over-irr. depth",
      "Under-irr. length", "Under-irr. depth", "Applic. efficiency", "Storage efficiency",
      "Distribution unif.", "Advancetime", "Recessiontime"}},
    {"basin mode 2 time-rated", imBasin, 1, 2, 0, 0, 0,
     {"TimeRatedT100", "Flowresistance", "RequiredDepth", "FlowRate"},
     {"BasinLength", "BasinWidth", "CutoffTime", "Max. inf. depth", "Average depth", "Applic. efficiency",
      "Advancetime", "Recessiontime"}},
    {"basin mode 0 Kostiakov", imBasin, 2, 0, 0, 0, 0,
     {"KostiakovA", "Kostiakovk", "Flowresistance", "RequiredDepth"}, {}},
    {"basin mode 5 Kostiakov", imBasin, 2, 5, 0, 0, 0,
     {"KostiakovA", "Kostiakovk", "Flowresistance", "RequiredDepth"}, {}},
    {"border mode 3 cutback", imBorder, 0, 3, 2, 0, 0,
     {"Operation", "SCS #", "Infiltration", "Flowresistance", "RequiredDepth", "Slope", "FlowRate",
      "BasinLength", "BasinWidth", "CutBackRatio"},
     Plus({"CutoffTime", "CutBackFlow", "AdvanceRatio"}, kR13)},
    {"border mode 3 fixed flow", imBorder, 0, 3, 1, 0, 0,
     {"Operation", "SCS #", "Infiltration", "Flowresistance", "RequiredDepth", "Slope", "FlowRate",
      "BasinLength", "BasinWidth"},
     Plus({"CutoffTime"}, kR13)},
    {"border time-rated type, mode 1, reuse", imBorder, 1, 1, 3, 0, 0,
     {"Operation", "BasinLength", "BasinWidth", "TailwaterRecoveryRatio"},
     Plus({"FlowRate", "CutoffTime"}, kR13)},
    {"border mode 2 Kostiakov cutback", imBorder, 2, 2, 2, 0, 0,
     {"Operation", "Infiltration", "KostiakovA", "Kostiakovk", "KostiakovFo", "Flowresistance",
      "RequiredDepth", "Slope", "FlowRate", "LengthWidthRatio", "CutBackRatio", "AdvanceRatio"},
     Plus({"BasinLength", "BasinWidth", "CutoffTime", "CutBackFlow"}, kR13)},
    {"furrow geometry 1 cross-section 4", imFurrow, 0, 2, 1, 1, 4,
     Plus({"SCS #", "Infiltration", "FlowRate"}, kFurrowAlways), Plus({"Length", "CutoffTime"}, kR13)},
    {"furrow sigma and tau, trial run, mode 4 cutback", imFurrow, 3, 4, 2, 2, 1,
     Plus({"Spacing", "Sigma1", "Sigma2", "Tau1", "Tau2", "Infiltration", "TrialFlowRate",
           "StableRunoffRate", "AdvTimeL", "AdvTimeHalfL", "TrialLength", "TrialSlope", "FlowRate",
           "Length", "CutoffTime", "CutBackRatio"},
          kFurrowAlways),
     Plus(Plus({"CutBackFlow", "AdvanceRatio"}, kR13), kR4)},
    {"furrow parabolic Kostiakov mode 1 cutback", imFurrow, 2, 1, 2, 1, 2,
     Plus({"MaxDepth", "MaxWidth", "Infiltration", "KostiakovA", "Kostiakovk", "KostiakovFo", "Length",
           "CutBackRatio", "AdvanceRatio"},
          kFurrowAlways),
     Plus({"FlowRate", "CutoffTime", "CutBackFlow"}, kR13)},
    {"furrow triangular mode 3 reuse", imFurrow, 0, 3, 3, 1, 1,
     Plus({"Spacing", "SideSlope", "SCS #", "Infiltration", "FlowRate", "Length", "TailwaterRecoveryRatio"},
          kFurrowAlways),
     Plus({"CutoffTime"}, kR13)},
};

void Restore(TIrrigationModule module, TIrrigationRun *run)
{
    if (module == imBasin)
        uPondixFile::RestoreParameterCategories(run);
    else if (module == imBorder)
        uStrivaFile::RestoreParameterCategories(run);
    else
        uRilloxFile::RestoreParameterCategories(run);
}

TEST(RestoreParameterCategories, MarksExactlyTheParametersOfTheRunsSetUp)
{
    RecordingDialogs dialogs;
    constexpr TParameterCategory kUntouched = pcDecisionVariable;
    for (const RoleCase &c : kCases) {
        SCOPED_TRACE(c.what);
        TIrrigationDataSet dataSet(c.module);
        ASSERT_EQ(dataSet.NewRun(), 1);
        TIrrigationRun *run = dataSet.GetRunByNumber(1);
        for (TParameter *p : ParametersOf(run)) {
            p->SetActive(false);
            p->SetCategory(kUntouched);
        }
        for (const auto &[name, value] : {std::pair<const char *, int>{"Operation", c.operation},
                                          {"Geometry", c.geometry}, {"CrossSection", c.crossSection}}) {
            if (c.module != imBasin && (c.module == imFurrow || std::string(name) == "Operation"))
                run->GetParameters()->FindParameter(name)->SetValue(value);
        }
        run->SetMode(c.mode);
        run->SetInfiltrationType(c.type);
        Restore(c.module, run);

        Names inputs, results;
        for (TParameter *p : ParametersOf(run)) {
            if (!p->Active()) {
                EXPECT_EQ(p->Category(), kUntouched) << p->Name();
                continue;
            }
            EXPECT_NE(p->Category(), kUntouched) << p->Name();
            (p->Category() == pcInput ? inputs : results).insert(p->Name());
        }
        EXPECT_EQ(inputs, c.inputs);
        EXPECT_EQ(results, c.results);
        EXPECT_TRUE(dialogs.Messages().empty()) << "a name the module does not have";
    }
}

TEST(RestoreParameterCategories, DoesNothingWithoutRun)
{
    RecordingDialogs dialogs;
    uPondixFile::RestoreParameterCategories(nullptr);
    uStrivaFile::RestoreParameterCategories(nullptr);
    uRilloxFile::RestoreParameterCategories(nullptr);
    EXPECT_TRUE(dialogs.Messages().empty());
}

}  // namespace
