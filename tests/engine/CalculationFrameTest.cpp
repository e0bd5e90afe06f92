#include "BindingFixture.h"

#include "EngineLibraries.h"
#include "uIrrigationDataSet.h"
#include "uIrrigationManager.h"

#include <cmath>
#include <limits>
#include <stdexcept>

namespace {

using R = TIrrikaInfoRecord;

struct Module {
    TIrrigationModule number;
    int unknownCode;  // the message code that ErrorCode -1 gives
};
const Module kModules[] = {{imBasin, 0}, {imBorder, 199}, {imFurrow, 299}};

class CalculationFrame : public BindingFixture, public ::testing::WithParamInterface<Module> {
protected:
    void SetUp() override { Open(GetParam().number); }
};

const char *const kNames[] = {"Basin", "Border", "Furrow"};

std::string Name(const ::testing::TestParamInfo<Module> &info) { return kNames[info.param.number]; }

void PrintTo(const Module &module, std::ostream *out) { *out << kNames[module.number]; }

}  // namespace

TEST_P(CalculationFrame, ARunNumberWithoutRunDoesNothing)
{
    for (int number : {0, 2, -1}) {
        SCOPED_TRACE(number);
        EXPECT_EQ(formatter->Calculate(number), 0);
    }
    EXPECT_EQ(engine->Calls(), 0);
    EXPECT_TRUE(Shown().empty());
    EXPECT_TRUE(dialogs.Messages().empty());
}

TEST_P(CalculationFrame, AnExceptionInTheEngineIsReportedAndLeavesTheRun)
{
    engine->Respond = [](R &record) {
        FillDistinct(record);
        throw std::runtime_error("Access violation in the engine");
    };
    const std::map<std::string, double> before = Values();
    EXPECT_EQ(formatter->Calculate(1), -1);
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_EQ(dialogs.Messages()[0].text, "Access violation in the engine\r\n");
    EXPECT_EQ(dialogs.Messages()[0].caption, "Error");
    EXPECT_EQ(dialogs.Messages()[0].icon, DialogIcon::Error);
    EXPECT_EQ(dialogs.Messages()[0].buttons, DialogButtons::Ok);
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0].code, GetParam().unknownCode);
    EXPECT_EQ(Shown()[0].text, "Unknown Error or Warning");
    EXPECT_EQ(Values(), before);
    EXPECT_EQ(Curve("AdvanceTime"), std::vector<double>(31, 0.0));
}

TEST_P(CalculationFrame, AResultThatIsNoNumberFailsTheCalculation)
{
    struct Case {
        const char *what;
        void (*spoil)(R &);
    };
    const Case kCases[] = {
        {"NaN depth", [](R &record) { record.AverageDepth = std::numeric_limits<double>::quiet_NaN(); }},
        {"infinite profile point",
         [](R &record) { record.InfiltrationProfile[30] = std::numeric_limits<double>::infinity(); }},
        {"NaN returned length", [](R &record) { record.Length = std::nan(""); }},
    };
    for (const Case &c : kCases) {
        SCOPED_TRACE(c.what);
        RecordingErrorDisplay shown;
        engine->Respond = [&](R &record) {
            FillDistinct(record);
            record.WarningCode = 1;
            c.spoil(record);
        };
        const std::map<std::string, double> before = Values();
        EXPECT_EQ(formatter->Calculate(1), -1);
        ASSERT_EQ(shown.Showings().size(), 1u);
        EXPECT_EQ(shown.Showings()[0].code, GetParam().unknownCode);
        EXPECT_EQ(shown.Showings()[0].kind, ekError);
        EXPECT_EQ(Values(), before);
        EXPECT_EQ(Curve("InfiltrationDepth"), std::vector<double>(31, 0.0));
    }
    EXPECT_TRUE(dialogs.Messages().empty());
}

TEST_P(CalculationFrame, WithoutItsEngineLibraryTheCalculationFailsWithAMessage)
{
    engine.reset();
    const TIrrikaInfoProc kept = SetEngineEntryPoint(GetParam().number, nullptr);
    EXPECT_EQ(formatter->Calculate(1), -1);
    SetEngineEntryPoint(GetParam().number, kept);
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_NE(dialogs.Messages()[0].text.find(EngineLibraryName(GetParam().number)), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(EveryModule, CalculationFrame, ::testing::ValuesIn(kModules), Name);

TEST(IrrigationManager, MakesTheBindingOfAModuleWithItsOwnDataSet)
{
    RecordingDialogs dialogs;
    struct Case {
        TIrrigationModule module;
        const char *binding;
        int fileKind;
    };
    const Case kCases[] = {{imBasin, "TPondix", 2}, {imBorder, "TStriva", 4}, {imFurrow, "TRillox", 3}};
    for (const Case &c : kCases) {
        SCOPED_TRACE(c.binding);
        std::unique_ptr<TIrrigationFormatter> formatter;
        {
            TIrrigationManager manager;
            formatter = manager.CreateFormatter(c.module);
        }
        ASSERT_NE(formatter, nullptr);
        EXPECT_EQ(formatter->GetDescription(), c.binding);
        ASSERT_NE(formatter->GetDataSet(), nullptr);
        EXPECT_EQ(formatter->GetDataSet()->FileKind(), c.fileKind);
        EXPECT_EQ(formatter->FTimeChart, nullptr);
        EXPECT_EQ(formatter->FDepthChart, nullptr);
        EXPECT_EQ(formatter->FRunGrid, nullptr);
        // The manager is gone; the binding still works.
        EXPECT_EQ(formatter->GetDataSet()->NewRun(), 1);
    }
    EXPECT_EQ(TIrrigationManager().CreateFormatter(3), nullptr);
    EXPECT_TRUE(dialogs.Messages().empty());
}
