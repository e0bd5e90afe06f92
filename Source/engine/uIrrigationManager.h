#ifndef IRRIKA_ENGINE_UIRRIGATIONMANAGER_H
#define IRRIKA_ENGINE_UIRRIGATIONMANAGER_H

// The factory of the engine bindings. It keeps nothing of what it makes, so it may be freed
// before or after the bindings.

#include "Collection.h"
#include "uIrrigationFormatter.h"
#include "uIrrigationTypes.h"

#include <memory>

class TIrrigationManager : public TRootObject {
public:
    // 0 basin (TPondix), 1 border (TStriva), 2 furrow (TRillox); nothing for any other number.
    std::unique_ptr<TIrrigationFormatter> CreateFormatter(TIrrigationModule Module) const;
};

#endif
