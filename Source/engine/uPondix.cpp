#include "uPondix.h"

#include "uEngineCall.h"
#include "uInfiltration.h"
#include "uIrrigationDataSet.h"
#include "uIrrigationRun.h"
#include "uRunFileOperations.h"
#include "uRunGraphs.h"
#include "uRunTable.h"

#include <cmath>

namespace {

// The basin engine takes its Kostiakov coefficients from the run's infiltration object,
// with k / 60^A in place of k; the run's own Kostiakov parameters are not read.
void FillBasin(TIrrigationRun &run, TParameters &, TIrrikaInfoRecord &record)
{
    const TInfiltrationCoefficients coefficients = run.GetInfiltration()->GetCoefficients();
    record.KostiakovA = coefficients.A;
    record.KostiakovK = coefficients.k / std::pow(60.0, coefficients.A);
    record.LengthWidthRatio = record.Width != 0.0 ? kBasinLengthWidthRatio : 0.0;
}

// 1: the basin cannot be covered; 2: the mode (as the engine left it) names the advice.
// Any other code has no text of its own.
int BasinMessage(const TIrrikaInfoRecord &record)
{
    if (record.ErrorCode == beAdvanceFails)
        return 110;
    if (record.ErrorCode == beModeFails)
        return record.Mode >= 1 && record.Mode <= 4 ? 120 + record.Mode : 120;
    return 0;
}

const TEngineCall kBasinCall{imBasin, true, FillBasin, nullptr, BasinMessage, 0, nullptr};

}  // namespace

TPondix::TPondix() { FDataSet = std::make_unique<TIrrigationDataSet>(imBasin); }

TPondix::~TPondix() = default;

bool TPondix::LoadRuns() { return ::LoadRuns(*this, BasinRunFiles); }

bool TPondix::SaveRuns() { return ::SaveRuns(*this, BasinRunFiles); }

bool TPondix::ReplaceWithLastRun() { return ::ReplaceWithLastRun(*this, BasinRunFiles); }

bool TPondix::AppendLastRun() { return ::AppendLastRun(*this, BasinRunFiles); }

TIrrigationDataSet *TPondix::GetDataSet() { return FDataSet.get(); }

int TPondix::Calculate(int RunNumber) { return CalculateRun(*FDataSet, RunNumber, kBasinCall); }

int TPondix::DeleteRun(int RunNumber) { return ::DeleteRun(*this, RunNumber); }

int TPondix::DrawGraphs(int RunNumber) { return ::DrawGraphs(*FDataSet, FTimeChart, FDepthChart, RunNumber, BasinRunGraphs); }

int TPondix::FillRunTable() { return ::FillRunTable(*FDataSet, FRunGrid, BasinRunTable); }

int TPondix::PrintRunTable() { return ::PrintRunTable(FRunGrid, "Pondix"); }

int TPondix::SaveGraphs(unsigned char Kind, const std::string &FileName)
{
    return ::SaveGraphs(FTimeChart, FDepthChart, Kind, FileName);
}

int TPondix::PrintGraphs() { return ::PrintGraphs(FTimeChart, FDepthChart, BasinRunGraphs.PrintTitle); }

int TPondix::CopyGraphToClipboard(unsigned char Which) { return ::CopyGraphToClipboard(FTimeChart, FDepthChart, Which); }
