// Loading, saving and appending run files of the three modules, through the formatters
// and the data sets read from the shipped settings files.

#include "Errors.h"
#include "NumberText.h"
#include "RecordingDialogs.h"
#include "RunFileFixture.h"
#include "RunFileText.h"
#include "TempFolder.h"
#include "uConstants.h"
#include "uRunFileLines.h"

#include <gtest/gtest.h>

#include <cmath>
#include <csignal>
#include <functional>
#include <sys/resource.h>

namespace {

// Rewrites every code `from` of a file's units line as `to`.
void ReplaceUnitCodes(const std::string &name, const std::string &from, const std::string &to)
{
    std::string bytes = ReadBytes(name);
    const std::size_t start = bytes.find("\r\n") + 2;
    const std::size_t end = bytes.find("\r\n", start);
    TLineBuilder units;
    for (const std::string &code : SplitFields(bytes.substr(start, end - start)))
        units.Add(code == from ? to : code);
    bytes.replace(start, end - start, units.Text());
    WriteBytes(name, bytes);
}

class RunFileTest : public ::testing::Test {
protected:
    std::unique_ptr<TIrrigationDataSet> DataSet(TIrrigationModule module, int runs)
    {
        return FilledDataSet(module, runs, folder.File("own"));
    }

    RecordingDialogs dialogs;
    TempFolder folder;
};

// The basin example: every field lands in its parameter, in stored units, with the roles
// of mode 1 and an intake family; saving it again gives the same bytes.
TEST_F(RunFileTest, BasinExampleReadsFieldByFieldAndWritesBackIdentically)
{
    const std::string name = folder.File("trial.pdx");
    const std::string content = Lines({Header("PondixFile", name), kUnitsLine, "1", kRunLine,
                                       CurveLine(0, 3.25), CurveLine(80, 0.5)});
    WriteBytes(name, content);
    TIrrigationDataSet dataSet(imBasin);
    TPondixFile file;
    file.FileName = name;
    ASSERT_EQ(file.LoadFromFile(&dataSet), 0);
    EXPECT_TRUE(dialogs.Messages().empty());
    ASSERT_EQ(dataSet.GetRunCount(), 1);
    EXPECT_EQ(dataSet.CurrentRun(), 1);
    EXPECT_EQ(dataSet.FileName(), name);
    EXPECT_EQ(dataSet.FileKind(), fkBasinRunFile);

    TIrrigationRun *run = dataSet.GetRunByNumber(1);
    ASSERT_NE(run, nullptr);
    EXPECT_TRUE(run->Calculated());
    EXPECT_TRUE(run->Saved());
    EXPECT_EQ(run->GetMode(), 1);
    EXPECT_EQ(run->InfiltrationType(), itIntakeFamily);
    const std::pair<const char *, double> fields[] = {
        {"FlowRate", 27.5}, {"BasinLength", 40}, {"BasinWidth", 50}, {"CutoffTime", 84.2},
        {"RequiredDepth", 80}, {"Flowresistance", 0.15}, {"SCS #", 1}, {"TimeRatedT100", 300},
        {"KostiakovA", 0.706}, {"Kostiakovk", 2.84}, {"Applic. efficiency", 89.6},
        {"Storage efficiency", 100}, {"Distribution unif.", 95.1}, {"Min. inf. depth", 80},
        {"Max. inf. depth", 88.3}, {"Average depth", 85.1}, {"Over-irr. depth", 5.1},
        {"Under-irr. depth", 0}, {"Over-irr. length", 40}, {"Under-irr. length", 0},
        {"Advancetime", 31.7}, {"Recessiontime", 96.4}};
    for (const auto &[parameter, value] : fields)
        EXPECT_DOUBLE_EQ(Value(run, parameter), value) << parameter;
    TParameterArray *advance = run->GetParameters()->FindArray("AdvanceTime");
    TParameterArray *depth = run->GetParameters()->FindArray("InfiltrationDepth");
    EXPECT_DOUBLE_EQ(advance->GetDisplayValue(30, 0), 30 * 3.25);
    EXPECT_DOUBLE_EQ(depth->GetDisplayValue(0, 0), 80);

    // Mode 1 with an intake family: the flow is a result, the field an input.
    TParameters *set = run->GetParameters();
    EXPECT_TRUE(set->FindParameter("FlowRate")->Active());
    EXPECT_EQ(set->FindParameter("FlowRate")->Category(), pcResult);
    EXPECT_EQ(set->FindParameter("BasinLength")->Category(), pcInput);
    EXPECT_TRUE(set->FindParameter("SCS #")->Active());
    EXPECT_FALSE(set->FindParameter("TimeRatedT100")->Active());

    // The Kostiakov values were applied last, so they are the run's coefficients.
    const TInfiltrationCoefficients coefficients = run->GetInfiltration()->GetCoefficients();
    EXPECT_DOUBLE_EQ(coefficients.A, 0.706);
    EXPECT_DOUBLE_EQ(coefficients.k, 2.84);
    EXPECT_DOUBLE_EQ(coefficients.Fo, 0.0);
    EXPECT_DOUBLE_EQ(run->GetInfiltration()->SCSNumber(), 1.0);

    ASSERT_EQ(file.SaveToFile(&dataSet), 0);
    EXPECT_EQ(ReadBytes(name), content);
}

// Save, load into a fresh data set, compare every stored value, unit, curve and role; the
// runs use gallons per minute and hours, so the values pass through real conversions.
TEST_F(RunFileTest, RoundTripKeepsEveryValueUnitAndRole)
{
    for (const ModuleCase &m : Modules()) {
        SCOPED_TRACE(m.name);
        auto saved = DataSet(m.module, 3);
        for (TIrrigationRun *run : RunsIn(*saved)) {
            run->ChangeUnit(ukLS_1, ukGALMIN_1);
            run->ChangeUnit(ukMinutes, ukHours);
        }
        const std::string name = folder.File(std::string("round") + m.layout.Extension);
        saved->SetFileName(name);
        auto formatter = m.makeFormatter();
        formatter->FileName = name;
        ASSERT_EQ(formatter->SaveToFile(saved.get()), 0);
        // Every line ends in CR LF; three run lines, each with its curves.
        const std::string bytes = ReadBytes(name);
        std::size_t lineEnds = 0;
        for (std::size_t at = bytes.find('\n'); at != std::string::npos; at = bytes.find('\n', at + 1)) {
            EXPECT_EQ(bytes[at - 1], '\r');
            ++lineEnds;
        }
        EXPECT_EQ(lineEnds, 3 + 3 * (1 + m.curves));

        TIrrigationDataSet loaded(m.module);
        ASSERT_EQ(formatter->LoadFromFile(&loaded), 0);
        ASSERT_EQ(loaded.GetRunCount(), 3);
        EXPECT_EQ(loaded.CurrentRun(), 3);
        for (int n = 1; n <= 3; ++n) {
            SCOPED_TRACE(n);
            TIrrigationRun *before = saved->GetRunByNumber(n);
            TIrrigationRun *after = loaded.GetRunByNumber(n);
            ASSERT_NE(after, nullptr);
            EXPECT_EQ(after->GetMode(), before->GetMode());
            EXPECT_EQ(after->InfiltrationType(), before->InfiltrationType());
            std::vector<const char *> stored = m.layout.Columns;
            stored.insert(stored.end(), m.layout.Options.begin(), m.layout.Options.end());
            for (const char *name : stored) {
                EXPECT_NEAR(Value(after, name), Value(before, name), 1e-12 * std::fabs(Value(before, name))) << name;
                EXPECT_EQ(KindOf(after, name), KindOf(before, name)) << name;
            }
            const auto beforeCurves = CurvesOf(before);
            const auto afterCurves = CurvesOf(after);
            ASSERT_EQ(afterCurves.size(), m.curves);
            for (std::size_t c = 0; c < m.curves; ++c) {
                EXPECT_EQ(afterCurves[c]->GetUnit()->Kind(), beforeCurves[c]->GetUnit()->Kind());
                for (int row = 0; row <= 30; ++row)
                    EXPECT_NEAR(afterCurves[c]->GetDisplayValue(row, 0), beforeCurves[c]->GetDisplayValue(row, 0), 1e-9);
            }
            // The roles follow from the stored set-up: the flow is a result in mode 1 only.
            TParameter *flow = after->GetParameters()->FindParameter("FlowRate");
            EXPECT_TRUE(flow->Active());
            EXPECT_EQ(flow->Category(), before->GetMode() == 1 ? pcResult : pcInput);
        }
        EXPECT_EQ(KindOf(loaded.GetRunByNumber(1), "FlowRate"), ukGALMIN_1);
        EXPECT_EQ(KindOf(loaded.GetRunByNumber(1), "CutoffTime"), ukHours);
        EXPECT_TRUE(dialogs.Messages().empty());
    }
}

// A value shown in a unit whose factor is not 1 is the stored value times the factor formed
// in extended precision, then written with 15 significant digits; run lines and curve lines
// alike. The double product would end these three in 334, 0.25 and 335.
TEST_F(RunFileTest, ConvertedValuesAreFormedInExtendedPrecision)
{
    TIrrigationDataSet dataSet(imBasin);
    dataSet.NewRun();
    TIrrigationRun *run = dataSet.GetRunByNumber(1);
    ASSERT_NE(run, nullptr);
    run->ChangeUnit(ukLS_1, ukGALMIN_1);
    run->ChangeUnit(ukMinutes, ukHours);
    run->GetParameters()->FindParameter("FlowRate")->SetValue(0.15);       // l/s
    run->GetParameters()->FindParameter("CutoffTime")->SetValue(15);       // minutes
    run->GetParameters()->FindArray("AdvanceTime")->SetValue(30, 0, 32.75);  // minutes
    const std::string name = folder.File("units.pdx");
    dataSet.SetFileName(name);
    TPondixFile file;
    file.FileName = name;
    ASSERT_EQ(file.SaveToFile(&dataSet), 0);

    std::vector<std::string> lines;
    const std::string bytes = ReadBytes(name);
    for (std::size_t start = 0, end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(bytes.substr(start, end - start));
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(FieldAt(SplitFields(lines[1]), 0), "8");  // gal/min
    const TFieldList fields = SplitFields(lines[3]);
    EXPECT_EQ(FieldAt(fields, 3), "2.37754847122333");
    EXPECT_EQ(FieldAt(fields, 6), "0.250000000000001");
    EXPECT_EQ(FieldAt(SplitFields(lines[4]), 30), "0.545833333333334");
}

// Whatever units the user chose, a file the program wrote loads and saves back byte for
// byte: the checks of the reader never refuse or change what the writer wrote.
TEST_F(RunFileTest, ProgramWrittenFilesSaveBackByteForByte)
{
    for (const ModuleCase &m : Modules()) {
        for (std::size_t c = 0; c < UnitChoices().size(); ++c) {
            SCOPED_TRACE(std::string(m.name) + " choice " + std::to_string(c));
            const std::string name = folder.File(std::string("bytes") + m.layout.Extension);
            auto saved = DataSet(m.module, 3);
            saved->SetFileName(name);
            ChooseUnits(*saved, UnitChoices()[c]);
            auto formatter = m.makeFormatter();
            formatter->FileName = name;
            ASSERT_EQ(formatter->SaveToFile(saved.get()), 0);
            const std::string written = ReadBytes(name);
            TIrrigationDataSet loaded(m.module);
            ASSERT_EQ(formatter->LoadFromFile(&loaded), 0);
            ASSERT_EQ(formatter->SaveToFile(&loaded), 0);
            EXPECT_EQ(ReadBytes(name), written);
        }
    }
    EXPECT_TRUE(dialogs.Messages().empty());
}

TEST_F(RunFileTest, SavingAnEmptyDataSetWritesAFirstRun)
{
    TIrrigationDataSet dataSet(imBorder);
    const std::string name = folder.File("empty.svx");
    dataSet.SetFileName(name);
    TStrivaFile file;
    file.FileName = name;
    ASSERT_EQ(file.SaveToFile(&dataSet), 0);
    EXPECT_EQ(dataSet.GetRunCount(), 1);
    const std::string bytes = ReadBytes(name);
    EXPECT_EQ(bytes.substr(0, bytes.find("\r\n")), Header("StrivaFile", name));
    EXPECT_NE(bytes.find("\r\n1\r\n1;"), std::string::npos) << bytes;
}

struct LoadCase {
    const char *what;
    TIrrigationModule module;
    std::string content;   // the file; "<name>" stands for its path
    int result;
    std::vector<std::string> messages;
};

std::string WrongVersion(const std::string &name)
{
    return std::string(uConstants::WrongVersion) + "\r\n" + name;
}

// Refused and broken files: the data set keeps its runs, file name, kind and current run.
TEST_F(RunFileTest, RefusedOrBrokenFilesLeaveTheDataSetAsItWas)
{
    const std::string shortBorderRun = "1;1;1;1;2;3;";
    const std::string borderUnits = std::string(StrivaLayout().Columns.size() * 2, ';');
    const std::vector<LoadCase> cases = {
        {"version in small letters", imBasin, Lines({"PondixFile;irrikawindows 1.0;x;", kUnitsLine, "0"}), 0, {"wrong"}},
        {"other version", imFurrow, Lines({"RilloxFile;IrrikaWindows 2.0;x;"}), 0, {"wrong"}},
        {"header of one field", imBasin, Lines({"PondixFile;"}), 0, {"wrong"}},
        {"basin empty header", imBasin, Lines({"", kUnitsLine, "0"}), 0, {"wrong"}},
        {"border empty header", imBorder, Lines({""}), 0, {" Empty file..."}},
        {"furrow empty file", imFurrow, "", 0, {" Empty file..."}},
        {"border run lines missing", imBorder, Lines({Header("StrivaFile", "x"), borderUnits, "2"}), -1, {}},
        {"border short run line", imBorder, Lines({Header("StrivaFile", "x"), borderUnits, "1", shortBorderRun}), -1, {}},
        {"furrow count not a number", imFurrow, Lines({Header("RilloxFile", "x"), "", "two"}), -1, {}},
        // Lines that are not applied raise no error; the end of the file still ends the load.
        {"furrow units line too long, huge count", imFurrow,
         Lines({Header("RilloxFile", "x"), std::string(60, ';'), "2147483647", std::string(60, ';')}), -1, {}},
        {"border negative count", imBorder, Lines({Header("StrivaFile", "x"), borderUnits, "-1"}), -1, {}},
    };
    for (const LoadCase &c : cases) {
        SCOPED_TRACE(c.what);
        dialogs.Clear();
        const ModuleCase &m = Modules()[c.module];
        auto dataSet = DataSet(c.module, 2);
        const std::string before = Snapshot(*dataSet);
        const std::string name = folder.File(std::string("bad") + m.layout.Extension);
        WriteBytes(name, c.content);
        auto formatter = m.makeFormatter();
        formatter->FileName = name;
        EXPECT_EQ(formatter->LoadFromFile(dataSet.get()), c.result);
        EXPECT_EQ(Snapshot(*dataSet), before);
        std::vector<std::string> expected;
        for (const std::string &message : c.messages)
            expected.push_back(message == "wrong" ? WrongVersion(name) : message);
        EXPECT_EQ(dialogs.Texts(), expected);
        EXPECT_EQ(ReadBytes(name), c.content);
    }
}

TEST_F(RunFileTest, BasinPassesReadErrorsOnAndKeepsTheDataSet)
{
    struct Case {
        const char *what;
        std::string content;
        std::string error;
    };
    const std::string name = folder.File("broken.pdx");
    const std::string header = Header("PondixFile", name);
    std::string badValue = kRunLine;
    badValue.replace(badValue.find("27.5"), 4, "2x");
    const Case cases[] = {
        {"second run line missing", Lines({header, kUnitsLine, "2", kRunLine, CurveLine(0, 1), CurveLine(0, 1)}),
         "List index out of bounds (0)"},
        {"run line cut after 20 fields", Lines({header, kUnitsLine, "1", FirstFields(kRunLine, 20)}),
         "List index out of bounds (20)"},
        {"units line of 10 codes", Lines({header, "7;2;2;11;3;13;13;11;13;16;", "1", kRunLine}),
         "List index out of bounds (10)"},
        {"value that is no number", Lines({header, kUnitsLine, "1", badValue}), "'2x' is not a valid floating point value"},
        {"curve line of 30 points", Lines({header, kUnitsLine, "1", kRunLine, FirstFields(CurveLine(0, 1), 30)}),
         "List index out of bounds (30)"},
        {"mode that is no integer", Lines({header, kUnitsLine, "1", "1;1.5;1;"}), "'1.5' is not a valid integer value"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        auto dataSet = DataSet(imBasin, 2);
        const std::string before = Snapshot(*dataSet);
        WriteBytes(name, c.content);
        TPondixFile file;
        file.FileName = name;
        try {
            file.LoadFromFile(dataSet.get());
            ADD_FAILURE() << "no error passed on";
        } catch (const Exception &e) {
            EXPECT_EQ(std::string(e.what()).substr(0, c.error.size()), c.error);
        }
        EXPECT_EQ(Snapshot(*dataSet), before);
        // The file was closed on the way out: it can be written at once.
        file.FileName = folder.File("after.pdx");
        EXPECT_EQ(file.SaveToFile(dataSet.get()), 0);
    }
    EXPECT_TRUE(dialogs.Messages().empty());
}

TEST_F(RunFileTest, MissingFileLoadsNothingWithoutMessage)
{
    for (const ModuleCase &m : Modules()) {
        SCOPED_TRACE(m.name);
        auto dataSet = DataSet(m.module, 1);
        const std::string before = Snapshot(*dataSet);
        auto formatter = m.makeFormatter();
        formatter->FileName = folder.File("none");
        EXPECT_EQ(formatter->LoadFromFile(dataSet.get()), 0);
        EXPECT_EQ(formatter->AppendRun(dataSet.get()), -1);
        EXPECT_EQ(Snapshot(*dataSet), before);
    }
    EXPECT_TRUE(dialogs.Messages().empty());
}

TEST_F(RunFileTest, CountZeroEmptiesTheDataSet)
{
    const std::string name = folder.File("zero.pdx");
    WriteBytes(name, Lines({Header("PondixFile", name), kUnitsLine, "0"}));
    auto dataSet = DataSet(imBasin, 2);
    TPondixFile file;
    file.FileName = name;
    EXPECT_EQ(file.LoadFromFile(dataSet.get()), 0);
    EXPECT_EQ(dataSet->GetRunCount(), 0);
    EXPECT_EQ(dataSet->CurrentRun(), 0);
    EXPECT_EQ(dataSet->FileName(), name);
}

TEST_F(RunFileTest, ReadsLfLinesAndRunsNumberedTwoThenOne)
{
    const std::string name = folder.File("order.pdx");
    std::string second = kRunLine;
    second.replace(0, 5, "1;3;3");  // run 1, mode 3, Kostiakov
    std::string first = kRunLine;
    first[0] = '2';
    WriteBytes(name, Lines({Header("PondixFile", name), kUnitsLine, "2", first, CurveLine(0, 1), CurveLine(0, 1),
                            second, CurveLine(5, 1), CurveLine(5, 1)},
                           "\n"));
    TIrrigationDataSet dataSet(imBasin);
    TPondixFile file;
    file.FileName = name;
    ASSERT_EQ(file.LoadFromFile(&dataSet), 0);
    const auto runs = RunsIn(dataSet);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0]->Number(), 2);
    EXPECT_EQ(runs[0]->GetMode(), 1);
    EXPECT_EQ(runs[1]->Number(), 1);
    EXPECT_EQ(runs[1]->GetMode(), 3);
    EXPECT_EQ(runs[1]->InfiltrationType(), itKostiakov);
    EXPECT_DOUBLE_EQ(runs[1]->GetParameters()->FindArray("AdvanceTime")->GetDisplayValue(0, 0), 5);
}

TEST_F(RunFileTest, ColumnCodesSwitchTheRunsUnits)
{
    // Saves one run, rewrites one unit code of the units line and loads it back.
    auto reload = [this](const ModuleCase &m, const char *from, const char *to) {
        const std::string name = folder.File(std::string("codes") + m.layout.Extension);
        auto source = DataSet(m.module, 1);
        auto file = m.makeFormatter();
        file->FileName = name;
        EXPECT_EQ(file->SaveToFile(source.get()), 0);
        ReplaceUnitCodes(name, from, to);
        auto loaded = std::make_unique<TIrrigationDataSet>(m.module);
        EXPECT_EQ(file->LoadFromFile(loaded.get()), 0);
        return std::make_pair(std::move(source), std::move(loaded));
    };
    // Border: the flow columns in gal/min (code 8, as a run in gal/min writes them).
    {
        auto [source, loaded] = reload(Modules()[imBorder], "7", "8");
        TIrrigationRun *run = loaded->GetRunByNumber(1);
        ASSERT_NE(run, nullptr);
        const double written = Value(source->GetRunByNumber(1), "FlowRate");
        EXPECT_EQ(KindOf(run, "FlowRate"), ukGALMIN_1);
        EXPECT_EQ(KindOf(run, "CutBackFlow"), ukGALMIN_1);
        EXPECT_DOUBLE_EQ(Shown(run, "FlowRate"), written);
        EXPECT_NEAR(Value(run, "FlowRate"), written / 15.8503231414889, 1e-9);
    }
    // Furrow: the time columns in hours (code 12); the curves show hours, store minutes.
    {
        auto [source, loaded] = reload(Modules()[imFurrow], "11", "12");
        TIrrigationRun *run = loaded->GetRunByNumber(1);
        ASSERT_NE(run, nullptr);
        TParameterArray *advance = run->GetParameters()->FindArray("AdvanceTime");
        TParameterArray *written = source->GetRunByNumber(1)->GetParameters()->FindArray("AdvanceTime");
        EXPECT_EQ(advance->GetUnit()->Kind(), ukHours);
        EXPECT_EQ(KindOf(run, "CutoffTime"), ukHours);
        EXPECT_NEAR(advance->GetDisplayValue(7, 0), written->GetDisplayValue(7, 0), 1e-9);
        EXPECT_NEAR(advance->GetDisplayValue(7, 0) / advance->GetUnit()->Factor(),
                    written->GetDisplayValue(7, 0) * 60, 1e-6);
    }
}

TEST_F(RunFileTest, BorderReaderAcceptsAnyTagWithTheVersion)
{
    const std::string name = folder.File("tag.svx");
    auto source = DataSet(imBorder, 1);
    TStrivaFile file;
    file.FileName = name;
    ASSERT_EQ(file.SaveToFile(source.get()), 0);
    std::string bytes = ReadBytes(name);
    bytes.replace(0, std::string("StrivaFile").size(), "PondixFile");
    WriteBytes(name, bytes);
    TIrrigationDataSet dataSet(imBorder);
    EXPECT_EQ(file.LoadFromFile(&dataSet), 0);
    EXPECT_EQ(dataSet.GetRunCount(), 1);
    EXPECT_TRUE(dialogs.Messages().empty());
}

// Appending the last of runs 1..3 to a file of two: file and data set end with three runs
// numbered 1, 2, 3, the third being the former run 3.
TEST_F(RunFileTest, AppendAddsTheLastRunAndRenumbers)
{
    for (const ModuleCase &m : Modules()) {
        SCOPED_TRACE(m.name);
        const std::string name = folder.File(std::string("append") + m.layout.Extension);
        auto fileRuns = DataSet(m.module, 2);
        fileRuns->SetFileName(name);
        auto formatter = m.makeFormatter();
        formatter->FileName = name;
        ASSERT_EQ(formatter->SaveToFile(fileRuns.get()), 0);

        auto dataSet = DataSet(m.module, 3);
        const double appended = Value(dataSet->GetRunByNumber(3), "FlowRate");
        ASSERT_EQ(formatter->AppendRun(dataSet.get()), 0);
        EXPECT_TRUE(dialogs.Messages().empty());
        ASSERT_EQ(dataSet->GetRunCount(), 3);
        EXPECT_EQ(dataSet->CurrentRun(), 3);
        EXPECT_EQ(dataSet->FileName(), name);
        for (int n = 1; n <= 3; ++n) {
            ASSERT_NE(dataSet->GetRunByNumber(n), nullptr);
            EXPECT_TRUE(dataSet->GetRunByNumber(n)->Saved());
        }
        EXPECT_DOUBLE_EQ(Value(dataSet->GetRunByNumber(1), "FlowRate"), Value(fileRuns->GetRunByNumber(1), "FlowRate"));
        EXPECT_DOUBLE_EQ(Value(dataSet->GetRunByNumber(3), "FlowRate"), appended);

        TIrrigationDataSet reread(m.module);
        ASSERT_EQ(formatter->LoadFromFile(&reread), 0);
        ASSERT_EQ(reread.GetRunCount(), 3);
        EXPECT_EQ(reread.GetRunByNumber(3)->Number(), 3);
        EXPECT_DOUBLE_EQ(Value(reread.GetRunByNumber(3), "FlowRate"), appended);
        for (int n = 1; n <= 3; ++n)
            EXPECT_EQ(RunsIn(reread)[n - 1]->Number(), n);
    }
}

TEST_F(RunFileTest, AppendRefusesOtherUnitsAndLeavesBothAsTheyWere)
{
    for (const ModuleCase &m : Modules()) {
        SCOPED_TRACE(m.name);
        dialogs.Clear();
        const std::string name = folder.File(std::string("units") + m.layout.Extension);
        auto fileRuns = DataSet(m.module, 2);
        auto formatter = m.makeFormatter();
        formatter->FileName = name;
        ASSERT_EQ(formatter->SaveToFile(fileRuns.get()), 0);
        const std::string content = ReadBytes(name);

        auto dataSet = DataSet(m.module, 2);
        dataSet->GetRunByNumber(2)->ChangeUnit(ukMeters, ukFeet);
        const std::string before = Snapshot(*dataSet);
        EXPECT_EQ(formatter->AppendRun(dataSet.get()), -1);
        EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{uConstants::UnitsDifferFromFile});
        EXPECT_EQ(Snapshot(*dataSet), before);
        EXPECT_EQ(ReadBytes(name), content);
        // The refusal closed the file: runs in the file's units save to it at once.
        EXPECT_EQ(formatter->SaveToFile(fileRuns.get()), 0);
    }
}

