#include "guarded_image.h"
#include "render/raster.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <map>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace render_test;

using PixelSet = std::set<Pixel>;
__extension__ typedef __int128 Wide;

constexpr QRgb Background = White;
constexpr QRgb Ink = 0xFF102030u;

struct ScenePoint {
    std::int32_t X;
    std::int32_t Y;
};

PixelSet inkedPixels(const QImage& image)
{
    PixelSet pixels;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (line[x] != Background)
                pixels.insert({ x, y });
    }
    return pixels;
}

std::int64_t floorDiv(Wide a, Wide b) // b > 0
{
    Wide q = a / b;
    if (a % b != 0 && a < 0)
        --q;
    return std::int64_t(q);
}

// The line by its definition, computed column by column (or row by row) rather than by stepping:
// at each position of the longer axis the pixel nearest to the exact line, the smaller one on a
// tie, kept if it lies in the width x height image.
PixelSet referenceLine(Pixel a, Pixel b, std::int64_t width, std::int64_t height)
{
    PixelSet pixels;
    const std::int64_t dx = b.first - a.first;
    const std::int64_t dy = b.second - a.second;
    const bool xMajor = (dx < 0 ? -dx : dx) >= (dy < 0 ? -dy : dy);
    if (!xMajor) {
        for (const Pixel& p :
            referenceLine({ a.second, a.first }, { b.second, b.first }, height, width))
            pixels.insert({ p.second, p.first });
        return pixels;
    }
    if (dx == 0) {
        if (a.first >= 0 && a.first < width && a.second >= 0 && a.second < height)
            pixels.insert(a);
        return pixels;
    }
    const std::int64_t from = std::max<std::int64_t>(std::min(a.first, b.first), 0);
    const std::int64_t to = std::min<std::int64_t>(std::max(a.first, b.first), width - 1);
    for (std::int64_t x = from; x <= to; ++x) {
        Wide num = Wide(x - a.first) * dy;
        Wide den = dx;
        if (den < 0)
            num = -num, den = -den;
        const std::int64_t below = floorDiv(num, den);
        const Wide rest = num - Wide(below) * den; // distance past y1 + below, in 1/den
        const std::int64_t y = a.second + below + (rest <= den - rest ? 0 : 1);
        if (y >= 0 && y < height)
            pixels.insert({ x, y });
    }
    return pixels;
}

PixelSet rasterLine(int width, int height, Pixel a, Pixel b)
{
    GuardedImage guarded(width, height);
    TRaster(guarded.Image()).DrawLine(a.first, a.second, b.first, b.second, Ink);
    EXPECT_TRUE(guarded.MarginIntact());
    return inkedPixels(guarded.Image());
}

PixelSet painterLine(int width, int height, Pixel a, Pixel b, const QPen& pen)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Background);
    QPainter painter(&image);
    painter.setPen(pen);
    painter.drawLine(QPoint(int(a.first), int(a.second)), QPoint(int(b.first), int(b.second)));
    painter.end();
    return inkedPixels(image);
}

// Pixels of a line keyed by the position on its longer axis.
std::map<std::int64_t, std::vector<std::int64_t>> byMajor(const PixelSet& pixels, bool xMajor)
{
    std::map<std::int64_t, std::vector<std::int64_t>> columns;
    for (const Pixel& p : pixels)
        columns[xMajor ? p.first : p.second].push_back(xMajor ? p.second : p.first);
    return columns;
}

// Twice the distance of a pixel from the exact line along the shorter axis, times the length of
// the longer axis.
Wide minorError(Pixel a, Pixel b, std::int64_t major, std::int64_t minor, bool xMajor)
{
    const std::int64_t dM = xMajor ? b.first - a.first : b.second - a.second;
    const std::int64_t dm = xMajor ? b.second - a.second : b.first - a.first;
    const std::int64_t M1 = xMajor ? a.first : a.second;
    const std::int64_t m1 = xMajor ? a.second : a.first;
    const Wide e = 2 * (Wide(minor - m1) * dM - Wide(major - M1) * dm);
    return e < 0 ? -e : e;
}

