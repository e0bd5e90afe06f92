#include "Errors.h"
#include "RecordingDialogs.h"
#include "uParameter.h"
#include "uParameterArray.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

// Units of several factors, as a settings file would give them.
class ParameterTest : public ::testing::Test {
protected:
    ParameterTest()
    {
        Set(identity, "MM", ukMM, 1.0);
        Set(feet, "Feet", ukFeet, 3.28);
        Set(doubled, "Perc", ukPerc, 2.0);
        Set(unknown, "Hours", ukHours, 0.0);
        unknown.SetInverseFactor(0.0);
    }
    static void Set(TUnit &unit, const char *name, TUnitKind kind, double factor)
    {
        unit.SetName(name);
        unit.SetKind(kind);
        unit.SetFactor(factor);
        unit.SetInverseFactor(1.0 / factor);
    }

    RecordingDialogs dialogs;
    TUnit identity, feet, doubled, unknown;
};

}  // namespace

TEST_F(ParameterTest, CreateConvertsTheDisplayedValueToStoredUnits)
{
    TParameter p(32.8, &feet);
    EXPECT_NEAR(p.GetValue(), 10.0, 1e-12);
    EXPECT_NEAR(p.GetDisplayValue(), 32.8, 1e-12);
    EXPECT_EQ(p.Name(), "");
    EXPECT_EQ(p.Category(), pcInput);
    EXPECT_FALSE(p.Active());
    EXPECT_EQ(p.Boundary(), nullptr);

    TParameter raw(7.0, &unknown);  // inverse factor 0: stored as given, shown as 0
    EXPECT_EQ(raw.GetValue(), 7.0);
    EXPECT_EQ(raw.GetDisplayValue(), 0.0);
    EXPECT_EQ(raw.GetDisplayValueAsInteger(), 0);
    EXPECT_TRUE(dialogs.Messages().empty());
}

TEST_F(ParameterTest, CreateWithoutUnitReportsAndLeavesTheValueUnset)
{
    TParameter p(5.0, nullptr);
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_EQ(dialogs.Messages()[0].text, "Unknown Unit");
    EXPECT_EQ(dialogs.Messages()[0].icon, DialogIcon::Error);
    EXPECT_EQ(dialogs.Messages()[0].buttons, DialogButtons::Ok);
    EXPECT_EQ(p.GetUnit(), nullptr);
    EXPECT_FALSE(p.HasValue());
    EXPECT_EQ(p.GetValue(), 0.0);
    EXPECT_EQ(p.GetValueAsInteger(), 0);
    EXPECT_EQ(p.GetDisplayValue(), 0.0);
}

TEST_F(ParameterTest, CreateBoundedKeepsLimitsInStoredUnits)
{
    auto p = TParameter::CreateBounded(40.0, &doubled, 5.0, 600.0);
    EXPECT_EQ(p->GetValue(), 20.0);
    ASSERT_NE(p->Boundary(), nullptr);
    EXPECT_EQ(p->Boundary()->Lower(), 5.0);
    EXPECT_EQ(p->Boundary()->Upper(), 600.0);
    EXPECT_EQ(p->GetDisplayLower(), 10.0);
    EXPECT_EQ(p->GetDisplayUpper(), 1200.0);
    EXPECT_TRUE(p->IsInRange());

    // Without unit the limits still come, unchecked against each other.
    auto orphan = TParameter::CreateBounded(1.0, nullptr, 9.0, 3.0);
    ASSERT_NE(orphan->Boundary(), nullptr);
    EXPECT_EQ(orphan->Boundary()->Lower(), 9.0);
    EXPECT_EQ(orphan->Boundary()->Upper(), 3.0);
}

TEST_F(ParameterTest, IsInRangeIncludesBothLimits)
{
    struct Case {
        double stored;
        bool inRange;
    };
    constexpr Case kCases[] = {{4.999, false}, {5.0, true}, {300.0, true}, {600.0, true}, {600.001, false}};
    auto p = TParameter::CreateBounded(0.0, &identity, 5.0, 600.0);
    for (const Case &c : kCases) {
        SCOPED_TRACE(c.stored);
        p->SetValue(c.stored);
        EXPECT_EQ(p->IsInRange(), c.inRange);
    }
}

