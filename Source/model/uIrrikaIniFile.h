#ifndef IRRIKA_MODEL_UIRRIKAINIFILE_H
#define IRRIKA_MODEL_UIRRIKAINIFILE_H

// The reader of a module's settings file next to the executable: the unit table once per
// data set, a fresh parameter set for every new run. The program never writes the file.

#include "Collection.h"
#include "uParameterDefinitions.h"
#include "uUnits.h"

#include <memory>
#include <string>

class TParameters;

class TIrrikaIniFile : public TRootObject {
public:
    // Modules other than 0, 1 and 2 leave the reader without file name: it then reads nothing.
    explicit TIrrikaIniFile(TIrrigationModule module);

    void SetModule(TIrrigationModule module) { FModule = module; }
    TIrrigationModule Module() const { return FModule; }
    // The bare file name, without folder.
    const std::string &FileName() const { return FFileName; }

    // A new unit table in file order, or nullptr when the file is missing (after the
    // module's message). A factor that is not a number, is 0 or has no finite inverse
    // raises and nothing is built. Units of no unit (kind Empty, or a name the program does
    // not know) get the factor 1 whatever their line says.
    std::unique_ptr<TUnits> ReadUnits() const;
    // Appends the module's whole parameter set with initial values and limits from the
    // file; the parameters refer to units of the given table. A missing file adds nothing.
    // An initial value that the parameter cannot hold (an option that is no 32-bit integer,
    // a value beyond the double range once stored or shown) gives the built-in default.
    void ReadParameters(const TUnits *units, TParameters &parameters) const;

    // The kind of a ConversionUnits name, ignoring letter case; an unknown name shows
    // "Cannot find correct Unit" with the name and gives Empty.
    static TUnitKind GetUnitKind(const std::string &name);

private:
    // The settings file's path, or empty after showing the module's missing-file message.
    std::string LocateFile() const;

    std::string FFileName;
    TIrrigationModule FModule = imBasin;
};

#endif
