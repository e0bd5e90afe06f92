#ifndef IRRIKA_LEVEL_BASIN_H
#define IRRIKA_LEVEL_BASIN_H

// Surface storage of a level basin from the zero-inertia similarity solution without
// infiltration (after Strelkoff and Katopodes 1977): with Manning friction the front moves as
// x ~ q^(7/16) t^(13/16) n^(-3/8) and the inlet depth as y0 = (n^2 q^2 x / (c I^2))^(3/13),
// where I = V / (y0 x) is the surface shape factor. c and I come from integrating the
// similarity profile once.

namespace hydraulics {

struct LevelBasinSimilarity {
    double shapeFactor;  // I, surface volume / (inlet depth x advance distance)
    double c;            // n^2 K^3 / Y^(7/3) of the similarity variables
};

const LevelBasinSimilarity &levelBasinSimilarity();

// Surface storage per unit width c x^(1 + 3/13) for unit inflow q (m2/min) and Manning n (SI).
double levelBasinStorageCoeff(double unitInflowPerMinute, double manningN);
const double kLevelBasinStorageExp = 3.0 / 13.0;

}  // namespace hydraulics

#endif
