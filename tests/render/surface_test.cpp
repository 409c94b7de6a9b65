#include "render/canvas.h"
#include "render/draw_function.h"
#include "render/surfaces.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgGenerator>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <memory>
#include <random>
#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <vector>

namespace {
constexpr QRgb White = 0xFFFFFFFFu;
constexpr TColor Blue = 16711680;
constexpr TColor Red = 255;
constexpr int Width = 400, Height = 300;

// A front view without perspective, planes or little axes, the origin in the middle:
// a space point (x, y, z) lies at the pixel (200 + 20x, 150 - 20y), z towards the eye.
struct TScene {
    TDrawFunction R;
    TScene()
    {
        R.SetSize(Width, Height);
        R.SetX0(Width / 2);
        R.SetY0(Height / 2);
        R.SetPerspective(false);
        R.SetLAxisesVisible(false);
        for (int i = 1; i <= 3; ++i)
            R.Planes().Items(i).SetVisible(false);
    }
    void add(int type, const char* fx, const char* fy, const char* fz, TColor color,
        std::uint8_t style, long double step)
    {
        R.Objects().Append(type, fx, fy, fz, color, style, 1, step, true);
    }
    // The raster's picture, or the painter's (drawn as for vector files, without smoothing).
    QImage picture(bool vector)
    {
        R.Render(true);
        if (!vector)
            return R.Image();
        QImage image(Width, Height, QImage::Format_RGB32);
        QPainter painter(&image);
        R.Paint(painter, Width, Height, false);
        return image;
    }
    // The raster's picture of the scene as last rendered, its depth buffer built in
    // bands (0: as many as suit the machine; 1: in one piece).
    QImage pictureInBands(int bands)
    {
        QImage image(Width, Height, QImage::Format_RGB32);
        TRasterCanvas canvas(image);
        canvas.SetBands(bands);
        R.Scene().Draw(R.Camera(), canvas);
        return image;
    }
};

struct TPoint2 {
    double X, Y;
};
TPoint2 pixelOf(double x, double y) { return { 200 + 20 * x, 150 - 20 * y }; }

double distanceToSegment(TPoint2 p, TPoint2 a, TPoint2 b)
{
    const double dx = b.X - a.X, dy = b.Y - a.Y;
    const double l = dx * dx + dy * dy;
    const double t = l > 0 ? std::clamp(((p.X - a.X) * dx + (p.Y - a.Y) * dy) / l, 0.0, 1.0) : 0;
    return std::hypot(p.X - a.X - t * dx, p.Y - a.Y - t * dy);
}

// Whether the 3 x 3 pixels around p hold the colour.
bool near(const QImage& image, TPoint2 p, QRgb colour)
{
    const int x = int(std::lround(p.X)), y = int(std::lround(p.Y));
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (image.pixel(x + dx, y + dy) == colour)
                return true;
    return false;
}

bool blank(const QImage& image, TPoint2 p)
{
    const int x = int(std::lround(p.X)), y = int(std::lround(p.Y));
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (image.pixel(x + dx, y + dy) != White)
                return false;
    return true;
}

// A mesh segment of the sphere of radius 6 whose poles lie on the y axis, turned about
// it so that its back meridians fall halfway between its front ones, with the depth of
// both ends.
struct TSegment {
    TPoint2 A, B;
    double ZA, ZB;
};
std::vector<TSegment> sphereSegments(long double step)
{
    std::vector<std::vector<std::array<double, 3>>> grid;
    for (long double a = 0; a < 3.1415926535897932385L; a += step) {
        grid.emplace_back();
        for (long double b = 0; b < 2 * 3.1415926535897932385L; b += step)
            grid.back().push_back({ double(6 * std::sin(a) * std::cos(b + 0.2166L)),
                double(6 * std::cos(a)), double(6 * std::sin(a) * std::sin(b + 0.2166L)) });
    }
    std::vector<TSegment> segments;
    const auto add = [&](const std::array<double, 3>& p, const std::array<double, 3>& q) {
        segments.push_back({ pixelOf(p[0], p[1]), pixelOf(q[0], q[1]), p[2], q[2] });
    };
    for (std::size_t r = 0; r < grid.size(); ++r)
        for (std::size_t c = 0; c < grid[r].size(); ++c) {
            add(grid[r][c], grid[r][(c + 1) % grid[r].size()]);
            if (r + 1 < grid.size())
                add(grid[r][c], grid[r + 1][c]);
        }
    return segments;
}
}

TEST(Surfaces, SphereHidesExactlyItsBackHalf)
{
    for (const bool vector : { false, true }) {
        SCOPED_TRACE(vector ? "vector" : "raster");
        TScene s;
        s.add(ctSpherical, "6*sin(a)*cos(b+0.2166)", "6*cos(a)", "6*sin(a)*sin(b+0.2166)", Blue,
            csSurface, 0.3L);
        const QImage image = s.picture(vector);
        const QRgb blue = ColorToRgb32(Blue);
        const std::vector<TSegment> segments = sphereSegments(0.3L);
        int back = 0, front = 0;
        for (const TSegment& segment : segments) {
            const TPoint2 middle { (segment.A.X + segment.B.X) / 2, (segment.A.Y + segment.B.Y) / 2 };
            if (segment.ZA > 1 && segment.ZB > 1) {
                EXPECT_TRUE(near(image, middle, blue)) << middle.X << ", " << middle.Y;
                ++front;
            } else if (segment.ZA < -1 && segment.ZB < -1) {
                // A back segment whose middle no front line passes near.
                bool clear = true;
                for (const TSegment& other : segments)
                    if ((other.ZA > -0.5 || other.ZB > -0.5)
                        && distanceToSegment(middle, other.A, other.B) < 2.5)
                        clear = false;
                if (!clear)
                    continue;
                EXPECT_TRUE(blank(image, middle)) << middle.X << ", " << middle.Y;
                ++back;
            }
        }
        EXPECT_GT(front, 100);
        EXPECT_GT(back, 20);
    }
}