std::vector<std::pair<Pixel, Pixel>> sampleLines()
{
    // From the centre of a 64 x 48 image into all octants and along the axes and diagonals,
    // short, long and partly outside.
    const Pixel c { 30, 22 };
    std::vector<std::pair<Pixel, Pixel>> lines = {
        { c, { 45, 26 } },
        { c, { 34, 40 } },
        { c, { 26, 41 } },
        { c, { 12, 27 } },
        { c, { 10, 18 } },
        { c, { 27, 3 } },
        { c, { 35, 5 } },
        { c, { 52, 14 } },
        { c, { 55, 22 } },
        { c, { 5, 22 } },
        { c, { 30, 45 } },
        { c, { 30, 1 } },
        { c, { 47, 39 } },
        { c, { 13, 39 } },
        { c, { 13, 5 } },
        { c, { 47, 5 } },
        { c, c },
        { c, { 31, 23 } },
        { c, { 32, 23 } },
        { c, { 31, 24 } },
        { c, { 34, 24 } },
        { { 1, 1 }, { 9, 3 } },
        { { 0, 0 }, { 63, 47 } },
        { { 0, 47 }, { 63, 0 } },
        { { 0, 5 }, { 63, 46 } },
        { { 2, 0 }, { 61, 47 } },
        { { 63, 1 }, { 0, 20 } },
        { { -20, 10 }, { 80, 30 } },
        { { 10, -15 }, { 50, 70 } },
        { { -30, 60 }, { 90, -10 } },
        { { -5, -5 }, { 70, 52 } },
        { { 20, -3 }, { 40, 60 } },
    };
    std::mt19937 random(7);
    std::uniform_int_distribution<int> x(0, 63), y(0, 47);
    for (int i = 0; i < 300; ++i)
        lines.push_back({ { x(random), y(random) }, { x(random), y(random) } });
    return lines;
}

} // namespace

TEST(Raster, LinesAreTheNearestPixelsOfTheExactLine)
{
    for (const auto& [a, b] : sampleLines()) {
        SCOPED_TRACE(text(a, b));
        const PixelSet expected = referenceLine(a, b, 64, 48);
        EXPECT_EQ(rasterLine(64, 48, a, b), expected);
        EXPECT_EQ(rasterLine(64, 48, b, a), expected) << "depends on the direction";
    }
}

// QPainter's aliased pen of width 1 (as of width 0, and cosmetic) steps along the longer axis
// like ours and includes both end points, but it rounds the shorter axis down after sampling half
// a pixel ahead when that coordinate grows, so its pixels may lie up to one pixel from the exact
// line where ours lie within half a pixel. The two agree wherever no rounding is involved, and
// elsewhere differ by at most one pixel, ours never farther from the line.
TEST(Raster, LinesAgainstQPainter)
{
    QPen cosmetic(QColor(Ink), 1);
    cosmetic.setCosmetic(true);
    int differing = 0;
    for (const auto& [a, b] : sampleLines()) {
        SCOPED_TRACE(text(a, b));
        const PixelSet painter = painterLine(64, 48, a, b, QPen(QColor(Ink), 0));
        ASSERT_EQ(painterLine(64, 48, a, b, QPen(QColor(Ink), 1)), painter);
        ASSERT_EQ(painterLine(64, 48, a, b, cosmetic), painter);
        const PixelSet ours = rasterLine(64, 48, a, b);

        const std::int64_t dx = b.first - a.first, dy = b.second - a.second;
        if (dx == 0 || dy == 0 || dx == dy || dx == -dy) {
            EXPECT_EQ(ours, painter);
            continue;
        }
        const bool xMajor = (dx < 0 ? -dx : dx) >= (dy < 0 ? -dy : dy);
        const auto ourColumns = byMajor(ours, xMajor);
        const auto painterColumns = byMajor(painter, xMajor);
        for (const auto& [major, minors] : ourColumns) {
            SCOPED_TRACE(major);
            ASSERT_EQ(minors.size(), 1u);
            const auto other = painterColumns.find(major);
            if (other == painterColumns.end()) {
                // Clipped: QPainter's pixel of this column fell off the image.
                const std::int64_t edge = xMajor ? 47 : 63;
                EXPECT_TRUE(minors[0] == 0 || minors[0] == edge);
                continue;
            }
            ASSERT_EQ(other->second.size(), 1u);
            const std::int64_t mine = minors[0], theirs = other->second[0];
            EXPECT_LE(mine - theirs, 1);
            EXPECT_GE(mine - theirs, -1);
            EXPECT_LE(
                minorError(a, b, major, mine, xMajor), minorError(a, b, major, theirs, xMajor));
            differing += mine != theirs;
        }
        for (const auto& [major, minors] : painterColumns)
            if (!ourColumns.count(major)) {
                const std::int64_t edge = xMajor ? 47 : 63;
                EXPECT_TRUE(minors[0] == 0 || minors[0] == edge) << major;
            }
    }
    EXPECT_GT(differing, 0);

    // The smallest case: at x = 4 the line from (1, 1) to (9, 3) passes y = 1.75.
    const PixelSet painter = painterLine(12, 6, { 1, 1 }, { 9, 3 }, QPen(QColor(Ink), 0));
    const PixelSet ours = rasterLine(12, 6, { 1, 1 }, { 9, 3 });
    EXPECT_TRUE(painter.count({ 4, 1 }));
    EXPECT_TRUE(ours.count({ 4, 2 }));
    EXPECT_EQ(ours,
        (PixelSet { { 1, 1 }, { 2, 1 }, { 3, 1 }, { 4, 2 }, { 5, 2 }, { 6, 2 }, { 7, 2 }, { 8, 3 },
            { 9, 3 } }));
}

