#include "ExecutableFolder.h"
#include "RecordingDialogs.h"
#include "TStringGrid.h"
#include "uIrrigationDataSet.h"
#include "uParameter.h"
#include "uParameters.h"
#include "uRunTable.h"
#include "uUnits.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

// A data set of the module read from the shipped settings files, with runs whose roles
// and results the tests set directly, as a calculation would have left them.
class RunTable : public ::testing::Test {
protected:
    void Open(TIrrigationModule module, int runs)
    {
        dataSet = std::make_unique<TIrrigationDataSet>(module);
        for (int i = 0; i < runs; ++i)
            dataSet->NewRun();
    }
    TParameter &P(int run, const char *name)
    {
        TParameter *p = dataSet->GetRunByNumber(run)->GetParameters()->FindParameter(name);
        EXPECT_NE(p, nullptr) << name;
        return *p;
    }
    // The parameter's role in the run, and its stored value.
    void Role(int run, const char *name, TParameterCategory category, bool active, double value)
    {
        P(run, name).SetCategory(category);
        P(run, name).SetActive(active);
        P(run, name).SetValue(value);
    }
    void Calculated(int run, int mode)
    {
        dataSet->GetRunByNumber(run)->SetMode(mode);
        dataSet->GetRunByNumber(run)->SetCalculated(true);
    }
    int Fill(const TRunTableLayout &layout) { return FillRunTable(*dataSet, &grid, layout); }

    RecordingDialogs dialogs;
    std::unique_ptr<TIrrigationDataSet> dataSet;
    TStringGrid grid;
};

struct ModuleLayout {
    TIrrigationModule module;
    const TRunTableLayout *layout;
    int rows;
    int outputHeadingRow;
    const char *lastParameter;
    std::vector<std::string> head;
};

const ModuleLayout kLayouts[] = {
    {imBasin, &BasinRunTable, 31, 13, "Recessiontime", {" Run nr. ", " Calculation Mode ", "INPUT PARAMETERS"}},
    {imBorder, &BorderRunTable, 45, 19, "Opportunitytime", {" Run nr. ", " Type of system ", " Calculation Mode ", "INPUT PARAMETERS"}},
    {imFurrow, &FurrowRunTable, 57, 33, "Opportunitytime", {" Run nr. ", " Type of system ", " Calculation Mode ", "INPUT PARAMETERS"}},
};

}  // namespace

TEST_F(RunTable, EveryModuleHasItsRowsAndEveryRowNamesAParameterOfTheModule)
{
    for (const ModuleLayout &m : kLayouts) {
        SCOPED_TRACE(static_cast<int>(m.module));
        Open(m.module, 1);
        Calculated(1, 1);
        ASSERT_EQ(Fill(*m.layout), 0);
        EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{});  // no failed lookup
        EXPECT_EQ(grid.RowCount(), m.rows);
        EXPECT_EQ(grid.ColCount(), 3);
        for (std::size_t row = 0; row < m.head.size(); ++row)
            EXPECT_EQ(grid.Cells(0, static_cast<int>(row)), m.head[row]);
        EXPECT_EQ(grid.Cells(1, static_cast<int>(m.head.size()) - 1), "units");
        EXPECT_EQ(grid.Cells(0, m.outputHeadingRow), "OUTPUT PARAMETERS");
        EXPECT_EQ(grid.Cells(1, m.outputHeadingRow), " ");
        EXPECT_EQ(grid.Cells(2, m.outputHeadingRow), " ");
        EXPECT_EQ(grid.Cells(0, static_cast<int>(m.head.size())), "Flow rate");  // the caption, not the name
        EXPECT_EQ(grid.Cells(1, static_cast<int>(m.head.size())), P(1, "FlowRate").GetUnitText());
        EXPECT_EQ(grid.Cells(0, m.rows - 1), P(1, m.lastParameter).GetDescription());
        dialogs.Clear();
    }
}

