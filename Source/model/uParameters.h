#ifndef IRRIKA_MODEL_UPARAMETERS_H
#define IRRIKA_MODEL_UPARAMETERS_H

// The parameter set of one run: owns its parameters and result curves, in the order added
// (the settings reader's row order, the same for every run of a module), and finds them by
// name ignoring letter case. Names are unique; a lookup returns the first match.

#include "ConcreteCollections.h"
#include "uParameter.h"
#include "uParameterArray.h"

#include <memory>
#include <string>

class TParameters : public TRootObject {
public:
    TParameters() = default;

    // The set takes ownership; 0 on success.
    int AddParameter(std::unique_ptr<TParameter> parameter);
    int AddArray(std::unique_ptr<TParameterArray> array);

    // nullptr and the plain message "Can't find <name> parameter" when no parameter has it.
    TParameter *FindParameter(const std::string &name);
    // nullptr, silently, when no curve has it.
    TParameterArray *FindArray(const std::string &name);

    // Iterators in list order; the caller frees them.
    std::unique_ptr<TIterator> CreateParameterIterator();
    std::unique_ptr<TIterator> CreateArrayIterator();

    // Clears every parameter's active flag before a screen marks its own set-up.
    void ResetActive();

private:
    TAggregationList FParameters;
    TAggregationList FArrays;
};

#endif