std::vector<ScenePoint> randomPolyline(std::mt19937& random, int spread, int divisor)
{
    std::uniform_int_distribution<int> coordinate(-spread, spread);
    std::uniform_int_distribution<int> length(2, 12);
    std::vector<ScenePoint> points(length(random));
    for (ScenePoint& p : points)
        p = { coordinate(random) / divisor, coordinate(random) / divisor };
    return points;
}

PixelSet rasterPolyline(const std::vector<ScenePoint>& points)
{
    GuardedImage guarded(64, 48);
    TRaster(guarded.Image()).DrawPolyline(points.data(), int(points.size()), 32, 24, Ink);
    EXPECT_TRUE(guarded.MarginIntact());
    return inkedPixels(guarded.Image());
}

TEST(Raster, PolylineIsItsLinesWithAllPoints)
{
    // Scene points around the origin (32, 24) of a 64 x 48 image, long and short lines, repeated
    // points and lines partly outside.
    std::mt19937 random(11);
    for (int round = 0; round < 300; ++round) {
        std::vector<ScenePoint> points = randomPolyline(random, 40, 1 + round % 3 * 3);
        if (round % 5 == 0)
            points[1] = points[0];
        SCOPED_TRACE(round);
        PixelSet lines;
        for (std::size_t i = 1; i < points.size(); ++i) {
            const PixelSet line = referenceLine({ 32 + points[i - 1].X, 24 - points[i - 1].Y },
                { 32 + points[i].X, 24 - points[i].Y }, 64, 48);
            lines.insert(line.begin(), line.end());
        }
        EXPECT_EQ(rasterPolyline(points), lines);
    }

    // Walks of single steps, stays and jumps about a corner, in and out of the image.
    std::uniform_int_distribution<int> step(-1, 1), jump(0, 9);
    for (int round = 0; round < 50; ++round) {
        std::vector<ScenePoint> walk { { -32, 24 } };
        for (int i = 0; i < 60; ++i) {
            const ScenePoint& last = walk.back();
            const int scale = jump(random) == 0 ? 3 : 1;
            walk.push_back({ last.X + scale * step(random), last.Y + scale * step(random) });
        }
        SCOPED_TRACE(round);
        PixelSet lines;
        for (std::size_t i = 1; i < walk.size(); ++i) {
            const PixelSet line = referenceLine({ 32 + walk[i - 1].X, 24 - walk[i - 1].Y },
                { 32 + walk[i].X, 24 - walk[i].Y }, 64, 48);
            lines.insert(line.begin(), line.end());
        }
        EXPECT_EQ(rasterPolyline(walk), lines);
    }

    // A single point is a move without a line; two equal points are a line of one pixel.
    const std::vector<ScenePoint> one { { 1, 1 } };
    const std::vector<ScenePoint> twice { { 1, 1 }, { 1, 1 } };
    EXPECT_TRUE(rasterPolyline(one).empty());
    EXPECT_EQ(rasterPolyline(twice), (PixelSet { { 33, 23 } }));
}

