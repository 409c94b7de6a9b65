#pragma once

#include "base/rounding.h"
#include "geometry/space_point.h"
#include "geometry/transform_matrix.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

// Screen offsets are clamped to +-2^30, a range in which the drawing layer can
// add the scene origin and compute line slopes without overflow.
inline constexpr std::int64_t ScreenLimit = std::int64_t { 1 } << 30;

// The screen slot of a point at or behind the eye (divisor w <= 0): an X no projected
// point can have, since projected offsets stay within +-ScreenLimit. Such a point is not
// drawn, and no line joins it.
inline constexpr TScreenPoint BehindEye { std::numeric_limits<std::int32_t>::min(), 0 };
inline bool Drawable(const TScreenPoint& p) { return p.X != BehindEye.X; }

// Projects p with m: w = x*M[0][3] + y*M[1][3] + z*M[2][3] + M[3][3], X and Y the
// first two columns divided by w, each rounded halves to even and clamped to
// +-ScreenLimit. False, leaving screen alone, when w is 0 or a coordinate is not a
// number or rounds outside the 64-bit range, or when the point is at or behind the
// eye (w <= 0).
inline bool ProjectPoint(const TTransformMatrix& m, const TSpacePoint& p, TScreenPoint& screen)
{
    const auto& e = m.M();
    const long double w = p.X * e[0][3] + p.Y * e[1][3] + p.Z * e[2][3] + e[3][3];
    if (w <= 0.0L) [[unlikely]]
        return false;
    std::int64_t x = 0, y = 0;
    if (!RoundToInt64((p.X * e[0][0] + p.Y * e[1][0] + p.Z * e[2][0] + e[3][0]) / w, x)
        || !RoundToInt64((p.X * e[0][1] + p.Y * e[1][1] + p.Z * e[2][1] + e[3][1]) / w, y))
        [[unlikely]]
        return false;
    screen.X = static_cast<std::int32_t>(std::clamp(x, -ScreenLimit, ScreenLimit));
    screen.Y = static_cast<std::int32_t>(std::clamp(y, -ScreenLimit, ScreenLimit));
    return true;
}

// A list of at least this many taken points per core is projected on several cores.
inline constexpr std::int64_t ProjectionBlockMinimum = 32768;

// Projects source[0], source[stride], source[2*stride], ... below count into
// screen[0], screen[1], ... and returns how many were written. A point at or behind
// the eye gets BehindEye; any other point that does not project (a coordinate not a
// number or out of range) repeats the screen slot before it (the origin for the
// first), so every taken point has its slot. stride must be at least 1.
int ProjectPoints(const TTransformMatrix& m, const TSpacePoint* source, int count, int stride,
    TScreenPoint* screen);
