#include "uParameterArray.h"

#include <algorithm>

TParameterArray::TParameterArray(TUnit *unit, std::int32_t rows, std::int32_t cols)
    : FUnit(unit),
      FValues(static_cast<std::size_t>(std::max(rows + 1, 0)),
              std::vector<double>(static_cast<std::size_t>(std::max(cols + 1, 0)), 0.0)),
      FRowCount(rows),
      FColCount(cols)
{
}

bool TParameterArray::Holds(std::int32_t row, std::int32_t col) const
{
    if (row < 0 || col < 0 || row > FRowCount || col > FColCount)
        return false;
    const auto r = static_cast<std::size_t>(row);
    return r < FValues.size() && static_cast<std::size_t>(col) < FValues[r].size();
}

std::int32_t TParameterArray::SetValue(std::int32_t row, std::int32_t col, double x)
{
    if (!Holds(row, col))
        return -1;
    FValues[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] = x;
    return 0;
}

double TParameterArray::GetDisplayValue(std::int32_t row, std::int32_t col) const
{
    if (!Holds(row, col))
        return -1.0;
    const double factor = FUnit ? FUnit->Factor() : 0.0;
    return FValues[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] * factor;
}

std::optional<double> TParameterArray::GetValue(std::int32_t row, std::int32_t col) const
{
    if (!Holds(row, col))
        return std::nullopt;
    return FValues[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
}

int TParameterArray::SetUnit(TUnit *unit)
{
    FUnit = unit;
    return 0;
}
