// Fields whose inflow stops before the front reaches the end, one or two per regime, pinned
// to 1 %: the comparison with the zero-inertia reference allows 10 %, which does not notice
// when a constant of the solve moves. And a cutoff just before and just after the running
// arrival give the same answer.

#include "EngineLibrary.h"
#include "SlopingRecords.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

enum class Engine { Basin, Border, Furrow };

// A field in the units of the comparison tables (Engines/VALIDATION.md): l/s per metre of
// width (or per furrow), k in mm/min^a, f0 in mm/min; the required depth in mm.
struct Field {
    const char *name;
    Engine engine;
    double length, slope, manningN, unitFlow, width, a, k, f0;
    int mode;
    double cutoff, requiredDepth;
};

TIrrikaInfoRecord recordOf(const Field &f)
{
    if (f.engine == Engine::Basin) {
        TIrrikaInfoRecord r;
        std::memset(&r, 0, sizeof r);
        r.KostiakovA = f.a;
        r.KostiakovK = f.k / std::pow(60.0, f.a);
        r.FlowResistance = f.manningN;
        r.RequiredDepth = f.requiredDepth;
        r.FlowRate = f.unitFlow * f.width;
        r.Length = f.length;
        r.Width = f.width;
        r.LengthWidthRatio = 1.5;
        r.Mode = f.mode;
        r.CutoffTime = f.cutoff;
        return r;
    }
    TIrrikaInfoRecord r = f.engine == Engine::Border ? borderRecord(f.mode, 1, 2) : furrowRecord(f.mode, 1, 2);
    r.KostiakovA = f.a;
    r.KostiakovK = f.k / 1000;
    r.KostiakovFo = f.f0 / 1000;
    r.FlowResistance = f.manningN;
    r.Slope = f.slope;
    r.Length = f.length;
    r.CutoffTime = f.cutoff;
    r.RequiredDepth = f.requiredDepth / 1000;
    // A border's flow spreads over its width; a furrow is a triangle of side slope 1.5.
    const bool border = f.engine == Engine::Border;
    r.FlowRate = f.unitFlow * (border ? f.width : 1.0) * 0.06;
    (border ? r.Width : r.Spacing) = f.width;
    r.LengthWidthRatio = border ? f.length / f.width : 0.0;
    r.SideSlope = border ? 0.0 : 1.5;
    return r;
}

const char *library(Engine e) { return e == Engine::Basin ? "Pondix" : e == Engine::Border ? "Striva" : "Rillox"; }

double millimetres(Engine e, double depth) { return e == Engine::Basin ? depth : depth * 1000; }

struct Pinned {
    Field field;
    double cutoff, advance, least;  // min, min, mm
};

const Pinned kPinned[] = {
    // Near-level rough borders, cut off early; the first also sized for 30 mm.
    {{"border 120 m, S 0.0004, n 0.22", Engine::Border, 120, 0.0004, 0.22, 3.0, 10, 0.5, 4.0, 0.1, 4, 37.3, 60}, 37.3, 117.86, 17.26},
    {{"border 120 m, for 30 mm", Engine::Border, 120, 0.0004, 0.22, 3.0, 10, 0.5, 4.0, 0.1, 3, 0, 30}, 38.0, 106.76, 30.10},
    {{"border 150 m, S 0.00034, n 0.241", Engine::Border, 149.8, 0.00034, 0.241, 4.8, 15, 0.461, 2.132, 0.0812, 4, 39.5, 60}, 39.5, 72.71, 43.84},
    // A steeper border cut off at 0.47 of its advance.
    {{"border 315 m, S 0.0017, n 0.164", Engine::Border, 315.2, 0.00168, 0.164, 4.132, 15, 0.457, 4.999, 0.0851, 4, 68.8, 60}, 68.8, 170.58, 33.44},
    // Basins cut off at about half their advance; the last sized for 50 mm.
    {{"basin 150 m, n 0.04", Engine::Basin, 150, 0, 0.04, 3.0, 50, 0.5, 1.5, 0, 4, 21.0, 80}, 21, 54.63, 23.44},
    {{"basin 200 m, n 0.2", Engine::Basin, 200, 0, 0.20, 5.0, 50, 0.5, 1.2, 0, 4, 48.6, 80}, 48.6, 98.25, 72.30},
    {{"basin 320 m, n 0.08, for 50 mm", Engine::Basin, 320, 0, 0.08, 7.0, 60, 0.55, 4.0, 0, 3, 0, 50}, 62.01, 144.75, 49.91},
    // A furrow whose end is barely wetted.
    {{"furrow 400 m, S 0.003", Engine::Furrow, 400, 0.003, 0.04, 1.2, 0.75, 0.5, 2.0, 0.1, 4, 130, 75}, 130, 155.27, 10.39},
};

}  // namespace

