#include "base/number_text.h"
#include "curves/curve_tracer.h"
#include "curves/object_list.h"
#include "curves/sample_walk.h"
#include "curves/view_fit.h"
#include "curves_test_support.h"
#include "geometry/camera.h"
#include "geometry/projection.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {
bool same(long double a, long double b) { return std::memcmp(&a, &b, 10) == 0; }
}

TEST(CurveTracer, LeftOutSamplesKeepTheirNumbersOnEveryThread)
{
    // x^2 - 4 below zero has no root: the samples with |x| < 2 are left out, and so are
    // the spherical samples where sin(a)*cos(b) is negative.
    const TCurveValues curves[] = { Curve(ctXYPlane, "", "(x*x-4)^(1/2)", "", 0.001L),
        Curve(ctSpherical, "a", "b", "(sin(a)*cos(b))^(1/2)", 0.02L) };
    for (const TCurveValues& values : curves) {
        SCOPED_TRACE(values.Fz + values.Fy);
        for (int threads : { 1, 4 }) {
            TObjectList list;
            list.SetThreads(threads);
            const TGoruntuMatrisi& points = *list.Items(Append(list, values)).Points;
            const TSampleWalk walk(values.Type, values.Step);
            ASSERT_LT(points.Count(), walk.Count());
            // Each point stands where its sample's free variables were, bit for bit.
            for (int i = 0; i < points.Count(); ++i) {
                const long long sample = points.SampleOf(i);
                const TSpacePoint& p = points.SpacePoints(i);
                ASSERT_TRUE(same(p.X, walk.OuterValue(sample))) << i;
                if (values.Type == ctSpherical) {
                    ASSERT_TRUE(same(p.Y, walk.InnerValue(sample))) << i;
                }
                ASSERT_EQ(points.PointOfSample(int(sample)), i);
            }
        }
    }
}

TEST(CurveTracer, StepsOverLeftOutSamplesAndSaysWhereItIs)
{
    SetDecimalSeparator(',');
    TObjectList list;
    const int gap = Append(list, Curve(ctXYPlane, "", "(x*x-4)^(1/2)", "", 0.5L));
    TCurveTracer tracer(list);
    EXPECT_EQ(tracer.Text(), "");
    // x = -10, -9.5, ... -2 (point 16), then 2 (sample 24): those of -1.5 .. 1.5 are left out.
    ASSERT_TRUE(tracer.PlaceAtPoint(gap, 16));
    EXPECT_EQ(tracer.Text(), "x = -2  y = 0");
    ASSERT_TRUE(tracer.Step(1));
    EXPECT_EQ(tracer.Sample(), 24);
    EXPECT_EQ(tracer.Text(), "x = 2  y = 0");
    EXPECT_FALSE(tracer.PlaceAtSample(gap, 20)) << "a left-out sample is no place";
    EXPECT_EQ(tracer.Sample(), 24);
    // Shift's ten steps stop at the ends; Home and End go there.
    tracer.Step(-10);
    EXPECT_EQ(tracer.Point(), 7);
    tracer.Step(-10);
    EXPECT_EQ(tracer.Point(), 0);
    EXPECT_FALSE(tracer.Step(-1));
    EXPECT_TRUE(tracer.ToLast());
    EXPECT_EQ(tracer.Text(), "x = 9,5  y = 9,28708781050335");
    EXPECT_FALSE(tracer.StepRow(1)) << "one variable has no rows";

    // Between two samples (a place found on the formulas): the steps go on from the samples
    // on either side, and the label names the place.
    ASSERT_TRUE(tracer.PlaceBetween(gap, 3.2L, { 3.2L, 2.4979991993593593L, 0, 1 }, "Nokta"));
    EXPECT_EQ(tracer.Text(), "Nokta: x = 3,2  y = 2,49799919935936");
    EXPECT_EQ(tracer.Point(), -1);
    TCurveTracer copy(list);
    copy.PlaceBetween(gap, 3.2L, { 3.2L, 2.5L, 0, 1 });
    ASSERT_TRUE(tracer.Step(1));
    EXPECT_EQ(tracer.Text(), "x = 3,5  y = 2,87228132326901");
    ASSERT_TRUE(copy.Step(-1));
    EXPECT_EQ(copy.Text(), "x = 3  y = 2,23606797749979");
    SetDecimalSeparator('.');
}

