#include "BindingFixture.h"

#include "EngineLibraries.h"
#include "ExecutableFolder.h"
#include "uIrrigationDataSet.h"
#include "uIrrigationManager.h"
#include "uIrrigationRun.h"
#include "uParameter.h"
#include "uParameterArray.h"
#include "uParameters.h"
#include "uUnits.h"

#include <cmath>
#include <cstring>

void BindingFixture::Open(TIrrigationModule module, bool realEngine)
{
    if (realEngine) {
        std::string failure;
        ASSERT_TRUE(LoadEngineLibraries(ExecutableFolder(), failure)) << failure;
    }
    formatter = TIrrigationManager().CreateFormatter(module);
    ASSERT_NE(formatter, nullptr);
    dataSet = formatter->GetDataSet();
    ASSERT_EQ(dataSet->NewRun(), 1);
    run = dataSet->GetRunByNumber(1);
    parameters = run->GetParameters();
    if (!realEngine)
        engine = std::make_unique<FakeEngine>(module);
}

std::string BindingFixture::ShownTexts() const
{
    std::string texts;
    for (const RecordingErrorDisplay::Shown &shown : errors.Showings())
        texts += std::to_string(shown.code) + ": " + shown.text + "\n";
    for (const RecordingDialogs::Shown &shown : dialogs.Messages())
        texts += shown.text + "\n";
    return texts;
}

TParameter &BindingFixture::Parameter(const char *name)
{
    TParameter *parameter = parameters->FindParameter(name);
    if (!parameter)
        throw std::runtime_error(std::string("no parameter ") + name);
    return *parameter;
}

void BindingFixture::Set(const char *name, double stored) { Parameter(name).SetValue(stored); }

double BindingFixture::Get(const char *name) { return Parameter(name).GetValue(); }

void BindingFixture::SetUnitKind(const char *name, int kind)
{
    TUnit *unit = dataSet->Units()->GetUnit(static_cast<TUnitKind>(kind));
    ASSERT_NE(unit, nullptr) << "the settings file has no unit of kind " << kind;
    Parameter(name).SetUnit(unit);
}

std::vector<double> BindingFixture::Curve(const char *name)
{
    TParameterArray *curve = parameters->FindArray(name);
    std::vector<double> values;
    for (int row = 0; curve && row < kProfilePoints; ++row)
        values.push_back(curve->GetDisplayValue(row, 0));  // the shipped curve units have the factor 1
    return values;
}

std::map<std::string, double> BindingFixture::Values()
{
    std::map<std::string, double> values;
    std::unique_ptr<TIterator> it(parameters->CreateParameterIterator());
    while (!it->IsDone()) {
        auto *parameter = static_cast<TParameter *>(it->Next());
        values[parameter->Name()] = parameter->GetValue();
    }
    return values;
}

void BindingFixture::ExpectResults(const std::map<std::string, double> &before, const std::vector<ResultOf> &results,
                                   const std::vector<CurveOf> &curves)
{
    TIrrikaInfoRecord returned{};
    FillDistinct(returned);
    std::map<std::string, double> expected = before;
    for (const ResultOf &r : results)
        expected[r.parameter] = returned.*r.field * r.factor;
    const std::map<std::string, double> after = Values();
    ASSERT_EQ(after.size(), expected.size());
    for (const auto &entry : expected)
        EXPECT_NEAR(after.at(entry.first), entry.second, 1e-12 * std::fabs(entry.second)) << entry.first;
    for (const CurveOf &c : curves) {
        SCOPED_TRACE(c.curve);
        const std::vector<double> curve = Curve(c.curve);
        ASSERT_EQ(curve.size(), 31u);
        for (int i = 0; i < kProfilePoints; ++i)
            EXPECT_DOUBLE_EQ(curve[i], (returned.*c.field)[i] * c.factor);
    }
}

