#include "uIrrigationRun.h"

#include "NumberText.h"
#include "uParameter.h"
#include "uUnitKind.h"

#include <cmath>

namespace {

// How k in mm per min^A is expressed in another depth unit and time unit: the unit kind
// and the divisor of k and of its limits. Hours multiply by 60^A.
struct KostiakovUnit {
    TUnitKind time;
    TUnitKind depth;
    TUnitKind unit;
    double depthDivisor;
    bool perHour;
};

constexpr KostiakovUnit kKostiakovUnits[] = {
    {ukMinutes, ukMM, ukMM_MIN_A, 1.0, false}, {ukMinutes, ukCM, ukCM_MIN_A, 10.0, false},
    {ukMinutes, ukINCH, ukIN_MIN_A, 25.4, false}, {ukHours, ukMM, ukMM_HR_A, 1.0, true},
    {ukHours, ukCM, ukCM_HR_A, 10.0, true}, {ukHours, ukINCH, ukIN_HR_A, 25.4, true},
};

}  // namespace

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
    if (!k)
        return;
    for (const KostiakovUnit &row : kKostiakovUnits) {
        if (row.time != timeKind || row.depth != depthKind)
            continue;
        // Dividing by (1/60)^A turns a coefficient per min^A into one per hr^A.
        const double f = row.perHour ? std::pow(1.0 / 60.0, coefficients.A) : 1.0;
        k->SetDisplayValueAndUnit((coefficients.k / row.depthDivisor) / f, unitOf(row.unit));
        if (TBoundary *boundary = k->Boundary()) {
            boundary->SetLower((coefficients.kLower / row.depthDivisor) / f);
            boundary->SetUpper((coefficients.kUpper / row.depthDivisor) / f);
        }
        return;
    }
}