// A run file holds one units line for all its runs. Run 2 of three, once saved, shows
// other length, flow and time units (as a unit switch re-points a run): no save may write
// it under the units of run 1, where its numbers would mean other lengths, flows and times.
// Every path either refuses, naming the run and the quantity, with the file byte for byte
// as it was, or writes a file whose runs read back with the stored values and units that
// the data set holds.
TEST_F(RunFileTest, RunsInOtherUnitsThanTheFileNeverReachIt)
{
    const std::string refusedTwo =
        "Cannot save run, units of run 2 differ from the units in the file\r\n\r\n\tFlow rate: ";
    struct Path {
        const char *what;
        std::function<int(TRunFile &, TIrrigationDataSet &)> step;
        std::string message;  // empty: the step writes the file
    };
    auto deleteAndSave = [](int position) {
        return [position](TRunFile &file, TIrrigationDataSet &dataSet) {
            dataSet.DeleteRun(position);
            dataSet.RenumberRuns();
            return file.SaveToFile(&dataSet);
        };
    };
    const Path paths[] = {
        {"save all runs", [](TRunFile &file, TIrrigationDataSet &dataSet) { return file.SaveToFile(&dataSet); },
         refusedTwo + "LS_1 <> M3Min_1"},
        {"delete run 1 and save", deleteAndSave(1), refusedTwo + "M3Min_1 <> LS_1"},
        {"delete run 3 and save", deleteAndSave(3), refusedTwo + "LS_1 <> M3Min_1"},
        {"delete run 2 and save", deleteAndSave(2), ""},
        {"append the last run", [](TRunFile &file, TIrrigationDataSet &dataSet) { return file.AppendRun(&dataSet); },
         ""},
    };
    for (const ModuleCase &m : Modules()) {
        for (const Path &path : paths) {
            SCOPED_TRACE(std::string(m.name) + ", " + path.what);
            dialogs.Clear();
            const std::string name = folder.File(std::string("three") + m.layout.Extension);
            auto dataSet = DataSet(m.module, 3);
            dataSet->SetFileName(name);
            auto file = m.makeFormatter();
            file->FileName = name;
            ASSERT_EQ(file->SaveToFile(dataSet.get()), 0);
            const std::string content = ReadBytes(name);
            const std::size_t entries = folder.EntryCount();
            TIrrigationRun *second = dataSet->GetRunByNumber(2);
            for (const auto &[from, to] : UnitChoice{{ukMeters, ukFeet}, {ukLS_1, ukM3MIN_1}, {ukMinutes, ukHours}})
                second->ChangeUnit(from, to);
            std::vector<double> secondStored;
            for (const char *column : m.layout.Columns)
                secondStored.push_back(Value(second, column));
            const std::string before = Snapshot(*dataSet);

            const int result = path.step(*file, *dataSet);
            if (!path.message.empty()) {
                EXPECT_EQ(result, -1);
                EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{path.message});
                EXPECT_EQ(ReadBytes(name), content);
                EXPECT_EQ(folder.EntryCount(), entries);
                if (std::string(path.what) == "save all runs") {
                    EXPECT_EQ(Snapshot(*dataSet), before);
                }
                continue;
            }
            ASSERT_EQ(result, 0);
            EXPECT_TRUE(dialogs.Messages().empty());
            TIrrigationDataSet reread(m.module);
            ASSERT_EQ(file->LoadFromFile(&reread), 0);
            const auto runs = RunsIn(*dataSet);
            const auto readRuns = RunsIn(reread);
            ASSERT_EQ(readRuns.size(), runs.size());
            for (std::size_t i = 0; i < runs.size(); ++i) {
                SCOPED_TRACE(i + 1);
                for (const char *column : m.layout.Columns) {
                    const double stored = Value(runs[i], column);
                    EXPECT_NEAR(Value(readRuns[i], column), stored, 1e-12 * std::fabs(stored)) << column;
                    EXPECT_EQ(KindOf(readRuns[i], column), KindOf(runs[i], column)) << column;
                }
            }
            // The file's own run 2 stays in the file's units (column 1 is the length in every
            // module) with the values run 2 stored.
            if (std::string(path.what) == "append the last run") {
                for (std::size_t k = 0; k < m.layout.Columns.size(); ++k) {
                    const char *column = m.layout.Columns[k];
                    EXPECT_NEAR(Value(readRuns[1], column), secondStored[k], 1e-12 * std::fabs(secondStored[k]))
                        << column;
                }
                EXPECT_EQ(KindOf(readRuns[1], m.layout.Columns[1]), ukMeters);
            }
        }
    }
}

