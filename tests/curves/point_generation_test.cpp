#include "curves/object_list.h"
#include "curves_test_support.h"
#include "geometry/projection.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>

namespace {
// The engine computes sines and cosines with the processor's own instructions,
// within a few units in the last place of the library's.
void expectClose(long double actual, long double expected)
{
    EXPECT_NEAR(static_cast<double>(actual), static_cast<double>(expected), 1e-17);
}

const TGoruntuMatrisi& pointsOf(TObjectList& list, const TCurveValues& v)
{
    return *list.Items(Append(list, v)).Points;
}

}

TEST(PointGeneration, SampleCountsOfTheFixedRanges)
{
    TObjectList list;
    struct Row {
        TCurveValues values;
        int count;
        long double first, last; // the running value of the first and last sample
    };
    const Row rows[] = {
        { Curve(ctXYPlane, "", "x", "", 1), 20, -10, 9 },
        { Curve(ctXYPlane, "", "x+1", "", 0.5L), 40, -10, 9.5L },
        { Curve(ctXZPlane, "", "", "x", 0.1L), 200, -10, 9.9L },
        { Curve(ctYZPlane, "", "", "y", 0.1L), 200, -10, 9.9L },
        { Curve(ctXYZSpace, "", "x", "x", 0.1L), 200, -10, 9.9L },
        { Curve(ctCylindrical, "t", "t", "t", 0.1L), 200, -10, 9.9L },
        { Curve(ctPolar, "", "", "a", 0.1L), 63, 0, 6.2L },
        { Curve(ctSpherical, "a", "b", "1", 0.1L), 2016, 0, 3.1L },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message()
            << int(row.values.Type) << " step " << static_cast<double>(row.values.Step));
        const TGoruntuMatrisi& points = pointsOf(list, row.values);
        ASSERT_EQ(points.Count(), row.count);
        // Repeated addition of the step: the values agree with k * step to rounding.
        const auto runningValue = [&](const TSpacePoint& p) {
            switch (row.values.Type) {
            case ctYZPlane:
                return p.Y;
            case ctXZPlane:
            case ctXYZSpace:
            case ctXYPlane:
                return p.X;
            case ctPolar:
                return std::hypot(p.X, p.Y); // the radius is a itself
            default:
                return p.X; // fx is the free variable t or a
            }
        };
        EXPECT_EQ(runningValue(points.SpacePoints(0)), row.first);
        EXPECT_NEAR(static_cast<double>(runningValue(points.SpacePoints(row.count - 1))),
            static_cast<double>(row.last), 1e-12);
    }
}

TEST(PointGeneration, SamplesThatFailAreLeftOut)
{
    TObjectList list;
    const TGoruntuMatrisi& reciprocal = pointsOf(list, Curve(ctXYPlane, "", "1/x", "", 1));
    ASSERT_EQ(reciprocal.Count(), 19);
    for (int i = 0; i < 19; ++i) {
        const TSpacePoint& p = reciprocal.SpacePoints(i);
        EXPECT_NE(p.X, 0);
        EXPECT_EQ(p.Y, 1 / p.X);
    }
    const TGoruntuMatrisi& logarithm = pointsOf(list, Curve(ctXYPlane, "", "ln(x)", "", 1));
    ASSERT_EQ(logarithm.Count(), 9);
    EXPECT_EQ(logarithm.SpacePoints(0).X, 1);
    EXPECT_EQ(logarithm.SpacePoints(8).X, 9);
    EXPECT_EQ(logarithm.SpacePoints(8).Y, std::log(9.0L));
    // One failing formula of three leaves the whole sample out.
    const TGoruntuMatrisi& space = pointsOf(list, Curve(ctXYZSpace, "", "x", "ln(x)", 1));
    EXPECT_EQ(space.Count(), 9);
    // Failing everywhere: an empty list.
    const TGoruntuMatrisi& none = pointsOf(list, Curve(ctXYPlane, "", "ln(-1)", "", 1));
    EXPECT_EQ(none.Count(), 0);
}

