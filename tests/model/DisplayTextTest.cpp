#include "RecordingDialogs.h"
#include "uParameter.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr TIrrigationModule kModules[] = {imBasin, imBorder, imFurrow};
constexpr const char *kModuleNames[] = {"basin", "border", "furrow"};

struct Case {
    const char *name;
    const char *unitName;
    TUnitKind kind;
    double shown;
    const char *text[3];  // basin, border, furrow
};

// The module is process-wide: every test puts back the basin it started with.
class DisplayTextTest : public ::testing::Test {
protected:
    ~DisplayTextTest() override { SetCurrentModule(imBasin); }

    template <std::size_t N>
    void Check(const Case (&cases)[N], std::string (TParameter::*text)() const)
    {
        for (const Case &c : cases) {
            TUnit unit;
            unit.SetName(c.unitName);
            unit.SetKind(c.kind);
            unit.SetFactor(1.0);
            unit.SetInverseFactor(1.0);
            TParameter p(c.shown, &unit);
            p.SetName(c.name);
            for (int m = 0; m < 3; ++m) {
                SCOPED_TRACE(std::string(c.name) + " " + c.unitName + " " + kModuleNames[m]);
                SetCurrentModule(kModules[m]);
                EXPECT_EQ((p.*text)(), c.text[m]);
            }
        }
    }
};

}  // namespace

TEST_F(DisplayTextTest, InputRulesByNameKindAndModule)
{
    const Case kCases[] = {
        {"FlowRate", "LS_1", ukLS_1, 40.126, {"40.13", "40.13", "40.13"}},
        {"FlowRate", "GalMin_1", ukGALMIN_1, 40.126, {"40", "40.1", "40.1"}},
        {"FlowRate", "M3Min_1", ukM3MIN_1, 1.23456, {"1.23", "1.235", "1.235"}},
        {"FlowRate", "LS_1", ukLS_1, 1234567.891, {"1234567.89", "1234567.89", "1234567.89"}},
        {"FlowRate", "LS_1", ukLS_1, 7, {"7.00", "7.00", "7.00"}},
        {"flowrate", "LS_1", ukLS_1, 40.126, {"40", "40", "40"}},  // names match in exact case
        {"BasinLength", "Meters", ukMeters, 123.456, {"123.46", "123", "123"}},
        {"BasinWidth", "Feet", ukFeet, 52.556, {"52.56", "53", "53"}},
        {"Length", "Meters", ukMeters, 123.456, {"123", "123", "123"}},
        {"CutoffTime", "Minutes", ukMinutes, 90, {"90", "90", "90"}},
        {"CutoffTime", "Hours", ukHours, 1.5, {"1.50", "1.50", "1.50"}},
        {"CutoffTime", "Empty", ukEmpty, 1.4, {"1", "1", "1"}},
        {"SCS #", "Empty", ukEmpty, 1.5, {"1.5", "1.50", "1.50"}},
        {"Flowresistance", "Empty", ukEmpty, 0.04, {"0.04", "0.04", "0.04"}},
        {"RequiredDepth", "MM", ukMM, 100.4, {"100", "100", "100"}},
        {"RequiredDepth", "Inch", ukINCH, 2.54, {"2.5", "2.5", "2.5"}},
        {"RequiredDepth", "FT3FT_1", ukFT3FT_1, 0.123, {"0.1", "0.1", "0.12"}},
        {"RequiredDepth", "M3M_1", ukM3M_1, 0.0123, {"0.0", "0.0", "0.012"}},
        {"TimeRatedT100", "Minutes", ukMinutes, 60.4, {"60", "60", "60"}},
        {"TimeRatedT100", "Hours", ukHours, 1.006, {"1.01", "1.01", "1.01"}},
        {"KostiakovA", "Empty", ukEmpty, 0.7061, {"0.706", "0.706", "0.706"}},
        {"Kostiakovk", "MM_MIN_A", ukMM_MIN_A, 1.23456, {"1.23", "1.235", "1.235"}},
        {"Kostiakovk", "CM_MIN_A", ukCM_MIN_A, 1.234567, {"1.23", "1.23457", "1.23457"}},
        {"Kostiakovk", "IN_HR_A", ukIN_HR_A, 0.0123456, {"0.01", "0.01235", "0.01235"}},
        {"Kostiakovk", "M3M_1_MIN_A", ukM3M_1_MIN_A, 0.0123456, {"0.01", "0.01", "0.01235"}},
        {"KostiakovFo", "MM_MIN", ukMM_MIN, 0.12345, {"0", "0.123", "0.123"}},
        {"KostiakovFo", "CM_HR", ukCM_HR, 0.123456, {"0", "0.12346", "0.12346"}},
        {"KostiakovFo", "M3M_1_MIN", ukM3M_1_MIN, 0.123456, {"0", "0", "0.12346"}},
        {"Slope", "MM_1", ukMM_1, 0.00123, {"0.0012", "0.0012", "0.0012"}},
        {"LengthWidthRatio", "Empty", ukEmpty, 4.6, {"5", "5", "5"}},
        {"CutBackRatio", "Empty", ukEmpty, 0.5, {"0.50", "0.50", "0.50"}},
        {"MaxVelocity", "M_MIN", ukM_MIN, 9.14, {"9.1", "9.1", "9.1"}},
        {"BedWidth", "Meters", ukMeters, 0.3, {"0.30", "0.30", "0.30"}},
        {"Tau2", "Empty", ukEmpty, 0.75, {"0.750", "0.750", "0.750"}},
        {"TrialFlowRate", "GalMin_1", ukGALMIN_1, 1.234, {"1.23", "1.23", "1.23"}},
        {"StableRunoffRate", "LS_1", ukLS_1, 1.2346, {"1.235", "1.235", "1.235"}},
        {"StableRunoffRate", "M3Min_1", ukM3MIN_1, 1.23456, {"1.2346", "1.2346", "1.2346"}},
        {"AdvTimeHalfL", "Hours", ukHours, 2, {"2.00", "2.00", "2.00"}},
        {"TrialLength", "Meters", ukMeters, 100.4, {"100", "100", "100"}},
        {"TrialSlope", "MM_1", ukMM_1, 0.001, {"0.0010", "0.0010", "0.0010"}},
        {"Mode", "Empty", ukEmpty, 3, {"3", "3", "3"}},
    };
    Check(kCases, &TParameter::GetDisplayText);
}

