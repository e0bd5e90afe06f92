#include "uRunTable.h"

#include "ConcreteCollections.h"
#include "NumberText.h"
#include "TStringGrid.h"
#include "Printer.h"
#include "uGridObject.h"
#include "uIrrigationDataSet.h"
#include "uIrrigationRun.h"
#include "uParameter.h"
#include "uParameters.h"
#include "uIrrigationTypes.h"
#include "uPrintGrid.h"

#include <memory>
#include <vector>

namespace {
using R = TCellRule;

const char *const kOutputHeading = "OUTPUT PARAMETERS";
const char *const kNoValue = "-";
const char *const kOneDecimal = "####0.0";
// The cutback time is a result of cutback runs only.
constexpr int kCutbackOperation = okCutbackFlow;

const std::vector<TRunTableRow> kBasinRows = {
    {R::In, "FlowRate"}, {R::In, "BasinLength"}, {R::In, "BasinWidth"}, {R::In, "CutoffTime"},
    {R::In, "RequiredDepth"}, {R::In, "Flowresistance"}, {R::In, "SCS #"}, {R::In, "TimeRatedT100"},
    {R::In, "KostiakovA"}, {R::In, "Kostiakovk"},
    {R::Heading, kOutputHeading},
    {R::Out, "FlowRate"}, {R::Out, "BasinLength"}, {R::Out, "BasinWidth"}, {R::Out, "CutoffTime"},
    {R::Out1, "Applic. efficiency"}, {R::Out1, "Storage efficiency"}, {R::Out1, "Distribution unif."},
    {R::Heading, ""},
    {R::Out, "Min. inf. depth"}, {R::Out, "Max. inf. depth"}, {R::Out, "Average depth"},
    {R::Out, "Over-irr. depth"}, {R::Out, "Under-irr. depth"}, {R::Out, "Over-irr. length"},
    {R::Out, "Under-irr. length"}, {R::Out, "Advancetime"}, {R::Out, "Recessiontime"},
};

// The results that border and furrow share, after their own output rows.
const std::vector<TRunTableRow> kSlopedResults = {
    {R::Res1, "Applic. efficiency"}, {R::Res1, "Storage efficiency"}, {R::Res1, "Uniformity coeff."},
    {R::Res1, "Distribution unif."}, {R::Res1, "Deep perc. ratio"}, {R::Res1, "Runoff Ratio"},
    {R::Res, "Average depth"}, {R::Res, "Min. inf. depth"}, {R::Res, "Max. inf. depth"},
    {R::Res, "Surface runoff"}, {R::Res, "Over-irr. depth"}, {R::Res, "Under-irr. depth"},
    {R::Res, "Over-irr. length"}, {R::Res, "Under-irr. length"}, {R::Res, "Advancetime"},
    {R::Res, "Depletiontime"}, {R::Res, "Recessiontime"}, {R::Res, "Opportunitytime"},
};

const std::vector<TRunTableRow> kBorderRows = {
    {R::In, "FlowRate"}, {R::In, "BasinLength"}, {R::In, "BasinWidth"}, {R::In, "LengthWidthRatio"},
    {R::In, "CutoffTime"}, {R::In, "AdvanceRatio"}, {R::In, "CutBackRatio"},
    {R::In, "TailwaterRecoveryRatio"}, {R::In, "RequiredDepth"}, {R::In, "Flowresistance"},
    {R::In, "Slope"}, {R::In, "SCS #"}, {R::In, "KostiakovA"}, {R::In, "Kostiakovk"},
    {R::In, "KostiakovFo"},
    {R::Heading, kOutputHeading},
    {R::Out, "FlowRate"}, {R::Out, "CutBackFlow"}, {R::Out, "BasinLength"}, {R::Out, "BasinWidth"},
    {R::Out, "CutoffTime"}, {R::CutbackOut, "CutbackTime"}, {R::Out, "AdvanceRatio"},
};

const std::vector<TRunTableRow> kFurrowRows = {
    {R::In, "FlowRate"}, {R::In, "Length"}, {R::In, "CutoffTime"}, {R::In, "AdvanceRatio"},
    {R::In, "CutBackRatio"}, {R::In, "TailwaterRecoveryRatio"}, {R::In, "RequiredDepth"},
    {R::In, "Flowresistance"}, {R::In, "Slope"}, {R::In, "Spacing"}, {R::In, "MaxVelocity"},
    {R::In, "Sigma1"}, {R::In, "Sigma2"}, {R::In, "Tau1"}, {R::In, "Tau2"}, {R::In, "SideSlope"},
    {R::In, "BedWidth"}, {R::In, "MaxDepth"}, {R::In, "MaxWidth"}, {R::In, "SCS #"},
    {R::In, "KostiakovA"}, {R::In, "Kostiakovk"}, {R::In, "KostiakovFo"}, {R::In, "TrialFlowRate"},
    {R::In, "StableRunoffRate"}, {R::In, "AdvTimeL"}, {R::In, "AdvTimeHalfL"}, {R::In, "TrialLength"},
    {R::In, "TrialSlope"},
    {R::Heading, kOutputHeading},
    {R::Out, "FlowRate"}, {R::Out, "CutBackFlow"}, {R::Out, "Length"}, {R::Out, "CutoffTime"},
    {R::Out, "AdvanceRatio"},
};

std::vector<TRunTableRow> Join(std::vector<TRunTableRow> rows, const std::vector<TRunTableRow> &more)
{
    rows.insert(rows.end(), more.begin(), more.end());
    return rows;
}

struct Headers {
    std::vector<std::string> captions;
    std::vector<std::string> units;
    int firstDataRow = 0;
    void Add(const std::string &caption, const std::string &unit)
    {
        captions.push_back(caption);
        units.push_back(unit);
    }
};

Headers HeadersOf(TIrrigationRun &first, const TRunTableLayout &layout)
{
    Headers h;
    h.Add(" Run nr. ", "");
    if (layout.HasOperation)
        h.Add(" Type of system ", "");
    h.Add(" Calculation Mode ", "");
    h.Add("INPUT PARAMETERS", "units");
    h.firstDataRow = static_cast<int>(h.captions.size());
    for (const TRunTableRow &row : layout.Rows) {
        if (row.Rule == R::Heading) {
            h.Add(row.Name, "");
            continue;
        }
        // The catalogue creates every listed parameter; should one be missing, the lookup
        // has told the user and the row keeps its name.
        TParameter *p = first.GetParameters()->FindParameter(row.Name);
        h.Add(p ? p->GetDescription() : row.Name, p ? p->GetUnitText() : "");
    }
    return h;
}

std::string CellText(TParameter *p, TCellRule rule)
{
    if (!p)
        return kNoValue;
    const bool result = p->Category() == pcResult;
    switch (rule) {
    case R::In:
        return p->Active() && p->Category() == pcInput ? p->GetDisplayText() : kNoValue;
    case R::Out:
    case R::CutbackOut:
        return p->Active() && result ? p->GetResultText() : kNoValue;
    case R::Out1:
        return p->Active() && result ? FormatFloat(kOneDecimal, p->GetDisplayValue()) : kNoValue;
    case R::Res:
        return result ? p->GetResultText() : kNoValue;
    case R::Res1:
        return result ? FormatFloat(kOneDecimal, p->GetDisplayValue()) : kNoValue;
    case R::Heading:
        break;
    }
    return std::string();
}

std::unique_ptr<TDataList> ColumnOf(TIrrigationRun &run, const TRunTableLayout &layout)
{
    auto column = std::make_unique<TDataList>();
    TParameters &parameters = *run.GetParameters();
    column->SetRunNumber(run.Number());
    column->SetMode(run.GetMode());
    int operation = 0;
    if (layout.HasOperation) {
        TParameter *p = parameters.FindParameter("Operation");
        operation = p ? p->GetDisplayValueAsInteger() : 0;
        column->SetOperation(operation);
    }
    for (const TRunTableRow &row : layout.Rows) {
        if (row.Rule == R::Heading) {
            column->FValues.emplace_back();
            continue;
        }
        TParameter *p = parameters.FindParameter(row.Name);
        if (p && row.Rule == R::CutbackOut)
            p->SetActive(operation == kCutbackOperation);
        column->FValues.push_back(CellText(p, row.Rule));
    }
    return column;
}
}  // namespace

