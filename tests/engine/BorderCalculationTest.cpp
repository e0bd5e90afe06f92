#include "BindingFixture.h"

#include "uEngineCall.h"
#include "uUnitKind.h"

#include <cmath>

namespace {

using R = TIrrikaInfoRecord;

class BorderCalculation : public BindingFixture {
protected:
    void SetUp() override
    {
        Open(imBorder);
        const std::pair<const char *, double> kInputs[] = {
            {"Mode", 1}, {"Operation", 2}, {"Infiltration", 1}, {"FlowRate", 25.5},
            {"BasinLength", 151}, {"BasinWidth", 21}, {"LengthWidthRatio", 7.2}, {"CutoffTime", 481},
            {"RequiredDepth", 76}, {"Flowresistance", 0.16}, {"SCS #", 0.7}, {"KostiakovA", 0.5},
            {"Kostiakovk", 12}, {"KostiakovFo", 0.2}, {"Slope", 0.009}, {"AdvanceRatio", 0.34},
            {"CutBackRatio", 0.66}, {"TailwaterRecoveryRatio", 0.86},
        };
        for (const auto &input : kInputs)
            Set(input.first, input.second);
    }
    // A border that the non-erosive limit judges: slope 0.01 and 10 m width, 0.33489 m3/min/m.
    void ErosionCase(int mode, double flowRate, double slope = 0.01, double width = 10)
    {
        Set("Mode", mode);
        Set("Slope", slope);
        Set("BasinWidth", width);
        Set("FlowRate", flowRate);
    }
};


const std::string kErosionText = "Inlet flow rate exceeds maximum non-erosive flow \n\r";

}  // namespace

TEST_F(BorderCalculation, FillsTheEngineUnitsAndThePresets)
{
    ASSERT_EQ(formatter->Calculate(1), 0);
    ASSERT_EQ(engine->Calls(), 1);
    std::vector<FieldValue> fields = {
        {&R::FlowResistance, "FlowResistance", 0.16},
        {&R::RequiredDepth, "RequiredDepth", 0.076},
        {&R::FlowRate, "FlowRate", 25.5 * 0.06},
        {&R::Length, "Length", 151},
        {&R::Width, "Width", 21},
        {&R::LengthWidthRatio, "LengthWidthRatio", 7.2},
        {&R::CutoffTime, "CutoffTime", 481},
        {&R::Slope, "Slope", 0.009},
        {&R::AdvanceRatio, "AdvanceRatio", 0.34},
        {&R::CutBackRatio, "CutBackRatio", 0.66},
        {&R::TailwaterRecoveryRatio, "TailwaterRecoveryRatio", 0.86},
        {&R::SCSNumber, "SCSNumber", 0.7},
        {&R::KostiakovA, "KostiakovA", 0.5},
        {&R::KostiakovFo, "KostiakovFo", 0.0002},
        {&R::KostiakovK, "KostiakovK", 0.012},
    };
    const std::vector<FieldValue> presets = PresetFields();
    fields.insert(fields.end(), presets.begin(), presets.end());
    ExpectRecord(Received(), fields, {{&R::Mode, "Mode", 1}, {&R::Operation, "Operation", 2},
                                      {&R::InfiltrationOption, "InfiltrationOption", 1}});
}

TEST_F(BorderCalculation, TheIntakeFamilyReachesTheEngineOnlyWhenTheRunUsesIt)
{
    Set("Infiltration", 2);
    formatter->Calculate(1);
    EXPECT_EQ(Received().SCSNumber, 0.0);
    EXPECT_EQ(Received().InfiltrationOption, 2);
}

