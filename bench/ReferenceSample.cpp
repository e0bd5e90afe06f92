// How the engines agree with the zero-inertia reference on seeded early-cutoff fields, regime by
// regime: near-level rough borders and steeper borders cut off at 0.4 .. 0.85 of their advance
// time, basins cut off at 0.4 .. 0.6 of it, and furrows cut off just long enough for the front
// to get to the end. The fields depend on the seed and the reference only, so every engine
// version meets the same ones.
//
// Per field the engine's and the reference's advance time and least infiltrated depth; per
// regime how often the engine accepts a field whose reference front stops short, refuses one
// that reaches the end, or is off in the advance time by more than 10 %, in the least depth by
// more than 10 % (5 mm), in the runoff by more than 10 % (2.5 % of the applied depth) or in
// the inlet's depth by more than 5 %. Then the cutoff design (mode 3) of each field for the
// reference's least depth, irrigated in the reference for the engine's cutoff: how often its
// front stops short, and how often the tail gets under 95 % or over 105 % of that depth.
//   build/bin/irrika_reference_sample [fields per regime] [seed] [threads]
#include "ComparedField.h"
#include "EngineLibrary.h"
#include "ExecutableFolder.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

using Random = std::mt19937;

double uniform(Random &random, double a, double b) { return std::uniform_real_distribution<double>(a, b)(random); }
double logUniform(Random &random, double a, double b) { return std::exp(uniform(random, std::log(a), std::log(b))); }

// A field drawn for a regime, before its cutoff is known: `draw` is the regime's own number
// that places the cutoff (a share of the advance time, or a margin over the shortest cutoff).
struct Candidate {
    ComparedField field;
    double draw = 0;
};

struct Range {
    double min, max;
};

// What a regime's fields are drawn from: uniformly, the slope log-uniformly (0: level).
struct Regime {
    const char *name;
    Kind kind;
    Range length, slope, manningN;
    Range flow;   // l/s per metre of width, or per furrow
    Range width;  // basin or border width, furrow spacing (m)
    Range a, k, f0;
    Range cutoff;  // a share of the running advance time, or a margin over the shortest cutoff
    bool cutoffByShare;
};

const Regime kRegimes[] = {
    {"near-level rough borders", Kind::Border, {100, 400}, {0.0003, 0.001}, {0.1, 0.25}, {1.5, 5}, {15, 15},
     {0.35, 0.6}, {2, 9}, {0.02, 0.2}, {0.4, 0.85}, true},
    {"steeper borders", Kind::Border, {100, 400}, {0.001, 0.005}, {0.1, 0.25}, {1.5, 5}, {15, 15}, {0.35, 0.6},
     {2, 9}, {0.02, 0.2}, {0.4, 0.85}, true},
    {"basins", Kind::Basin, {50, 400}, {0, 0}, {0.04, 0.25}, {1, 8}, {20, 60}, {0.4, 0.75}, {1.5, 6}, {0, 0},
     {0.4, 0.6}, true},
    // Triangular furrows of side slope 1.5, cut off just long enough for the front to get there.
    {"furrows with the end barely wetted", Kind::Furrow, {150, 400}, {0.001, 0.01}, {0.04, 0.04}, {0.6, 2.0},
     {0.75, 1.0}, {0.35, 0.6}, {2, 9}, {0.02, 0.2}, {1.0, 1.1}, false},
};

const char *kindName(Kind kind) { return kind == Kind::Basin ? "basin" : kind == Kind::Border ? "border" : "furrow"; }