TEST(CurveTracer, TextOfEveryTypeAndRowsOfTwoVariables)
{
    SetDecimalSeparator(',');
    TObjectList list;
    struct Row {
        TCurveValues values;
        int point;
        const char* text;
    } rows[] = {
        { Curve(ctXYPlane, "", "x/2", "", 0.5L), 3, "x = -8,5  y = -4,25" },
        { Curve(ctXZPlane, "", "", "x/4", 0.5L), 3, "x = -8,5  z = -2,125" },
        { Curve(ctYZPlane, "", "", "y*2", 0.5L), 3, "y = -8,5  z = -17" },
        { Curve(ctXYZSpace, "", "1", "x", 0.5L), 3, "x = -8,5  y = 1  z = -8,5" },
        { Curve(ctPolar, "", "", "2", 0.5L), 2,
            "a = 1  x = 1,08060461173628  y = 1,68294196961579" },
        { Curve(ctCylindrical, "sin(t)", "cos(t)", "t/2", 0.5L), 23,
            "t = 1,5  x = 0,997494986604054  y = 0,0707372016677029  z = 0,75" },
        { Curve(ctXYZSurface, "", "", "x*y", 0.5L), 45, "x = -9,5  y = -7,5  z = 71,25" },
        { Curve(ctParametric, "u", "v", "u+v", 0.5L), 15,
            "u = 0,5  v = 1  x = 0,5  y = 1  z = 1,5" },
        { Curve(ctSpherical, "a", "b", "1", 0.5L), 32, "a = 1  b = 3  x = 1  y = 3  z = 1" },
    };
    TCurveTracer tracer(list);
    for (const Row& row : rows) {
        const int curve = Append(list, row.values);
        ASSERT_TRUE(tracer.PlaceAtPoint(curve, row.point));
        EXPECT_EQ(tracer.Text(), row.text);
    }
    // The sphere's rows hold 13 values of b: up goes to the next a at the same b.
    const int sphere = list.Count() - 1;
    ASSERT_TRUE(tracer.StepRow(1));
    EXPECT_EQ(tracer.Text(), "a = 1,5  b = 3  x = 1,5  y = 3  z = 1");
    ASSERT_TRUE(tracer.StepRow(-2));
    EXPECT_EQ(tracer.Point(), 19);
    ASSERT_TRUE(tracer.StepRow(-1));
    EXPECT_EQ(tracer.Point(), 6);
    EXPECT_FALSE(tracer.StepRow(-1));
    EXPECT_EQ(tracer.Curve(), sphere);

    // Visible curves across the list; a curve edited to another step sends the marker to
    // its point nearest to where it stood.
    EXPECT_EQ(tracer.VisibleCurveFrom(sphere, -1), sphere - 1);
    EXPECT_EQ(tracer.VisibleCurveFrom(sphere, 1), -1);
    ASSERT_TRUE(tracer.PlaceAtPoint(0, 3));
    Edit(list, 0, Curve(ctXYPlane, "", "x/2", "", 0.25L));
    ASSERT_TRUE(tracer.Follow(0));
    EXPECT_EQ(tracer.Text(), "x = -8,5  y = -4,25");
    EXPECT_EQ(tracer.Point(), 6);
    ASSERT_TRUE(tracer.PlaceNearest(2));
    EXPECT_EQ(tracer.Text(), "y = -1  z = -2");
    SetDecimalSeparator('.');
}

