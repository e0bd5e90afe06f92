// The water balance of every accepted result on a seeded sample of practical fields, cutoffs
// before the front arrives among them: what was applied is what infiltrated plus what ran
// off, and the application efficiency, the deep percolation and the runoff ratio add up to
// 100 %, in every operation.

#include "EngineLibrary.h"
#include "PracticalFields.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// Depth applied (m for border and furrow, mm for the basin) by the record's operation.
double appliedDepth(PracticalEngine engine, const TIrrikaInfoRecord &o)
{
    if (engine == PracticalEngine::Basin) return o.FlowRate * 0.06 * o.CutoffTime / (o.Length * o.Width) * 1000;
    const double width = engine == PracticalEngine::Border ? o.Width : o.Spacing;
    // The inflow is cut back when the front reaches the end, if it still runs then.
    const double later = o.Operation == 2 ? o.CutBackFlow : o.FlowRate;
    const double volume = o.CutoffTime <= o.AdvanceTime
                              ? o.FlowRate * o.CutoffTime
                              : o.FlowRate * o.AdvanceTime + later * (o.CutoffTime - o.AdvanceTime);
    return volume / (o.Length * width);
}

}  // namespace

TEST(BalanceSample, EveryAcceptedResultBalancesItsWater)
{
    const struct {
        PracticalEngine engine;
        const char *library;
        unsigned seed;
        double efficiencyHi;  // cutoffs that apply less than required come before the front arrives
    } engines[] = {{PracticalEngine::Basin, "Pondix", 24, 1.3}, {PracticalEngine::Border, "Striva", 25, 1.3},
                   {PracticalEngine::Furrow, "Rillox", 26, 1.8}};
    const int samples = 240;
    for (const auto &e : engines) {
        SCOPED_TRACE(e.library);
        EngineLibrary engine(e.library);
        ASSERT_TRUE(engine.loaded());
        std::mt19937 rng(e.seed);
        int accepted = 0, early = 0;
        double worstBalance = 0, worstRatios = 0;
        for (int i = 0; i < samples; ++i) {
            TIrrikaInfoRecord in = practicalField(e.engine, rng, 0.4, e.efficiencyHi);
            if (e.engine != PracticalEngine::Basin) {
                in.Operation = 1 + i % 3;
                in.Mode = i % 5 == 4 ? 3 : 4;
            }
            const TIrrikaInfoRecord o = engine.call(in);
            if (o.ErrorCode != 0) continue;
            ++accepted;
            if (o.CutoffTime < o.AdvanceTime) ++early;
            const double applied = appliedDepth(e.engine, o);
            const double accounted = o.AverageDepth + (e.engine == PracticalEngine::Basin ? 0.0 : o.SurfaceRunoff);
            const double balance = std::fabs(accounted - applied) / applied;
            worstBalance = std::max(worstBalance, balance);
            EXPECT_LE(balance, 1e-6) << "field " << i << ": applied " << applied << ", infiltrated "
                                     << o.AverageDepth << ", runoff " << o.SurfaceRunoff;
            if (e.engine != PracticalEngine::Basin) {
                const double sum = o.ApplicationEfficiency + o.DeepPercRatio + o.RunoffRatio;
                worstRatios = std::max(worstRatios, std::fabs(sum - 100.0));
                EXPECT_NEAR(sum, 100.0, 1e-6) << "field " << i;
            }
            EXPECT_LE(o.MinInfDepth, o.AverageDepth);
        }
        std::printf("%-7s %d fields, %d accepted (%d cut off before the front arrived), worst balance "
                    "error %.2g of the applied depth, ratios off 100 %% by at most %.2g %%\n",
                    e.library, samples, accepted, early, worstBalance, worstRatios);
        EXPECT_GT(accepted, samples / 4);
        EXPECT_GT(early, 0);
    }
}
