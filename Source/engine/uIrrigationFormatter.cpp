#include "uIrrigationFormatter.h"

#include "uIrrigationDataSet.h"

TIrrigationFormatter::TIrrigationFormatter() = default;

// Out of line: the data set is complete only here.
TIrrigationFormatter::~TIrrigationFormatter() = default;
