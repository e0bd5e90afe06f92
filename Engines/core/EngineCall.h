#ifndef IRRIKA_ENGINE_CALL_H
#define IRRIKA_ENGINE_CALL_H

// The guard around every engine's IrrikaInfo: the record is solved on a copy, no exception
// leaves the library, and a result with a non-finite number is turned into an error, so the
// caller's record changes only after a clean solve (or in its ErrorCode).

#include "IrrikaInfoRecord.h"

namespace hydraulics {

bool recordIsFinite(const TIrrikaInfoRecord &r);

// Fills rows 0..lastRow of a profile at x = i L / lastRow; later rows stay 0.
template <class F>
void fillProfile(double (&row)[kProfilePoints], int lastRow, double length, F valueAt)
{
    for (int i = 0; i < kProfilePoints; ++i)
        row[i] = i <= lastRow ? valueAt(i * length / lastRow) : 0.0;
}

template <class Solve>
void guardedCall(TIrrikaInfoRecord *record, Solve solve)
{
    if (!record) return;
    try {
        TIrrikaInfoRecord work = *record;
        work.ErrorCode = 0;
        work.WarningCode = 0;
        solve(work);
        if (work.ErrorCode == 0 && !recordIsFinite(work)) work.ErrorCode = kEngineInternalError;
        if (work.ErrorCode == 0) {
            *record = work;
        } else {
            record->ErrorCode = work.ErrorCode;
            record->WarningCode = 0;
        }
    } catch (...) {
        record->ErrorCode = kEngineInternalError;
    }
}

}  // namespace hydraulics

#endif