TEST(Surfaces, HelixInsideASphereIsHiddenWhereTheSphereCoversIt)
{
    for (const bool vector : { false, true }) {
        SCOPED_TRACE(vector ? "vector" : "raster");
        TScene s;
        s.add(ctSpherical, "5*sin(a)*cos(b)", "5*cos(a)", "5*sin(a)*sin(b)", Blue, csSurface,
            0.3L);
        // Along the x axis, radius 2: inside the sphere while |x| < 4.58.
        s.add(ctCylindrical, "0.8*t", "2*cos(t)", "2*sin(t)", Red, csLine, 0.05L);
        const QImage image = s.picture(vector);
        const QRgb red = ColorToRgb32(Red);
        int hidden = 0, shown = 0;
        for (double t = -9.9; t < 9.9; t += 0.05) {
            const TPoint2 p = pixelOf(0.8 * t, 2 * std::cos(t));
            if (std::fabs(t) > 6.5) {
                EXPECT_TRUE(near(image, p, red)) << t;
                ++shown;
            } else if (std::fabs(t) < 5.4) {
                EXPECT_FALSE(near(image, p, red)) << t;
                ++hidden;
            }
        }
        EXPECT_GT(shown, 100);
        EXPECT_GT(hidden, 150);
    }
}

TEST(Surfaces, HoleWhereSamplesFail)
{
    // A flat sheet at z = 1 over x in -3..3 and y in -3..3, and behind it a line at y = 0.15.
    // Five samples round x = 0, y = 0 cannot be computed (the logarithm of a negative number).
    for (const bool vector : { false, true }) {
        for (const bool hole : { false, true }) {
            SCOPED_TRACE(std::string(vector ? "vector" : "raster") + (hole ? ", hole" : ""));
            TScene s;
            s.add(ctSpherical, "2*a-3", "b-3",
                hole ? "1+0*ln(abs(a-1.5)+abs(b-3)-0.35)" : "1", Blue, csSurface, 0.3L);
            s.add(ctXYPlane, "", "0.15", "", Red, csLine, 0.1L);
            const TGoruntuMatrisi& points = *s.R.Objects().Items(0).Points;
            ASSERT_EQ(points.GridRows(), 11);
            ASSERT_EQ(points.GridColumns(), 21);
            EXPECT_EQ(points.Count(), hole ? 11 * 21 - 5 : 11 * 21);
            EXPECT_EQ(points.GridPoint(5, 10) < 0, hole);
            const QImage image = s.picture(vector);
            const QRgb red = ColorToRgb32(Red);
            // Seen through the hole, and beside the sheet; hidden under it elsewhere.
            EXPECT_EQ(image.pixel(200, 147) == red, hole);
            EXPECT_EQ(image.pixel(250, 147), White);
            EXPECT_EQ(image.pixel(300, 147), red);
            // No mesh line crosses the hole.
            EXPECT_EQ(image.pixel(200, 150) == ColorToRgb32(Blue), !hole);
        }
    }
}

TEST(Surfaces, ShadedCellsAreLitFromTheEyeAndTheMeshIsDarker)
{
    TScene s;
    s.add(ctSpherical, "6*sin(a)*cos(b)", "6*cos(a)", "6*sin(a)*sin(b)", Blue, csShaded, 0.1L);
    const QImage image = s.picture(false);
    // Facing the eye: nearly the colour itself; near the outline, turned away: darker.
    EXPECT_GE(qBlue(image.pixel(201, 148)), 240);
    EXPECT_LT(qBlue(image.pixel(200 + 114, 150)), 170);
    EXPECT_GT(qBlue(image.pixel(200 + 114, 150)), 51);
    EXPECT_EQ(image.pixel(200, 20), White);
    int mesh = 0;
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x)
            mesh += image.pixel(x, y) == qRgb(0, 0, 140);
    EXPECT_GT(mesh, 1000);
}

TEST(Surfaces, NoTwoSegmentsOfTheSvgCross)
{
    TScene s;
    s.R.SetPerspective(true);
    s.R.SetAngles(15, 30);
    s.R.SetZoom(300);
    s.add(ctSpherical, "sin(a)*cos(b)", "sin(a)*sin(b)", "cos(a)", Blue, csSurface, 0.25L);
    s.R.Render(true);
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(QSize(Width, Height));
        svg.setViewBox(QRect(0, 0, Width, Height));
        s.R.Paint(svg);
    }
    const QString text = QString::fromUtf8(file.data());
    const int group = text.indexOf(QStringLiteral("stroke=\"#0000ff\""));
    ASSERT_GE(group, 0);
    const QRegularExpressionMatch path
        = QRegularExpression(QStringLiteral(" d=\"([^\"]*)\"")).match(text, group);
    ASSERT_TRUE(path.hasMatch());
    struct TLine {
        TPoint2 A, B;
    };
    std::vector<TLine> lines;
    TPoint2 at { 0, 0 };
    for (const QString& item : path.captured(1).split(' ', Qt::SkipEmptyParts)) {
        const QStringList xy = item.mid(1).split(',');
        const TPoint2 p { xy[0].toDouble(), xy[1].toDouble() };
        if (item.startsWith('L'))
            lines.push_back({ at, p });
        at = p;
    }
    ASSERT_GT(lines.size(), 300U);
    const auto side = [](TPoint2 a, TPoint2 b, TPoint2 p) {
        // The signed distance of p from the line through a and b.
        const double l = std::hypot(b.X - a.X, b.Y - a.Y);
        return l > 0 ? ((b.X - a.X) * (p.Y - a.Y) - (b.Y - a.Y) * (p.X - a.X)) / l : 0;
    };
    int crossings = 0;
    for (std::size_t i = 0; i < lines.size(); ++i)
        for (std::size_t j = i + 1; j < lines.size(); ++j) {
            const TLine& p = lines[i];
            const TLine& q = lines[j];
            // Each strictly on both sides of the other, by more than the file's rounding.
            constexpr double margin = 0.01;
            const double d1 = side(p.A, p.B, q.A), d2 = side(p.A, p.B, q.B);
            const double d3 = side(q.A, q.B, p.A), d4 = side(q.A, q.B, p.B);
            if (((d1 > margin && d2 < -margin) || (d1 < -margin && d2 > margin))
                && ((d3 > margin && d4 < -margin) || (d3 < -margin && d4 > margin)))
                ++crossings;
        }
    EXPECT_EQ(crossings, 0);
}

