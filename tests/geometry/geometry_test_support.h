#pragma once

#include "geometry/projection.h"
#include "geometry/space_point.h"
#include "geometry/transform_matrix.h"

#include <cmath>
#include <cstdint>

// The scene matrix as the renderer composes it: scale, the two rotations and,
// when asked, perspective.
inline TTransformMatrix SceneMatrix(
    long double xAngle, long double yAngle, bool perspective, long double scale = 0.05L)
{
    TTransformMatrix m;
    m.Identity();
    m.SetScale(scale);
    m.RotateX(xAngle);
    m.RotateY(yAngle);
    if (perspective)
        m.Multiply(TTransformMatrix::Perspective());
    return m;
}

// The row vector (x, y, z, 1) times M, written out in full, then the division by
// the fourth column and rounding halves to even.
struct TReference {
    long double X, Y, W;
};

inline TReference DirectProduct(const TTransformMatrix& matrix, const TSpacePoint& p)
{
    const long double v[4] = { p.X, p.Y, p.Z, 1.0L };
    long double out[4];
    for (int j = 0; j < 4; ++j) {
        long double sum = 0.0L;
        for (int k = 0; k < 4; ++k)
            sum = k == 0 ? v[k] * matrix.M()[k][j] : sum + v[k] * matrix.M()[k][j];
        out[j] = sum;
    }
    return { out[0] / out[3], out[1] / out[3], out[3] };
}

inline TScreenPoint RoundedProduct(const TTransformMatrix& matrix, const TSpacePoint& p)
{
    const TReference r = DirectProduct(matrix, p);
    if (r.W <= 0.0L)
        return BehindEye;
    return { static_cast<std::int32_t>(std::nearbyint(r.X)),
        static_cast<std::int32_t>(std::nearbyint(r.Y)) };
}
