// The radio menus of the design windows: units, infiltration, operation and the furrow's
// geometry. One table row per item; a module column says which windows have it.
#include "uDesignWindow.h"

#include "uIrrigationRun.h"
#include "uUnitSwitch.h"
#include "uUnitKind.h"

#include <QMenu>

namespace {

enum TModuleMask : unsigned { mBasin = 1, mBorder = 2, mFurrow = 4, mAll = 7 };

unsigned MaskOf(TIrrigationModule module) { return 1u << module; }

struct TRadioItemDef {
    unsigned Modules;
    const char *Name;
    const char *Caption;
    const char *Hint;
    int HelpContext[3];  // basin, border, furrow
    int Value;           // unit kind or option number
    bool Hidden;
};

const char *const kUnitHint = "Unit | Select unit ";

const TRadioItemDef kFlowItems[] = {
    {mAll, "mnilitrespersecond", "&l/s           litres per second", kUnitHint, {}, ukLS_1, false},
    {mAll, "mnicubicmetresperminute", "&m3/min   cubic metres per minute", kUnitHint, {}, ukM3MIN_1, false},
    {mAll, "mnicubicfeetpersecond", "&ft3/s       cubic feet per second", kUnitHint, {}, ukFT3S_1, false},
    {mAll, "mniUSgallonsperminute", "&gall/min  US gallons per minute", kUnitHint, {}, ukGALMIN_1, false},
};
const TRadioItemDef kLengthItems[] = {
    {mAll, "mnimeters", "&m  meters", kUnitHint, {}, ukMeters, false},
    {mAll, "mnifeet", "&ft  feet", kUnitHint, {}, ukFeet, false},
};
const TRadioItemDef kDepthItems[] = {
    {mAll, "mnimillimetres", "&mm   millimetres", kUnitHint, {}, ukMM, false},
    {mAll, "mnicentimeters", "&cm  centimeters", kUnitHint, {}, ukCM, false},
    {mAll, "mniinches", "&inch  inches", kUnitHint, {}, ukINCH, false},
    // Only a run file written with these units checks them.
    {mFurrow, "mniCubicMetre", "m^3/m   cubic metre per metre length", kUnitHint, {}, ukM3M_1, true},
    {mFurrow, "mniCubicFeet", "ft^3/ft   cubic feet per feet length", kUnitHint, {}, ukFT3FT_1, true},
};
const TRadioItemDef kTimeItems[] = {
    {mAll, "mniminutes", "&min   minutes", kUnitHint, {}, ukMinutes, false},
    {mAll, "mnihours", "&hr     hours", kUnitHint, {}, ukHours, false},
};
const TRadioItemDef kInfiltrationItems[] = {
    {mAll, "mniModifiedSCSfamilies", "&Modified SCS families", "SCS | Select modified SCS intake family mode",
     {1110, 2210, 3310}, itIntakeFamily, false},
    {mBasin, "mniTimeratedfamilies", "&Time-rated families", "Time-rated | Select time-rated intake family mode",
     {1120, 0, 0}, itTimeRated, false},
    {mBasin | mBorder, "mniKostiakovequation", "&Kostiakov equation", "Kostiakov | Select Kostiakov-Lewis equation mode",
     {1130, 2220, 0}, itKostiakov, false},
    {mFurrow, "mniKostiakovequation", "Kostiakov equation", "Kostiakov | Select Kostiakov-Lewis equation mode",
     {0, 0, 3320}, itKostiakov, false},
    {mFurrow, "mniFieldData", "&Field data", "Field data | Select Field data to use actual values", {0, 0, 3330},
     itFieldData, false},
};
const TRadioItemDef kOperationItems[] = {
    {mBorder, "mniFixedFlow", "&Fixed flow", "Fixed Flow | Select Fixed flow operation", {0, 2110, 0}, okFixedFlow,
     false},
    {mFurrow, "mniFixedFlow", "&Fixed flow", "Operation | Select fixed flow operation", {0, 0, 3110}, okFixedFlow,
     false},
    {mBorder | mFurrow, "mniCutbackFlow", "&Cutback flow", "Operation | Select cutback flow operation",
     {0, 2120, 3120}, okCutbackFlow, false},
    {mBorder | mFurrow, "mniTailwaterReuse", "&Tailwater reuse", "Operation | Select reuse of tailwater",
     {0, 2130, 3130}, okTailwaterReuse, false},
};
const TRadioItemDef kShapeItems[] = {
    {mFurrow, "mniTriangular", "&Triangular cross-section", "Triangular | Select triangular cross-section",
     {0, 0, 3411}, csTriangular, false},
    {mFurrow, "mniParabolic", "&Parabolic cross-section", "Parabolic | Select parabolic cross-section",
     {0, 0, 3412}, csParabolic, false},
    {mFurrow, "mniTrapezoidal", "T&rapezoidal cross-section", "Trapezoidal | Select trapezoidal cross-section",
     {0, 0, 3413}, csTrapezoidal, false},
};

// The submenus that hold the radio items, and the furrow's Sigma & Tau item, with their
// help contexts (0: none).
const TMenuItemDef kFlowMenu = {"mniFlowrate", "&Flow rate", "Unit | Select unit for flow rate", 0, 0};
const TMenuItemDef kLengthMenu = {"mniLength", "&Length", "Length | Select unit for length and width", 0, 0};
const TMenuItemDef kDepthMenu = {"mniDepth", "&Depth", "Depth | Select unit for depth", 0, 0};
const char *const kAmountDepthCaption = "&Amount/Depth";  // the furrow's depth menu
const TMenuItemDef kTimeMenu = {"mniTime", "&Time", "Time | Select unit for time", 0, 0};
const TMenuItemDef kGeometryMenu = {"mniGeometry", "&Geometry", "Geometry | Select geometry option", 3400, 0};
const TMenuItemDef kCrossSectionMenu = {"mniCrossSection", "&Cross-section type",
                                        "Cross-section | Select cross-section mode", 3410, 32};
const TMenuItemDef kSigmaTauItem = {"mniSigma_Tau", "&Sigma && Tau", "Sigma & Tau | Select Sigma & Tau mode", 3420,
                                    32};
const TMenuItemDef kParametersInfiltrationMenu = {"mniParametersInfiltration", "&Infiltration",
                                                  "Infiltration | Select infiltration option", 3300, 0};

const char *const kValue = "Value";

}  // namespace

