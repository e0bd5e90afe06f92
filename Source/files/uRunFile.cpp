#include "uRunFile.h"

#include "Dialogs.h"
#include "Errors.h"
#include "NumberText.h"
#include "uConstants.h"
#include "uIrrigationDataSet.h"
#include "uParameterRoles.h"
#include "uUnitKind.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <vector>

namespace {

constexpr int kCurvePoints = 31;

std::vector<TIrrigationRun *> RunsOf(TIrrigationDataSet *dataSet)
{
    std::vector<TIrrigationRun *> runs;
    auto iterator = dataSet->CreateRunIterator();
    while (!iterator->IsDone())
        runs.push_back(static_cast<TIrrigationRun *>(iterator->Next()));
    return runs;
}

std::vector<TParameterArray *> ArraysOf(TIrrigationRun *run)
{
    std::vector<TParameterArray *> arrays;
    if (!run || !run->GetParameters())
        return arrays;
    std::unique_ptr<TIterator> iterator(run->GetParameters()->CreateArrayIterator());
    while (!iterator->IsDone())
        arrays.push_back(static_cast<TParameterArray *>(iterator->Next()));
    return arrays;
}

TParameter *Find(TIrrigationRun *run, const char *name)
{
    return run && run->GetParameters() ? run->GetParameters()->FindParameter(name) : nullptr;
}

// The displayed value of the run's parameter of that name, formed as the files hold it; 0
// where the parameter shows 0 (missing, unset, or without a conversion).
void AddDisplayValue(TLineBuilder &line, TIrrigationRun *run, const char *name)
{
    const TParameter *p = Find(run, name);
    const double factor = p && p->HasValue() && p->GetUnit() ? p->GetUnit()->Factor() : 0.0;
    line.AddDisplayValue(factor != 0.0 ? p->GetValue() : 0.0, factor);
}

double StoredValue(TIrrigationRun *run, const char *name)
{
    const TParameter *p = Find(run, name);
    return p ? p->GetValue() : 0.0;
}

// A basin run's infiltration object follows its stored values, unconverted; the Kostiakov
// values go last, so they decide the run's current coefficients.
void FeedInfiltration(TIrrigationRun *run)
{
    TInfiltration *infiltration = run->GetInfiltration();
    if (!infiltration)
        return;
    infiltration->SetSCSNumber(StoredValue(run, "SCS #"));
    infiltration->ApplyTimeRated(StoredValue(run, "TimeRatedT100"));
    TInfiltrationCoefficients coefficients;
    coefficients.A = StoredValue(run, "KostiakovA");
    coefficients.k = StoredValue(run, "Kostiakovk");
    coefficients.Fo = 0.0;
    infiltration->SetCoefficients(coefficients);
}

// The first run in the data set's order, whatever its number: the units line must come
// from a run that exists. An empty data set makes a first run, as its GetFirstRun does.
TIrrigationRun *FirstRunOf(TIrrigationDataSet *dataSet)
{
    const std::vector<TIrrigationRun *> runs = RunsOf(dataSet);
    return runs.empty() ? dataSet->GetFirstRun() : runs.front();
}

// A value read from a file must stay a number once stored and once shown again, or the
// next save would write text that no reader takes.
void CheckHeld(double stored, double factor)
{
    if (!std::isfinite(stored) || !std::isfinite(stored * factor))
        throw EOverflow();
}

void CheckHeld(const TParameter *p)
{
    if (p->HasValue() && p->GetUnit())
        CheckHeld(p->GetValue(), p->GetUnit()->Factor());
}

// Gives the run the unit of the file's kind for a column whose parameter shows a unit of
// kind own.
void TakeColumnUnit(TIrrigationRun *run, TUnitKind own, TUnitKind file)
{
    const TUnitQuantity quantity = QuantityOf(own);
    // The code of no unit, which the program writes for a parameter whose unit it lacks,
    // names no quantity: the column keeps its unit.
    if (file == ukEmpty && quantity != TUnitQuantity::None)
        return;
    // A unit of another quantity would re-point every parameter sharing the column's unit,
    // the mode and the options among the dimensionless ones.
    if (QuantityOf(file) != quantity)
        throw ERangeError();
    // The column's unit becomes the unit of its kind for the whole run, curves included,
    // so that the value is taken as the file shows it.
    run->ChangeUnit(own, file);
}

// A column's quantity as a message names it: the caption of the run's parameter.
std::string CaptionOf(TIrrigationRun *run, const char *name)
{
    const TParameter *p = Find(run, name);
    return p ? p->GetDescription() : std::string(name);
}

std::string UnitName(TIrrigationRun *run, TUnitKind kind)
{
    const TUnit *unit = run && run->GetUnits() ? run->GetUnits()->GetUnit(kind) : nullptr;
    return unit ? unit->Name() : std::string();
}

// The name of the unit that a units-line code stands for; the code itself when it names none.
std::string UnitNameOfCode(const TRunFileLayout &layout, TIrrigationRun *run, const std::string &code)
{
    try {
        const std::string name = UnitName(run, FileCodeToUnitKind(layout, StrToInt(code)));
        return name.empty() ? code : name;
    } catch (const std::exception &) {
        return code;
    }
}

// A field read back says what the written one said: the same text, or the same number to
// the last of its 15 digits; near zero, where a double holds fewer digits than the file,
// any difference too small for a double's normal range.
bool SameField(const std::string &written, const std::string &read)
{
    double a = 0.0, b = 0.0;
    if (written == read)
        return true;
    if (!TryStrToFloat(written, a) || !TryStrToFloat(read, b))
        return false;
    const double difference = std::fabs(a - b);
    return difference <= 1e-14 * std::fmax(std::fabs(a), std::fabs(b)) ||
           difference < std::numeric_limits<double>::min();
}

// What a run-line field holds, as a message names it.
std::string FieldCaption(const TRunFileLayout &layout, TIrrigationRun *run, std::size_t field)
{
    const char *const heads[] = {"run number", "calculation mode", "infiltration"};
    const std::size_t first = layout.FirstColumnField();
    if (field < 3)
        return heads[field];
    if (field < first)
        return layout.Options[field - 3];
    return field - first < layout.Columns.size() ? CaptionOf(run, layout.Columns[field - first]) : "run line";
}

TUnitKind KindOf(const TParameterArray *curve) { return curve->GetUnit() ? curve->GetUnit()->Kind() : ukEmpty; }

// The index of the first field in which the two lines differ; none when they agree.
std::optional<std::size_t> FirstDifference(const std::string &written, const std::string &read)
{
    const TFieldList a = SplitFields(written);
    const TFieldList b = SplitFields(read);
    for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
        if (i >= a.size() || i >= b.size() || !SameField(a[i], b[i]))
            return i;
    }
    return std::nullopt;
}