TEST_F(RunFileTest, AppendToAnUnreadableFileKeepsFileAndOwnRuns)
{
    for (const ModuleCase &m : Modules()) {
        SCOPED_TRACE(m.name);
        dialogs.Clear();
        const std::string name = folder.File(std::string("unreadable") + m.layout.Extension);
        auto fileRuns = DataSet(m.module, 2);
        auto formatter = m.makeFormatter();
        formatter->FileName = name;
        ASSERT_EQ(formatter->SaveToFile(fileRuns.get()), 0);
        // The second run line is cut short: the file cannot be read to its end.
        std::string content = ReadBytes(name);
        std::size_t at = 0;
        for (std::size_t line = 0; line < 3 + 1 + m.curves; ++line)
            at = content.find("\r\n", at) + 2;
        content.erase(at + 10);
        WriteBytes(name, content);

        auto dataSet = DataSet(m.module, 2);
        const std::string before = Snapshot(*dataSet);
        int result = 0;
        try {
            result = formatter->AppendRun(dataSet.get());
        } catch (const Exception &) {
            EXPECT_EQ(m.module, imBasin) << "only the basin passes reading errors on";
            result = -1;
        }
        EXPECT_EQ(result, -1);
        EXPECT_EQ(ReadBytes(name), content);
        EXPECT_EQ(Snapshot(*dataSet), before);
    }
}

