#include "base/number_text.h"
#include "geometry/camera.h"
#include "geometry/goruntu_matrisi.h"
#include "geometry/plane_reading.h"
#include "geometry/projection.h"
#include "geometry/screen_index.h"

#include <gtest/gtest.h>
#include <random>
#include <vector>

TEST(ScreenIndex, NearestIsTheLinearScansLowestNearest)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> coordinate(-400, 400);
    // Points inside and far outside a 300 x 200 view, a few at one place, one behind the eye.
    std::vector<TScreenPoint> points;
    for (int i = 0; i < 3000; ++i)
        points.push_back({ coordinate(random), coordinate(random) });
    points.push_back({ 5000, -7000 });
    points.push_back(points[10]);
    points.push_back(BehindEye);
    // A run on one pixel, as a dense curve makes: the first of it is found.
    for (int i = 0; i < 5; ++i)
        points.push_back({ 7, 7 });
    const int x0 = 120, y0 = 90, width = 300, height = 200;
    TScreenIndex index;
    index.Build(points.data(), int(points.size()), x0, y0, width, height);
    EXPECT_EQ(index.Nearest(x0 + 7, y0 - 7), 3003);
    std::uniform_int_distribution<int> px(0, width - 1), py(0, height - 1);
    for (int query = 0; query < 500; ++query) {
        const int x = px(random), y = py(random);
        long long best = -1;
        int expected = -1;
        for (int i = 0; i < int(points.size()); ++i) {
            if (!Drawable(points[std::size_t(i)]))
                continue;
            const long long dx = x0 + points[std::size_t(i)].X - x;
            const long long dy = y0 - points[std::size_t(i)].Y - y;
            if (best < 0 || dx * dx + dy * dy < best) {
                best = dx * dx + dy * dy;
                expected = i;
            }
        }
        ASSERT_EQ(index.Nearest(x, y), expected) << x << "," << y;
    }

    // Only points outside the view: the nearest of them is still found.
    const std::vector<TScreenPoint> outside = { { -900, 0 }, { 0, 950 }, BehindEye };
    index.Build(outside.data(), 3, x0, y0, width, height);
    EXPECT_EQ(index.Nearest(150, 10), 1);
    EXPECT_EQ(index.Nearest(0, 100), 0);
    index.Build(outside.data() + 2, 1, x0, y0, width, height);
    EXPECT_TRUE(index.Empty());
    EXPECT_EQ(index.Nearest(0, 0), -1);
}

TEST(PointLists, LeftOutSamplesNumberThePoints)
{
    TGoruntuMatrisi list;
    for (int i = 0; i < 5; ++i)
        list.Add({ 1.0L * i, 0, 0, 1 });
    // Samples 0..1, 4, 6..8 and 11 (after the last point) were left out: the points are
    // samples 2, 3, 5, 9 and 10.
    list.SetLeftOut({ { 0, 2 }, { 4, 1 }, { 6, 3 }, { 11, 1 } });
    const int samples[] = { 2, 3, 5, 9, 10 };
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(list.SampleOf(i), samples[i]);
        EXPECT_EQ(list.PointOfSample(samples[i]), i);
    }
    for (int leftOut : { -1, 0, 1, 4, 6, 7, 8, 11, 40 })
        EXPECT_EQ(list.PointOfSample(leftOut), -1) << leftOut;
    // A point added afterwards numbers on after them; an emptied list forgets the record.
    list.Add({ 5, 0, 0, 1 });
    EXPECT_EQ(list.SampleOf(5), 12);
    EXPECT_EQ(list.PointOfSample(12), 5);
    list.Clear();
    list.Add({ 0, 0, 0, 1 });
    EXPECT_EQ(list.SampleOf(0), 0);
    EXPECT_EQ(list.PointOfSample(0), 0);
}

namespace {
TTransformMatrix view(long double ax, long double ay, long double scale, bool perspective)
{
    TCamera camera;
    camera.SetAngles(ax, ay);
    camera.SetScale(scale);
    camera.SetPerspective(perspective);
    camera.BuildMatrix();
    return camera.Matrix();
}
}

TEST(PlaneReading, StraightViewsReadTheirPlaneAtTheZoomsResolution)
{
    SetDecimalSeparator(',');
    TPlaneReading r;
    // Front view at 100 %: a pixel is 0.05 units, two decimals; y grows upward.
    ASSERT_TRUE(ReadPlane(view(0, 0, 0.05L, false), 100, 80, 125, 95, r));
    EXPECT_EQ(PlaneReadingText(r), "x = 1,25  y = \u22120,75");
    // At 10000 % (scale 0.0005) four decimals; a value that rounds to zero has no sign.
    ASSERT_TRUE(ReadPlane(view(0, 0, 0.0005L, false), 100, 80, 101, 80, r));
    EXPECT_EQ(PlaneReadingText(r), "x = 0,0005  y = 0,0000");
    ASSERT_TRUE(ReadPlane(view(0, 0, 0.0005L, false), 100, 80, 99, 81, r));
    EXPECT_EQ(PlaneReadingText(r), "x = \u22120,0005  y = \u22120,0005");

    // The top and side views read their own planes; a view turned a full circle reads as
    // the front one.
    ASSERT_TRUE(ReadPlane(view(90, 0, 0.05L, false), 0, 0, 20, -40, r));
    EXPECT_EQ(std::string({ r.Horizontal, r.Vertical }), "xz");
    EXPECT_NEAR(double(r.HorizontalValue), 1, 1e-15);
    ASSERT_TRUE(ReadPlane(view(0, -90, 0.05L, false), 0, 0, 20, -40, r));
    EXPECT_EQ(std::string({ r.Horizontal, r.Vertical }), "zy");
    EXPECT_NEAR(double(r.VerticalValue), 2, 1e-15);
    // Check against projection: the point read projects back onto the pixel.
    TScreenPoint back {};
    const TTransformMatrix side = view(0, -90, 0.05L, false);
    ASSERT_TRUE(ProjectPoint(side, { 0, r.VerticalValue, r.HorizontalValue, 1 }, back));
    EXPECT_EQ(back.X, 20);
    EXPECT_EQ(back.Y, 40);
    ASSERT_TRUE(ReadPlane(view(360, 0, 0.05L, false), 0, 0, 20, 0, r));
    EXPECT_EQ(std::string({ r.Horizontal, r.Vertical }), "xy");

    // Turned or in perspective: nothing.
    EXPECT_FALSE(ReadPlane(view(15, 30, 0.05L, false), 0, 0, 1, 1, r));
    EXPECT_FALSE(ReadPlane(view(0, 0, 0.05L, true), 0, 0, 1, 1, r));
    EXPECT_FALSE(ReadPlane(view(0.001L, 0, 0.05L, false), 0, 0, 1, 1, r));
    SetDecimalSeparator('.');
}
