#include "uEngineCall.h"

#include "Dialogs.h"
#include "EngineLibraries.h"
#include "Errors.h"
#include "NumberText.h"
#include "uConstants.h"
#include "uError.h"
#include "uIrrigationDataSet.h"
#include "uIrrigationRun.h"
#include "uKostiakovUnits.h"
#include "uParameter.h"
#include "uParameterArray.h"
#include "uParameters.h"
#include "uUnits.h"

#include <cmath>
#include <cstdint>

namespace {

using R = TIrrikaInfoRecord;

// Modules as columns of the record tables.
enum : unsigned { P = 1u << imBasin, S = 1u << imBorder, F = 1u << imFurrow };

bool In(unsigned modules, TIrrigationModule module) { return (modules & (1u << module)) != 0; }

// Stored flows are l/s and stored depths mm; the border and furrow engines work in m3/min
// and m. The basin engine takes stored values.
enum class Conversion {
    None,
    Flow,    // x 0.06 to the engine, / 0.06 back
    Depth,   // / 1000 to the engine, x 1000 back
    Round2,  // to two decimals on the way to the engine
};

double ToEngine(Conversion conversion, double value)
{
    switch (conversion) {
    case Conversion::Flow: return value * 0.06;
    case Conversion::Depth: return value / 1000;
    case Conversion::Round2: return RoundTo(value, 2);
    case Conversion::None: break;
    }
    return value;
}

double FromEngine(Conversion conversion, double value)
{
    switch (conversion) {
    case Conversion::Flow: return value / 0.06;
    case Conversion::Depth: return value * 1000;
    case Conversion::Round2:
    case Conversion::None: break;
    }
    return value;
}

struct OptionRow {
    std::int32_t R::*field;
    const char *name;
    unsigned modules;
};

const OptionRow kOptionRows[] = {
    {&R::Mode, "Mode", P | S | F},
    {&R::Operation, "Operation", S | F},
    {&R::InfiltrationOption, "Infiltration", S | F},
    {&R::Geometry, "Geometry", F},
    {&R::CrossSection, "CrossSection", F},
};

struct InputRow {
    double R::*field;
    const char *name;
    Conversion conversion;
    unsigned modules;
};

// The inputs that every module fills in the same way; the hooks add the rest.
const InputRow kInputRows[] = {
    {&R::FlowResistance, "Flowresistance", Conversion::None, P | S | F},
    {&R::RequiredDepth, "RequiredDepth", Conversion::None, P},
    {&R::RequiredDepth, "RequiredDepth", Conversion::Depth, S | F},
    {&R::FlowRate, "FlowRate", Conversion::None, P},
    {&R::FlowRate, "FlowRate", Conversion::Flow, S | F},
    {&R::Length, "BasinLength", Conversion::None, P | S},
    {&R::Length, "Length", Conversion::Round2, F},
    {&R::Width, "BasinWidth", Conversion::None, P | S},
    {&R::LengthWidthRatio, "LengthWidthRatio", Conversion::None, S},
    {&R::CutoffTime, "CutoffTime", Conversion::None, P | S | F},
    {&R::Slope, "Slope", Conversion::None, S | F},
    {&R::AdvanceRatio, "AdvanceRatio", Conversion::None, S | F},
    {&R::CutBackRatio, "CutBackRatio", Conversion::None, S | F},
    {&R::TailwaterRecoveryRatio, "TailwaterRecoveryRatio", Conversion::None, S | F},
    {&R::KostiakovA, "KostiakovA", Conversion::None, S | F},
    {&R::KostiakovFo, "KostiakovFo", Conversion::Depth, S | F},
    {&R::Spacing, "Spacing", Conversion::Round2, F},
    {&R::MaxVelocity, "MaxVelocity", Conversion::Round2, F},
    {&R::VCalc, "VCalc", Conversion::None, F},
    {&R::SideSlope, "SideSlope", Conversion::None, F},
    {&R::BedWidth, "BedWidth", Conversion::None, F},
    {&R::MaxDepth, "MaxDepth", Conversion::None, F},
    {&R::MaxWidth, "MaxWidth", Conversion::None, F},
    {&R::TrialFlowRate, "TrialFlowRate", Conversion::Flow, F},
    {&R::StableRunoffRate, "StableRunoffRate", Conversion::Flow, F},
    {&R::AdvTimeL, "AdvTimeL", Conversion::None, F},
    {&R::AdvTimeHalfL, "AdvTimeHalfL", Conversion::None, F},
    {&R::TrialLength, "TrialLength", Conversion::None, F},
    {&R::TrialSlope, "TrialSlope", Conversion::None, F},
    {&R::Sigma2, "Sigma2", Conversion::None, F},
    {&R::Tau2, "Tau2", Conversion::None, F},
};

struct ResultRow {
    const char *name;
    double R::*field;
    Conversion conversion;
    unsigned modules;
};

// The results that every module writes back in the same way, "both" fields included.
const ResultRow kResultRows[] = {
    {"KostiakovA", &R::KostiakovA, Conversion::None, S | F},
    {"KostiakovFo", &R::KostiakovFo, Conversion::Depth, S | F},
    {"FlowRate", &R::FlowRate, Conversion::None, P},
    {"FlowRate", &R::FlowRate, Conversion::Flow, S | F},
    {"CutBackFlow", &R::CutBackFlow, Conversion::Flow, S | F},
    {"BasinLength", &R::Length, Conversion::None, P | S},
    {"Length", &R::Length, Conversion::None, F},
    {"BasinWidth", &R::Width, Conversion::None, P | S},
    {"LengthWidthRatio", &R::LengthWidthRatio, Conversion::None, S},
    {"CutoffTime", &R::CutoffTime, Conversion::None, P | S | F},
    {"CutbackTime", &R::AdvanceTime, Conversion::None, S | F},
    {"AdvanceRatio", &R::AdvanceRatio, Conversion::None, F},
    {"Applic. efficiency", &R::ApplicationEfficiency, Conversion::None, P | F},
    {"Storage efficiency", &R::StorageEfficiency, Conversion::None, P | S | F},
    {"Uniformity coeff.", &R::UniformityCoeff, Conversion::None, S | F},
    {"Distribution unif.", &R::DistributionUniformity, Conversion::None, P | S | F},
    {"Deep perc. ratio", &R::DeepPercRatio, Conversion::None, S | F},
    {"Runoff Ratio", &R::RunoffRatio, Conversion::None, S | F},
    {"Max. inf. depth", &R::MaxInfDepth, Conversion::None, P},
    {"Min. inf. depth", &R::MinInfDepth, Conversion::None, P},
    {"Average depth", &R::AverageDepth, Conversion::None, P},
    {"Over-irr. depth", &R::OverIrrDepth, Conversion::None, P},
    {"Under-irr. depth", &R::UnderIrrDepth, Conversion::None, P},
    {"Max. inf. depth", &R::MaxInfDepth, Conversion::Depth, S | F},
    {"Min. inf. depth", &R::MinInfDepth, Conversion::Depth, S | F},
    {"Average depth", &R::AverageDepth, Conversion::Depth, S | F},
    {"Surface runoff", &R::SurfaceRunoff, Conversion::Depth, S | F},
    {"Over-irr. depth", &R::OverIrrDepth, Conversion::Depth, S | F},
    {"Under-irr. depth", &R::UnderIrrDepth, Conversion::Depth, S | F},
    {"Over-irr. length", &R::OverIrrLength, Conversion::None, P | S | F},
    {"Under-irr. length", &R::UnderIrrLength, Conversion::None, P | S | F},
    {"Advancetime", &R::AdvanceTime, Conversion::None, P | S | F},
    {"Depletiontime", &R::DepletionTime, Conversion::None, S | F},
    {"Recessiontime", &R::RecessionTime, Conversion::None, P | S | F},
    {"Opportunitytime", &R::OpportunityTime, Conversion::None, S | F},
    {"Sigma2", &R::Sigma2, Conversion::None, F},
    {"Tau2", &R::Tau2, Conversion::None, F},
};

struct CurveRow {
    const char *name;
    double (R::*field)[kProfilePoints];
    Conversion conversion;
    unsigned modules;
};

const CurveRow kCurveRows[] = {
    {"AdvanceTime", &R::AdvanceCurve, Conversion::None, P | S | F},
    {"RecessionTime", &R::RecessionCurve, Conversion::None, S | F},
    {"InfiltrationDepth", &R::InfiltrationProfile, Conversion::None, P},
    {"InfiltrationDepth", &R::InfiltrationProfile, Conversion::Depth, S | F},
};

// The results the basin and border bindings write before the call: what a run keeps of an
// engine that reports success and writes no result. The distribution uniformity has none.
struct PresetRow {
    double R::*field;
    double value;
};
const PresetRow kResultPresets[] = {
    {&R::MaxInfDepth, 106},
    {&R::MinInfDepth, 80},
    {&R::AverageDepth, 96},
    {&R::ApplicationEfficiency, 83},
    {&R::StorageEfficiency, 100},
    {&R::AdvanceTime, 43},
    {&R::RecessionTime, 130},
    {&R::OverIrrLength, 50},
    {&R::OverIrrDepth, 16},
    {&R::UnderIrrLength, 0},
    {&R::UnderIrrDepth, 0},
};

// Kostiakov k by its unit kind (the model's table of k units). F = (1/60)^A turns a
// coefficient per hr^A into one per min^A; the factor turns the depth (or the volume per
// unit length) into millimetres. The volume-per-length units are the furrow's alone.
const TKostiakovUnit *FindKostiakovRow(TIrrigationModule module, int unitKind)
{
    if (!IsUnitKind(unitKind))
        return nullptr;
    const TKostiakovUnit *row = FindKostiakovUnit(static_cast<TUnitKind>(unitKind));
    return row && (!row->FurrowOnly || module == imFurrow) ? row : nullptr;
}

// The border and furrow engines take the infiltration from the run's parameters: the
// intake family only when the run gives its infiltration by family, and k by its unit.
void FillInfiltration(TIrrigationModule module, TParameters &parameters, TIrrikaInfoRecord &record)
{
    record.SCSNumber = StoredValue(parameters, "Infiltration") == 1.0 ? StoredValue(parameters, "SCS #") : 0.0;
    double field = 0;
    if (KostiakovKToEngine(module, UnitKindOf(parameters, "Kostiakovk"), StoredValue(parameters, "Kostiakovk"),
                           StoredValue(parameters, "KostiakovA"), field))
        record.KostiakovK = field;
}

void FillFromTables(TIrrigationModule module, TParameters &parameters, TIrrikaInfoRecord &record)
{
    for (const OptionRow &row : kOptionRows)
        if (In(row.modules, module))
            if (TParameter *parameter = parameters.FindParameter(row.name))
                record.*row.field = parameter->GetValueAsInteger();
    for (const InputRow &row : kInputRows)
        if (In(row.modules, module))
            record.*row.field = ToEngine(row.conversion, StoredValue(parameters, row.name));
    if (In(S | F, module))
        FillInfiltration(module, parameters, record);
}

void StageFromTables(TIrrigationModule module, const TIrrikaInfoRecord &record, TParameters &parameters,
                     TWriteBack &writeBack)
{
    for (const ResultRow &row : kResultRows)
        if (In(row.modules, module))
            writeBack.Value(row.name, FromEngine(row.conversion, record.*row.field));
    // k after the returned A, which its conversion uses.
    double k = 0;
    if (In(S | F, module) &&
        KostiakovKFromEngine(module, UnitKindOf(parameters, "Kostiakovk"), record.KostiakovK, record.KostiakovA, k))
        writeBack.Value("Kostiakovk", k);
    for (const CurveRow &row : kCurveRows)
        if (In(row.modules, module))
            writeBack.Curve(row.name, record.*row.field, FromEngine(row.conversion, 1.0));
}

// An exception inside the engine must not end the program: the user sees its text and
// the binding carries on as after an engine error.
void CallGuarded(TIrrigationModule module, TIrrikaInfoRecord &record)
{
    try {
        const TIrrikaInfoProc entry = EngineEntryPoint(module);
        if (!entry)
            throw Exception(std::string("The engine library ") + EngineLibraryName(module) + " is not loaded");
        entry(&record);
    } catch (const std::exception &error) {
        ShowErrorMessage(std::string(error.what()) + uConstants::LineBreak, "Error");
        record.ErrorCode = -1;
    } catch (...) {
        ShowErrorMessage(std::string("External exception in the engine") + uConstants::LineBreak, "Error");
        record.ErrorCode = -1;
    }
}

void ShowCode(int messageCode, TErrorKind kind)
{
    if (frmError)
        frmError->ShowError(messageCode, kind);
}

}  // namespace

