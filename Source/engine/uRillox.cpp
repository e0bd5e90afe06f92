#include "uRillox.h"

#include "uEngineCall.h"
#include "uIrrigationDataSet.h"
#include "uRunFileOperations.h"
#include "uRunGraphs.h"
#include "uRunTable.h"

#include <cmath>

namespace {

const double kFeetPerMetre = 3.28;
const int kSigmaMetreBasis = 32;  // M_2_Sig2

// The furrow engine takes the shape coefficients on the metre basis; any other unit of
// "Sigma1" means they were given on the foot basis.
bool MetreBasis(TParameters &parameters) { return UnitKindOf(parameters, "Sigma1") == kSigmaMetreBasis; }

void FillShape(TIrrigationRun &, TParameters &parameters, TIrrikaInfoRecord &record)
{
    const double sigma1 = StoredValue(parameters, "Sigma1");
    const double tau1 = StoredValue(parameters, "Tau1");
    if (MetreBasis(parameters)) {
        record.Sigma1 = sigma1;
        record.Tau1 = tau1;
        return;
    }
    record.Sigma1 = RoundTo(std::pow(1 / kFeetPerMetre, 2 - record.Sigma2) * sigma1, 4);
    record.Tau1 = std::pow(1 / kFeetPerMetre, 1 - record.Tau2) * tau1;
}

// Back on the foot basis the coefficients are displayed values, with the returned exponents.
void WriteBackShape(const TIrrikaInfoRecord &record, TParameters &parameters, TWriteBack &writeBack)
{
    if (MetreBasis(parameters)) {
        writeBack.Value("Sigma1", record.Sigma1);
        writeBack.Value("Tau1", record.Tau1);
        return;
    }
    writeBack.DisplayValue("Sigma1", std::pow(kFeetPerMetre, 2 - record.Sigma2) * record.Sigma1);
    writeBack.DisplayValue("Tau1", std::pow(kFeetPerMetre, 1 - record.Tau2) * record.Tau1);
}

int FurrowMessage(const TIrrikaInfoRecord &record) { return 300 + record.ErrorCode; }

const TEngineCall kFurrowCall{imFurrow, false, FillShape, nullptr, FurrowMessage, 350, WriteBackShape};

}  // namespace

TRillox::TRillox() { FDataSet = std::make_unique<TIrrigationDataSet>(imFurrow); }

TRillox::~TRillox() = default;

bool TRillox::LoadRuns() { return ::LoadRuns(*this, FurrowRunFiles); }

bool TRillox::SaveRuns() { return ::SaveRuns(*this, FurrowRunFiles); }

bool TRillox::ReplaceWithLastRun() { return ::ReplaceWithLastRun(*this, FurrowRunFiles); }

bool TRillox::AppendLastRun() { return ::AppendLastRun(*this, FurrowRunFiles); }

TIrrigationDataSet *TRillox::GetDataSet() { return FDataSet.get(); }

int TRillox::Calculate(int RunNumber) { return CalculateRun(*FDataSet, RunNumber, kFurrowCall); }

int TRillox::DeleteRun(int RunNumber) { return ::DeleteRun(*this, RunNumber); }

int TRillox::DrawGraphs(int RunNumber) { return ::DrawGraphs(*FDataSet, FTimeChart, FDepthChart, RunNumber, FurrowRunGraphs); }

int TRillox::FillRunTable() { return ::FillRunTable(*FDataSet, FRunGrid, FurrowRunTable); }

int TRillox::PrintRunTable() { return ::PrintRunTable(FRunGrid, "Rillox"); }

int TRillox::SaveGraphs(unsigned char Kind, const std::string &FileName)
{
    return ::SaveGraphs(FTimeChart, FDepthChart, Kind, FileName);
}

int TRillox::PrintGraphs() { return ::PrintGraphs(FTimeChart, FDepthChart, FurrowRunGraphs.PrintTitle); }

int TRillox::CopyGraphToClipboard(unsigned char Which) { return ::CopyGraphToClipboard(FTimeChart, FDepthChart, Which); }
