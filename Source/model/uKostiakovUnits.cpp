#include "uKostiakovUnits.h"

#include <cmath>

namespace {

const TKostiakovUnit kKostiakovUnits[] = {
    // kind            depth      time       factor   multiply back  furrow only
    {ukMM_MIN_A,       ukMM,      ukMinutes, 1,       false,         false},
    {ukMM_HR_A,        ukMM,      ukHours,   1,       false,         false},
    {ukCM_MIN_A,       ukCM,      ukMinutes, 10,      true,          false},
    {ukCM_HR_A,        ukCM,      ukHours,   10,      false,         false},
    {ukIN_MIN_A,       ukINCH,    ukMinutes, 25.4,    false,         false},
    {ukIN_HR_A,        ukINCH,    ukHours,   25.4,    false,         false},
    {ukM3M_1_MIN_A,    ukM3M_1,   ukMinutes, 1000,    false,         true},
    {ukM3M_1_HR_A,     ukM3M_1,   ukHours,   1000,    false,         true},
    {ukFT3FT_1_MIN_A,  ukFT3FT_1, ukMinutes, 92.9368, false,         true},
    {ukFT3FT_1_HR_A,   ukFT3FT_1, ukHours,   92.9368, false,         true},
};

}  // namespace

const TKostiakovUnit *FindKostiakovUnit(TUnitKind kind)
{
    for (const TKostiakovUnit &row : kKostiakovUnits) {
        if (row.Kind == kind)
            return &row;
    }
    return nullptr;
}

const TKostiakovUnit *FindKostiakovUnit(TUnitKind depth, TUnitKind time)
{
    for (const TKostiakovUnit &row : kKostiakovUnits) {
        if (row.Depth == depth && row.Time == time)
            return &row;
    }
    return nullptr;
}

TUnitKind KostiakovKind(TUnitKind depth, TUnitKind time)
{
    // Any time but hours is minutes.
    const TUnitKind perTime = time == ukHours ? ukHours : ukMinutes;
    const TKostiakovUnit *row = FindKostiakovUnit(depth, perTime);
    return row ? row->Kind : FindKostiakovUnit(ukMM, perTime)->Kind;
}

bool KostiakovFactor(TUnitKind kind, double A, double &factor)
{
    const TKostiakovUnit *row = FindKostiakovUnit(kind);
    if (!row)
        return false;
    factor = row->DepthFactor * (row->Time == ukHours ? std::pow(1.0 / 60.0, A) : 1.0);
    return true;
}

bool ReexpressKostiakovK(TKostiakovK &k, TUnitKind from, TUnitKind to, double A)
{
    double fromFactor = 0, toFactor = 0;
    if (!KostiakovFactor(from, A, fromFactor) || !KostiakovFactor(to, A, toFactor))
        return false;
    for (double *value : {&k.Value, &k.Lower, &k.Upper})
        *value = *value * fromFactor / toFactor;
    return true;
}
