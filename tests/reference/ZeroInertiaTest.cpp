// The reference itself: its volume balance, the similarity law it must reproduce without
// infiltration, and how little its results move when the grid is refined.

#include "ZeroInertia.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace reference;

namespace {

Field levelStrip()
{
    // The measured basin: a 100 m strip at 3 l/s per metre, n 0.15, k 2.84 mm/min^0.706.
    Field f;
    f.length = 100;
    f.manningN = 0.15;
    f.intake = {0.706, 0.00284, 0.0};
    f.inflow = 0.18;
    f.cutoff = 45;
    return f;
}

Field slopingStrip()
{
    // The measured border: 250 m at slope 0.003, 1.5 l/s per metre, cutoff 120 min.
    Field f;
    f.length = 250;
    f.slope = 0.003;
    f.manningN = 0.15;
    f.intake = {0.534, 0.00124, 0.00019};
    f.inflow = 0.09;
    f.cutoff = 120;
    f.closedEnd = false;
    return f;
}

}  // namespace

TEST(ZeroInertiaReference, KeepsTheVolumeBalance)
{
    Field furrow = slopingStrip();
    furrow.channel = {false, 0.2, 1.0};
    furrow.manningN = 0.04;
    for (const Field &f : {levelStrip(), slopingStrip(), furrow}) {
        const Result r = simulate(f, Grid{60});
        EXPECT_NEAR(r.applied, f.inflow * f.cutoff, 1e-9 * r.applied);
        EXPECT_NEAR(r.applied, r.infiltratedVolume + r.runoff + r.surface, 1e-9 * r.applied);
        EXPECT_LT(r.surface, 1e-3 * r.applied);
        if (f.closedEnd) {
            EXPECT_EQ(r.runoff, 0.0);
        }
    }
}

TEST(ZeroInertiaReference, LevelStripWithoutInfiltrationFollowsTheSimilarityLaw)
{
    // x ~ t^(13/16): twice the distance takes 2^(16/13) times as long.
    Field f = levelStrip();
    f.intake = {0.5, 1e-12, 0.0};
    f.cutoff = 200;
    Grid g{100};
    g.maxMinutes = 36;  // the front is past 80 m by then; the flat pond after it is slow to run
    const Result r = simulate(f, g);
    ASSERT_GT(r.advanceAt(80), 0.0);
    EXPECT_NEAR(r.advanceAt(80) / r.advanceAt(40), std::pow(2.0, 16.0 / 13.0), 0.01);
}

TEST(ZeroInertiaReference, RefiningTheGridMovesTheResultsByLessThanOnePerCent)
{
    struct Refinement { Field field; int cells; };
    const Refinement cases[] = {{levelStrip(), 50}, {slopingStrip(), 100}};
    for (const Refinement &c : cases) {
        SCOPED_TRACE(c.cells);
        const Result coarse = simulate(c.field, Grid{c.cells});
        const Result fine = simulate(c.field, Grid{2 * c.cells});
        ASSERT_TRUE(coarse.reachedEnd);
        ASSERT_TRUE(fine.reachedEnd);
        const double length = c.field.length;
        for (double share : {0.25, 0.5, 0.75, 1.0}) {
            EXPECT_NEAR(coarse.advanceAt(share * length), fine.advanceAt(share * length),
                        0.01 * fine.advanceAt(share * length)) << share;
        }
        EXPECT_NEAR(coarse.infiltratedAt(0), fine.infiltratedAt(0), 0.01 * fine.infiltratedAt(0));
        EXPECT_NEAR(coarse.infiltratedAt(length), fine.infiltratedAt(length),
                    0.01 * fine.infiltratedAt(length));
    }
}
