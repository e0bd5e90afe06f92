#ifndef IRRIKA_MODEL_UINFILTRATION_H
#define IRRIKA_MODEL_UINFILTRATION_H

// A run's infiltration: the built-in reference tables of flow resistances and intake
// families, the time-rated family, and the Kostiakov coefficients selected for the run
// (infiltrated depth Z in mm = k x t^A, t in minutes).

#include "ConcreteCollections.h"

#include <memory>
#include <optional>
#include <string>

struct TInfiltrationCoefficients {
    double A = 0.0;       // Kostiakov exponent
    double k = 0.0;       // Kostiakov coefficient, mm per min^A
    double kLower = 0.0;  // limits of k, mm per min^A
    double kUpper = 0.0;
    double Fo = 0.0;  // final intake rate
};

// A row of the flow-resistance table: Manning's n and the surface it fits.
class TFlowResistance : public TRootObject {
public:
    void SetValue(double value) { FValue = value; }
    void SetDescription(const std::string &description) { FDescription = description; }
    double Value() const { return FValue; }
    const std::string &Description() const { return FDescription; }

private:
    double FValue = 0.0;
    std::string FDescription;
};

// A row of the intake-family table: the family number, its coefficients and its soils.
class TSCSIntakeFamily : public TRootObject {
public:
    void SetNumber(double number) { FNumber = number; }
    void SetCoefficients(const TInfiltrationCoefficients &coefficients) { FCoefficients = coefficients; }
    void SetDescription(const std::string &description) { FDescription = description; }
    double Number() const { return FNumber; }
    const TInfiltrationCoefficients &Coefficients() const { return FCoefficients; }
    const std::string &Description() const { return FDescription; }

private:
    double FNumber = 0.0;
    TInfiltrationCoefficients FCoefficients;
    std::string FDescription;
};

// The family whose soil takes T100 to infiltrate 100 mm.
class TTimeRatedFamily : public TRootObject {
public:
    // T100 in minutes. From about 1501 hours on the family has A 0 and k 0. A T100 of 0 or
    // below, not finite, or so small that k overflows has no family at all: nothing is
    // handed out, and the family's own record is left at A 0, k 0.
    std::optional<TInfiltrationCoefficients> Compute(double t100);
    double T100() const { return FT100; }  // hours
    const TInfiltrationCoefficients &Coefficients() const { return FCoefficients; }

private:
    double FT100 = 0.0;
    TInfiltrationCoefficients FCoefficients;
};

class TInfiltration : public TRootObject {
public:
    TInfiltration();

    // Iterators over the two tables in table order; the caller frees them.
    std::unique_ptr<TIterator> CreateFlowResistanceIterator();
    std::unique_ptr<TIterator> CreateSCSFamilyIterator();

    // Selects n when a row has exactly this value; answers n in every case.
    double SelectFlowResistance(double n);
    // The first family whose number equals number exactly, now selected with its
    // coefficients; nullptr and no change otherwise.
    TSCSIntakeFamily *SelectSCSFamily(double number);
    void SetSCSNumber(double number) { SelectSCSFamily(number); }
    // One of the 17 numbers the windows accept; not every one has a table row.
    bool IsStandardSCSNumber(double number) const;

    // T100 in minutes: computes the time-rated family, applies its A, k and Fo and hands
    // them out. A T100 without a family applies nothing: the current coefficients stay.
    std::optional<TInfiltrationCoefficients> ApplyTimeRated(double t100);
    void SetTimeRatedT100(double t100) { ApplyTimeRated(t100); }

    // Takes A, k and Fo; the limits in the record are ignored.
    void SetCoefficients(const TInfiltrationCoefficients &coefficients);
    // The current record, with the limits first reset to 0.8 and 45.0.
    TInfiltrationCoefficients GetCoefficients();

    double FlowResistance() const { return FFlowResistance; }
    double SCSNumber() const { return FSCSNumber; }
    const TTimeRatedFamily &TimeRatedFamily() const { return FTimeRatedFamily; }

private:
    TAggregationList FFlowResistances;
    double FFlowResistance = 0.04;
    TAggregationList FSCSFamilies;
    double FSCSNumber = 1.0;
    TTimeRatedFamily FTimeRatedFamily;
    TInfiltrationCoefficients FCoefficients;
};

#endif