TEST(PointGeneration, PointsOfEachType)
{
    TObjectList list;
    const TGoruntuMatrisi& circle = pointsOf(list, Curve(ctPolar, "", "", "2", 0.1L));
    EXPECT_EQ(circle.SpacePoints(0).X, 2);
    EXPECT_EQ(circle.SpacePoints(0).Y, 0);
    long double a = 0;
    for (int i = 0; i < circle.Count(); ++i, a += 0.1L) {
        const TSpacePoint& p = circle.SpacePoints(i);
        EXPECT_EQ(p.X, 2 * std::cos(a)) << i;
        EXPECT_EQ(p.Y, 2 * std::sin(a)) << i;
        EXPECT_EQ(p.Z, 0);
    }

    const TGoruntuMatrisi& yz = pointsOf(list, Curve(ctYZPlane, "", "", "y", 0.5L));
    for (int i = 0; i < yz.Count(); ++i) {
        EXPECT_EQ(yz.SpacePoints(i).X, 0);
        EXPECT_EQ(yz.SpacePoints(i).Y, yz.SpacePoints(i).Z);
    }
    const TGoruntuMatrisi& xz = pointsOf(list, Curve(ctXZPlane, "", "", "x*x", 1));
    EXPECT_EQ(xz.SpacePoints(0).Y, 0);
    EXPECT_EQ(xz.SpacePoints(0).Z, 100);

    // A name other than the free variable reads 0.
    const TGoruntuMatrisi& other = pointsOf(list, Curve(ctXYPlane, "", "k*x+1", "", 1));
    for (int i = 0; i < other.Count(); ++i)
        EXPECT_EQ(other.SpacePoints(i).Y, 1);

    const TGoruntuMatrisi& helix
        = pointsOf(list, Curve(ctCylindrical, "cos(t)", "sin(t)", "t", 0.1L));
    long double t = -10;
    for (int i = 0; i < helix.Count(); ++i, t += 0.1L) {
        const TSpacePoint& p = helix.SpacePoints(i);
        EXPECT_EQ(p.Z, t);
        expectClose(p.X, std::cos(t));
        expectClose(p.Y, std::sin(t));
        EXPECT_EQ(p.W, 1);
    }
}

// Each formula's compilation empties the shared variable table; every formula
// of a curve must still read its free variables.
TEST(PointGeneration, EveryFormulaSeesTheFreeVariables)
{
    TObjectList list;
    const TGoruntuMatrisi& sphere
        = pointsOf(list, Curve(ctSpherical, "sin(a)*cos(b)", "sin(a)*sin(b)", "cos(a)", 0.1L));
    ASSERT_EQ(sphere.Count(), 2016);
    for (int i = 0; i < sphere.Count(); ++i) {
        const TSpacePoint& p = sphere.SpacePoints(i);
        EXPECT_NEAR(static_cast<double>(p.X * p.X + p.Y * p.Y + p.Z * p.Z), 1.0, 1e-15) << i;
    }
    // The first outer pass (a = 0) is the pole, once for every b.
    for (int i = 0; i < 63; ++i) {
        EXPECT_EQ(sphere.SpacePoints(i).Z, 1);
        EXPECT_EQ(sphere.SpacePoints(i).X, 0);
    }
    // The second pass at a = 0.1 walks b from 0.
    expectClose(sphere.SpacePoints(63).X, std::sin(0.1L));
    expectClose(sphere.SpacePoints(64).Y, std::sin(0.1L) * std::sin(0.1L));

    // fy, compiled between the two, names no variable at all.
    const TGoruntuMatrisi& line = pointsOf(list, Curve(ctCylindrical, "cos(t)", "2", "t", 1));
    ASSERT_EQ(line.Count(), 20);
    for (int i = 0; i < 20; ++i) {
        const TSpacePoint& p = line.SpacePoints(i);
        EXPECT_EQ(p.Z, -10 + i);
        expectClose(p.X, std::cos(p.Z));
        EXPECT_EQ(p.Y, 2);
    }
}

