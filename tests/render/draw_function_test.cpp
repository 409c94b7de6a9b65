#include "render/draw_function.h"
#include "render/legend.h"

#include <QImage>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <set>
#include <string>

namespace {
constexpr QRgb White = 0xFFFFFFFFu;
constexpr QRgb Black = 0xFF000000u;
constexpr QRgb Red = 0xFFFF0000u;
constexpr QRgb Grey = 0xFF808080u;

// A renderer of the given size with its origin in the middle.
struct Scene {
    TDrawFunction R;
    Scene(int w = 400, int h = 300)
    {
        R.SetSize(w, h);
        R.SetX0(w / 2);
        R.SetY0(h / 2);
    }
    QRgb at(int x, int y) const { return R.Image().pixel(x, y); }
    int count(QRgb colour) const
    {
        int n = 0;
        const QImage& image = R.Image();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixel(x, y) == colour;
        return n;
    }
};
}

TEST(DrawFunction, NewRendererDefaults)
{
    TDrawFunction r;
    EXPECT_EQ(r.Scale(), 0.05L);
    EXPECT_EQ(r.XAxisAngle(), 0);
    EXPECT_EQ(r.YAxisAngle(), 0);
    EXPECT_TRUE(r.Perspective());
    EXPECT_TRUE(r.LAxisesVisible());
    EXPECT_EQ(r.LAxisesColor(), 0u);
    EXPECT_EQ(r.X0(), 0);
    EXPECT_EQ(r.Y0(), 0);
    EXPECT_EQ(r.MoveStep(), 0);
    EXPECT_EQ(r.BrushColor(), 16777215u);
    EXPECT_EQ(r.Objects().Count(), 0);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_TRUE(r.Planes().Items(i).Visible());
        EXPECT_EQ(r.Planes().Items(i).Color(), 8421504u);
        EXPECT_EQ(r.Planes().Items(i).Thickness(), 1);
    }
    EXPECT_EQ(r.Objects().Matrix(), &r.Matrix());
}

TEST(DrawFunction, ZoomOriginAndAngles)
{
    TDrawFunction r;
    r.SetZoom(200);
    EXPECT_EQ(r.Scale(), 0.025L);
    r.SetZoom(100);
    EXPECT_EQ(r.Scale(), 0.05L);
    r.HalveScale();
    EXPECT_EQ(r.Scale(), 0.025L);
    r.DoubleScale();
    r.DoubleScale();
    EXPECT_EQ(r.Scale(), 0.1L);
    r.MoveOrigin(10, -5);
    EXPECT_EQ(r.X0(), -10);
    EXPECT_EQ(r.Y0(), 5);
    r.SetAngles(15, 30);
    r.RotateBy(400, -1);
    EXPECT_EQ(r.XAxisAngle(), 415);
    EXPECT_EQ(r.YAxisAngle(), 29);
}

TEST(DrawFunction, EmptySceneFrontView)
{
    Scene s(400, 400);
    s.R.SetPerspective(false);
    s.R.Render(true);
    // The red half-axis to (8, 0, 0) ends 160 pixels right of the origin.
    EXPECT_EQ(s.at(200 + 160, 200), Red);
    EXPECT_EQ(s.at(200 + 100, 200), Red);
    EXPECT_EQ(s.at(200, 200 - 160), Red) << "the y half-axis of the XY plane";
    EXPECT_NE(s.at(200 + 163, 200), Red);
    // Grid lines of the XY plane every 40 pixels, grey (where no axis covers them).
    EXPECT_EQ(s.at(200 - 160, 200 - 20), Grey);
    EXPECT_EQ(s.at(200 - 80, 200 + 100), Grey);
    // Background elsewhere.
    EXPECT_EQ(s.at(5, 5), White);
    EXPECT_EQ(s.at(200 + 170, 200 + 3), White);

    // The little axes: x to (45, h - 25), y to (25, h - 45), z of zero length.
    const auto& ends = s.R.LAxisPoints();
    EXPECT_EQ(ends[0], QPoint(45, 375));
    EXPECT_EQ(ends[1], QPoint(25, 355));
    EXPECT_EQ(ends[2], QPoint(25, 375));
    EXPECT_EQ(s.at(35, 375), Black);
    EXPECT_EQ(s.at(25, 365), Black);

    s.R.SetPerspective(true);
    s.R.Render(true);
    EXPECT_EQ(s.R.LAxisPoints()[0], QPoint(45, 375));
    EXPECT_EQ(s.R.LAxisPoints()[2], QPoint(25, 375));
}