bool TfrmDesignWindow::CheckWithin(QAction *sender, const std::vector<TRadioMenuGroup *> &groups)
{
    for (TRadioMenuGroup *group : groups) {
        if (group->Contains(sender)) {
            group->Check(sender);
            return true;
        }
    }
    return false;
}

int TfrmDesignWindow::ItemValue(const QAction *item) { return item ? item->property(kValue).toInt() : 0; }

void TfrmDesignWindow::BuildOptionMenus()
{
    const TIrrigationModule module = FTraits.Module;
    const unsigned mask = MaskOf(module);
    // Adds the window's rows of a table to a menu as radio items of one group; the first
    // is checked.
    auto addItems = [&](QMenu *menu, TRadioMenuGroup &group, const auto &rows) {
        for (const TRadioItemDef &row : rows) {
            if (!(row.Modules & mask))
                continue;
            QAction *item = AddMenuItem(menu, {row.Name, row.Caption, row.Hint, row.HelpContext[module],
                                               group.GroupIndex()});
            item->setProperty(kValue, row.Value);
            item->setVisible(!row.Hidden);
            group.Add(item);
        }
        group.Check(group.Items().front());
    };

    QMenu *flow = AddSubMenu(FUnitsMenu, kFlowMenu);
    addItems(flow, FFlowGroup, kFlowItems);
    QMenu *length = AddSubMenu(FUnitsMenu, kLengthMenu);
    addItems(length, FLengthGroup, kLengthItems);
    TMenuItemDef depthMenu = kDepthMenu;
    if (module == imFurrow)
        depthMenu.Caption = kAmountDepthCaption;
    QMenu *depth = AddSubMenu(FUnitsMenu, depthMenu);
    addItems(depth, FDepthGroup, kDepthItems);
    QMenu *time = AddSubMenu(FUnitsMenu, kTimeMenu);
    addItems(time, FTimeGroup, kTimeItems);

    QMenu *infiltration = FInfiltrationMenu;
    if (FParametersMenu) {
        QMenu *geometry = AddSubMenu(FParametersMenu, kGeometryMenu);
        QMenu *crossSection = AddSubMenu(geometry, kCrossSectionMenu);
        mniCrossSection = crossSection->menuAction();
        mniCrossSection->setProperty(kValue, fgCrossSectionShape);
        FGeometryGroup.Add(mniCrossSection);
        mniSigma_Tau = AddMenuItem(geometry, kSigmaTauItem);
        mniSigma_Tau->setProperty(kValue, fgShapeCoefficients);
        FGeometryGroup.Add(mniSigma_Tau);
        FGeometryGroup.Check(mniCrossSection);
        addItems(crossSection, FCrossSectionGroup, kShapeItems);
        // Opening the shapes selects the cross-section geometry, whether a shape is picked or not.
        connect(crossSection, &QMenu::aboutToShow, this, [this] { Step([this] { RadioGroupClick(mniCrossSection); }); });
        infiltration = AddSubMenu(FParametersMenu, kParametersInfiltrationMenu);
    }
    addItems(infiltration, FInfiltrationGroup, kInfiltrationItems);
    if (FOperationMenu)
        addItems(FOperationMenu, FOperationGroup, kOperationItems);

    auto find = [this](const char *name) { return findChild<QAction *>(name); };
    mnilitrespersecond = find("mnilitrespersecond");
    mnicubicmetresperminute = find("mnicubicmetresperminute");
    mnicubicfeetpersecond = find("mnicubicfeetpersecond");
    mniUSgallonsperminute = find("mniUSgallonsperminute");
    mnimeters = find("mnimeters");
    mnifeet = find("mnifeet");
    mnimillimetres = find("mnimillimetres");
    mnicentimeters = find("mnicentimeters");
    mniinches = find("mniinches");
    mniCubicMetre = find("mniCubicMetre");
    mniCubicFeet = find("mniCubicFeet");
    mniminutes = find("mniminutes");
    mnihours = find("mnihours");
    mniModifiedSCSfamilies = find("mniModifiedSCSfamilies");
    mniTimeratedfamilies = find("mniTimeratedfamilies");
    mniKostiakovequation = find("mniKostiakovequation");
    mniFieldData = find("mniFieldData");
    mniFixedFlow = find("mniFixedFlow");
    mniCutbackFlow = find("mniCutbackFlow");
    mniTailwaterReuse = find("mniTailwaterReuse");
    mniTriangular = find("mniTriangular");
    mniParabolic = find("mniParabolic");
    mniTrapezoidal = find("mniTrapezoidal");

    // What FOldChecks remembers, in its order: the unit items, then the furrow's amount items,
    // then infiltration (basin, border: after the units; furrow: after the amounts), then the
    // operation items.
    for (QAction *item : {mnilitrespersecond, mnicubicmetresperminute, mnicubicfeetpersecond, mniUSgallonsperminute,
                          mnimeters, mnifeet, mnimillimetres, mnicentimeters, mniinches, mniminutes, mnihours,
                          mniCubicMetre, mniCubicFeet})
        if (item)
            FOldCheckItems.push_back(item);
    for (QAction *item : FInfiltrationGroup.Items())
        FOldCheckItems.push_back(item);
    for (QAction *item : FOperationGroup.Items())
        FOldCheckItems.push_back(item);
    FOldChecks.assign(FOldCheckItems.size(), false);

    for (TRadioMenuGroup *group :
         {&FFlowGroup, &FLengthGroup, &FDepthGroup, &FTimeGroup, &FOperationGroup, &FGeometryGroup, &FCrossSectionGroup})
        for (QAction *item : group->Items())
            if (item != mniCrossSection)
                connect(item, &QAction::triggered, this, [this, item] { Step([this, item] { RadioGroupClick(item); }); });
    for (QAction *item : FInfiltrationGroup.Items())
        connect(item, &QAction::triggered, this,
                [this, item] { Step([this, item] { RadioGroupInfiltrationClick(item); }); });
}

