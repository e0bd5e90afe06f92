#ifndef IRRIKA_SCREENS_UUNITSWITCH_H
#define IRRIKA_SCREENS_UUNITSWITCH_H

// The arithmetic of the unit menus: re-pointing a run's parameters to another unit of the
// same quantity, the k units that the depth and time units ask for, and the furrow shape
// coefficients whose value depends on the length unit.

#include "uKostiakovUnits.h"
#include "uUnitKind.h"

#include <string>
#include <vector>

class TIrrigationRun;

// Every parameter and curve of the run in one of these kinds (other than target) is
// re-pointed to the target kind; stored values stay.
void RepointKinds(TIrrigationRun &run, const std::vector<TUnitKind> &kinds, TUnitKind target);

// The k unit that a depth (or amount) unit and a time unit ask for.
TUnitKind KostiakovKind(TUnitKind depth, TUnitKind time);
// The intake-rate kind of a depth (or amount) unit per a time unit.
TUnitKind RateKind(TUnitKind depth, TUnitKind time);
// The velocity kind of a length unit per a time unit.
TUnitKind VelocityKind(TUnitKind length, TUnitKind time);

// The rate and velocity kinds that follow the unit menus.
const std::vector<TUnitKind> &DepthRateKinds();
const std::vector<TUnitKind> &AmountRateKinds();
const std::vector<TUnitKind> &VelocityKinds();

// What a value of the parameter in the unit of kind from is multiplied by to stand in the
// unit of kind to. Only k and the furrow shape coefficients hold their values in their own
// terms; every other parameter keeps its stored value in any unit of its quantity (1).
double OwnTermsRatio(TIrrigationRun &run, const std::string &name, TUnitKind from, TUnitKind to);

// Moves "Sigma1" and "Tau1" of a furrow run to the metre or the foot basis. A coefficient
// already on that basis keeps its value (in metres its limits go back to 0.1 and 10);
// one on the other basis is rescaled with its exponent ("Sigma2", "Tau2") and re-pointed.
void MoveShapeCoefficients(TIrrigationRun &run, bool toFeet);

#endif
