#include "uInfiltration.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

void ExpectCoefficients(const TInfiltrationCoefficients &c, double A, double k, double kLower, double kUpper,
                        double Fo)
{
    EXPECT_DOUBLE_EQ(c.A, A);
    EXPECT_DOUBLE_EQ(c.k, k);
    EXPECT_EQ(c.kLower, kLower);
    EXPECT_EQ(c.kUpper, kUpper);
    EXPECT_EQ(c.Fo, Fo);
}

}  // namespace

TEST(Infiltration, NewObjectHasNoFamilyCoefficientsYet)
{
    TInfiltration infiltration;
    EXPECT_EQ(infiltration.FlowResistance(), 0.04);
    EXPECT_EQ(infiltration.SCSNumber(), 1.0);
    ExpectCoefficients(infiltration.GetCoefficients(), 0.0, 0.0, 0.8, 45.0, 0.0);
}

TEST(Infiltration, TablesHoldTheirRowsInOrderWithTheirTexts)
{
    TInfiltration infiltration;
    std::vector<std::string> surfaces;
    std::unique_ptr<TIterator> it(infiltration.CreateFlowResistanceIterator());
    while (!it->IsDone()) {
        auto *row = static_cast<TFlowResistance *>(it->Next());
        surfaces.push_back(std::to_string(row->Value()).substr(0, 4) + " " + row->Description());
    }
    EXPECT_EQ(surfaces, (std::vector<std::string>{
                            "0.04 smooth, bare soil surface; row crops",
                            "0.10 drilled, small-grain crops, drill rows inflow direction",
                            "0.15 alfalfa, mint, broadcast small grains",
                            "0.20 dense alfalfa or alfalfa on long fields whithout secundairy ditches",
                            "0.25 dense sod crops and small grains, drilled perpendicular to flow direction",
                        }));

    struct Row {
        double number, A, k;
        const char *description;
    };
    const Row kFamilies[] = {
        {0.1, 0.595, 1.10, "clay, silty clay"},      {0.3, 0.650, 1.59, "silty clay, clay loam"},
        {0.5, 0.684, 1.93, "clay loam, loam"},       {1.0, 0.706, 2.84, "loam, silt loam"},
        {1.5, 0.718, 3.56, "silt, sandy laom"},      {2.0, 0.726, 4.22, "sandy loam, fine sand"},
        {3.0, 0.735, 5.41, "fine to medium sand"},   {4.0, 0.740, 6.59, "medium to coarse sand"},
    };
    std::unique_ptr<TIterator> families(infiltration.CreateSCSFamilyIterator());
    for (const Row &expected : kFamilies) {
        SCOPED_TRACE(expected.description);
        ASSERT_FALSE(families->IsDone());
        auto *family = static_cast<TSCSIntakeFamily *>(families->Next());
        EXPECT_EQ(family->Number(), expected.number);
        EXPECT_EQ(family->Description(), expected.description);
        ExpectCoefficients(family->Coefficients(), expected.A, expected.k, 0.8, 45.0, 0.0);
    }
    EXPECT_TRUE(families->IsDone());
}

TEST(Infiltration, SelectSCSFamilyAppliesTheRowByExactNumber)
{
    TInfiltration infiltration;
    TSCSIntakeFamily *family = infiltration.SelectSCSFamily(1.5);
    ASSERT_NE(family, nullptr);
    EXPECT_EQ(family->Number(), 1.5);
    EXPECT_EQ(infiltration.SCSNumber(), 1.5);
    ExpectCoefficients(infiltration.GetCoefficients(), 0.718, 3.56, 0.8, 45.0, 0.0);

    // Numbers without a row, also one that differs from a row in the last bit, change nothing.
    for (double number : {0.2, 0.05, 1.0 + std::numeric_limits<double>::epsilon(), 5.0}) {
        SCOPED_TRACE(number);
        EXPECT_EQ(infiltration.SelectSCSFamily(number), nullptr);
        EXPECT_EQ(infiltration.SCSNumber(), 1.5);
        ExpectCoefficients(infiltration.GetCoefficients(), 0.718, 3.56, 0.8, 45.0, 0.0);
    }

    infiltration.SetSCSNumber(3.0);
    EXPECT_EQ(infiltration.SCSNumber(), 3.0);
    EXPECT_DOUBLE_EQ(infiltration.GetCoefficients().k, 5.41);
}

