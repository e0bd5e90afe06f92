// Run files that engineers edited by hand: a load either reads the file as the program
// would have written it or refuses it as a reading error, and no save or append leaves a
// file behind that the program cannot open again.

#include "Errors.h"
#include "RecordingDialogs.h"
#include "RunFileFixture.h"
#include "RunFileText.h"
#include "TempFolder.h"
#include "uConstants.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <functional>
#include <limits>

namespace {

constexpr int kRaised = -2;

// Index of the run line of run i (0-based) in a file of the module's layout.
std::size_t RunLineIndex(const ModuleCase &m, std::size_t i) { return 3 + i * (1 + m.curves); }

class HandEditedRunFileTest : public ::testing::Test {
protected:
    // LoadFromFile's result, or kRaised when the load passed an error on (basin).
    int Load(const ModuleCase &m, const std::string &name, TIrrigationDataSet &dataSet)
    {
        auto file = m.makeFormatter();
        file->FileName = name;
        try {
            return file->LoadFromFile(&dataSet);
        } catch (const Exception &e) {
            error = e.Message();
            return kRaised;
        }
    }

    int Save(const ModuleCase &m, const std::string &name, TIrrigationDataSet &dataSet)
    {
        auto file = m.makeFormatter();
        file->FileName = name;
        return file->SaveToFile(&dataSet);
    }

    int Append(const ModuleCase &m, const std::string &name, TIrrigationDataSet &dataSet)
    {
        auto file = m.makeFormatter();
        file->FileName = name;
        return file->AppendRun(&dataSet);
    }

    // The lines of a file that FilledDataSet's runs give, to be edited by a test.
    std::vector<std::string> SavedLines(const ModuleCase &m, int runs)
    {
        const std::string name = folder.File(std::string("made") + m.layout.Extension);
        auto made = FilledDataSet(m.module, runs, name);
        EXPECT_EQ(Save(m, name, *made), 0);
        return SplitLines(ReadBytes(name));
    }

