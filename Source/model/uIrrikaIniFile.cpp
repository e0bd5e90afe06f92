#include "uIrrikaIniFile.h"

#include "Dialogs.h"
#include "Errors.h"
#include "ExecutableFolder.h"
#include "IniFile.h"
#include "NumberText.h"
#include "uConstants.h"
#include "uParameter.h"
#include "uParameters.h"
#include "uUnitKind.h"

#include <cmath>
#include <cstdint>

namespace {

struct ModuleFile {
    TIrrigationModule module;
    const char *fileName;
    const char *missingMessage;
};

constexpr ModuleFile kModuleFiles[] = {
    {imBasin, "Pondix.INI", uConstants::BasinSettingsMissing},
    {imBorder, "Striva.INI", uConstants::BorderSettingsMissing},
    {imFurrow, "Rillox.INI", uConstants::FurrowSettingsMissing},
};

const ModuleFile *FindModuleFile(TIrrigationModule module)
{
    for (const ModuleFile &file : kModuleFiles)
        if (file.module == module)
            return &file;
    return nullptr;
}

// Whether a parameter of the row can hold an initial value in unit: its stored value and
// its display stay within the double range, and an option (a code that the roles and the
// run files read as an integer) rounds to a 32-bit integer.
bool Holds(const TInputDefinition &row, const TUnit *unit, double value)
{
    const double whole = std::nearbyint(value);  // halves to even, as Round
    if (!row.Bounded && !(whole >= INT32_MIN && whole <= INT32_MAX))
        return false;
    if (!unit)
        return true;
    const double stored = value * unit->InverseFactor();
    return std::isfinite(stored) && std::isfinite(stored * unit->Factor());
}

constexpr int kCurveRows = 30;  // 31 points along the field
constexpr int kCurveCols = 1;

}  // namespace

TIrrikaIniFile::TIrrikaIniFile(TIrrigationModule module)
{
    if (const ModuleFile *file = FindModuleFile(module)) {
        SetModule(module);
        FFileName = file->fileName;
    }
}

std::string TIrrikaIniFile::LocateFile() const
{
    const ModuleFile *file = FindModuleFile(FModule);
    // A reader made for an unknown module has no file to look for.
    if (!file || FFileName.empty())
        return std::string();
    // The launcher and the reader spell the file name in different letter case.
    const std::string path = FindFileIgnoringCase(ExecutableFolder(), FFileName);
    if (path.empty())
        ShowErrorMessage(file->missingMessage);
    return path;
}

TUnitKind TIrrikaIniFile::GetUnitKind(const std::string &name) { return UnitKindOfName(name); }

std::unique_ptr<TUnits> TIrrikaIniFile::ReadUnits() const
{
    const std::string path = LocateFile();
    if (path.empty())
        return nullptr;
    const IniFile ini(path);
    const auto keys = ini.ReadSection("ConversionUnits");
    const auto values = ini.ReadSectionValues("ConversionUnits");
    auto units = std::make_unique<TUnits>();
    for (const std::string &key : keys) {
        auto unit = std::make_unique<TUnit>();
        unit->SetName(key);
        unit->SetKind(GetUnitKind(key));
        double factor = StrToFloat(IniFile::ValueOf(values, key));
        if (factor == 0.0)
            throw EZeroDivide();
        // A factor so small that its inverse leaves the double range would turn every value
        // entered in the unit into an infinity that no run file can hold.
        if (!std::isfinite(1.0 / factor))
            throw EOverflow();
        // The mode and the options are codes: a dimensionless unit, known or not, converts
        // nothing, or a mode of 1 would be shown and saved as 3 or as 0.
        if (unit->Kind() == ukEmpty)
            factor = 1.0;
        unit->SetFactor(factor);
        unit->SetInverseFactor(1.0 / factor);
        units->Add(std::move(unit));
    }
    return units;
}

void TIrrikaIniFile::ReadParameters(const TUnits *units, TParameters &parameters) const
{
    const std::string path = LocateFile();
    if (path.empty())
        return;
    const IniFile ini(path);
    auto unitOf = [units](TUnitKind kind) { return units ? units->GetUnit(kind) : nullptr; };
    for (const TInputDefinition &row : InputDefinitions(FModule)) {
        double value = ini.ReadFloat("InitialSettings", row.Key, row.Default);
        if (!Holds(row, unitOf(row.UnitKind), value))
            value = row.Default;
        std::unique_ptr<TParameter> parameter;
        if (row.Bounded) {
            const double lower = ini.ReadFloat("Boundaries", std::string(row.Key) + "_L", row.Lower);
            const double upper = ini.ReadFloat("Boundaries", std::string(row.Key) + "_U", row.Upper);
            parameter = TParameter::CreateBounded(value, unitOf(row.UnitKind), lower, upper);
        } else {
            parameter = std::make_unique<TParameter>(value, unitOf(row.UnitKind));
        }
        parameter->SetName(row.Name);
        if (row.Description)
            parameter->SetDescription(row.Description);
        parameter->SetCategory(row.Category);
        parameters.AddParameter(std::move(parameter));
    }
    for (const TResultDefinition *row : ResultDefinitions(FModule)) {
        auto parameter = std::make_unique<TParameter>(0.0, unitOf(row->UnitKind));
        parameter->SetName(row->Name);
        parameter->SetDescription(row->Description);
        parameter->SetCategory(pcResult);
        parameters.AddParameter(std::move(parameter));
    }
    for (const TCurveDefinition *row : CurveDefinitions(FModule)) {
        auto curve = std::make_unique<TParameterArray>(unitOf(row->UnitKind), kCurveRows, kCurveCols);
        curve->SetName(row->Name);
        curve->SetDescription(row->Description);
        curve->SetCategory(pcResult);
        curve->SetValueLabel(row->ValueLabel);
        curve->SetIndexLabel("Distance");
        parameters.AddArray(std::move(curve));
    }
}
