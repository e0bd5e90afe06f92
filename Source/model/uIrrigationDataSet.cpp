#include "uIrrigationDataSet.h"

#include "ExecutableFolder.h"
#include "NumberText.h"
#include "TextCase.h"
#include "uConstants.h"
#include "uParameter.h"


namespace {

struct ModuleData {
    TIrrigationModule module;
    const char *folder;
    TFileKind fileKind;
};

constexpr ModuleData kModuleData[] = {
    {imBasin, uConstants::BasinDataFolder, fkBasinRunFile},
    {imBorder, uConstants::BorderDataFolder, fkBorderRunFile},
    {imFurrow, uConstants::FurrowDataFolder, fkFurrowRunFile},
};

}  // namespace

TIrrigationDataSet::TIrrigationDataSet(TIrrigationModule module) : TIrrigationDataSet(module, nullptr)
{
    FUnits = FIniFile->ReadUnits();
}

TIrrigationDataSet::TIrrigationDataSet(TIrrigationModule module, std::unique_ptr<TUnits> units)
    : FIniFile(std::make_unique<TIrrikaIniFile>(module)), FUnits(std::move(units))
{
    for (const ModuleData &data : kModuleData) {
        if (data.module == module) {
            FDataDir = ExecutableFolder() + data.folder;
            FFileKind = data.fileKind;
        }
    }
}

std::unique_ptr<TIrrigationDataSet> TIrrigationDataSet::CreateScratch() const
{
    std::unique_ptr<TUnits> units;
    if (FUnits) {
        units = std::make_unique<TUnits>();
        std::unique_ptr<TIterator> it(FUnits->CreateIterator());
        while (!it->IsDone()) {
            const auto *unit = static_cast<TUnit *>(it->Next());
            auto copy = std::make_unique<TUnit>();
            copy->SetName(unit->Name());
            copy->SetKind(unit->Kind());
            copy->SetFactor(unit->Factor());
            copy->SetInverseFactor(unit->InverseFactor());
            units->Add(std::move(copy));
        }
    }
    return std::unique_ptr<TIrrigationDataSet>(new TIrrigationDataSet(FIniFile->Module(), std::move(units)));
}

int TIrrigationDataSet::AddRun(std::unique_ptr<TIrrigationRun> run)
{
    if (!run)
        return -1;
    FRuns.Add(std::move(run));
    return 0;
}

int TIrrigationDataSet::NewRun()
{
    if (!FUnits)
        return 0;
    auto run = std::make_unique<TIrrigationRun>(GetRunCount() + 1, FUnits.get());
    auto parameters = std::make_unique<TParameters>();
    FIniFile->ReadParameters(FUnits.get(), *parameters);
    run->SetParameters(std::move(parameters));
    TIrrigationRun *added = run.get();
    AddRun(std::move(run));

    const int count = GetRunCount();
    TIrrigationRun *previous = count > 1 ? GetRunByNumber(count - 1) : nullptr;
    if (previous) {
        added->SetInfiltrationType(previous->InfiltrationType());
        // Through the display path, so each value passes the new unit's conversion: with
        // the factor 1 of the stored units a copy to 15 significant digits.
        std::unique_ptr<TIterator> from(previous->GetParameters()->CreateParameterIterator());
        std::unique_ptr<TIterator> to(added->GetParameters()->CreateParameterIterator());
        while (!from->IsDone() && !to->IsDone()) {
            auto *source = dynamic_cast<TParameter *>(from->Next());
            auto *target = dynamic_cast<TParameter *>(to->Next());
            // An unset value has no text, which stops the copy with the conversion error.
            if (source && target)
                target->SetDisplayValue(source->HasValue() ? FloatToStr(source->GetValue()) : std::string());
        }
    }
    return count;
}

TIrrigationRun *TIrrigationDataSet::GetRunByNumber(int number) const
{
    for (int i = FRuns.Lower(); i <= FRuns.Upper(); ++i) {
        auto *run = static_cast<TIrrigationRun *>(FRuns.GetItem(i));
        if (run && run->Number() == number)
            return run;
    }
    return nullptr;
}

TIrrigationRun *TIrrigationDataSet::GetFirstRun()
{
    if (GetRunCount() == 0)
        NewRun();
    return GetRunByNumber(1);
}

TIrrigationRun *TIrrigationDataSet::GetLastRun()
{
    if (GetRunCount() == 0)
        NewRun();
    return GetRunByNumber(GetRunCount());
}

std::unique_ptr<TIterator> TIrrigationDataSet::CreateRunIterator()
{
    return FRuns.CreateIterator();
}

int TIrrigationDataSet::DeleteRun(int position)
{
    if (position < 1 || position > GetRunCount())
        return -1;
    FRuns.Delete(position);
    return 0;
}

std::unique_ptr<TIrrigationRun> TIrrigationDataSet::ExtractRun(int position)
{
    if (position < 1 || position > GetRunCount())
        return nullptr;
    auto *run = static_cast<TIrrigationRun *>(FRuns.GetItem(position));
    FRuns.Remove(run);
    return std::unique_ptr<TIrrigationRun>(run);
}

void TIrrigationDataSet::RenumberRuns()
{
    for (int i = FRuns.Lower(); i <= FRuns.Upper(); ++i)
        static_cast<TIrrigationRun *>(FRuns.GetItem(i))->SetNumber(i);
}

int TIrrigationDataSet::ClearRuns()
{
    FRuns.DeleteRange(FRuns.Lower(), FRuns.Upper());
    return 0;
}

bool TIrrigationDataSet::CompareUnits(int number, std::string &text) const
{
    text.clear();
    const TIrrigationRun *first = GetRunByNumber(1);
    const TIrrigationRun *other = GetRunByNumber(number);
    if (!first || !other || !first->GetParameters() || !other->GetParameters())
        return false;
    bool result = false;
    std::unique_ptr<TIterator> a(first->GetParameters()->CreateParameterIterator());
    std::unique_ptr<TIterator> b(other->GetParameters()->CreateParameterIterator());
    while (!a->IsDone()) {
        auto *left = dynamic_cast<TParameter *>(a->Next());
        auto *right = b->IsDone() ? nullptr : dynamic_cast<TParameter *>(b->Next());
        if (!left || !right)
            continue;
        result = true;
        const std::string leftName = left->GetUnit() ? left->GetUnit()->Name() : std::string();
        const std::string rightName = right->GetUnit() ? right->GetUnit()->Name() : std::string();
        if (!SameText(leftName, rightName)) {
            text = leftName + " <> " + rightName;
            return false;
        }
    }
    return result;
}
