#include "SettingsFolder.h"

#include "Errors.h"
#include "RecordingDialogs.h"
#include "uIrrikaIniFile.h"
#include "uParameter.h"
#include "uParameterDefinitions.h"
#include "uParameters.h"
#include "uUnits.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

struct ModuleCase {
    TIrrigationModule module;
    const char *fileName;
    const char *missingMessage;
    int parameterCount;
    int curveCount;
};

const ModuleCase kModules[] = {
    {imBasin, "Pondix.INI", "Unable to find Pondix.Ini", 25, 2},
    {imBorder, "Striva.INI", "Unable to find Striva.Ini", 39, 3},
    {imFurrow, "Rillox.INI", "Unable to find Rillox.Ini", 56, 3},
};

std::vector<TParameter *> ParametersOf(TParameters &set)
{
    std::vector<TParameter *> list;
    std::unique_ptr<TIterator> it(set.CreateParameterIterator());
    while (!it->IsDone())
        list.push_back(static_cast<TParameter *>(it->Next()));
    return list;
}

std::vector<TParameterArray *> CurvesOf(TParameters &set)
{
    std::vector<TParameterArray *> list;
    std::unique_ptr<TIterator> it(set.CreateArrayIterator());
    while (!it->IsDone())
        list.push_back(static_cast<TParameterArray *>(it->Next()));
    return list;
}

TEST(IrrikaIniFile, UnitKindOfANameIgnoresLetterCase)
{
    const struct {
        const char *name;
        TUnitKind kind;
    } cases[] = {{"Feet", 0}, {"FEET", 0}, {"feet", 0}, {"fEEt", 0}, {"Inch", 3}, {"GalMin_1", 7},
                 {"empty", 12}, {"Perc", 13}, {"MM_1", 23}, {"M_MIN", 25}, {"M_2_Sig2", 32},
                 {"FT_HR", 38}, {"M3M_1_MIN_A", 39}, {"FT3FT_1_HR", 46}};
    RecordingDialogs dialogs;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(TIrrikaIniFile::GetUnitKind(c.name), c.kind);
    }
    EXPECT_TRUE(dialogs.Messages().empty());

    EXPECT_EQ(TIrrikaIniFile::GetUnitKind("Meter"), 12);
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_EQ(dialogs.Messages()[0].text, "Cannot find correct Unit Meter");
    EXPECT_EQ(dialogs.Messages()[0].icon, DialogIcon::None);
}

TEST(IrrikaIniFile, MissingFileShowsTheModulesMessageAndReadsNothing)
{
    SettingsFolder folder;
    for (const ModuleCase &c : kModules) {
        SCOPED_TRACE(c.fileName);
        RecordingDialogs dialogs;
        TIrrikaIniFile reader(c.module);
        EXPECT_EQ(reader.FileName(), c.fileName);
        EXPECT_EQ(reader.ReadUnits(), nullptr);
        TUnits units;
        TParameters set;
        reader.ReadParameters(&units, set);
        EXPECT_TRUE(ParametersOf(set).empty());
        ASSERT_EQ(dialogs.Messages().size(), 2u);
        for (const auto &shown : dialogs.Messages()) {
            EXPECT_EQ(shown.text, c.missingMessage);
            EXPECT_EQ(shown.icon, DialogIcon::Error);
            EXPECT_EQ(shown.buttons, DialogButtons::Ok);
        }
    }
    // A module the system never passes has no file and reads nothing, silently.
    RecordingDialogs dialogs;
    TIrrikaIniFile other(3);
    EXPECT_EQ(other.FileName(), "");
    EXPECT_EQ(other.ReadUnits(), nullptr);
    EXPECT_TRUE(dialogs.Messages().empty());
}

TEST(IrrikaIniFile, FindsTheFileInAnyLetterCase)
{
    SettingsFolder folder;
    folder.Write("rillox.ini", kStoredUnits);
    RecordingDialogs dialogs;
    EXPECT_NE(TIrrikaIniFile(imFurrow).ReadUnits(), nullptr);
    EXPECT_TRUE(dialogs.Messages().empty());
}

