#ifndef IRRIKA_FRONTDEFICIT_H
#define IRRIKA_FRONTDEFICIT_H

// The storage missing behind a zero-inertia front, against the normal depth all the way to it.
// Behind a front moving at speed c the flow is Q = min(Q_u, c A): the profile translates until
// it carries the flow Q_u that reaches it. With eta = y / y_n(Q_u), a = A / A_n = eta^sigma2,
// xi = s S0 / y_n (s upstream from the front) and r = c / v_n (v_n = Q_u / A_n):
//   d eta / d xi = min(1, r a)^2 a^(-2m) - 1.
// r = 1 is the traveling wave of a steep field, r > 1 the faster front of a near-level one,
// whose profile stays below the normal depth over the whole field like a level basin's.
// The deficit over a front zone of length X (in y_n / S0) is integral_0^X (1 - a) d xi, in
// units of A_n y_n / S0.

#include <cstddef>
#include <vector>

namespace hydraulics {

class FrontDeficit {
public:
    // m: rating exponent (Q ~ A^m), sigma2: A ~ y^sigma2.
    FrontDeficit(double m, double sigma2);

    // The deficit over length X at front speed ratio r (taken 1 when slower).
    double at(double length, double speedRatio) const;

private:
    struct Profile {
        std::vector<double> xi, deficit;  // empty until first asked for
        double at(double length) const;
    };
    const Profile &profile(std::size_t k) const;

    struct Step {
        double dv, eta, logA, a;  // a = eta^sigma2
    };
    double m_;
    std::vector<Step> steps_;  // the integration's steps, from the front
    // At even steps of 1 / r from 1 (r = 1) to 0 (r infinite), each integrated when first
    // needed: a run reads only the few its fronts move at.
    mutable std::vector<Profile> profiles_;
};

}  // namespace hydraulics

#endif
