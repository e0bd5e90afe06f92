#include "EngineLibraries.h"

#include <dlfcn.h>

namespace {

const char *const kLibraryNames[kEngineModules] = {"libPondix.so", "libStriva.so", "libRillox.so"};

// The imported entry points; the libraries stay loaded until the process ends.
TIrrikaInfoProc entryPoints[kEngineModules] = {nullptr, nullptr, nullptr};

bool ValidModule(int module) { return module >= 0 && module < kEngineModules; }

std::string LoaderReason()
{
    const char *reason = dlerror();
    return reason ? reason : "unknown reason";
}

}  // namespace

const char *EngineLibraryName(int module) { return ValidModule(module) ? kLibraryNames[module] : ""; }

bool LoadEngineLibraries(const std::string &folder, std::string &failure)
{
    for (int module = 0; module < kEngineModules; ++module) {
        const std::string path = folder + kLibraryNames[module];
        dlerror();
        // RTLD_LOCAL: the same names in the three libraries must not bind to each other.
        void *library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!library) {
            failure = "Unable to load the engine library " + path + ":\n" + LoaderReason();
            return false;
        }
        void *symbol = dlsym(library, "IrrikaInfo");
        if (!symbol) {
            failure = "The engine library " + path + " has no entry point IrrikaInfo:\n" + LoaderReason();
            dlclose(library);
            return false;
        }
        entryPoints[module] = reinterpret_cast<TIrrikaInfoProc>(symbol);
    }
    failure.clear();
    return true;
}

TIrrikaInfoProc EngineEntryPoint(int module) { return ValidModule(module) ? entryPoints[module] : nullptr; }

TIrrikaInfoProc SetEngineEntryPoint(int module, TIrrikaInfoProc proc)
{
    if (!ValidModule(module))
        return nullptr;
    TIrrikaInfoProc previous = entryPoints[module];
    entryPoints[module] = proc;
    return previous;
}
