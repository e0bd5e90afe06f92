#ifndef IRRIKA_MODEL_UUNITS_H
#define IRRIKA_MODEL_UUNITS_H

// The data set's unit table, in settings-file order. It owns its units; parameters and
// parameter arrays only refer to them.

#include "ConcreteCollections.h"
#include "uUnit.h"

#include <memory>

class TUnits : public TRootObject {
public:
    TUnits() = default;

    // The table takes ownership; 0 on success.
    int Add(std::unique_ptr<TUnit> unit);
    // The first unit of the kind, or nullptr: a second unit of a kind is never found.
    TUnit *GetUnit(TUnitKind kind) const;
    // Walks the units in table order; the caller frees the iterator.
    std::unique_ptr<TIterator> CreateIterator();
    int Count() const { return FUnits.Count(); }

private:
    TAggregationList FUnits;
};

#endif