// A sine or cosine met before is taken from what the curve computed already:
// every point of every type is the same, bit for bit, as computed afresh.
TEST(PointGeneration, SharedSinesAndCosinesGiveTheSamePoints)
{
    const TCurveValues curves[] = {
        Curve(ctXYPlane, "", "sin(x)*cos(x)+sin(x)-1/sin(x)", "", 0.01L),
        Curve(ctXZPlane, "", "", "cos(x)^2-sin(x)+cos(x)", 0.01L),
        Curve(ctYZPlane, "", "", "sin(y)*cos(2*y)+cos(2*y)*k", 0.01L),
        Curve(ctXYZSpace, "", "sin(x)", "cos(x)*sin(x)", 0.01L),
        Curve(ctSpherical, "4.5*sin(a)*cos(b)", "4.5*sin(a)*sin(b)", "4.5*cos(a)+sin(a+b)", 0.02L),
        Curve(ctSpherical, "cos(b)", "sin(b)*cos(a)", "1/cos(a*b)", 0.05L),
        Curve(ctPolar, "", "", "2+sin(3*a)*cos(a)-ln(sin(a))", 0.001L),
        Curve(ctCylindrical, "cos(t)", "sin(t)", "sin(t)*cos(t)+sin(t/2)", 0.001L),
    };
    for (const TCurveValues& v : curves) {
        SCOPED_TRACE(::testing::Message() << v.Type << " " << v.Fx << "; " << v.Fy << "; " << v.Fz);
        TObjectList shared, afresh;
        afresh.SetShareResults(false);
        const TGoruntuMatrisi& a = pointsOf(shared, v);
        const TGoruntuMatrisi& b = pointsOf(afresh, v);
        ASSERT_EQ(a.Count(), b.Count());
        ASSERT_GT(a.Count(), 100);
        EXPECT_EQ(differingBits(a, b), 0);
    }
}

// A large curve is sampled in blocks on several threads and joined in order: the
// same points, bit for bit, with the same samples left out, as on one thread, and
// the free variables end as one thread leaves them (a later curve reads them).
TEST(PointGeneration, ThreadsGiveTheSamePointsAsOne)
{
    const TCurveValues curves[] = {
        Curve(ctXYPlane, "", "ln(x)*sin(x)+1/(x-0.5)", "", 0.0008L),
        Curve(ctXZPlane, "", "", "arcsin(x/10)+x^0.5-cos(x)^2", 0.0008L),
        Curve(ctYZPlane, "", "", "sin(y)*cos(2*y)+1/(y-2)", 0.0008L),
        Curve(ctXYZSpace, "", "x*x", "1/sin(x*x)", 0.0008L),
        Curve(ctSpherical, "4.5*sin(a)*cos(b)", "4.5*sin(a)*sin(b)", "4.5*cos(a)+1/(a-b)", 0.02L),
        Curve(ctPolar, "", "", "2+ln(sin(3*a))", 0.00025L),
        Curve(ctCylindrical, "cos(t)", "sin(t)/ln(t)", "t", 0.0008L),
    };
    for (const TCurveValues& v : curves) {
        SCOPED_TRACE(::testing::Message() << v.Type << " " << v.Fx << "; " << v.Fy << "; " << v.Fz);
        TObjectList one, several;
        one.SetThreads(1);
        several.SetThreads(3);
        const TCurveValues reader = Curve(ctXYPlane, "", "a+b+x+y+t", "", 1);
        pointsOf(one, reader);
        pointsOf(several, reader);
        const TGoruntuMatrisi& a = pointsOf(one, v);
        const TGoruntuMatrisi& b = pointsOf(several, v);
        ASSERT_EQ(a.Count(), b.Count());
        EXPECT_EQ(a.Capacity(), b.Capacity());
        EXPECT_GT(TObjectList::SampleCount(v.Type, v.Step), 3 * TObjectList::MinThreadSamples);
        EXPECT_GT(a.Count(), 10000);
        EXPECT_EQ(differingBits(a, b), 0);
        EXPECT_EQ(a.GridRows(), b.GridRows());
        EXPECT_EQ(a.Grid().Index, b.Grid().Index);
        EXPECT_EQ(a.Grid().ClosesColumns, b.Grid().ClosesColumns);
        // Regenerated without compiling, the first curve reads what the second left.
        one.GeneratePoints(0);
        several.GeneratePoints(0);
        const TGoruntuMatrisi& c = *one.Items(0).Points;
        const TGoruntuMatrisi& d = *several.Items(0).Points;
        ASSERT_EQ(c.Count(), d.Count());
        for (int i = 0; i < c.Count(); ++i)
            EXPECT_EQ(c.SpacePoints(i).Y, d.SpacePoints(i).Y) << i;
    }
}

