#ifndef IRRIKA_TEST_ENGINE_LIBRARY_H
#define IRRIKA_TEST_ENGINE_LIBRARY_H

// Loads an engine library the way the program does, by default from the bin folder (the
// tests' working directory), and calls its entry point on a record.

#include "IrrikaInfoRecord.h"

#include <dlfcn.h>
#include <string>

class EngineLibrary {
public:
    // folder ends in '/'.
    explicit EngineLibrary(const std::string &name, const std::string &folder = "./")
    {
        handle_ = dlopen((folder + "lib" + name + ".so").c_str(), RTLD_NOW | RTLD_LOCAL);
        if (handle_) entry_ = reinterpret_cast<TIrrikaInfoProc>(dlsym(handle_, "IrrikaInfo"));
    }
    ~EngineLibrary()
    {
        if (handle_) dlclose(handle_);
    }
    EngineLibrary(const EngineLibrary &) = delete;
    EngineLibrary &operator=(const EngineLibrary &) = delete;

    bool loaded() const { return entry_ != nullptr; }
    TIrrikaInfoRecord call(TIrrikaInfoRecord r) const
    {
        entry_(&r);
        return r;
    }

private:
    void *handle_ = nullptr;
    TIrrikaInfoProc entry_ = nullptr;
};

#endif