const TRunTableLayout BasinRunTable{false, kBasinRows};
const TRunTableLayout BorderRunTable{true, Join(kBorderRows, kSlopedResults)};
const TRunTableLayout FurrowRunTable{true, Join(kFurrowRows, kSlopedResults)};

int FillRunTable(TIrrigationDataSet &dataSet, TStringGrid *grid, const TRunTableLayout &layout)
{
    // Without a table there is nothing to fill, and the data set is left alone.
    if (!grid)
        return -1;
    TIrrikaGridObject gridObject(grid);
    TIrrigationRun *first = dataSet.GetFirstRun();
    if (!first) {
        gridObject.ClearGrid();
        return -1;
    }
    const Headers headers = HeadersOf(*first, layout);
    gridObject.SetRowHeaders(headers.firstDataRow, &headers.captions, &headers.units);
    TAggregationList columns;
    const std::unique_ptr<TIterator> runs = dataSet.CreateRunIterator();
    while (!runs->IsDone()) {
        auto *run = static_cast<TIrrigationRun *>(runs->Next());
        std::string difference;
        if (run->Calculated() && dataSet.CompareUnits(run->Number(), difference))
            columns.Add(ColumnOf(*run, layout));
    }
    gridObject.AddDataColumns(&columns);
    return 0;
}

int PrintRunTable(TStringGrid *grid, const std::string &title)
{
    if (grid)
        TPrintGrid(Printer()).Print(grid, title);
    return 0;
}