    RecordingDialogs dialogs;
    TempFolder folder;
    std::string error;
};

// The units line comes from the first run in list order, so runs numbered 0 and 2 keep
// their file loadable through a save and an append.
TEST_F(HandEditedRunFileTest, RunsNotNumberedFromOneKeepTheUnitsLine)
{
    const ModuleCase &basin = Modules()[imBasin];
    const std::string name = folder.File("numbered.pdx");
    const std::string content = Lines({Header("PondixFile", name), kUnitsLine, "2", WithField(kRunLine, 0, "0"),
                                       CurveLine(0, 1), CurveLine(80, 1), WithField(kRunLine, 0, "2"),
                                       CurveLine(0, 2), CurveLine(80, 2)});
    WriteBytes(name, content);
    TIrrigationDataSet dataSet(imBasin);
    ASSERT_EQ(Load(basin, name, dataSet), 0);
    ASSERT_EQ(Save(basin, name, dataSet), 0);
    EXPECT_EQ(ReadBytes(name), content);

    auto own = FilledDataSet(imBasin, 1, name);
    ASSERT_EQ(Append(basin, name, *own), 0);
    TIrrigationDataSet reread(imBasin);
    ASSERT_EQ(Load(basin, name, reread), 0) << error;
    ASSERT_EQ(reread.GetRunCount(), 3);
    EXPECT_EQ(SplitLines(ReadBytes(name))[1], kUnitsLine);
    EXPECT_DOUBLE_EQ(Value(reread.GetRunByNumber(1), "FlowRate"), 27.5);

    // The other formats likewise, from files whose runs were renumbered 0 and 5.
    for (const ModuleCase &m : {Modules()[imBorder], Modules()[imFurrow]}) {
        SCOPED_TRACE(m.name);
        const std::string file = folder.File(std::string("renumbered") + m.layout.Extension);
        std::vector<std::string> lines = SavedLines(m, 2);
        lines[0] = Header(m.layout.Tag, file);
        lines[RunLineIndex(m, 0)] = WithField(lines[RunLineIndex(m, 0)], 0, "0");
        lines[RunLineIndex(m, 1)] = WithField(lines[RunLineIndex(m, 1)], 0, "5");
        WriteBytes(file, Lines(lines));
        TIrrigationDataSet loaded(m.module);
        ASSERT_EQ(Load(m, file, loaded), 0);
        ASSERT_EQ(Save(m, file, loaded), 0);
        EXPECT_EQ(ReadBytes(file), Lines(lines));
    }
    EXPECT_TRUE(dialogs.Messages().empty());
}

struct UnitCodeCase {
    const char *what;
    TIrrigationModule module;
    std::vector<std::pair<std::size_t, const char *>> codes;  // column, code
    bool loads;
};

// A code of another quantity would re-point every parameter sharing the column's unit,
// the mode and the options included, so that the mode drifts on every save.
TEST_F(HandEditedRunFileTest, UnitCodeOfAnotherQuantityIsAReadingError)
{
    const UnitCodeCase cases[] = {
        {"feet on a time column", imBasin, {{3, "1"}}, false},
        {"hours on the dimensionless flow resistance", imBasin, {{5, "12"}}, false},
        {"feet on the dimensionless flow resistance", imBasin, {{5, "1"}}, false},
        {"percent on a length", imBasin, {{1, "14"}}, false},
        {"l/s on the required depth", imBorder, {{8, "7"}}, false},
        {"feet on the furrow's advance ratio", imFurrow, {{3, "1"}}, false},
        {"gal/min on both flow columns", imBasin, {{0, "8"}, {10, "8"}}, true},
        {"the code of no unit on a flow column", imBasin, {{0, "13"}}, true},
        {"code 0 on the flow resistance", imBasin, {{5, "0"}}, true},
        {"m3/m on the furrow's required depth", imFurrow, {{6, "5"}}, true},
    };
    for (const UnitCodeCase &c : cases) {
        SCOPED_TRACE(c.what);
        const ModuleCase &m = Modules()[c.module];
        std::vector<std::string> lines = SavedLines(m, 1);
        for (const auto &[column, code] : c.codes)
            lines[1] = WithField(lines[1], column, code);
        const std::string name = folder.File(std::string("codes") + m.layout.Extension);
        WriteBytes(name, Lines(lines));

        auto dataSet = FilledDataSet(c.module, 2, folder.File("own"));
        const std::string before = Snapshot(*dataSet);
        const int result = Load(m, name, *dataSet);
        if (!c.loads) {
            EXPECT_EQ(result, c.module == imBasin ? kRaised : -1);
            if (c.module == imBasin) {
                EXPECT_EQ(error, "Range check error");
            }
            EXPECT_EQ(Snapshot(*dataSet), before);
            continue;
        }
        ASSERT_EQ(result, 0);
        const int mode = dataSet->GetRunByNumber(1)->GetMode();
        // Saved and read again, the run keeps its mode and its options their values.
        ASSERT_EQ(Save(m, name, *dataSet), 0);
        TIrrigationDataSet reread(c.module);
        ASSERT_EQ(Load(m, name, reread), 0);
        EXPECT_EQ(reread.GetRunByNumber(1)->GetMode(), mode);
        EXPECT_EQ(mode, 2);
        for (const char *option : m.layout.Options)
            EXPECT_EQ(Value(reread.GetRunByNumber(1), option), Value(dataSet->GetRunByNumber(1), option));
        // Only the quantity named by a code changes units: a dimensionless parameter keeps its own.
        EXPECT_EQ(KindOf(reread.GetRunByNumber(1), "Flowresistance"), ukEmpty);
        EXPECT_EQ(KindOf(reread.GetRunByNumber(1), "Mode"), ukEmpty);
    }
    EXPECT_TRUE(dialogs.Messages().empty());
}

// A run line that is not applied would keep the settings file's units while the saved
// file says other units: its numbers would come back in the wrong unit.
TEST_F(HandEditedRunFileTest, RunLineThatCannotBeAppliedIsAReadingError)
{
    const std::string basinName = folder.File("long.pdx");
    WriteBytes(basinName, Lines({Header("PondixFile", basinName), kUnitsLine, "1", kRunLine + "7;", CurveLine(2, 1),
                                 CurveLine(2, 1)}));
    // Border: flows in gal/min, the second run line 100 fields long.
    std::vector<std::string> border = SavedLines(Modules()[imBorder], 2);
    for (std::size_t column : {0u, 15u, 16u})
        border[1] = WithField(border[1], column, "8");
    border[RunLineIndex(Modules()[imBorder], 1)] += std::string(56, ';');
    // Furrow: a units line of 53 codes.
    std::vector<std::string> furrow = SavedLines(Modules()[imFurrow], 1);
    furrow[1] += "7;";

    const std::pair<TIrrigationModule, std::string> cases[] = {
        {imBasin, ReadBytes(basinName)}, {imBorder, Lines(border)}, {imFurrow, Lines(furrow)}};
    for (const auto &[module, content] : cases) {
        const ModuleCase &m = Modules()[module];
        SCOPED_TRACE(m.name);
        const std::string name = folder.File(std::string("long") + m.layout.Extension);
        WriteBytes(name, content);
        auto dataSet = FilledDataSet(module, 1, folder.File("own"));
        const std::string before = Snapshot(*dataSet);
        const int result = Load(m, name, *dataSet);
        EXPECT_EQ(result, module == imBasin ? kRaised : -1);
        if (module == imBasin) {
            EXPECT_EQ(error, "List index out of bounds (29)");
        }
        EXPECT_EQ(Snapshot(*dataSet), before);
    }
    EXPECT_TRUE(dialogs.Messages().empty());
}

// The largest numbers a file can hold are written back so that they load again.
TEST_F(HandEditedRunFileTest, LargestNumbersSaveAndLoadAgain)
{
    const ModuleCase &basin = Modules()[imBasin];
    const std::string name = folder.File("large.pdx");
    std::string run = WithField(kRunLine, 25, "1.7976931348623157E308");
    run = WithField(run, 24, "-1.7976931348623157E308");
    WriteBytes(name, Lines({Header("PondixFile", name), kUnitsLine, "1", run, CurveLine(0, 1),
                            "4.9406564584124654E-324;" + FirstFields(CurveLine(1, 1), 30)}));
    TIrrigationDataSet dataSet(imBasin);
    ASSERT_EQ(Load(basin, name, dataSet), 0);
    ASSERT_EQ(Save(basin, name, dataSet), 0);
    TIrrigationDataSet reread(imBasin);
    ASSERT_EQ(Load(basin, name, reread), 0) << error;
    TIrrigationRun *loaded = reread.GetRunByNumber(1);
    EXPECT_NEAR(Value(loaded, "Over-irr. length"), DBL_MAX, DBL_MAX * 1e-14);
    EXPECT_NEAR(Value(loaded, "Under-irr. depth"), -DBL_MAX, DBL_MAX * 1e-14);
    EXPECT_EQ(loaded->GetParameters()->FindArray("InfiltrationDepth")->GetDisplayValue(0, 0),
              std::numeric_limits<double>::denorm_min());
}

// A value that the run's unit cannot hold (it or its stored form beyond the double range)
// would be written as text that no reader takes.
TEST_F(HandEditedRunFileTest, ValueTheRunCannotHoldIsAReadingError)
{
    const ModuleCase &basin = Modules()[imBasin];
    const std::string name = folder.File("huge.pdx");
    // Times in hours: 1E308 hours are beyond the range in minutes.
    std::string hours = kUnitsLine;
    for (std::size_t column : {3u, 7u, 13u, 24u, 25u})
        hours = WithField(hours, column, "12");
    const std::string cases[] = {
        Lines({Header("PondixFile", name), hours, "1", WithField(kRunLine, 6, "1E308"), CurveLine(0, 1), CurveLine(0, 1)}),
        Lines({Header("PondixFile", name), hours, "1", kRunLine, "1E308;" + FirstFields(CurveLine(0, 1), 30),
               CurveLine(0, 1)}),
    };
    for (const std::string &content : cases) {
        WriteBytes(name, content);
        auto dataSet = FilledDataSet(imBasin, 1, folder.File("own"));
        const std::string before = Snapshot(*dataSet);
        EXPECT_EQ(Load(basin, name, *dataSet), kRaised);
        EXPECT_EQ(error, "Floating point overflow");
        EXPECT_EQ(Snapshot(*dataSet), before);
    }
}

// The last line of defence: whatever the runs hold, a file replaces the old one only once
// the program's own reader took the new content; otherwise the old file stays.
TEST_F(HandEditedRunFileTest, NewContentThatDoesNotLoadNeverReplacesTheFile)
{
    for (const ModuleCase &m : Modules()) {
        SCOPED_TRACE(m.name);
        dialogs.Clear();
        const std::string name = folder.File(std::string("kept") + m.layout.Extension);
        auto fileRuns = FilledDataSet(m.module, 2, name);
        ASSERT_EQ(Save(m, name, *fileRuns), 0);
        const std::string content = ReadBytes(name);
        const std::size_t entries = folder.EntryCount();

        // A result that no number text can carry.
        auto dataSet = FilledDataSet(m.module, 2, name);
        dataSet->GetRunByNumber(2)->GetParameters()->FindParameter("Advancetime")->SetValue(
            std::numeric_limits<double>::infinity());
        const std::string before = Snapshot(*dataSet);
        EXPECT_EQ(Save(m, name, *dataSet), -1);
        EXPECT_EQ(Append(m, name, *dataSet), -1);
        EXPECT_EQ(ReadBytes(name), content);
        EXPECT_EQ(Snapshot(*dataSet), before);
        EXPECT_EQ(folder.EntryCount(), entries);
        EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{uConstants::FileNotClosed, uConstants::FileNotClosed}));
    }
}