void TfrmDesignWindow::RadioGroupInfiltrationClick(QAction *Sender) { RadioGroupClick(Sender); }

void TfrmDesignWindow::RememberChecks(const std::vector<TRadioMenuGroup *> &groups)
{
    for (TRadioMenuGroup *group : groups) {
        for (std::size_t i = 0; i < FOldCheckItems.size(); ++i) {
            if (group->Contains(FOldCheckItems[i]))
                FOldChecks[i] = FOldCheckItems[i] == group->CheckedBefore();
        }
    }
}

QAction *TfrmDesignWindow::OldChecked(const TRadioMenuGroup &group) const
{
    for (QAction *item : group.Items()) {
        for (std::size_t i = 0; i < FOldCheckItems.size(); ++i) {
            if (FOldCheckItems[i] == item && FOldChecks[i])
                return item;
        }
    }
    return nullptr;
}

void TfrmDesignWindow::TakeOverUnits(TIrrigationRun *from, TIrrigationRun *to)
{
    if (!from || !to || !from->GetParameters() || !to->GetParameters())
        return;
    std::unique_ptr<TIterator> source(from->GetParameters()->CreateParameterIterator());
    std::unique_ptr<TIterator> target(to->GetParameters()->CreateParameterIterator());
    while (!source->IsDone() && !target->IsDone()) {
        auto *a = dynamic_cast<TParameter *>(source->Next());
        auto *b = dynamic_cast<TParameter *>(target->Next());
        if (!a || !b || !a->GetUnit())
            continue;
        // The limits come from the settings file in the settings' unit; a value that holds
        // its own terms (k, the shape coefficients) was copied in the previous run's unit,
        // and its limits must stand in that unit too.
        if (b->GetUnit())
            ReexpressLimits(*to, *b, b->GetUnit()->Kind(), a->GetUnit()->Kind());
        b->SetUnit(a->GetUnit());
    }
}

