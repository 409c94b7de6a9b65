#include "guarded_image.h"
#include "render/raster.h"

#include <QImage>

#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace render_test;

__extension__ typedef __int128 Wide;

constexpr QRgb Black = 0xFF000000u;

std::int64_t floorDiv(Wide a, Wide b) // b > 0
{
    Wide q = a / b;
    if (a % b != 0 && a < 0)
        --q;
    return std::int64_t(q);
}

// The ink each pixel of the image should take from a black line, by the definition rather than
// by stepping: at each position of the longer axis the exact line crosses the shorter axis at
// c; the pixel floor(c) takes 1 - frac(c) of the ink and the one after it frac(c).
std::map<Pixel, double> referenceInk(Pixel a, Pixel b, std::int64_t width, std::int64_t height)
{
    std::map<Pixel, double> ink;
    const std::int64_t dx = b.first - a.first;
    const std::int64_t dy = b.second - a.second;
    const bool xMajor = (dx < 0 ? -dx : dx) >= (dy < 0 ? -dy : dy);
    const auto major = [&](const Pixel& p) { return xMajor ? p.first : p.second; };
    const auto minor = [&](const Pixel& p) { return xMajor ? p.second : p.first; };
    const std::int64_t majorSize = xMajor ? width : height;
    const auto add = [&](std::int64_t m, std::int64_t n, double weight) {
        const Pixel p = xMajor ? Pixel { m, n } : Pixel { n, m };
        if (weight > 0 && p.first >= 0 && p.first < width && p.second >= 0 && p.second < height)
            ink[p] += weight;
    };
    const std::int64_t dM = major(b) - major(a);
    const std::int64_t dm = minor(b) - minor(a);
    if (dM == 0) {
        add(major(a), minor(a), 1);
        return ink;
    }
    const std::int64_t from = std::max<std::int64_t>(std::min(major(a), major(b)), 0);
    const std::int64_t to = std::min<std::int64_t>(std::max(major(a), major(b)), majorSize - 1);
    for (std::int64_t m = from; m <= to; ++m) {
        Wide num = Wide(m - major(a)) * dm;
        Wide den = dM;
        if (den < 0)
            num = -num, den = -den;
        const std::int64_t below = floorDiv(num, den);
        const double f = double(num - Wide(below) * den) / double(den);
        add(m, minor(a) + below, 1 - f);
        add(m, minor(a) + below + 1, f);
    }
    return ink;
}

// Each pixel of a black-on-white picture against the ink it should hold, within 2 of 255 per
// channel (the weights are kept in 256ths); the margin outside the image must be untouched.
void expectInk(GuardedImage& guarded, const std::map<Pixel, double>& ink)
{
    EXPECT_TRUE(guarded.MarginIntact());
    const QImage& image = guarded.Image();
    int faults = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const auto found = ink.find({ x, y });
            const double weight = found == ink.end() ? 0 : std::min(found->second, 1.0);
            const QRgb pixel = image.pixel(x, y);
            const double expected = 255 * (1 - weight);
            if (std::abs(qRed(pixel) - expected) > 2 || qRed(pixel) != qGreen(pixel)
                || qRed(pixel) != qBlue(pixel)) {
                if (++faults <= 3)
                    ADD_FAILURE() << "pixel (" << x << "," << y << ") is " << qRed(pixel)
                                  << ", should be about " << expected;
            }
        }
}

void drawSmooth(GuardedImage& guarded, Pixel a, Pixel b)
{
    TRaster(guarded.Image()).DrawSmoothLine(a.first, a.second, b.first, b.second, Black);
}

} // namespace

TEST(SmoothLine, InkFollowsTheExactLine)
{
    // Every octant, the axes and diagonals, steps to a neighbour, a single point, and random
    // lines, in both directions; each column along the line holds one pixel's worth of ink, and
    // the end points, on pixel centres, take the colour itself.
    const Pixel c { 30, 22 };
    std::vector<std::pair<Pixel, Pixel>> lines = { { c, { 45, 26 } }, { c, { 34, 40 } },
        { c, { 26, 41 } }, { c, { 12, 27 } }, { c, { 10, 18 } }, { c, { 27, 3 } },
        { c, { 35, 5 } }, { c, { 52, 14 } }, { c, { 55, 22 } }, { c, { 30, 45 } },
        { c, { 47, 39 } }, { c, { 13, 5 } }, { c, c }, { c, { 31, 23 } }, { c, { 32, 23 } },
        { { 0, 0 }, { 63, 47 } }, { { 0, 47 }, { 63, 0 } }, { { 0, 5 }, { 63, 46 } } };
    std::mt19937 random(11);
    std::uniform_int_distribution<int> x(0, 63), y(0, 47);
    for (int i = 0; i < 200; ++i)
        lines.push_back({ { x(random), y(random) }, { x(random), y(random) } });
    for (const auto& [a, b] : lines) {
        for (const auto& [from, to] : { std::pair(a, b), std::pair(b, a) }) {
            SCOPED_TRACE(text(from, to));
            GuardedImage guarded(64, 48);
            drawSmooth(guarded, from, to);
            expectInk(guarded, referenceInk(a, b, 64, 48));
            EXPECT_EQ(guarded.Image().pixel(int(a.first), int(a.second)), Black);
            EXPECT_EQ(guarded.Image().pixel(int(b.first), int(b.second)), Black);
            // The ink of each step along the longer axis adds up to one pixel.
            const bool xMajor = std::abs(b.first - a.first) >= std::abs(b.second - a.second);
            std::map<std::int64_t, int> sums;
            for (int py = 0; py < 48; ++py)
                for (int px = 0; px < 64; ++px)
                    sums[xMajor ? px : py] += 255 - qRed(guarded.Image().pixel(px, py));
            for (const auto& [major, sum] : sums) {
                const std::int64_t lo = xMajor ? std::min(a.first, b.first) : std::min(a.second, b.second);
                const std::int64_t hi = xMajor ? std::max(a.first, b.first) : std::max(a.second, b.second);
                if (major >= lo && major <= hi)
                    EXPECT_NEAR(sum, 255, 2) << "at " << major;
                else
                    EXPECT_EQ(sum, 0) << "at " << major;
            }
        }
    }
}