TEST_F(ParameterTest, WithoutBoundaryEverythingIsInRange)
{
    TParameter p(1e9, &identity);
    EXPECT_TRUE(p.IsInRange());
    EXPECT_EQ(p.GetDisplayLower(), -1.0);
    EXPECT_EQ(p.GetDisplayUpper(), -1.0);
    p.SetBoundary(std::make_unique<TBoundary>());
    EXPECT_FALSE(p.IsInRange());  // a new boundary is [0, 0]
}

TEST_F(ParameterTest, SetDisplayValueReadsTextThroughTheUnit)
{
    struct Case {
        const char *text;
        double stored;
    };
    constexpr Case kCases[] = {{"2,5", 2.5}, {"2.5", 2.5}, {"-3", -3.0}, {"1E2", 100.0}};
    TParameter p(0.0, &identity);
    for (const Case &c : kCases) {
        SCOPED_TRACE(c.text);
        p.SetDisplayValue(c.text);
        EXPECT_EQ(p.GetValue(), c.stored);
    }
    TParameter length(0.0, &feet);
    length.SetDisplayValue("32.8");
    EXPECT_NEAR(length.GetValue(), 10.0, 1e-12);
    length.SetDisplayValue(65.6);
    EXPECT_NEAR(length.GetValue(), 20.0, 1e-12);
}

TEST_F(ParameterTest, SetDisplayValueRefusesTextThatIsNoNumber)
{
    TParameter p(4.0, &identity);
    for (const char *text : {"word", "1,000,5", "", "1.5x"}) {
        SCOPED_TRACE(text);
        EXPECT_THROW(p.SetDisplayValue(text), EConvertError);
        EXPECT_EQ(p.GetValue(), 4.0);
    }
    try {
        p.SetDisplayValue("1,000,5");
    } catch (const EConvertError &error) {
        EXPECT_EQ(error.Message(), "'1.000,5' is not a valid floating point value");
    }
}

TEST_F(ParameterTest, SetDisplayValueWithoutUnitConvertsFirstThenReports)
{
    TParameter p(1.0, nullptr);
    dialogs.Clear();
    EXPECT_THROW(p.SetDisplayValue("abc"), EConvertError);
    EXPECT_TRUE(dialogs.Messages().empty());
    p.SetDisplayValue("3");
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Unknown Unit"});
    EXPECT_FALSE(p.HasValue());
}

TEST_F(ParameterTest, SetDisplayValueWithInverseFactorZeroStoresTheNumber)
{
    TParameter p(0.0, &unknown);
    p.SetDisplayValue("12.5");
    EXPECT_EQ(p.GetValue(), 12.5);
}

TEST_F(ParameterTest, SetUnitKeepsTheStoredValue)
{
    TParameter p(10.0, &identity);
    EXPECT_EQ(p.SetUnit(&feet), 0);
    EXPECT_EQ(p.GetValue(), 10.0);
    EXPECT_NEAR(p.GetDisplayValue(), 32.8, 1e-12);
}

TEST_F(ParameterTest, SetDisplayValueAndUnitRepointsAndConverts)
{
    TParameter p(10.0, &identity);
    p.SetDisplayValueAndUnit(65.6, &feet);
    EXPECT_EQ(p.GetUnit(), &feet);
    EXPECT_NEAR(p.GetValue(), 20.0, 1e-12);
    p.SetDisplayValueAndUnit(1.0, nullptr);
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Unknown Unit"});
    EXPECT_EQ(p.GetUnit(), &feet);
    EXPECT_NEAR(p.GetValue(), 20.0, 1e-12);
}

TEST_F(ParameterTest, IntegerConversionsRoundHalvesToEven)
{
    struct Case {
        double stored;
        double factor;
        int value;
        int display;
    };
    constexpr Case kCases[] = {
        {2.5, 1.0, 2, 2}, {3.5, 1.0, 4, 4}, {-2.5, 1.0, -2, -2}, {2.4, 1.0, 2, 2},
        // the stored value is rounded before the factor applies: Round(Round(2.6) x 1.25)
        {2.6, 1.25, 3, 4}, {3.0, 0.5, 3, 2},
    };
    for (const Case &c : kCases) {
        SCOPED_TRACE(c.stored);
        TUnit unit;
        unit.SetFactor(c.factor);
        TParameter p(0.0, &unit);
        p.SetValue(c.stored);
        EXPECT_EQ(p.GetValueAsInteger(), c.value);
        EXPECT_EQ(p.GetDisplayValueAsInteger(), c.display);
    }
}

