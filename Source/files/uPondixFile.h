#ifndef IRRIKA_FILES_UPONDIXFILE_H
#define IRRIKA_FILES_UPONDIXFILE_H

// The basin run file; its lines differ from the other modules' only by its layout row.

#include "uRunFile.h"

class TIrrigationRun;

class TPondixFile : public TRunFile {
public:
    TPondixFile();
};

namespace uPondixFile {
// Gives a loaded basin run back the roles of its set-up (infiltration, mode, options).
void RestoreParameterCategories(TIrrigationRun *run);
}  // namespace uPondixFile

#endif
