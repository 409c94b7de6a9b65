#include "geometry/projection.h"
#include "geometry/transform_matrix.h"
#include "geometry_test_support.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {
void expectNear(const TTransformMatrix& a, const TTransformMatrix& b, long double tolerance)
{
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            EXPECT_NEAR(static_cast<double>(a.M()[i][j]), static_cast<double>(b.M()[i][j]),
                static_cast<double>(tolerance))
                << "element [" << i << "][" << j << "]";
}

void expectEqual(const TTransformMatrix& a, const TTransformMatrix& b)
{
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            EXPECT_EQ(a.M()[i][j], b.M()[i][j]) << "element [" << i << "][" << j << "]";
}

TScreenPoint project(const TTransformMatrix& m, long double x, long double y, long double z)
{
    TScreenPoint s { -7, -7 };
    EXPECT_TRUE(ProjectPoint(m, { x, y, z, 1 }, s));
    return s;
}
}

TEST(TransformMatrix, IdentityScaleAndReset)
{
    TTransformMatrix m;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            EXPECT_EQ(m.M()[i][j], i == j ? 1.0L : 0.0L);
    m.SetScale(0.05L);
    EXPECT_EQ(m.M()[3][3], 0.05L);
    EXPECT_EQ(m.Scale(), 0.05L);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(m.M()[i][i], 1.0L);
    m.RotateX(33);
    m.Reset();
    expectEqual(m, TTransformMatrix());
    m.RotateY(12);
    m.Identity();
    expectEqual(m, TTransformMatrix());
}

TEST(TransformMatrix, RotationsAreProductsWithTheirMatrices)
{
    TTransformMatrix rx90;
    rx90.RotateX(90);
    EXPECT_NEAR(static_cast<double>(rx90.M()[1][2]), 1.0, 1e-18);
    EXPECT_NEAR(static_cast<double>(rx90.M()[2][1]), -1.0, 1e-18);
    EXPECT_NEAR(static_cast<double>(rx90.M()[1][1]), 0.0, 1e-18);

    // Rotating a general matrix equals multiplying it by the rotation built from
    // the identity, whose rows are those of Rx and Ry.
    for (long double angle : { 15.0L, -30.0L, 123.456L, 400.0L }) {
        SCOPED_TRACE(static_cast<double>(angle));
        const TTransformMatrix base = SceneMatrix(21, -47, true, 0.3L);
        TTransformMatrix rx, ry;
        rx.RotateX(angle);
        ry.RotateY(angle);
        const long double t = angle * Pi / 180.0L;
        EXPECT_EQ(rx.M()[1][1], std::cos(t));
        EXPECT_EQ(rx.M()[1][2], std::sin(t));
        EXPECT_EQ(rx.M()[2][1], -std::sin(t));
        EXPECT_EQ(ry.M()[0][2], std::sin(t));
        EXPECT_EQ(ry.M()[2][0], -std::sin(t));

        TTransformMatrix a = base, b = base;
        a.RotateX(angle);
        b.Multiply(rx);
        expectNear(a, b, 1e-17L);
        a = base;
        b = base;
        a.RotateY(angle);
        b.Multiply(ry);
        expectNear(a, b, 1e-17L);

        a = base;
        a.RotateX(angle);
        a.RotateX(-angle);
        expectNear(a, base, 1e-17L);
    }
}

TEST(TransformMatrix, MultiplyByItselfAndByIdentity)
{
    const TTransformMatrix base = SceneMatrix(15, 30, true);
    TTransformMatrix m = base;
    m.Multiply(TTransformMatrix());
    expectEqual(m, base);

    TTransformMatrix squared = base;
    squared.Multiply(squared);
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            long double sum = 0.0L;
            for (int k = 0; k < 4; ++k)
                sum += base.M()[i][k] * base.M()[k][j];
            EXPECT_EQ(squared.M()[i][j], sum) << i << "," << j;
        }
}

TEST(TransformMatrix, PerspectiveMatrix)
{
    const TTransformMatrix p = TTransformMatrix::Perspective();
    EXPECT_EQ(PerspectiveFactor(), -std::sqrt(3.0L) / 660.0L);
    EXPECT_NEAR(static_cast<double>(PerspectiveFactor()), -0.0026243194054073898, 1e-19);
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            const long double expected
                = i == 2 && j == 2 ? 0.0L : (i == 2 && j == 3 ? PerspectiveFactor() : i == j);
            EXPECT_EQ(p.M()[i][j], expected) << i << "," << j;
        }
    // Column 2 becomes 0 and column 3 takes c times the old column 2.
    const TTransformMatrix scene = SceneMatrix(15, 30, false);
    const TTransformMatrix withPerspective = SceneMatrix(15, 30, true);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(withPerspective.M()[i][2], 0.0L);
        EXPECT_EQ(
            withPerspective.M()[i][3], scene.M()[i][2] * PerspectiveFactor() + scene.M()[i][3]);
    }
}