TEST_F(RunTable, BasinShowsCalculatedRunsWithTheFirstRunsUnits)
{
    Open(imBasin, 4);
    Calculated(1, 1);
    Calculated(2, 1);
    Calculated(4, 1);  // run 3 is not calculated
    P(4, "FlowRate").SetUnit(dataSet->Units()->GetUnit(ukGALMIN_1));
    ASSERT_EQ(Fill(BasinRunTable), 0);
    EXPECT_EQ(grid.ColCount(), 4);
    EXPECT_EQ(grid.RowCount(), 31);
    EXPECT_EQ(grid.Cells(2, 0), "1");
    EXPECT_EQ(grid.Cells(3, 0), "2");
    EXPECT_EQ(grid.Cells(2, 1), "1");  // the mode
    EXPECT_EQ(grid.Cells(2, 2), "");   // nothing on the input heading
    EXPECT_EQ(grid.Cells(2, 21), " "); // the blank row
    EXPECT_EQ(grid.Cells(0, 21), " ");
}

TEST_F(RunTable, TheModeDecidesWhetherARateIsAnInputOrAResult)
{
    Open(imBasin, 2);
    Role(1, "FlowRate", pcResult, true, 55.25);  // mode 1 solved for it
    Role(1, "BasinLength", pcDecisionVariable, true, 100);
    Role(1, "BasinWidth", pcInput, false, 20);
    Calculated(1, 1);
    Role(2, "FlowRate", pcInput, true, 40);  // mode 3 took it as input
    Calculated(2, 3);
    ASSERT_EQ(Fill(BasinRunTable), 0);
    const int in = 3, out = 14;
    EXPECT_EQ(grid.Cells(2, in), "-");
    EXPECT_EQ(grid.Cells(2, out), P(1, "FlowRate").GetResultText());
    EXPECT_EQ(grid.Cells(3, in), P(2, "FlowRate").GetDisplayText());
    EXPECT_EQ(grid.Cells(3, out), "-");
    EXPECT_EQ(grid.Cells(2, in + 1), "-");  // active, but no mode gave it a role
    EXPECT_EQ(grid.Cells(2, in + 2), "-");  // an inactive input
    EXPECT_EQ(grid.Cells(3, 1), "3");
}