// QPainter's polyline does not always set the pixels of its points: where the line turns its
// lines may leave out their last pixel, and so may the last line (always so when the last point
// repeats the one before); it draws nothing for a line of equal points. Ours sets every point.
// With the rounding above, its shape is ours within one pixel.
TEST(Raster, PolylineAgainstQPainter)
{
    std::mt19937 random(13);
    const auto near = [](const PixelSet& set, const Pixel& p) {
        for (std::int64_t dy = -1; dy <= 1; ++dy)
            for (std::int64_t dx = -1; dx <= 1; ++dx)
                if (set.count({ p.first + dx, p.second + dy }))
                    return true;
        return false;
    };
    for (int round = 0; round < 300; ++round) {
        const std::vector<ScenePoint> points = randomPolyline(random, 23, 1 + round % 2 * 3);
        SCOPED_TRACE(round);
        const PixelSet ours = rasterPolyline(points);

        std::vector<QPoint> qpoints;
        for (const ScenePoint& p : points)
            qpoints.push_back(QPoint(32 + p.X, 24 - p.Y));
        QImage image(64, 48, QImage::Format_RGB32);
        image.fill(Background);
        QPainter painter(&image);
        painter.setPen(QPen(QColor(Ink), 0));
        painter.drawPolyline(qpoints.data(), int(qpoints.size()));
        painter.end();
        const PixelSet theirs = inkedPixels(image);
        if (theirs.empty()) {
            EXPECT_EQ(ours.size(), 1u); // all points equal
            continue;
        }

        for (const QPoint& q : qpoints)
            EXPECT_TRUE(ours.count({ q.x(), q.y() }));
        for (const Pixel& p : theirs)
            EXPECT_TRUE(near(ours, p)) << p.first << "," << p.second;
        for (const Pixel& p : ours)
            EXPECT_TRUE(near(theirs, p)) << p.first << "," << p.second;
    }
}

TEST(Raster, ClippedLineIsTheWholeLineCutToTheImage)
{
    // Lines drawn into a 300 x 260 image and into its 60 x 40 middle at (120, 110).
    std::mt19937 random(3);
    std::uniform_int_distribution<int> x(0, 299), y(0, 259);
    for (int i = 0; i < 2000; ++i) {
        const Pixel a { x(random), y(random) }, b { x(random), y(random) };
        SCOPED_TRACE(text(a, b));
        PixelSet cut;
        for (const Pixel& p : rasterLine(300, 260, a, b))
            if (p.first >= 120 && p.first < 180 && p.second >= 110 && p.second < 150)
                cut.insert({ p.first - 120, p.second - 110 });
        ASSERT_EQ(rasterLine(
                      60, 40, { a.first - 120, a.second - 110 }, { b.first - 120, b.second - 110 }),
            cut);
    }
}

