// Median wall time per IrrikaInfo call, per engine, field and mode. The engines are loaded
// from the benchmark's own folder, as the program loads them from its own:
//   build/bin/irrika_engine_bench
#include "EngineLibrary.h"
#include "ExecutableFolder.h"
#include "SlopingRecords.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
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

TIrrikaInfoRecord furrow(int operation, int infiltration, int cross)
{
    return furrowRecord(0, operation, infiltration, cross);
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

}  // namespace

int main()
{
    const BenchField fields[] = {
        {"Pondix", "loam 40 x 50 m, 40 l/s", basin(40, 40, 50, 60, 80, 0.15, 0.706, 2.84)},
        {"Pondix", "clay 300 x 60 m, 150 l/s", basin(150, 300, 60, 500, 100, 0.10, 0.595, 1.10)},
        {"Striva", "fixed flow, Kostiakov", border(1, 2)},
        {"Striva", "cutback, intake family 0.6", border(2, 1)},
        {"Striva", "tailwater reuse, Kostiakov", border(3, 2)},
        {"Rillox", "triangular, Kostiakov", furrow(1, 2, 1)},
        {"Rillox", "trapezoidal, family, cutback", furrow(2, 1, 3)},
        {"Rillox", "parabolic, trial data", furrow(1, 3, 2)},
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
    return 0;
}