Candidate drawCandidate(const Regime &regime, Random &random)
{
    auto from = [&](Range r) { return uniform(random, r.min, r.max); };
    Candidate c{{kindName(regime.kind), regime.kind, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 0};
    ComparedField &f = c.field;
    f.length = from(regime.length);
    f.slope = regime.slope.max > 0 ? logUniform(random, regime.slope.min, regime.slope.max) : 0.0;
    f.manningN = from(regime.manningN);
    f.flow = from(regime.flow);
    f.width = from(regime.width);
    f.a = from(regime.a);
    f.k = from(regime.k);
    f.f0 = from(regime.f0);
    if (regime.kind == Kind::Furrow) f.sideSlope = 1.5;
    c.draw = from(regime.cutoff);
    return c;
}

// The quick reference that places the cutoffs: a coarse grid, and no run past 400 min or, if
// asked, past the front's arrival at the end.
reference::Result quickReference(const ComparedField &f, bool untilTheEnd = false)
{
    reference::Grid grid{50};
    grid.maxMinutes = 400;
    grid.stopAtTheEnd = untilTheEnd;
    return reference::simulate(referenceField(f), grid);
}

// The reference's advance time with the inflow running; negative past 400 min.
double runningAdvance(ComparedField f)
{
    f.cutoff = 400;
    return quickReference(f, true).advanceAt(f.length);
}

// The shortest cutoff (min) at which the quick reference's front gets to the end, between a
// fifth of the running advance time and all of it.
double shortestCutoff(ComparedField f, double advance)
{
    double lo = 0.2 * advance, hi = advance;
    for (int i = 0; i < 8; ++i) {
        f.cutoff = 0.5 * (lo + hi);
        if (quickReference(f).reachedEnd) hi = f.cutoff;
        else lo = f.cutoff;
    }
    return hi;
}

// The cutoff of a candidate, or a negative value where the field's running advance time lies
// outside 20 .. 400 min or the cutoff under the engines' 10 min.
double placeCutoff(const Regime &regime, const Candidate &c)
{
    const double advance = runningAdvance(c.field);
    if (advance < 20 || advance > 400) return -1;
    const double cutoff = regime.cutoffByShare ? c.draw * advance : c.draw * shortestCutoff(c.field, advance);
    return cutoff >= 10 ? cutoff : -1;
}

// What one field gave; the tallies are sums of these.
struct Outcome {
    bool accepted = false, reaches = false, advanceOff = false, leastOff = false, runoffOff = false, inletOff = false;
    double engineAdvance = -1, engineLeast = -1, referenceReach = 0, referenceAdvance = -1, referenceLeast = -1;
    // The design for the reference's least depth; designed: the reference's tail got 5 mm.
    bool designed = false, designAccepted = false, designReaches = false;
    double designCutoff = 0, designTail = 0;  // min, share of the required depth
};

// Serialises the engine calls: the reference runs in parallel, the engines are quick.
class Engines {
public:
    explicit Engines(const std::string &folder)
    {
        for (const Kind kind : {Kind::Basin, Kind::Border, Kind::Furrow})
            libraries_.push_back(std::make_unique<EngineLibrary>(library(kind), folder));
    }
    bool loaded() const
    {
        return std::all_of(libraries_.begin(), libraries_.end(), [](const auto &l) { return l->loaded(); });
    }
    TIrrikaInfoRecord call(Kind kind, const TIrrikaInfoRecord &r)
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return libraries_[std::size_t(kind)]->call(r);
    }

private:
    std::vector<std::unique_ptr<EngineLibrary>> libraries_;
    std::mutex mutex_;
};

double toMillimetres(Kind kind) { return kind == Kind::Basin ? 1.0 : 1000.0; }

void evaluate(Engines &engines, const ComparedField &f, const reference::Result &ref, Outcome &out)
{
    const TIrrikaInfoRecord o = engines.call(f.kind, engineRecord(f));
    out.accepted = o.ErrorCode == 0;
    out.reaches = ref.reachedEnd;
    out.referenceReach = ref.frontReach();
    const double mm = toMillimetres(f.kind);
    if (out.accepted) {
        out.engineAdvance = o.AdvanceTime;
        out.engineLeast = o.MinInfDepth * mm;
    }
    if (!out.reaches) return;
    out.referenceAdvance = ref.advanceAt(f.length);
    out.referenceLeast = referenceLeastDepth(f, ref);
    if (!out.accepted) return;
    out.advanceOff = std::fabs(out.engineAdvance - out.referenceAdvance) > 0.1 * out.referenceAdvance;
    out.leastOff = std::fabs(out.engineLeast - out.referenceLeast) > std::max(0.1 * out.referenceLeast, 5.0);
    const double area = f.length * (f.kind == Kind::Furrow ? f.width : 1.0);
    const double runoff = o.SurfaceRunoff * 1000, refRunoff = ref.runoff / area * 1000;
    const double applied = ref.applied / area * 1000;
    out.runoffOff = std::fabs(runoff - refRunoff) > std::max(0.1 * refRunoff, 0.025 * applied);
    const double inlet = o.InfiltrationProfile[0] * mm, refInlet = referenceDepth(f, ref.infiltratedAt(0));
    out.inletOff = std::fabs(inlet - refInlet) > 0.05 * refInlet;
}

// The grid of the engine comparison, whose results a halving of the cells moves by under 2 %.
reference::Result fineReference(const ComparedField &f)
{
    return reference::simulate(referenceField(f), reference::Grid{f.kind == Kind::Basin ? 100 : 200});
}

void design(Engines &engines, ComparedField f, double requiredDepth, Outcome &out)
{
    out.designed = true;
    const TIrrikaInfoRecord o = engines.call(f.kind, designRecord(f, requiredDepth));
    out.designAccepted = o.ErrorCode == 0;
    if (!out.designAccepted) return;
    f.cutoff = out.designCutoff = o.CutoffTime;
    const reference::Result ref = fineReference(f);
    out.designReaches = ref.reachedEnd;
    out.designTail = ref.reachedEnd ? referenceLeastDepth(f, ref) / requiredDepth : 0.0;
}

Outcome study(Engines &engines, const ComparedField &f)
{
    Outcome out;
    const reference::Result ref = fineReference(f);
    evaluate(engines, f, ref, out);
    if (out.reaches && out.referenceLeast >= 5.0) design(engines, f, out.referenceLeast, out);
    return out;
}

// Runs job(i) for i in [0, count) on `threads` threads.
void parallelFor(int count, int threads, const std::function<void(int)> &job)
{
    std::atomic<int> next{0};
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t)
        workers.emplace_back([&] {
            for (int i = next++; i < count; i = next++) job(i);
        });
    for (std::thread &w : workers) w.join();
}

