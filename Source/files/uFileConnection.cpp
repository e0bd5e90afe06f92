#include "uFileConnection.h"

#include "uIrrigationDataSet.h"
#include "uPondixFile.h"
#include "uRilloxFile.h"
#include "uStrivaFile.h"

TFileConnection::TFileConnection(std::uint8_t fileKind)
{
    switch (fileKind) {
    case fkBasinRunFile:
        FFileFormatter = std::make_unique<TPondixFile>();
        break;
    case fkFurrowRunFile:
        FFileFormatter = std::make_unique<TRilloxFile>();
        break;
    case fkBorderRunFile:
        FFileFormatter = std::make_unique<TStrivaFile>();
        break;
    default:
        break;
    }
}

bool TFileConnection::Prepare(TIrrigationDataSet *dataSet)
{
    if (!FFileFormatter || !dataSet || dataSet->FileName().empty())
        return false;
    FFileFormatter->FileName = dataSet->FileName();
    return true;
}

int TFileConnection::LoadFromFile(TIrrigationDataSet *dataSet)
{
    return Prepare(dataSet) ? FFileFormatter->LoadFromFile(dataSet) : -1;
}

int TFileConnection::SaveToFile(TIrrigationDataSet *dataSet)
{
    return Prepare(dataSet) ? FFileFormatter->SaveToFile(dataSet) : -1;
}

int TFileConnection::AppendRun(TIrrigationDataSet *dataSet)
{
    return Prepare(dataSet) ? FFileFormatter->AppendRun(dataSet) : -1;
}