std::vector<TUnitKind> TfrmDesignWindow::GroupKinds(const TRadioMenuGroup &group)
{
    std::vector<TUnitKind> kinds;
    for (QAction *item : group.Items())
        kinds.push_back(static_cast<TUnitKind>(ItemValue(item)));
    return kinds;
}

TUnitKind TfrmDesignWindow::CheckedKind(const TRadioMenuGroup &group, TUnitKind none)
{
    return static_cast<TUnitKind>(CheckedValue(group, none));
}

int TfrmDesignWindow::CheckedValue(const TRadioMenuGroup &group, int none)
{
    QAction *checked = group.Checked();
    return checked ? ItemValue(checked) : none;
}

bool TfrmDesignWindow::ItemChecked(const char *name) const
{
    const auto *item = name ? findChild<QAction *>(name) : nullptr;
    return item && item->isChecked();
}

void TfrmDesignWindow::RepointSlopingFieldUnits(TIrrigationRun &run)
{
    const TUnitKind length = CheckedKind(FLengthGroup, ukMeters);
    RepointKinds(run, GroupKinds(FFlowGroup), CheckedKind(FFlowGroup, ukLS_1));
    RepointKinds(run, GroupKinds(FLengthGroup), length);
    RepointKinds(run, {ukMM_1, ukFTFT_1}, length == ukFeet ? ukFTFT_1 : ukMM_1);
    RepointKinds(run, GroupKinds(FDepthGroup), CheckedKind(FDepthGroup, ukMM));
    RepointKinds(run, GroupKinds(FTimeGroup), CheckedKind(FTimeGroup, ukMinutes));
}

void TfrmDesignWindow::UpdateSlopingFieldInfiltration()
{
    TIrrigationRun *run = CurrentRun();
    if (!run)
        return;
    TParameters *parameters = run->GetParameters();
    if (TParameter *scs = parameters->FindParameter("SCS #"))
        run->GetInfiltration()->SetSCSNumber(scs->GetValue());

    TParameter *k = parameters->FindParameter("Kostiakovk");
    TParameter *a = parameters->FindParameter("KostiakovA");
    if (!k || !a || !k->GetUnit())
        return;
    const TUnitKind target = KostiakovKind(CheckedKind(FDepthGroup, ukMM), CheckedKind(FTimeGroup, ukMinutes));
    const TUnitKind source = k->GetUnit()->Kind();
    TUnit *targetUnit = run->GetUnits() ? run->GetUnits()->GetUnit(target) : nullptr;
    TBoundary *limits = k->Boundary();
    TKostiakovK value{k->GetValue(), limits ? limits->Lower() : 0.0, limits ? limits->Upper() : 0.0};
    // A k in a unit that is no k unit stays as it is.
    if (source == target || !targetUnit || !ReexpressKostiakovK(value, source, target, a->GetValue()))
        return;
    k->SetDisplayValueAndUnit(value.Value, targetUnit);
    if (limits) {
        limits->SetLower(value.Lower);
        limits->SetUpper(value.Upper);
    }
}
