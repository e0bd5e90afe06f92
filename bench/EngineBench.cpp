// Median wall time per IrrikaInfo call, per engine, field and mode, and how often each engine
// refuses a seeded grid of realistic evaluations. The engines are loaded from the benchmark's
// own folder, as the program loads them from its own:
//   build/bin/irrika_engine_bench
#include "ComparedField.h"
#include "EngineLibrary.h"
#include "ExecutableFolder.h"
#include "PracticalFields.h"
#include "SlopingRecords.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <vector>

namespace {

struct BenchField {
    const char *engine;
    const char *name;
    TIrrikaInfoRecord record;
};

TIrrikaInfoRecord zeroed()
{
    TIrrikaInfoRecord r;
    std::memset(&r, 0, sizeof r);
    return r;
}

TIrrikaInfoRecord basin(double q, double l, double w, double tco, double z, double n, double a,
                        double k)
{
    TIrrikaInfoRecord r = zeroed();
    r.KostiakovA = a;
    r.KostiakovK = k / std::pow(60.0, a);
    r.FlowResistance = n;
    r.RequiredDepth = z;
    r.FlowRate = q;
    r.Length = l;
    r.Width = w;
    r.CutoffTime = tco;
    r.LengthWidthRatio = 1.5;
    return r;
}

TIrrikaInfoRecord border(int operation, int infiltration)
{
    return borderRecord(0, operation, infiltration);
}

// A near-level rough border cut off long before its front arrives: the slowest to drain.
TIrrikaInfoRecord nearLevelBorder()
{
    TIrrikaInfoRecord r = engineRecord(
        {"near-level", Kind::Border, 124.7, 0.00038, 0.22, 4.05, 15, 0.594, 2.403, 0.1316, 46});
    r.RequiredDepth = 0.06;
    return r;
}

TIrrikaInfoRecord furrow(int operation, int infiltration, int cross)
{
    return furrowRecord(0, operation, infiltration, cross);
}

// Fields whose inflow stops before the front arrives, as evaluated (mode 4) and sized (mode 3,
// for a depth that asks an early cutoff): the near-level border 120 m x 10 m and the basin
// 320 m x 60 m of the comparison, and a furrow whose end is barely wetted.
TIrrikaInfoRecord earlyCutoff(const ComparedField &f, double requiredDepth)
{
    TIrrikaInfoRecord r = engineRecord(f);
    r.RequiredDepth = requiredDepth;
    return r;
}

// Median and worst of a set of times.
struct Spread {
    double median = 0, worst = 0;
};

Spread spreadOf(std::vector<double> times)
{
    if (times.empty()) return {};
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times.back()};
}

double millisecondsOf(const EngineLibrary &engine, const TIrrikaInfoRecord &record, TIrrikaInfoRecord &out)
{
    const auto start = std::chrono::steady_clock::now();
    out = engine.call(record);
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// Times of the seeded practical fields cut off before the front arrives (application
// efficiencies 90 to 130 %): their evaluations, and their cutoff designs (mode 3) for the
// least depth the evaluation gave, where the design's answer cuts off early too.
struct EarlyTimes {
    std::vector<double> evaluations, designs;
};

EarlyTimes earlyCutoffTimes(const EngineLibrary &engine, PracticalEngine kind, unsigned seed, int calls)
{
    std::mt19937 rng(seed);
    EarlyTimes out;
    for (int i = 0; i < calls; ++i) {
        TIrrikaInfoRecord r = practicalField(kind, rng, 0.9, 1.3), o;
        const double evaluation = millisecondsOf(engine, r, o);
        if (o.ErrorCode != 0 || !(o.CutoffTime < o.AdvanceTime)) continue;
        out.evaluations.push_back(evaluation);
        r.Mode = 3;
        r.RequiredDepth = o.MinInfDepth;
        const double design = millisecondsOf(engine, r, o);
        if (o.ErrorCode == 0 && o.CutoffTime < o.AdvanceTime) out.designs.push_back(design);
    }
    return out;
}

double medianMicroseconds(const EngineLibrary &engine, TIrrikaInfoRecord record, int &code)
{
    std::vector<double> times;
    for (int i = 0; i < 41; ++i) {
        auto start = std::chrono::steady_clock::now();
        TIrrikaInfoRecord out = engine.call(record);
        auto end = std::chrono::steady_clock::now();
        code = out.ErrorCode;
        times.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    }
    std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
    return times[times.size() / 2];
}

// How often an engine refuses practical evaluations (PracticalFields.h, the application
// efficiencies such fields have: basins 70 to 90 %, borders 55 to 80 %, furrows 40 to 70 %):
// the refusals with the "cutoff less than advance time" code of the engine (basin 2) and all
// other refusals.
struct Refusals {
    int calls = 0, cutoff = 0, other = 0;
};

Refusals refusalsOnGrid(const EngineLibrary &engine, PracticalEngine kind, unsigned seed, int calls)
{
    std::mt19937 rng(seed);
    const double lo = kind == PracticalEngine::Basin ? 0.7 : kind == PracticalEngine::Border ? 0.55 : 0.4;
    const double hi = kind == PracticalEngine::Basin ? 0.9 : kind == PracticalEngine::Border ? 0.8 : 0.7;
    const int cutoffCode = kind == PracticalEngine::Basin ? 2 : kind == PracticalEngine::Border ? 11 : 8;
    Refusals out;
    for (int i = 0; i < calls; ++i) {
        const int code = engine.call(practicalField(kind, rng, lo, hi)).ErrorCode;
        ++out.calls;
        if (code == cutoffCode) ++out.cutoff;
        else if (code != 0) ++out.other;
    }
    return out;
}

}  // namespace

