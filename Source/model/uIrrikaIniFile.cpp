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
        const double factor = StrToFloat(IniFile::ValueOf(values, key));
        unit->SetFactor(factor);
        if (factor == 0.0)
            throw EZeroDivide();
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
        const double value = ini.ReadFloat("InitialSettings", row.Key, row.Default);
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