void TWriteBack::Value(const char *name, double value)
{
    if (TParameter *parameter = parameters_.FindParameter(name))
        entries_.push_back({parameter, value, false});
}

void TWriteBack::DisplayValue(const char *name, double value)
{
    if (TParameter *parameter = parameters_.FindParameter(name))
        entries_.push_back({parameter, value, true});
}

void TWriteBack::Curve(const char *name, const double (&values)[kProfilePoints], double factor)
{
    TParameterArray *curve = parameters_.FindArray(name);
    if (!curve)
        return;
    CurveEntry entry{curve, {}};
    for (int i = 0; i < kProfilePoints; ++i)
        entry.values[i] = values[i] * factor;
    curves_.push_back(entry);
}

bool TWriteBack::AllFinite() const
{
    for (const Entry &entry : entries_)
        if (!std::isfinite(entry.value))
            return false;
    for (const CurveEntry &entry : curves_)
        for (double value : entry.values)
            if (!std::isfinite(value))
                return false;
    return true;
}

void TWriteBack::Apply() const
{
    for (const Entry &entry : entries_) {
        if (entry.display)
            entry.parameter->SetDisplayValue(entry.value);
        else
            entry.parameter->SetValue(entry.value);
    }
    for (const CurveEntry &entry : curves_)
        for (int row = 0; row < kProfilePoints; ++row)
            entry.curve->SetValue(row, 0, entry.values[row]);
}