TEST(IrrikaIniFile, UnitTableKeepsFileOrderNamesAsWrittenAndInverseFactors)
{
    SettingsFolder folder;
    folder.Write("Pondix.INI", "[conversionunits]\nFeet=3.28\nMM=1\nGallons=1\nEmpty=4\nHours=0.0166666666666667\nmeters=2\n");
    RecordingDialogs dialogs;
    const auto units = TIrrikaIniFile(imBasin).ReadUnits();
    ASSERT_NE(units, nullptr);
    // A dimensionless unit converts nothing, whatever factor its line gives: the mode and
    // the options are codes that a factor would turn into other codes.
    const struct {
        const char *name;
        TUnitKind kind;
        double factor;
    } expected[] = {{"Feet", 0, 3.28}, {"MM", 2, 1}, {"Gallons", 12, 1}, {"Empty", 12, 1},
                    {"Hours", 11, 0.0166666666666667}, {"meters", 1, 2}};
    ASSERT_EQ(units->Count(), 6);
    std::unique_ptr<TIterator> it(units->CreateIterator());
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(expected[i].name);
        const auto *unit = static_cast<TUnit *>(it->Next());
        EXPECT_EQ(unit->Name(), expected[i].name);
        EXPECT_EQ(unit->Kind(), expected[i].kind);
        EXPECT_EQ(unit->Factor(), expected[i].factor);
        EXPECT_EQ(unit->InverseFactor(), 1.0 / expected[i].factor);
    }
    // The first unit of a kind is the one every parameter of that kind gets.
    EXPECT_EQ(units->GetUnit(12)->Name(), "Gallons");
    // Unit names that differ only in letter case are two units of one kind; a factor is
    // looked up by name ignoring case, so both take the first line's.
    folder.Write("Pondix.INI", "[ConversionUnits]\nMM=1\nmm=25.4\n");
    const auto twins = TIrrikaIniFile(imBasin).ReadUnits();
    ASSERT_NE(twins, nullptr);
    ASSERT_EQ(twins->Count(), 2);
    EXPECT_EQ(twins->GetUnit(2)->Name(), "MM");
    std::unique_ptr<TIterator> twin(twins->CreateIterator());
    twin->Next();
    const auto *second = static_cast<TUnit *>(twin->Next());
    EXPECT_EQ(second->Name(), "mm");
    EXPECT_EQ(second->Kind(), 2);
    EXPECT_EQ(second->Factor(), 1.0);
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_EQ(dialogs.Messages()[0].text, "Cannot find correct Unit Gallons");
}

TEST(IrrikaIniFile, FactorThatIsNotANumberOrIsZeroRaises)
{
    const struct {
        const char *line;
        const char *message;
    } cases[] = {{"LS_1=0", "Floating point division by zero"},
                 {"LS_1=11E-310", "Floating point overflow"},
                 {"LS_1=-4E-309", "Floating point overflow"},
                 {"LS_1=", "'' is not a valid floating point value"},
                 {"LS_1=2,5", "'2,5' is not a valid floating point value"},
                 {"LS_1=one", "'one' is not a valid floating point value"}};
    SettingsFolder folder;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.line);
        folder.Write("Striva.INI", std::string("[ConversionUnits]\nMeters=1\n") + c.line + "\nMM=1\n");
        try {
            TIrrikaIniFile(imBorder).ReadUnits();
            ADD_FAILURE() << "no error raised";
        } catch (const Exception &e) {
            EXPECT_EQ(e.Message(), c.message);
        }
    }
}

