#ifndef IRRIKA_ENGINE_ENGINELIBRARIES_H
#define IRRIKA_ENGINE_ENGINELIBRARIES_H

// The three engine libraries all export the same name, IrrikaInfo, which plain linking
// cannot import three times (the first definition would serve all three). So the program
// loads each library on its own at start-up, keeps its symbols local to it, and the
// bindings call the entry point of their module from here.

#include "IrrikaInfoRecord.h"

#include <string>

// Module numbers as the bindings use them: 0 basin, 1 border, 2 furrow.
inline constexpr int kEngineModules = 3;

// The file name of a module's engine library ("libPondix.so", "libStriva.so", "libRillox.so").
const char *EngineLibraryName(int module);

// Loads the three libraries from folder (with a trailing '/'), each with its own symbol
// scope, and takes their IrrikaInfo. False at the first library that fails, with a text
// for the user that names the library and the loader's reason.
bool LoadEngineLibraries(const std::string &folder, std::string &failure);

// The module's entry point: the loaded library's, or what a test put in its place;
// nullptr before loading and for a module number outside 0..2.
TIrrikaInfoProc EngineEntryPoint(int module);

// Tests only: puts proc in place of the module's entry point; returns the one it replaces.
TIrrikaInfoProc SetEngineEntryPoint(int module, TIrrikaInfoProc proc);

#endif
