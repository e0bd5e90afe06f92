#include "uKostiakovUnits.h"

#include <cmath>

namespace {

const TKostiakovUnit kKostiakovUnits[] = {
    // kind            factor   per hour  multiply back  furrow only
    {ukMM_MIN_A,       1,       false,    false,         false},
    {ukMM_HR_A,        1,       true,     false,         false},
    {ukCM_MIN_A,       10,      false,    true,          false},
    {ukCM_HR_A,        10,      true,     false,         false},
    {ukIN_MIN_A,       25.4,    false,    false,         false},
    {ukIN_HR_A,        25.4,    true,     false,         false},
    {ukM3M_1_MIN_A,    1000,    false,    false,         true},
    {ukM3M_1_HR_A,     1000,    true,     false,         true},
    {ukFT3FT_1_MIN_A,  92.9368, false,    false,         true},
    {ukFT3FT_1_HR_A,   92.9368, true,     false,         true},
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

bool KostiakovFactor(TUnitKind kind, double A, double &factor)
{
    const TKostiakovUnit *row = FindKostiakovUnit(kind);
    if (!row)
        return false;
    factor = row->DepthFactor * (row->PerHour ? std::pow(1.0 / 60.0, A) : 1.0);
    return true;
}