// A write that fails half-way (a file size limit stands in for a full disk): saving and
// appending report -1, the previous file stays whole, the appending data set keeps its runs.
TEST_F(RunFileTest, FailedWritesKeepThePreviousFile)
{
    const std::string name = folder.File("limit.svx");
    auto fileRuns = DataSet(imBorder, 2);
    TStrivaFile file;
    file.FileName = name;
    ASSERT_EQ(file.SaveToFile(fileRuns.get()), 0);
    const std::string content = ReadBytes(name);
    auto dataSet = DataSet(imBorder, 3);
    const std::string before = Snapshot(*dataSet);

    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = content.size() / 2;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const int saveResult = file.SaveToFile(dataSet.get());
    const int appendResult = file.AppendRun(dataSet.get());
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(saveResult, -1);
    EXPECT_EQ(appendResult, -1);
    EXPECT_EQ(ReadBytes(name), content);
    EXPECT_EQ(Snapshot(*dataSet), before);
    EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{uConstants::FileNotClosed, uConstants::FileNotClosed}));
    EXPECT_EQ(folder.EntryCount(), 1u);
}

TEST_F(RunFileTest, UnwritableTargetSaysUnableToOpenAndReturnsMinusOne)
{
    auto dataSet = DataSet(imFurrow, 1);
    TRilloxFile file;
    file.FileName = folder.File("missing-folder/runs.rlx");
    EXPECT_EQ(file.SaveToFile(dataSet.get()), -1);
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{std::string(uConstants::FileNotOpened) + "\r\n" + file.FileName});
}

}  // namespace