TEST_F(ParameterTest, IntegerConversionsBeyond32BitsRaiseTheRangeError)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (double stored : {nan, inf, -inf, 2147483648.0, -2147483649.0, 1e300}) {
        SCOPED_TRACE(stored);
        TParameter p(0.0, &identity);
        p.SetValue(stored);
        EXPECT_THROW(p.GetValueAsInteger(), ERangeError);
        EXPECT_THROW(p.GetDisplayValueAsInteger(), ERangeError);
    }
    // In range before the factor, out of range after it.
    TParameter p(0.0, &doubled);
    p.SetValue(2000000000.0);
    EXPECT_EQ(p.GetValueAsInteger(), 2000000000);
    EXPECT_THROW(p.GetDisplayValueAsInteger(), ERangeError);
    p.SetValue(2147483647.0);
    p.SetUnit(&identity);
    EXPECT_EQ(p.GetDisplayValueAsInteger(), 2147483647);
}

TEST_F(ParameterTest, DescriptionFallsBackToTheName)
{
    TParameter p(0.0, &identity);
    p.SetName("FlowRate");
    EXPECT_EQ(p.GetDescription(), "FlowRate");
    p.SetDescription("Inflow rate");
    EXPECT_EQ(p.GetDescription(), "Inflow rate");
}

TEST(ParameterArray, IsZeroFilledAndAnswersMinusOneOutsideTheGrid)
{
    TUnit unit;
    unit.SetFactor(2.0);
    TParameterArray curve(&unit, 30, 1);
    EXPECT_EQ(curve.RowCount(), 30);
    EXPECT_EQ(curve.ColCount(), 1);
    for (int row = 0; row <= 30; ++row)
        for (int col = 0; col <= 1; ++col)
            EXPECT_EQ(curve.GetDisplayValue(row, col), 0.0);

    EXPECT_EQ(curve.SetValue(30, 0, 4.0), 0);
    EXPECT_EQ(curve.GetDisplayValue(30, 0), 8.0);
    EXPECT_EQ(curve.SetValue(0, 1, 1.5), 0);
    EXPECT_EQ(curve.GetDisplayValue(0, 1), 3.0);

    struct Cell {
        int row;
        int col;
    };
    constexpr Cell kOutside[] = {{31, 0}, {0, 2}, {-1, 0}, {0, -1}, {-5, -5}};
    for (const Cell &c : kOutside) {
        SCOPED_TRACE(std::to_string(c.row) + "," + std::to_string(c.col));
        EXPECT_EQ(curve.SetValue(c.row, c.col, 9.0), -1);
        EXPECT_EQ(curve.GetDisplayValue(c.row, c.col), -1.0);
    }
    EXPECT_EQ(curve.GetDisplayValue(30, 0), 8.0);  // nothing stored by the refused calls
}

TEST(ParameterArray, RaisedCountsNeverReachBeyondTheGrid)
{
    TUnit unit;
    unit.SetFactor(1.0);
    TParameterArray curve(&unit, 30, 1);
    curve.SetRowCount(100);
    EXPECT_EQ(curve.SetValue(31, 0, 1.0), -1);
    curve.SetRowCount(10);
    EXPECT_EQ(curve.SetValue(11, 0, 1.0), -1);
    EXPECT_EQ(curve.SetValue(10, 0, 1.0), 0);
}

TEST(ParameterArray, SetUnitKeepsTheValues)
{
    TUnit mm, cm;
    mm.SetFactor(1.0);
    cm.SetFactor(0.1);
    TParameterArray curve(&mm, 30, 1);
    curve.SetValue(3, 0, 50.0);
    EXPECT_EQ(curve.SetUnit(&cm), 0);
    EXPECT_EQ(curve.GetUnit(), &cm);
    EXPECT_DOUBLE_EQ(curve.GetDisplayValue(3, 0), 5.0);
}
