#include "RecordingDialogs.h"
#include "uIrrigationDataSet.h"
#include "uIrrigationRun.h"
#include "uParameter.h"
#include "uUnitSwitch.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(UnitSwitch, TheDepthAndTimeUnitsAskForTheirKAndRateUnits)
{
    struct Case {
        TUnitKind depth, time, k, rate;
    };
    const Case kCases[] = {
        {ukMM, ukMinutes, ukMM_MIN_A, ukMM_MIN},
        {ukMM, ukHours, ukMM_HR_A, ukMM_HR},
        {ukCM, ukMinutes, ukCM_MIN_A, ukCM_MIN},
        {ukCM, ukHours, ukCM_HR_A, ukCM_HR},
        {ukINCH, ukMinutes, ukIN_MIN_A, ukIN_MIN},
        {ukINCH, ukHours, ukIN_HR_A, ukIN_HR},
        {ukM3M_1, ukMinutes, ukM3M_1_MIN_A, ukM3M_1_MIN},
        {ukM3M_1, ukHours, ukM3M_1_HR_A, ukM3M_1_HR},
        {ukFT3FT_1, ukMinutes, ukFT3FT_1_MIN_A, ukFT3FT_1_MIN},
        {ukFT3FT_1, ukHours, ukFT3FT_1_HR_A, ukFT3FT_1_HR},
        // A kind that is no depth counts as millimetres.
        {ukMeters, ukHours, ukMM_HR_A, ukMM_HR},
    };
    for (const Case &c : kCases) {
        SCOPED_TRACE(::testing::Message() << int(c.depth) << " per " << int(c.time));
        EXPECT_EQ(KostiakovKind(c.depth, c.time), c.k);
        EXPECT_EQ(RateKind(c.depth, c.time), c.rate);
    }
}

TEST(UnitSwitch, TheLengthAndTimeUnitsAskForTheirVelocityUnit)
{
    struct Case {
        TUnitKind length, time, velocity;
    };
    const Case kCases[] = {{ukMeters, ukMinutes, ukM_MIN},
                           {ukMeters, ukHours, ukM_HR},
                           {ukFeet, ukMinutes, ukFT_MIN},
                           {ukFeet, ukHours, ukFT_HR}};
    for (const Case &c : kCases) {
        SCOPED_TRACE(::testing::Message() << int(c.length) << " per " << int(c.time));
        EXPECT_EQ(VelocityKind(c.length, c.time), c.velocity);
    }
}

// A furrow run from the shipped settings file: every unit factor of the shape coefficients
// and of k is 1, so their values are their own terms.
class FurrowRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        set.SetCurrentRun(set.NewRun());
        run = set.GetRunByNumber(set.CurrentRun());
        ASSERT_NE(run, nullptr);
        Parameter("KostiakovA").SetValue(0.534);
        Parameter("Sigma1").SetValue(0.987);
        Parameter("Sigma2").SetValue(1.734);
        Parameter("Tau1").SetValue(2.439);
        Parameter("Tau2").SetValue(0.811);
    }
    void TearDown() override { EXPECT_TRUE(dialogs.Texts().empty()); }

    TParameter &Parameter(const char *name) { return *run->GetParameters()->FindParameter(name); }
    TUnitKind KindOf(const char *name) { return Parameter(name).GetUnit()->Kind(); }

    RecordingDialogs dialogs;
    TIrrigationDataSet set{imFurrow};
    TIrrigationRun *run = nullptr;
};

TEST_F(FurrowRun, OnlyKAndTheShapeCoefficientsChangeTheirLimitsWithTheUnit)
{
    const double perHour = std::pow(60.0, 0.534);  // mm per hr^A in a mm per min^A
    struct Case {
        const char *name;
        TUnitKind from, to;
        double ratio;
    };
    const Case kCases[] = {
        {"Kostiakovk", ukMM_MIN_A, ukCM_MIN_A, 0.1},
        {"Kostiakovk", ukMM_MIN_A, ukMM_HR_A, perHour},
        {"Kostiakovk", ukCM_HR_A, ukIN_MIN_A, 10 / perHour / 25.4},
        {"Kostiakovk", ukIN_MIN_A, ukFT3FT_1_MIN_A, 25.4 / 92.9368},
        {"Kostiakovk", ukM3M_1_HR_A, ukM3M_1_HR_A, 1},
        {"Sigma1", ukM_2_Sig2, ukFT_2_Sig2, std::pow(3.28, 2 - 1.734)},
        {"Sigma1", ukFT_2_Sig2, ukM_2_Sig2, std::pow(1 / 3.28, 2 - 1.734)},
        {"Tau1", ukM_1_Tau2, ukFT_1_Tau2, std::pow(3.28, 1 - 0.811)},
        {"Tau1", ukFT_1_Tau2, ukM_1_Tau2, std::pow(1 / 3.28, 1 - 0.811)},
        // Sigma1's units are not Tau1's.
        {"Tau1", ukM_2_Sig2, ukFT_2_Sig2, 1},
        {"FlowRate", ukLS_1, ukGALMIN_1, 1},
        {"Length", ukMeters, ukFeet, 1},
    };
    for (const Case &c : kCases) {
        SCOPED_TRACE(::testing::Message() << c.name << " " << int(c.from) << " -> " << int(c.to));
        TBoundary &limits = *Parameter(c.name).Boundary();
        limits.SetLower(2);
        limits.SetUpper(3);
        ReexpressLimits(*run, Parameter(c.name), c.from, c.to);
        EXPECT_NEAR(limits.Lower(), 2 * c.ratio, 1e-12 * c.ratio);
        EXPECT_NEAR(limits.Upper(), 3 * c.ratio, 1e-12 * c.ratio);
    }
}

