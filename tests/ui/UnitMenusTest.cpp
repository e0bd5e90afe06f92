// The unit, infiltration, operation and geometry menus: what a click re-points in the
// current run, the Kostiakov k and the furrow shape coefficients that change their values,
// and new runs that take the units the menus show.
#include "UiDriver.h"

#include "FrameFieldParameters.h"
#include "NumberText.h"
#include "uIrrigationDataSet.h"
#include "uUnitKind.h"

#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <map>

namespace {

std::map<std::string, double> StoredValues(TIrrigationRun &run)
{
    std::map<std::string, double> values;
    std::unique_ptr<TIterator> it(run.GetParameters()->CreateParameterIterator());
    while (!it->IsDone()) {
        auto *p = static_cast<TParameter *>(it->Next());
        values[p->Name()] = p->GetValue();
    }
    return values;
}

std::map<std::string, int> UnitKinds(TIrrigationRun &run)
{
    std::map<std::string, int> kinds;
    std::unique_ptr<TIterator> it(run.GetParameters()->CreateParameterIterator());
    while (!it->IsDone()) {
        auto *p = static_cast<TParameter *>(it->Next());
        kinds[p->Name()] = p->GetUnit() ? p->GetUnit()->Kind() : -1;
    }
    return kinds;
}

}  // namespace

TEST_F(UiFixture, AUnitClickRepointsItsQuantitiesAndKeepsTheStoredValues)
{
    struct Case {
        TIrrigationModule module;
        std::vector<const char *> clicks;  // unit items, each under its submenu
        const char *parameter;
        int kind;
    };
    const Case cases[] = {
        {imBasin, {"mnicubicmetresperminute"}, "FlowRate", ukM3MIN_1},
        {imBasin, {"mnifeet"}, "BasinWidth", ukFeet},
        {imBasin, {"mnicentimeters"}, "RequiredDepth", ukCM},
        {imBasin, {"mnihours"}, "CutoffTime", ukHours},
        {imBorder, {"mniUSgallonsperminute"}, "FlowRate", ukGALMIN_1},
        {imBorder, {"mnifeet"}, "Slope", ukFTFT_1},
        {imBorder, {"mnihours"}, "KostiakovFo", ukMM_HR},
        {imBorder, {"mniinches", "mnihours"}, "KostiakovFo", ukIN_HR},
        {imFurrow, {"mnifeet"}, "MaxVelocity", ukFT_MIN},
        {imFurrow, {"mnihours"}, "MaxVelocity", ukM_HR},
        {imFurrow, {"mnicentimeters", "mnihours"}, "KostiakovFo", ukCM_HR},
        {imFurrow, {"mnifeet"}, "SideSlope", ukFTFT_1},
    };
    const std::map<std::string, const char *> submenu = {
        {"mnicubicmetresperminute", "mniFlowrate"}, {"mniUSgallonsperminute", "mniFlowrate"},
        {"mnilitrespersecond", "mniFlowrate"},      {"mnifeet", "mniLength"},
        {"mnimeters", "mniLength"},                 {"mnicentimeters", "mniDepth"},
        {"mniinches", "mniDepth"},                  {"mnimillimetres", "mniDepth"},
        {"mnihours", "mniTime"},                    {"mniminutes", "mniTime"}};
    const std::map<std::string, const char *> back = {
        {"mnicubicmetresperminute", "mnilitrespersecond"}, {"mniUSgallonsperminute", "mnilitrespersecond"},
        {"mnifeet", "mnimeters"}, {"mnicentimeters", "mnimillimetres"}, {"mniinches", "mnimillimetres"},
        {"mnihours", "mniminutes"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.module) + " " + c.parameter);
        Open(c.module);
        const auto kindsBefore = UnitKinds(Run());
        auto valuesBefore = StoredValues(Run());
        for (const char *item : c.clicks)
            ClickMenu(*window, {"mniUnits", submenu.at(item), item});
        TParameter &p = Parameter(c.parameter);
        EXPECT_EQ(p.GetUnit()->Kind(), c.kind);
        EXPECT_DOUBLE_EQ(p.GetDisplayValue(), p.GetValue() * p.GetUnit()->Factor());
        // Only k and the furrow shape coefficients change their numbers with a unit; the
        // basin writes its family's Kostiakov coefficients on every unit click.
        auto valuesAfter = StoredValues(Run());
        for (const char *changing : {"Kostiakovk", "KostiakovA", "KostiakovFo", "Sigma1", "Tau1"}) {
            valuesBefore.erase(changing);
            valuesAfter.erase(changing);
        }
        EXPECT_EQ(valuesAfter, valuesBefore);
        for (const char *item : c.clicks)
            ClickMenu(*window, {"mniUnits", submenu.at(item), back.at(item)});
        EXPECT_EQ(UnitKinds(Run()), kindsBefore);
    }
}