TEST(IrrikaIniFile, WithoutInitialSettingsEveryParameterGetsTheCatalogue)
{
    SettingsFolder folder;
    for (const ModuleCase &c : kModules) {
        SCOPED_TRACE(c.fileName);
        folder.Write(c.fileName, kStoredUnits);
        RecordingDialogs dialogs;
        TIrrikaIniFile reader(c.module);
        const auto units = reader.ReadUnits();
        TParameters set;
        reader.ReadParameters(units.get(), set);
        EXPECT_TRUE(dialogs.Messages().empty());

        const auto parameters = ParametersOf(set);
        ASSERT_EQ(static_cast<int>(parameters.size()), c.parameterCount);
        std::size_t i = 0;
        for (const TInputDefinition &row : InputDefinitions(c.module)) {
            TParameter *p = parameters[i++];
            SCOPED_TRACE(row.Name);
            EXPECT_EQ(p->Name(), row.Name);
            EXPECT_EQ(p->GetUnit(), units->GetUnit(row.UnitKind));
            EXPECT_EQ(p->GetValue(), row.Default);
            EXPECT_EQ(p->Category(), row.Category);
            EXPECT_EQ(p->GetDescription(), row.Description ? row.Description : row.Name);
            EXPECT_FALSE(p->Active());
            ASSERT_EQ(p->Boundary() != nullptr, row.Bounded);
            if (row.Bounded) {
                EXPECT_EQ(p->Boundary()->Lower(), row.Lower);
                EXPECT_EQ(p->Boundary()->Upper(), row.Upper);
            }
        }
        for (const TResultDefinition *row : ResultDefinitions(c.module)) {
            TParameter *p = parameters[i++];
            SCOPED_TRACE(row->Name);
            EXPECT_EQ(p->Name(), row->Name);
            EXPECT_EQ(p->GetUnit(), units->GetUnit(row->UnitKind));
            EXPECT_EQ(p->GetValue(), 0.0);
            EXPECT_EQ(p->Category(), 1);
            EXPECT_EQ(p->GetDescription(), row->Description);
            EXPECT_EQ(p->Boundary(), nullptr);
        }

        const auto curves = CurvesOf(set);
        ASSERT_EQ(static_cast<int>(curves.size()), c.curveCount);
        i = 0;
        for (const TCurveDefinition *row : CurveDefinitions(c.module)) {
            TParameterArray *curve = curves[i++];
            SCOPED_TRACE(row->Name);
            EXPECT_EQ(curve->Name(), row->Name);
            EXPECT_EQ(curve->GetUnit(), units->GetUnit(row->UnitKind));
            EXPECT_EQ(curve->Description(), row->Description);
            EXPECT_EQ(curve->ValueLabel(), row->ValueLabel);
            EXPECT_EQ(curve->IndexLabel(), "Distance");
            EXPECT_EQ(curve->Category(), 1);
            EXPECT_EQ(curve->RowCount(), 30);
            EXPECT_EQ(curve->ColCount(), 1);
            EXPECT_EQ(curve->GetDisplayValue(30, 1), 0.0);
        }
    }
}

