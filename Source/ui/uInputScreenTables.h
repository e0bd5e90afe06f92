#ifndef IRRIKA_UI_UINPUTSCREENTABLES_H
#define IRRIKA_UI_UINPUTSCREENTABLES_H

// What an input screen lists, as tables: the field parameters by module, infiltration
// option and furrow geometry, the decision variables by mode, and the operation ratios.
// Menu items are named as the windows name them.

#include "uIrrigationTypes.h"

#include <vector>

// Field parameters for one checked infiltration item.
struct TInfiltrationRow {
    TIrrigationModule Module;
    const char *Item;
    TInfiltrationType Type;
    int InfiltrationOption;  // the parameter "Infiltration"; 0 where the module has none
    const char *Title;
    std::vector<const char *> Parameters;
    bool PassesTimeRatedT100;
    bool OffersFlowResistance;
};

// The furrow's geometry rows: the first whose items are all checked applies.
struct TGeometryRow {
    const char *GeometryItem;
    const char *ShapeItem;  // nullptr: the geometry item alone decides
    TFurrowGeometry Geometry;
    TCrossSectionShape CrossSection;
    std::vector<const char *> Parameters;
};

struct TDecisionRow {
    const char *Item;
    TCalculationMode Mode;
    std::vector<const char *> Parameters[3];  // basin, border, furrow
    const char *StatusText;
};

struct TOperationRow {
    const char *Item;  // nullptr: fixed flow, whatever else is checked
    TOperationKind Operation;
    std::vector<const char *> Ratios;
    std::vector<const char *> DesignModeRatios;  // asked for in modes 1 and 2 only
};

const std::vector<TInfiltrationRow> &InfiltrationRows();
// The furrow's fields before the geometry's.
const std::vector<const char *> &FurrowFirstFields();
const std::vector<TGeometryRow> &GeometryRows();
const std::vector<TDecisionRow> &DecisionRows();
const std::vector<TOperationRow> &OperationRows();

#endif