double StoredValue(TParameters &parameters, const char *name)
{
    TParameter *parameter = parameters.FindParameter(name);
    return parameter ? parameter->GetValue() : 0.0;
}

int UnitKindOf(TParameters &parameters, const char *name)
{
    TParameter *parameter = parameters.FindParameter(name);
    if (!parameter || !parameter->GetUnit())
        return -1;
    return parameter->GetUnit()->Kind();
}

double RoundTo(double x, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return static_cast<double>(Round(x * scale)) / scale;
}

bool KostiakovKToEngine(TIrrigationModule module, int unitKind, double k, double A, double &field)
{
    const TKostiakovUnit *row = FindKostiakovRow(module, unitKind);
    if (!row)
        return false;
    double value = k * row->DepthFactor;
    if (row->Time == ukHours)
        value *= std::pow(1.0 / 60, A);
    field = value / 1000;
    return true;
}

bool KostiakovKFromEngine(TIrrigationModule module, int unitKind, double field, double A, double &k)
{
    const TKostiakovUnit *row = FindKostiakovRow(module, unitKind);
    if (!row)
        return false;
    if (row->MultiplyBack) {
        k = field * 1000 / row->DepthFactor;
        return true;
    }
    double value = field / row->DepthFactor;
    if (row->Time == ukHours)
        value /= std::pow(1.0 / 60, A);
    k = value * 1000;
    return true;
}