TEST_F(BorderCalculation, KostiakovKIsConvertedByItsUnitBothWays)
{
    struct Case {
        int kind;
        double field;  // k 12 with A 0.5
    };
    const Case kCases[] = {
        {15, 0.012}, {16, 0.0015491933384829666}, {17, 0.12}, {18, 0.015491933384829666},
        {19, 0.30479999999999996}, {20, 0.039349510797467346},
    };
    engine->Respond = [](R &record) { record.KostiakovK *= 2; };  // the engine's own k
    for (const Case &c : kCases) {
        SCOPED_TRACE(c.kind);
        SetUnitKind("Kostiakovk", c.kind);
        Set("Kostiakovk", 12);
        ASSERT_EQ(formatter->Calculate(1), 0);
        EXPECT_NEAR(Received().KostiakovK, c.field, 1e-15);
        EXPECT_NEAR(Get("Kostiakovk"), 24, 1e-12);
    }
}

TEST_F(BorderCalculation, AKostiakovUnitWithoutConversionGivesTheEngineNoK)
{
    for (int kind : {26, 12}) {  // MM_MIN, Empty: no k unit of the border
        SCOPED_TRACE(kind);
        SetUnitKind("Kostiakovk", kind);
        Set("Kostiakovk", 12);
        engine->Respond = [](R &record) { record.KostiakovK = 5; };
        ASSERT_EQ(formatter->Calculate(1), 0);
        EXPECT_EQ(Received().KostiakovK, 0.0);
        EXPECT_EQ(Get("Kostiakovk"), 12);
    }
}

// The k units per length of furrow are the furrow binding's alone. k per cm min^A comes
// back as k x 1000 / 10, the others as k / factor x 1000: the two orders round apart.
TEST(KostiakovKConversion, VolumesPerLengthAreTheFurrowsAndCmPerMinuteMultipliesFirst)
{
    for (int kind = ukM3M_1_MIN_A; kind <= ukFT3FT_1_HR_A; ++kind) {
        SCOPED_TRACE(kind);
        double field = 0, k = 0;
        EXPECT_FALSE(KostiakovKToEngine(imBorder, kind, 1.24, 0.5, field));
        EXPECT_FALSE(KostiakovKFromEngine(imBorder, kind, 0.5, 0.5, k));
        EXPECT_TRUE(KostiakovKToEngine(imFurrow, kind, 1.24, 0.5, field));
        EXPECT_TRUE(KostiakovKFromEngine(imFurrow, kind, 0.5, 0.5, k));
    }
    double k = 0;
    ASSERT_TRUE(KostiakovKFromEngine(imBorder, ukCM_MIN_A, 0.012, 0.5, k));
    EXPECT_EQ(k, 1.2);
    ASSERT_TRUE(KostiakovKFromEngine(imBorder, ukIN_MIN_A, 0.0377, 0.5, k));
    EXPECT_EQ(k, 1.484251968503937);  // 0.0377 x 1000 / 25.4 would be 1.4842519685039368
}

TEST_F(BorderCalculation, WritesEveryResultBackInStoredUnits)
{
    engine->Respond = [](R &record) { FillDistinct(record); };
    const std::map<std::string, double> before = Values();
    ASSERT_EQ(formatter->Calculate(1), 0);
    std::vector<ResultOf> written = BorderAndFurrowResults();
    written.insert(written.end(), {
        {"BasinLength", &R::Length, 1},
        {"BasinWidth", &R::Width, 1},
        {"LengthWidthRatio", &R::LengthWidthRatio, 1},
    });
    ExpectResults(before, written, BorderAndFurrowCurves());
    EXPECT_TRUE(Shown().empty());
}

TEST_F(BorderCalculation, TheAdvanceRatioComesBackOnlyUnderCutbackFlow)
{
    for (int operation : {1, 2, 3}) {
        SCOPED_TRACE(operation);
        Set("Operation", operation);
        Set("AdvanceRatio", 0.34);
        engine->Respond = [](R &record) { record.AdvanceRatio = 0.5; };
        ASSERT_EQ(formatter->Calculate(1), 0);
        EXPECT_EQ(Get("AdvanceRatio"), operation == 2 ? 0.5 : 0.34);
    }
}