// Reading back what was just written shows nothing: a failure is reported once, as the
// write's failure.
class TMutedDialogs : public Dialogs {
public:
    TMutedDialogs() : FPrevious(Dialogs::Install(this)) {}
    ~TMutedDialogs() override { Dialogs::Install(FPrevious); }
    TMutedDialogs(const TMutedDialogs &) = delete;
    TMutedDialogs &operator=(const TMutedDialogs &) = delete;

    DialogAnswer Message(const std::string &, DialogIcon, DialogButtons, const std::string &) override
    {
        return DialogAnswer::Cancel;
    }
    bool OpenFile(const FileDialogRequest &, FileDialogChoice &) override { return false; }
    bool SaveFile(const FileDialogRequest &, FileDialogChoice &) override { return false; }
    bool PrintSetup() override { return false; }

private:
    Dialogs *FPrevious;
};

bool PathExists(const std::string &path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

// What a failed load or append gives back: the data set's own runs, file name, file kind
// and current run. Taken when the reading starts; the runs it still holds die with it.
class TDataSetSnapshot {
public:
    explicit TDataSetSnapshot(TIrrigationDataSet *dataSet)
        : FDataSet(dataSet),
          FFileName(dataSet->FileName()),
          FFileKind(dataSet->FileKind()),
          FCurrentRun(dataSet->CurrentRun())
    {
        while (dataSet->GetRunCount() > 0)
            FRuns.push_back(dataSet->ExtractRun(1));
    }

    void Restore()
    {
        FDataSet->ClearRuns();
        for (auto &run : FRuns)
            FDataSet->AddRun(std::move(run));
        FRuns.clear();
        FDataSet->SetFileName(FFileName);
        FDataSet->SetFileKind(FFileKind);
        FDataSet->SetCurrentRun(FCurrentRun);
    }

private:
    TIrrigationDataSet *FDataSet;
    std::vector<std::unique_ptr<TIrrigationRun>> FRuns;
    std::string FFileName;
    TFileKind FFileKind;
    int FCurrentRun;
};

}  // namespace

