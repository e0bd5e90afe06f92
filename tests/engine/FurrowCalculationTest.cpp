#include "BindingFixture.h"

#include <cmath>

namespace {

using R = TIrrikaInfoRecord;

class FurrowCalculation : public BindingFixture {
protected:
    void SetUp() override
    {
        Open(imFurrow);
        const std::pair<const char *, double> kInputs[] = {
            {"Mode", 2}, {"Operation", 3}, {"Infiltration", 1}, {"Geometry", 2}, {"CrossSection", 3},
            {"FlowRate", 0.6}, {"Length", 200.125}, {"CutoffTime", 601}, {"RequiredDepth", 74},
            {"Flowresistance", 0.04}, {"SCS #", 0.5}, {"KostiakovA", 0.534}, {"Kostiakovk", 1.24},
            {"KostiakovFo", 0.18}, {"Slope", 0.006}, {"AdvanceRatio", 0.32}, {"CutBackRatio", 0.84},
            {"MaxVelocity", 13.875}, {"VCalc", 0.86}, {"Spacing", 1.125}, {"TailwaterRecoveryRatio", 0.87},
            {"SideSlope", 2.1}, {"BedWidth", 0.21}, {"MaxDepth", 0.22}, {"MaxWidth", 0.9},
            {"Sigma1", 0.987}, {"Sigma2", 1.734}, {"Tau1", 2.439}, {"Tau2", 0.811},
            {"TrialFlowRate", 2.1}, {"StableRunoffRate", 1.4}, {"AdvTimeL", 56}, {"AdvTimeHalfL", 18},
            {"TrialLength", 199}, {"TrialSlope", 0.007},
        };
        for (const auto &input : kInputs)
            Set(input.first, input.second);
    }
    void FootBasis() { SetUnitKind("Sigma1", 34); }  // FT_2_Sig2
};

}  // namespace

TEST_F(FurrowCalculation, FillsTheEngineUnitsRoundedWhereTheEngineWantsItAndNoPresets)
{
    ASSERT_EQ(formatter->Calculate(1), 0);
    ASSERT_EQ(engine->Calls(), 1);
    ExpectRecord(Received(),
                 {
                     {&R::FlowResistance, "FlowResistance", 0.04},
                     {&R::Spacing, "Spacing", 1.12},  // halves go to the even neighbour
                     {&R::RequiredDepth, "RequiredDepth", 0.074},
                     {&R::KostiakovFo, "KostiakovFo", 0.00018},
                     {&R::Length, "Length", 200.12},
                     {&R::FlowRate, "FlowRate", 0.6 * 0.06},
                     {&R::CutoffTime, "CutoffTime", 601},
                     {&R::Slope, "Slope", 0.006},
                     {&R::AdvanceRatio, "AdvanceRatio", 0.32},
                     {&R::CutBackRatio, "CutBackRatio", 0.84},
                     {&R::MaxVelocity, "MaxVelocity", 13.88},
                     {&R::VCalc, "VCalc", 0.86},
                     {&R::TailwaterRecoveryRatio, "TailwaterRecoveryRatio", 0.87},
                     {&R::SideSlope, "SideSlope", 2.1},
                     {&R::BedWidth, "BedWidth", 0.21},
                     {&R::MaxDepth, "MaxDepth", 0.22},
                     {&R::MaxWidth, "MaxWidth", 0.9},
                     {&R::Sigma1, "Sigma1", 0.987},
                     {&R::Sigma2, "Sigma2", 1.734},
                     {&R::Tau1, "Tau1", 2.439},
                     {&R::Tau2, "Tau2", 0.811},
                     {&R::TrialFlowRate, "TrialFlowRate", 2.1 * 0.06},
                     {&R::StableRunoffRate, "StableRunoffRate", 1.4 * 0.06},
                     {&R::AdvTimeL, "AdvTimeL", 56},
                     {&R::AdvTimeHalfL, "AdvTimeHalfL", 18},
                     {&R::TrialLength, "TrialLength", 199},
                     {&R::TrialSlope, "TrialSlope", 0.007},
                     {&R::SCSNumber, "SCSNumber", 0.5},
                     {&R::KostiakovA, "KostiakovA", 0.534},
                     {&R::KostiakovK, "KostiakovK", 0.00124},
                 },
                 {{&R::Mode, "Mode", 2},
                  {&R::Operation, "Operation", 3},
                  {&R::InfiltrationOption, "InfiltrationOption", 1},
                  {&R::Geometry, "Geometry", 2},
                  {&R::CrossSection, "CrossSection", 3}});
}

TEST_F(FurrowCalculation, TheRunKeepsTheRoundedLength)
{
    ASSERT_EQ(formatter->Calculate(1), 0);
    EXPECT_DOUBLE_EQ(Get("Length"), 200.12);
}

