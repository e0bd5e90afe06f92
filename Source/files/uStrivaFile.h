#ifndef IRRIKA_FILES_USTRIVAFILE_H
#define IRRIKA_FILES_USTRIVAFILE_H

// The border run file; its lines differ from the other modules' only by its layout row.

#include "uRunFile.h"

class TIrrigationRun;

class TStrivaFile : public TRunFile {
public:
    TStrivaFile();
};

namespace uStrivaFile {
// Gives a loaded border run back the roles of its set-up (infiltration, mode, options).
void RestoreParameterCategories(TIrrigationRun *run);
}  // namespace uStrivaFile

#endif
