// The shared hydraulics checked against closed forms and the published curves they rest on.

#include "Advance.h"
#include "Infiltration.h"
#include "LevelBasin.h"
#include "SlopingField.h"
#include "Roots.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace hydraulics;

TEST(Roots, FindsTheRootInsideTheBracketOnlyWhenTheSignChanges)
{
    auto f = [](double x) { return x * x * x - 2.0; };
    auto root = findRoot(f, 0.0, 4.0);
    ASSERT_TRUE(root);
    EXPECT_NEAR(*root, std::cbrt(2.0), 1e-9);
    EXPECT_FALSE(findRoot(f, 2.0, 4.0));
    EXPECT_FALSE(findRootAbove([](double) { return -1.0; }, 0.0, 1.0, 1e6));
}

TEST(Infiltration, OpportunityTimeInvertsTheKostiakovLewisDepth)
{
    const KostiakovLewis z{0.6, 0.004, 0.0002};
    auto tau = opportunityTime(z, 0.08);
    ASSERT_TRUE(tau);
    EXPECT_NEAR(z.depth(*tau), 0.08, 1e-10);
    EXPECT_FALSE(opportunityTime({0.6, 0.0, 0.0}, 0.08));
}

TEST(Infiltration, IntakeFamiliesFollowTheNrcsCurvesOverTheDesignRange)
{
    struct Row { double number, a, b; };
    const Row rows[] = {{0.05, 0.5334, 0.618}, {0.5, 1.1963, 0.748}, {1.0, 1.7856, 0.785},
                        {2.0, 2.7534, 0.808}};
    for (const Row &row : rows) {
        SCOPED_TRACE(row.number);
        auto z = intakeFamilyMillimetres(row.number);
        ASSERT_TRUE(z);
        EXPECT_TRUE(z->valid());
        const double t50 = std::pow((50.0 - 6.985) / row.a, 1.0 / row.b);
        const double t200 = std::pow((200.0 - 6.985) / row.a, 1.0 / row.b);
        EXPECT_NEAR(z->depth(t50), 50.0, 2.5);
        EXPECT_NEAR(z->depth(t200), 200.0, 10.0);
    }
    // A higher family number is a faster soil.
    EXPECT_LT(intakeFamilyMillimetres(0.3)->depth(100), intakeFamilyMillimetres(0.35)->depth(100));
    EXPECT_FALSE(intakeFamilyMillimetres(2.5));
    EXPECT_FALSE(intakeFamilyMillimetres(0.01));
}

TEST(Advance, LevelBasinWithoutInfiltrationFollowsTheSimilarityLaw)
{
    // x ~ q^(7/16) t^(13/16) n^(-3/8): the front takes 2^(16/13) times as long to twice the
    // distance, doubling q shortens the advance by 2^(-7/13), doubling n lengthens it by
    // 2^(6/13).
    auto advance = [](double q, double n) {
        AdvanceStatus status;
        const Trajectory tr = levelBasinAdvance({q, 100.0, n, {0.5, 1e-12, 0.0}}, status);
        EXPECT_EQ(status, AdvanceStatus::Ok);
        return tr;
    };
    const Trajectory base = advance(0.05, 0.1);
    EXPECT_NEAR(base.time(100.0) / base.time(50.0), std::pow(2.0, 16.0 / 13.0), 2e-3);
    EXPECT_NEAR(advance(0.1, 0.1).endTime() / base.endTime(), std::pow(2.0, -7.0 / 13.0), 2e-3);
    EXPECT_NEAR(advance(0.05, 0.2).endTime() / base.endTime(), std::pow(2.0, 6.0 / 13.0), 2e-3);
    // Mass: the inflow is all on the surface, I y0 x with the similarity shape factor.
    const double y0 = levelBasinInletDepth(0.05, 0.1, 100.0);
    EXPECT_NEAR(0.05 * base.endTime(), levelBasinSimilarity().shapeFactor * y0 * 100.0,
                2e-3 * 0.05 * base.endTime());
    EXPECT_GT(levelBasinSimilarity().shapeFactor, 0.6);
    EXPECT_LT(levelBasinSimilarity().shapeFactor, 0.9);
}

TEST(Advance, LevelBasinFrontAfterCutoffFollowsTheZeroInertiaCurve)
{
    // Without infiltration the front after cutoff runs along x / x_co = F(t / t_co), whatever
    // the inflow and n; values from the zero-inertia computation the engine's table rests on.
    struct Point { double theta, front; };
    const Point curve[] = {{1.5, 1.3709}, {2.5, 1.8531}, {5.0, 2.5675}};
    for (double n : {0.04, 0.15}) {
        SCOPED_TRACE(n);
        const LevelBasinField field{0.1, 800.0, n, {0.5, 1e-12, 0.0}};
        AdvanceStatus status;
        const Trajectory running = levelBasinAdvance(field, status);
        ASSERT_EQ(status, AdvanceStatus::Ok);
        const double cutoff = running.time(100.0);
        const Trajectory after = levelBasinAdvanceAfterCutoff(field, running, cutoff);
        for (const Point &p : curve) {
            EXPECT_NEAR(after.front(p.theta * cutoff) / 100.0, p.front, 0.01 * p.front) << p.theta;
        }
    }
}

TEST(Advance, StallsWhenTheFinalIntakeEatsTheInflow)
{
    const auto sheet = sheetSection(1.0);
    SlopingField f;
    f.inflow = 0.5;
    f.width = 1.0;
    f.manningN = 0.15;
    f.slope = 0.002;
    f.section = sheet.get();
    f.z = {0.5, 0.002, 0.004};  // f0 L = 1.2 m2/min > inflow for L = 300
    AdvanceStatus status;
    f.length = 300.0;
    slopingAdvance(f, status);
    EXPECT_EQ(status, AdvanceStatus::DoesNotReach);
    f.length = 50.0;
    slopingAdvance(f, status);
    EXPECT_EQ(status, AdvanceStatus::Ok);
}
