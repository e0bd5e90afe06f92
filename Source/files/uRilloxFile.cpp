#include "uRilloxFile.h"

#include "uParameterRoles.h"
#include "uRunFileLayout.h"

TRilloxFile::TRilloxFile() : TRunFile(RilloxLayout()) {}

void uRilloxFile::RestoreParameterCategories(TIrrigationRun *run) { ApplyParameterRoles(FurrowRoles(), run); }