TEST(Surfaces, BandsOnSeveralThreadsDrawThePictureOfOnePiece)
{
    // Fine meshes with cells below a pixel and meshes with cells of many pixels and lines
    // across many bands, a line inside, the planes, a closed and an open grid, both styles.
    struct TView {
        int Zoom, AngleX, AngleY;
        std::uint8_t Style;
        long double Step;
    };
    for (const TView& view : { TView { 100, 15, 30, csSurface, 0.01L },
             TView { 2000, -40, 110, csShaded, 0.02L }, TView { 30000, 80, 10, csSurface, 0.02L },
             TView { 400, 35, 20, csShaded, 0.01L } }) {
        SCOPED_TRACE(view.Zoom);
        TScene s;
        s.R.SetPerspective(true);
        s.R.SetZoom(view.Zoom);
        s.R.SetAngles(view.AngleX, view.AngleY);
        for (int i = 1; i <= 3; ++i)
            s.R.Planes().Items(i).SetVisible(true);
        s.add(ctSpherical, "sin(a)*cos(b)", "sin(a)*sin(b)", "cos(a)", Blue, view.Style, view.Step);
        s.add(ctXYZSurface, "", "", "x*y/200", Red, view.Style, view.Step * 20);
        s.add(ctCylindrical, "0.2*t", "0.5*cos(t)", "0.5*sin(t)", Red, csLine, 0.05L);
        s.R.Render(true);
        const QImage whole = s.pictureInBands(1);
        for (const int bands : { 0, 2, 7 }) {
            const QImage banded = s.pictureInBands(bands);
            int differ = 0;
            for (int y = 0; y < Height; ++y)
                for (int x = 0; x < Width; ++x)
                    differ += banded.pixel(x, y) != whole.pixel(x, y);
            EXPECT_EQ(differ, 0) << bands << " bands";
        }
    }
}

TEST(Surfaces, DepthBufferInBandsHoldsTheNearnessOfOnePiece)
{
    // Slot for slot, not only where a line or a shaded cell shows it: fine and coarse
    // meshes, one behind another and close in front of it, from in front, the side and
    // behind, both styles, closed and open grids.
    struct TView {
        int Zoom, AngleX, AngleY;
        std::uint8_t Style;
        long double Step;
    };
    for (const TView& view : { TView { 100, 15, 30, csSurface, 0.01L },
             TView { 700, 15, 30, csShaded, 0.01L }, TView { 2000, -40, 110, csSurface, 0.02L },
             TView { 400, 170, -60, csShaded, 0.005L }, TView { 30000, 80, 10, csSurface, 0.05L } }) {
        SCOPED_TRACE(view.Zoom);
        TScene s;
        s.R.SetPerspective(true);
        s.R.SetZoom(view.Zoom);
        s.R.SetAngles(view.AngleX, view.AngleY);
        s.add(ctSpherical, "sin(a)*cos(b)", "sin(a)*sin(b)", "cos(a)", Blue, view.Style, view.Step);
        s.add(ctSpherical, "1.02*sin(a)*cos(b)", "1.02*sin(a)*sin(b)", "1.02*cos(a)", Red,
            view.Style, view.Step * 3);
        s.add(ctXYZSurface, "", "", "x*y/200", Red, view.Style, view.Step * 20);
        s.R.Render(true);
        TSurfaceSet set;
        ASSERT_TRUE(CollectSurfaces(s.R.Objects(), s.R.Camera(), set));
        const auto build = [&](int bands, QImage& image) {
            image = QImage(Width, Height, QImage::Format_RGB32);
            image.fill(White);
            TRaster raster(image);
            TDepthBuffer buffer;
            buffer.Build(set, raster, bands);
            return std::vector<float>(buffer.Data(), buffer.Data() + Width * Height);
        };
        QImage whole, banded;
        const std::vector<float> one = build(1, whole);
        std::size_t written = 0;
        for (const float d : one)
            written += std::isfinite(d);
        EXPECT_GT(written, 1000u);
        for (const int bands : { 0, 2, 7 }) {
            const std::vector<float> depth = build(bands, banded);
            EXPECT_EQ(std::memcmp(depth.data(), one.data(), one.size() * sizeof(float)), 0)
                << bands << " bands";
            EXPECT_EQ(banded, whole) << bands << " bands";
        }
    }
}