TEST(EarlyCutoff, FieldsOfEveryRegimeKeepTheirAnswers)
{
    for (const Pinned &p : kPinned) {
        SCOPED_TRACE(p.field.name);
        EngineLibrary engine(library(p.field.engine));
        ASSERT_TRUE(engine.loaded());
        const TIrrikaInfoRecord o = engine.call(recordOf(p.field));
        ASSERT_EQ(o.ErrorCode, 0);
        const double least = millimetres(p.field.engine, o.MinInfDepth);
        std::printf("%-34s cutoff %7.2f min, advance %7.2f min, least %6.2f mm\n", p.field.name, o.CutoffTime,
                    o.AdvanceTime, least);
        EXPECT_LT(o.CutoffTime, o.AdvanceTime) << "the inflow stops before the front arrives";
        EXPECT_NEAR(o.CutoffTime, p.cutoff, 0.01 * p.cutoff);
        EXPECT_NEAR(o.AdvanceTime, p.advance, 0.01 * p.advance);
        EXPECT_NEAR(least, p.least, 0.01 * p.least);
        if (p.field.mode != 3) continue;
        // A cutoff design, evaluated: the front reaches the end and the tail gets its depth.
        TIrrikaInfoRecord evaluation = recordOf(p.field);
        evaluation.Mode = 4;
        evaluation.CutoffTime = o.CutoffTime;
        const TIrrikaInfoRecord e = engine.call(evaluation);
        ASSERT_EQ(e.ErrorCode, 0);
        EXPECT_GE(millimetres(p.field.engine, e.MinInfDepth), 0.98 * p.field.requiredDepth);
    }
}

TEST(EarlyCutoff, CutoffJustBeforeOrAfterTheRunningArrivalGivesTheSameAnswer)
{
    // Before the running arrival the whole event is solved, after it the volume balance runs;
    // across it the two are blended, so the answers move on smoothly.
    for (const Pinned &p : {kPinned[0], kPinned[3], kPinned[5], kPinned[7]}) {
        SCOPED_TRACE(p.field.name);
        EngineLibrary engine(library(p.field.engine));
        TIrrikaInfoRecord r = recordOf(p.field);
        r.CutoffTime = 799;  // long after the arrival, within the basin's limits
        const double arrival = engine.call(r).AdvanceTime;
        r.CutoffTime = arrival * (1 - 1e-4);
        const TIrrikaInfoRecord before = engine.call(r);
        r.CutoffTime = arrival * (1 + 1e-4);
        const TIrrikaInfoRecord after = engine.call(r);
        ASSERT_EQ(before.ErrorCode, 0);
        ASSERT_EQ(after.ErrorCode, 0);
        EXPECT_NEAR(before.AdvanceTime, after.AdvanceTime, 1e-3 * after.AdvanceTime);
        EXPECT_NEAR(before.MinInfDepth, after.MinInfDepth, 2e-3 * after.MinInfDepth);
        EXPECT_NEAR(before.SurfaceRunoff, after.SurfaceRunoff, 2e-3 * after.SurfaceRunoff + 1e-6);
    }
}

TEST(EarlyCutoff, CutoffsWithinTheSeamKeepTheirAnswers)
{
    // Just after the running arrival the solved event and the volume balance are blended: a
    // moved seam moves these answers, which no field cut off earlier or later notices.
    struct SeamCase {
        int pinned;
        double share;          // cutoff over the running arrival
        double advance, least; // min, mm
    };
    const SeamCase cases[] = {{3, 1.05, 144.893, 69.663}, {5, 1.05, 88.277, 139.001}, {7, 1.05, 155.641, 20.662}};
    for (const SeamCase &c : cases) {
        const Pinned &p = kPinned[c.pinned];
        SCOPED_TRACE(p.field.name);
        EngineLibrary engine(library(p.field.engine));
        TIrrikaInfoRecord r = recordOf(p.field);
        r.CutoffTime = 799;  // long after the arrival, within the basin's limits
        r.CutoffTime = c.share * engine.call(r).AdvanceTime;
        const TIrrikaInfoRecord o = engine.call(r);
        ASSERT_EQ(o.ErrorCode, 0);
        const double least = millimetres(p.field.engine, o.MinInfDepth);
        std::printf("%-34s cutoff %7.2f min, advance %7.3f min, least %6.3f mm\n", p.field.name, o.CutoffTime,
                    o.AdvanceTime, least);
        EXPECT_NEAR(o.AdvanceTime, c.advance, 0.001 * c.advance);
        EXPECT_NEAR(least, c.least, 0.001 * c.least);
    }
}