TEST(CurveTracer, FollowsThePointerToTheNearestDrawnSample)
{
    TObjectList list;
    const int curve = Append(list, Curve(ctXYPlane, "", "sin(x)*3", "", 0.01L));
    TCamera camera;
    camera.SetPerspective(false);
    camera.SetX0(200);
    camera.SetY0(150);
    camera.BuildMatrix();
    list.SetMatrix(&camera.Matrix());
    list.GeneratePoints(curve);
    const TGoruntuMatrisi& points = *list.Items(curve).Points;
    TTraceView view { camera.Matrix(), 200, 150, 400, 300, true };
    TCurveTracer tracer(list);
    ASSERT_TRUE(tracer.PlaceAtPoint(curve, 0));
    for (const auto& [x, y] : { std::pair { 250, 60 }, { 10, 290 }, { 399, 0 }, { 200, 150 } }) {
        int expected = 0;
        long long best = -1;
        for (int i = 0; i < points.Count(); ++i) {
            TScreenPoint s {};
            ASSERT_TRUE(ProjectPoint(camera.Matrix(), points.SpacePoints(i), s));
            const long long dx = 200 + s.X - x, dy = 150 - s.Y - y;
            if (best < 0 || dx * dx + dy * dy < best)
                best = dx * dx + dy * dy, expected = i;
        }
        tracer.MoveToPixel(view, x, y);
        EXPECT_EQ(tracer.Point(), expected) << x << "," << y;
        // A view the points were not projected for (the same one) finds the same sample.
        TCurveTracer other(list);
        other.PlaceAtPoint(curve, 0);
        view.Projected = false;
        other.MoveToPixel(view, x, y);
        view.Projected = true;
        EXPECT_EQ(other.Point(), expected);
        int px = 0, py = 0;
        ASSERT_TRUE(tracer.PixelIn(camera.Matrix(), 200, 150, px, py));
    }
}

TEST(ViewFit, VisibleCurvesFillTheViewBesideAMargin)
{
    TObjectList list;
    // A circle of radius 2 about (50, -30), far off the origin, and a hidden curve farther.
    Append(list, Curve(ctCylindrical, "50+2*cos(t)", "-30+2*sin(t)", "0", 0.01L));
    TCurveValues hidden = Curve(ctXYPlane, "", "1000", "", 1);
    hidden.Visible = false;
    Append(list, hidden);
    for (bool perspective : { false, true }) {
        SCOPED_TRACE(perspective);
        TCamera camera;
        camera.SetPerspective(perspective);
        camera.SetAngles(perspective ? 15 : 0, perspective ? 30 : 0);
        ASSERT_TRUE(FitView(camera, list, 400, 300));
        camera.BuildMatrix();
        int minX = 1 << 30, maxX = -minX, minY = minX, maxY = -minX;
        const TGoruntuMatrisi& points = *list.Items(0).Points;
        for (int i = 0; i < points.Count(); ++i) {
            TScreenPoint s {};
            ASSERT_TRUE(ProjectPoint(camera.Matrix(), points.SpacePoints(i), s));
            minX = std::min(minX, camera.X0() + s.X);
            maxX = std::max(maxX, camera.X0() + s.X);
            minY = std::min(minY, camera.Y0() - s.Y);
            maxY = std::max(maxY, camera.Y0() - s.Y);
        }
        // The tighter direction takes 90 % of the view, the other no more; both centred.
        const double fill = std::max((maxX - minX) / (0.9 * 399), (maxY - minY) / (0.9 * 299));
        EXPECT_NEAR(fill, 1, 0.01);
        EXPECT_NEAR(minY, 299 - maxY, 2);
        EXPECT_NEAR(minX, 399 - maxX, 2);
    }
    // Nothing visible: nothing changes.
    TObjectList empty;
    TCamera camera;
    EXPECT_FALSE(FitView(camera, empty, 400, 300));
    EXPECT_EQ(camera.Scale(), 0.05L);
}
