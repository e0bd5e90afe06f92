#include "uInfiltration.h"

#include <cmath>
#include <memory>

namespace {

constexpr double kLowerK = 0.8;
constexpr double kUpperK = 45.0;

struct FlowResistanceRow {
    double n;
    const char *description;
};

// The texts are shown to users as they always were, spelling included.
constexpr FlowResistanceRow kFlowResistances[] = {
    {0.04, "smooth, bare soil surface; row crops"},
    {0.10, "drilled, small-grain crops, drill rows inflow direction"},
    {0.15, "alfalfa, mint, broadcast small grains"},
    {0.20, "dense alfalfa or alfalfa on long fields whithout secundairy ditches"},
    {0.25, "dense sod crops and small grains, drilled perpendicular to flow direction"},
};

struct IntakeFamilyRow {
    double number;
    double A;
    double k;  // mm per min^A
    const char *description;
};

constexpr IntakeFamilyRow kIntakeFamilies[] = {
    {0.1, 0.595, 1.10, "clay, silty clay"},
    {0.3, 0.650, 1.59, "silty clay, clay loam"},
    {0.5, 0.684, 1.93, "clay loam, loam"},
    {1.0, 0.706, 2.84, "loam, silt loam"},
    {1.5, 0.718, 3.56, "silt, sandy laom"},
    {2.0, 0.726, 4.22, "sandy loam, fine sand"},
    {3.0, 0.735, 5.41, "fine to medium sand"},
    {4.0, 0.740, 6.59, "medium to coarse sand"},
};

constexpr double kStandardNumbers[] = {0.05, 0.10, 0.15, 0.20, 0.25, 0.30, 0.35, 0.40, 0.45,
                                       0.50, 0.60, 0.70, 0.80, 0.90, 1.0,  1.5,  2.0};

}  // namespace

std::optional<TInfiltrationCoefficients> TTimeRatedFamily::Compute(double t100)
{
    FCoefficients.A = 0.0;
    FCoefficients.k = 0.0;
    FCoefficients.Fo = 0.0;
    const double h = t100 / 60.0;
    FT100 = h;
    // The logarithm has no value here; a run file can carry any T100, and one without a
    // family must neither abort a load nor wipe the coefficients the run has.
    if (!(h > 0.0) || !std::isfinite(h))
        return std::nullopt;
    const double a = 0.675 - 0.2125 * std::log10(h);
    if (a > 0.0) {
        const double k = (100.0 / std::pow(h, a)) / std::pow(60.0, a);
        if (!std::isfinite(k))
            return std::nullopt;  // so short a T100 that k overflows
        FCoefficients.A = a;
        FCoefficients.k = k;
    }
    return FCoefficients;
}

TInfiltration::TInfiltration()
{
    for (const FlowResistanceRow &row : kFlowResistances) {
        auto resistance = std::make_unique<TFlowResistance>();
        resistance->SetValue(row.n);
        resistance->SetDescription(row.description);
        FFlowResistances.Add(std::move(resistance));
    }
    for (const IntakeFamilyRow &row : kIntakeFamilies) {
        auto family = std::make_unique<TSCSIntakeFamily>();
        family->SetNumber(row.number);
        family->SetCoefficients({row.A, row.k, kLowerK, kUpperK, 0.0});
        family->SetDescription(row.description);
        FSCSFamilies.Add(std::move(family));
    }
    FCoefficients.kLower = kLowerK;
    FCoefficients.kUpper = kUpperK;
}

std::unique_ptr<TIterator> TInfiltration::CreateFlowResistanceIterator()
{
    return FFlowResistances.CreateIterator();
}

std::unique_ptr<TIterator> TInfiltration::CreateSCSFamilyIterator()
{
    return FSCSFamilies.CreateIterator();
}

double TInfiltration::SelectFlowResistance(double n)
{
    for (int i = FFlowResistances.Lower(); i <= FFlowResistances.Upper(); ++i)
        if (static_cast<TFlowResistance *>(FFlowResistances.GetItem(i))->Value() == n) {
            FFlowResistance = n;
            break;
        }
    return n;
}

TSCSIntakeFamily *TInfiltration::SelectSCSFamily(double number)
{
    for (int i = FSCSFamilies.Lower(); i <= FSCSFamilies.Upper(); ++i) {
        auto *family = static_cast<TSCSIntakeFamily *>(FSCSFamilies.GetItem(i));
        if (family->Number() == number) {
            FSCSNumber = number;
            SetCoefficients(family->Coefficients());
            return family;
        }
    }
    return nullptr;
}

bool TInfiltration::IsStandardSCSNumber(double number) const
{
    for (double standard : kStandardNumbers)
        if (standard == number)
            return true;
    return false;
}

std::optional<TInfiltrationCoefficients> TInfiltration::ApplyTimeRated(double t100)
{
    const std::optional<TInfiltrationCoefficients> coefficients = FTimeRatedFamily.Compute(t100);
    if (coefficients)
        SetCoefficients(*coefficients);
    return coefficients;
}

void TInfiltration::SetCoefficients(const TInfiltrationCoefficients &coefficients)
{
    FCoefficients.A = coefficients.A;
    FCoefficients.k = coefficients.k;
    FCoefficients.Fo = coefficients.Fo;
}

TInfiltrationCoefficients TInfiltration::GetCoefficients()
{
    FCoefficients.kLower = kLowerK;
    FCoefficients.kUpper = kUpperK;
    return FCoefficients;
}