TEST(PointGeneration, PointsAreProjectedWithTheSceneMatrix)
{
    TTransformMatrix m;
    m.SetScale(0.05L);
    m.RotateX(15);
    m.RotateY(30);
    m.Multiply(TTransformMatrix::Perspective());
    TObjectList list;
    list.SetMatrix(&m);
    const TGoruntuMatrisi& points = pointsOf(list, Curve(ctXYZSpace, "", "x/2", "sin(x)", 0.25L));
    ASSERT_EQ(points.ProjectedCount(), points.Count());
    for (int i = 0; i < points.Count(); ++i) {
        TScreenPoint expected { 0, 0 };
        ASSERT_TRUE(ProjectPoint(m, points.SpacePoints(i), expected));
        EXPECT_EQ(points.ScreenPoints(i).X, expected.X) << i;
        EXPECT_EQ(points.ScreenPoints(i).Y, expected.Y) << i;
    }
    // Generating again replaces the points rather than adding to them.
    const int count = points.Count();
    list.GeneratePoints(0);
    EXPECT_EQ(list.Items(0).Points->Count(), count);

    // Without a matrix the points are generated and left unprojected.
    TObjectList bare;
    EXPECT_EQ(pointsOf(bare, Curve(ctXYPlane, "", "x", "", 1)).ProjectedCount(), 0);
}

// On the helpers each piece of samples is projected as soon as it is sampled, from
// the origin on: a point that does not project (its screen coordinate out of range)
// must still repeat the slot of the point before it across pieces, blocks and
// left-out samples, as one projection of the whole list gives it; likewise in place.
TEST(PointGeneration, PointsProjectedWhileSampledAreThoseOfOneProjection)
{
    TTransformMatrix flat; // no perspective: a large value leaves the screen's range
    TTransformMatrix far;
    far.SetScale(2); // every second point taken
    const TCurveValues curves[] = {
        Curve(ctXYPlane, "", "k*1e19*sin(x*300)+0*ln(sin(x*7))", "", 0.00002L),
        Curve(ctCylindrical, "t", "k*1e19*sin(t*300)", "ln(t+5)", 0.00004L),
        Curve(ctSpherical, "sin(a)*cos(b)*k*1e19", "sin(a)*sin(b)", "cos(a)+ln(a-0.5)", 0.01L),
    };
    for (const TTransformMatrix* m : { &flat, &far })
        for (const TCurveValues& v : curves) {
            SCOPED_TRACE(v.Fy);
            TObjectList list;
            list.SetThreads(3);
            list.SetMatrix(m);
            const TGoruntuMatrisi& points = pointsOf(list, v);
            int repeated = 0, taken = 0;
            for (const long double k : { 1.0L, 3.0L }) {
                list.SetParameterValue("k", k);
                const int stride = TGoruntuMatrisi::Stride(*m);
                taken = static_cast<int>(TakenCount(points.Count(), stride));
                ASSERT_EQ(points.ProjectedCount(), taken);
                std::vector<TScreenPoint> expected(static_cast<std::size_t>(taken));
                ProjectPoints(*m, points.SpacePointData(), points.Count(), stride, expected.data());
                for (int i = 0; i < taken; ++i) {
                    const TScreenPoint& p = points.ScreenPointData()[i];
                    ASSERT_EQ(p.X, expected[i].X) << i;
                    ASSERT_EQ(p.Y, expected[i].Y) << i;
                    TScreenPoint unused;
                    repeated += !ProjectPoint(*m, points.SpacePoints(i * stride), unused);
                }
                EXPECT_GT(points.SampleOf(points.Count() - 1), points.Count() - 1); // gaps
            }
            EXPECT_GT(repeated, taken / 20);
        }
}