// The same last line of defence compares meaning: content that loads but comes back with
// other values or units than the runs written never replaces the file. A curve carries no
// unit code, so one in hours beside time columns in minutes would read back sixty times
// too long; a cutback flow in gal/min beside a flow in l/s takes the flow along into
// gal/min on reading. Every run is so, so that all have the units of the units line. A
// reading that drifts in the tenth digit stands for a reader or writer that keeps fewer
// digits than the file's fifteen. Every run written is read back: a fault in the first
// run alone or in the last alone is found as well.
TEST_F(HandEditedRunFileTest, NewContentThatReadsBackOtherwiseNeverReplacesTheFile)
{
    constexpr int kEveryRun = 0;
    struct Case {
        const char *what;
        std::vector<TIrrigationModule> modules;
        std::function<void(TIrrigationRun &)> spoil;
        int spoiled;  // the run spoiled, or every run
        const char *differs;
    };
    auto curveInHours = [](TIrrigationRun &run) {
        run.GetParameters()->FindArray("AdvanceTime")->SetUnit(run.GetUnits()->GetUnit(ukHours));
    };
    const Case cases[] = {
        {"curve in hours", {imBasin, imBorder, imFurrow}, curveInHours, kEveryRun, "Advance Time"},
        {"curve of run 1 in hours", {imBasin, imBorder, imFurrow}, curveInHours, 1, "Advance Time"},
        {"curve of the last run in hours", {imBasin, imBorder, imFurrow}, curveInHours, 2, "Advance Time"},
        {"cutback flow in gal/min", {imBorder, imFurrow},
         [](TIrrigationRun &run) {
             run.GetParameters()->FindParameter("CutBackFlow")->SetUnit(run.GetUnits()->GetUnit(ukGALMIN_1));
         },
         kEveryRun, "Flow rate"},
        // The runs share their unit table, and the reader takes it over.
        {"flows read a billionth too large", {imBasin, imBorder, imFurrow},
         [](TIrrigationRun &run) {
             TUnit *litres = run.GetUnits()->GetUnit(ukLS_1);
             litres->SetInverseFactor(1 / litres->Factor() * (1 + 1e-9));
         },
         kEveryRun, "Flow rate"},
    };
    for (const Case &c : cases) {
        for (TIrrigationModule module : c.modules) {
            const ModuleCase &m = Modules()[module];
            SCOPED_TRACE(std::string(c.what) + ", " + m.name);
            dialogs.Clear();
            const std::string name = folder.File(std::string("meant") + m.layout.Extension);
            auto dataSet = FilledDataSet(m.module, 2, name);
            ASSERT_EQ(Save(m, name, *dataSet), 0);
            const std::string content = ReadBytes(name);
            const std::size_t entries = folder.EntryCount();
            for (TIrrigationRun *run : RunsIn(*dataSet)) {
                if (c.spoiled == kEveryRun || run->Number() == c.spoiled)
                    c.spoil(*run);
            }
            EXPECT_EQ(Save(m, name, *dataSet), -1);
            EXPECT_EQ(ReadBytes(name), content);
            EXPECT_EQ(folder.EntryCount(), entries);
            const int named = c.spoiled == kEveryRun ? 1 : c.spoiled;
            EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Cannot save run, run " + std::to_string(named) +
                                                                 " does not read back from the file as it is\r\n\r\n\t" +
                                                                 c.differs});
        }
    }
}

// A file that holds no run takes the appended run alone, with that run's units.
TEST_F(HandEditedRunFileTest, AppendToAFileWithoutRunsAddsOnlyThatRun)
{
    const ModuleCase &basin = Modules()[imBasin];
    const std::string name = folder.File("empty.pdx");
    WriteBytes(name, Lines({Header("PondixFile", name), "", "0"}));
    auto dataSet = FilledDataSet(imBasin, 1, name);
    dataSet->GetRunByNumber(1)->ChangeUnit(ukLS_1, ukGALMIN_1);
    const double flow = Value(dataSet->GetRunByNumber(1), "FlowRate");
    ASSERT_EQ(Append(basin, name, *dataSet), 0);
    EXPECT_EQ(dataSet->GetRunCount(), 1);
    TIrrigationDataSet reread(imBasin);
    ASSERT_EQ(Load(basin, name, reread), 0);
    ASSERT_EQ(reread.GetRunCount(), 1);
    EXPECT_EQ(KindOf(reread.GetRunByNumber(1), "FlowRate"), ukGALMIN_1);
    EXPECT_NEAR(Value(reread.GetRunByNumber(1), "FlowRate"), flow, 1e-12 * flow);
}

}  // namespace
