#ifndef IRRIKA_MODEL_UIRRIGATIONRUN_H
#define IRRIKA_MODEL_UIRRIGATIONRUN_H

// One calculation of a design window: its parameter set, mode, calculated and saved flags,
// how its infiltration was given and its infiltration object.

#include "Collection.h"
#include "uInfiltration.h"
#include "uIrrigationTypes.h"
#include "uParameters.h"
#include "uUnits.h"

#include <memory>

class TIrrigationRun : public TRootObject {
public:
    // The unit table is the data set's; the run only refers to it.
    TIrrigationRun(int number, TUnits *units);

    // The run takes ownership. Result 0.
    int SetParameters(std::unique_ptr<TParameters> parameters);
    TParameters *GetParameters() const { return FParameters.get(); }
    TUnits *GetUnits() const { return FUnits; }
    TInfiltration *GetInfiltration() const { return FInfiltration.get(); }

    int Number() const { return FNumber; }
    bool Calculated() const { return FCalculated; }
    bool Saved() const { return FSaved; }
    TInfiltrationType InfiltrationType() const { return FInfiltrationType; }
    // The mode as SetMode last set it; GetMode reads the parameter "Mode" instead.
    TCalculationMode CalculationMode() const { return FMode; }

    void SetNumber(int number) { FNumber = number; }
    void SetCalculated(bool calculated) { FCalculated = calculated; }
    void SetSaved(bool saved) { FSaved = saved; }
    void SetInfiltrationType(TInfiltrationType type) { FInfiltrationType = type; }

    // The display value of the parameter "Mode" as an integer; 0 when the set lacks it.
    TCalculationMode GetMode() const;
    void SetMode(TCalculationMode mode);

    // Re-points every parameter and curve shown in the table's first unit of one kind to
    // its first unit of the other; stored values stay. 0 nothing changed, 1 parameters,
    // 2 a curve was re-pointed.
    int ChangeUnit(TUnitKind fromKind, TUnitKind toKind);

    // Copies the infiltration object's Kostiakov coefficients into the run's parameters,
    // k expressed per the given depth unit (mm, cm, inch) and time unit (min, hr).
    void SetKostiakovParameters(TUnitKind depthKind, TUnitKind timeKind);

private:
    std::unique_ptr<TParameters> FParameters;
    TUnits *FUnits;
    TCalculationMode FMode = cmNone;
    int FNumber;
    bool FCalculated = false;
    bool FSaved = false;
    TInfiltrationType FInfiltrationType = itIntakeFamily;
    std::unique_ptr<TInfiltration> FInfiltration;
};

#endif