TEST(PointGeneration, TwoVariableSamplesKeepTheirGrid)
{
    // Step 0.5: a takes 0 .. 3 (7 rows), b 0 .. 6 (13 columns). The samples with
    // a + b = 3 fail (a division by zero), on one thread and on several.
    for (const int threads : { 1, 3 }) {
        SCOPED_TRACE(threads);
        TObjectList list;
        list.SetThreads(threads);
        const TGoruntuMatrisi& sphere = pointsOf(list,
            Curve(ctSpherical, "sin(a)*cos(b)", "sin(a)*sin(b)", "cos(a)+0*1/(a+b-3)", 0.5L));
        EXPECT_EQ(sphere.GridRows(), 7);
        EXPECT_EQ(sphere.GridColumns(), 13);
        EXPECT_TRUE(sphere.Grid().ClosesColumns);
        EXPECT_FALSE(sphere.Grid().ClosesRows);
        int missing = 0;
        for (int row = 0; row < 7; ++row)
            for (int column = 0; column < 13; ++column) {
                const int i = sphere.GridPoint(row, column);
                const long double a = 0.5L * row, b = 0.5L * column;
                if (a + b == 3) {
                    EXPECT_EQ(i, -1);
                    ++missing;
                    continue;
                }
                ASSERT_GE(i, 0);
                expectClose(sphere.SpacePoints(i).X, std::sin(a) * std::cos(b));
                expectClose(sphere.SpacePoints(i).Z, std::cos(a));
            }
        EXPECT_EQ(missing, 7);
        EXPECT_EQ(sphere.Count(), 7 * 13 - 7);
        // The last column wraps to the first.
        EXPECT_EQ(sphere.GridPoint(6, 13), sphere.GridPoint(6, 0));
        // A surface that does not come back to its first column stays open; one-variable
        // curves have no grid.
        EXPECT_FALSE(pointsOf(list, Curve(ctSpherical, "a", "b", "0", 0.5L)).Grid().ClosesColumns);
        EXPECT_EQ(pointsOf(list, Curve(ctXYPlane, "", "x", "", 0.5L)).GridRows(), 0);
    }
}