TEST_F(UiFixture, KostiakovKFollowsTheDepthAndTimeUnits)
{
    Open(imBorder);
    TParameter &k = Parameter("Kostiakovk");
    ASSERT_DOUBLE_EQ(k.GetValue(), 1.24);
    ClickMenu(*window, {"mniUnits", "mniDepth", "mnicentimeters"});
    EXPECT_DOUBLE_EQ(k.GetValue(), 0.124);
    EXPECT_DOUBLE_EQ(k.Boundary()->Lower(), 0.00133);
    EXPECT_DOUBLE_EQ(k.Boundary()->Upper(), 1.9841854);
    EXPECT_EQ(k.GetUnit()->Kind(), ukCM_MIN_A);
    ClickMenu(*window, {"mniUnits", "mniDepth", "mnimillimetres"});
    EXPECT_DOUBLE_EQ(k.GetValue(), 1.24);
    ClickMenu(*window, {"mniUnits", "mniTime", "mnihours"});
    EXPECT_NEAR(k.GetValue(), 1.24 * std::pow(60.0, 0.534), 1e-12);
    EXPECT_NEAR(k.GetValue(), 11.0396, 5e-5);
    EXPECT_EQ(k.GetUnit()->Kind(), ukMM_HR_A);
}

TEST_F(UiFixture, ShapeCoefficientsMoveBetweenTheMetreAndTheFootBasis)
{
    Open(imFurrow);
    TParameter &sigma1 = Parameter("Sigma1");
    TParameter &tau1 = Parameter("Tau1");
    const double sigma = sigma1.GetValue(), tau = tau1.GetValue();
    const long double s2 = Parameter("Sigma2").GetValue(), t2 = Parameter("Tau2").GetValue();
    ClickMenu(*window, {"mniUnits", "mniLength", "mnifeet"});
    EXPECT_EQ(sigma1.GetUnit()->Kind(), ukFT_2_Sig2);
    EXPECT_EQ(tau1.GetUnit()->Kind(), ukFT_1_Tau2);
    // The new value goes in as displayed text, with fifteen digits.
    auto asShown = [](long double value) { return StrToFloat(FloatToStr(static_cast<double>(value))); };
    EXPECT_EQ(sigma1.GetValue(), asShown(std::pow(3.28L, 2 - s2) * sigma));
    EXPECT_EQ(tau1.GetValue(), asShown(std::pow(3.28L, 1 - t2) * tau));
    EXPECT_DOUBLE_EQ(sigma1.Boundary()->Upper(), static_cast<double>(std::pow(3.28L, 2 - s2) * 10));
    // A second click on feet rescales nothing again.
    const double inFeet = sigma1.GetValue();
    ClickMenu(*window, {"mniUnits", "mniLength", "mnifeet"});
    EXPECT_EQ(sigma1.GetValue(), inFeet);
    ClickMenu(*window, {"mniUnits", "mniLength", "mnimeters"});
    EXPECT_NEAR(sigma1.GetValue(), sigma, 1e-14);
    EXPECT_NEAR(tau1.GetValue(), tau, 1e-14);
    EXPECT_NEAR(sigma1.Boundary()->Upper(), 10, 1e-13);
    // Metres while already metric: the limits go back to 0.1 and 10, the values stay.
    sigma1.Boundary()->SetUpper(5);
    tau1.Boundary()->SetLower(1);
    ClickMenu(*window, {"mniUnits", "mniLength", "mnimeters"});
    EXPECT_EQ(sigma1.Boundary()->Upper(), 10);
    EXPECT_EQ(tau1.Boundary()->Lower(), 0.1);
    EXPECT_NEAR(sigma1.GetValue(), sigma, 1e-14);
}

TEST_F(UiFixture, ShapeCoefficientsWithExponentsTwoAndOneKeepTheirValuesInFeet)
{
    Open(imFurrow);
    Parameter("Sigma2").SetValue(2);
    Parameter("Tau2").SetValue(1);
    const double sigma = Parameter("Sigma1").GetValue(), tau = Parameter("Tau1").GetValue();
    ClickMenu(*window, {"mniUnits", "mniLength", "mnifeet"});
    EXPECT_EQ(Parameter("Sigma1").GetValue(), sigma);
    EXPECT_EQ(Parameter("Tau1").GetValue(), tau);
    EXPECT_EQ(Parameter("Sigma1").GetUnit()->Kind(), ukFT_2_Sig2);
}

