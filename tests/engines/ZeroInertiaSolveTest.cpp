// The zero-inertia solve of a whole irrigation event: its water balance, where its front
// stops, and that the engines' grid is fine enough on the regimes it serves.

#include "Performance.h"
#include "ZeroInertiaSolve.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

using namespace hydraulics;

namespace {

// A field as the regimes below give it: l/s per metre of width (or per furrow), k in mm/min^a,
// f0 in mm/min, depths over the furrow spacing.
struct Regime {
    const char *name;
    double length, slope, manningN, unitFlowLps;
    double a, k, f0, cutoff;
    double spacing = 0, sideSlope = 0;  // furrows: a triangle
};

ZeroInertiaField fieldOf(const Regime &r, int cells)
{
    ZeroInertiaField f;
    const double flow = r.unitFlowLps * 0.06;
    const double perMetre = r.spacing > 0 ? r.spacing : 1.0;
    if (r.spacing > 0) {
        const auto section = triangularSection(r.sideSlope);
        f.channel = fieldChannel(fieldFlow(*section, *normalDepth(*section, flow, r.manningN, r.slope), r.manningN, r.slope));
    } else {
        f.channel = sheetChannel(1.0, r.manningN);
    }
    f.length = r.length;
    f.slope = r.slope;
    f.z = KostiakovLewis{r.a, r.k / 1000 * perMetre, r.f0 / 1000 * perMetre};
    f.inflow = flow;
    f.cutoff = r.cutoff;
    f.freeEnd = r.slope > 0;
    f.cells = cells;
    return f;
}

struct Outcome {
    double arrival, leastMillimetres;
};

Outcome solved(const Regime &r, int cells)
{
    const ZeroInertiaField f = fieldOf(r, cells);
    ZeroInertiaState s = dryField(f);
    EXPECT_TRUE(solveZeroInertia(f, s, kNever));
    // The least depth as the engines report it: on the performance points, through each
    // cell's profile.
    double least = kNever;
    for (int i = 0; i < kPerformanceCells; ++i)
        least = std::min(least, cellProfile(s.taken, f.length, (i + 0.5) * f.length / kPerformanceCells));
    return {s.arrival, least * 1000 / (r.spacing > 0 ? r.spacing : 1.0)};
}

// Early cutoffs of every regime the engines solve this way: near-level rough borders, a
// steeper border, a basin cut off at about half its advance, a furrow whose end is barely
// wetted.
const Regime kRegimes[] = {
    {"border 120 m, S 0.0004, n 0.22", 120, 0.0004, 0.22, 3.0, 0.5, 4.0, 0.1, 37.3},
    {"border 150 m, S 0.00034, n 0.241", 149.8, 0.00034, 0.241, 4.8, 0.461, 2.132, 0.0812, 39.5},
    {"border 315 m, S 0.0017, n 0.164", 315.2, 0.00168, 0.164, 4.132, 0.457, 4.999, 0.0851, 68.8},
    {"basin 200 m, n 0.2", 200, 0.0, 0.2, 5.0, 0.5, 1.2, 0.0, 48.6},
    {"basin 320 m, n 0.08", 320, 0.0, 0.08, 7.0, 0.55, 4.0, 0.0, 80},
    {"furrow 400 m, S 0.003", 400, 0.003, 0.04, 1.2, 0.5, 2.0, 0.1, 130, 0.75, 1.5},
    // A steep border cut off at 0.67 of its advance, its end barely wetted.
    {"border 285 m, S 0.00471, n 0.144", 285, 0.00471, 0.144, 3.09, 0.45, 7.52, 0.131, 110.1},
};

}  // namespace

TEST(ZeroInertiaSolve, BalancesTheWaterExactlyAtEveryStage)
{
    // Applied = taken in + on the surface + run off, to round-off, while the inflow runs, just
    // after the cutoff and once the surface is dry; on a free-draining field and behind a dyke.
    for (const Regime &r : {kRegimes[0], kRegimes[3]}) {
        SCOPED_TRACE(r.name);
        const ZeroInertiaField f = fieldOf(r, 60);
        ZeroInertiaState s = dryField(f);
        for (const double until : {0.5 * r.cutoff, r.cutoff + 1.0, kNever}) {
            ASSERT_TRUE(solveZeroInertia(f, s, until));
            double taken = 0.0;
            for (const double z : s.taken) taken += z * f.length / f.cells;
            EXPECT_NEAR(s.applied, taken + s.surface(f.length / f.cells) + s.runoff, 1e-12 * s.applied);
        }
        EXPECT_NEAR(s.applied, r.unitFlowLps * 0.06 * r.cutoff, 1e-12 * s.applied) << "the inflow stops at the cutoff";
        EXPECT_EQ(s.runoff > 0.0, f.freeEnd);
    }
}