bool TRunFile::OpenRead()
{
    if (!PathExists(FileName))
        return false;
    if (FFile.OpenRead(FileName))
        return true;
    ShowErrorMessage(std::string(uConstants::FileNotOpened) + uConstants::LineBreak + FileName);
    return false;
}

bool TRunFile::OpenWrite()
{
    if (FFile.OpenWrite(FileName))
        return true;
    ShowErrorMessage(std::string(uConstants::FileNotOpened) + uConstants::LineBreak + FileName);
    return false;
}

bool TRunFile::Close()
{
    if (FFile.Close())
        return true;
    ShowErrorMessage(uConstants::FileNotClosed);
    return false;
}

std::string TRunFile::BuildHeaderLine(TIrrigationDataSet *dataSet) const
{
    TLineBuilder line;
    line.Add(FLayout.Tag).Add(uConstants::RunFileVersion).Add(dataSet->FileName());
    return line.Text() + dataSet->FileNote();
}

std::string TRunFile::BuildUnitsLine(TIrrigationDataSet *dataSet) const
{
    return BuildUnitsLine(dataSet ? FirstRunOf(dataSet) : nullptr);
}

std::string TRunFile::BuildUnitsLine(TIrrigationRun *run) const
{
    TLineBuilder line;
    if (!run)
        return line.Text();
    for (const char *column : FLayout.Columns) {
        const TParameter *p = Find(run, column);
        const TUnitKind kind = p && p->GetUnit() ? p->GetUnit()->Kind() : ukEmpty;
        line.AddInteger(UnitKindToFileCode(FLayout, kind));
    }
    return line.Text();
}

std::string TRunFile::BuildRunLine(TIrrigationRun *run) const
{
    TLineBuilder line;
    if (!run)
        return line.Text();
    line.AddInteger(run->Number())
        .AddInteger(run->GetMode())
        .AddInteger(InfiltrationTypeToFileCode(FLayout, run->InfiltrationType()));
    for (const char *option : FLayout.Options)
        AddDisplayValue(line, run, option);
    for (const char *column : FLayout.Columns)
        AddDisplayValue(line, run, column);
    return line.Text();
}

std::string TRunFile::BuildArrayLine(TParameterArray *array) const
{
    TLineBuilder line;
    if (!array)
        return line.Text();
    const double factor = array->GetUnit() ? array->GetUnit()->Factor() : 0.0;
    for (int row = 0; row < kCurvePoints; ++row) {
        const std::optional<double> value = array->GetValue(row, 0);
        if (value)
            line.AddDisplayValue(*value, factor);
        else
            line.AddValue(array->GetDisplayValue(row, 0));  // what a point beyond the curve reads
    }
    return line.Text();
}