TEST_F(UiFixture, ANewRunTakesTheUnitsTheMenusShow)
{
    // Length first, then flow: the last click remembers feet as the old length unit too.
    Open(imBorder);
    ClickMenu(*window, {"mniUnits", "mniLength", "mnifeet"});
    ClickMenu(*window, {"mniUnits", "mniFlowrate", "mniUSgallonsperminute"});
    ClickMenu(*window, {"mniUnits", "mniDepth", "mnicentimeters"});
    ClickMenu(*window, {"mniCalculation", "mniN3Cutofftime"});
    Run().SetCalculated(true);
    Run().SetSaved(true);
    ClickMenu(*window, {"mniCalculation", "mniN4Mindepth"});
    ASSERT_EQ(window->DataSet()->CurrentRun(), 2);
    EXPECT_EQ(Parameter("BasinLength").GetUnit()->Kind(), ukFeet);
    EXPECT_EQ(Parameter("FlowRate").GetUnit()->Kind(), ukGALMIN_1);
    EXPECT_EQ(Parameter("Slope").GetUnit()->Kind(), ukFTFT_1);
    EXPECT_EQ(Parameter("Kostiakovk").GetUnit()->Kind(), ukCM_MIN_A);
    EXPECT_DOUBLE_EQ(Parameter("Kostiakovk").GetValue(), 0.124);
    std::string difference;
    EXPECT_TRUE(window->DataSet()->CompareUnits(2, difference)) << difference;
}

TEST_F(UiFixture, ANewFurrowRunInFeetKeepsItsShapeCoefficients)
{
    Open(imFurrow);
    ClickMenu(*window, {"mniUnits", "mniLength", "mnifeet"});
    ClickMenu(*window, {"mniCalculation", "mniN1Flowrate"});
    const double sigma = Parameter("Sigma1").GetValue(), tau = Parameter("Tau1").GetValue();
    Run().SetSaved(true);
    ClickMenu(*window, {"mniCalculation", "mniN1Flowrate"});
    ASSERT_EQ(window->DataSet()->CurrentRun(), 2);
    EXPECT_EQ(Parameter("Sigma1").GetValue(), sigma);
    EXPECT_EQ(Parameter("Tau1").GetValue(), tau);
    EXPECT_EQ(Parameter("Sigma1").GetUnit()->Kind(), ukFT_2_Sig2);
}

TEST_F(UiFixture, OpeningTheShapesSelectsTheCrossSectionGeometry)
{
    Open(imFurrow);
    ClickMenu(*window, {"mniParameters", "mniGeometry", "mniSigma_Tau"});
    ASSERT_TRUE(window->mniSigma_Tau->isChecked());
    ClickMenu(*window, {"mniParameters", "mniGeometry", "mniCrossSection"});
    EXPECT_TRUE(window->mniCrossSection->isChecked());
    EXPECT_FALSE(window->mniSigma_Tau->isChecked());
}

TEST_F(UiFixture, TheRememberedChecksFollowEachWindowsOrder)
{
    Open(imFurrow);
    ClickMenu(*window, {"mniUnits", "mniTime", "mnihours"});
    // Units (11), amounts (2), infiltration (3), operation (3) as they were before the click.
    const std::vector<bool> expected = {true,  false, false, false, true,  false, true,  false, false, true,
                                        false, false, false, true,  false, false, true,  false, false};
    EXPECT_EQ(window->OldChecks(), expected);
    EXPECT_FALSE(window->mniCubicMetre->isVisible());
    EXPECT_FALSE(window->mniCubicFeet->isVisible());
}

namespace {

// The limits of a quantity that holds its value in its own terms, in the unit of kind.
struct OwnTermsLimits {
    TIrrigationModule module;
    const char *name;
    double lower, upper;  // in the settings file's unit (mm per min^A, the metre basis)
};
const OwnTermsLimits kOwnTermsLimits[] = {
    {imBasin, "Kostiakovk", 0.8, 45.0},  // the basin's coefficient limits, whatever the file says
    {imBorder, "Kostiakovk", 0.0133, 19.841854},
    {imFurrow, "Kostiakovk", 0.05, 30},
    {imFurrow, "Sigma1", 0.1, 10},
    {imFurrow, "Tau1", 0.1, 10},
};

// What a value in the settings file's unit is divided by to stand in the unit of kind; k
// per hour^A with the exponent A.
double Divisor(const char *name, int kind, double a)
{
    const double sigma2 = 1.734, tau2 = 0.811;  // the furrow settings file's exponents
    switch (kind) {
    case ukMM_MIN_A:
    case ukM_2_Sig2:
    case ukM_1_Tau2:
        return 1;
    case ukCM_MIN_A:
        return 10;
    case ukCM_HR_A:
        return 10 * std::pow(1 / 60.0, a);
    case ukFT_2_Sig2:
        return 1 / std::pow(3.28, 2 - sigma2);
    case ukFT_1_Tau2:
        return 1 / std::pow(3.28, 1 - tau2);
    default:
        ADD_FAILURE() << name << " in unit kind " << kind;
        return NAN;
    }
}

// The options that show k and the shape coefficients, and the units that put k in cm per
// min^A and the shape coefficients on the foot basis.
void ChooseOptions(TfrmDesignWindow &w, TIrrigationModule module)
{
    if (module == imFurrow) {
        ClickMenu(w, {"mniParameters", "mniParametersInfiltration", "mniKostiakovequation"});
        ClickMenu(w, {"mniParameters", "mniGeometry", "mniSigma_Tau"});
    } else {
        ClickMenu(w, {"mniInfiltration", "mniKostiakovequation"});
    }
}
void ChooseUnits(TfrmDesignWindow &w, TIrrigationModule module, bool hours)
{
    ClickMenu(w, {"mniUnits", "mniDepth", "mnicentimeters"});
    if (hours)
        ClickMenu(w, {"mniUnits", "mniTime", "mnihours"});
    if (module == imFurrow)
        ClickMenu(w, {"mniUnits", "mniLength", "mnifeet"});
}

}  // namespace

