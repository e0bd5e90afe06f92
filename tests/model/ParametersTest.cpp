#include "RecordingDialogs.h"
#include "uParameters.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

class ParametersTest : public ::testing::Test {
protected:
    ParametersTest()
    {
        unit.SetFactor(1.0);
        unit.SetInverseFactor(1.0);
        for (const char *name : {"FlowRate", "SCS #", "Mode"}) {
            auto p = std::make_unique<TParameter>(1.0, &unit);
            p->SetName(name);
            set.AddParameter(std::move(p));
        }
        for (const char *name : {"AdvanceTime", "InfiltrationDepth"}) {
            auto a = std::make_unique<TParameterArray>(&unit, 30, 1);
            a->SetName(name);
            set.AddArray(std::move(a));
        }
    }

    RecordingDialogs dialogs;
    TUnit unit;
    TParameters set;
};

}  // namespace

TEST_F(ParametersTest, FindParameterIgnoresLetterCase)
{
    struct Case {
        const char *asked;
        const char *found;
    };
    constexpr Case kCases[] = {
        {"FlowRate", "FlowRate"}, {"flowrate", "FlowRate"}, {"FLOWRATE", "FlowRate"},
        {"scs #", "SCS #"},       {"mode", "Mode"},
    };
    for (const Case &c : kCases) {
        SCOPED_TRACE(c.asked);
        TParameter *p = set.FindParameter(c.asked);
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(p->Name(), c.found);
    }
    EXPECT_TRUE(dialogs.Messages().empty());
}

TEST_F(ParametersTest, FailedLookupShowsTheNameAsAsked)
{
    struct Case {
        const char *asked;
        const char *message;
    };
    constexpr Case kCases[] = {
        {"FlowRate ", "Can't find FlowRate  parameter"},
        {"cutofftime", "Can't find cutofftime parameter"},
        {"AdvanceTime", "Can't find AdvanceTime parameter"},  // a curve is no parameter
    };
    for (const Case &c : kCases) {
        SCOPED_TRACE(c.asked);
        dialogs.Clear();
        EXPECT_EQ(set.FindParameter(c.asked), nullptr);
        ASSERT_EQ(dialogs.Messages().size(), 1u);
        EXPECT_EQ(dialogs.Messages()[0].text, c.message);
        EXPECT_EQ(dialogs.Messages()[0].icon, DialogIcon::None);
        EXPECT_EQ(dialogs.Messages()[0].buttons, DialogButtons::Ok);
    }
}

TEST_F(ParametersTest, FindArrayIgnoresCaseAndFailsSilently)
{
    TParameterArray *a = set.FindArray("advancetime");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->Name(), "AdvanceTime");
    EXPECT_EQ(set.FindArray("RecessionTime"), nullptr);
    EXPECT_EQ(set.FindArray("Mode"), nullptr);
    EXPECT_TRUE(dialogs.Messages().empty());
}

TEST_F(ParametersTest, IteratorsWalkInTheOrderAdded)
{
    std::vector<std::string> names;
    std::unique_ptr<TIterator> it(set.CreateParameterIterator());
    while (!it->IsDone())
        names.push_back(static_cast<TParameter *>(it->Next())->Name());
    EXPECT_EQ(names, (std::vector<std::string>{"FlowRate", "SCS #", "Mode"}));

    names.clear();
    std::unique_ptr<TIterator> arrays(set.CreateArrayIterator());
    while (!arrays->IsDone())
        names.push_back(static_cast<TParameterArray *>(arrays->Next())->Name());
    EXPECT_EQ(names, (std::vector<std::string>{"AdvanceTime", "InfiltrationDepth"}));
}

TEST_F(ParametersTest, ResetActiveClearsOnlyTheFlags)
{
    TParameter *flow = set.FindParameter("FlowRate");
    TParameter *mode = set.FindParameter("Mode");
    flow->SetActive(true);
    flow->SetCategory(pcResult);
    flow->SetValue(42.0);
    mode->SetActive(true);
    set.ResetActive();
    EXPECT_FALSE(flow->Active());
    EXPECT_FALSE(mode->Active());
    EXPECT_EQ(flow->Category(), pcResult);
    EXPECT_EQ(flow->GetValue(), 42.0);
}

TEST(Parameters, NewSetIsEmpty)
{
    RecordingDialogs dialogs;
    TParameters set;
    std::unique_ptr<TIterator> parameters(set.CreateParameterIterator());
    std::unique_ptr<TIterator> arrays(set.CreateArrayIterator());
    EXPECT_TRUE(parameters->IsDone());
    EXPECT_TRUE(arrays->IsDone());
    EXPECT_EQ(set.FindParameter("FlowRate"), nullptr);
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Can't find FlowRate parameter"});
}