TEST_F(FurrowCalculation, KostiakovKPerUnitLengthIsConvertedToo)
{
    struct Case {
        int kind;
        double field;  // k 1.24 with A 0.534
    };
    const Case kCases[] = {
        {15, 0.00124}, {39, 1.24}, {40, 0.13928005110358893}, {41, 0.115241632}, {42, 0.012944242253404023},
    };
    for (const Case &c : kCases) {
        SCOPED_TRACE(c.kind);
        SetUnitKind("Kostiakovk", c.kind);
        Set("Kostiakovk", 1.24);
        ASSERT_EQ(formatter->Calculate(1), 0);
        EXPECT_NEAR(Received().KostiakovK, c.field, 1e-15);
        EXPECT_NEAR(Get("Kostiakovk"), 1.24, 1e-12);
    }
}

TEST_F(FurrowCalculation, SigmaAndTauOnTheFootBasisGoToTheEngineOnTheMetreBasis)
{
    FootBasis();
    ASSERT_EQ(formatter->Calculate(1), 0);
    EXPECT_DOUBLE_EQ(Received().Sigma1, 0.7196);  // rounded to 4 decimals
    EXPECT_NEAR(Received().Tau1, 1.9485504017303414, 1e-14);
    EXPECT_EQ(Received().Sigma2, 1.734);
    EXPECT_EQ(Received().Tau2, 0.811);
    // Returned unchanged, the rounding shows in the run.
    EXPECT_NEAR(Get("Sigma1"), 0.986991919464321, 1e-14);
    EXPECT_NEAR(Get("Tau1"), 2.439, 1e-13);
    EXPECT_EQ(Get("Sigma2"), 1.734);
    EXPECT_EQ(Get("Tau2"), 0.811);
}

TEST_F(FurrowCalculation, TheWayBackUsesTheReturnedExponents)
{
    FootBasis();
    engine->Respond = [](R &record) {
        record.Sigma1 = 0.5;
        record.Sigma2 = 1.5;
        record.Tau1 = 2;
        record.Tau2 = 0.5;
    };
    ASSERT_EQ(formatter->Calculate(1), 0);
    EXPECT_NEAR(Get("Sigma1"), std::pow(3.28, 0.5) * 0.5, 1e-14);
    EXPECT_NEAR(Get("Tau1"), std::pow(3.28, 0.5) * 2, 1e-14);
    EXPECT_EQ(Get("Sigma2"), 1.5);
    EXPECT_EQ(Get("Tau2"), 0.5);
}

TEST_F(FurrowCalculation, WritesEveryResultBackInStoredUnits)
{
    engine->Respond = [](R &record) { FillDistinct(record); };
    const std::map<std::string, double> before = Values();
    ASSERT_EQ(formatter->Calculate(1), 0);
    std::vector<ResultOf> written = BorderAndFurrowResults();
    written.insert(written.end(), {
        {"Length", &R::Length, 1},
        {"Sigma1", &R::Sigma1, 1},
        {"Sigma2", &R::Sigma2, 1},
        {"Tau1", &R::Tau1, 1},
        {"Tau2", &R::Tau2, 1},
    });
    ExpectResults(before, written, BorderAndFurrowCurves());
}

TEST_F(FurrowCalculation, AWarningIsShownThenEveryResultWritten)
{
    engine->Respond = [](R &record) {
        record.WarningCode = 2;
        record.ApplicationEfficiency = 61;
    };
    EXPECT_EQ(formatter->Calculate(1), 0);
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0].code, 352);
    EXPECT_EQ(Shown()[0].text,
              "Calculated flow velocity is more than the maximum permissible.\r\n( v = \xE2\x80\xA6.. m/min).");
    EXPECT_EQ(Shown()[0].kind, ekWarning);
    EXPECT_EQ(Get("Applic. efficiency"), 61);
}

TEST_F(FurrowCalculation, AnEngineThatWritesNoResultLeavesZeros)
{
    Set("Max. inf. depth", 5);
    ASSERT_EQ(formatter->Calculate(1), 0);
    for (const char *result : {"Applic. efficiency", "Storage efficiency", "Max. inf. depth", "Min. inf. depth",
                               "Average depth", "Advancetime", "Recessiontime", "Over-irr. length", "Over-irr. depth"})
        EXPECT_EQ(Get(result), 0.0) << result;
    for (const char *curve : {"AdvanceTime", "RecessionTime", "InfiltrationDepth"})
        EXPECT_EQ(Curve(curve), std::vector<double>(31, 0.0)) << curve;
}

TEST_F(FurrowCalculation, EngineErrorsAddThreeHundredAndKeepTheRun)
{
    engine->Respond = [](R &record) {
        FillDistinct(record);
        record.ErrorCode = 20;
    };
    const std::map<std::string, double> before = Values();
    EXPECT_EQ(formatter->Calculate(1), 20);
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0].code, 320);
    EXPECT_EQ(Shown()[0].kind, ekError);
    EXPECT_EQ(Values(), before);
}
