#include "uParameter.h"

#include "Dialogs.h"
#include "Errors.h"
#include "NumberText.h"
#include "uConstants.h"
#include "uDisplayFormats.h"

#include <cmath>

namespace {

// A defined range error for everything that has no 32-bit integer, NaN included: the
// callers of the integer conversions expect one error for "does not fit".
std::int32_t ToInt32(double value)
{
    if (!std::isfinite(value))
        throw ERangeError();
    return RoundToInt32(value);
}

void ShowUnknownUnit()
{
    ShowErrorMessage(uConstants::UnknownUnit);
}

}  // namespace

TParameter::TParameter(double value, TUnit *unit)
{
    if (unit == nullptr) {
        ShowUnknownUnit();
        return;
    }
    FUnit = unit;
    StoreDisplayed(value);
}

std::unique_ptr<TParameter> TParameter::CreateBounded(double value, TUnit *unit, double lower, double upper)
{
    auto parameter = std::make_unique<TParameter>(value, unit);
    parameter->SetBoundary(std::make_unique<TBoundary>(lower, upper));
    return parameter;
}

int TParameter::SetUnit(TUnit *unit)
{
    FUnit = unit;
    return 0;
}

double TParameter::GetValue() const
{
    return FValue.value_or(0.0);
}

std::int32_t TParameter::GetValueAsInteger() const
{
    return FValue ? ToInt32(*FValue) : 0;
}

double TParameter::GetDisplayValue() const
{
    if (!FValue || Factor() == 0.0)
        return 0.0;
    return *FValue * Factor();
}

std::int32_t TParameter::GetDisplayValueAsInteger() const
{
    if (!FValue || Factor() == 0.0)
        return 0;
    return ToInt32(ToInt32(*FValue) * Factor());
}

void TParameter::StoreDisplayed(double value)
{
    const double inverse = FUnit->InverseFactor();
    FValue = inverse != 0.0 ? value * inverse : value;
}

void TParameter::SetDisplayValue(const std::string &text)
{
    // Only the first comma: a user typing a decimal comma gets it read, while a thousands
    // separator still fails the conversion instead of being misread.
    std::string number = text;
    const std::string::size_type comma = number.find(',');
    if (comma != std::string::npos)
        number[comma] = '.';
    const double value = StrToFloat(number);  // raises before anything changes
    if (FUnit == nullptr) {
        ShowUnknownUnit();
        return;
    }
    StoreDisplayed(value);
}

void TParameter::SetDisplayValue(double value)
{
    SetDisplayValue(FloatToStr(value));
}

void TParameter::SetDisplayValueAndUnit(double value, TUnit *unit)
{
    if (unit == nullptr) {
        ShowUnknownUnit();
        return;
    }
    FUnit = unit;
    StoreDisplayed(value);
}

bool TParameter::IsInRange() const
{
    if (!FBoundary)
        return true;
    const double value = GetValue();
    return FBoundary->Lower() <= value && value <= FBoundary->Upper();
}

double TParameter::GetDisplayLower() const
{
    return FBoundary ? FBoundary->Lower() * Factor() : -1.0;
}

double TParameter::GetDisplayUpper() const
{
    return FBoundary ? FBoundary->Upper() * Factor() : -1.0;
}

std::string TParameter::GetDescription() const
{
    return FDescription.empty() ? FName : FDescription;
}

std::string TParameter::GetDisplayText() const
{
    if (FUnit == nullptr)
        return "0";
    return FormatFloat(InputPattern(FName, FUnit->Kind(), CurrentModule()), GetDisplayValue());
}

std::string TParameter::GetResultText() const
{
    if (FUnit == nullptr)
        return "0";
    return FormatFloat(ResultPattern(FName, FUnit->Kind(), CurrentModule()), GetDisplayValue());
}

std::string TParameter::GetUnitText() const
{
    return FUnit ? UnitSuffix(FUnit->Name()) : " -";
}