void WritePresets(TIrrikaInfoRecord &record)
{
    for (const PresetRow &row : kResultPresets)
        record.*row.field = row.value;
}

int CalculateRun(TIrrigationDataSet &dataSet, int runNumber, const TEngineCall &call)
{
    if (dataSet.GetRunCount() < runNumber)
        return 0;
    TIrrigationRun *run = dataSet.GetRunByNumber(runNumber);
    if (!run || !run->GetParameters())
        return 0;
    TParameters &parameters = *run->GetParameters();

    TIrrikaInfoRecord record{};
    FillFromTables(call.Module, parameters, record);
    if (call.Fill)
        call.Fill(*run, parameters, record);
    record.ErrorCode = 0;
    record.WarningCode = 0;
    if (call.Presets)
        WritePresets(record);
    if (call.Refuse && call.Refuse(record))
        return record.ErrorCode;

    CallGuarded(call.Module, record);

    TWriteBack writeBack(parameters);
    if (record.ErrorCode == 0) {
        StageFromTables(call.Module, record, parameters, writeBack);
        if (call.WriteBack)
            call.WriteBack(record, parameters, writeBack);
        // A result that is no number is an engine failure, not a result.
        if (!writeBack.AllFinite())
            record.ErrorCode = -1;
    }
    if (record.ErrorCode != 0) {
        ShowCode(call.ErrorMessage(record), ekError);
        return record.ErrorCode;
    }
    if (call.WarningBase != 0 && record.WarningCode != 0)
        ShowCode(call.WarningBase + record.WarningCode, ekWarning);
    writeBack.Apply();
    return 0;
}
