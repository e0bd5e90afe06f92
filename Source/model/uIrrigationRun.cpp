#include "uIrrigationRun.h"

#include "uParameter.h"

TIrrigationRun::TIrrigationRun(int number, TUnits *units)
    : FUnits(units), FNumber(number)
{
}

int TIrrigationRun::SetParameters(std::unique_ptr<TParameters> parameters)
{
    FParameters = std::move(parameters);
    return 0;
}

TCalculationMode TIrrigationRun::GetMode() const
{
    TParameter *mode = FParameters ? FParameters->FindParameter("Mode") : nullptr;
    return mode ? mode->GetDisplayValueAsInteger() : 0;
}

void TIrrigationRun::SetMode(TCalculationMode mode)
{
    if (TParameter *parameter = FParameters ? FParameters->FindParameter("Mode") : nullptr)
        parameter->SetDisplayValue(static_cast<double>(mode));
    FMode = mode;
}

int TIrrigationRun::ChangeUnit(TUnitKind fromKind, TUnitKind toKind)
{
    TUnit *from = FUnits ? FUnits->GetUnit(fromKind) : nullptr;
    TUnit *to = FUnits ? FUnits->GetUnit(toKind) : nullptr;
    if (!from || !to || from == to || !FParameters)
        return 0;
    int result = 0;
    std::unique_ptr<TIterator> parameters(FParameters->CreateParameterIterator());
    while (!parameters->IsDone()) {
        auto *parameter = dynamic_cast<TParameter *>(parameters->Next());
        if (parameter && parameter->GetUnit() == from) {
            parameter->SetUnit(to);
            result = 1;
        }
    }
    std::unique_ptr<TIterator> curves(FParameters->CreateArrayIterator());
    while (!curves->IsDone()) {
        auto *curve = dynamic_cast<TParameterArray *>(curves->Next());
        if (curve && curve->GetUnit() == from) {
            curve->SetUnit(to);
            result = 2;
        }
    }
    return result;
}
