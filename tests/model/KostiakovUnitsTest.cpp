#include "uKostiakovUnits.h"

#include <gtest/gtest.h>

#include <cmath>

// Each k unit's factor to mm per min^A, worked out from the units themselves: a centimetre
// is 10 mm, an inch 25.4 mm, a cubic metre over a metre of furrow 1000 mm, a cubic foot over
// a foot 0.3048^2 m^2 = 92.9368 mm over a metre; per hour^A is (1/60)^A per minute^A.
TEST(KostiakovFactor, TurnsEveryKUnitIntoMillimetresPerMinuteToTheA)
{
    const double A = 0.534;
    const double perHour = std::pow(60.0, -A);
    struct Case {
        TUnitKind kind;
        double factor;
    };
    const Case kCases[] = {
        {ukMM_MIN_A, 1},           {ukMM_HR_A, perHour},           {ukCM_MIN_A, 10},
        {ukCM_HR_A, 10 * perHour}, {ukIN_MIN_A, 25.4},             {ukIN_HR_A, 25.4 * perHour},
        {ukM3M_1_MIN_A, 1000},     {ukM3M_1_HR_A, 1000 * perHour}, {ukFT3FT_1_MIN_A, 92.9368},
        {ukFT3FT_1_HR_A, 92.9368 * perHour},
    };
    for (const Case &c : kCases) {
        SCOPED_TRACE(static_cast<int>(c.kind));
        double factor = 0;
        ASSERT_TRUE(KostiakovFactor(c.kind, A, factor));
        EXPECT_NEAR(factor, c.factor, 1e-12 * c.factor);
        ASSERT_NE(FindKostiakovUnit(c.kind), nullptr);
        // Only the volumes per length of furrow are the furrow's alone.
        EXPECT_EQ(FindKostiakovUnit(c.kind)->FurrowOnly, c.kind >= ukM3M_1_MIN_A);
    }
}

TEST(KostiakovFactor, KnowsNoOtherUnit)
{
    // k in metres per min^A exists as a kind, but no parameter or menu uses it.
    for (TUnitKind kind : {ukMM, ukCM, ukMinutes, ukEmpty, ukM_MIN_A, ukM_HR_A, ukMM_MIN, ukM3M_1_MIN}) {
        SCOPED_TRACE(static_cast<int>(kind));
        double factor = -1;
        EXPECT_FALSE(KostiakovFactor(kind, 0.5, factor));
        EXPECT_EQ(factor, -1);
        EXPECT_EQ(FindKostiakovUnit(kind), nullptr);
    }
}
