#include "uUnits.h"

int TUnits::Add(std::unique_ptr<TUnit> unit)
{
    FUnits.Add(std::move(unit));
    return 0;
}

TUnit *TUnits::GetUnit(TUnitKind kind) const
{
    for (int i = FUnits.Lower(); i <= FUnits.Upper(); ++i) {
        auto *unit = static_cast<TUnit *>(FUnits.GetItem(i));
        if (unit->Kind() == kind)
            return unit;
    }
    return nullptr;
}

std::unique_ptr<TIterator> TUnits::CreateIterator()
{
    return FUnits.CreateIterator();
}