TEST(Raster, HugeCoordinates)
{
    constexpr std::int32_t Far = 1 << 30; // the clamp of projected points
    const std::int64_t Beyond = std::int64_t(1) << 40;
    GuardedImage guarded(80, 60);
    TRaster raster(guarded.Image());

    // Scene lines between clamped points through an image whose origin may itself be far away.
    struct Case {
        ScenePoint a, b;
        std::int32_t x0, y0;
    };
    const Case cases[] = {
        { { -Far, -Far }, { Far, Far }, 40, 30 },
        { { -Far, 3 }, { Far, -7 }, 40, 30 },
        { { 5, -Far }, { -2, Far }, 40, 30 },
        { { -Far, Far }, { Far, -Far + 12345 }, 40, 30 },
        { { Far, Far - 1 }, { -Far, -Far + 2 }, 40, 30 },
        { { 0, 0 }, { Far, 1 }, 40, 30 },
        { { Far - 5, 0 }, { -Far, 1 }, INT32_MIN, 30 },
        { { -Far, -Far }, { Far, Far }, INT32_MAX, INT32_MIN },
        { { -Far, 20 }, { -Far + 100, 25 }, INT32_MAX, 30 },
        { { Far, Far / 3 }, { -Far, -Far / 5 }, 17, -4 },
    };
    for (const Case& c : cases) {
        const Pixel a { std::int64_t(c.x0) + c.a.X, std::int64_t(c.y0) - c.a.Y };
        const Pixel b { std::int64_t(c.x0) + c.b.X, std::int64_t(c.y0) - c.b.Y };
        SCOPED_TRACE(text(a, b));
        guarded.Image().fill(Background);
        raster.DrawSceneLine(c.a, c.b, c.x0, c.y0, Ink);
        EXPECT_EQ(inkedPixels(guarded.Image()), referenceLine(a, b, 80, 60));
        guarded.Image().fill(Background);
        const ScenePoint polyline[] = { c.b, c.a };
        raster.DrawPolyline(polyline, 2, c.x0, c.y0, Ink);
        EXPECT_EQ(inkedPixels(guarded.Image()), referenceLine(a, b, 80, 60));
    }
    // Image coordinates beyond the 32-bit range.
    guarded.Image().fill(Background);
    raster.DrawLine(-Beyond, -Beyond + 7, Beyond, Beyond - 3, Ink);
    EXPECT_EQ(inkedPixels(guarded.Image()),
        referenceLine({ -Beyond, -Beyond + 7 }, { Beyond, Beyond - 3 }, 80, 60));
    EXPECT_FALSE(inkedPixels(guarded.Image()).empty());

    // Lines that pass by: near misses of a corner and lines far out; thousands of them, each
    // billions of pixels long, must come back at once.
    guarded.Image().fill(Background);
    std::mt19937 random(5);
    std::uniform_int_distribution<std::int64_t> farAway(2 * std::int64_t(Far), Beyond);
    for (int i = 0; i < 5000; ++i) {
        const std::int64_t u = farAway(random), v = farAway(random);
        raster.DrawLine(-u, -v, u, -v + 1, Ink); // above
        raster.DrawLine(-u, 60 + v, u, 60 + u, Ink); // below
        raster.DrawLine(-u, -v, -u + 3, v, Ink); // left
        raster.DrawLine(80 + u, -v, 80 + v, v, Ink); // right
    }
    raster.DrawLine(-Far, Far - 1, Far - 1, -Far, Ink); // passes just off the corner (0, 0)
    raster.DrawLine(-Far, 0, Far, -1, Ink); // y = -1/2 at x = 0: the tie goes up, off the image
    raster.DrawLine(81, 30, Far, 30, Ink);
    raster.DrawLine(-5, 60, 100, 61, Ink);
    EXPECT_TRUE(inkedPixels(guarded.Image()).empty());

    raster.DrawLine(-1, 1, 1, -1, Ink); // its pixel (0, 0) is the one on the image
    EXPECT_EQ(inkedPixels(guarded.Image()), (PixelSet { { 0, 0 } }));
    guarded.Image().fill(Background);
    raster.DrawLine(-Far, 1, Far, 0, Ink); // y = 1/2 at x = 0, the tie goes to row 0
    PixelSet topRow;
    for (int x = 0; x < 80; ++x)
        topRow.insert({ x, 0 });
    EXPECT_EQ(inkedPixels(guarded.Image()), topRow);
    EXPECT_TRUE(guarded.MarginIntact());
}

TEST(Raster, SquaresAtTheEdges)
{
    GuardedImage guarded(20, 10);
    TRaster raster(guarded.Image());
    const std::int32_t x0 = 10, y0 = 5;
    // Scene points whose pixels are the corners, the edges, just outside and far outside.
    const ScenePoint points[] = { { -10, 5 }, { 9, 5 }, { -10, -4 }, { 9, -4 }, { 0, 0 },
        { -11, 0 }, { 10, 0 }, { 0, 6 }, { 0, -5 }, { -12, 0 }, { 11, 0 }, { 0, 7 }, { 0, -6 },
        { 1 << 30, 0 }, { 0, -(1 << 30) }, { INT32_MIN, INT32_MAX }, { -9, 4 } };
    PixelSet all;
    for (const ScenePoint& p : points) {
        SCOPED_TRACE(std::to_string(p.X) + "," + std::to_string(p.Y));
        guarded.Image().fill(Background);
        raster.DrawSquares(&p, 1, x0, y0, Ink);
        PixelSet expected;
        for (std::int64_t dx = -1; dx <= 1; ++dx)
            for (std::int64_t dy = -1; dy <= 1; ++dy) {
                const std::int64_t x = x0 + std::int64_t(p.X) + dx, y = y0 - std::int64_t(p.Y) + dy;
                if (x >= 0 && x < 20 && y >= 0 && y < 10)
                    expected.insert({ x, y });
            }
        EXPECT_EQ(inkedPixels(guarded.Image()), expected);
        all.insert(expected.begin(), expected.end());
    }
    // All at once: the union; and the margin untouched.
    guarded.Image().fill(Background);
    raster.DrawSquares(points, int(std::size(points)), x0, y0, Ink);
    EXPECT_EQ(inkedPixels(guarded.Image()), all);
    EXPECT_TRUE(guarded.MarginIntact());

    // The square of (1, 2) around the origin (4, 4): columns 4..6, rows 1..3.
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Background);
    const ScenePoint one { 1, 2 };
    TRaster(image).DrawSquares(&one, 1, 4, 4, Ink);
    PixelSet square;
    for (int x = 4; x <= 6; ++x)
        for (int y = 1; y <= 3; ++y)
            square.insert({ x, y });
    EXPECT_EQ(inkedPixels(image), square);
}

