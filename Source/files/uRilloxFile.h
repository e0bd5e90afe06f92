#ifndef IRRIKA_FILES_URILLOXFILE_H
#define IRRIKA_FILES_URILLOXFILE_H

// The furrow run file; its lines differ from the other modules' only by its layout row.

#include "uRunFile.h"

class TIrrigationRun;

class TRilloxFile : public TRunFile {
public:
    TRilloxFile();
};

namespace uRilloxFile {
// Gives a loaded furrow run back the roles of its set-up (infiltration, mode, options).
void RestoreParameterCategories(TIrrigationRun *run);
}  // namespace uRilloxFile

#endif