// The catalogue rows that other code reaches by name, spot-checked with their odd values.
TEST(IrrikaIniFile, CatalogueHoldsTheValuesOtherCodeReliesOn)
{
    const struct {
        TIrrigationModule module;
        const char *name;
        int position;  // 1-based in the parameter list
        double value, lower, upper;
    } cases[] = {
        {imBasin, "SCS #", 9, 1, 0.2, 4},
        {imBasin, "Kostiakovk", 12, 2.84, 0.0133, 19.84},
        {imBasin, "Applic. efficiency", 14, 0, -1, -1},
        {imBasin, "Recessiontime", 25, 0, -1, -1},
        {imBorder, "FlowRate", 5, 25, 1, 250.05},
        {imBorder, "Kostiakovk", 14, 1.24, 0.0133, 19.841854},
        {imBorder, "CutBackRatio", 18, 0.65, 0.65, 1},
        {imBorder, "CutBackFlow", 20, 0, -1, -1},
        {imBorder, "Opportunitytime", 39, 0, -1, -1},
        {imFurrow, "FlowRate", 7, 0.5, 0.02, 16.67},
        {imFurrow, "Kostiakovk", 14, 1.24, 0.05, 30},
        {imFurrow, "VCalc", 20, 0.85, 0, 1000},
        {imFurrow, "MaxWidth", 26, 2, 0.2, 1},
        {imFurrow, "TrialSlope", 36, 0.008, 0.0003, 0.03},
        {imFurrow, "CutBackFlow", 37, 0, -1, -1},
    };
    SettingsFolder folder;
    for (const ModuleCase &m : kModules)
        folder.Write(m.fileName, kStoredUnits);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TIrrikaIniFile reader(c.module);
        const auto units = reader.ReadUnits();
        TParameters set;
        reader.ReadParameters(units.get(), set);
        TParameter *p = ParametersOf(set).at(c.position - 1);
        EXPECT_EQ(p->Name(), c.name);
        EXPECT_EQ(p->GetValue(), c.value);
        EXPECT_EQ(p->GetDisplayLower(), c.lower);
        EXPECT_EQ(p->GetDisplayUpper(), c.upper);
    }
}

TEST(IrrikaIniFile, InitialValuesAndLimitsFallBackSilentlyWhenUnusable)
{
    const struct {
        const char *lines;
        double value, lower, upper;
    } cases[] = {
        {"[InitialSettings]\nFlowRate=55\n[Boundaries]\nFlowRate_L=2\nFlowRate_U=700\n", 55, 2, 700},
        {"[InitialSettings]\nFlowRate=\n", 40, 5, 600},
        {"[InitialSettings]\nFlowRate=much\n", 40, 5, 600},
        {"[InitialSettings]\nFlowRate=2,5\n", 40, 5, 600},
        {"[Boundaries]\nFlowRate_U=\nFlowRate_L=word\n", 40, 5, 600},
        {"[Boundaries]\nFlowRate_U=6,5\n", 40, 5, 600},
        // Limits are neither compared with each other nor with the value.
        {"[InitialSettings]\nFlowRate=900\n[Boundaries]\nFlowRate_L=700\nFlowRate_U=100\n", 900, 700, 100},
    };
    SettingsFolder folder;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.lines);
        folder.Write("Pondix.INI", std::string(kStoredUnits) + c.lines);
        RecordingDialogs dialogs;
        TIrrikaIniFile reader(imBasin);
        const auto units = reader.ReadUnits();
        TParameters set;
        reader.ReadParameters(units.get(), set);
        TParameter *flow = set.FindParameter("FlowRate");
        ASSERT_NE(flow, nullptr);
        EXPECT_EQ(flow->GetValue(), c.value);
        EXPECT_EQ(flow->Boundary()->Lower(), c.lower);
        EXPECT_EQ(flow->Boundary()->Upper(), c.upper);
        EXPECT_TRUE(dialogs.Messages().empty());
    }
}

// An unknown unit name before "Empty" becomes the first unit of no unit; its factor must
// not reach the mode, which would then read 3 or 0 instead of 1.
TEST(IrrikaIniFile, UnknownUnitBeforeEmptyLeavesTheModeAlone)
{
    SettingsFolder folder;
    folder.Write("Striva.INI", "[ConversionUnits]\nGallons=3\nLS_1=1\nMeters=1\nMM=1\nMinutes=1\nEmpty=1\n"
                               "Perc=1\nMM_MIN_A=1\nMM_MIN=1\nMM_1=1\n[InitialSettings]\nMode=1\nOperation=3\n");
    RecordingDialogs dialogs;
    TIrrikaIniFile reader(imBorder);
    const auto units = reader.ReadUnits();
    TParameters set;
    reader.ReadParameters(units.get(), set);
    TParameter *mode = set.FindParameter("Mode");
    EXPECT_EQ(mode->GetUnit()->Name(), "Gallons");
    EXPECT_EQ(mode->GetDisplayValueAsInteger(), 1);
    EXPECT_EQ(mode->GetValue(), 1.0);
    EXPECT_EQ(set.FindParameter("Operation")->GetValueAsInteger(), 3);
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Cannot find correct Unit Gallons"});
}

