#ifndef IRRIKA_MODEL_UPARAMETER_H
#define IRRIKA_MODEL_UPARAMETER_H

// One named quantity of a run. The value is kept in stored units; the unit (owned by the data
// set's unit table, only referred to here) says how it is shown: displayed = stored x factor.
// Limits are in stored units and owned by the parameter.

#include "Collection.h"
#include "uBoundary.h"
#include "uIrrigationTypes.h"
#include "uUnit.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

class TParameter : public TRootObject {
public:
    // value is a displayed value in unit; without a unit "Unknown Unit" is shown and the
    // value stays unset.
    TParameter(double value, TUnit *unit);
    // As above, then limits taken unchanged (stored units, not compared with anything).
    static std::unique_ptr<TParameter> CreateBounded(double value, TUnit *unit, double lower, double upper);

    void SetName(const std::string &name) { FName = name; }
    void SetDescription(const std::string &description) { FDescription = description; }
    void SetCategory(TParameterCategory category) { FCategory = category; }
    void SetActive(bool active) { FActive = active; }
    // The parameter takes ownership; nullptr drops the limits.
    void SetBoundary(std::unique_ptr<TBoundary> boundary) { FBoundary = std::move(boundary); }

    const std::string &Name() const { return FName; }
    TParameterCategory Category() const { return FCategory; }
    bool Active() const { return FActive; }
    TBoundary *Boundary() const { return FBoundary.get(); }
    bool HasValue() const { return FValue.has_value(); }

    TUnit *GetUnit() const { return FUnit; }
    // Re-points to another unit; the stored value is unchanged. Result 0.
    int SetUnit(TUnit *unit);

    // Stored value; 0 when unset.
    double GetValue() const;
    // Stored value to the nearest integer, halves to even; 0 when unset. NaN or a value
    // outside the signed 32-bit range raises ERangeError.
    std::int32_t GetValueAsInteger() const;
    // Stored units, no conversion.
    void SetValue(double value) { FValue = value; }

    // Stored x factor; 0 when unset, without unit or with factor 0.
    double GetDisplayValue() const;
    // Round(Round(stored) x factor); 0 when unset, without unit or with factor 0. ERangeError
    // when either step leaves the signed 32-bit range or meets NaN.
    std::int32_t GetDisplayValueAsInteger() const;
    // The one way typed text, run-file fields and copied values enter: the first comma
    // becomes a point, text that is no number raises EConvertError and keeps the value,
    // the number is stored x the inverse factor (unchanged when that is 0).
    void SetDisplayValue(const std::string &text);
    void SetDisplayValue(double value);
    // Re-points to unit and stores value x its inverse factor; without a unit shows
    // "Unknown Unit" and changes nothing.
    void SetDisplayValueAndUnit(double value, TUnit *unit);

    // True without limits, else lower <= stored <= upper.
    bool IsInRange() const;
    // A limit x the factor; -1.0 without limits.
    double GetDisplayLower() const;
    double GetDisplayUpper() const;

    // The caption: the description, or the name when that is empty.
    std::string GetDescription() const override;

    // The display value formatted by the input or the result rules of the current module,
    // and the unit suffix. A parameter without unit shows "0" and " -".
    std::string GetDisplayText() const;
    std::string GetResultText() const;
    std::string GetUnitText() const;

private:
    double Factor() const { return FUnit ? FUnit->Factor() : 0.0; }
    // Stores a displayed value through the unit's inverse factor.
    void StoreDisplayed(double value);

    TUnit *FUnit = nullptr;  // not owned
    std::string FName;
    std::optional<double> FValue;
    std::unique_ptr<TBoundary> FBoundary;
    TParameterCategory FCategory = pcInput;
    std::string FDescription;
    bool FActive = false;
};

#endif