namespace {
// The depth buffer and the shaded picture as their definition gives them, with none of the
// build's short cuts: cell after cell in the order of the grids, every pixel whose centre
// lies inside or on the edges of one of the cell's two triangles (its own nearest corner
// for a cell within one pixel) takes the cell's nearness there less its tolerance, where
// that is nearer than what the pixel holds.
std::vector<float> depthAsDefined(const TSurfaceSet& set, QImage& image)
{
    const std::int64_t width = image.width(), height = image.height();
    std::vector<float> depth(std::size_t(width * height), -std::numeric_limits<float>::infinity());
    const bool paint = set.AnyShaded();
    const auto put = [&](std::int64_t x, std::int64_t y, double value, QRgb pixel) {
        if (x < 0 || y < 0 || x >= width || y >= height)
            return;
        float& slot = depth[std::size_t(y * width + x)];
        if (value > slot) {
            slot = float(value);
            if (paint)
                image.setPixel(int(x), int(y), pixel);
        }
    };
    for (const TSurfaceMesh& mesh : set.Meshes)
        for (int row = 0; row < mesh.CellRows(); ++row)
            for (int column = 0; column < mesh.CellColumns(); ++column) {
                int c[4];
                if (!mesh.Cell(row, column, c))
                    continue;
                std::int64_t x[4], y[4];
                double d[4];
                for (int k = 0; k < 4; ++k) {
                    x[k] = set.X0 + mesh.Screen[std::size_t(c[k])].X;
                    y[k] = set.Y0 - mesh.Screen[std::size_t(c[k])].Y;
                    d[k] = mesh.Depth[std::size_t(c[k])].D;
                }
                const TCellLook look = LookOfCell(mesh.Depth[std::size_t(c[0])],
                    mesh.Depth[std::size_t(c[1])], mesh.Depth[std::size_t(c[2])],
                    mesh.Depth[std::size_t(c[3])]);
                const double tolerance = 0.75 + look.Slope;
                const QRgb pixel = mesh.Shaded ? ColorToRgb32(LitColor(mesh.Color, look.Light))
                                               : ColorToRgb32(set.Background);
                if (std::count(x, x + 4, x[0]) == 4 && std::count(y, y + 4, y[0]) == 4) {
                    put(x[0], y[0], *std::max_element(d, d + 4) - tolerance, pixel);
                    continue;
                }
                for (const auto& t : { std::array<int, 3> { 0, 1, 2 }, std::array<int, 3> { 0, 2, 3 } }) {
                    const double ax = double(x[t[0]]), ay = double(y[t[0]]), bx = double(x[t[1]]),
                                 by = double(y[t[1]]), cx = double(x[t[2]]), cy = double(y[t[2]]);
                    const double area = (bx - ax) * (cy - ay) - (by - ay) * (cx - ax);
                    if (area == 0) {
                        for (const int k : t)
                            put(x[k], y[k], d[k] - tolerance, pixel);
                        continue;
                    }
                    const std::int64_t left = std::max<std::int64_t>(0, std::min({ x[t[0]], x[t[1]], x[t[2]] }));
                    const std::int64_t right = std::min(width - 1, std::max({ x[t[0]], x[t[1]], x[t[2]] }));
                    const std::int64_t top = std::max<std::int64_t>(0, std::min({ y[t[0]], y[t[1]], y[t[2]] }));
                    const std::int64_t bottom = std::min(height - 1, std::max({ y[t[0]], y[t[1]], y[t[2]] }));
                    for (std::int64_t py = top; py <= bottom; ++py)
                        for (std::int64_t px = left; px <= right; ++px) {
                            const double fx = double(px), fy = double(py);
                            const double w0 = (bx - fx) * (cy - fy) - (by - fy) * (cx - fx);
                            const double w1 = (cx - fx) * (ay - fy) - (cy - fy) * (ax - fx);
                            const double w2 = (ax - fx) * (by - fy) - (ay - fy) * (bx - fx);
                            if (w0 * area >= 0 && w1 * area >= 0 && w2 * area >= 0)
                                put(px, py,
                                    (w0 * d[t[0]] + w1 * d[t[1]] + w2 * d[t[2]]) * (1 / area) - tolerance,
                                    pixel);
                        }
                }
            }
    return depth;
}
}

TEST(Surfaces, DepthBufferHoldsForEachPixelTheNearestCellLessItsTolerance)
{
    // Cells far below a pixel (most of them across two), a few pixels and many, steep and
    // edge-on ones, meshes through and close behind one another, both styles, in one piece
    // and in bands: slot for slot and pixel for pixel what the definition gives.
    struct TView {
        int Zoom, AngleX, AngleY;
        std::uint8_t Style;
        long double Step;
    };
    for (const TView& view : { TView { 100, 15, 30, csSurface, 0.01L },
             TView { 100, 15, 30, csShaded, 0.01L }, TView { 300, 80, 10, csShaded, 0.02L },
             TView { 700, -40, 110, csSurface, 0.005L }, TView { 2500, 15, 30, csShaded, 0.05L },
             TView { 20000, 170, -60, csSurface, 0.1L } }) {
        SCOPED_TRACE(testing::Message() << view.Zoom << " " << int(view.Style));
        TScene s;
        s.R.SetPerspective(true);
        s.R.SetZoom(view.Zoom);
        s.R.SetAngles(view.AngleX, view.AngleY);
        s.add(ctSpherical, "sin(a)*cos(b)", "sin(a)*sin(b)", "cos(a)", Blue, view.Style, view.Step);
        s.add(ctSpherical, "1.01*sin(a)*cos(b)", "0.5*sin(a)*sin(b)", "1.01*cos(a)", Red,
            view.Style, view.Step * 2);
        s.add(ctXYZSurface, "", "", "sin(3*x)*y/4", Red, view.Style, view.Step * 10);
        s.R.Render(true);
        TSurfaceSet set;
        ASSERT_TRUE(CollectSurfaces(s.R.Objects(), s.R.Camera(), set));
        set.Background = 0xFFFFFF;
        QImage expectedImage(Width, Height, QImage::Format_RGB32);
        expectedImage.fill(White);
        const std::vector<float> expected = depthAsDefined(set, expectedImage);
        for (const int bands : { 1, 0, 3 }) {
            QImage image(Width, Height, QImage::Format_RGB32);
            image.fill(White);
            TRaster raster(image);
            TDepthBuffer buffer;
            buffer.Build(set, raster, bands);
            EXPECT_EQ(std::memcmp(buffer.Data(), expected.data(), expected.size() * sizeof(float)), 0)
                << bands << " bands";
            EXPECT_EQ(image, expectedImage) << bands << " bands";
        }
    }
}