int main()
{
    const BenchField fields[] = {
        {"Pondix", "loam 40 x 50 m, 40 l/s", basin(40, 40, 50, 60, 80, 0.15, 0.706, 2.84)},
        {"Pondix", "clay 300 x 60 m, 150 l/s", basin(150, 300, 60, 500, 100, 0.10, 0.595, 1.10)},
        {"Striva", "fixed flow, Kostiakov", border(1, 2)},
        {"Striva", "cutback, intake family 0.6", border(2, 1)},
        {"Striva", "tailwater reuse, Kostiakov", border(3, 2)},
        {"Striva", "near-level, rough, early cutoff", nearLevelBorder()},
        {"Pondix", "320 x 60 m, early cutoff, 50 mm", earlyCutoff({"", Kind::Basin, 320, 0, 0.08, 7.0, 60, 0.55, 4.0, 0, 62}, 50)},
        {"Striva", "near-level 120 m, early cutoff", earlyCutoff({"", Kind::Border, 120, 0.0004, 0.22, 3.0, 10, 0.5, 4.0, 0.1, 37.3}, 0.03)},
        {"Rillox", "triangular, Kostiakov", furrow(1, 2, 1)},
        {"Rillox", "trapezoidal, family, cutback", furrow(2, 1, 3)},
        {"Rillox", "parabolic, trial data", furrow(1, 3, 2)},
        {"Rillox", "400 m, end barely wetted", earlyCutoff({"", Kind::Furrow, 400, 0.003, 0.04, 1.2, 0.75, 0.5, 2.0, 0.1, 130, 1.5}, 0.02)},
    };
    std::printf("%-8s %-32s %6s %14s %6s\n", "engine", "field", "mode", "median us/call", "code");
    const std::string folder = ExecutableFolder();
    for (const BenchField &f : fields) {
        EngineLibrary engine(f.engine, folder);
        if (!engine.loaded()) {
            std::printf("%-8s not found in %s\n", f.engine, folder.c_str());
            continue;
        }
        for (int mode = 1; mode <= 4; ++mode) {
            TIrrikaInfoRecord r = f.record;
            r.Mode = mode;
            int code = 0;
            const double us = medianMicroseconds(engine, r, code);
            std::printf("%-8s %-32s %6d %14.1f %6d\n", f.engine, f.name, mode, us, code);
        }
    }
    std::printf("\nPractical fields cut off before the front arrives (seeded, 200 drawn per engine): ms per call\n");
    std::printf("%-8s %12s %9s %9s %12s %9s %9s\n", "engine", "evaluations", "median", "worst", "designs", "median", "worst");
    const struct {
        const char *name;
        PracticalEngine kind;
    } kinds[] = {{"Pondix", PracticalEngine::Basin}, {"Striva", PracticalEngine::Border}, {"Rillox", PracticalEngine::Furrow}};
    for (const auto &k : kinds) {
        EngineLibrary engine(k.name, folder);
        if (!engine.loaded()) continue;
        const EarlyTimes t = earlyCutoffTimes(engine, k.kind, 31, 200);
        const Spread e = spreadOf(t.evaluations), d = spreadOf(t.designs);
        std::printf("%-8s %12zu %9.1f %9.1f %12zu %9.1f %9.1f\n", k.name, t.evaluations.size(), e.median, e.worst,
                    t.designs.size(), d.median, d.worst);
    }
    std::printf("\nRefusals of %d realistic evaluations per engine (seeded grid)\n", 400);
    std::printf("%-8s %28s %14s\n", "engine", "cutoff less than advance", "other codes");
    const struct {
        const char *name;
        PracticalEngine kind;
    } grids[] = {{"Pondix", PracticalEngine::Basin}, {"Striva", PracticalEngine::Border}, {"Rillox", PracticalEngine::Furrow}};
    for (const auto &g : grids) {
        const char *name = g.name;
        EngineLibrary engine(name, folder);
        if (!engine.loaded()) continue;
        const Refusals r = refusalsOnGrid(engine, g.kind, 18, 400);
        std::printf("%-8s %27.1f%% %13.1f%%\n", name, 100.0 * r.cutoff / r.calls,
                    100.0 * r.other / r.calls);
    }
    return 0;
}