TEST(TransformMatrix, ViewsAndPresetFigures)
{
    struct Row {
        long double xAngle, yAngle;
        bool perspective;
        long double x, y, z;
        int screenX, screenY;
    };
    const Row rows[] = {
        // The preset at 100 %, with and without perspective.
        { 15, 30, true, 8, 0, 0, 175, 0 },
        { 15, 30, false, 8, 0, 0, 139, 0 },
        { 15, 30, true, 0, 0, 8, -119, -64 },
        { 15, 30, false, 0, 0, 8, -77, -41 },
        { 15, 30, true, 0, 8, 0, -23, 171 },
        { 15, 30, false, 0, 8, 0, -21, 155 },
        // Top view: screen up is -z; side view: screen right is +z.
        { 90, 0, false, 0, 0, 1, 0, -20 },
        { 90, 0, false, 1, 0, 0, 20, 0 },
        { 0, -90, false, 0, 0, 1, 20, 0 },
        { 0, -90, false, 0, 1, 0, 0, 20 },
        // Front view: one unit is 20 pixels; perspective leaves the axis alone.
        { 0, 0, false, 1, 1, 0, 20, 20 },
        { 0, 0, true, 0, 0, 1, 0, 0 },
        { 0, 0, true, 1, 0, 1, 21, 0 },
        { 0, 0, false, 8, 0, 0, 160, 0 },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message()
            << static_cast<double>(row.xAngle) << "," << static_cast<double>(row.yAngle)
            << " persp " << row.perspective << " point " << static_cast<double>(row.x) << ","
            << static_cast<double>(row.y) << "," << static_cast<double>(row.z));
        const TTransformMatrix m = SceneMatrix(row.xAngle, row.yAngle, row.perspective);
        const TScreenPoint s = project(m, row.x, row.y, row.z);
        EXPECT_EQ(s.X, row.screenX);
        EXPECT_EQ(s.Y, row.screenY);
    }
    // The unrounded figure of (1, 0, 1) in the front view with perspective.
    const TReference r = DirectProduct(SceneMatrix(0, 0, true), { 1, 0, 1, 1 });
    EXPECT_NEAR(static_cast<double>(r.X), 1.0 / (0.05 - std::sqrt(3.0) / 660.0), 1e-12);
    EXPECT_NEAR(static_cast<double>(r.X), 21.1, 0.05);
}

TEST(Projection, RoundsHalvesToEven)
{
    struct Row {
        long double value;
        std::int64_t rounded;
    };
    const Row rows[] = { { 0.5L, 0 }, { 1.5L, 2 }, { 2.5L, 2 }, { -0.5L, 0 }, { -1.5L, -2 },
        { -2.5L, -2 }, { 2.4999L, 2 }, { -7.6L, -8 }, { 0x1p62L, std::int64_t { 1 } << 62 },
        { -0x1p63L, INT64_MIN } };
    for (const Row& row : rows) {
        std::int64_t result = 99;
        EXPECT_TRUE(RoundToInt64(row.value, result)) << static_cast<double>(row.value);
        EXPECT_EQ(result, row.rounded) << static_cast<double>(row.value);
        EXPECT_EQ(result, static_cast<std::int64_t>(std::nearbyint(row.value)));
    }
    std::int64_t result = 99;
    for (long double bad :
        { 0x1p63L, -0x1p64L, 1e300L, std::numeric_limits<long double>::quiet_NaN(),
            std::numeric_limits<long double>::infinity() }) {
        EXPECT_FALSE(RoundToInt64(bad, result)) << static_cast<double>(bad);
        EXPECT_EQ(result, 99);
    }
}

TEST(Projection, FailingPointLeavesTheScreenPointAlone)
{
    TTransformMatrix m;
    m.SetScale(0);
    TScreenPoint s { 5, 6 };
    EXPECT_FALSE(ProjectPoint(m, { 1, 2, 3, 1 }, s));
    EXPECT_EQ(s.X, 5);
    EXPECT_EQ(s.Y, 6);
    m.SetScale(1e-15L); // 1e15 pixels: inside the 64-bit range, clamped
    EXPECT_TRUE(ProjectPoint(m, { 1, -1, 0, 1 }, s));
    EXPECT_EQ(s.X, 1 << 30);
    EXPECT_EQ(s.Y, -(1 << 30));
}