TEST(SmoothLine, ClippedAtEveryEdge)
{
    // Lines drawn into a 300 x 260 image and into its 60 x 40 middle at (120, 110) give the same
    // pixels there, whichever edges they cross.
    std::mt19937 random(5);
    std::uniform_int_distribution<int> x(0, 299), y(0, 259);
    for (int i = 0; i < 1500; ++i) {
        const Pixel a { x(random), y(random) }, b { x(random), y(random) };
        SCOPED_TRACE(text(a, b));
        GuardedImage whole(300, 260), middle(60, 40);
        drawSmooth(whole, a, b);
        drawSmooth(middle, { a.first - 120, a.second - 110 }, { b.first - 120, b.second - 110 });
        ASSERT_TRUE(middle.MarginIntact());
        for (int py = 0; py < 40; ++py)
            for (int px = 0; px < 60; ++px)
                ASSERT_EQ(middle.Image().pixel(px, py), whole.Image().pixel(px + 120, py + 110))
                    << px << "," << py;
    }

    // End points far beyond each edge and each corner, up to the largest coordinates, against
    // the exact line; a line running just outside an edge leaves the image white.
    const std::int64_t Far = std::int64_t(1) << 40;
    const std::vector<std::pair<Pixel, Pixel>> far = {
        { { -Far, 10 }, { Far, 30 } },
        { { 20, -Far }, { 45, Far } },
        { { -Far, -Far + 7 }, { Far, Far } },
        { { Far, -Far }, { -Far + 3, Far } },
        { { -1000, 5 }, { 30, 20 } },
        { { 30, 20 }, { 1000, 47 } },
        { { 10, -1000 }, { 40, 25 } },
        { { 40, 25 }, { 63, 1000 } },
        { { -1, -5 }, { -1, 60 } },
        { { -5, -1 }, { 80, -1 } },
        { { 64, 0 }, { 64, 47 } },
        { { 0, 48 }, { 63, 48 } },
        { { -3, 60 }, { 70, -5 } },
        { { Far / 3, 7 }, { -Far / 5, 41 } },
    };
    for (const auto& [a, b] : far) {
        SCOPED_TRACE(text(a, b));
        GuardedImage guarded(64, 48);
        drawSmooth(guarded, a, b);
        expectInk(guarded, referenceInk(a, b, 64, 48));
    }
}

TEST(SmoothLine, PolylineAndColours)
{
    struct ScenePoint {
        std::int32_t X;
        std::int32_t Y;
    };
    // A finely sampled curve steps from pixel to neighbouring pixel: the same pixels as the
    // aliased polyline. Its far segments are cut like single lines, and each vertex takes the
    // colour itself.
    std::vector<ScenePoint> points;
    for (int i = -40; i <= 40; ++i)
        points.push_back({ i, int(std::nearbyint(5 * std::sin(i / 6.0))) });
    GuardedImage smooth(100, 60), aliased(100, 60);
    TRaster(smooth.Image()).DrawSmoothPolyline(points.data(), int(points.size()), 50, 30, Black);
    TRaster(aliased.Image()).DrawPolyline(points.data(), int(points.size()), 50, 30, Black);
    EXPECT_TRUE(smooth.Image() == aliased.Image());

    const std::vector<ScenePoint> jumps
        = { { -1000000000, 3 }, { 10, 20 }, { -30, -25 }, { 1000000000, 1000000000 } };
    GuardedImage guarded(100, 60);
    TRaster(guarded.Image()).DrawSmoothPolyline(jumps.data(), 4, 50, 30, 0xFF3366CCu);
    EXPECT_TRUE(guarded.MarginIntact());
    EXPECT_EQ(guarded.Image().pixel(60, 10), 0xFF3366CCu);
    EXPECT_EQ(guarded.Image().pixel(20, 55), 0xFF3366CCu);

    // A weight between the ends mixes each channel on its own and keeps the picture opaque.
    EXPECT_EQ(blendPixel(0xFF0000FFu, 0xFFFF0000u, 128), 0xFF7F007Fu);
    EXPECT_EQ(blendPixel(0xFF123456u, 0xFFABCDEFu, 256), 0xFFABCDEFu);
    EXPECT_EQ(blendPixel(0xFF123456u, 0xFFABCDEFu, 0), 0xFF123456u);
}