TEST(Raster, PixelsAndRectangles)
{
    GuardedImage guarded(10, 6);
    TRaster raster(guarded.Image());
    EXPECT_EQ(raster.Width(), 10);
    EXPECT_EQ(raster.Height(), 6);
    raster.SetPixel(0, 0, Ink);
    raster.SetPixel(9, 5, Ink);
    for (const Pixel& p : { Pixel { -1, 0 }, Pixel { 10, 0 }, Pixel { 0, -1 }, Pixel { 0, 6 },
             Pixel { std::int64_t(1) << 40, 2 }, Pixel { 3, -(std::int64_t(1) << 40) } })
        raster.SetPixel(p.first, p.second, Ink);
    EXPECT_EQ(inkedPixels(guarded.Image()), (PixelSet { { 0, 0 }, { 9, 5 } }));

    guarded.Image().fill(Background);
    raster.FillRect(8, 4, 12, 9, Ink); // right and bottom are exclusive, then clipped
    raster.FillRect(3, 2, 3, 5, Ink); // empty
    raster.FillRect(5, 5, 2, 2, Ink); // inverted: empty
    EXPECT_EQ(inkedPixels(guarded.Image()), (PixelSet { { 8, 4 }, { 9, 4 }, { 8, 5 }, { 9, 5 } }));
    raster.FillRect(-(std::int64_t(1) << 40), -5, std::int64_t(1) << 40, 1 << 30, Ink);
    EXPECT_EQ(inkedPixels(guarded.Image()).size(), 60u);
    EXPECT_TRUE(guarded.MarginIntact());
}

TEST(Raster, TestedPixelsAndBoxesWhereTestedLinesChangeNothing)
{
    // A 6 x 4 picture whose nearness is x + 10 y at pixel (x, y).
    GuardedImage guarded(6, 4);
    TRaster raster(guarded.Image());
    std::vector<float> depth(24);
    for (int i = 0; i < 24; ++i)
        depth[std::size_t(i)] = float(i % 6 + 10 * (i / 6));
    // Set where at least as near, on the given rows and the picture alone.
    raster.SetTestedPixel(2, 1, 12, Ink, depth.data(), 0, 4);
    raster.SetTestedPixel(3, 1, 12.9, Ink, depth.data(), 0, 4);
    raster.SetTestedPixel(4, 2, 50, Ink, depth.data(), 0, 2);
    raster.SetTestedPixel(4, 1, 50, Ink, depth.data(), 2, 4);
    for (const Pixel& p : { Pixel { -1, 1 }, Pixel { 6, 1 }, Pixel { 0, -1 }, Pixel { 0, 4 },
             Pixel { std::int64_t(1) << 40, 1 } })
        raster.SetTestedPixel(p.first, p.second, 1e9, Ink, depth.data(), 0, 4);
    EXPECT_EQ(inkedPixels(guarded.Image()), (PixelSet { { 2, 1 } }));
    EXPECT_TRUE(guarded.MarginIntact());

    // The box holds where each pixel holds the colour or is at least as near; the parts
    // beyond the picture count for nothing, and a box beyond it holds.
    EXPECT_TRUE(raster.Holds(2, 1, 2, 1, Ink, depth.data(), 1e9));
    EXPECT_FALSE(raster.Holds(2, 1, 3, 1, Ink, depth.data(), 13.5));
    EXPECT_TRUE(raster.Holds(2, 1, 3, 1, Ink, depth.data(), 13));
    EXPECT_TRUE(raster.Holds(-3, -2, 2, 0, Ink, depth.data(), 0));
    EXPECT_FALSE(raster.Holds(-3, -2, 2, 0, Ink, depth.data(), 0.5));
    EXPECT_TRUE(raster.Holds(-3, 1, 0, 1, Ink, depth.data(), 10)); // not (5, 0)
    EXPECT_TRUE(raster.Holds(3, 2, 9, 2, Ink, depth.data(), 23));
    depth[18] = 0; // (0, 3), after the end of row 2
    EXPECT_TRUE(raster.Holds(3, 2, 9, 2, Ink, depth.data(), 23));
    EXPECT_FALSE(raster.Holds(0, 2, 4, 3, Ink, depth.data(), 20));
    EXPECT_TRUE(raster.Holds(6, 0, 9, 3, Ink, depth.data(), 1e9));
    EXPECT_TRUE(raster.Holds(0, 4, 5, 8, Ink, depth.data(), 1e9));
    EXPECT_TRUE(raster.Holds(3, 3, 2, 3, Ink, depth.data(), 1e9));
}