TEST(ZeroInertiaSolve, BalancesTheWaterOfASurfaceDrainedFromItsCutoffProfile)
{
    // As the drained surface after a late cutoff starts it: water standing on every cell,
    // wetted at the advance's times, no inflow; what soaks in and runs off is what stood.
    const Regime r = kRegimes[2];
    ZeroInertiaField f = fieldOf(r, 20);
    f.cutoff = 200;
    ZeroInertiaState s = dryField(f);
    s.t = f.cutoff;
    for (std::size_t i = 0; i < s.area.size(); ++i) {
        s.area[i] = f.channel.area(0.04 * (1.0 - 0.5 * double(i) / double(s.area.size())));
        s.wetted[i] = 150.0 * double(i) / double(s.area.size());
        s.taken[i] = f.z.depth(f.cutoff - s.wetted[i]);
    }
    const double dx = f.length / f.cells, stood = s.surface(dx);
    double before = 0.0;
    for (const double z : s.taken) before += z * dx;
    ASSERT_TRUE(solveZeroInertia(f, s, kNever));
    double after = 0.0;
    for (const double z : s.taken) after += z * dx;
    EXPECT_EQ(s.applied, 0.0);
    EXPECT_EQ(s.surface(dx), 0.0) << "the films soak in once the surface is dry";
    EXPECT_NEAR(after - before + s.runoff, stood, 1e-12 * stood);
    EXPECT_GT(s.runoff, 0.0);
}

TEST(ZeroInertiaSolve, FrontStopsWhereTheWaterIsGone)
{
    // Cut off with the front half way: under a weak intake the water on the surface carries the
    // front to the end, under a strong one it stops short, and the cells beyond stay unwetted.
    // The front never goes back and every wetted cell holds water for a while.
    Regime r{"steep border", 200, 0.005, 0.15, 3.0, 0.5, 0.5, 0.0, 0};
    for (const double k : {0.5, 20.0}) {
        SCOPED_TRACE(k);
        r.k = k;
        r.cutoff = 1e9;
        const ZeroInertiaField running = fieldOf(r, 40);
        ZeroInertiaState s = dryField(running);
        // The time the running front takes to half the field.
        while (s.wetted[19] == kNever) ASSERT_TRUE(solveZeroInertia(running, s, s.t + 0.5));
        r.cutoff = s.wetted[19];
        const ZeroInertiaField f = fieldOf(r, 40);
        s = dryField(f);
        ASSERT_TRUE(solveZeroInertia(f, s, kNever));
        std::size_t wetted = 0;
        while (wetted < s.wetted.size() && s.wetted[wetted] != kNever) ++wetted;
        for (std::size_t i = wetted; i < s.wetted.size(); ++i) EXPECT_EQ(s.taken[i], 0.0) << "cell " << i;
        EXPECT_EQ(wetted == s.wetted.size(), k < 1.0);
        EXPECT_GT(wetted, 20u);
        for (std::size_t i = 1; i < wetted; ++i) {
            EXPECT_GT(s.wetted[i], s.wetted[i - 1]) << "cell " << i;
            EXPECT_GT(s.recession[i], s.wetted[i]) << "cell " << i;
        }
    }
}

TEST(ZeroInertiaSolve, EndsOnceTheWettedGroundIsDry)
{
    // Cut off so early that the front stops short: a film thinner than the wetting depth that
    // ran on ahead of it wets nothing, and the solve must not follow it down the field for
    // hours (it did, for 2900 and 10 000 min, on these two).
    Regime r{"short cutoff", 200, 0.0, 0.15, 3.0, 0.5, 5.0, 0.0, 0};
    for (const auto &[slope, cutoff] : {std::pair{0.0004, 5.0}, std::pair{0.002, 1.0}}) {
        SCOPED_TRACE(slope);
        r.slope = slope;
        r.cutoff = cutoff;
        const ZeroInertiaField f = fieldOf(r, 40);
        ZeroInertiaState s = dryField(f);
        ASSERT_TRUE(solveZeroInertia(f, s, kNever));
        ASSERT_EQ(s.arrival, kNever);
        const double dried = *std::max_element(s.recession.begin(), s.recession.end());
        // Within the step (at most a minute or a hundredth of the time) in which the last cell dried.
        EXPECT_LE(s.t, dried + std::max(1.0, 0.01 * s.t));
    }
}

TEST(ZeroInertiaSolve, EngineGridIsConverged)
{
    // Halving the cells of the engines' grid moves the advance time to the end and the least
    // infiltrated depth by less than 2 % (or 1 mm).
    const int cells = kEventCells;
    for (const Regime &r : kRegimes) {
        SCOPED_TRACE(r.name);
        const Outcome coarse = solved(r, cells), fine = solved(r, 2 * cells);
        std::printf("%-34s %3d cells: end at %7.2f min, least %6.2f mm; %3d cells: %7.2f min, %6.2f mm\n",
                    r.name, cells, coarse.arrival, coarse.leastMillimetres, 2 * cells, fine.arrival,
                    fine.leastMillimetres);
        ASSERT_NE(fine.arrival, kNever) << "the regimes' fronts reach the end";
        EXPECT_NEAR(coarse.arrival, fine.arrival, 0.02 * fine.arrival);
        EXPECT_NEAR(coarse.leastMillimetres, fine.leastMillimetres, std::max(1.0, 0.02 * fine.leastMillimetres));
    }
}
