#include "SettingsFolder.h"

#include "Errors.h"
#include "RecordingDialogs.h"
#include "uIrrigationDataSet.h"
#include "uParameter.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

// Metres first, then feet: parameters start in metres and can be switched.
const std::string kBasinUnits = std::string(kStoredUnits) + "Feet=3.28083989501312\nInch=0.0393700787401575\nHours=0.0166666666666667\n";

class DataSetTest : public ::testing::Test {
protected:
    SettingsFolder folder;
    RecordingDialogs dialogs;
    void SetUp() override { folder.Write("Pondix.INI", kBasinUnits); }
};

TEST_F(DataSetTest, CreatesReaderUnitTableDataFolderAndFileKindPerModule)
{
    folder.Write("Striva.INI", kStoredUnits);
    folder.Write("Rillox.INI", kStoredUnits);
    const struct {
        TIrrigationModule module;
        const char *folder;
        TFileKind kind;
    } cases[] = {{imBasin, "Pondix/", 2}, {imBorder, "Striva/", 4}, {imFurrow, "Rillox/", 3}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.folder);
        TIrrigationDataSet set(c.module);
        EXPECT_EQ(set.DataDir(), folder.Path() + c.folder);
        EXPECT_EQ(set.FileKind(), c.kind);
        EXPECT_NE(set.Units(), nullptr);
        EXPECT_EQ(set.IniFile()->Module(), c.module);
        EXPECT_EQ(set.GetRunCount(), 0);
        EXPECT_EQ(set.CurrentRun(), 0);
        EXPECT_EQ(set.FileName(), "");
    }
    TIrrigationDataSet other(5);
    EXPECT_EQ(other.DataDir(), "");
    EXPECT_EQ(other.FileKind(), 0);
    EXPECT_EQ(other.Units(), nullptr);
    EXPECT_TRUE(dialogs.Messages().empty());
}

TEST_F(DataSetTest, MissingSettingsFileMakesNoRuns)
{
    folder.Remove("Pondix.INI");
    TIrrigationDataSet set(imBasin);
    EXPECT_EQ(set.Units(), nullptr);
    EXPECT_EQ(set.NewRun(), 0);
    EXPECT_EQ(set.GetFirstRun(), nullptr);
    EXPECT_EQ(set.GetLastRun(), nullptr);
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Unable to find Pondix.Ini"});
}

TEST_F(DataSetTest, BadFactorEndsTheConstruction)
{
    folder.Write("Pondix.INI", "[ConversionUnits]\nMeters=1\nLS_1=0\n");
    EXPECT_THROW(TIrrigationDataSet set(imBasin), EZeroDivide);
}

TEST_F(DataSetTest, SettingsFileRemovedLaterGivesAnEmptyParameterSet)
{
    TIrrigationDataSet set(imBasin);
    folder.Remove("Pondix.INI");
    EXPECT_EQ(set.NewRun(), 1);
    std::unique_ptr<TIterator> parameters(set.GetRunByNumber(1)->GetParameters()->CreateParameterIterator());
    EXPECT_TRUE(parameters->IsDone());
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Unable to find Pondix.Ini"});
}

TEST_F(DataSetTest, NewRunTakesOverThePreviousValuesButNotItsUnitsOrRoles)
{
    TIrrigationDataSet set(imBasin);
    EXPECT_EQ(set.NewRun(), 1);
    TIrrigationRun *first = set.GetRunByNumber(1);
    TParameters *p1 = first->GetParameters();
    p1->FindParameter("FlowRate")->SetValue(1.0 / 3.0);
    p1->FindParameter("Average depth")->SetValue(12.5);
    p1->FindParameter("RequiredDepth")->SetCategory(1);
    p1->FindParameter("RequiredDepth")->SetActive(true);
    first->SetInfiltrationType(2);
    first->SetMode(3);
    first->SetCalculated(true);
    first->SetSaved(true);
    EXPECT_EQ(first->ChangeUnit(1, 0), 1);  // metres to feet

    EXPECT_EQ(set.NewRun(), 2);
    TIrrigationRun *second = set.GetRunByNumber(2);
    TParameters *p2 = second->GetParameters();
    EXPECT_EQ(second->Number(), 2);
    EXPECT_EQ(second->InfiltrationType(), 2);
    EXPECT_EQ(second->GetMode(), 3);          // through the parameter
    EXPECT_EQ(second->CalculationMode(), 0);
    EXPECT_FALSE(second->Calculated());
    EXPECT_FALSE(second->Saved());
    // 15 significant digits pass through the display conversion.
    EXPECT_EQ(p2->FindParameter("FlowRate")->GetValue(), 0.333333333333333);
    EXPECT_EQ(p2->FindParameter("Average depth")->GetValue(), 12.5);
    EXPECT_EQ(p2->FindParameter("BasinLength")->GetValue(), p1->FindParameter("BasinLength")->GetValue());
    EXPECT_EQ(p2->FindParameter("BasinLength")->GetUnit()->Name(), "Meters");
    EXPECT_EQ(p2->FindParameter("RequiredDepth")->Category(), 0);
    EXPECT_NE(second->GetInfiltration(), first->GetInfiltration());
    EXPECT_FALSE(p2->FindParameter("RequiredDepth")->Active());
    EXPECT_TRUE(dialogs.Messages().empty());
}

