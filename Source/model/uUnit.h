#ifndef IRRIKA_MODEL_UUNIT_H
#define IRRIKA_MODEL_UUNIT_H

// A unit of measure: displayed value = stored value x Factor, stored value = entered value
// x InverseFactor. A factor of 0 means no conversion is known.

#include "Collection.h"
#include "uUnitKind.h"

#include <string>

class TUnit : public TRootObject {
public:
    TUnit() = default;

    void SetName(const std::string &name) { FName = name; }
    void SetKind(TUnitKind kind) { FKind = kind; }
    void SetFactor(double factor) { FFactor = factor; }
    void SetInverseFactor(double inverseFactor) { FInverseFactor = inverseFactor; }

    // The name exactly as the settings file writes it.
    const std::string &Name() const { return FName; }
    TUnitKind Kind() const { return FKind; }
    double Factor() const { return FFactor; }
    double InverseFactor() const { return FInverseFactor; }

private:
    std::string FName;
    TUnitKind FKind = 0;
    double FFactor = 0.0;
    double FInverseFactor = 0.0;
};

#endif
