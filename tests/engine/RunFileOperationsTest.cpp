#include "RecordingDialogs.h"
#include "TStringGrid.h"
#include "uIrrigationDataSet.h"
#include "uParameter.h"
#include "uParameters.h"
#include "uPondix.h"
#include "uRillox.h"
#include "uRunFileOperations.h"
#include "uStriva.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>

namespace {

struct Module {
    const char *title;
    std::function<TIrrigationFormatter *()> create;
    TFileKind kind;
    const char *extension;
};

const Module kModules[] = {
    {"Pondix", [] { return new TPondix; }, fkBasinRunFile, ".pdx"},
    {"Striva", [] { return new TStriva; }, fkBorderRunFile, ".svx"},
    {"Rillox", [] { return new TRillox; }, fkFurrowRunFile, ".rlx"},
};

std::string ReadFile(const std::string &name)
{
    std::ifstream file(name, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

class RunFileOperations : public ::testing::Test {
protected:
    // A binding of the module whose data set holds runs 1..runs, calculated, each with
    // its number times 10 as stored flow rate, so that a run shows where it went.
    std::unique_ptr<TIrrigationFormatter> Binding(const Module &module, int runs)
    {
        std::unique_ptr<TIrrigationFormatter> binding(module.create());
        TIrrigationDataSet &dataSet = *binding->GetDataSet();
        for (int i = 1; i <= runs; ++i) {
            dataSet.NewRun();
            TIrrigationRun *run = dataSet.GetRunByNumber(i);
            run->SetMode(1);
            run->SetCalculated(true);
            run->GetParameters()->FindParameter("FlowRate")->SetValue(10.0 * i);
        }
        return binding;
    }
    static std::vector<double> Flows(TIrrigationFormatter &binding)
    {
        std::vector<double> flows;
        TIrrigationDataSet &dataSet = *binding.GetDataSet();
        for (int i = 1; i <= dataSet.GetRunCount(); ++i) {
            TIrrigationRun *run = dataSet.GetRunByNumber(i);
            flows.push_back(run ? run->GetParameters()->FindParameter("FlowRate")->GetValue() : -1);
        }
        return flows;
    }
    // The flows of the runs in a run file, as a fresh binding loads them.
    std::vector<double> FlowsInFile(const Module &module, const std::string &name)
    {
        std::unique_ptr<TIrrigationFormatter> reader(module.create());
        reader->GetDataSet()->SetFileName(name);
        EXPECT_TRUE(reader->LoadRuns()) << name;
        return Flows(*reader);
    }
    std::string Path(const std::string &name) const { return dir.filePath(QString::fromStdString(name)).toStdString(); }

    QTemporaryDir dir;
    RecordingDialogs dialogs;
    TStringGrid grid;
};

}  // namespace

TEST_F(RunFileOperations, SaveThenLoadPerModuleWithTheModulesExtensionAndKind)
{
    for (const Module &module : kModules) {
        SCOPED_TRACE(module.title);
        std::unique_ptr<TIrrigationFormatter> writer = Binding(module, 2);
        TIrrigationDataSet &dataSet = *writer->GetDataSet();
        dataSet.SetFileKind(fkBasinRunFile);  // a border or furrow binding still writes its own file
        dataSet.SetFileName(Path(std::string("runs_") + module.title + ".PDX"));
        ASSERT_TRUE(writer->SaveRuns());
        const std::string name = Path(std::string("runs_") + module.title + module.extension);
        EXPECT_EQ(dataSet.FileName(), name);
        EXPECT_EQ(dataSet.FileKind(), module.kind);
        EXPECT_TRUE(QFile::exists(QString::fromStdString(name)));

        std::unique_ptr<TIrrigationFormatter> reader = Binding(module, 3);  // its runs are replaced
        reader->GetDataSet()->SetFileName(Path(std::string("runs_") + module.title));  // no extension
        ASSERT_TRUE(reader->LoadRuns());
        EXPECT_EQ(reader->GetDataSet()->FileName(), name);
        EXPECT_EQ(Flows(*reader), (std::vector<double>{10, 20}));
    }
}

TEST_F(RunFileOperations, LoadingNothingIsFalseAndKeepsTheRuns)
{
    std::unique_ptr<TIrrigationFormatter> binding = Binding(kModules[0], 2);
    TIrrigationDataSet &dataSet = *binding->GetDataSet();
    dataSet.SetCurrentRun(2);
    dataSet.SetFileName(Path("missing.pdx"));
    EXPECT_FALSE(binding->LoadRuns());
    EXPECT_EQ(Flows(*binding), (std::vector<double>{10, 20}));
    EXPECT_EQ(dataSet.CurrentRun(), 2);

    std::ofstream(Path("old.pdx"), std::ios::binary) << "Pondix;SomethingElse 0.9;;;\r\n";
    dataSet.SetFileName(Path("old.pdx"));
    EXPECT_FALSE(binding->LoadRuns());  // refused: wrong version
    EXPECT_EQ(Flows(*binding), (std::vector<double>{10, 20}));
    EXPECT_EQ(dataSet.CurrentRun(), 2);
}

TEST_F(RunFileOperations, TableKindsRefillTheGridAndReturnWhatTheExporterReported)
{
    std::unique_ptr<TIrrigationFormatter> binding = Binding(kModules[0], 0);
    TIrrigationDataSet &dataSet = *binding->GetDataSet();
    dataSet.SetFileName(Path("table.pdx"));
    dataSet.SetFileKind(fkTextTable);
    EXPECT_FALSE(binding->SaveRuns());  // no grid
    EXPECT_FALSE(QFile::exists(QString::fromStdString(Path("table.txt"))));

    binding->FRunGrid = &grid;
    ASSERT_TRUE(binding->SaveRuns());  // a table of headers only: no run is calculated
    EXPECT_EQ(grid.RowCount(), 31);
    const std::string text = ReadFile(Path("table.txt"));
    EXPECT_EQ(text.substr(0, text.find("\r\n")), " Run nr. ; " + std::string(98, ';'));
    EXPECT_EQ(dataSet.FileName(), Path("table.pdx"));  // the export name is not kept
    EXPECT_EQ(dataSet.FileKind(), fkTextTable);

    dataSet.SetFileKind(fkSpreadsheetTable);
    EXPECT_TRUE(binding->SaveRuns());
    EXPECT_TRUE(QFile::exists(QString::fromStdString(Path("table.xls"))));
    dataSet.SetFileName(Path("missing/table"));
    EXPECT_FALSE(binding->SaveRuns());  // the exporter failed and said so
    EXPECT_EQ(dialogs.Messages().size(), 1u);
}

TEST_F(RunFileOperations, TextExportOfThreeBasinRunsLineByLine)
{
    std::unique_ptr<TIrrigationFormatter> binding = Binding(kModules[0], 3);
    binding->FRunGrid = &grid;
    binding->GetDataSet()->SetFileName(Path("basin"));
    binding->GetDataSet()->SetFileKind(fkTextTable);
    ASSERT_TRUE(binding->SaveRuns());
    std::istringstream text(ReadFile(Path("basin.txt")));
    std::vector<std::string> lines;
    for (std::string line; std::getline(text, line);) {
        ASSERT_EQ(line.back(), '\r');
        line.pop_back();
        EXPECT_EQ(std::count(line.begin(), line.end(), ';'), 4) << line;
        lines.push_back(line);
    }
    ASSERT_EQ(lines.size(), 31u);
    EXPECT_EQ(lines[0], " Run nr. ; ;1;2;3");
    EXPECT_EQ(lines[1], " Calculation Mode ; ;1;1;1");
    EXPECT_EQ(lines[2], "INPUT PARAMETERS;units;;;");
    EXPECT_EQ(lines[3], "Flow rate; l/s;-;-;-");  // no input is active
    EXPECT_EQ(lines[13], "OUTPUT PARAMETERS; ; ; ; ");
    EXPECT_EQ(lines[21], " ; ; ; ; ");
}

TEST_F(RunFileOperations, ReplaceWithLastRunKeepsTheLastRunAsRunOneOnceItIsSaved)
{
    std::unique_ptr<TIrrigationFormatter> binding = Binding(kModules[1], 3);
    TIrrigationDataSet &dataSet = *binding->GetDataSet();
    dataSet.SetFileName(Path("missing/runs.svx"));
    EXPECT_FALSE(binding->ReplaceWithLastRun());  // the save failed: nothing is lost
    EXPECT_EQ(Flows(*binding), (std::vector<double>{10, 20, 30}));

    dataSet.SetFileName(Path("runs.svx"));
    ASSERT_TRUE(binding->ReplaceWithLastRun());
    EXPECT_EQ(Flows(*binding), (std::vector<double>{30}));
    EXPECT_EQ(FlowsInFile(kModules[1], Path("runs.svx")), (std::vector<double>{30}));

    std::unique_ptr<TIrrigationFormatter> empty = Binding(kModules[1], 0);
    empty->GetDataSet()->SetFileName(Path("empty.svx"));
    EXPECT_TRUE(empty->ReplaceWithLastRun());
    EXPECT_TRUE(QFile::exists(QString::fromStdString(Path("empty.svx"))));
}

TEST_F(RunFileOperations, AppendLastRunAddsTheLastRunToTheFile)
{
    std::unique_ptr<TIrrigationFormatter> writer = Binding(kModules[2], 2);
    writer->GetDataSet()->SetFileName(Path("runs.rlx"));
    ASSERT_TRUE(writer->SaveRuns());

    std::unique_ptr<TIrrigationFormatter> appender = Binding(kModules[2], 3);
    TIrrigationDataSet &dataSet = *appender->GetDataSet();
    dataSet.SetFileKind(fkTextTable);
    dataSet.SetFileName(Path("runs.RLX"));
    ASSERT_TRUE(appender->AppendLastRun());
    EXPECT_EQ(dataSet.FileKind(), fkFurrowRunFile);
    EXPECT_EQ(FlowsInFile(kModules[2], Path("runs.rlx")), (std::vector<double>{10, 20, 30}));

    dataSet.SetFileName(Path("none.rlx"));
    EXPECT_FALSE(appender->AppendLastRun());  // there is no file to append to
}

TEST_F(RunFileOperations, DeleteRunRemovesOneRunAndRenumbers)
{
    std::unique_ptr<TIrrigationFormatter> binding = Binding(kModules[0], 3);
    EXPECT_EQ(binding->DeleteRun(0), 0);
    EXPECT_EQ(binding->DeleteRun(4), 0);
    EXPECT_EQ(Flows(*binding), (std::vector<double>{10, 20, 30}));
    EXPECT_EQ(binding->DeleteRun(2), 0);
    EXPECT_EQ(Flows(*binding), (std::vector<double>{10, 30}));  // the former run 3 is run 2
}