// The first `count` candidates of the regime whose cutoff can be placed, with that cutoff.
std::vector<ComparedField> drawFields(const Regime &regime, int count, Random &random, int threads)
{
    std::vector<ComparedField> fields;
    for (int round = 0; round < 20 && int(fields.size()) < count; ++round) {
        std::vector<Candidate> candidates;
        for (int i = 0; i < 2 * count; ++i) candidates.push_back(drawCandidate(regime, random));
        std::vector<double> cutoffs(candidates.size());
        parallelFor(int(candidates.size()), threads, [&](int i) { cutoffs[i] = placeCutoff(regime, candidates[i]); });
        for (std::size_t i = 0; i < candidates.size() && int(fields.size()) < count; ++i) {
            if (cutoffs[i] < 0) continue;
            fields.push_back(candidates[i].field);
            fields.back().cutoff = cutoffs[i];
        }
    }
    return fields;
}

void printField(const ComparedField &f, const Outcome &o)
{
    const char *verdict = o.accepted && !o.reaches   ? "accepted, the reference stops short"
                          : !o.accepted && o.reaches ? "refused, the reference reaches the end"
                          : o.advanceOff             ? "advance time off"
                          : o.leastOff               ? "least depth off"
                          : o.runoffOff              ? "runoff off"
                          : o.inletOff               ? "inlet depth off"
                                                     : "";
    std::printf("%-6s L %5.1f S %.5f n %.3f q %4.2f a %.3f k %4.2f f0 %.3f cutoff %5.1f | engine %6.1f %5.1f | "
                "reference %5.1f m %6.1f %5.1f  %s",
                f.name, f.length, f.slope, f.manningN, f.flow, f.a, f.k, f.f0, f.cutoff, o.engineAdvance, o.engineLeast,
                o.referenceReach, o.referenceAdvance, o.referenceLeast, verdict);
    if (o.designed) {
        std::printf(" | design: %s", !o.designAccepted ? "refused"
                                     : !o.designReaches ? "the reference stops short"
                                                        : "");
        if (o.designAccepted && o.designReaches)
            std::printf("cutoff %5.1f, tail %3.0f %%", o.designCutoff, 100 * o.designTail);
    }
    std::printf("\n");
}

void printTally(const Regime &regime, const std::vector<Outcome> &outcomes)
{
    auto count = [&](const std::function<bool(const Outcome &)> &holds) {
        return int(std::count_if(outcomes.begin(), outcomes.end(), holds));
    };
    const int both = count([](const Outcome &o) { return o.accepted && o.reaches; });
    std::printf("%s: %d fields, accepted though the reference stops short %d, refused though it reaches the end "
                "%d; of %d that both reach: advance time off %d, least depth off %d, runoff off %d, inlet depth "
                "off %d\n",
                regime.name, int(outcomes.size()), count([](const Outcome &o) { return o.accepted && !o.reaches; }),
                count([](const Outcome &o) { return !o.accepted && o.reaches; }), both,
                count([](const Outcome &o) { return o.advanceOff; }), count([](const Outcome &o) { return o.leastOff; }),
                count([](const Outcome &o) { return o.runoffOff; }), count([](const Outcome &o) { return o.inletOff; }));
    std::printf("%s, designs: %d, refused %d, the reference stops short %d, reaches %d: tail under 95 %% %d, "
                "over 105 %% %d\n",
                regime.name, count([](const Outcome &o) { return o.designed; }),
                count([](const Outcome &o) { return o.designed && !o.designAccepted; }),
                count([](const Outcome &o) { return o.designAccepted && !o.designReaches; }),
                count([](const Outcome &o) { return o.designReaches; }),
                count([](const Outcome &o) { return o.designReaches && o.designTail < 0.95; }),
                count([](const Outcome &o) { return o.designReaches && o.designTail > 1.05; }));
}

}  // namespace

int main(int argc, char **argv)
{
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 40;
    const unsigned seed = argc > 2 ? unsigned(std::atoi(argv[2])) : 1;
    const int threads = argc > 3 ? std::max(1, std::atoi(argv[3])) : 4;
    const std::string folder = ExecutableFolder();
    Engines engines(folder);
    if (!engines.loaded()) {
        std::printf("an engine library was not found in %s\n", folder.c_str());
        return 1;
    }
    std::printf("%-6s %-76s | %-19s | %s\n", "", "field", "engine t L, least mm", "reference reach, t L, least mm");
    for (const Regime &regime : kRegimes) {
        // Each regime draws from its own stream, so adding one leaves the others' fields.
        std::seed_seq seeds{seed, unsigned(&regime - kRegimes)};
        Random random(seeds);
        const std::vector<ComparedField> fields = drawFields(regime, count, random, threads);
        std::vector<Outcome> outcomes(fields.size());
        parallelFor(int(fields.size()), threads, [&](int i) { outcomes[i] = study(engines, fields[i]); });
        for (std::size_t i = 0; i < fields.size(); ++i) printField(fields[i], outcomes[i]);
        printTally(regime, outcomes);
        std::fflush(stdout);
    }
    return 0;
}
