#include "uIrrigationManager.h"

#include "uPondix.h"
#include "uRillox.h"
#include "uStriva.h"

std::unique_ptr<TIrrigationFormatter> TIrrigationManager::CreateFormatter(TIrrigationModule Module) const
{
    switch (Module) {
    case imBasin: return std::make_unique<TPondix>();
    case imBorder: return std::make_unique<TStriva>();
    case imFurrow: return std::make_unique<TRillox>();
    default: return nullptr;
    }
}
