#pragma once

#include <functional>
#include <utility>
#include <vector>

// Adaptive Gauss-Kronrod integration in extended precision.
struct TIntegral {
    long double Value = 0;
    long double Error = 0; // a bound on the distance to the exact integral; infinite when unknown
    long double Magnitude = 0; // the integral of |f|, by the same rule
    bool Converged = false; // the error came within the tolerance asked for
};

// An integrand: false where it cannot be computed at v.
using TIntegrand = std::function<bool(long double v, long double& value)>;

// The sum of the integrals over pieces. The 15-point Kronrod rule is applied to
// each piece and the interval whose error (the distance to its 7-point Gauss
// rule, plus the rounding of the sums) is largest is halved, until the summed
// error is within relative of the value (or of the integral of |f| when the
// value is near 0) or maxIntervals intervals are in use. An interval holding a
// point f cannot compute keeps an infinite error.
TIntegral Integrate(const TIntegrand& f,
    const std::vector<std::pair<long double, long double>>& pieces, long double relative = 1e-14L,
    int maxIntervals = 4000);
