#include "uUnitSwitch.h"

#include "uIrrigationRun.h"

#include <cmath>

namespace {

// Per depth unit: its rate units, per minute and per hour.
struct TDepthKinds {
    TUnitKind Depth;
    TUnitKind RateMinute, RateHour;
};
const TDepthKinds kDepthKinds[] = {
    {ukMM, ukMM_MIN, ukMM_HR},
    {ukCM, ukCM_MIN, ukCM_HR},
    {ukINCH, ukIN_MIN, ukIN_HR},
    {ukM3M_1, ukM3M_1_MIN, ukM3M_1_HR},
    {ukFT3FT_1, ukFT3FT_1_MIN, ukFT3FT_1_HR},
};

const TDepthKinds &DepthKinds(TUnitKind depth)
{
    for (const TDepthKinds &row : kDepthKinds) {
        if (row.Depth == depth)
            return row;
    }
    return kDepthKinds[0];
}

// The foot basis in extended precision: 3.28, and its inverse, not 1/0.3048.
const long double kFeetBase = 3.28L;
const long double kMetreBase = 1.0L / 3.28L;

// The shape coefficients: the exponent each is scaled with, and its metric and feet units.
struct TShapeCoefficient {
    const char *Name;
    const char *ExponentName;
    long double Power;
    TUnitKind Metric, Feet;
};
const TShapeCoefficient kShapeCoefficients[] = {
    {"Sigma1", "Sigma2", 2, ukM_2_Sig2, ukFT_2_Sig2},
    {"Tau1", "Tau2", 1, ukM_1_Tau2, ukFT_1_Tau2},
};

// A shape coefficient's value and limits, or its limits alone, moved to another basis.
void Rescale(TParameter &coefficient, long double f, bool withValue)
{
    if (withValue)
        coefficient.SetDisplayValue(static_cast<double>(f * coefficient.GetValue()));
    if (TBoundary *limits = coefficient.Boundary()) {
        limits->SetLower(static_cast<double>(f * limits->Lower()));
        limits->SetUpper(static_cast<double>(f * limits->Upper()));
    }
}

double StoredValue(TIrrigationRun &run, const char *name)
{
    TParameter *p = run.GetParameters() ? run.GetParameters()->FindParameter(name) : nullptr;
    return p ? p->GetValue() : 0.0;
}

void MoveCoefficient(TIrrigationRun &run, const char *name, const char *exponentName, long double power,
                     TUnitKind metric, TUnitKind feet, bool toFeet)
{
    TParameters *parameters = run.GetParameters();
    TParameter *coefficient = parameters->FindParameter(name);
    TParameter *exponent = parameters->FindParameter(exponentName);
    TUnits *units = run.GetUnits();
    if (!coefficient || !exponent || !units)
        return;
    TUnit *target = units->GetUnit(toFeet ? feet : metric);
    TUnit *source = units->GetUnit(toFeet ? metric : feet);
    if (!target)
        return;
    if (coefficient->GetUnit() == target) {
        if (!toFeet && coefficient->Boundary()) {
            coefficient->Boundary()->SetLower(0.1);
            coefficient->Boundary()->SetUpper(10);
        }
        return;
    }
    if (coefficient->GetUnit() != source)
        return;
    // The general power: a zero exponent gives exactly 1.
    Rescale(*coefficient, std::pow(toFeet ? kFeetBase : kMetreBase, power - exponent->GetValue()), true);
    coefficient->SetUnit(target);
}

}  // namespace

void RepointKinds(TIrrigationRun &run, const std::vector<TUnitKind> &kinds, TUnitKind target)
{
    for (TUnitKind kind : kinds) {
        if (kind != target)
            run.ChangeUnit(kind, target);
    }
}

TUnitKind RateKind(TUnitKind depth, TUnitKind time)
{
    const TDepthKinds &row = DepthKinds(depth);
    return time == ukHours ? row.RateHour : row.RateMinute;
}

TUnitKind VelocityKind(TUnitKind length, TUnitKind time)
{
    if (length == ukFeet)
        return time == ukHours ? ukFT_HR : ukFT_MIN;
    return time == ukHours ? ukM_HR : ukM_MIN;
}

const std::vector<TUnitKind> &DepthRateKinds()
{
    static const std::vector<TUnitKind> kinds = {ukMM_MIN, ukMM_HR, ukCM_MIN, ukCM_HR, ukIN_MIN, ukIN_HR};
    return kinds;
}

const std::vector<TUnitKind> &AmountRateKinds()
{
    static const std::vector<TUnitKind> kinds = {ukMM_MIN,    ukMM_HR,    ukCM_MIN,      ukCM_HR,      ukIN_MIN,
                                                 ukIN_HR,     ukM3M_1_MIN, ukM3M_1_HR, ukFT3FT_1_MIN, ukFT3FT_1_HR};
    return kinds;
}

const std::vector<TUnitKind> &VelocityKinds()
{
    static const std::vector<TUnitKind> kinds = {ukM_MIN, ukM_HR, ukFT_MIN, ukFT_HR};
    return kinds;
}

void MoveShapeCoefficients(TIrrigationRun &run, bool toFeet)
{
    if (!run.GetParameters())
        return;
    for (const TShapeCoefficient &c : kShapeCoefficients)
        MoveCoefficient(run, c.Name, c.ExponentName, c.Power, c.Metric, c.Feet, toFeet);
}

void ReexpressLimits(TIrrigationRun &run, TParameter &parameter, TUnitKind from, TUnitKind to)
{
    if (from == to)
        return;
    TBoundary *limits = parameter.Boundary();
    if (!limits)
        return;
    TKostiakovK k{0.0, limits->Lower(), limits->Upper()};
    if (ReexpressKostiakovK(k, from, to, StoredValue(run, "KostiakovA"))) {
        limits->SetLower(k.Lower);
        limits->SetUpper(k.Upper);
        return;
    }
    for (const TShapeCoefficient &c : kShapeCoefficients) {
        if (parameter.Name() != c.Name)
            continue;
        const long double power = c.Power - StoredValue(run, c.ExponentName);
        if (from == c.Metric && to == c.Feet)
            Rescale(parameter, std::pow(kFeetBase, power), false);
        if (from == c.Feet && to == c.Metric)
            Rescale(parameter, std::pow(kMetreBase, power), false);
    }
}
