#ifndef IRRIKA_MODEL_UPARAMETERARRAY_H
#define IRRIKA_MODEL_UPARAMETERARRAY_H

// A result curve: a zero-filled grid [0..RowCount, 0..ColCount] of doubles in stored units,
// with a unit (referred to, not owned) and the captions of its chart axes.

#include "Collection.h"
#include "uIrrigationTypes.h"
#include "uUnit.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class TParameterArray : public TRootObject {
public:
    // rows and cols are the highest indices; every curve of the system has 30 and 1.
    TParameterArray(TUnit *unit, std::int32_t rows, std::int32_t cols);

    // -1 outside the grid (negative indices included), else stores x and gives 0.
    std::int32_t SetValue(std::int32_t row, std::int32_t col, double x);
    // The element x the unit's factor; -1.0 outside the grid.
    double GetDisplayValue(std::int32_t row, std::int32_t col) const;
    // The element in stored units; nothing outside the grid.
    std::optional<double> GetValue(std::int32_t row, std::int32_t col) const;

    TUnit *GetUnit() const { return FUnit; }
    // Values unchanged; result 0.
    int SetUnit(TUnit *unit);

    void SetName(const std::string &name) { FName = name; }
    // The highest indices that SetValue and GetDisplayValue accept; the grid itself keeps
    // its size, so raising them never opens cells beyond it.
    void SetRowCount(std::int32_t rows) { FRowCount = rows; }
    void SetColCount(std::int32_t cols) { FColCount = cols; }
    void SetCategory(TParameterCategory category) { FCategory = category; }
    void SetDescription(const std::string &description) { FDescription = description; }
    void SetIndexLabel(const std::string &label) { FIndexLabel = label; }
    void SetValueLabel(const std::string &label) { FValueLabel = label; }

    const std::string &Name() const { return FName; }
    std::int32_t RowCount() const { return FRowCount; }
    std::int32_t ColCount() const { return FColCount; }
    TParameterCategory Category() const { return FCategory; }
    const std::string &Description() const { return FDescription; }
    const std::string &IndexLabel() const { return FIndexLabel; }
    const std::string &ValueLabel() const { return FValueLabel; }

private:
    bool Holds(std::int32_t row, std::int32_t col) const;

    TUnit *FUnit;  // not owned
    std::vector<std::vector<double>> FValues;
    std::int32_t FRowCount;
    std::int32_t FColCount;
    std::string FName;
    TParameterCategory FCategory = pcInput;
    std::string FIndexLabel;
    std::string FDescription;
    std::string FValueLabel;
};

#endif
