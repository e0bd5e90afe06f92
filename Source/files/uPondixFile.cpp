#include "uPondixFile.h"

#include "uParameterRoles.h"
#include "uRunFileLayout.h"

TPondixFile::TPondixFile() : TRunFile(PondixLayout()) {}

void uPondixFile::RestoreParameterCategories(TIrrigationRun *run) { ApplyParameterRoles(BasinRoles(), run); }