TEST_F(BorderCalculation, WarningsShowBeforeTheResultsAreWritten)
{
    engine->Respond = [](R &record) {
        record.WarningCode = 1;
        record.ApplicationEfficiency = 55;
        record.StorageEfficiency = 66;
    };
    EXPECT_EQ(formatter->Calculate(1), 0);
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0].code, 251);
    EXPECT_EQ(Shown()[0].kind, ekWarning);
    EXPECT_EQ(Get("Applic. efficiency"), -1);
    EXPECT_EQ(Get("Storage efficiency"), 66);

    RecordingErrorDisplay second;
    engine->Respond = [](R &record) {
        record.WarningCode = 3;
        record.ApplicationEfficiency = 55;
    };
    EXPECT_EQ(formatter->Calculate(1), 0);
    ASSERT_EQ(second.Showings().size(), 1u);
    EXPECT_EQ(second.Showings()[0].code, 253);
    EXPECT_EQ(second.Showings()[0].text, "Unknown Error or Warning");
    EXPECT_EQ(Get("Applic. efficiency"), 55);
}

TEST_F(BorderCalculation, EngineErrorsAddTwoHundredAndKeepTheRun)
{
    engine->Respond = [](R &record) {
        FillDistinct(record);
        record.ErrorCode = 5;
    };
    const std::map<std::string, double> before = Values();
    EXPECT_EQ(formatter->Calculate(1), 5);
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0].code, 205);
    EXPECT_EQ(Shown()[0].text, "Advance time convergence problem\r\nIncrease length and/or decrease advance ratio");
    EXPECT_EQ(Shown()[0].kind, ekError);
    EXPECT_EQ(Values(), before);
}

TEST_F(BorderCalculation, AnInflowAboveTheNonErosiveLimitIsRefusedInModesThreeAndFour)
{
    struct Case {
        int mode;
        double flowRate;  // l/s on the 10 m border
        bool refused;
    };
    const Case kCases[] = {
        {3, 55, false},  // 0.33 m3/min per metre
        {3, 60, true},   // 0.36
        {4, 60, true},
        {1, 5000, false},
        {2, 5000, false},
    };
    for (const Case &c : kCases) {
        SCOPED_TRACE(std::to_string(c.mode) + " / " + std::to_string(c.flowRate));
        RecordingErrorDisplay shown;
        ErosionCase(c.mode, c.flowRate);
        const int calls = engine->Calls();
        const std::map<std::string, double> before = Values();
        EXPECT_EQ(formatter->Calculate(1), c.refused ? 200 : 0);
        EXPECT_EQ(engine->Calls(), calls + (c.refused ? 0 : 1));
        if (c.refused) {
            ASSERT_EQ(shown.Showings().size(), 1u);
            EXPECT_EQ(shown.Showings()[0].code, -1);
            EXPECT_EQ(shown.Showings()[0].text, kErosionText + "3.34885204211831");
            EXPECT_EQ(shown.Showings()[0].kind, ekError);
            EXPECT_EQ(Values(), before);
        } else {
            EXPECT_TRUE(shown.Showings().empty());
        }
    }
}

TEST_F(BorderCalculation, AnInflowAtTheNonErosiveLimitPasses)
{
    // Slope 1 makes the limit 0.01059 itself; 0.1765 l/s is 0.01059 m3/min on one metre.
    ErosionCase(3, 0.1765, 1, 1);
    EXPECT_EQ(formatter->Calculate(1), 0);
    EXPECT_EQ(engine->Calls(), 1);
}

TEST_F(BorderCalculation, WithoutSlopeOrWidthTheEngineJudgesTheInflow)
{
    const std::pair<double, double> kCases[] = {{0, 10}, {-0.01, 10}, {0.01, 0}};
    for (const auto &c : kCases) {
        SCOPED_TRACE(std::to_string(c.first) + " / " + std::to_string(c.second));
        ErosionCase(3, 60, c.first, c.second);
        const int calls = engine->Calls();
        EXPECT_EQ(formatter->Calculate(1), 0);
        EXPECT_EQ(engine->Calls(), calls + 1);
        EXPECT_TRUE(Shown().empty());
    }
}
