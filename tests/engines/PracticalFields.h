#ifndef IRRIKA_TEST_PRACTICAL_FIELDS_H
#define IRRIKA_TEST_PRACTICAL_FIELDS_H

// Evaluation records (mode 4) of fields as they are irrigated: soils, roughness, sizes and
// inflows as fields have them (borders from near-level and rough to steep), at least half as
// much again inflow as the final intake takes, and a cutoff that applies the required depth at
// an application efficiency drawn from the given range: cutoffs before the front arrives come
// with the high efficiencies.

#include "SlopingRecords.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <random>

enum class PracticalEngine { Basin, Border, Furrow };

inline TIrrikaInfoRecord practicalField(PracticalEngine engine, std::mt19937 &rng, double efficiencyLo,
                                        double efficiencyHi)
{
    auto pick = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng); };
    const double a = pick(0.4, 0.8), kMillimetres = pick(1.0, 5.0);
    const double efficiency = pick(efficiencyLo, efficiencyHi);
    if (engine == PracticalEngine::Basin) {
        TIrrikaInfoRecord r;
        std::memset(&r, 0, sizeof r);
        r.Mode = 4;
        r.KostiakovA = a;
        r.KostiakovK = kMillimetres / std::pow(60.0, a);
        r.FlowResistance = pick(0.04, 0.2);
        r.RequiredDepth = pick(60, 100);
        r.Length = pick(30, 250);
        r.Width = pick(10, 60);
        r.FlowRate = pick(1, 5) * r.Width;
        r.LengthWidthRatio = 1.5;
        r.CutoffTime = r.RequiredDepth / 1000 / efficiency * r.Length * r.Width / (r.FlowRate * 0.06);
        return r;
    }
    const bool border = engine == PracticalEngine::Border;
    TIrrikaInfoRecord r = border ? borderRecord(4) : furrowRecord(4);
    r.KostiakovA = a;
    r.KostiakovK = kMillimetres / 1000;
    r.KostiakovFo = pick(0.05, 0.3) / 1000;
    r.RequiredDepth = pick(50, 100) / 1000;
    r.Slope = std::exp(pick(std::log(border ? 0.0005 : 0.001), std::log(0.01)));
    r.Length = pick(100, 400);
    double wetted;
    if (border) {
        r.FlowResistance = pick(0.1, 0.25);
        r.Width = pick(5, 30);
        const double unit = std::max(pick(0.5, 4) * 0.06, 1.5 * r.KostiakovFo * r.Length);
        r.FlowRate = std::min(unit, 0.01059 * std::pow(r.Slope, -0.75)) * r.Width;
        r.LengthWidthRatio = r.Length / r.Width;
        wetted = r.Width;
    } else {
        r.FlowResistance = pick(0.02, 0.05);
        r.SideSlope = pick(1, 1.5);
        r.MaxDepth = 0.2;
        r.Spacing = pick(0.75, 1.0);
        r.FlowRate = std::max(pick(0.3, 2.5) * 0.06, 1.5 * r.KostiakovFo * r.Spacing * r.Length);
        wetted = r.Spacing;
    }
    r.CutoffTime = r.RequiredDepth / efficiency * r.Length * wetted / r.FlowRate;
    return r;
}

#endif
