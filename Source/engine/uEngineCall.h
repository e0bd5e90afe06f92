#ifndef IRRIKA_ENGINE_UENGINECALL_H
#define IRRIKA_ENGINE_UENGINECALL_H

// The calculation frame that the three bindings share: find the run, fill a zero-filled
// exchange record from its parameters, call the module's engine once under guard, then
// report the engine's codes or write the results back. What differs between the modules is
// a column of the record tables or a hook of TEngineCall.

#include "IrrikaInfoRecord.h"
#include "uIrrigationTypes.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

class TIrrigationDataSet;
class TIrrigationRun;
class TParameter;
class TParameterArray;
class TParameters;

// Results collected first and written only when every one is a finite number, so that an
// engine's NaN never reaches a run or a run file.
class TWriteBack {
public:
    explicit TWriteBack(TParameters &parameters) : parameters_(parameters) {}
    // The parameter's stored value (TParameter::SetValue).
    void Value(const char *name, double value);
    // A displayed value, through the parameter's unit (TParameter::SetDisplayValue).
    void DisplayValue(const char *name, double value);
    // Column 0, rows 0..30, of the curve, each value times factor.
    void Curve(const char *name, const double (&values)[kProfilePoints], double factor);

    bool AllFinite() const;
    void Apply() const;

private:
    struct Entry {
        TParameter *parameter;
        double value;
        bool display;
    };
    struct CurveEntry {
        TParameterArray *curve;
        std::array<double, kProfilePoints> values;
    };
    TParameters &parameters_;
    std::vector<Entry> entries_;
    std::vector<CurveEntry> curves_;
};

// What one module adds to the shared frame.
struct TEngineCall {
    TIrrigationModule Module;
    bool Presets;  // the basin and border engines get the preset results
    // Fields beyond the shared tables (the basin coefficients, sigma and tau).
    std::function<void(TIrrigationRun &, TParameters &, TIrrikaInfoRecord &)> Fill;
    // Border: refuses before the call; true when it did (ErrorCode set, the user told).
    std::function<bool(TIrrikaInfoRecord &)> Refuse;
    // The error dialog's message code for a non-zero ErrorCode.
    std::function<int(const TIrrikaInfoRecord &)> ErrorMessage;
    // Message code = WarningBase + WarningCode; 0 when the module reads no warning.
    int WarningBase;
    // Results beyond the shared tables.
    std::function<void(const TIrrikaInfoRecord &, TParameters &, TWriteBack &)> WriteBack;
};

// The whole calculation of run number runNumber; see TIrrigationFormatter::Calculate.
int CalculateRun(TIrrigationDataSet &dataSet, int runNumber, const TEngineCall &call);

// The parameter's stored value, 0 when the set lacks it (the lookup has said so).
double StoredValue(TParameters &parameters, const char *name);
// The unit kind of the parameter's unit; -1 when the parameter or its unit is missing.
int UnitKindOf(TParameters &parameters, const char *name);
// x rounded to n decimals, halves to the even neighbour.
double RoundTo(double x, int decimals);

// Kostiakov k by the unit kind of "Kostiakovk", for the border and furrow engines, which
// take it in metres per minute^A. A is the exponent that goes with k. False for a kind
// without conversion: the engine then gets 0 and the parameter keeps its value.
bool KostiakovKToEngine(TIrrigationModule module, int unitKind, double k, double A, double &field);
bool KostiakovKFromEngine(TIrrigationModule module, int unitKind, double field, double A, double &k);

// The engine's result fields before the call, for the basin and border engines.
void WritePresets(TIrrikaInfoRecord &record);

#endif