TEST_F(DataSetTest, UnsetValueInThePreviousRunStopsTheCopy)
{
    folder.Write("Pondix.INI", "[ConversionUnits]\nLS_1=1\nMeters=1\nMM=1\nMinutes=1\nEmpty=1\nMM_MIN_A=1\nMM_MIN=1\n");
    TIrrigationDataSet set(imBasin);
    set.NewRun();  // the efficiencies have no percent unit and no value
    try {
        set.NewRun();
        ADD_FAILURE() << "no error raised";
    } catch (const EConvertError &e) {
        EXPECT_EQ(e.Message(), "'' is not a valid floating point value");
    }
    EXPECT_EQ(set.GetRunCount(), 2);
}

TEST_F(DataSetTest, DeletionLeavesNumbersUntilRenumbered)
{
    TIrrigationDataSet set(imBasin);
    for (int i = 0; i < 3; ++i)
        set.NewRun();
    TIrrigationRun *third = set.GetRunByNumber(3);
    EXPECT_EQ(set.DeleteRun(0), -1);
    EXPECT_EQ(set.DeleteRun(4), -1);
    EXPECT_EQ(set.GetRunCount(), 3);
    EXPECT_EQ(set.DeleteRun(2), 0);
    EXPECT_EQ(set.GetRunCount(), 2);
    EXPECT_EQ(set.GetRunByNumber(2), nullptr);
    EXPECT_EQ(set.GetRunByNumber(3), third);
    set.RenumberRuns();
    EXPECT_EQ(set.GetRunByNumber(2), third);
    EXPECT_EQ(set.GetRunByNumber(3), nullptr);
    EXPECT_EQ(set.GetLastRun(), third);
    EXPECT_EQ(set.ClearRuns(), 0);
    EXPECT_EQ(set.GetRunCount(), 0);
    EXPECT_EQ(set.ClearRuns(), 0);
    // An empty data set makes its first run on demand.
    EXPECT_NE(set.GetFirstRun(), nullptr);
    EXPECT_EQ(set.GetRunCount(), 1);
}

TEST_F(DataSetTest, AddRunTakesOwnershipAndRefusesNothing)
{
    TIrrigationDataSet set(imBasin);
    EXPECT_EQ(set.AddRun(nullptr), -1);
    EXPECT_EQ(set.AddRun(std::make_unique<TIrrigationRun>(7, set.Units())), 0);
    EXPECT_EQ(set.GetRunByNumber(7)->GetUnits(), set.Units());
    std::unique_ptr<TIterator> runs = set.CreateRunIterator();
    ASSERT_FALSE(runs->IsDone());
    EXPECT_EQ(runs->Next(), set.GetRunByNumber(7));
    EXPECT_TRUE(runs->IsDone());
}