// An initial value that its parameter cannot hold falls back to the built-in default, like
// one that is not a number: an option must have a whole number in the 32-bit range (the
// roles and the run files read it so), and no value may leave the double range once
// stored or shown.
TEST(IrrikaIniFile, InitialValuesThatNoRunCanHoldFallBack)
{
    const struct {
        const char *line;
        const char *name;
        double value;
    } cases[] = {
        {"Operation=1.2E93", "Operation", 1},
        {"Operation=-3E9", "Operation", 1},
        {"Mode=2147483648", "Mode", 1},
        {"Geometry=2.4", "Geometry", 2.4},
        {"Mode=-2147483648", "Mode", -2147483648.0},
        // The flow unit shows 0.06 per stored unit: 1E308 shown cannot be stored, 1E306 can.
        {"FlowRate=1E308", "FlowRate", 0.5 / 0.06},
        {"FlowRate=1E306", "FlowRate", 1E306 / 0.06},
    };
    SettingsFolder folder;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.line);
        folder.Write("Rillox.INI", std::string("[ConversionUnits]\nLS_1=0.06\nMeters=1\nMM=1\n"
                                               "Minutes=1\nEmpty=1\nPerc=1\nMM_MIN_A=1\nMM_MIN=1\nMM_1=1\n"
                                               "M_MIN=1\nM_2_Sig2=1\nM_1_Tau2=1\n[InitialSettings]\n") +
                                       c.line + "\n");
        RecordingDialogs dialogs;
        TIrrikaIniFile reader(imFurrow);
        const auto units = reader.ReadUnits();
        TParameters set;
        reader.ReadParameters(units.get(), set);
        EXPECT_DOUBLE_EQ(set.FindParameter(c.name)->GetValue(), c.value);
        EXPECT_TRUE(dialogs.Messages().empty());
    }
}

TEST(IrrikaIniFile, InitialValueIsADisplayedValueInTheFirstUnitOfItsKind)
{
    SettingsFolder folder;
    folder.Write("Pondix.INI", "[ConversionUnits]\nMeters=2\nLS_1=1\nFeet=1\nMM=1\nMinutes=1\nEmpty=1\nPerc=1\n"
                               "MM_MIN_A=1\nMM_MIN=1\n[InitialSettings]\nBasinLength=131\n[Boundaries]\nBasinLength_U=90\n");
    TIrrikaIniFile reader(imBasin);
    const auto units = reader.ReadUnits();
    TParameters set;
    reader.ReadParameters(units.get(), set);
    TParameter *length = set.FindParameter("BasinLength");
    ASSERT_NE(length, nullptr);
    EXPECT_EQ(length->GetUnit()->Name(), "Meters");
    EXPECT_EQ(length->GetValue(), 65.5);               // stored, in the file's factor
    EXPECT_EQ(length->Boundary()->Upper(), 90.0);        // limits stay as read
}

TEST(IrrikaIniFile, MissingUnitGivesOneMessagePerParameterAndKeepsReading)
{
    SettingsFolder folder;
    folder.Write("Pondix.INI", "[ConversionUnits]\nLS_1=1\nMeters=1\nMM=1\nMinutes=1\nEmpty=1\nMM_MIN_A=1\nMM_MIN=1\n");
    RecordingDialogs dialogs;
    TIrrikaIniFile reader(imBasin);
    const auto units = reader.ReadUnits();
    TParameters set;
    reader.ReadParameters(units.get(), set);
    EXPECT_EQ(ParametersOf(set).size(), 25u);
    // The three basin efficiencies are in percent.
    EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>(3, "Unknown Unit")));
    EXPECT_EQ(set.FindParameter("Storage efficiency")->GetUnit(), nullptr);
}

}  // namespace
