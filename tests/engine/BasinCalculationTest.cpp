#include "BindingFixture.h"

#include "uInfiltration.h"
#include "uIrrigationRun.h"

#include <cmath>

namespace {

using R = TIrrikaInfoRecord;

class BasinCalculation : public BindingFixture {
protected:
    void SetUp() override
    {
        Open(imBasin);
        Set("Mode", 3);
        Set("FlowRate", 41);
        Set("BasinLength", 42);
        Set("BasinWidth", 43);
        Set("CutoffTime", 44);
        Set("RequiredDepth", 45);
        Set("Flowresistance", 0.046);
        // The basin engine reads its coefficients from the infiltration object, not these.
        Set("KostiakovA", 0.9);
        Set("Kostiakovk", 9);
        Set("KostiakovFo", 9);
        TInfiltrationCoefficients coefficients{0.5, 2.84, 1, 2, 0.3};
        run->GetInfiltration()->SetCoefficients(coefficients);
    }
};


}  // namespace

TEST_F(BasinCalculation, FillsStoredValuesTheInfiltrationObjectAndThePresets)
{
    ASSERT_EQ(formatter->Calculate(1), 0);
    ASSERT_EQ(engine->Calls(), 1);
    std::vector<FieldValue> fields = {
        {&R::FlowResistance, "FlowResistance", 0.046},
        {&R::RequiredDepth, "RequiredDepth", 45},
        {&R::FlowRate, "FlowRate", 41},
        {&R::Length, "Length", 42},
        {&R::Width, "Width", 43},
        {&R::LengthWidthRatio, "LengthWidthRatio", 1.5},
        {&R::CutoffTime, "CutoffTime", 44},
        {&R::KostiakovA, "KostiakovA", 0.5},
        {&R::KostiakovK, "KostiakovK", 0.36664242344096876},  // 2.84 / 60^0.5
    };
    const std::vector<FieldValue> presets = PresetFields();
    fields.insert(fields.end(), presets.begin(), presets.end());
    ExpectRecord(Received(), fields, {{&R::Mode, "Mode", 3}});
}

TEST_F(BasinCalculation, AZeroWidthGivesNoLengthWidthRatio)
{
    Set("BasinWidth", 0);
    formatter->Calculate(1);
    EXPECT_EQ(Received().LengthWidthRatio, 0.0);
}

TEST_F(BasinCalculation, WritesEveryResultAndBothProfilesUnconverted)
{
    engine->Respond = [](R &record) { FillDistinct(record); };
    const std::map<std::string, double> before = Values();
    ASSERT_EQ(formatter->Calculate(1), 0);
    const std::vector<ResultOf> kWritten = {
        {"FlowRate", &R::FlowRate, 1},
        {"BasinLength", &R::Length, 1},
        {"BasinWidth", &R::Width, 1},
        {"CutoffTime", &R::CutoffTime, 1},
        {"Applic. efficiency", &R::ApplicationEfficiency, 1},
        {"Storage efficiency", &R::StorageEfficiency, 1},
        {"Distribution unif.", &R::DistributionUniformity, 1},
        {"Max. inf. depth", &R::MaxInfDepth, 1},
        {"Min. inf. depth", &R::MinInfDepth, 1},
        {"Average depth", &R::AverageDepth, 1},
        {"Over-irr. depth", &R::OverIrrDepth, 1},
        {"Under-irr. depth", &R::UnderIrrDepth, 1},
        {"Over-irr. length", &R::OverIrrLength, 1},
        {"Under-irr. length", &R::UnderIrrLength, 1},
        {"Advancetime", &R::AdvanceTime, 1},
        {"Recessiontime", &R::RecessionTime, 1},
    };
    ExpectResults(before, kWritten,
                  {{"AdvanceTime", &R::AdvanceCurve, 1}, {"InfiltrationDepth", &R::InfiltrationProfile, 1}});
    EXPECT_TRUE(Shown().empty());
}

TEST_F(BasinCalculation, AnEngineThatWritesNothingLeavesThePresets)
{
    ASSERT_EQ(formatter->Calculate(1), 0);
    const std::pair<const char *, double> kResults[] = {
        {"Max. inf. depth", 106}, {"Min. inf. depth", 80},    {"Average depth", 96},
        {"Applic. efficiency", 83}, {"Storage efficiency", 100}, {"Advancetime", 43},
        {"Recessiontime", 130},   {"Over-irr. length", 50},   {"Over-irr. depth", 16},
        {"Under-irr. length", 0}, {"Under-irr. depth", 0},    {"Distribution unif.", 0},
    };
    for (const auto &result : kResults)
        EXPECT_EQ(Get(result.first), result.second) << result.first;
    EXPECT_EQ(Curve("AdvanceTime"), std::vector<double>(31, 0.0));
    EXPECT_EQ(Curve("InfiltrationDepth"), std::vector<double>(31, 0.0));
}

TEST_F(BasinCalculation, EngineErrorsShowTheirAdviceAndKeepTheRun)
{
    struct Case {
        int errorCode;
        int modeAfter;
        int messageCode;
        const char *text;
    };
    const Case kCases[] = {
        {1, 3, 110, "Change one or more input parameters\r\n- increase flow rate\r\n- decrease basin dimensions"},
        {2, 1, 121, "Change input parameter\r\n- decrease basin length"},
        {2, 3, 123, "Change one or more input parameters\r\n- decrease flow rate\r\n- decrease basin length"},
        {2, 4, 124, "Change input parameter\r\n- increase flow rate\r\n- increase cutoff time\r\n"
                    "- decrease basin dimensions"},
        {2, 7, 120, "Unknown Error or Warning"},
        {7, 3, 0, "Unknown Error or Warning"},
    };
    Set("Applic. efficiency", 77);
    for (const Case &c : kCases) {
        SCOPED_TRACE(c.messageCode);
        RecordingErrorDisplay shown;
        engine->Respond = [&](R &record) {
            FillDistinct(record);
            record.ErrorCode = c.errorCode;
            record.Mode = c.modeAfter;
        };
        const std::map<std::string, double> before = Values();
        EXPECT_EQ(formatter->Calculate(1), c.errorCode);
        ASSERT_EQ(shown.Showings().size(), 1u);
        EXPECT_EQ(shown.Showings()[0].code, c.messageCode);
        EXPECT_EQ(shown.Showings()[0].text, c.text);
        EXPECT_EQ(shown.Showings()[0].kind, ekError);
        EXPECT_EQ(Values(), before);
        EXPECT_EQ(Curve("AdvanceTime"), std::vector<double>(31, 0.0));
    }
}
