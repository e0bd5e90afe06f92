// How the border and furrow engines agree with the zero-inertia reference on seeded early-cutoff
// fields: the cutoff falls at 0.4 .. 0.85 of the advance time with the inflow running. Per field
// the engine's and the reference's advance time and least infiltrated depth, then how often the
// engine accepts a field whose reference front stops short (or refuses one that reaches the
// end), and how often the advance time or the least depth is off by more than 10 % (5 mm) or
// the runoff by more than 10 % (2.5 % of the applied depth).
//   build/bin/irrika_reference_sample [fields per engine] [seed]
#include "ComparedField.h"
#include "EngineLibrary.h"
#include "ExecutableFolder.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>

namespace {

struct Tally {
    int fields = 0, falseAccepts = 0, falseRefusals = 0, bothReach = 0, advanceOff = 0, leastOff = 0;
    int runoffOff = 0;
};

void sample(const EngineLibrary &engine, bool furrow, int count, std::mt19937 &random, Tally &tally)
{
    auto uniform = [&](double a, double b) { return std::uniform_real_distribution<double>(a, b)(random); };
    auto logUniform = [&](double a, double b) { return std::exp(uniform(std::log(a), std::log(b))); };
    for (int drawn = 0; tally.fields < count && drawn < 50 * count; ++drawn) {
        // Borders from near-level and rough to steep; furrows of a triangular section.
        ComparedField f{"sampled", furrow ? Kind::Furrow : Kind::Border, 0, 0, 0, 0, 0, 0, 0, 0, 3000};
        f.length = furrow ? uniform(150, 400) : uniform(100, 400);
        f.slope = furrow ? logUniform(0.001, 0.01) : logUniform(0.0003, 0.005);
        f.manningN = furrow ? 0.04 : uniform(0.1, 0.25);
        f.flow = furrow ? uniform(0.6, 2.0) : uniform(1.5, 5);
        f.width = furrow ? uniform(0.75, 1.0) : 15;
        if (furrow) f.sideSlope = 1.5;
        f.a = uniform(0.35, 0.6);
        f.k = uniform(2, 9);
        f.f0 = uniform(0.02, 0.2);
        const TIrrikaInfoRecord running = engine.call(engineRecord(f));
        if (running.ErrorCode != 0 || running.AdvanceTime < 20 || running.AdvanceTime > 400) continue;
        const double share = uniform(0.4, 0.85);
        f.cutoff = share * running.AdvanceTime;
        const TIrrikaInfoRecord o = engine.call(engineRecord(f));
        const reference::Result ref = reference::simulate(referenceField(f), reference::Grid{200});
        ++tally.fields;

        const bool accepted = o.ErrorCode == 0;
        const double refLeast = referenceLeastDepth(f, ref);
        const char *verdict = "";
        if (accepted && !ref.reachedEnd) {
            ++tally.falseAccepts;
            verdict = "accepted, the reference stops short";
        } else if (!accepted && ref.reachedEnd) {
            ++tally.falseRefusals;
            verdict = "refused, the reference reaches the end";
        } else if (accepted) {
            ++tally.bothReach;
            const double refAdvance = ref.advanceAt(f.length), least = o.MinInfDepth * 1000;
            const bool advanceOff = std::fabs(o.AdvanceTime - refAdvance) > 0.1 * refAdvance;
            const bool leastOff = std::fabs(least - refLeast) > std::max(0.1 * refLeast, 5.0);
            const double runoff = o.SurfaceRunoff * 1000, refRunoff = referenceDepth(f, ref.runoff / f.length);
            const double applied = referenceDepth(f, ref.applied / f.length);
            const bool runoffOff = std::fabs(runoff - refRunoff) > std::max(0.1 * refRunoff, 0.025 * applied);
            tally.advanceOff += advanceOff;
            tally.leastOff += leastOff;
            tally.runoffOff += runoffOff;
            verdict = advanceOff ? "advance time off" : leastOff ? "least depth off" : runoffOff ? "runoff off" : "";
        }
        std::printf("%-6s L %5.1f S %.5f n %.3f q %4.2f a %.3f k %4.2f f0 %.3f cutoff %5.1f (%.2f of %5.1f)"
                    " | engine %2d %6.1f %5.1f | reference %5.1f m %6.1f %5.1f  %s\n",
                    furrow ? "furrow" : "border", f.length, f.slope, f.manningN, f.flow, f.a, f.k, f.f0,
                    f.cutoff, share, running.AdvanceTime, o.ErrorCode, accepted ? o.AdvanceTime : -1.0,
                    accepted ? o.MinInfDepth * 1000 : -1.0, ref.frontReach(),
                    ref.reachedEnd ? ref.advanceAt(f.length) : -1.0, ref.reachedEnd ? refLeast : -1.0, verdict);
        std::fflush(stdout);
    }
}

}  // namespace

int main(int argc, char **argv)
{
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 40;
    const unsigned seed = argc > 2 ? unsigned(std::atoi(argv[2])) : 1;
    const std::string folder = ExecutableFolder();
    std::printf("%-6s %-84s | %-16s | %s\n", "", "field", "engine code, t L, least mm",
                "reference reach, t L, least mm");
    int failures = 0;
    for (const bool furrow : {false, true}) {
        EngineLibrary engine(library(furrow ? Kind::Furrow : Kind::Border), folder);
        if (!engine.loaded()) {
            std::printf("lib%s.so not found in %s\n", library(furrow ? Kind::Furrow : Kind::Border), folder.c_str());
            ++failures;
            continue;
        }
        std::mt19937 random(seed);
        Tally t;
        sample(engine, furrow, count, random, t);
        std::printf("%s: %d fields, accepted though the reference stops short %d, refused though it "
                    "reaches the end %d; of %d that both reach: advance time off %d, least depth off %d, "
                    "runoff off %d\n",
                    furrow ? "furrows" : "borders", t.fields, t.falseAccepts, t.falseRefusals, t.bothReach,
                    t.advanceOff, t.leastOff, t.runoffOff);
    }
    return failures;
}
