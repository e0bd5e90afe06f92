#ifndef IRRIKA_MODEL_UBOUNDARY_H
#define IRRIKA_MODEL_UBOUNDARY_H

#include "Collection.h"

// Lower and upper limit of a parameter in stored units, both inclusive. Owned by its parameter.
class TBoundary : public TRootObject {
public:
    TBoundary() = default;
    TBoundary(double lower, double upper) : FLower(lower), FUpper(upper) {}

    void SetLower(double lower) { FLower = lower; }
    void SetUpper(double upper) { FUpper = upper; }
    double Lower() const { return FLower; }
    double Upper() const { return FUpper; }

private:
    double FLower = 0.0;
    double FUpper = 0.0;
};

#endif