void TRunFile::ParseRunLine(const TFieldList *runFields, const TFieldList *unitFields, TIrrigationRun *run) const
{
    if (!run || !runFields || !unitFields)
        return;
    // A line that cannot be applied would leave the run in the settings file's units while
    // the file says others: its numbers would come back meaning something else.
    if (runFields->size() > FLayout.MostRunFields)
        throw EListError(static_cast<int>(FLayout.MostRunFields));
    if (unitFields->size() > FLayout.MostUnitFields)
        throw EListError(static_cast<int>(FLayout.MostUnitFields));
    const TFieldList &fields = *runFields;
    run->SetNumber(StrToInt(FieldAt(fields, 0)));
    run->SetMode(StrToInt(FieldAt(fields, 1)));
    run->SetInfiltrationType(FileCodeToInfiltrationType(FLayout, StrToInt(FieldAt(fields, 2))));
    for (std::size_t i = 0; i < FLayout.Options.size(); ++i) {
        const std::string &text = FieldAt(fields, 3 + i);
        if (TParameter *p = Find(run, FLayout.Options[i])) {
            p->SetDisplayValue(text);
            CheckHeld(p);
        }
    }
    for (std::size_t k = 0; k < FLayout.Columns.size(); ++k) {
        const TUnitKind kind = FileCodeToUnitKind(FLayout, StrToInt(FieldAt(*unitFields, k)));
        TParameter *p = Find(run, FLayout.Columns[k]);
        if (p && p->GetUnit())
            TakeColumnUnit(run, p->GetUnit()->Kind(), kind);
        const std::string &text = FieldAt(fields, FLayout.FirstColumnField() + k);
        if (p) {
            p->SetDisplayValue(text);
            CheckHeld(p);
        }
    }
    ApplyParameterRoles(*FLayout.Roles, run);
}

void TRunFile::ParseArrayLine(const std::string &line, TParameterArray *array) const
{
    if (line.empty() || !array)
        return;
    const TFieldList fields = SplitFields(line);
    const TUnit *unit = array->GetUnit();
    const double inverse = unit ? unit->InverseFactor() : 0.0;
    for (int row = 0; row < kCurvePoints; ++row) {
        const double value = StrToFloat(FieldAt(fields, static_cast<std::size_t>(row)));
        const double stored = inverse != 0.0 ? value * inverse : value;
        CheckHeld(stored, unit ? unit->Factor() : 1.0);
        array->SetValue(row, 0, stored);
    }
}

TRunFile::Outcome TRunFile::OpenAndCheckHeader(bool allowEmptyFileMessage)
{
    if (!OpenRead())
        return Outcome::Missing;
    const std::string header = FFile.ReadLine();
    if (allowEmptyFileMessage && FLayout.RefusesEmptyHeader && header.empty()) {
        ShowMessage(" Empty file...");
        Close();
        return Outcome::Refused;
    }
    // A header with fewer than two fields is as foreign as one with another version.
    const TFieldList fields = SplitFields(header);
    if (fields.size() < 2 || fields[1] != uConstants::RunFileVersion) {
        ShowErrorMessage(std::string(uConstants::WrongVersion) + uConstants::LineBreak + FileName);
        Close();
        return Outcome::Refused;
    }
    return Outcome::Loaded;
}

TRunFile::Outcome TRunFile::ReadRuns(TIrrigationDataSet *dataSet)
{
    TDataSetSnapshot snapshot(dataSet);
    try {
        const TFieldList unitFields = SplitFields(FFile.ReadLine());
        const int count = StrToInt(FFile.ReadLine());
        if (count < 0)
            throw ERangeError();
        for (int i = 1; i <= count; ++i) {
            // A run line missing at the end of the file is a reading error even where a
            // line would not be applied (a units line longer than the module accepts), so
            // a huge count cannot keep the load making empty runs.
            if (FFile.AtEnd())
                throw EListError(0);
            if (dataSet->NewRun() == 0) {
                // Without a unit table no run can be made; the settings reader has said so.
                snapshot.Restore();
                FFile.Close();
                return Outcome::Failed;
            }
            TIrrigationRun *run = RunsOf(dataSet).back();
            run->SetCalculated(true);
            run->SetSaved(true);
            const TFieldList runFields = SplitFields(FFile.ReadLine());
            ParseRunLine(&runFields, &unitFields, run);
            if (FLayout.FeedsInfiltration)
                FeedInfiltration(run);
            for (TParameterArray *array : ArraysOf(run))
                ParseArrayLine(FFile.ReadLine(), array);
        }
        dataSet->SetFileName(FileName);
        dataSet->SetFileKind(FLayout.FileKind);
        dataSet->SetCurrentRun(count);
    } catch (const std::exception &) {
        snapshot.Restore();
        FFile.Close();
        if (FLayout.PassesReadErrors)
            throw;
        return Outcome::Failed;
    }
    Close();
    return Outcome::Loaded;
}

