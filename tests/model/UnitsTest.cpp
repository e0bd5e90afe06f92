#include "RecordingDialogs.h"
#include "uUnitKind.h"
#include "uUnits.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

std::unique_ptr<TUnit> MakeUnit(const std::string &name, TUnitKind kind, double factor)
{
    auto unit = std::make_unique<TUnit>();
    unit->SetName(name);
    unit->SetKind(kind);
    unit->SetFactor(factor);
    unit->SetInverseFactor(1.0 / factor);
    return unit;
}

}  // namespace

TEST(UnitKindOfName, FindsEveryCodeIgnoringLetterCase)
{
    struct Case {
        const char *name;
        TUnitKind kind;
    };
    constexpr Case kCases[] = {
        {"Feet", 0},          {"FEET", 0},           {"feet", 0},          {"fEeT", 0},
        {"Meters", 1},        {"MM", 2},             {"Inch", 3},          {"M3M_1", 4},
        {"FT3FT_1", 5},       {"LS_1", 6},           {"GalMin_1", 7},      {"M3Min_1", 8},
        {"FT3S_1", 9},        {"Minutes", 10},       {"Hours", 11},        {"empty", 12},
        {"Perc", 13},         {"CM", 14},            {"MM_MIN_A", 15},     {"MM_HR_A", 16},
        {"CM_MIN_A", 17},     {"CM_HR_A", 18},       {"IN_MIN_A", 19},     {"IN_HR_A", 20},
        {"M_MIN_A", 21},      {"M_HR_A", 22},        {"MM_1", 23},         {"FTFT_1", 24},
        {"M_MIN", 25},        {"MM_MIN", 26},        {"MM_HR", 27},        {"CM_MIN", 28},
        {"CM_HR", 29},        {"IN_MIN", 30},        {"IN_HR", 31},        {"M_2_Sig2", 32},
        {"M_1_Tau2", 33},     {"FT_2_Sig2", 34},     {"FT_1_Tau2", 35},    {"FT_MIN", 36},
        {"M_HR", 37},         {"FT_HR", 38},         {"M3M_1_MIN_A", 39},  {"M3M_1_HR_A", 40},
        {"FT3FT_1_MIN_A", 41}, {"FT3FT_1_HR_A", 42}, {"M3M_1_MIN", 43},    {"M3M_1_HR", 44},
        {"FT3FT_1_MIN", 45},  {"FT3FT_1_HR", 46},
    };
    RecordingDialogs dialogs;
    for (const Case &c : kCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(UnitKindOfName(c.name), c.kind);
    }
    EXPECT_TRUE(dialogs.Messages().empty());
}

TEST(UnitKindOfName, UnknownNameIsReportedAndIsEmpty)
{
    RecordingDialogs dialogs;
    for (const char *name : {"Meter", "Feet ", ""}) {
        SCOPED_TRACE(name);
        dialogs.Clear();
        EXPECT_EQ(UnitKindOfName(name), ukEmpty);
        ASSERT_EQ(dialogs.Messages().size(), 1u);
        EXPECT_EQ(dialogs.Messages()[0].text, std::string("Cannot find correct Unit ") + name);
        EXPECT_EQ(dialogs.Messages()[0].icon, DialogIcon::None);
        EXPECT_EQ(dialogs.Messages()[0].buttons, DialogButtons::Ok);
    }
}

TEST(UnitKind, CodesOutsideTheTableAreRefused)
{
    EXPECT_TRUE(IsUnitKind(0));
    EXPECT_TRUE(IsUnitKind(46));
    EXPECT_FALSE(IsUnitKind(-1));
    EXPECT_FALSE(IsUnitKind(47));
}

TEST(Unit, NewUnitIsEmpty)
{
    TUnit unit;
    EXPECT_EQ(unit.Name(), "");
    EXPECT_EQ(unit.Kind(), 0);
    EXPECT_EQ(unit.Factor(), 0.0);
    EXPECT_EQ(unit.InverseFactor(), 0.0);
}

TEST(Units, GetUnitAnswersTheFirstUnitOfAKind)
{
    TUnits units;
    EXPECT_EQ(units.GetUnit(ukMM), nullptr);  // empty table
    EXPECT_EQ(units.Add(MakeUnit("Feet", ukFeet, 3.28)), 0);
    EXPECT_EQ(units.Add(MakeUnit("MM", ukMM, 1.0)), 0);
    EXPECT_EQ(units.Add(MakeUnit("mm", ukMM, 1.0)), 0);
    ASSERT_NE(units.GetUnit(ukMM), nullptr);
    EXPECT_EQ(units.GetUnit(ukMM)->Name(), "MM");
    EXPECT_EQ(units.GetUnit(ukFeet)->Factor(), 3.28);
    EXPECT_EQ(units.GetUnit(ukHours), nullptr);

    std::unique_ptr<TIterator> it(units.CreateIterator());
    std::string order;
    while (!it->IsDone())
        order += static_cast<TUnit *>(it->Next())->Name() + ",";
    EXPECT_EQ(order, "Feet,MM,mm,");
}
