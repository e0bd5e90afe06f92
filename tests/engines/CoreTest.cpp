// The shared hydraulics checked against closed forms and the published curves they rest on.

#include "Advance.h"
#include "Infiltration.h"
#include "LevelBasin.h"
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
    // x ~ q^(7/16) t^(13/16) n^(-3/8): r = 13/16, doubling q shortens the advance by
    // 2^(-7/13), doubling n lengthens it by 2^(6/13).
    auto advance = [](double q, double n) {
        AdvanceProblem pb;
        pb.inflow = q;
        pb.storageCoeff = levelBasinStorageCoeff(q, n);
        pb.storageExp = kLevelBasinStorageExp;
        pb.z = {0.5, 1e-12, 0.0};
        return solveAdvance(pb, 100.0);
    };
    const Advance base = advance(0.05, 0.1);
    ASSERT_EQ(base.status, AdvanceStatus::Ok);
    EXPECT_NEAR(base.r, 13.0 / 16.0, 1e-6);
    EXPECT_NEAR(advance(0.1, 0.1).tL / base.tL, std::pow(2.0, -7.0 / 13.0), 1e-6);
    EXPECT_NEAR(advance(0.05, 0.2).tL / base.tL, std::pow(2.0, 6.0 / 13.0), 1e-6);
    // Mass: the inflow is all on the surface, I y0 x with the similarity shape factor.
    const double q = 0.05, n = 0.1;
    const double y0 = levelBasinStorageCoeff(q, n) * std::pow(100.0, 3.0 / 13.0) /
                      levelBasinSimilarity().shapeFactor;
    EXPECT_NEAR(q * base.tL, levelBasinSimilarity().shapeFactor * y0 * 100.0, 1e-9);
    EXPECT_GT(levelBasinSimilarity().shapeFactor, 0.6);
    EXPECT_LT(levelBasinSimilarity().shapeFactor, 0.9);
}

TEST(Advance, StallsWhenTheFinalIntakeEatsTheInflow)
{
    AdvanceProblem pb;
    pb.inflow = 0.5;
    pb.storageCoeff = 0.77 * 0.01;
    pb.z = {0.5, 0.002, 0.004};  // f0 L = 1.2 m2/min > inflow for L = 300
    EXPECT_EQ(solveAdvance(pb, 300.0).status, AdvanceStatus::DoesNotReach);
    EXPECT_EQ(solveAdvance(pb, 50.0).status, AdvanceStatus::Ok);
}