std::vector<ResultOf> BorderAndFurrowResults()
{
    using R = TIrrikaInfoRecord;
    return {
        {"KostiakovA", &R::KostiakovA, 1},
        {"KostiakovFo", &R::KostiakovFo, 1000},
        {"Kostiakovk", &R::KostiakovK, 1000},  // by its unit, mm per min^A
        {"FlowRate", &R::FlowRate, 1 / 0.06},
        {"CutBackFlow", &R::CutBackFlow, 1 / 0.06},
        {"CutoffTime", &R::CutoffTime, 1},
        {"CutbackTime", &R::AdvanceTime, 1},
        {"AdvanceRatio", &R::AdvanceRatio, 1},
        {"Applic. efficiency", &R::ApplicationEfficiency, 1},
        {"Storage efficiency", &R::StorageEfficiency, 1},
        {"Uniformity coeff.", &R::UniformityCoeff, 1},
        {"Distribution unif.", &R::DistributionUniformity, 1},
        {"Deep perc. ratio", &R::DeepPercRatio, 1},
        {"Runoff Ratio", &R::RunoffRatio, 1},
        {"Max. inf. depth", &R::MaxInfDepth, 1000},
        {"Min. inf. depth", &R::MinInfDepth, 1000},
        {"Average depth", &R::AverageDepth, 1000},
        {"Surface runoff", &R::SurfaceRunoff, 1000},
        {"Over-irr. depth", &R::OverIrrDepth, 1000},
        {"Under-irr. depth", &R::UnderIrrDepth, 1000},
        {"Over-irr. length", &R::OverIrrLength, 1},
        {"Under-irr. length", &R::UnderIrrLength, 1},
        {"Advancetime", &R::AdvanceTime, 1},
        {"Depletiontime", &R::DepletionTime, 1},
        {"Recessiontime", &R::RecessionTime, 1},
        {"Opportunitytime", &R::OpportunityTime, 1},
    };
}

std::vector<CurveOf> BorderAndFurrowCurves()
{
    using R = TIrrikaInfoRecord;
    return {{"AdvanceTime", &R::AdvanceCurve, 1},
            {"RecessionTime", &R::RecessionCurve, 1},
            {"InfiltrationDepth", &R::InfiltrationProfile, 1000}};
}

std::vector<FieldValue> PresetFields()
{
    using R = TIrrikaInfoRecord;
    return {
        {&R::MaxInfDepth, "MaxInfDepth", 106},
        {&R::MinInfDepth, "MinInfDepth", 80},
        {&R::AverageDepth, "AverageDepth", 96},
        {&R::ApplicationEfficiency, "ApplicationEfficiency", 83},
        {&R::StorageEfficiency, "StorageEfficiency", 100},
        {&R::AdvanceTime, "AdvanceTime", 43},
        {&R::RecessionTime, "RecessionTime", 130},
        {&R::OverIrrLength, "OverIrrLength", 50},
        {&R::OverIrrDepth, "OverIrrDepth", 16},
    };
}

void FillDistinct(TIrrikaInfoRecord &record)
{
    const std::size_t first = offsetof(TIrrikaInfoRecord, KostiakovA);
    const std::size_t count = (sizeof(TIrrikaInfoRecord) - first) / sizeof(double);
    for (std::size_t i = 0; i < count; ++i) {
        const double value = 1.5 + 0.5 * static_cast<double>(i);
        std::memcpy(reinterpret_cast<char *>(&record) + first + i * sizeof(double), &value, sizeof value);
    }
}

void ExpectRecord(const TIrrikaInfoRecord &record, const std::vector<FieldValue> &fields,
                  const std::vector<OptionValue> &options)
{
    TIrrikaInfoRecord rest = record;
    for (const FieldValue &f : fields) {
        EXPECT_DOUBLE_EQ(record.*f.field, f.value) << f.name;
        rest.*f.field = 0;
    }
    for (const OptionValue &o : options) {
        EXPECT_EQ(record.*o.field, o.value) << o.name;
        rest.*o.field = 0;
    }
    const TIrrikaInfoRecord zero{};
    EXPECT_EQ(std::memcmp(&rest, &zero, sizeof zero), 0) << "a field that no row names was filled";
}