TEST(Surfaces, ADepthBufferKeptFromPictureToPictureHoldsWhatANewOneHolds)
{
    // One buffer built again and again, as a window keeps it: a crowded picture, then a
    // smaller one, then the first size with far fewer cells, in bands and in one piece;
    // nothing of an earlier build may remain in a later one.
    const auto setOf = [](const char* scale, std::uint8_t style, long double step, int zoom) {
        auto s = std::make_unique<TScene>();
        s->R.SetPerspective(true);
        s->R.SetZoom(zoom);
        s->R.SetAngles(15, 30);
        const std::string f = scale;
        s->add(ctSpherical, (f + "*sin(a)*cos(b)").c_str(), (f + "*sin(a)*sin(b)").c_str(),
            (f + "*cos(a)").c_str(), Blue, style, step);
        s->R.Render(true);
        return s;
    };
    const auto crowded = setOf("1", csShaded, 0.01L, 700);
    const auto sparse = setOf("0.3", csSurface, 0.2L, 300);
    struct TBuild {
        const TScene* Scene;
        int Width, Height, Bands;
    };
    TDepthBuffer kept;
    EXPECT_TRUE(kept.Empty());
    for (const TBuild& b : { TBuild { crowded.get(), Width, Height, 0 },
             TBuild { crowded.get(), 150, 90, 2 }, TBuild { sparse.get(), Width, Height, 7 },
             TBuild { crowded.get(), Width, Height, 1 }, TBuild { sparse.get(), Width, Height, 1 },
             TBuild { sparse.get(), Width, Height, 3 } }) {
        SCOPED_TRACE(b.Bands);
        TSurfaceSet set;
        ASSERT_TRUE(CollectSurfaces(b.Scene->R.Objects(), b.Scene->R.Camera(), set));
        const auto build = [&](TDepthBuffer& buffer, QImage& image) {
            image = QImage(b.Width, b.Height, QImage::Format_RGB32);
            image.fill(White);
            TRaster raster(image);
            buffer.Build(set, raster, b.Bands);
            EXPECT_FALSE(buffer.Empty());
            return std::vector<float>(buffer.Data(), buffer.Data() + b.Width * b.Height);
        };
        QImage fresh, again;
        TDepthBuffer buffer;
        const std::vector<float> expected = build(buffer, fresh);
        const std::vector<float> depth = build(kept, again);
        EXPECT_EQ(std::memcmp(depth.data(), expected.data(), expected.size() * sizeof(float)), 0);
        EXPECT_EQ(again, fresh);
        kept.Clear();
        EXPECT_TRUE(kept.Empty());
    }
}

TEST(Surfaces, AKeptDepthBufferEmptiesWhatItsLastBuildWrote)
{
    // A small sphere (and a surface with holes) moved up and down the picture and across
    // its edges, built again and again into one buffer (which empties only the rows its
    // last build wrote), in bands and in one piece, slot for slot as a fresh buffer; every
    // slot outside the box it tells filled holds no surface.
    TScene s;
    s.R.SetPerspective(true);
    s.R.SetZoom(150);
    s.R.SetAngles(15, 30);
    s.add(ctSpherical, "sin(a)*cos(b)", "sin(a)*sin(b)", "cos(a)", Blue, csSurface, 0.01L);
    s.R.Render(true);
    TSurfaceSet set;
    ASSERT_TRUE(CollectSurfaces(s.R.Objects(), s.R.Camera(), set));
    TDepthBuffer kept;
    QImage image(Width, Height, QImage::Format_RGB32);
    const auto filledBoxHoldsAll = [&] {
        const TPixelBox box = kept.FilledBox();
        for (int y = 0; y < Height; ++y)
            for (int x = 0; x < Width; ++x)
                if ((x < box.Left || x > box.Right || y < box.Top || y > box.Bottom)
                    && kept.Data()[y * Width + x] != -std::numeric_limits<float>::infinity()) {
                    ADD_FAILURE() << "(" << x << ", " << y << ") outside " << box.Left << ", "
                                  << box.Top << " .. " << box.Right << ", " << box.Bottom;
                    return;
                }
    };
    for (int withHoles = 0; withHoles < 2; ++withHoles) {
        if (withHoles) {
            s.add(ctXYZSurface, "", "", "sqrt(9-x*x-y*y)", Red, csShaded, 0.05L);
            s.R.Render(true);
            ASSERT_TRUE(CollectSurfaces(s.R.Objects(), s.R.Camera(), set));
            ASSERT_FALSE(set.Meshes[1].Whole);
        }
        for (const auto& [x0, y0, bands] : { std::tuple { 200, 150, 0 }, std::tuple { 200, 40, 0 },
                 std::tuple { 200, 41, 0 }, std::tuple { 200, 260, 3 }, std::tuple { 200, 5, 0 },
                 std::tuple { 200, 295, 1 }, std::tuple { 200, 150, 0 }, std::tuple { 200, -100, 0 },
                 std::tuple { 200, 120, 0 }, std::tuple { 10, 150, 0 }, std::tuple { 390, 150, 2 },
                 std::tuple { -50, 150, 0 }, std::tuple { 330, 200, 0 } }) {
            SCOPED_TRACE(testing::Message() << withHoles << ": " << x0 << ", " << y0);
            set.X0 = x0;
            set.Y0 = y0;
            TRaster raster(image);
            kept.Build(set, raster, bands);
            TDepthBuffer fresh;
            fresh.Build(set, raster, bands);
            EXPECT_EQ(std::memcmp(kept.Data(), fresh.Data(), std::size_t(Width * Height) * sizeof(float)), 0);
            filledBoxHoldsAll();
            kept.Clear();
        }
    }
}

