#ifndef IRRIKA_TESTS_FAKEENGINE_H
#define IRRIKA_TESTS_FAKEENGINE_H

// Test double of an engine library behind the same entry point: it keeps a copy of the
// record it was called with, then lets the test answer by writing into the record. It
// takes the module's place for its lifetime.

#include "IrrikaInfoRecord.h"

#include <functional>

class FakeEngine {
public:
    explicit FakeEngine(int module);
    ~FakeEngine();
    FakeEngine(const FakeEngine &) = delete;
    FakeEngine &operator=(const FakeEngine &) = delete;

    // What the engine does with the record; by default nothing (success, no results).
    std::function<void(TIrrikaInfoRecord &)> Respond;

    int Calls() const { return calls_; }
    // The record as the binding handed it over, before Respond changed it.
    const TIrrikaInfoRecord &Received() const { return received_; }

private:
    static void Entry(TIrrikaInfoRecord *record);

    int module_;
    TIrrikaInfoProc previous_;
    int calls_ = 0;
    TIrrikaInfoRecord received_{};
};

#endif
