// The storage missing behind a zero-inertia front: a fast front of a near-level field keeps
// the level basin's profile, a front at the normal speed the traveling wave's.

#include "FrontDeficit.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace hydraulics;

namespace {

// Sheet flow under Manning: Q ~ A^(5/3), A = y.
const double kM = 5.0 / 3.0, kSigma2 = 1.0;

}  // namespace

TEST(FrontDeficit, CloseToTheFrontTheProfileIsTheLevelBasinFront)
{
    // Where the flow is still c A all the way (r a < 1) and the front is fast (r^2 eta^(-q)
    // >> 1), d eta / d xi = r^2 eta^(-q) with q = 2 sigma2 (m - 1), so
    // eta = ((q + 1) r^2 xi)^(1 / (q + 1)) and the area held over the length X is
    // X (q + 1) / (q + 2) of the area at X.
    const FrontDeficit deficit(kM, kSigma2);
    const double q = 2.0 * kSigma2 * (kM - 1.0);
    for (const double r : {2.0, 3.0}) {
        for (const double length : {0.001, 0.002}) {
            SCOPED_TRACE(testing::Message() << "r " << r << ", X " << length);
            const double edge = std::pow((q + 1.0) * r * r * length, 1.0 / (q + 1.0));
            ASSERT_LT(r * edge, 1.0);
            const double held = length * edge * (q + 1.0) / (q + 2.0);
            EXPECT_NEAR(length - deficit.at(length, r), held, 0.03 * held);
        }
    }
}

TEST(FrontDeficit, AFasterFrontLeavesLessMissingAndNothingIsMissingTwice)
{
    const FrontDeficit deficit(kM, kSigma2);
    double lastLong = HUGE_VAL;
    for (const double r : {0.5, 1.0, 1.5, 3.0, 10.0, 1e6}) {
        double last = 0.0;
        for (const double length : {0.01, 0.1, 0.5, 2.0, 20.0}) {
            const double d = deficit.at(length, r);
            EXPECT_GE(d, last) << "longer fields miss at least as much, r " << r;
            EXPECT_LE(d, length) << "no more missing than the normal depth holds, r " << r;
            last = d;
        }
        // A slower front than the normal flow's is taken as the traveling wave (r = 1).
        if (r > 1.0) {
            EXPECT_LT(last, lastLong) << "r " << r;
        } else if (r < 1.0) {
            EXPECT_DOUBLE_EQ(last, deficit.at(20.0, 1.0));
        }
        lastLong = last;
    }
    // Far from the front the profile is at normal depth: the deficit stops growing.
    EXPECT_NEAR(deficit.at(20.0, 1.0), deficit.at(40.0, 1.0), 1e-6);
}