TEST(Surfaces, DepthPointsOfPointsKeptFromFrameToFrameAreThoseMadeAfresh)
{
    // A view turning over the same points (which keeps them rounded from the second frame
    // on), then the points changed; a surface with values double cannot hold and a count
    // that is no multiple of four, and a fine sphere.
    TScene s;
    s.R.SetPerspective(true);
    s.R.SetZoom(400);
    s.add(ctXYZSurface, "", "", "exp(k*x*x)", Red, csShaded, 0.09L);
    s.add(ctSpherical, "sin(a)*cos(b)", "sin(a)*sin(b)", "cos(a)", Blue, csSurface, 0.01L);
    s.R.Objects().SetParameterValue("k", 50);
    ASSERT_EQ(s.R.Objects().Items(0).Points->Count() % 4, 1);
    TSurfaceSet kept;
    for (int frame = 0; frame < 8; ++frame) {
        SCOPED_TRACE(frame);
        if (frame == 5)
            s.R.Objects().SetParameterValue("k", 0.01L);
        s.R.RotateBy(7, 3);
        s.R.Render(true);
        TSurfaceSet fresh;
        ASSERT_TRUE(CollectSurfaces(s.R.Objects(), s.R.Camera(), kept));
        ASSERT_TRUE(CollectSurfaces(s.R.Objects(), s.R.Camera(), fresh));
        ASSERT_EQ(kept.Meshes.size(), 2u);
        for (std::size_t m = 0; m < 2; ++m) {
            const TSurfaceMesh &a = kept.Meshes[m], &b = fresh.Meshes[m];
            ASSERT_EQ(a.Depth.size(), b.Depth.size());
            for (std::size_t i = 0; i < a.Depth.size(); ++i)
                ASSERT_TRUE(std::memcmp(&a.Depth[i].X, &b.Depth[i].X, 3 * sizeof(double)) == 0
                    && a.Depth[i].Valid == b.Depth[i].Valid
                    && a.Screen[i].X == b.Screen[i].X && a.Screen[i].Y == b.Screen[i].Y)
                    << m << " " << i;
            EXPECT_EQ(a.Whole, b.Whole);
        }
    }
}

TEST(Surfaces, AMeshJustBehindAnotherShowsThroughItInBandsAsInOnePiece)
{
    // Face on, a plane 0.4 pixels of nearness behind another lies within its tolerance:
    // its lines show between the other's, drawn in bands as in one piece.
    for (const std::uint8_t style : { csSurface, csShaded }) {
        TScene s;
        s.add(ctXYZSurface, "", "", "0", Red, csSurface, 0.7L);
        s.add(ctXYZSurface, "", "", "0.02", Blue, style, 0.5L);
        s.R.Render(true);
        const QImage whole = s.pictureInBands(1);
        int red = 0;
        for (int y = 0; y < Height; ++y)
            for (int x = 0; x < Width; ++x)
                red += whole.pixel(x, y) == ColorToRgb32(Red);
        EXPECT_GT(red, 1000);
        for (const int bands : { 2, 7 })
            EXPECT_EQ(s.pictureInBands(bands), whole) << bands << " bands";
    }
}

TEST(Surfaces, DepthPointsOfAListAreThoseOfEachPointAlone)
{
    // Long doubles that double cannot hold (rounded halfway and near it, both ways), zeros,
    // values beyond and below double's range, non-numbers, points behind the eye and far
    // off to the side, in groups as a whole list is taken.
    std::mt19937_64 random(7);
    std::vector<TSpacePoint> points;
    const long double specials[] = { 0.0L, -0.0L, 1e-310L, -1e-4935L, 1e4000L, -1e300L, 1e300L,
        std::numeric_limits<long double>::infinity(), std::numeric_limits<long double>::quiet_NaN(),
        1 + 0x1p-53L, 1 + 0x3p-53L, 1 + 0x1p-53L + 0x1p-63L, -(1 + 0x3p-53L), 2 - 0x1p-64L,
        0x1.fffffffffffffp1023L + 0x1p970L };
    for (int i = 0; i < 4000; ++i) {
        const auto coordinate = [&]() -> long double {
            const std::uint64_t r = random();
            if (r % 17 == 0)
                return specials[(r >> 8) % std::size(specials)];
            // A random mantissa whose last eleven bits are often exactly half.
            long double v = std::ldexp(static_cast<long double>(r | (std::uint64_t(1) << 63)), -63);
            if (r % 5 == 0)
                v = std::ldexp(static_cast<long double>((r & ~std::uint64_t(0x7ff)) | 0x400
                                   | (std::uint64_t(1) << 63)),
                    -63);
            return ((r >> 1) % 2 ? -v : v) * std::ldexp(1.0L, int((r >> 2) % 40) - 20);
        };
        const long double x = coordinate(), y = coordinate(), z = coordinate();
        points.push_back({ x, y, z, 1 });
    }
    for (const bool perspective : { false, true }) {
        TCamera camera;
        camera.SetPerspective(perspective);
        camera.SetAngles(15, 30);
        camera.SetZoom(2000);
        camera.BuildMatrix();
        const TDepthProjection projection(camera);
        std::vector<TDepthPoint> depth;
        std::vector<TScreenPoint> screen;
        std::vector<double> nearness;
        const bool allValid = projection.Project(
            points.data(), int(points.size()), 1, depth, &screen, {}, &nearness);
        ASSERT_EQ(depth.size(), points.size());
        ASSERT_EQ(nearness.size(), points.size());
        int valid = 0, behind = 0;
        for (std::size_t i = 0; i < points.size(); ++i) {
            const TDepthPoint one = projection(points[i]);
            const TDepthPoint& many = depth[i];
            EXPECT_EQ(std::memcmp(&one.X, &many.X, 3 * sizeof(double)), 0) << i;
            EXPECT_EQ(one.Valid, many.Valid) << i;
            EXPECT_EQ(std::memcmp(&one.D, &nearness[i], sizeof(double)), 0) << i;
            const TScreenPoint pixel = one.Valid
                ? TScreenPoint { std::int32_t(std::lrint(one.X)), std::int32_t(std::lrint(one.Y)) }
                : BehindEye;
            EXPECT_EQ(screen[i].X, pixel.X) << i;
            EXPECT_EQ(screen[i].Y, pixel.Y) << i;
            valid += one.Valid;
            behind += !one.Valid;
        }
        EXPECT_GT(valid, 1000);
        EXPECT_GT(behind, 10);
        EXPECT_FALSE(allValid);
        // Whether every point is valid, told by the list: the valid points alone, and with
        // one that is not among them at the start, inside a group of four, in the last
        // block and in the rest after the last four.
        std::vector<TSpacePoint> validOnly, invalid;
        for (std::size_t i = 0; i < points.size(); ++i)
            (depth[i].Valid ? validOnly : invalid).push_back(points[i]);
        EXPECT_TRUE(projection.Project(validOnly.data(), int(validOnly.size()), 1, depth));
        EXPECT_TRUE(projection.Project(validOnly.data(), int(validOnly.size()), 3, depth, &screen));
        for (const std::size_t at : { std::size_t(0), std::size_t(5), validOnly.size() - 9,
                 validOnly.size() - (validOnly.size() % 4 == 0 ? 4 : validOnly.size() % 4) }) {
            for (const TSpacePoint& bad : { invalid.front(), invalid.back() }) {
                std::vector<TSpacePoint> some = validOnly;
                some.insert(some.begin() + std::ptrdiff_t(at), bad);
                EXPECT_FALSE(projection.Project(some.data(), int(some.size()), 1, depth, &screen)) << at;
            }
        }
    }
}