TRunFile::Outcome TRunFile::Load(TIrrigationDataSet *dataSet)
{
    const Outcome header = OpenAndCheckHeader(true);
    return header == Outcome::Loaded ? ReadRuns(dataSet) : header;
}

int TRunFile::LoadFromFile(TIrrigationDataSet *dataSet)
{
    if (!dataSet)
        return 0;
    return Load(dataSet) == Outcome::Failed ? -1 : 0;
}

int TRunFile::Write(TIrrigationDataSet *dataSet, const std::string &unitsLine,
                    const std::vector<TIrrigationRun *> &extraRuns)
{
    std::vector<TIrrigationRun *> runs = RunsOf(dataSet);
    runs.insert(runs.end(), extraRuns.begin(), extraRuns.end());
    for (TIrrigationRun *run : runs) {
        if (run && !HasFileUnits(run, unitsLine))
            return -1;
    }
    if (!OpenWrite())
        return -1;
    try {
        FFile.WriteLine(BuildHeaderLine(dataSet));
        FFile.WriteLine(unitsLine);
        FFile.WriteLine(std::to_string(runs.size()));
        for (TIrrigationRun *run : runs) {
            FFile.WriteLine(BuildRunLine(run));
            for (TParameterArray *array : ArraysOf(run))
                FFile.WriteLine(BuildArrayLine(array));
        }
    } catch (...) {
        FFile.Discard();
        throw;
    }
    // The new content replaces the file only once the program's own reader took it back
    // into the runs that were written, so that no fault of the writer can leave a file that
    // the program cannot open or that says something else than the runs on screen.
    if (FFile.Flush()) {
        const std::string fault = ReadBackFault(*dataSet, runs);
        if (!fault.empty()) {
            FFile.Discard();
            ShowErrorMessage(fault);
            return -1;
        }
    }
    return Close() ? 0 : -1;
}

bool TRunFile::HasFileUnits(TIrrigationRun *run, const std::string &unitsLine) const
{
    const TFieldList fileCodes = SplitFields(unitsLine);
    const TFieldList runCodes = SplitFields(BuildUnitsLine(run));
    for (std::size_t k = 0; k < FLayout.Columns.size(); ++k) {
        const std::string fileCode = k < fileCodes.size() ? fileCodes[k] : std::string();
        if (k < runCodes.size() && runCodes[k] == fileCode)
            continue;
        const char *column = FLayout.Columns[k];
        const TParameter *p = Find(run, column);
        const std::string fileUnit = UnitNameOfCode(FLayout, run, fileCode);
        const std::string runUnit = p && p->GetUnit() ? p->GetUnit()->Name() : std::string();
        ShowErrorMessage("Cannot save run, units of run " + std::to_string(run->Number()) +
                         " differ from the units in the file" + uConstants::LineBreak + uConstants::LineBreak + "\t" +
                         CaptionOf(run, column) + ": " + fileUnit + " <> " + runUnit);
        return false;
    }
    return true;
}