// However a run was made, the limits a value is checked against stand in the unit it is
// shown in: the out-of-range warning shows them in that unit.
TEST_F(UiFixture, EveryRunsLimitsStandInTheUnitOfItsValue)
{
    enum How { FirstRun, AfterF4, AfterLoad, AfterUnitSwitch };
    QTemporaryDir folder;
    for (TIrrigationModule module : {imBasin, imBorder, imFurrow}) {
        for (How how : {FirstRun, AfterF4, AfterLoad, AfterUnitSwitch}) {
            SCOPED_TRACE(::testing::Message() << "module " << int(module) << ", way " << how);
            TfrmDesignWindow *w = &Open(module);
            ChooseOptions(*w, module);
            if (how != AfterUnitSwitch)
                ChooseUnits(*w, module, false);
            ClickMenu(*w, {"mniCalculation", "mniN4Mindepth"});
            if (how != FirstRun) {
                // Run 1 calculated and saved; the next screen makes run 2 from it.
                PressKey(*w, Qt::Key_F2);
                ASSERT_TRUE(Run().Calculated());
                const std::string path = folder.path().toStdString() + "/runs" + std::to_string(module) +
                                         std::to_string(how) + DesignWindowTraits(module).RunFileExtension;
                dialogs.ScriptFileName(path);
                PressKey(*w, Qt::Key_F4);
                ASSERT_TRUE(Run().Saved());
                if (how == AfterLoad) {
                    w = &Open(module);
                    dialogs.ScriptFileName(path);
                    ClickMenu(*w, {"mniFiles", "mniLoad"});
                } else {
                    if (how == AfterUnitSwitch)
                        ChooseUnits(*w, module, true);
                    ClickMenu(*w, {"mniCalculation", "mniN4Mindepth"});
                }
                ASSERT_EQ(w->DataSet()->CurrentRun(), 2);
            }
            for (const OwnTermsLimits &limits : kOwnTermsLimits) {
                if (limits.module != module)
                    continue;
                SCOPED_TRACE(limits.name);
                int row = 0;
                for (int i = 1; i <= w->FieldParameters()->Count(); ++i) {
                    if (static_cast<TParameter *>(w->FieldParameters()->GetItem(i))->Name() == limits.name)
                        row = i;
                }
                ASSERT_NE(row, 0);
                const int kind = Parameter(limits.name).GetUnit()->Kind();
                if (how != AfterUnitSwitch) {
                    EXPECT_TRUE(kind == ukCM_MIN_A || kind == ukFT_2_Sig2 || kind == ukFT_1_Tau2) << kind;
                } else if (module == imBasin) {
                    EXPECT_EQ(kind, ukCM_HR_A);
                }
                const std::size_t warnings = errors.Showings().size();
                QLineEdit *edit = w->fraFieldParameters1->Edit(row);
                TypeInto(*edit, "999");
                QTest::keyClick(edit, Qt::Key_Tab);
                ASSERT_EQ(errors.Showings().size(), warnings + 1);
                const std::string &text = errors.Showings().back().text;
                const std::size_t between = text.find("should be between\t : "), et = text.find("and\t\t : ");
                ASSERT_NE(between, std::string::npos);
                ASSERT_NE(et, std::string::npos);
                const double divisor = Divisor(limits.name, kind, Parameter("KostiakovA").GetValue());
                EXPECT_NEAR(std::stod(text.substr(between + 21)), limits.lower / divisor, 1e-9 * limits.lower);
                EXPECT_NEAR(std::stod(text.substr(et + 8)), limits.upper / divisor, 1e-9 * limits.upper);
            }
        }
    }
}
