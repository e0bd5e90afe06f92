#ifndef IRRIKA_TEST_SLOPING_CHECKS_H
#define IRRIKA_TEST_SLOPING_CHECKS_H

// Checks that every border and furrow result must pass, whatever the field.

#include "EngineLibrary.h"
#include "IrrikaInfoRecord.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>

// Volume and depth bookkeeping of one successful result; width is the border width or the
// furrow spacing. The water balances in every case; under the engine's cutback warning the
// reduced flow falls short of the intake, and the field may dry before the cutoff.
inline void expectBalancedResult(const TIrrikaInfoRecord &o, double width, int cutbackWarning)
{
    ASSERT_EQ(o.ErrorCode, 0);
    // The inflow is cut back when the front reaches the end, if it still runs then.
    const double cutbackFlow = o.Operation == 2 ? o.CutBackFlow : o.FlowRate;
    const double applied = o.CutoffTime < o.AdvanceTime
                               ? o.FlowRate * o.CutoffTime
                               : o.FlowRate * o.AdvanceTime + cutbackFlow * (o.CutoffTime - o.AdvanceTime);
    const double area = o.Length * width;
    EXPECT_NEAR(applied, (o.AverageDepth + o.SurfaceRunoff) * area, 1e-6 * applied);
    EXPECT_NEAR(o.ApplicationEfficiency + o.DeepPercRatio + o.RunoffRatio, 100.0, 1e-6);
    const bool driesEarly = o.WarningCode == cutbackWarning;
    EXPECT_NEAR(o.AverageDepth, o.RequiredDepth + o.OverIrrDepth - o.UnderIrrDepth, 1e-9);
    EXPECT_LE(o.MinInfDepth, o.AverageDepth);
    EXPECT_LE(o.AverageDepth, o.MaxInfDepth);
    EXPECT_GE(o.SurfaceRunoff, 0.0);
    EXPECT_EQ(o.AdvanceCurve[0], 0.0);
    EXPECT_NEAR(o.AdvanceCurve[25], o.AdvanceTime, 1e-9 * o.AdvanceTime);
    EXPECT_NEAR(o.RecessionCurve[25], o.RecessionTime, 1e-9 * o.RecessionTime);
    EXPECT_NEAR(o.RecessionCurve[0], o.DepletionTime, 1e-9 * o.DepletionTime);
    if (!driesEarly) {
        EXPECT_GT(o.DepletionTime, o.CutoffTime) << "the inlet drains after cutoff";
    }
    for (int i = 0; i <= 25; ++i) {
        EXPECT_GE(o.RecessionCurve[i], o.AdvanceCurve[i]) << "row " << i;
        if (!driesEarly) {
            EXPECT_GE(o.RecessionCurve[i], o.CutoffTime) << "row " << i;
        }
        if (i > 0) {
            EXPECT_GT(o.AdvanceCurve[i], o.AdvanceCurve[i - 1]) << "row " << i;
        }
    }
    for (int i = 26; i < kProfilePoints; ++i) {
        EXPECT_EQ(o.AdvanceCurve[i], 0.0);
        EXPECT_EQ(o.RecessionCurve[i], 0.0);
        EXPECT_EQ(o.InfiltrationProfile[i], 0.0);
    }
}

// The codes of one call; after an error the record must be as given but for ErrorCode.
inline void expectCodes(const EngineLibrary &engine, const TIrrikaInfoRecord &in, int error,
                        int warning)
{
    TIrrikaInfoRecord o = engine.call(in);
    EXPECT_EQ(o.ErrorCode, error);
    EXPECT_EQ(o.WarningCode, warning);
    if (error != 0) {
        o.ErrorCode = 0;
        EXPECT_EQ(std::memcmp(&o, &in, sizeof o), 0) << "only ErrorCode changes on failure";
    }
}

inline bool allFinite(const TIrrikaInfoRecord &o)
{
    const double *d = &o.KostiakovA;
    const std::size_t count = (sizeof o - offsetof(TIrrikaInfoRecord, KostiakovA)) / sizeof(double);
    for (std::size_t i = 0; i < count; ++i)
        if (!std::isfinite(d[i])) return false;
    return true;
}

// Uniform inside [lo, hi], with a fifth of the draws on the limits themselves.
class LimitSampler {
public:
    explicit LimitSampler(unsigned seed) : rng_(seed) {}
    double operator()(double lo, double hi)
    {
        const int edge = std::uniform_int_distribution<int>(0, 9)(rng_);
        if (edge == 0) return lo;
        if (edge == 1) return hi;
        return std::uniform_real_distribution<double>(lo, hi)(rng_);
    }
    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }

private:
    std::mt19937 rng_;
};

#endif
