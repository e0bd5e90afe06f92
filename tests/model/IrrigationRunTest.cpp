#include "SettingsFolder.h"

#include "RecordingDialogs.h"
#include "uIrrigationDataSet.h"
#include "uParameter.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const std::string kKostiakovUnits = std::string(kStoredUnits) +
    "CM=0.1\nInch=0.0393700787401575\nHours=0.0166666666666667\n"
    "MM_HR_A=1\nCM_MIN_A=1\nCM_HR_A=1\nIN_MIN_A=1\nIN_HR_A=1\n";

TEST(IrrigationRun, KostiakovParametersFollowTheDepthAndTimeUnits)
{
    const double A = 0.706, k = 2.84, F = std::pow(60.0, A);
    const struct {
        TUnitKind depth, time;
        const char *unit;
        double value, lower, upper;
    } cases[] = {
        {2, 10, "MM_MIN_A", k, 0.8, 45.0},
        {14, 10, "CM_MIN_A", k / 10, 0.08, 4.5},
        {3, 10, "IN_MIN_A", k / 25.4, 0.8 / 25.4, 45.0 / 25.4},
        {2, 11, "MM_HR_A", k * F, 0.8 * F, 45.0 * F},
        {14, 11, "CM_HR_A", 0.284 * F, 0.08 * F, 4.5 * F},
        {3, 11, "IN_HR_A", k / 25.4 * F, 0.8 / 25.4 * F, 45.0 / 25.4 * F},
    };
    SettingsFolder folder;
    folder.Write("Pondix.INI", kKostiakovUnits);
    RecordingDialogs dialogs;
    TIrrigationDataSet set(imBasin);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.unit);
        set.NewRun();
        TIrrigationRun *run = set.GetLastRun();
        run->GetInfiltration()->SelectSCSFamily(1.0);
        run->SetKostiakovParameters(c.depth, c.time);
        TParameters *p = run->GetParameters();
        EXPECT_EQ(p->FindParameter("KostiakovA")->GetValue(), A);
        EXPECT_EQ(p->FindParameter("KostiakovFo")->GetValue(), 0.0);
        TParameter *kk = p->FindParameter("Kostiakovk");
        EXPECT_EQ(kk->GetUnit()->Name(), c.unit);
        EXPECT_NEAR(kk->GetValue(), c.value, 1e-12 * c.value);
        EXPECT_NEAR(kk->Boundary()->Lower(), c.lower, 1e-12 * c.lower);
        EXPECT_NEAR(kk->Boundary()->Upper(), c.upper, 1e-12 * c.upper);
    }
    EXPECT_TRUE(dialogs.Messages().empty());
}

TEST(IrrigationRun, KostiakovFoKeepsSixDecimalsAndOtherKindsLeaveKAlone)
{
    SettingsFolder folder;
    folder.Write("Pondix.INI", kKostiakovUnits);
    RecordingDialogs dialogs;
    TIrrigationDataSet set(imBasin);
    set.NewRun();
    TIrrigationRun *run = set.GetLastRun();
    TInfiltrationCoefficients coefficients{0.5, 3.0, 1.0, 2.0, 1.23456789};
    run->GetInfiltration()->SetCoefficients(coefficients);
    run->SetKostiakovParameters(4, 10);  // m^3/m is no depth unit for k
    TParameters *p = run->GetParameters();
    EXPECT_EQ(p->FindParameter("KostiakovFo")->GetValue(), 1.234568);
    EXPECT_EQ(p->FindParameter("KostiakovA")->GetValue(), 0.5);
    TParameter *k = p->FindParameter("Kostiakovk");
    EXPECT_EQ(k->GetValue(), 2.84);
    EXPECT_EQ(k->Boundary()->Upper(), 19.84);
    EXPECT_TRUE(dialogs.Messages().empty());
}

TEST(IrrigationRun, KostiakovUnitMissingFromTheTableKeepsKButSetsItsLimits)
{
    SettingsFolder folder;
    folder.Write("Pondix.INI", std::string(kStoredUnits) + "CM=0.1\n");
    RecordingDialogs dialogs;
    TIrrigationDataSet set(imBasin);
    set.NewRun();
    TIrrigationRun *run = set.GetLastRun();
    run->GetInfiltration()->SelectSCSFamily(1.0);
    run->SetKostiakovParameters(14, 10);
    TParameter *k = run->GetParameters()->FindParameter("Kostiakovk");
    EXPECT_EQ(k->GetUnit()->Name(), "MM_MIN_A");
    EXPECT_EQ(k->GetValue(), 2.84);
    EXPECT_EQ(k->Boundary()->Lower(), 0.08);
    EXPECT_EQ(k->Boundary()->Upper(), 4.5);
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Unknown Unit"});
}

}  // namespace
