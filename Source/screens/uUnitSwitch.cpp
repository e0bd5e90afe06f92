#include "uUnitSwitch.h"

#include "uIrrigationRun.h"

#include <cmath>

namespace {

// Per depth unit: its k units and its rate units, per minute and per hour.
struct TDepthKinds {
    TUnitKind Depth;
    TUnitKind KMinute, KHour, RateMinute, RateHour;
};
const TDepthKinds kDepthKinds[] = {
    {ukMM, ukMM_MIN_A, ukMM_HR_A, ukMM_MIN, ukMM_HR},
    {ukCM, ukCM_MIN_A, ukCM_HR_A, ukCM_MIN, ukCM_HR},
    {ukINCH, ukIN_MIN_A, ukIN_HR_A, ukIN_MIN, ukIN_HR},
    {ukM3M_1, ukM3M_1_MIN_A, ukM3M_1_HR_A, ukM3M_1_MIN, ukM3M_1_HR},
    {ukFT3FT_1, ukFT3FT_1_MIN_A, ukFT3FT_1_HR_A, ukFT3FT_1_MIN, ukFT3FT_1_HR},
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
    const long double f = std::pow(toFeet ? kFeetBase : kMetreBase, power - exponent->GetValue());
    coefficient->SetDisplayValue(static_cast<double>(f * coefficient->GetValue()));
    coefficient->SetUnit(target);
    if (TBoundary *limits = coefficient->Boundary()) {
        limits->SetLower(static_cast<double>(f * limits->Lower()));
        limits->SetUpper(static_cast<double>(f * limits->Upper()));
    }
}

}  // namespace

void RepointKinds(TIrrigationRun &run, const std::vector<TUnitKind> &kinds, TUnitKind target)
{
    for (TUnitKind kind : kinds) {
        if (kind != target)
            run.ChangeUnit(kind, target);
    }
}

TUnitKind KostiakovKind(TUnitKind depth, TUnitKind time)
{
    const TDepthKinds &row = DepthKinds(depth);
    return time == ukHours ? row.KHour : row.KMinute;
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

double OwnTermsRatio(TIrrigationRun &run, const std::string &name, TUnitKind from, TUnitKind to)
{
    if (from == to)
        return 1.0;
    double fromFactor = 0, toFactor = 0;
    if (KostiakovFactor(from, 0, fromFactor) && KostiakovFactor(to, 0, toFactor)) {
        // The hour units' factors depend on the exponent A.
        const double a = StoredValue(run, "KostiakovA");
        KostiakovFactor(from, a, fromFactor);
        KostiakovFactor(to, a, toFactor);
        return fromFactor / toFactor;
    }
    for (const TShapeCoefficient &c : kShapeCoefficients) {
        if (name != c.Name)
            continue;
        const long double power = c.Power - StoredValue(run, c.ExponentName);
        if (from == c.Metric && to == c.Feet)
            return static_cast<double>(std::pow(kFeetBase, power));
        if (from == c.Feet && to == c.Metric)
            return static_cast<double>(std::pow(kMetreBase, power));
    }
    return 1.0;
}
