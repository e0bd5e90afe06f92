// A minimal engine library for the start-up loader's tests. Built with another
// TEST_ENGINE_MARK under each engine file name; Mark() has the same name in all of them, so a
// loader that shares symbols between the libraries makes them answer each other's mark.
#include "IrrikaInfoRecord.h"

int Mark() { return TEST_ENGINE_MARK; }

#ifndef TEST_ENGINE_WITHOUT_ENTRY
extern "C" void IrrikaInfo(TIrrikaInfoRecord *record) { record->WarningCode = Mark(); }
#endif