std::string TRunFile::ReadBackFault(const TIrrigationDataSet &dataSet,
                                    const std::vector<TIrrigationRun *> &written) const
{
    const std::unique_ptr<TIrrigationDataSet> scratch = dataSet.CreateScratch();
    TRunFile reader(FLayout);
    reader.FileName = FFile.WrittenPath();
    TMutedDialogs muted;
    try {
        if (reader.Load(scratch.get()) != Outcome::Loaded)
            return uConstants::FileNotClosed;
    } catch (const std::exception &) {
        return uConstants::FileNotClosed;
    }
    const std::vector<TIrrigationRun *> read = RunsOf(scratch.get());
    if (read.size() != written.size())
        return uConstants::FileNotClosed;
    for (std::size_t i = 0; i < written.size(); ++i) {
        const std::string what = Difference(written[i], read[i]);
        if (!what.empty())
            return "Cannot save run, run " + std::to_string(written[i] ? written[i]->Number() : 0) +
                   " does not read back from the file as it is" + uConstants::LineBreak + uConstants::LineBreak +
                   "\t" + what;
    }
    return std::string();
}

std::string TRunFile::Difference(TIrrigationRun *written, TIrrigationRun *read) const
{
    if (!written || !read)
        return "run";
    if (const auto column = FirstDifference(BuildUnitsLine(written), BuildUnitsLine(read)))
        return FieldCaption(FLayout, written, FLayout.FirstColumnField() + *column);
    if (const auto field = FirstDifference(BuildRunLine(written), BuildRunLine(read)))
        return FieldCaption(FLayout, written, *field);
    const std::vector<TParameterArray *> writtenCurves = ArraysOf(written);
    const std::vector<TParameterArray *> readCurves = ArraysOf(read);
    if (writtenCurves.size() != readCurves.size())
        return "curves";
    for (std::size_t c = 0; c < writtenCurves.size(); ++c) {
        TParameterArray *curve = writtenCurves[c];
        // Curves carry no unit code: the same numbers mean the same only in the same unit.
        if (KindOf(curve) != KindOf(readCurves[c]) ||
            FirstDifference(BuildArrayLine(curve), BuildArrayLine(readCurves[c])))
            return curve->Description().empty() ? curve->Name() : curve->Description();
    }
    return std::string();
}

int TRunFile::SaveToFile(TIrrigationDataSet *dataSet)
{
    if (!dataSet)
        return 0;
    // Built before the count: an empty data set makes its first run here.
    const std::string unitsLine = BuildUnitsLine(dataSet);
    return Write(dataSet, unitsLine, {});
}

bool TRunFile::UnitsMatchFile(TIrrigationRun *run)
{
    const TFieldList fileUnits = SplitFields(FFile.ReadLine());
    const TFieldList runUnits = SplitFields(BuildUnitsLine(run));
    for (std::size_t i = 0; i < fileUnits.size(); ++i) {
        if (i >= runUnits.size() || runUnits[i] != fileUnits[i])
            return false;
    }
    return true;
}

int TRunFile::AppendRun(TIrrigationDataSet *dataSet)
{
    if (!dataSet || OpenAndCheckHeader(false) != Outcome::Loaded)
        return -1;
    TIrrigationRun *last = dataSet->GetLastRun();
    if (!UnitsMatchFile(last)) {
        ShowErrorMessage(uConstants::UnitsDifferFromFile);
        Close();
        return -1;
    }
    Close();

    const std::string keptUnits = BuildUnitsLine(last);

    // From here on the data set holds the file's runs; any failure gives it its own back,
    // so the run that was to be appended is not lost. Until then the snapshot keeps that
    // run alive, and it is written from there.
    TDataSetSnapshot own(dataSet);
    try {
        if (Load(dataSet) != Outcome::Loaded) {
            own.Restore();
            return -1;
        }
        // A file without runs takes the appended run's units, and no first run is made up.
        const std::string unitsLine = dataSet->GetRunCount() > 0 ? BuildUnitsLine(dataSet) : keptUnits;
        if (Write(dataSet, unitsLine, {last}) != 0 || Load(dataSet) != Outcome::Loaded) {
            own.Restore();
            return -1;
        }
    } catch (...) {
        own.Restore();
        throw;
    }
    dataSet->RenumberRuns();
    return SaveToFile(dataSet);
}
