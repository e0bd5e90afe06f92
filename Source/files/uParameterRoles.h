#ifndef IRRIKA_FILES_UPARAMETERROLES_H
#define IRRIKA_FILES_UPARAMETERROLES_H

// A run file stores values, not roles. These tables give a loaded run's parameters back
// the categories and active flags that its input screen and its calculation gave them,
// chosen by the run's infiltration type, mode and options; the results are those the
// results box lists (uResultNames.h).

#include "uIrrigationTypes.h"

#include <vector>

class TIrrigationRun;

using TNames = std::vector<const char *>;

// Inputs chosen by one value of a setting (infiltration type, or furrow shape).
struct TKeyedInputs {
    int Key;
    int SecondKey;  // the furrow's "CrossSection"; kAnyKey matches every value
    TNames Inputs;
};
inline constexpr int kAnyKey = -1;

// The inputs of a calculation mode; the operation columns apply to the border and furrow
// only ("Operation" 2 cutback, 3 tailwater reuse).
struct TModeRoles {
    int Mode;
    TNames Inputs;
    TNames InputsCutback;
    TNames InputsReuse;
};

struct TParameterRoles {
    TIrrigationModule Module;            // whose results the mode's results are
    TNames AlwaysInputs;
    bool HasShape;                       // furrow: "Geometry" and "CrossSection" pick Shapes
    std::vector<TKeyedInputs> Shapes;
    std::vector<TKeyedInputs> ByInfiltration;
    bool HasOperation;                   // border, furrow: "Operation" picks the op columns
    std::vector<TModeRoles> ByMode;
};

const TParameterRoles &BasinRoles();
const TParameterRoles &BorderRoles();
const TParameterRoles &FurrowRoles();

// Makes every parameter that the tables name for this run active, as input (category 0)
// or result (1); the others keep their flags. Nothing happens without a run.
void ApplyParameterRoles(const TParameterRoles &roles, TIrrigationRun *run);

#endif
