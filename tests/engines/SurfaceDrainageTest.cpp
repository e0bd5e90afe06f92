// The drained surface of a sloping field: its profile at cutoff and where its water goes.

#include "Section.h"
#include "SurfaceDrainage.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace hydraulics;

namespace {

// A sheet of unit width under Manning n 0.15 carrying q (m3/min per metre) at slope s.
SurfaceCells sheet(double slope, double q, int count = 20)
{
    const auto section = sheetSection(1.0);
    const double depth = *normalDepth(*section, q, 0.15, slope);
    return {fieldFlow(*section, depth, 0.15, slope), count};
}

double held(const std::vector<double> &area, double length)
{
    double v = 0.0;
    for (const double a : area) v += a * length / double(area.size());
    return v;
}

}  // namespace

TEST(SurfaceDrainage, ProfileReachesNormalDepthOnlyOnASteepField)
{
    // The depth rises from the front towards normal over a length of the order of y_n / S0:
    // a few metres on a steep border, more than the field on a near-level one.
    const double q = 0.2, length = 200;
    struct Case { double slope; bool normalAtInlet; };
    for (const Case c : {Case{0.005, true}, Case{0.0003, false}}) {
        SCOPED_TRACE(c.slope);
        const SurfaceCells cells = sheet(c.slope, q);
        const std::vector<double> area = profileAreas(cells, length, 150, [&](double) { return q; });
        EXPECT_EQ(area.back(), 0.0) << "nothing beyond the front";
        if (c.normalAtInlet) {
            EXPECT_NEAR(area.front(), cells.flow.refArea, 1e-3 * cells.flow.refArea);
        } else {
            EXPECT_LT(area.front(), 0.95 * cells.flow.refArea);
        }
        for (std::size_t i = 1; i < 15; ++i) EXPECT_LE(area[i], area[i - 1] * (1 + 1e-9));
    }
}

TEST(SurfaceDrainage, FieldRecedesFromTheInletToTheEnd)
{
    // Once the inflow stops the inlet dries first and the recession moves down the field; the
    // near-level field, whose water has to be drawn off by the depth gradient, dries later.
    const double q = 0.2, length = 200;
    double endBefore = 0.0;
    for (const double slope : {0.005, 0.0003}) {
        SCOPED_TRACE(slope);
        const SurfaceCells cells = sheet(slope, q);
        Trajectory wetted;
        wetted.x = {0.0, length};
        wetted.t = {0.0, 30.0};
        const std::vector<double> area = profileAreas(cells, length, length, [&](double) { return q; });
        const KostiakovLewis z{0.5, 0.002, 0.0};
        const DrainedSurface d = drainSurface(cells, z, wetted, length, 60, area);
        EXPECT_GT(d.recession.front(), 60);
        // Near the free end the water may leave the end before the cells just upstream.
        for (std::size_t i = 1; i < d.recession.size(); ++i)
            EXPECT_GT(d.recession[i], d.recession.front()) << "cell " << i;
        EXPECT_GT(d.recession[10], d.recession[2]);
        EXPECT_GT(d.recession.back(), endBefore);
        endBefore = d.recession.back();
    }
}

TEST(SurfaceDrainage, GroundTakesWhatItsOpportunityAsksAndNoMore)
{
    // A level-looking pond on a near-level field with strong intake: no cell dries before its
    // ground has taken what the time it stood wet asks, unless its water is gone, and the
    // water the ground takes never exceeds what stood on the surface.
    const double length = 100, slope = 0.0003, q = 0.1;
    const SurfaceCells cells = sheet(slope, q, 10);
    Trajectory wetted;
    wetted.x = {0.0, length};
    wetted.t = {0.0, 20.0};
    const std::vector<double> area = profileAreas(cells, length, length, [&](double) { return q; });
    const double surface = held(area, length);
    const KostiakovLewis z{0.5, 0.01, 0.0};
    const DrainedSurface d = drainSurface(cells, z, wetted, length, 20, area);
    double taken = 0.0;
    for (std::size_t i = 0; i < d.x.size(); ++i) {
        const double tau0 = std::max(0.0, 20 - wetted.time(d.x[i]));
        taken += (z.depth(std::max(0.0, d.recession[i] - wetted.time(d.x[i]))) - z.depth(tau0)) * length / d.x.size();
    }
    EXPECT_GT(taken, 0.5 * surface) << "most of a slow pond soaks in";
    EXPECT_LE(taken, surface * 1.05) << "the ground takes no more than the surface held";
}
