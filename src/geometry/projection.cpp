#include "geometry/projection.h"

namespace {
// The loop of ProjectPoints. Scene matrices never translate (row 3 is 0 but for
// the scale), and adding a zero changes no rounded result, so that case skips two
// of the fifteen 80-bit loads each point costs.
template <bool Translates>
int projectPoints(const TTransformMatrix& matrix, const TSpacePoint* source, int count, int stride,
    TScreenPoint* screen)
{
    // The elements live in locals so that the loop does not reload them through the
    // reference after every store into screen.
    const auto& e = matrix.M();
    const long double m00 = e[0][0], m01 = e[0][1], m03 = e[0][3];
    const long double m10 = e[1][0], m11 = e[1][1], m13 = e[1][3];
    const long double m20 = e[2][0], m21 = e[2][1], m23 = e[2][3];
    const long double m30 = e[3][0], m31 = e[3][1], m33 = e[3][3];

    TScreenPoint last { 0, 0 };
    int taken = 0;
    for (std::int64_t i = 0; i < count; i += stride) {
        const TSpacePoint& p = source[i];
        const long double w = p.X * m03 + p.Y * m13 + p.Z * m23 + m33;
        long double x = p.X * m00 + p.Y * m10 + p.Z * m20;
        long double y = p.X * m01 + p.Y * m11 + p.Z * m21;
        if constexpr (Translates) {
            x += m30;
            y += m31;
        }
        std::int64_t screenX = 0, screenY = 0;
        if (w <= 0.0L) [[unlikely]]
            last = BehindEye;
        else if (RoundToInt64(x / w, screenX) && RoundToInt64(y / w, screenY)) [[likely]] {
            last.X = static_cast<std::int32_t>(std::clamp(screenX, -ScreenLimit, ScreenLimit));
            last.Y = static_cast<std::int32_t>(std::clamp(screenY, -ScreenLimit, ScreenLimit));
        }
        screen[taken++] = last;
    }
    return taken;
}
}

int ProjectPoints(const TTransformMatrix& matrix, const TSpacePoint* source, int count, int stride,
    TScreenPoint* screen)
{
    if (matrix.M()[3][0] == 0.0L && matrix.M()[3][1] == 0.0L)
        return projectPoints<false>(matrix, source, count, stride, screen);
    return projectPoints<true>(matrix, source, count, stride, screen);
}