TEST_F(DataSetTest, ExtractRunHandsTheRunBackWithoutFreeingIt)
{
    TIrrigationDataSet set(imBasin);
    set.NewRun();
    set.NewRun();
    TIrrigationRun *first = set.GetRunByNumber(1);
    EXPECT_EQ(set.ExtractRun(0), nullptr);
    EXPECT_EQ(set.ExtractRun(3), nullptr);
    std::unique_ptr<TIrrigationRun> taken = set.ExtractRun(1);
    EXPECT_EQ(taken.get(), first);
    EXPECT_EQ(set.GetRunCount(), 1);
    EXPECT_EQ(set.GetRunByNumber(1), nullptr);  // not renumbered
    EXPECT_NE(taken->GetParameters(), nullptr);  // still whole
    EXPECT_EQ(set.AddRun(std::move(taken)), 0);
    set.RenumberRuns();
    EXPECT_EQ(set.GetRunByNumber(2), first);  // put back at the end
}

TEST_F(DataSetTest, CompareUnitsNamesTheFirstDifference)
{
    TIrrigationDataSet set(imBasin);
    std::string text = "old";
    EXPECT_FALSE(set.CompareUnits(1, text));  // no runs
    EXPECT_EQ(text, "");
    set.NewRun();
    set.NewRun();
    EXPECT_TRUE(set.CompareUnits(1, text));
    EXPECT_EQ(text, "");
    EXPECT_TRUE(set.CompareUnits(2, text));
    EXPECT_FALSE(set.CompareUnits(3, text));

    // Names that differ only in letter case count as equal.
    TUnit sameInSmallLetters;
    sameInSmallLetters.SetName("mm");
    sameInSmallLetters.SetKind(2);
    TParameter *depth = set.GetRunByNumber(2)->GetParameters()->FindParameter("RequiredDepth");
    depth->SetUnit(&sameInSmallLetters);
    EXPECT_TRUE(set.CompareUnits(2, text));

    EXPECT_EQ(set.GetRunByNumber(2)->ChangeUnit(2, 3), 2);  // the depths and the depth curve move to inches
    EXPECT_FALSE(set.CompareUnits(2, text));
    EXPECT_EQ(text, "MM <> Inch");
    depth->SetUnit(set.Units()->GetUnit(2));
}

TEST_F(DataSetTest, ChangeUnitRePointsParametersAndCurvesOnly)
{
    TIrrigationDataSet set(imBasin);
    set.NewRun();
    TIrrigationRun *run = set.GetRunByNumber(1);
    TParameter *length = run->GetParameters()->FindParameter("BasinLength");
    length->SetValue(40);
    EXPECT_EQ(run->ChangeUnit(1, 0), 1);
    EXPECT_EQ(length->GetUnit()->Name(), "Feet");
    EXPECT_EQ(run->GetParameters()->FindParameter("Under-irr. length")->GetUnit()->Name(), "Feet");
    EXPECT_EQ(length->GetValue(), 40.0);
    EXPECT_NEAR(length->GetDisplayValue(), 131.233595800525, 1e-9);
    EXPECT_EQ(run->ChangeUnit(1, 0), 0);   // nothing left in metres
    EXPECT_EQ(run->ChangeUnit(0, 0), 0);   // the same unit
    EXPECT_EQ(run->ChangeUnit(0, 14), 0);  // no centimetres in the table
    EXPECT_EQ(length->GetUnit()->Name(), "Feet");
    // The time curve follows minutes to hours.
    EXPECT_EQ(run->ChangeUnit(10, 11), 2);
    EXPECT_EQ(run->GetParameters()->FindArray("AdvanceTime")->GetUnit()->Name(), "Hours");
    EXPECT_EQ(run->GetParameters()->FindParameter("CutoffTime")->GetUnit()->Name(), "Hours");
}

TEST_F(DataSetTest, ModeLivesInTheParameter)
{
    TIrrigationDataSet set(imBasin);
    set.NewRun();
    TIrrigationRun *run = set.GetRunByNumber(1);
    EXPECT_EQ(run->GetMode(), 1);
    run->SetMode(4);
    EXPECT_EQ(run->GetMode(), 4);
    EXPECT_EQ(run->CalculationMode(), 4);
    EXPECT_EQ(run->GetParameters()->FindParameter("Mode")->GetValue(), 4.0);

    TIrrigationRun bare(9, set.Units());
    bare.SetParameters(std::make_unique<TParameters>());
    EXPECT_EQ(bare.GetMode(), 0);
    bare.SetMode(2);
    EXPECT_EQ(bare.CalculationMode(), 2);
    EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>(2, "Can't find Mode parameter")));
}

}  // namespace
