#include "uUnitKind.h"

#include "Dialogs.h"
#include "uConstants.h"
#include "TextCase.h"

namespace {

struct UnitKindName {
    const char *name;
    TUnitKind kind;
};

// In the order the settings reader has always tried them; the names differ, so the order
// only decides how long a lookup takes.
constexpr UnitKindName kUnitKindNames[] = {
    {"Feet", ukFeet},
    {"Meters", ukMeters},
    {"MM", ukMM},
    {"INCH", ukINCH},
    {"M3M_1", ukM3M_1},
    {"FT3FT_1", ukFT3FT_1},
    {"LS_1", ukLS_1},
    {"GALMIN_1", ukGALMIN_1},
    {"M3MIN_1", ukM3MIN_1},
    {"FT3S_1", ukFT3S_1},
    {"Minutes", ukMinutes},
    {"Hours", ukHours},
    {"Perc", ukPerc},
    {"CM", ukCM},
    {"MM_MIN_A", ukMM_MIN_A},
    {"MM_HR_A", ukMM_HR_A},
    {"CM_MIN_A", ukCM_MIN_A},
    {"CM_HR_A", ukCM_HR_A},
    {"IN_MIN_A", ukIN_MIN_A},
    {"IN_HR_A", ukIN_HR_A},
    {"M_MIN_A", ukM_MIN_A},
    {"M_HR_A", ukM_HR_A},
    {"M3M_1_MIN_A", ukM3M_1_MIN_A},
    {"M3M_1_HR_A", ukM3M_1_HR_A},
    {"FT3FT_1_MIN_A", ukFT3FT_1_MIN_A},
    {"FT3FT_1_HR_A", ukFT3FT_1_HR_A},
    {"MM_1", ukMM_1},
    {"FTFT_1", ukFTFT_1},
    {"MM_MIN", ukMM_MIN},
    {"MM_HR", ukMM_HR},
    {"CM_MIN", ukCM_MIN},
    {"CM_HR", ukCM_HR},
    {"IN_MIN", ukIN_MIN},
    {"IN_HR", ukIN_HR},
    {"M3M_1_MIN", ukM3M_1_MIN},
    {"M3M_1_HR", ukM3M_1_HR},
    {"FT3FT_1_MIN", ukFT3FT_1_MIN},
    {"FT3FT_1_HR", ukFT3FT_1_HR},
    {"M_2_Sig2", ukM_2_Sig2},
    {"M_1_Tau2", ukM_1_Tau2},
    {"FT_2_Sig2", ukFT_2_Sig2},
    {"FT_1_Tau2", ukFT_1_Tau2},
    {"M_MIN", ukM_MIN},
    {"FT_MIN", ukFT_MIN},
    {"M_HR", ukM_HR},
    {"FT_HR", ukFT_HR},
    {"Empty", ukEmpty},
};

using Q = TUnitQuantity;

// By kind, 0..46.
constexpr TUnitQuantity kQuantities[UnitKindCount] = {
    Q::Length, Q::Length,                                        // 0 feet, 1 metres
    Q::Depth, Q::Depth, Q::Depth, Q::Depth,                      // 2 mm, 3 inch, 4 m^3/m, 5 ft^3/ft
    Q::Flow, Q::Flow, Q::Flow, Q::Flow,                          // 6..9
    Q::Time, Q::Time,                                            // 10 minutes, 11 hours
    Q::None, Q::Percent, Q::Depth,                               // 12 no unit, 13 percent, 14 cm
    Q::KostiakovK, Q::KostiakovK, Q::KostiakovK, Q::KostiakovK,  // 15..18
    Q::KostiakovK, Q::KostiakovK, Q::KostiakovK, Q::KostiakovK,  // 19..22
    Q::Slope, Q::Slope,                                          // 23, 24
    Q::Velocity,                                                 // 25 m/min
    Q::IntakeRate, Q::IntakeRate, Q::IntakeRate,                 // 26..28
    Q::IntakeRate, Q::IntakeRate, Q::IntakeRate,                 // 29..31
    Q::ShapeSigma, Q::ShapeTau, Q::ShapeSigma, Q::ShapeTau,      // 32..35
    Q::Velocity, Q::Velocity, Q::Velocity,                       // 36..38
    Q::KostiakovK, Q::KostiakovK, Q::KostiakovK, Q::KostiakovK,  // 39..42
    Q::IntakeRate, Q::IntakeRate, Q::IntakeRate, Q::IntakeRate,  // 43..46
};

}  // namespace

TUnitQuantity QuantityOf(TUnitKind kind)
{
    return kind < UnitKindCount ? kQuantities[kind] : TUnitQuantity::None;
}

bool IsUnitKind(int code)
{
    return code >= 0 && code < UnitKindCount;
}

TUnitKind UnitKindOfName(const std::string &name)
{
    for (const UnitKindName &candidate : kUnitKindNames)
        if (SameText(candidate.name, name))
            return candidate.kind;
    ShowMessage(std::string(uConstants::UnitNameUnknown) + " " + name);
    return ukEmpty;
}
