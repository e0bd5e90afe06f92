#include "uStrivaFile.h"

#include "uParameterRoles.h"
#include "uRunFileLayout.h"

TStrivaFile::TStrivaFile() : TRunFile(StrivaLayout()) {}

void uStrivaFile::RestoreParameterCategories(TIrrigationRun *run) { ApplyParameterRoles(BorderRoles(), run); }
