#include "geometry/planes.h"
#include "geometry_test_support.h"

#include <gtest/gtest.h>
#include <string>

namespace {
std::string itemsMessage(TPlanes& planes, int index)
{
    try {
        planes.Items(index);
    } catch (const EPlanesError& e) {
        return e.Message();
    }
    return "no error";
}

struct TExpectedPoint {
    long double X, Y, Z;
};

// The grid tables written out as the planes define them.
TExpectedPoint expectedGridPoint(int plane, int index)
{
    const bool second = index >= 18;
    const int k = (index % 18) / 2;
    const bool end = index % 2 == 1;
    const long double up = -8 + 2 * k, down = 8 - 2 * k;
    switch (plane) {
    case 1:
        return second ? TExpectedPoint { end ? -8.0L : 8.0L, down, 0 }
                      : TExpectedPoint { up, end ? -8.0L : 8.0L, 0 };
    case 2:
        return second ? TExpectedPoint { up, 0, end ? -8.0L : 8.0L }
                      : TExpectedPoint { end ? -8.0L : 8.0L, 0, down };
    default:
        return second ? TExpectedPoint { 0, end ? -8.0L : 8.0L, down }
                      : TExpectedPoint { 0, up, end ? -8.0L : 8.0L };
    }
}
}

TEST(Planes, GridTablesAndHalfAxisEnds)
{
    TPlanes planes;
    const TExpectedPoint axisEnds[3][2] = { { { 0, 8, 0 }, { 8, 0, 0 } },
        { { 8, 0, 0 }, { 0, 0, 8 } }, { { 0, 0, 8 }, { 0, 8, 0 } } };
    for (int plane = 1; plane <= 3; ++plane) {
        SCOPED_TRACE(plane);
        const TPlaneMatrisi& grid = planes.Items(plane).Grid();
        ASSERT_EQ(grid.Count(), 36);
        for (int i = 0; i < 36; ++i) {
            const TExpectedPoint e = expectedGridPoint(plane, i);
            const TSpacePoint& p = grid.SpacePoints(i);
            EXPECT_EQ(p.X, e.X) << i;
            EXPECT_EQ(p.Y, e.Y) << i;
            EXPECT_EQ(p.Z, e.Z) << i;
            EXPECT_EQ(p.W, 1.0L) << i;
        }
        for (int end = 0; end < 2; ++end) {
            const TSpacePoint& p
                = grid.SpacePoints(end == 0 ? TPlanes::FirstAxisEnd : TPlanes::SecondAxisEnd);
            EXPECT_EQ(p.X, axisEnds[plane - 1][end].X);
            EXPECT_EQ(p.Y, axisEnds[plane - 1][end].Y);
            EXPECT_EQ(p.Z, axisEnds[plane - 1][end].Z);
        }
        // Every segment is a full line of the square, parallel to an axis.
        for (int k = 0; k < 18; ++k) {
            const TSpacePoint& a = grid.SpacePoints(2 * k);
            const TSpacePoint& b = grid.SpacePoints(2 * k + 1);
            const int differing = (a.X != b.X) + (a.Y != b.Y) + (a.Z != b.Z);
            EXPECT_EQ(differing, 1) << k;
        }
    }
}

TEST(Planes, DefaultsAndIndexErrors)
{
    TPlanes planes;
    for (int plane = 1; plane <= 3; ++plane) {
        EXPECT_EQ(planes.Items(plane).Color(), 8421504u);
        EXPECT_EQ(planes.Items(plane).Thickness(), 1);
        EXPECT_TRUE(planes.Items(plane).Visible());
        EXPECT_EQ(planes.Items(plane).Matrix(), nullptr);
    }
    EXPECT_NE(&planes.Items(1), &planes.Items(2));
    EXPECT_EQ(itemsMessage(planes, 0), "List index out of bounds (0)");
    EXPECT_EQ(itemsMessage(planes, 4), "List index out of bounds (4)");
    EXPECT_EQ(itemsMessage(planes, -1), "List index out of bounds (-1)");

    planes.Items(2).SetColor(255);
    planes.Items(2).SetThickness(3);
    EXPECT_EQ(planes.Items(2).Color(), 255u);
    EXPECT_EQ(planes.Items(2).Thickness(), 3);
    EXPECT_EQ(planes.Items(1).Color(), 8421504u);
}

TEST(Planes, SetVisibleProjectsOnlyWhenAHiddenPlaneTurnsVisible)
{
    TPlanes planes;
    const TTransformMatrix front = SceneMatrix(0, 0, false);
    planes.SetMatrix(front);
    TPlane& xy = planes.Items(1);
    EXPECT_EQ(xy.Matrix(), &front);
    const TScreenPoint& axisEnd = xy.Grid().ScreenPoints(TPlanes::SecondAxisEnd);

    xy.SetVisible(true); // already visible: no projection
    EXPECT_EQ(axisEnd.X, 0);
    xy.SetVisible(false);
    EXPECT_FALSE(xy.Visible());
    EXPECT_EQ(axisEnd.X, 0);
    xy.SetVisible(true);
    EXPECT_TRUE(xy.Visible());
    EXPECT_EQ(axisEnd.X, 160); // (8, 0, 0) at 100 % in the front view
    EXPECT_EQ(axisEnd.Y, 0);
    EXPECT_EQ(xy.Grid().ScreenPoints(TPlanes::FirstAxisEnd).Y, 160);
    // The other planes were left alone.
    EXPECT_EQ(planes.Items(2).Grid().ScreenPoints(TPlanes::FirstAxisEnd).X, 0);

    // Without a matrix a plane turning visible has nothing to project with.
    TPlanes unbound;
    unbound.Items(3).SetVisible(false);
    unbound.Items(3).SetVisible(true);
    EXPECT_TRUE(unbound.Items(3).Visible());
}
