// The furrow engine through its shared library, in the units the furrow binding sends.

#include "EngineLibrary.h"
#include "SlopingChecks.h"
#include "SlopingRecords.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

namespace {

class FurrowEngine : public ::testing::Test {
protected:
    EngineLibrary engine{"Rillox"};
    void SetUp() override { ASSERT_TRUE(engine.loaded()) << "libRillox.so beside the tests"; }
};

TEST_F(FurrowEngine, BalancesVolumesForEveryShapeOperationAndIntake)
{
    for (int shape = 1; shape <= 3; ++shape)
        for (int infiltration = 1; infiltration <= 3; ++infiltration)
            for (int operation = 1; operation <= 3; ++operation)
                for (int mode = 1; mode <= 4; ++mode) {
                    SCOPED_TRACE("shape " + std::to_string(shape) + ", intake " +
                                 std::to_string(infiltration) + ", operation " +
                                 std::to_string(operation) + ", mode " + std::to_string(mode));
                    const TIrrikaInfoRecord o =
                        engine.call(furrowRecord(mode, operation, infiltration, shape));
                    expectBalancedResult(o, o.Spacing, 4);
                }
}

TEST_F(FurrowEngine, DesignModesRoundTripThroughTheEvaluation)
{
    for (int infiltration = 1; infiltration <= 3; ++infiltration) {
        SCOPED_TRACE(infiltration);
        const TIrrikaInfoRecord m3 = engine.call(furrowRecord(3, 1, infiltration));
        ASSERT_EQ(m3.ErrorCode, 0);
        TIrrikaInfoRecord in4 = furrowRecord(4, 1, infiltration);
        in4.CutoffTime = m3.CutoffTime;
        EXPECT_NEAR(engine.call(in4).MinInfDepth, in4.RequiredDepth, 0.005 * in4.RequiredDepth);

        const TIrrikaInfoRecord m1 = engine.call(furrowRecord(1, 1, infiltration));
        ASSERT_EQ(m1.ErrorCode, 0);
        // Fixed flow: the quarter-time rule, whatever advance ratio the record holds.
        EXPECT_NEAR(m1.AdvanceTime, 0.25 * m1.OpportunityTime, 1e-4 * m1.AdvanceTime);
        TIrrikaInfoRecord in3 = furrowRecord(3, 1, infiltration);
        in3.FlowRate = m1.FlowRate;
        EXPECT_NEAR(engine.call(in3).CutoffTime, m1.CutoffTime, 0.005 * m1.CutoffTime);

        const TIrrikaInfoRecord m2 = engine.call(furrowRecord(2, 1, infiltration));
        ASSERT_EQ(m2.ErrorCode, 0);
        TIrrikaInfoRecord in3b = furrowRecord(3, 1, infiltration);
        in3b.Length = m2.Length;
        EXPECT_NEAR(engine.call(in3b).CutoffTime, m2.CutoffTime, 0.005 * m2.CutoffTime);
    }
}

TEST_F(FurrowEngine, FrontGoesOnAfterAnEarlyCutoff)
{
    // A 400 m furrow cut off at 150 min: the front reaches the end at about 157 min.
    TIrrikaInfoRecord in = furrowRecord(4);
    in.Length = 400;
    in.Slope = 0.003;
    in.SideSlope = 1.5;
    in.Spacing = 0.75;
    in.FlowRate = 1.2 * 0.06;
    in.KostiakovA = 0.5;
    in.KostiakovK = 0.002;
    in.KostiakovFo = 0.0001;
    in.CutoffTime = 150;
    const TIrrikaInfoRecord o = engine.call(in);
    expectBalancedResult(o, o.Spacing, 4);
    EXPECT_GT(o.AdvanceTime, o.CutoffTime);
    in.CutoffTime = 100;
    EXPECT_EQ(engine.call(in).ErrorCode, 8) << "this front stops short";
}

TEST_F(FurrowEngine, TwoPointEstimateReproducesTheTrialAdvance)
{
    TIrrikaInfoRecord in = furrowRecord(4, 1, 3);
    in.FlowRate = in.TrialFlowRate;
    in.Length = in.TrialLength;
    in.Slope = in.TrialSlope;
    const TIrrikaInfoRecord o = engine.call(in);
    ASSERT_EQ(o.ErrorCode, 0);
    EXPECT_NEAR(o.AdvanceTime, in.AdvTimeL, 1e-6 * in.AdvTimeL);
    // Rows 12 and 13 lie at 0.48 L and 0.52 L; L/2 halfway between them.
    const double half = 0.5 * (o.AdvanceCurve[12] + o.AdvanceCurve[13]);
    EXPECT_NEAR(half, in.AdvTimeHalfL, 0.005 * in.AdvTimeHalfL);
    // The final intake is the trial's steady loss per metre, over the spacing.
    EXPECT_NEAR(o.KostiakovFo, (in.TrialFlowRate - in.StableRunoffRate) / in.TrialLength / in.Spacing,
                1e-12);
    EXPECT_GT(o.KostiakovA, 0.0);
    EXPECT_LE(o.KostiakovA, 0.8);
}

TEST_F(FurrowEngine, ReturnsExactPowerLawsForATriangle)
{
    for (double z : {0.5, 1.0, 2.0, 3.0}) {
        SCOPED_TRACE(z);
        TIrrikaInfoRecord in = furrowRecord(4);
        in.SideSlope = z;
        in.MaxDepth = 0.15;
        const TIrrikaInfoRecord o = engine.call(in);
        ASSERT_EQ(o.ErrorCode, 0);
        EXPECT_NEAR(o.Sigma1, z, 1e-9);
        EXPECT_NEAR(o.Sigma2, 2.0, 1e-9);
        EXPECT_NEAR(o.Tau1, 2.0 * std::sqrt(1.0 + z * z), 1e-9);
        EXPECT_NEAR(o.Tau2, 1.0, 1e-9);
    }
}

TEST_F(FurrowEngine, PowerLawGeometryMatchesTheSectionItDescribes)
{
    // The triangle of side slope 2 given by its power laws must run as the triangle does.
    const TIrrikaInfoRecord shape = engine.call(furrowRecord(4));
    TIrrikaInfoRecord in = furrowRecord(4);
    in.Geometry = 2;
    in.Sigma1 = 2;
    in.Sigma2 = 2;
    in.Tau1 = 2 * std::sqrt(5.0);
    in.Tau2 = 1;
    const TIrrikaInfoRecord laws = engine.call(in);
    ASSERT_EQ(laws.ErrorCode, 0);
    EXPECT_NEAR(laws.AdvanceTime, shape.AdvanceTime, 1e-9 * shape.AdvanceTime);
    EXPECT_NEAR(laws.MinInfDepth, shape.MinInfDepth, 1e-9);
    EXPECT_EQ(laws.Sigma1, in.Sigma1);
    EXPECT_EQ(laws.Tau2, in.Tau2);
}

TEST_F(FurrowEngine, EchoesTheFieldsTheModeDoesNotSolve)
{
    struct Echo { int mode, operation; bool flow, length, cutoff, advanceRatio; };
    const Echo echoes[] = {{1, 1, false, true, false, true}, {2, 1, true, false, false, true},
                           {3, 1, true, true, false, true},  {4, 1, true, true, true, true},
                           {3, 2, true, true, false, false}, {4, 3, true, true, true, true}};
    for (const Echo &e : echoes) {
        SCOPED_TRACE("mode " + std::to_string(e.mode) + ", operation " + std::to_string(e.operation));
        TIrrikaInfoRecord in = furrowRecord(e.mode, e.operation);
        in.Geometry = 2;
        const TIrrikaInfoRecord o = engine.call(in);
        ASSERT_EQ(o.ErrorCode, 0);
        EXPECT_EQ(o.FlowRate == in.FlowRate, e.flow);
        EXPECT_EQ(o.Length == in.Length, e.length);
        EXPECT_EQ(o.CutoffTime == in.CutoffTime, e.cutoff);
        EXPECT_EQ(o.AdvanceRatio == in.AdvanceRatio, e.advanceRatio);
        EXPECT_EQ(o.KostiakovA, in.KostiakovA);
        EXPECT_EQ(o.KostiakovK, in.KostiakovK);
        EXPECT_EQ(o.KostiakovFo, in.KostiakovFo);
        EXPECT_EQ(o.Sigma1, in.Sigma1);
        EXPECT_EQ(o.Sigma2, in.Sigma2);
        EXPECT_EQ(o.Tau1, in.Tau1);
        EXPECT_EQ(o.Tau2, in.Tau2);
    }
}

TEST_F(FurrowEngine, IntakeFamilyCountsOverTheAdjustedWettedPerimeter)
{
    // NRCS furrow method: more flow wets more perimeter, up to the spacing.
    auto familyK = [&](double flowLps, double spacing) {
        TIrrikaInfoRecord in = furrowRecord(4, 1, 1);
        in.Geometry = 2;  // power laws: the spacing may be narrower than the furrow
        in.FlowRate = flowLps * 0.06;
        in.Spacing = spacing;
        const TIrrikaInfoRecord o = engine.call(in);
        EXPECT_EQ(o.ErrorCode, 0);
        return o.KostiakovK;
    };
    const double p = 0.265 * std::pow(1.5 * 0.04 / std::sqrt(0.005), 0.425) + 0.227;
    EXPECT_LT(familyK(1.0, 1.0), familyK(2.0, 1.0));
    EXPECT_NEAR(familyK(1.5, 1.0) / familyK(1.5, 2.0), 2.0, 1e-9);
    EXPECT_NEAR(familyK(1.5, 0.8) / familyK(1.5, 1.0), 1.25, 1e-9);
    // A spacing narrower than the wetted perimeter caps it: the depth is the family's own.
    EXPECT_NEAR(familyK(1.5, 0.4) / familyK(1.5, 1.0), 1.0 / p, 1e-9);
}

struct ErrorCase {
    const char *situation;
    std::function<void(TIrrikaInfoRecord &)> change;
    int error, warning;
};

const ErrorCase kErrorCases[] = {
    {"mode 1: the front stalls even at the largest flow",
     [](TIrrikaInfoRecord &r) { r.Mode = 1; r.KostiakovFo = 0.01; }, 1, 0},
    {"mode 2: the front stalls even in the shortest furrow",
     [](TIrrikaInfoRecord &r) { r.Mode = 2; r.KostiakovFo = 0.01; }, 2, 0},
    {"mode 4: the front stalls", [](TIrrikaInfoRecord &r) { r.KostiakovFo = 0.01; }, 3, 0},
    {"mode 1, cutback: too slow even at the largest flow",
     [](TIrrikaInfoRecord &r) { r.Mode = 1; r.Operation = 2; r.Length = 500; r.AdvanceRatio = 0.1; r.Slope = 0.0005; }, 4, 0},
    {"mode 1, cutback: too fast even at the smallest flow",
     [](TIrrikaInfoRecord &r) { r.Mode = 1; r.Operation = 2; r.Length = 50; r.AdvanceRatio = 0.9; r.KostiakovK = 0.0002; r.KostiakovFo = 0; }, 5, 0},
    {"required depth never reached",
     [](TIrrikaInfoRecord &r) { r.KostiakovK = 0; r.KostiakovFo = 0; }, 7, 0},
    {"mode 4: cutoff before the front reaches the end",
     [](TIrrikaInfoRecord &r) { r.CutoffTime = 20; }, 8, 0},
    {"power laws: tau2 not below 2.5 sigma2",
     [](TIrrikaInfoRecord &r) { r.Geometry = 2; r.Sigma2 = 0.5; r.Tau2 = 1.25; }, 9, 0},
    {"power laws: sigma2 equal to tau2",
     [](TIrrikaInfoRecord &r) { r.Geometry = 2; r.Sigma2 = 1.5; r.Tau2 = 1.5; }, 10, 0},
    {"power laws: sigma2 near 1",
     [](TIrrikaInfoRecord &r) { r.Geometry = 2; r.Sigma2 = 1.0; }, 11, 0},
    {"parabola wider than four depths",
     [](TIrrikaInfoRecord &r) { r.CrossSection = 2; r.MaxWidth = 0.9; r.MaxDepth = 0.2; }, 12, 0},
    {"triangle overflows at the inlet: deeper than the spacing lets it be",
     [](TIrrikaInfoRecord &r) { r.Spacing = 0.6; r.FlowRate = 1.0; }, 13, 0},
    {"trial inflow not above its runoff",
     [](TIrrikaInfoRecord &r) { r.InfiltrationOption = 3; r.StableRunoffRate = r.TrialFlowRate; }, 14, 0},
    {"trial advance to the end before mid-field",
     [](TIrrikaInfoRecord &r) { r.InfiltrationOption = 3; r.AdvTimeL = 15; }, 15, 0},
    {"trial advance to L/2 too small",
     [](TIrrikaInfoRecord &r) { r.InfiltrationOption = 3; r.AdvTimeHalfL = 0.01; r.AdvTimeL = 55; }, 16, 0},
    {"trial advance to L too small",
     [](TIrrikaInfoRecord &r) { r.InfiltrationOption = 3; r.AdvTimeHalfL = 0.01; r.AdvTimeL = 0.015; r.TrialLength = 100; }, 18, 0},
    {"trial estimates outside their ranges",
     [](TIrrikaInfoRecord &r) { r.InfiltrationOption = 3; r.AdvTimeHalfL = 54; }, 19, 0},
    {"triangle without a spacing",
     [](TIrrikaInfoRecord &r) { r.Spacing = 0; }, 20, 0},
    {"parabola wider than the spacing",
     [](TIrrikaInfoRecord &r) { r.CrossSection = 2; r.MaxWidth = 0.8; r.Spacing = 0.75; }, 21, 0},
    {"trapezoid whose bed is as wide as the spacing",
     [](TIrrikaInfoRecord &r) { r.CrossSection = 3; r.Spacing = 0.2; }, 22, 0},
    {"power-law furrow wider than the spacing at the inlet",
     [](TIrrikaInfoRecord &r) { r.Geometry = 2; r.Spacing = 0.2; }, 0, 1},
    {"inlet velocity above the maximum",
     [](TIrrikaInfoRecord &r) { r.MaxVelocity = 7; r.FlowRate = 0.9; r.Slope = 0.05; r.FlowResistance = 0.01; }, 0, 2},
    {"both",
     [](TIrrikaInfoRecord &r) { r.Geometry = 2; r.Spacing = 0.2; r.MaxVelocity = 7; r.FlowRate = 0.9; r.Slope = 0.05; r.FlowResistance = 0.01; }, 0, 3},
    {"cutback flow short of the intake",
     [](TIrrikaInfoRecord &r) { r.Operation = 2; r.KostiakovFo = 0.0003; }, 0, 4},
};

TEST_F(FurrowEngine, ReportsEachSituationWithItsCode)
{
    for (const ErrorCase &c : kErrorCases) {
        SCOPED_TRACE(c.situation);
        TIrrikaInfoRecord in = furrowRecord(4);
        c.change(in);
        expectCodes(engine, in, c.error, c.warning);
    }
}

TEST_F(FurrowEngine, RandomInputsWithinTheLimitsGiveFiniteResultsOrACode)
{
    LimitSampler pick(7);
    int solved = 0;
    for (int i = 0; i < 300; ++i) {
        TIrrikaInfoRecord r = furrowRecord(1 + i % 4, pick.pick(1, 3), pick.pick(1, 3), pick.pick(1, 3));
        r.Geometry = pick.pick(1, 2);
        r.SCSNumber = r.InfiltrationOption == 1 ? pick(0.05, 2.0) : 0.0;
        r.KostiakovA = pick(0.01, 0.8);
        r.KostiakovK = pick(0.05, 30) / 1000;
        r.KostiakovFo = pick(0.05, 30) / 1000;
        r.FlowResistance = pick(0.01, 0.4);
        r.RequiredDepth = pick(33, 250) / 1000;
        r.FlowRate = pick(0.02, 16.67) * 0.06;
        r.Length = pick(50, 500);
        r.CutoffTime = pick(10, 2000);
        r.Slope = pick(0.0005, 0.05);
        r.AdvanceRatio = pick(0.1, 0.9);
        r.CutBackRatio = pick(0.65, 1);
        r.MaxVelocity = pick(7, 15);
        r.Spacing = pick(0, 3);
        r.SideSlope = pick(0.5, 3);
        r.BedWidth = pick(0.05, 0.5);
        r.MaxDepth = pick(0.01, 0.25);
        r.MaxWidth = pick(0.2, 1);
        r.Sigma1 = pick(0.1, 10);
        r.Sigma2 = pick(0.1, 10);
        r.Tau1 = pick(0.1, 10);
        r.Tau2 = pick(0.1, 10);
        r.TrialFlowRate = pick(0.002, 3.334) * 0.06;
        r.StableRunoffRate = pick(0.002, 2.501) * 0.06;
        r.AdvTimeL = pick(5, 1440);
        r.AdvTimeHalfL = pick(5, 500);
        r.TrialLength = pick(50, 700);
        r.TrialSlope = pick(0.0003, 0.03);
        const TIrrikaInfoRecord o = engine.call(r);
        ASSERT_TRUE(o.ErrorCode >= 0 && o.ErrorCode <= 22) << o.ErrorCode;
        ASSERT_TRUE(o.WarningCode >= 0 && o.WarningCode <= 4);
        if (o.ErrorCode != 0) continue;
        ++solved;
        ASSERT_TRUE(allFinite(o));
    }
    EXPECT_GT(solved, 20);
}

}  // namespace