TEST(Infiltration, StandardNumbersAndTableRowsOverlapOnlyInPart)
{
    struct Case {
        double number;
        bool standard;
        bool hasRow;
    };
    constexpr Case kCases[] = {
        {0.05, true, false}, {0.1, true, true},  {0.15, true, false}, {0.2, true, false},
        {0.3, true, true},   {0.45, true, false}, {0.9, true, false}, {1.0, true, true},
        {1.5, true, true},   {2.0, true, true},  {3.0, false, true},  {4.0, false, true},
        {0.0, false, false}, {2.5, false, false},
    };
    for (const Case &c : kCases) {
        SCOPED_TRACE(c.number);
        TInfiltration infiltration;
        EXPECT_EQ(infiltration.IsStandardSCSNumber(c.number), c.standard);
        EXPECT_EQ(infiltration.SelectSCSFamily(c.number) != nullptr, c.hasRow);
    }
}

TEST(Infiltration, SelectFlowResistanceOnlyTakesTableValues)
{
    TInfiltration infiltration;
    EXPECT_EQ(infiltration.SelectFlowResistance(0.15), 0.15);
    EXPECT_EQ(infiltration.FlowResistance(), 0.15);
    EXPECT_EQ(infiltration.SelectFlowResistance(0.12), 0.12);
    EXPECT_EQ(infiltration.FlowResistance(), 0.15);
}

TEST(Infiltration, GetCoefficientsResetsTheLimitsOfK)
{
    TInfiltration infiltration;
    infiltration.SetCoefficients({0.5, 2.0, 1.0, 2.0, 0.3});
    ExpectCoefficients(infiltration.GetCoefficients(), 0.5, 2.0, 0.8, 45.0, 0.3);
}

TEST(Infiltration, TimeRatedFamilyFromT100)
{
    struct Case {
        double t100;  // minutes
        double A;
        double k;
    };
    const double a300 = 0.675 - 0.2125 * std::log10(5.0);
    const Case kCases[] = {
        {60.0, 0.675, 100.0 / std::pow(60.0, 0.675)},
        {300.0, a300, 100.0 / std::pow(300.0, a300)},
    };
    for (const Case &c : kCases) {
        SCOPED_TRACE(c.t100);
        TInfiltration infiltration;
        const std::optional<TInfiltrationCoefficients> applied = infiltration.ApplyTimeRated(c.t100);
        ASSERT_TRUE(applied);
        const TInfiltrationCoefficients out = *applied;
        EXPECT_NEAR(out.A, c.A, 1e-12);
        EXPECT_NEAR(out.k, c.k, 1e-12);
        EXPECT_EQ(out.Fo, 0.0);
        EXPECT_NEAR(out.k * std::pow(c.t100, out.A), 100.0, 1e-9);  // 100 mm in T100
        EXPECT_DOUBLE_EQ(infiltration.TimeRatedFamily().T100(), c.t100 / 60.0);
        const TInfiltrationCoefficients current = infiltration.GetCoefficients();
        EXPECT_EQ(current.A, out.A);
        EXPECT_EQ(current.k, out.k);
    }
    EXPECT_NEAR(100.0 / std::pow(60.0, 0.675), 6.306, 1e-3);
    EXPECT_NEAR(a300, 0.5265, 1e-4);
    EXPECT_NEAR(100.0 / std::pow(300.0, a300), 4.964, 1e-3);
}

TEST(Infiltration, T100WhoseExponentIsNotPositiveGivesZeroCoefficients)
{
    // From about 1501 hours on the exponent is no longer positive: a family with A 0, k 0.
    TInfiltration infiltration;
    infiltration.SelectSCSFamily(2.0);
    std::optional<TInfiltrationCoefficients> out;
    EXPECT_NO_THROW(out = infiltration.ApplyTimeRated(1502.0 * 60.0));
    ASSERT_TRUE(out);
    EXPECT_EQ(out->A, 0.0);
    EXPECT_EQ(out->k, 0.0);
    ExpectCoefficients(infiltration.GetCoefficients(), 0.0, 0.0, 0.8, 45.0, 0.0);
}

TEST(Infiltration, T100WithoutAFamilyChangesNothing)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    // 0 and below and non-finite values break the logarithm; so tiny a T100 that k would
    // overflow breaks the division. A run file may carry any of them.
    for (double t100 : {0.0, -60.0, nan, inf, -inf, 1e-320}) {
        SCOPED_TRACE(t100);
        TInfiltration infiltration;
        infiltration.SelectFlowResistance(0.2);
        infiltration.SelectSCSFamily(1.5);
        std::optional<TInfiltrationCoefficients> out;
        EXPECT_NO_THROW(out = infiltration.ApplyTimeRated(t100));
        EXPECT_FALSE(out);
        EXPECT_NO_THROW(infiltration.SetTimeRatedT100(t100));
        ExpectCoefficients(infiltration.GetCoefficients(), 0.718, 3.56, 0.8, 45.0, 0.0);
        EXPECT_EQ(infiltration.SCSNumber(), 1.5);
        EXPECT_EQ(infiltration.FlowResistance(), 0.2);
    }
}
