// The reference itself: its volume balance, the similarity law it must reproduce without
// infiltration, and how little its results move when the grid is refined.

#include "ZeroInertia.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace reference;

namespace {

// A strip of unit width, closed by a dyke where it is level (a basin) and free where it slopes.
Field strip(double length, double slope, double manningN, Intake intake, double inflow, double cutoff)
{
    Field f;
    f.length = length;
    f.slope = slope;
    f.manningN = manningN;
    f.intake = intake;
    f.inflow = inflow;
    f.cutoff = cutoff;
    f.closedEnd = slope == 0.0;
    return f;
}

// The measured basin: a 100 m strip at 3 l/s per metre, n 0.15, k 2.84 mm/min^0.706.
Field levelStrip() { return strip(100, 0, 0.15, {0.706, 0.00284, 0.0}, 0.18, 45); }

// The measured border: 250 m at slope 0.003, 1.5 l/s per metre, cutoff 120 min.
Field slopingStrip() { return strip(250, 0.003, 0.15, {0.534, 0.00124, 0.00019}, 0.09, 120); }

// The regimes where the end is reached only by the water left on the surface at cutoff: a
// near-level rough border (4.8 l/s per metre) and a basin (2 l/s per metre) cut off at about
// half their advance.
Field nearLevelBorderCutOffEarly() { return strip(149.8, 0.00034, 0.241, {0.461, 0.002132, 0.0000812}, 0.288, 39.5); }
Field basinCutOffEarly() { return strip(80, 0, 0.10, {0.6, 0.0015, 0.0}, 0.12, 18.7); }

Field furrowWithTheEndBarelyWetted()
{
    // 400 m at slope 0.003, 1.2 l/s, a triangle of side slope 1.5 spaced 0.75 m; its tail
    // gets a quarter of the inlet's depth (five minutes less and the front stops short).
    Field f = strip(400, 0.003, 0.04, {0.5, 0.002 * 0.75, 0.0001 * 0.75}, 0.072, 125);
    f.channel = {false, 0.0, 1.5};
    return f;
}

}  // namespace

TEST(ZeroInertiaReference, KeepsTheVolumeBalance)
{
    Field furrow = slopingStrip();
    furrow.channel = {false, 0.2, 1.0};
    furrow.manningN = 0.04;
    for (const Field &f : {levelStrip(), slopingStrip(), furrow, nearLevelBorderCutOffEarly(), basinCutOffEarly(),
                           furrowWithTheEndBarelyWetted()}) {
        SCOPED_TRACE(f.length);
        const Result r = simulate(f, Grid{60});
        ASSERT_TRUE(r.reachedEnd);
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
    Grid g{200};
    g.maxMinutes = 36;  // the front is past 80 m by then; the flat pond after it is slow to run
    const Result r = simulate(f, g);
    ASSERT_GT(r.advanceAt(80), 0.0);
    EXPECT_NEAR(r.advanceAt(80) / r.advanceAt(40), std::pow(2.0, 16.0 / 13.0), 0.01);
}

TEST(ZeroInertiaReference, HalvingTheCellsMovesTheResultsLittle)
{
    // Each pair's coarser grid is at most the comparison's (100 cells for basins, 200 for the
    // rest). Where the inflow runs until the end is reached the results move by under 1 %;
    // where the end is reached only by the water left at cutoff, by under 2 % (1 mm of depth).
    struct Refinement {
        const char *name;
        Field field;
        int cells;
        double share;
    };
    const Refinement cases[] = {
        {"level strip", levelStrip(), 100, 0.01},
        {"sloping strip", slopingStrip(), 100, 0.01},
        {"near-level rough border cut off early", nearLevelBorderCutOffEarly(), 100, 0.02},
        {"basin cut off early", basinCutOffEarly(), 50, 0.02},
        {"furrow whose end is barely wetted", furrowWithTheEndBarelyWetted(), 100, 0.02},
    };
    for (const Refinement &c : cases) {
        SCOPED_TRACE(c.name);
        const Result coarse = simulate(c.field, Grid{c.cells});
        const Result fine = simulate(c.field, Grid{2 * c.cells});
        ASSERT_TRUE(coarse.reachedEnd);
        ASSERT_TRUE(fine.reachedEnd);
        const double length = c.field.length;
        for (double share : {0.25, 0.5, 0.75, 1.0}) {
            const double t = fine.advanceAt(share * length);
            EXPECT_NEAR(coarse.advanceAt(share * length), t, c.share * t) << "advance to " << share << " L";
        }
        // Depths as volumes per metre of a unit strip or of the furrow's spacing.
        const double metre = c.field.channel.strip ? 1.0 : 0.75;
        auto depthBound = [&](double v) { return std::max(c.share * v, 0.001 * metre); };
        EXPECT_NEAR(coarse.infiltratedAt(0), fine.infiltratedAt(0), depthBound(fine.infiltratedAt(0)));
        EXPECT_NEAR(coarse.leastInfiltrated(), fine.leastInfiltrated(), depthBound(fine.leastInfiltrated()))
            << "least infiltrated";
    }
}