TEST(DrawFunction, LittleAxesHiddenLeaveTheCorner)
{
    Scene s;
    s.R.SetLAxisesVisible(false);
    s.R.Planes().Items(1).SetVisible(false);
    s.R.Planes().Items(2).SetVisible(false);
    s.R.Planes().Items(3).SetVisible(false);
    s.R.Render(true);
    EXPECT_EQ(s.count(White), 400 * 300);

    s.R.SetLAxisesVisible(true);
    s.R.SetLAxisesColor(0x00FF00); // green in the program's colour order
    s.R.Render(true);
    EXPECT_EQ(s.at(35, 275), 0xFF00FF00u);
    EXPECT_GT(s.count(0xFF00FF00u), 40) << "the lines and their labels";
}

TEST(DrawFunction, GridAndAxisLinesOfAnEmptyScene)
{
    // Each visible plane draws 18 grid lines and two red half-axes; with thick
    // grid lines the red axes still come last.
    Scene s;
    s.R.SetPerspective(false);
    s.R.SetAngles(15, 30);
    s.R.Planes().Items(2).SetThickness(3);
    s.R.Planes().Items(2).SetColor(0xFF0000); // blue
    s.R.Render(true);
    EXPECT_GT(s.count(0xFF0000FFu), 18 * 40);
    EXPECT_GT(s.count(Red), 6 * 100);
    const TScreenPoint end = s.R.Planes().Items(1).Grid().ScreenPoints(TPlanes::SecondAxisEnd);
    EXPECT_EQ(end.X, 139);
    EXPECT_EQ(end.Y, 0);
}

TEST(DrawFunction, CurvesInBothStyles)
{
    Scene s(200, 200);
    s.R.SetPerspective(false);
    for (int i = 1; i <= 3; ++i)
        s.R.Planes().Items(i).SetVisible(false);
    s.R.SetLAxisesVisible(false);
    // fy = 2 over x at step 8 gives the three points x = -10, -2, 6 at y = 2.
    s.R.Objects().Append(ctXYPlane, "", "2", "", 255, csPoints, 1, 8, true);
    s.R.Render(true);
    // Two 3 x 3 squares (points 1 and 2), centred at (100 - 40, 100 - 40) and (100 + 120, ..).
    EXPECT_EQ(s.count(Red), 9);
    EXPECT_EQ(s.at(59, 59), Red);
    EXPECT_EQ(s.at(61, 61), Red);

    s.R.Objects().SetAllStyles(csLine);
    s.R.Render(false);
    // A line from (-200, 40) off the picture through (-40, 40) to (120, 40): the visible part.
    EXPECT_EQ(s.at(0, 60), Red);
    EXPECT_EQ(s.at(199, 60), Red);
    EXPECT_EQ(s.count(Red), 200);
}

TEST(DrawFunction, HiddenCurveStaysStaleUntilShownThroughEdit)
{
    Scene s(200, 200);
    s.R.SetPerspective(false);
    s.R.Objects().Append(ctXYPlane, "", "x", "", 255, csLine, 1, 0.5L, true);
    s.R.Render(true);
    const TScreenPoint before = s.R.Objects().Items(0).Points->ScreenPoints(5);
    s.R.Objects().Edit(0, ctXYPlane, "", "x", "", 255, csLine, 1, 0.5L, false);
    s.R.SetAngles(90, 0);
    s.R.Render(true);
    const TScreenPoint stale = s.R.Objects().Items(0).Points->ScreenPoints(5);
    EXPECT_EQ(stale.X, before.X);
    EXPECT_EQ(stale.Y, before.Y);
    s.R.Objects().Edit(0, ctXYPlane, "", "x", "", 255, csLine, 1, 0.5L, true);
    const TScreenPoint fresh = s.R.Objects().Items(0).Points->ScreenPoints(5);
    EXPECT_EQ(fresh.X, before.X);
    EXPECT_NE(fresh.Y, before.Y) << "the top view shows y along the depth";
}

