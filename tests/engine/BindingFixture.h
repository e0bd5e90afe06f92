#ifndef IRRIKA_TESTS_BINDINGFIXTURE_H
#define IRRIKA_TESTS_BINDINGFIXTURE_H

// A module's binding with one run read from the shipped settings file, a fake engine in
// place of the module's library, and recorders in place of the message boxes and the error
// dialog.

#include "FakeEngine.h"
#include "IrrikaInfoRecord.h"
#include "RecordingDialogs.h"
#include "RecordingErrorDisplay.h"
#include "uIrrigationFormatter.h"
#include "uIrrigationTypes.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

class TIrrigationDataSet;
class TIrrigationRun;
class TParameter;
class TParameters;

// Checks the named double fields and then that every other byte of the record is zero.
struct FieldValue {
    double TIrrikaInfoRecord::*field;
    const char *name;
    double value;
};
struct OptionValue {
    std::int32_t TIrrikaInfoRecord::*field;
    const char *name;
    std::int32_t value;
};
// What a calculation should have written: parameter name -> record field and factor.
struct ResultOf {
    const char *parameter;
    double TIrrikaInfoRecord::*field;
    double factor;
};
struct CurveOf {
    const char *curve;
    double (TIrrikaInfoRecord::*field)[kProfilePoints];
    double factor;
};

// The results that the border and the furrow write back alike, and their curves.
std::vector<ResultOf> BorderAndFurrowResults();
std::vector<CurveOf> BorderAndFurrowCurves();
// The preset results that the basin and border engines receive.
std::vector<FieldValue> PresetFields();

class BindingFixture : public ::testing::Test {
protected:
    // With a fake engine in place of the module's library, or with the real libraries.
    void Open(TIrrigationModule module, bool realEngine = false);

    TParameter &Parameter(const char *name);
    void Set(const char *name, double stored);
    double Get(const char *name);
    // Points the parameter to the data set's first unit of that kind.
    void SetUnitKind(const char *name, int kind);
    // Column 0 of a result curve, rows 0..30, in stored units.
    std::vector<double> Curve(const char *name);

    // Every stored value of the run, by name.
    std::map<std::string, double> Values();

    // After an engine that answered with FillDistinct: each named parameter holds its field
    // times the factor, every other parameter its value from before; the curves likewise.
    void ExpectResults(const std::map<std::string, double> &before, const std::vector<ResultOf> &results,
                       const std::vector<CurveOf> &curves);

    const TIrrikaInfoRecord &Received() const { return engine->Received(); }
    std::string ShownTexts() const;
    const std::vector<RecordingErrorDisplay::Shown> &Shown() const { return errors.Showings(); }

    RecordingDialogs dialogs;
    RecordingErrorDisplay errors;
    std::unique_ptr<TIrrigationFormatter> formatter;
    std::unique_ptr<FakeEngine> engine;
    TIrrigationDataSet *dataSet = nullptr;
    TIrrigationRun *run = nullptr;
    TParameters *parameters = nullptr;
};

// The record with every double a different, finite number (1.5, 2, 2.5 ...), so that a
// result read from the wrong field shows.
void FillDistinct(TIrrikaInfoRecord &record);

void ExpectRecord(const TIrrikaInfoRecord &record, const std::vector<FieldValue> &fields,
                  const std::vector<OptionValue> &options);

#endif