namespace {
// Points for the list's own screen points: plain ones, any magnitude, at and a few units
// beside a rounding tie (exact in a view along z), about the eye plane, coordinates that
// are not numbers or out of double's range, and at the starts of the blocks of a long
// list, points that repeat the slot before them after a projected point and after one
// behind the eye.
std::vector<TSpacePoint> awkwardPoints(const TTransformMatrix& m, bool alongZ, int count, int seed)
{
    std::mt19937_64 random(static_cast<std::uint64_t>(seed));
    std::uniform_real_distribution<long double> unit(-1, 1);
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    const long double inf = std::numeric_limits<long double>::infinity();
    const long double odd[] = { 0.0L, -0.0L, nan, inf, -inf, 1e300L, 1e-300L, 1e4000L, 1e-4000L,
        0x1p600L, 0x1p-1010L, -0x1p-1030L, 0x1p40L, 1 + 0x1p-53L };
    const auto& e = m.M();
    std::vector<TSpacePoint> points;
    for (int i = 0; i < count; ++i) {
        TSpacePoint p { 10 * unit(random), 10 * unit(random), 10 * unit(random), 1 };
        switch (random() % 8) {
        case 1:
            p.X *= std::pow(10.0L, int(random() % 60) - 30);
            p.Y *= std::pow(10.0L, int(random() % 60) - 30);
            break;
        case 2:
        case 3: {
            const long double q = std::floor(3000 * unit(random)) + 0.5L;
            if (alongZ)
                p.Z = 0;
            const long double w = p.X * e[0][3] + p.Y * e[1][3] + p.Z * e[2][3] + e[3][3];
            p.X = (q * w - p.Y * e[1][0] - p.Z * e[2][0] - e[3][0]) / e[0][0];
            for (int n = i % 5; n > 0; --n)
                p.X = std::nextafter(p.X, (i & 8) ? inf : -inf);
            break;
        }
        case 4:
            if (e[2][3] != 0) {
                p.Z = -(p.X * e[0][3] + p.Y * e[1][3] + e[3][3]) / e[2][3];
                for (int n = i % 3; n > 0; --n)
                    p.Z = std::nextafter(p.Z, (i & 8) ? inf : -inf);
            }
            break;
        case 5:
            ((i & 1) ? p.X : p.Z) = odd[random() % std::size(odd)];
            break;
        }
        points.push_back(p);
    }
    // Far behind the eye where there is perspective (on the eye's side of the scene).
    const TSpacePoint behind { 0, 0, e[2][3] != 0 ? -1e6L * e[3][3] / e[2][3] : 0, 1 };
    const TSpacePoint broken { nan, 0, 0, 1 };
    for (int first = 4096; first + 3 < count; first += 4096) {
        const int kind = first / 4096 % 3;
        if (kind == 1)
            points[std::size_t(first - 1)] = behind;
        for (int j = 0; j < (kind == 2 ? 7 : 2); ++j)
            points[std::size_t(first + j)] = broken;
    }
    return points;
}
}

TEST(Surfaces, TheDepthPassGivesAListTheScreenPointsOfItsOwnProjection)
{
    // Every slot as the list's own projection with the same matrix gives it, byte for
    // byte, from the points and from the rounded copy (as it is made, then read), in a
    // short list whose count is no multiple of four and in a long one cut into blocks.
    const std::pair<int, int> angles[] = { { 0, 0 }, { 15, 30 }, { -70, 200 } };
    int checked = 0;
    for (const int percent : { 100, 2000, 1000000, 1000000000 })
        for (const bool perspective : { false, true })
            for (const auto& [ax, ay] : angles) {
                TCamera camera;
                camera.SetAngles(ax, ay);
                camera.SetZoom(percent);
                camera.SetPerspective(perspective);
                camera.BuildMatrix();
                const TDepthProjection projection(camera);
                if (!projection.GivesListScreen())
                    GTEST_SKIP() << "no AVX2 here";
                for (const int count : { 4003, 45001 }) {
                    SCOPED_TRACE(::testing::Message()
                        << percent << "% perspective " << perspective << " angles " << ax << ","
                        << ay << " count " << count);
                    TGoruntuMatrisi list;
                    for (const TSpacePoint& p :
                        awkwardPoints(camera.Matrix(), ax == 0 && ay == 0, count, percent + count))
                        list.Add(p);
                    list.Project(camera.Matrix());
                    ASSERT_EQ(list.ProjectedCount(), count);
                    std::vector<double> kept;
                    for (const bool ready : { false, true }) {
                        std::vector<TDepthPoint> depth, alone;
                        std::vector<TScreenPoint> screen, own(std::size_t(count) + 1, { 7, 7 });
                        projection.Project(list.SpacePointData(), count, 1, depth, &screen,
                            { &kept, ready }, nullptr, own.data());
                        EXPECT_EQ(std::memcmp(own.data(), list.ScreenPointData(),
                                      sizeof(TScreenPoint) * std::size_t(count)),
                            0);
                        EXPECT_EQ(own.back().X, 7) << "written past the last point";
                        for (int i = 0, shown = 0; i < count && shown < 3; ++i)
                            if (own[std::size_t(i)].X != list.ScreenPoints(i).X
                                || own[std::size_t(i)].Y != list.ScreenPoints(i).Y) {
                                ADD_FAILURE()
                                    << "point " << i << " gives " << own[std::size_t(i)].X << ","
                                    << own[std::size_t(i)].Y << " for " << list.ScreenPoints(i).X
                                    << "," << list.ScreenPoints(i).Y;
                                ++shown;
                            }
                        // The depth points and their rounding are those of a pass without
                        // the list's; these points differ from the list's in places, so
                        // the rounding is written.
                        std::vector<TScreenPoint> roundedAlone;
                        projection.Project(list.SpacePointData(), count, 1, alone, &roundedAlone);
                        ASSERT_EQ(alone.size(), depth.size());
                        for (std::size_t i = 0; i < depth.size(); ++i)
                            ASSERT_TRUE(
                                std::memcmp(&alone[i].X, &depth[i].X, 3 * sizeof(double)) == 0
                                && alone[i].Valid == depth[i].Valid)
                                << i;
                        ASSERT_EQ(screen.size(), roundedAlone.size());
                        EXPECT_EQ(std::memcmp(screen.data(), roundedAlone.data(),
                                      sizeof(TScreenPoint) * screen.size()),
                            0);
                        ++checked;
                    }
                }
            }
    EXPECT_EQ(checked, 96);
}

