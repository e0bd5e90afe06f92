// The three bindings with the real engine libraries: a new user's first calculation, from
// the shipped settings files, must succeed in every module, mode and way of giving the
// infiltration.
#include "BindingFixture.h"

#include "uInfiltration.h"
#include "uIrrigationRun.h"
#include "uParameter.h"

#include <algorithm>
#include <string>

namespace {

struct Case {
    TIrrigationModule module;
    int mode;
    // Basin: how the window gives the infiltration object its coefficients (0 intake family,
    // 1 time-rated family, 2 Kostiakov); border and furrow: the "Infiltration" option.
    int infiltration;
};

std::string Name(const ::testing::TestParamInfo<Case> &info)
{
    const char *const kModules[] = {"Basin", "Border", "Furrow"};
    return std::string(kModules[info.param.module]) + "_Mode" + std::to_string(info.param.mode) + "_Infiltration" +
           std::to_string(info.param.infiltration);
}

void PrintTo(const Case &c, std::ostream *out)
{
    *out << "module " << int(c.module) << ", mode " << c.mode << ", infiltration " << c.infiltration;
}

std::vector<Case> AllCases()
{
    std::vector<Case> cases;
    for (int mode = 1; mode <= 4; ++mode) {
        for (int type = 0; type <= 2; ++type)
            cases.push_back({imBasin, mode, type});
        for (int option = 1; option <= 2; ++option)
            cases.push_back({imBorder, mode, option});
        for (int option = 1; option <= 3; ++option)
            cases.push_back({imFurrow, mode, option});
    }
    return cases;
}

class RealEngine : public BindingFixture, public ::testing::WithParamInterface<Case> {
protected:
    void SetUp() override { Open(GetParam().module, true); }

    // What the basin window does before each calculation: the run's infiltration object
    // takes the coefficients of the way the user gave them.
    void ApplyBasinInfiltration(int type)
    {
        TInfiltration &infiltration = *run->GetInfiltration();
        if (type == 0) {
            infiltration.SetSCSNumber(Get("SCS #"));
        } else if (type == 1) {
            infiltration.SetTimeRatedT100(Get("TimeRatedT100"));
        } else {
            TInfiltrationCoefficients coefficients;
            coefficients.A = Get("KostiakovA");
            coefficients.k = Get("Kostiakovk");
            coefficients.Fo = Get("KostiakovFo");
            infiltration.SetCoefficients(coefficients);
        }
    }

    double Largest(const char *curve)
    {
        const std::vector<double> values = Curve(curve);
        return values.empty() ? 0.0 : *std::max_element(values.begin(), values.end());
    }
};

}  // namespace

TEST_P(RealEngine, TheFirstRunFromTheShippedSettingsCalculates)
{
    const Case c = GetParam();
    Set("Mode", c.mode);
    if (c.module == imBasin)
        ApplyBasinInfiltration(c.infiltration);
    else
        Set("Infiltration", c.infiltration);

    ASSERT_EQ(formatter->Calculate(1), 0) << ShownTexts();
    EXPECT_EQ(ShownTexts(), "");

    for (const char *efficiency : {"Applic. efficiency", "Storage efficiency"}) {
        EXPECT_GT(Get(efficiency), 0) << efficiency;
        EXPECT_LE(Get(efficiency), 100.0) << efficiency;
    }
    const double required = Get("RequiredDepth");
    EXPECT_GT(Get("Min. inf. depth"), 0);
    EXPECT_LE(Get("Min. inf. depth"), Get("Average depth"));
    EXPECT_LE(Get("Average depth"), Get("Max. inf. depth"));
    EXPECT_LT(Get("Max. inf. depth"), 10 * required);
    EXPECT_GT(Get("FlowRate"), 0);
    EXPECT_GT(Get(c.module == imFurrow ? "Length" : "BasinLength"), 0);
    EXPECT_GT(Get("CutoffTime"), 0);
    EXPECT_GT(Get("Advancetime"), 0);
    EXPECT_LE(Get("Advancetime"), Get("Recessiontime"));
    EXPECT_NEAR(Largest("AdvanceTime"), Get("Advancetime"), 1e-6 * Get("Advancetime"));
    EXPECT_GT(Largest("InfiltrationDepth"), 0);
    if (c.module != imBasin) {
        EXPECT_GT(Largest("RecessionTime"), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryModuleModeAndInfiltration, RealEngine, ::testing::ValuesIn(AllCases()), Name);