TEST(DrawFunction, HugeZoomDrawsQuicklyAndSafely)
{
    Scene s(300, 200);
    s.R.Objects().Append(ctXYPlane, "", "x^3", "", 255, csLine, 1, 0.01L, true);
    s.R.Objects().Append(ctXYPlane, "", "sin(x)*1000", "", 0xFF, csLine, 4, 0.01L, true);
    s.R.Objects().Append(ctXYPlane, "", "x", "", 0xFF00, csPoints, 1, 0.01L, true);
    s.R.Planes().Items(1).SetThickness(5);
    s.R.SetZoom(2000000000);
    s.R.Render(true);
    s.R.SetZoom(1);
    s.R.DoubleScale();
    s.R.Render(true);
    s.R.SetAngles(15, 30);
    s.R.SetZoom(100000000);
    s.R.MoveOrigin(-1000000000, 1000000000);
    s.R.Render(true);
    SUCCEED();
}

TEST(DrawFunction, StrideThinsFarOut)
{
    Scene s(200, 200);
    s.R.SetPerspective(false);
    s.R.Objects().Append(ctXYPlane, "", "0", "", 255, csPoints, 1, 1, true); // 20 points
    s.R.SetZoom(3); // scale 1.666..: stride 2
    s.R.Render(true);
    EXPECT_EQ(s.R.Objects().Items(0).Points->ProjectedCount(), 10);
}

TEST(DrawFunction, SmoothLines)
{
    // A sloped line in red on white, thin and wide: aliased it holds only the two colours,
    // smooth it holds mixtures, while its end pixels stay pure red and the background elsewhere
    // stays white. Off again, the picture is the aliased one, pixel for pixel.
    Scene s(200, 200);
    EXPECT_FALSE(s.R.SmoothLines());
    s.R.SetPerspective(false);
    for (int i = 1; i <= 3; ++i)
        s.R.Planes().Items(i).SetVisible(false);
    s.R.SetLAxisesVisible(false);
    s.R.Objects().Append(ctXYPlane, "", "x/3", "", 255, csLine, 1, 8, true);
    s.R.Render(true);
    const QImage aliased = s.R.Image().copy();
    const auto mixtures = [](const QImage& image) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixel(x, y) != White && image.pixel(x, y) != Red;
        return n;
    };
    EXPECT_EQ(mixtures(aliased), 0);
    s.R.SetSmoothLines(true);
    s.R.Render(false);
    EXPECT_GT(mixtures(s.R.Image()), 100);
    // Points (-2, -2/3) -> (-40, -13) and (6, 2) -> (120, 40) of the curve, on the picture at
    // (60, 113) and (220, 60): the inner vertex is drawn in the colour itself.
    EXPECT_EQ(s.at(60, 113), Red);
    EXPECT_EQ(s.at(10, 10), White);

    s.R.Objects().Edit(0, ctXYPlane, "", "x/3", "", 255, csLine, 3, 8, true);
    s.R.Render(false);
    EXPECT_GT(mixtures(s.R.Image()), 100);

    s.R.Objects().Edit(0, ctXYPlane, "", "x/3", "", 255, csLine, 1, 8, true);
    s.R.SetSmoothLines(false);
    s.R.Render(false);
    EXPECT_TRUE(s.R.Image() == aliased);
}

