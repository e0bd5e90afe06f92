#include "uIrrigationRun.h"

#include "NumberText.h"
#include "uKostiakovUnits.h"
#include "uParameter.h"
#include "uUnitKind.h"

#include <cmath>

TIrrigationRun::TIrrigationRun(int number, TUnits *units)
    : FUnits(units), FNumber(number), FInfiltration(std::make_unique<TInfiltration>())
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

void TIrrigationRun::SetKostiakovParameters(TUnitKind depthKind, TUnitKind timeKind)
{
    if (!FParameters)
        return;
    const TInfiltrationCoefficients coefficients = FInfiltration->GetCoefficients();
    auto unitOf = [this](TUnitKind kind) { return FUnits ? FUnits->GetUnit(kind) : nullptr; };

    // Six decimals are all the final intake rate keeps; halves go to the even neighbour.
    if (TParameter *fo = FParameters->FindParameter("KostiakovFo"))
        fo->SetValue(static_cast<double>(Round(coefficients.Fo * 1000000.0)) / 1000000.0);
    if (TParameter *a = FParameters->FindParameter("KostiakovA"))
        a->SetDisplayValueAndUnit(coefficients.A, unitOf(ukEmpty));

    TParameter *k = FParameters->FindParameter("Kostiakovk");
    // The basin's k units are depths; its coefficients stand in mm per min^A.
    const TKostiakovUnit *unit = FindKostiakovUnit(depthKind, timeKind);
    if (!k || !unit || unit->FurrowOnly)
        return;
    TKostiakovK value{coefficients.k, coefficients.kLower, coefficients.kUpper};
    ReexpressKostiakovK(value, ukMM_MIN_A, unit->Kind, coefficients.A);
    k->SetDisplayValueAndUnit(value.Value, unitOf(unit->Kind));
    if (TBoundary *boundary = k->Boundary()) {
        boundary->SetLower(value.Lower);
        boundary->SetUpper(value.Upper);
    }
}