TEST_F(FurrowRun, ShapeCoefficientsMoveToFeetAndBackWithTheirLimits)
{
    const double f = std::pow(3.28, 2 - 1.734), g = std::pow(3.28, 1 - 0.811);
    struct Step {
        bool toFeet;
        TUnitKind sigmaUnit, tauUnit;
        double sigma, sigmaLower, sigmaUpper, tau, tauLower, tauUpper;
    };
    const Step kSteps[] = {
        {true, ukFT_2_Sig2, ukFT_1_Tau2, 0.987 * f, 0.1 * f, 10 * f, 2.439 * g, 0.1 * g, 10 * g},
        // Already in feet: nothing more.
        {true, ukFT_2_Sig2, ukFT_1_Tau2, 0.987 * f, 0.1 * f, 10 * f, 2.439 * g, 0.1 * g, 10 * g},
        {false, ukM_2_Sig2, ukM_1_Tau2, 0.987, 0.1, 10, 2.439, 0.1, 10},
    };
    for (const Step &s : kSteps) {
        SCOPED_TRACE(s.toFeet ? "to feet" : "to metres");
        MoveShapeCoefficients(*run, s.toFeet);
        EXPECT_EQ(KindOf("Sigma1"), s.sigmaUnit);
        EXPECT_EQ(KindOf("Tau1"), s.tauUnit);
        EXPECT_NEAR(Parameter("Sigma1").GetValue(), s.sigma, 1e-12);
        EXPECT_NEAR(Parameter("Sigma1").Boundary()->Lower(), s.sigmaLower, 1e-12);
        EXPECT_NEAR(Parameter("Sigma1").Boundary()->Upper(), s.sigmaUpper, 1e-11);
        EXPECT_NEAR(Parameter("Tau1").GetValue(), s.tau, 1e-12);
        EXPECT_NEAR(Parameter("Tau1").Boundary()->Lower(), s.tauLower, 1e-12);
        EXPECT_NEAR(Parameter("Tau1").Boundary()->Upper(), s.tauUpper, 1e-11);
        // The exponents never change.
        EXPECT_EQ(Parameter("Sigma2").GetValue(), 1.734);
        EXPECT_EQ(Parameter("Tau2").GetValue(), 0.811);
    }
}

TEST_F(FurrowRun, MetresWhileMetricSetTheLimitsBackAndKeepTheValues)
{
    Parameter("Sigma1").Boundary()->SetLower(0.5);
    Parameter("Tau1").Boundary()->SetUpper(3);
    MoveShapeCoefficients(*run, false);
    EXPECT_EQ(KindOf("Sigma1"), ukM_2_Sig2);
    EXPECT_EQ(Parameter("Sigma1").GetValue(), 0.987);
    EXPECT_EQ(Parameter("Tau1").GetValue(), 2.439);
    for (const char *name : {"Sigma1", "Tau1"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(Parameter(name).Boundary()->Lower(), 0.1);
        EXPECT_EQ(Parameter(name).Boundary()->Upper(), 10);
    }
}

TEST_F(FurrowRun, AnExponentOfTheBasisPowerKeepsTheValueButNotTheUnit)
{
    Parameter("Sigma2").SetValue(2);
    Parameter("Tau2").SetValue(1);
    MoveShapeCoefficients(*run, true);
    EXPECT_EQ(KindOf("Sigma1"), ukFT_2_Sig2);
    EXPECT_EQ(KindOf("Tau1"), ukFT_1_Tau2);
    EXPECT_EQ(Parameter("Sigma1").GetValue(), 0.987);
    EXPECT_EQ(Parameter("Tau1").GetValue(), 2.439);
}

TEST_F(FurrowRun, RepointingMovesTheListedKindsToTheTargetAndKeepsStoredValues)
{
    Parameter("FlowRate").SetValue(1.5);
    Parameter("TrialFlowRate").SetValue(0.8);
    RepointKinds(*run, {ukLS_1, ukM3MIN_1, ukFT3S_1, ukGALMIN_1}, ukGALMIN_1);
    for (const char *name : {"FlowRate", "TrialFlowRate", "StableRunoffRate"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(KindOf(name), ukGALMIN_1);
    }
    EXPECT_EQ(Parameter("FlowRate").GetValue(), 1.5);
    EXPECT_EQ(Parameter("TrialFlowRate").GetValue(), 0.8);
    // Kinds not listed stay where they are.
    EXPECT_EQ(KindOf("Length"), ukMeters);
    EXPECT_EQ(KindOf("Kostiakovk"), ukMM_MIN_A);
}

}  // namespace