// A frame that projects while it draws gives the picture of drawing the same screen points
// afterwards, pixel for pixel, and those points are the ones projection gives: for thin,
// smooth and wide lines and for points, with runs broken by points behind the eye and by
// points that do not project, right at the places where a new block of points starts.
TEST(DrawFunction, DrawingWhileProjectingGivesThePictureOfDrawingAfterwards)
{
    Scene s(400, 300);
    s.R.SetAngles(20, 40);
    s.R.Render(true);
    const auto& e = s.R.Matrix().M();
    // A point with w = -1, behind the eye.
    const long double norm = e[0][3] * e[0][3] + e[1][3] * e[1][3] + e[2][3] * e[2][3];
    ASSERT_GT(norm, 0.0L);
    const long double back = -(e[3][3] + 1) / norm;
    const TSpacePoint behind { back * e[0][3], back * e[1][3], back * e[2][3], 1 };
    const long double nan = std::numeric_limits<long double>::quiet_NaN();

    const int block = static_cast<int>(ProjectionBlock);
    const int count = 3 * block + 77;
    const struct {
        std::uint8_t Style;
        int Thickness;
        TColor Color;
    } curves[] = { { csLine, 1, 255 }, { csLine, 3, 0xFF0000 }, { csPoints, 1, 0xFF00 },
        { csLine, 1, 0x808080 } };
    std::mt19937_64 random(11);
    std::uniform_real_distribution<long double> step(-0.3L, 0.3L);
    std::uniform_int_distribution<int> chance(0, 99);
    for (const auto& c : curves) {
        // Formulas that differ, as the list requires; the points are replaced below.
        const std::string fy = std::to_string(s.R.Objects().Count() + 1) + "*x";
        s.R.Objects().Append(ctXYPlane, "", fy, "", c.Color, c.Style, c.Thickness, 1, true);
        TGoruntuMatrisi& points = *s.R.Objects().Items(s.R.Objects().Count() - 1).Points;
        points.Clear();
        TSpacePoint p { 0, 0, 0, 1 };
        for (int i = 0; i < count; ++i) {
            // A walk of steps of a few pixels, kept near the middle, with now and then a
            // leap far off the picture.
            p.X = std::clamp(p.X + step(random), -5.0L, 5.0L);
            p.Y = std::clamp(p.Y + step(random), -5.0L, 5.0L);
            p.Z = std::clamp(p.Z + step(random), -5.0L, 5.0L);
            TSpacePoint q = p;
            if (chance(random) == 0)
                q.X *= 1e6L;
            // One-point runs at a block's end (4094) and start (4096); a run whose first
            // block holds one point of it (8191); points that repeat the slot before them
            // across a block's start (12288, 12289).
            const bool cut = i == block - 3 || i == block - 1 || i == block + 1 || i == 2 * block - 2;
            if (cut || chance(random) == 0)
                q = behind;
            else if (i == 3 * block || i == 3 * block + 1 || chance(random) == 0)
                q.X = nan;
            points.Add(q);
        }
    }
    for (const bool smooth : { false, true }) {
        SCOPED_TRACE(smooth);
        s.R.SetSmoothLines(smooth);
        s.R.Render(true);
        const QImage whileProjecting = s.R.Image().copy();
        s.R.Render(false);
        EXPECT_TRUE(s.R.Image() == whileProjecting);
        for (const auto& c : curves)
            EXPECT_GT(s.count(ColorToRgb32(c.Color)), 200);
    }
    for (int k = 0; k < s.R.Objects().Count(); ++k) {
        const TGoruntuMatrisi& points = *s.R.Objects().Items(k).Points;
        std::vector<TScreenPoint> expected(static_cast<std::size_t>(count));
        ASSERT_EQ(ProjectPoints(s.R.Matrix(), points.SpacePointData(), count, 1, expected.data()),
            points.ProjectedCount());
        int behindEye = 0, differing = 0;
        for (int i = 0; i < count; ++i) {
            const TScreenPoint got = points.ScreenPointData()[i];
            behindEye += !Drawable(got);
            differing += got.X != expected[i].X || got.Y != expected[i].Y;
        }
        EXPECT_EQ(differing, 0);
        EXPECT_GT(behindEye, 100);
    }
}