TEST(Surfaces, AfterASurfaceFrameEachListHoldsTheScreenPointsOfAProjection)
{
    // Surfaces in both styles: a fine sphere (a long list), one with holes, one with values
    // double cannot hold and a count that is no multiple of four, and one reaching behind
    // the eye. After each frame every list holds, with its count, what a fresh projection
    // with the frame's matrix gives, byte for byte: after frames far out (every second
    // point), near, in perspective and not, and in the line style after the surface styles.
    TScene s;
    s.R.SetPerspective(true);
    s.add(ctSpherical, "sin(a)*cos(b)", "sin(a)*sin(b)", "cos(a)", Blue, csSurface, 0.01L);
    s.add(ctXYZSurface, "", "", "sqrt(9-x*x-y*y)", Red, csShaded, 0.1L);
    s.add(ctXYZSurface, "", "", "exp(k*x*x)", Red, csShaded, 0.09L);
    s.add(ctXYZSurface, "", "", "x*y*100", Blue, csSurface, 0.3L);
    s.R.Objects().SetParameterValue("k", 50);
    ASSERT_EQ(s.R.Objects().Items(2).Points->Count() % 4, 1);
    const auto check = [&](bool gathered, bool surfaces) -> int {
        int behind = 0;
        for (int i = 0; i < s.R.Objects().Count(); ++i) {
            SCOPED_TRACE(i);
            const TCurveRecord curve = s.R.Objects().Items(i);
            EXPECT_EQ(GathersScreenPoints(curve, s.R.Camera()), gathered);
            TGoruntuMatrisi fresh;
            fresh.CopyFrom(*curve.Points);
            fresh.Project(s.R.Camera().Matrix());
            EXPECT_EQ(curve.Points->ProjectedCount(), fresh.ProjectedCount());
            if (curve.Points->ProjectedCount() != fresh.ProjectedCount())
                continue;
            EXPECT_EQ(std::memcmp(curve.Points->ScreenPointData(), fresh.ScreenPointData(),
                          sizeof(TScreenPoint) * std::size_t(fresh.ProjectedCount())),
                0);
            for (int j = 0; j < fresh.ProjectedCount(); ++j)
                behind += !Drawable(fresh.ScreenPoints(j));
        }
        // Then (it gives the lists their screen points again) the rounded depth points of
        // the gathering that gives the lists' screen points are those of the gathering
        // that does not, and where they are the lists' (the sphere), read from there.
        TSurfaceSet giving, own;
        EXPECT_EQ(CollectSurfaces(s.R.Objects(), s.R.Camera(), own), surfaces);
        EXPECT_EQ(CollectSurfaces(s.R.Objects(), s.R.Camera(), giving, true), surfaces);
        for (std::size_t m = 0; m < giving.Meshes.size() && m < own.Meshes.size(); ++m) {
            const TScreenView a = giving.Meshes[m].Screen, b = own.Meshes[m].Screen;
            EXPECT_EQ(a.size(), b.size()) << m;
            EXPECT_EQ(std::memcmp(
                          a.data(), b.data(), sizeof(TScreenPoint) * std::min(a.size(), b.size())),
                0)
                << m;
        }
        if (!surfaces)
            return behind;
        EXPECT_EQ(
            giving.Meshes.at(0).Screen.data() == s.R.Objects().Items(0).Points->ScreenPointData(),
            gathered);
        // In a parallel view the steep surface has points beyond the screen's range, which
        // the list clamps or repeats and the depth points leave out.
        if (gathered && !s.R.Camera().Perspective()) {
            EXPECT_NE(giving.Meshes.at(2).Screen.data(),
                s.R.Objects().Items(2).Points->ScreenPointData());
        }
        return behind;
    };
    if (!TDepthProjection(s.R.Camera()).GivesListScreen())
        GTEST_SKIP() << "no AVX2 here";
    int behind = 0;
    for (int frame = 0; frame < 9; ++frame) {
        SCOPED_TRACE(frame);
        if (frame == 6)
            s.R.Objects().SetAllStyles(csLine);
        s.R.SetZoom(frame == 0 || frame == 3 ? 2 : 150);
        s.R.SetPerspective(frame % 3 != 1);
        s.R.RotateBy(11, 7);
        s.R.Render(true);
        behind += check(frame != 0 && frame != 3 && frame < 6, frame < 6);
    }
    EXPECT_GT(behind, 100);
}
