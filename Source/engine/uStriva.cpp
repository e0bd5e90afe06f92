#include "uStriva.h"

#include "NumberText.h"
#include "uEngineCall.h"
#include "uError.h"
#include "uIrrigationDataSet.h"
#include "uRunFileOperations.h"
#include "uRunGraphs.h"
#include "uRunTable.h"

#include <string>

namespace {

// In modes 3 and 4 the inflow is given: one above the maximum non-erosive flow per unit
// width is refused before the engine runs. The limit needs a positive slope (a logarithm)
// and width (a division); without them the engine judges the input itself.
bool RefuseErosiveInflow(TIrrikaInfoRecord &record)
{
    if (record.Mode <= 2 || !(record.Slope > 0) || !(record.Width > 0))
        return false;
    const double limit = BorderNonErosiveUnitFlow(record.Slope);
    if (!(record.FlowRate / record.Width > limit))
        return false;
    record.ErrorCode = 200;
    if (frmError)
        frmError->ShowText(std::string("Inlet flow rate exceeds maximum non-erosive flow ") + "\n\r" +
                               FloatToStr(limit * record.Width),
                           ekError);
    return true;
}

int BorderMessage(const TIrrikaInfoRecord &record) { return 200 + record.ErrorCode; }

// The advance ratio is the engine's only under cutback flow; warning 1 means the
// application efficiency could not be judged.
void WriteBackBorder(const TIrrikaInfoRecord &record, TParameters &, TWriteBack &writeBack)
{
    if (record.Operation == 2)
        writeBack.Value("AdvanceRatio", record.AdvanceRatio);
    writeBack.Value("Applic. efficiency", record.WarningCode == bwCutbackShort ? -1.0 : record.ApplicationEfficiency);
}

const TEngineCall kBorderCall{imBorder, true, nullptr, RefuseErosiveInflow, BorderMessage, 250, WriteBackBorder};

}  // namespace

TStriva::TStriva() { FDataSet = std::make_unique<TIrrigationDataSet>(imBorder); }

TStriva::~TStriva() = default;

bool TStriva::LoadRuns() { return ::LoadRuns(*this, BorderRunFiles); }

bool TStriva::SaveRuns() { return ::SaveRuns(*this, BorderRunFiles); }

bool TStriva::ReplaceWithLastRun() { return ::ReplaceWithLastRun(*this, BorderRunFiles); }

bool TStriva::AppendLastRun() { return ::AppendLastRun(*this, BorderRunFiles); }

TIrrigationDataSet *TStriva::GetDataSet() { return FDataSet.get(); }

int TStriva::Calculate(int RunNumber) { return CalculateRun(*FDataSet, RunNumber, kBorderCall); }

int TStriva::DeleteRun(int RunNumber) { return ::DeleteRun(*this, RunNumber); }

int TStriva::DrawGraphs(int RunNumber) { return ::DrawGraphs(*FDataSet, FTimeChart, FDepthChart, RunNumber, BorderRunGraphs); }

int TStriva::FillRunTable() { return ::FillRunTable(*FDataSet, FRunGrid, BorderRunTable); }

int TStriva::PrintRunTable() { return ::PrintRunTable(FRunGrid, "Striva"); }

int TStriva::SaveGraphs(unsigned char Kind, const std::string &FileName)
{
    return ::SaveGraphs(FTimeChart, FDepthChart, Kind, FileName);
}

int TStriva::PrintGraphs() { return ::PrintGraphs(FTimeChart, FDepthChart, BorderRunGraphs.PrintTitle); }

int TStriva::CopyGraphToClipboard(unsigned char Which) { return ::CopyGraphToClipboard(FTimeChart, FDepthChart, Which); }
