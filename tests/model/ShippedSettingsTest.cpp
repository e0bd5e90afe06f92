// The settings files shipped next to the executable: every conversion factor is checked
// against a conversion worked out here from the definitions of the units.

#include "ExecutableFolder.h"
#include "IniFile.h"
#include "NumberText.h"
#include "RecordingDialogs.h"
#include "uDisplayFormats.h"
#include "uIrrigationDataSet.h"
#include "uParameter.h"
#include "uParameterDefinitions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <string>

namespace {

constexpr double kMetresPerFoot = 0.3048;
constexpr double kMillimetresPerInch = 25.4;
constexpr double kMinutesPerHour = 60.0;
// A US gallon is 231 cubic inches.
constexpr double kLitresPerGallon = 231.0 * 2.54 * 2.54 * 2.54 / 1000.0;
constexpr double kLitresPerCubicFoot = 0.3048 * 0.3048 * 0.3048 * 1000.0;
// A depth over a furrow spacing of 1 m is a volume per unit length: 1 mm gives 0.001 m^3/m.
constexpr double kCubicMetresPerMetrePerMillimetre = 0.001 * 1.0;
constexpr double kSquareFeetPerSquareMetre = 1.0 / (kMetresPerFoot * kMetresPerFoot);

// How many of the named unit make one stored unit (l/s, m, mm, min, m/min, mm/min).
const std::map<std::string, double> &ExpectedFactors()
{
    static const std::map<std::string, double> factors = {
        {"LS_1", 1.0},
        {"GalMin_1", kMinutesPerHour / kLitresPerGallon},  // 60 s in a minute
        {"M3Min_1", 60.0 / 1000.0},
        {"FT3S_1", 1.0 / kLitresPerCubicFoot},
        {"Meters", 1.0},
        {"Feet", 1.0 / kMetresPerFoot},
        {"MM", 1.0},
        {"CM", 0.1},
        {"Inch", 1.0 / kMillimetresPerInch},
        {"M3M_1", kCubicMetresPerMetrePerMillimetre},
        {"FT3FT_1", kCubicMetresPerMetrePerMillimetre * kSquareFeetPerSquareMetre},
        {"Minutes", 1.0},
        {"Hours", 1.0 / kMinutesPerHour},
        {"Empty", 1.0},
        {"Perc", 1.0},
        // The k and shape-coefficient units are converted by the program, not by a factor.
        {"MM_MIN_A", 1.0},
        {"MM_HR_A", 1.0},
        {"CM_MIN_A", 1.0},
        {"CM_HR_A", 1.0},
        {"IN_MIN_A", 1.0},
        {"IN_HR_A", 1.0},
        {"M3M_1_MIN_A", 1.0},
        {"M3M_1_HR_A", 1.0},
        {"FT3FT_1_MIN_A", 1.0},
        {"FT3FT_1_HR_A", 1.0},
        {"M_2_Sig2", 1.0},
        {"M_1_Tau2", 1.0},
        {"FT_2_Sig2", 1.0},
        {"FT_1_Tau2", 1.0},
        {"MM_MIN", 1.0},
        {"MM_HR", kMinutesPerHour},
        {"CM_MIN", 0.1},
        {"CM_HR", 0.1 * kMinutesPerHour},
        {"IN_MIN", 1.0 / kMillimetresPerInch},
        {"IN_HR", kMinutesPerHour / kMillimetresPerInch},
        {"M3M_1_MIN", kCubicMetresPerMetrePerMillimetre},
        {"M3M_1_HR", kCubicMetresPerMetrePerMillimetre * kMinutesPerHour},
        {"FT3FT_1_MIN", kCubicMetresPerMetrePerMillimetre * kSquareFeetPerSquareMetre},
        {"FT3FT_1_HR", kCubicMetresPerMetrePerMillimetre * kSquareFeetPerSquareMetre * kMinutesPerHour},
        {"MM_1", 1.0},
        {"FTFT_1", 1.0},  // a slope has no dimension
        {"M_MIN", 1.0},
        {"FT_MIN", 1.0 / kMetresPerFoot},
        {"M_HR", kMinutesPerHour},
        {"FT_HR", kMinutesPerHour / kMetresPerFoot},
    };
    return factors;
}

const std::set<std::string> kEveryModule = {
    "LS_1", "GalMin_1", "M3Min_1", "FT3S_1", "Meters", "Feet", "MM", "CM", "Inch", "Minutes", "Hours",
    "Empty", "Perc", "MM_MIN_A", "MM_HR_A", "CM_MIN_A", "CM_HR_A", "IN_MIN_A", "IN_HR_A", "MM_MIN",
    "MM_HR", "CM_MIN", "CM_HR", "IN_MIN", "IN_HR"};
const std::set<std::string> kSlopes = {"MM_1", "FTFT_1"};
const std::set<std::string> kFurrowOnly = {
    "M3M_1", "FT3FT_1", "M3M_1_MIN_A", "M3M_1_HR_A", "FT3FT_1_MIN_A", "FT3FT_1_HR_A", "M3M_1_MIN", "M3M_1_HR",
    "FT3FT_1_MIN", "FT3FT_1_HR", "M_MIN", "FT_MIN", "M_HR", "FT_HR", "M_2_Sig2", "M_1_Tau2", "FT_2_Sig2",
    "FT_1_Tau2"};

std::set<std::string> Union(std::initializer_list<const std::set<std::string> *> sets)
{
    std::set<std::string> all;
    for (const auto *s : sets)
        all.insert(s->begin(), s->end());
    return all;
}

struct ShippedFile {
    const char *name;
    TIrrigationModule module;
    std::set<std::string> units;  // exactly these unit names, in this letter case
    std::map<std::string, double> initialValues;  // where the file departs from the built-in value
};

const ShippedFile kShippedFiles[] = {
    {"Pondix.INI", imBasin, kEveryModule, {}},
    {"Striva.INI", imBorder, Union({&kEveryModule, &kSlopes}), {}},
    // The built-in MaxWidth of 2 m lies above its own upper limit of 1 m; the built-in 0.5 l/s
    // cannot outrun the final intake of the default furrow, and n 0.15 is a border's.
    {"Rillox.INI", imFurrow, Union({&kEveryModule, &kSlopes, &kFurrowOnly}),
     {{"MaxWidth", 1.0}, {"FlowRate", 1.0}, {"Flowresistance", 0.04}}},
};

TEST(ShippedSettings, EveryFactorIsTheTrueConversionFromTheStoredUnit)
{
    for (const ShippedFile &file : kShippedFiles) {
        SCOPED_TRACE(file.name);
        const std::string path = ExecutableFolder() + file.name;
        ASSERT_TRUE(FileExists(path));
        const IniFile ini(path);
        const auto keys = ini.ReadSection("ConversionUnits");
        const auto values = ini.ReadSectionValues("ConversionUnits");
        // Unit names are compared exactly: the display suffixes depend on their letter case.
        EXPECT_EQ(std::set<std::string>(keys.begin(), keys.end()), file.units);
        EXPECT_EQ(keys.size(), file.units.size()) << "a unit listed twice";
        for (const std::string &key : keys) {
            SCOPED_TRACE(key);
            const auto expected = ExpectedFactors().find(key);
            ASSERT_NE(expected, ExpectedFactors().end());
            const double factor = StrToFloat(IniFile::ValueOf(values, key));
            EXPECT_NEAR(factor, expected->second, 1e-13 * expected->second);
            // Only "Empty" shows no unit after the number.
            EXPECT_EQ(std::string(UnitSuffix(key)) == " -", key == "Empty");
        }
    }
}

// The files spell out every initial value and limit so that users see what they can set; a
// misspelt key would silently fall back to the built-in value, a mistyped number would not.
TEST(ShippedSettings, InitialValuesAndLimitsAreTheBuiltInOnes)
{
    for (const ShippedFile &file : kShippedFiles) {
        SCOPED_TRACE(file.name);
        const IniFile ini(ExecutableFolder() + file.name);
        std::set<std::string> initialKeys, boundaryKeys;
        for (const TInputDefinition &row : InputDefinitions(file.module)) {
            SCOPED_TRACE(row.Key);
            const auto departure = file.initialValues.find(row.Key);
            const double expected = departure == file.initialValues.end() ? row.Default : departure->second;
            EXPECT_EQ(ini.ReadFloat("InitialSettings", row.Key, NAN), expected);
            initialKeys.insert(row.Key);
            if (!row.Bounded)
                continue;
            EXPECT_EQ(ini.ReadFloat("Boundaries", row.Key + std::string("_L"), NAN), row.Lower);
            EXPECT_EQ(ini.ReadFloat("Boundaries", row.Key + std::string("_U"), NAN), row.Upper);
            boundaryKeys.insert(row.Key + std::string("_L"));
            boundaryKeys.insert(row.Key + std::string("_U"));
        }
        const auto initial = ini.ReadSection("InitialSettings");
        const auto boundaries = ini.ReadSection("Boundaries");
        EXPECT_EQ(std::set<std::string>(initial.begin(), initial.end()), initialKeys);
        EXPECT_EQ(std::set<std::string>(boundaries.begin(), boundaries.end()), boundaryKeys);
    }
}

TEST(ShippedSettings, EveryModuleLoadsWithoutAMessageAndEveryQuantityHasAUnit)
{
    for (const ShippedFile &file : kShippedFiles) {
        SCOPED_TRACE(file.name);
        RecordingDialogs dialogs;
        TIrrigationDataSet set(file.module);
        ASSERT_EQ(set.NewRun(), 1);
        ASSERT_EQ(set.NewRun(), 2);  // the copy between runs passes every value too
        TParameters *parameters = set.GetLastRun()->GetParameters();
        int count = 0;
        std::unique_ptr<TIterator> it(parameters->CreateParameterIterator());
        while (!it->IsDone()) {
            auto *parameter = static_cast<TParameter *>(it->Next());
            SCOPED_TRACE(parameter->Name());
            EXPECT_NE(parameter->GetUnit(), nullptr);
            // The initial values lie inside their limits.
            EXPECT_TRUE(parameter->IsInRange());
            ++count;
        }
        EXPECT_EQ(static_cast<std::size_t>(count),
                  InputDefinitions(file.module).size() + ResultDefinitions(file.module).size());
        std::unique_ptr<TIterator> curves(parameters->CreateArrayIterator());
        while (!curves->IsDone())
            EXPECT_NE(static_cast<TParameterArray *>(curves->Next())->GetUnit(), nullptr);
        EXPECT_TRUE(dialogs.Messages().empty());
    }
}

}  // namespace