TEST(Raster, TestedLinesToldWherePixelsAreEmptyDrawThoseOfTheWholeTest)
{
    // Columns 6..32 of rows 9..17 of a 40 x 30 picture hold a nearness of about 0 (some
    // pixels minus infinity, some plus), the others minus infinity; a line told that box
    // draws what it draws when every pixel is looked at, in one piece and in bands.
    constexpr int W = 40, H = 30;
    std::vector<float> depth(std::size_t(W * H), -std::numeric_limits<float>::infinity());
    std::mt19937 random(7);
    std::uniform_real_distribution<float> near(-3, 3);
    for (int y = 9; y < 18; ++y)
        for (int x = 6; x <= 32; ++x) {
            const int kind = int(random() % 10);
            depth[std::size_t(y * W + x)] = kind == 0 ? -std::numeric_limits<float>::infinity()
                : kind == 1                           ? std::numeric_limits<float>::infinity()
                                                      : near(random);
        }
    std::uniform_int_distribution<int> coordinate(-20, 60);
    const double inf = std::numeric_limits<double>::infinity();
    const double ends[] = { -4, -1, 0, 0.5, 2, 5, 1e308, -1e308, inf, -inf,
        std::numeric_limits<double>::quiet_NaN() };
    for (int line = 0; line < 3000; ++line) {
        const std::int64_t x1 = coordinate(random), y1 = coordinate(random);
        const std::int64_t x2 = line % 50 == 0 ? std::int64_t(1) << 40 : coordinate(random);
        const std::int64_t y2 = coordinate(random);
        const double d1 = ends[random() % std::size(ends)], d2 = ends[random() % std::size(ends)];
        const std::int64_t top = line % 3 == 0 ? 0 : coordinate(random) % 15 + 5;
        const std::int64_t bottom = line % 3 == 0 ? H : std::min<std::int64_t>(H, top + 8);
        if (top >= H || top < 0)
            continue;
        GuardedImage whole(W, H), told(W, H);
        TRaster wholeRaster(whole.Image()), toldRaster(told.Image());
        wholeRaster.DrawTestedLine(x1, y1, d1, x2, y2, d2, Ink, depth.data(), top, bottom);
        const TPixelBox filled { 6, 9, 32, 17 };
        toldRaster.DrawTestedLine(x1, y1, d1, x2, y2, d2, Ink, depth.data(), top, bottom, &filled);
        ASSERT_EQ(inkedPixels(told.Image()), inkedPixels(whole.Image()))
            << "line " << line << ": (" << x1 << ", " << y1 << ", " << d1 << ") to (" << x2
            << ", " << y2 << ", " << d2 << ") on rows " << top << ".." << bottom;
        EXPECT_TRUE(told.MarginIntact());
    }
}

TEST(Raster, ImagesItAccepts)
{
    QImage indexed(4, 4, QImage::Format_Indexed8);
    EXPECT_THROW(TRaster { indexed }, std::invalid_argument);
    QImage rgb888(4, 4, QImage::Format_RGB888);
    EXPECT_THROW(TRaster { rgb888 }, std::invalid_argument);

    // A null image has nothing to draw on.
    QImage null;
    TRaster empty(null);
    empty.DrawLine(-5, -5, 5, 5, Ink);
    const ScenePoint p { 0, 0 };
    empty.DrawSquares(&p, 1, 0, 0, Ink);
    empty.FillRect(0, 0, 10, 10, Ink);

    // A copy taken before the raster keeps its pixels.
    QImage image(4, 4, QImage::Format_ARGB32_Premultiplied);
    image.fill(Background);
    const QImage copy = image;
    TRaster(image).DrawLine(0, 0, 3, 3, Ink);
    EXPECT_EQ(inkedPixels(image).size(), 4u);
    EXPECT_TRUE(inkedPixels(copy).empty());
}