// A grid closes around along a line (a row: its last column lies next to its first)
// when the gap between the line's ends is within one and a half times the line's
// largest step between present neighbours, for every line whose ends are present.
// The same on one thread, where the grid is measured, and on several, where the
// blocks measure their rows as they sample them.
TEST(PointGeneration, GridsCloseAsTheirLargestStepSays)
{
    const auto lineCloses = [](const TGoruntuMatrisi& points, int line, bool alongRow) {
        const int length = alongRow ? points.GridColumns() : points.GridRows();
        const auto at = [&](int k) {
            return alongRow ? points.GridPoint(line, k) : points.GridPoint(k, line);
        };
        if (at(0) < 0 || at(length - 1) < 0)
            return true;
        const auto squared = [&](int a, int b) {
            const TSpacePoint &p = points.SpacePoints(a), &q = points.SpacePoints(b);
            return (p.X - q.X) * (p.X - q.X) + (p.Y - q.Y) * (p.Y - q.Y) + (p.Z - q.Z) * (p.Z - q.Z);
        };
        long double largest = 0;
        for (int k = 1; k < length; ++k)
            if (at(k - 1) >= 0 && at(k) >= 0)
                largest = std::max(largest, squared(at(k - 1), at(k)));
        return squared(at(0), at(length - 1)) <= 2.25L * largest;
    };
    const char* const torusX = "(3+cos(v))*cos(u)";
    const char* const torusY = "(3+cos(v))*sin(u)";
    const TCurveValues curves[] = {
        Curve(ctParametric, torusX, torusY, "sin(v)", 0.02L),
        // One band of rows ends far from where it began.
        Curve(ctParametric, "(3+cos(v))*cos(u)+(u>2)*(u<2.05)*v", torusY, "sin(v)", 0.02L),
        // Rows of one point each: no gap and no step.
        Curve(ctParametric, "0*u", "0*v", "u", 0.02L),
        // Rows without their first samples, and rows with a gap inside.
        Curve(ctParametric, torusX, torusY, "sin(v)+0*ln(v-3)", 0.02L),
        Curve(ctParametric, torusX, torusY, "sin(v)+0*ln((v-3)^2-0.0004)", 0.02L),
        // Squares of steps beyond the largest number.
        Curve(ctParametric, "1e2470*cos(u)", "1e2470*sin(u)*v", "sin(v)", 0.02L),
        Curve(ctSpherical, "sin(a)*cos(b)", "sin(a)*sin(b)+(a>1)*(a<1.1)*b/100", "cos(a)", 0.01L),
    };
    int open = 0, closed = 0;
    for (const TCurveValues& v : curves)
        for (const int threads : { 1, 3 }) {
            SCOPED_TRACE(::testing::Message() << v.Fx << "; " << v.Fy << "; " << v.Fz << " on " << threads);
            TObjectList list;
            list.SetThreads(threads);
            const TGoruntuMatrisi& points = pointsOf(list, v);
            ASSERT_GT(points.GridRows(), 100);
            bool rows = true, columns = true;
            for (int row = 0; row < points.GridRows(); ++row)
                columns = columns && lineCloses(points, row, true);
            for (int column = 0; column < points.GridColumns(); ++column)
                rows = rows && lineCloses(points, column, false);
            rows = rows && v.Type == ctParametric;
            EXPECT_EQ(points.Grid().ClosesColumns, columns);
            EXPECT_EQ(points.Grid().ClosesRows, rows);
            (columns ? closed : open) += 1;
        }
    EXPECT_GT(open, 2);
    EXPECT_GT(closed, 2);
}

TEST(PointGeneration, SurfaceTypes)
{
    TObjectList list;
    // z = f(x, y): x and y from -10 below 10; step 0.5 gives 40 x 40 points.
    const TGoruntuMatrisi& sheet = pointsOf(list, Curve(ctXYZSurface, "", "", "x*y-y", 0.5L));
    ASSERT_EQ(sheet.Count(), 1600);
    EXPECT_EQ(sheet.GridRows(), 40);
    EXPECT_EQ(sheet.GridColumns(), 40);
    EXPECT_FALSE(sheet.Grid().ClosesRows || sheet.Grid().ClosesColumns);
    for (int row = 0; row < 40; ++row)
        for (int column = 0; column < 40; ++column) {
            const TSpacePoint& p = sheet.SpacePoints(sheet.GridPoint(row, column));
            const long double x = -10 + 0.5L * row, y = -10 + 0.5L * column;
            EXPECT_EQ(p.X, x);
            EXPECT_EQ(p.Y, y);
            EXPECT_EQ(p.Z, x * y - y);
        }
    // The torus: u and v from 0 below 2 pi, closing around both ways.
    const TGoruntuMatrisi& torus = pointsOf(list,
        Curve(ctParametric, "(3+cos(v))*cos(u)", "(3+cos(v))*sin(u)", "sin(v)", 0.25L));
    EXPECT_EQ(torus.GridRows(), 26);
    EXPECT_EQ(torus.GridColumns(), 26);
    EXPECT_EQ(torus.Count(), 26 * 26);
    EXPECT_TRUE(torus.Grid().ClosesRows && torus.Grid().ClosesColumns);
    for (int row = 0; row < 26; ++row)
        for (int column = 0; column < 26; ++column) {
            const TSpacePoint& p = torus.SpacePoints(torus.GridPoint(row, column));
            const long double u = 0.25L * row, v = 0.25L * column;
            expectClose(p.X, (3 + std::cos(v)) * std::cos(u));
            expectClose(p.Y, (3 + std::cos(v)) * std::sin(u));
            expectClose(p.Z, std::sin(v));
        }
}