TEST_F(RunTable, EfficienciesShowOneDecimalAndBorderAndFurrowShowInactiveResults)
{
    struct Case {
        TIrrigationModule module;
        const TRunTableLayout *layout;
        int efficiencyRow;
        int runoffRow;  // basin: "Min. inf. depth"; border and furrow "Surface runoff"
        const char *runoff;
        bool inactiveResultsShown;
    };
    const Case cases[] = {
        {imBasin, &BasinRunTable, 18, 22, "Min. inf. depth", false},
        {imBorder, &BorderRunTable, 27, 36, "Surface runoff", true},
        {imFurrow, &FurrowRunTable, 39, 48, "Surface runoff", true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(static_cast<int>(c.module));
        Open(c.module, 2);
        Role(1, "Applic. efficiency", pcResult, true, 83.456);
        Role(1, c.runoff, pcResult, false, 12.5);
        Calculated(1, 1);
        Role(2, "Applic. efficiency", pcResult, false, 70.04);
        Role(2, c.runoff, pcInput, false, 12.5);
        Calculated(2, 1);
        ASSERT_EQ(Fill(*c.layout), 0);
        EXPECT_EQ(grid.Cells(0, c.efficiencyRow), P(1, "Applic. efficiency").GetDescription());
        EXPECT_EQ(grid.Cells(2, c.efficiencyRow), "83.5");
        EXPECT_EQ(grid.Cells(3, c.efficiencyRow), c.inactiveResultsShown ? "70.0" : "-");
        EXPECT_EQ(grid.Cells(0, c.runoffRow), P(1, c.runoff).GetDescription());
        EXPECT_EQ(grid.Cells(2, c.runoffRow), c.inactiveResultsShown ? P(1, c.runoff).GetResultText() : "-");
        EXPECT_EQ(grid.Cells(3, c.runoffRow), "-");  // not a result at all
    }
}

TEST_F(RunTable, BorderShowsTheCutbackTimeOfCutbackRunsOnly)
{
    Open(imBorder, 2);
    for (int run = 1; run <= 2; ++run) {
        Role(run, "CutbackTime", pcResult, true, 42);
        P(run, "Operation").SetValue(run);  // 1 fixed flow, 2 cutback
        Calculated(run, 1);
    }
    ASSERT_EQ(Fill(BorderRunTable), 0);
    const int cutbackRow = 25;
    EXPECT_EQ(grid.Cells(0, cutbackRow), P(1, "CutbackTime").GetDescription());
    EXPECT_EQ(grid.Cells(2, 1), "1");  // operation, then mode
    EXPECT_EQ(grid.Cells(2, 2), "1");
    EXPECT_EQ(grid.Cells(3, 1), "2");
    EXPECT_EQ(grid.Cells(2, cutbackRow), "-");
    EXPECT_EQ(grid.Cells(3, cutbackRow), P(2, "CutbackTime").GetResultText());
    EXPECT_FALSE(P(1, "CutbackTime").Active());  // the flag stays so in the run
    EXPECT_TRUE(P(2, "CutbackTime").Active());
}

TEST_F(RunTable, AnEmptyDataSetMakesItsFirstRunAndShowsOnlyTheHeaders)
{
    Open(imBasin, 0);
    EXPECT_EQ(FillRunTable(*dataSet, nullptr, BasinRunTable), -1);  // no grid: nothing happens
    EXPECT_EQ(dataSet->GetRunCount(), 0);
    ASSERT_EQ(Fill(BasinRunTable), 0);
    EXPECT_EQ(dataSet->GetRunCount(), 1);
    EXPECT_EQ(grid.ColCount(), 100);
    EXPECT_EQ(grid.Cells(0, 3), "Flow rate");
    EXPECT_EQ(grid.Cells(2, 0), "");
}

TEST_F(RunTable, WithoutSettingsFileTheGridIsEmptiedAndKeepsItsSize)
{
    Open(imBasin, 1);
    Calculated(1, 1);
    Fill(BasinRunTable);
    SetExecutableFolder(::testing::TempDir() + "no_settings_here/");
    Open(imBasin, 0);
    SetExecutableFolder("");
    EXPECT_EQ(Fill(BasinRunTable), -1);
    EXPECT_EQ(grid.ColCount(), 3);
    EXPECT_EQ(grid.RowCount(), 31);
    EXPECT_EQ(grid.Cells(0, 0), "");
    EXPECT_EQ(grid.Cells(2, 0), "");
}

// Every row of each module in its place: caption and unit of the named parameter of run 1,
// and in the run's column that parameter's own value (each parameter gets a value of its
// own, so two rows that changed places show).
TEST_F(RunTable, EveryModuleListsItsRowsInTheirOrder)
{
    const char *const heading = "OUTPUT PARAMETERS";
    const char *const blank = " ";
    struct RowOrder {
        TIrrigationModule module;
        const TRunTableLayout *layout;
        int firstDataRow;
        std::vector<const char *> rows;
    };
    const RowOrder orders[] = {
        {imBasin, &BasinRunTable, 3,
         {"FlowRate", "BasinLength", "BasinWidth", "CutoffTime", "RequiredDepth", "Flowresistance", "SCS #",
          "TimeRatedT100", "KostiakovA", "Kostiakovk", heading, "FlowRate", "BasinLength", "BasinWidth",
          "CutoffTime", "Applic. efficiency", "Storage efficiency", "Distribution unif.", blank,
          "Min. inf. depth", "Max. inf. depth", "Average depth", "Over-irr. depth", "Under-irr. depth",
          "Over-irr. length", "Under-irr. length", "Advancetime", "Recessiontime"}},
        {imBorder, &BorderRunTable, 4,
         {"FlowRate", "BasinLength", "BasinWidth", "LengthWidthRatio", "CutoffTime", "AdvanceRatio",
          "CutBackRatio", "TailwaterRecoveryRatio", "RequiredDepth", "Flowresistance", "Slope", "SCS #",
          "KostiakovA", "Kostiakovk", "KostiakovFo", heading, "FlowRate", "CutBackFlow", "BasinLength",
          "BasinWidth", "CutoffTime", "CutbackTime", "AdvanceRatio", "Applic. efficiency", "Storage efficiency",
          "Uniformity coeff.", "Distribution unif.", "Deep perc. ratio", "Runoff Ratio", "Average depth",
          "Min. inf. depth", "Max. inf. depth", "Surface runoff", "Over-irr. depth", "Under-irr. depth",
          "Over-irr. length", "Under-irr. length", "Advancetime", "Depletiontime", "Recessiontime",
          "Opportunitytime"}},
        {imFurrow, &FurrowRunTable, 4,
         {"FlowRate", "Length", "CutoffTime", "AdvanceRatio", "CutBackRatio", "TailwaterRecoveryRatio",
          "RequiredDepth", "Flowresistance", "Slope", "Spacing", "MaxVelocity", "Sigma1", "Sigma2", "Tau1",
          "Tau2", "SideSlope", "BedWidth", "MaxDepth", "MaxWidth", "SCS #", "KostiakovA", "Kostiakovk",
          "KostiakovFo", "TrialFlowRate", "StableRunoffRate", "AdvTimeL", "AdvTimeHalfL", "TrialLength",
          "TrialSlope", heading, "FlowRate", "CutBackFlow", "Length", "CutoffTime", "AdvanceRatio",
          "Applic. efficiency", "Storage efficiency", "Uniformity coeff.", "Distribution unif.",
          "Deep perc. ratio", "Runoff Ratio", "Average depth", "Min. inf. depth", "Max. inf. depth",
          "Surface runoff", "Over-irr. depth", "Under-irr. depth", "Over-irr. length", "Under-irr. length",
          "Advancetime", "Depletiontime", "Recessiontime", "Opportunitytime"}},
    };
    for (const RowOrder &order : orders) {
        SCOPED_TRACE(static_cast<int>(order.module));
        Open(order.module, 1);
        if (order.module != imBasin)
            P(1, "Operation").SetValue(2);  // cutback, so that the cutback time shows
        // Results after the heading, inputs before it; a decision variable listed in both
        // blocks is a result here, so its input row shows "-".
        std::map<std::string, int> valueRow;  // the row that shows the parameter's value
        for (std::size_t i = 0; i < order.rows.size(); ++i)
            valueRow[order.rows[i]] = order.firstDataRow + static_cast<int>(i);
        bool output = false;
        for (const char *name : order.rows) {
            output = output || name == heading;
            if (name != heading && name != blank)
                Role(1, name, output ? pcResult : pcInput, true, 100 + valueRow[name]);
        }
        Calculated(1, 1);
        ASSERT_EQ(Fill(*order.layout), 0);
        ASSERT_EQ(grid.RowCount(), order.firstDataRow + static_cast<int>(order.rows.size()));
        for (std::size_t i = 0; i < order.rows.size(); ++i) {
            const int row = order.firstDataRow + static_cast<int>(i);
            const char *name = order.rows[i];
            SCOPED_TRACE(row);
            if (name == heading || name == blank) {
                EXPECT_EQ(grid.Cells(0, row), name);
                continue;
            }
            EXPECT_EQ(grid.Cells(0, row), P(1, name).GetDescription()) << name;
            EXPECT_EQ(grid.Cells(1, row), P(1, name).GetUnitText()) << name;
            const std::string cell = grid.Cells(2, row);
            if (valueRow[name] != row) {
                EXPECT_EQ(cell, "-") << name;  // the input row of a result
                continue;
            }
            const std::string value = std::to_string(100 + row);
            EXPECT_EQ(cell.substr(0, value.size()), value) << name;
            EXPECT_TRUE(cell.size() == value.size() || cell[value.size()] == '.') << name << ": " << cell;
        }
    }
}
