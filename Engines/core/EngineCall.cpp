#include "EngineCall.h"

#include <cmath>
#include <cstring>

namespace hydraulics {

bool recordIsFinite(const TIrrikaInfoRecord &r)
{
    // Every double of the record, inputs included: an input echoed back is an output too.
    const unsigned char *bytes = reinterpret_cast<const unsigned char *>(&r);
    for (std::size_t off = offsetof(TIrrikaInfoRecord, KostiakovA); off < sizeof r; off += 8) {
        double v;
        std::memcpy(&v, bytes + off, sizeof v);
        if (!std::isfinite(v)) return false;
    }
    return true;
}

}  // namespace hydraulics
