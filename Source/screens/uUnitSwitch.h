#ifndef IRRIKA_SCREENS_UUNITSWITCH_H
#define IRRIKA_SCREENS_UUNITSWITCH_H

// The arithmetic of the unit menus: re-pointing a run's parameters to another unit of the
// same quantity, the rate units that the depth and time units ask for (k's are in
// uKostiakovUnits.h), and the furrow shape coefficients whose value depends on the length
// unit.

#include "uKostiakovUnits.h"
#include "uUnitKind.h"

#include <string>
#include <vector>

class TIrrigationRun;
class TParameter;

// Every parameter and curve of the run in one of these kinds (other than target) is
// re-pointed to the target kind; stored values stay.
void RepointKinds(TIrrigationRun &run, const std::vector<TUnitKind> &kinds, TUnitKind target);

// The intake-rate kind of a depth (or amount) unit per a time unit.
TUnitKind RateKind(TUnitKind depth, TUnitKind time);
// The velocity kind of a length unit per a time unit.
TUnitKind VelocityKind(TUnitKind length, TUnitKind time);

// The rate and velocity kinds that follow the unit menus.
const std::vector<TUnitKind> &DepthRateKinds();
const std::vector<TUnitKind> &AmountRateKinds();
const std::vector<TUnitKind> &VelocityKinds();

// Re-expresses the limits of a parameter, set in the unit of kind from, in the unit of kind
// to. Only k and the furrow shape coefficients hold their values in their own terms; every
// other parameter keeps its stored values in any unit of its quantity, and its limits too.
void ReexpressLimits(TIrrigationRun &run, TParameter &parameter, TUnitKind from, TUnitKind to);

// Moves "Sigma1" and "Tau1" of a furrow run to the metre or the foot basis. A coefficient
// already on that basis keeps its value (in metres its limits go back to 0.1 and 10);
// one on the other basis is rescaled with its exponent ("Sigma2", "Tau2") and re-pointed.
void MoveShapeCoefficients(TIrrigationRun &run, bool toFeet);

#endif