TEST_F(DisplayTextTest, ResultRulesByKindFirstThenName)
{
    const Case kCases[] = {
        {"Average depth", "MM", ukMM, 12.345, {"12", "12", "12"}},
        {"Average depth", "CM", ukCM, 1.2345, {"1.2", "1.2", "1.2"}},
        {"Average depth", "Inch", ukINCH, 0.486, {"0.5", "0.5", "0.5"}},
        {"Applic. efficiency", "Perc", ukPerc, 83.6, {"84", "84", "84"}},
        {"Volume", "M3M_1", ukM3M_1, 0.0123, {"0.012", "0.012", "0.012"}},
        {"Volume", "FT3FT_1", ukFT3FT_1, 0.123, {"0.12", "0.12", "0.12"}},
        {"Length", "Feet", ukFeet, 32.8, {"33", "33", "33"}},       // kind before name
        {"Length", "Empty", ukEmpty, 12.345, {"12.35", "12.35", "12.35"}},
        {"Advance time", "Minutes", ukMinutes, 90.4, {"90", "90", "90"}},
        {"Advance time", "Hours", ukHours, 1.5, {"1.50", "1.50", "1.50"}},
        {"FlowRate", "LS_1", ukLS_1, 40.126, {"40", "40.13", "40.13"}},
        {"FlowRate", "GalMin_1", ukGALMIN_1, 40.126, {"40", "40.1", "40.1"}},
        {"FlowRate", "M3Min_1", ukM3MIN_1, 40.126, {"40.1", "40.126", "40.126"}},
        {"CutBackFlow", "FT3S_1", ukFT3S_1, 1.23456, {"1.2", "1.235", "1.235"}},
        {"BasinLength", "Empty", ukEmpty, 123.456, {"123.46", "123", "123"}},
        {"SCS #", "Empty", ukEmpty, 0.5, {"0.5", "0.50", "0.50"}},
        {"Kostiakovk", "CM_MIN_A", ukCM_MIN_A, 1.234567, {"1.23", "1.23", "1.23"}},
        {"TrialFlowRate", "FT3S_1", ukFT3S_1, 0.12345, {"0.1235", "0.1235", "0.1235"}},
        {"Mode", "Empty", ukEmpty, 2, {"2", "2", "2"}},
    };
    Check(kCases, &TParameter::GetResultText);
}

TEST_F(DisplayTextTest, UnitSuffixMatchesTheNameInExactCase)
{
    struct SuffixCase {
        const char *unitName;
        const char *suffix;
    };
    constexpr SuffixCase kCases[] = {
        {"MM", " mm"},
        {"mm", " -"},
        {"Inch", " Inch"},
        {"INCH", " -"},
        {"GalMin_1", " Gal/min"},
        {"GALMIN_1", " -"},
        {"M3Min_1", " m^3/min"},
        {"Hours", " hours"},
        {"Perc", " %"},
        {"Empty", " -"},
        {"FT3FT_1_MIN_A", " Ft^3/Ft/min^A"},
        {"FT3FT_1_HR_A", " Ft^3/Ft/hr^A"},
        {"M_2_Sig2", " m^(2-Sig2)"},
        {"FT_1_Tau2", " Ft^(1-Tau2)"},
        {"M3M_1_HR", " m^3/m/hr"},
        {"", " -"},
    };
    for (const SuffixCase &c : kCases) {
        SCOPED_TRACE(c.unitName);
        TUnit unit;
        unit.SetName(c.unitName);
        unit.SetFactor(1.0);
        TParameter p(1.0, &unit);
        EXPECT_EQ(p.GetUnitText(), c.suffix);
    }
}

TEST_F(DisplayTextTest, TextsFollowAUnitSwitch)
{
    TUnit minutes, hours;
    minutes.SetName("Minutes");
    minutes.SetKind(ukMinutes);
    minutes.SetFactor(1.0);
    minutes.SetInverseFactor(1.0);
    hours.SetName("Hours");
    hours.SetKind(ukHours);
    hours.SetFactor(1.0 / 60.0);
    TParameter p(90.0, &minutes);
    p.SetName("CutoffTime");
    EXPECT_EQ(p.GetDisplayText() + p.GetUnitText(), "90 min");
    p.SetUnit(&hours);
    EXPECT_EQ(p.GetDisplayText() + p.GetUnitText(), "1.50 hours");
}

TEST_F(DisplayTextTest, ParameterWithoutUnitShowsZeroAndDash)
{
    RecordingDialogs dialogs;
    TParameter p(12.0, nullptr);
    p.SetName("Slope");
    for (TIrrigationModule module : kModules) {
        SetCurrentModule(module);
        EXPECT_EQ(p.GetDisplayText(), "0");
        EXPECT_EQ(p.GetResultText(), "0");
        EXPECT_EQ(p.GetUnitText(), " -");
    }
}

TEST(CurrentModule, IsBasinUntilSetAndKeepsTheLastSetting)
{
    EXPECT_EQ(CurrentModule(), imBasin);
    SetCurrentModule(imFurrow);
    EXPECT_EQ(CurrentModule(), imFurrow);
    SetCurrentModule(imBasin);
}
