#ifndef IRRIKA_INFILTRATION_H
#define IRRIKA_INFILTRATION_H

// Kostiakov-Lewis infiltration Z(tau) = k tau^a + f0 tau, tau in minutes. The unit of Z is
// the caller's: a depth for basins and borders, a volume per metre of furrow for furrows.

#include <optional>

namespace hydraulics {

struct KostiakovLewis {
    double a = 0.0;
    double k = 0.0;
    double f0 = 0.0;

    double depth(double tau) const;
    double rate(double tau) const;  // dZ/dtau, finite for tau > 0
    double depthIntegral(double tau) const;  // integral of Z from 0 to tau
    KostiakovLewis scaled(double factor) const { return {a, k * factor, f0 * factor}; }
    bool valid() const;  // 0 < a <= 1, k > 0, f0 >= 0, all finite
};

// Opportunity time at which Z reaches the given amount; nothing when it cannot within
// kMaxOpportunityTime.
const double kMaxOpportunityTime = 1.0e6;  // minutes, about two years
std::optional<double> opportunityTime(const KostiakovLewis &z, double amount);

// NRCS intake families (USDA-SCS 1974): Z(mm) = a tau^b + 6.985, refitted to Kostiakov-Lewis
// in millimetres. Family numbers between two rows interpolate the rows' a and b linearly.
// Nothing when the number lies outside 0.05 .. 2.0.
std::optional<KostiakovLewis> intakeFamilyMillimetres(double familyNumber);

// NRCS furrow method (USDA-SCS 1984): adjusted wetted perimeter in metres for a furrow
// flow in l/s, Manning n and slope.
double nrcsWettedPerimeter(double flowLitresPerSecond, double manningN, double slope);

}  // namespace hydraulics

#endif