TEST(DrawFunction, Legend)
{
    // Off: the picture is the one without a legend, pixel for pixel. On: a sample of each
    // visible curve's colour at the left edge, one row per curve, hidden curves left out; text
    // in the little axes' colour; nothing past a small view's edge.
    Scene s(300, 200);
    s.R.SetPerspective(false);
    for (int i = 1; i <= 3; ++i)
        s.R.Planes().Items(i).SetVisible(false);
    s.R.SetLAxisesVisible(false);
    s.R.SetLAxisesColor(0x00FF00);
    s.R.Objects().Append(ctXYPlane, "", "x/3 - 6", "", 255, csLine, 1, 8, true);
    s.R.Objects().Append(ctXYPlane, "", "x/5 - 6", "", 0xFF0000, csLine, 1, 8, false);
    s.R.Objects().Append(ctXYPlane, "", "x/7 - 6", "", 0xFF0000, csPoints, 1, 8, true);
    s.R.Render(true);
    const QImage plain = s.R.Image().copy();
    EXPECT_FALSE(s.R.Legend());
    s.R.SetLegend(true);
    s.R.Render(false);
    const QImage& legend = s.R.Image();
    const auto rowsOf = [&](QRgb colour, int left, int right) {
        std::set<int> rows;
        for (int y = 0; y < 60; ++y)
            for (int x = left; x < right; ++x)
                if (legend.pixel(x, y) == colour)
                    rows.insert(y);
        return rows;
    };
    const std::set<int> red = rowsOf(Red, 0, 40);
    const std::set<int> blue = rowsOf(0xFF0000FFu, 0, 40);
    ASSERT_FALSE(red.empty());
    ASSERT_FALSE(blue.empty());
    EXPECT_LT(*red.rbegin(), *blue.begin()) << "the first visible curve's row comes first";
    EXPECT_LT(*blue.rbegin(), 50) << "no row for the hidden curve between them";
    // The formula text in the little axes' colour (green, whatever the font's smoothing).
    int text = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 30; x < 300; ++x) {
            const QRgb p = legend.pixel(x, y);
            text += qGreen(p) > qRed(p) + 50 && qGreen(p) > qBlue(p) + 50;
        }
    EXPECT_GT(text, 20);
    s.R.SetLegend(false);
    s.R.Render(false);
    EXPECT_TRUE(s.R.Image() == plain);

    Scene tiny(12, 9);
    tiny.R.Objects().Append(ctXYPlane, "", "x", "", 255, csLine, 1, 1, true);
    tiny.R.SetLegend(true);
    tiny.R.Render(true);
    EXPECT_EQ(tiny.R.Image().size(), QSize(12, 9));

    const auto textOf = [&](int type, const char* fx, const char* fy, const char* fz) {
        TDrawFunction r;
        r.Objects().Append(type, fx, fy, fz, 0, csLine, 1, 0.5L, true);
        return LegendText(r.Objects().Items(0)).toStdString();
    };
    EXPECT_EQ(textOf(ctXYPlane, "", "sin(x)", ""), "fy(x) = sin(x)");
    EXPECT_EQ(textOf(ctXZPlane, "", "", "x*2"), "fz(x) = x*2");
    EXPECT_EQ(textOf(ctYZPlane, "", "", "y*2"), "fz(y) = y*2");
    EXPECT_EQ(textOf(ctXYZSpace, "", "x", "x*x"), "fy(x) = x, fz(x) = x*x");
    EXPECT_EQ(textOf(ctSpherical, "sin(a)", "cos(b)", "1"),
        "fx(a,b) = sin(a), fy(a,b) = cos(b), fz(a,b) = 1");
    EXPECT_EQ(textOf(ctPolar, "", "", "2*sin(3*a)"), "R(a) = 2*sin(3*a)");
    EXPECT_EQ(textOf(ctCylindrical, "t", "1", "2"), "fx(t) = t, fy(t) = 1, fz(t) = 2");
}
