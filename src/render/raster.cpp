#include "render/raster.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <stdexcept>

namespace {

// Products of a 61-bit length and a 62-bit bound need more than 64 bits.
__extension__ typedef __int128 Wide;

std::int64_t magnitude(std::int64_t v) { return v < 0 ? -v : v; }

// The weight r / L in 256ths, rounded: in 32-bit fixed point (scale = 2^40 / L) while L fits in
// 31 bits, so both drawing paths of a smooth line give the same pixels; exactly beyond.
constexpr std::int64_t FixedLengthLimit = std::int64_t(1) << 31;
std::uint64_t weightScale(std::int64_t length)
{
    return length < FixedLengthLimit ? (std::uint64_t(256) << 32) / std::uint64_t(length) : 0;
}
unsigned weightOf(std::int64_t r, std::int64_t length, std::uint64_t scale)
{
    if (length < FixedLengthLimit)
        return unsigned((std::uint64_t(r) * scale + (std::uint64_t(1) << 31)) >> 32);
    return unsigned((Wide(r) * 512 + length) / (2 * Wide(length)));
}

// A line from (x1, y1) to (x2, y2) along its longer axis (major, one pixel a step) and its
// shorter one (minor), with the steps t in 0..Length whose major coordinate Major1 +- t lies in
// the image: First..Last (empty when First > Last).
struct TLineAxes {
    bool XMajor;
    std::int64_t Major1, Minor1;
    std::int64_t MajorSize, MinorSize;
    bool MajorGrows, MinorGrows;
    std::int64_t Length, ShortLength;
    Wide First, Last;
};

TLineAxes lineAxes(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2,
    std::int64_t width, std::int64_t height)
{
    const std::int64_t dx = x2 - x1;
    const std::int64_t dy = y2 - y1;
    const bool xMajor = magnitude(dx) >= magnitude(dy);
    const std::int64_t major1 = xMajor ? x1 : y1;
    const std::int64_t majorDelta = xMajor ? dx : dy;
    const std::int64_t minorDelta = xMajor ? dy : dx;
    const std::int64_t majorSize = xMajor ? width : height;
    const bool majorGrows = majorDelta >= 0;
    const std::int64_t length = magnitude(majorDelta);
    return { xMajor, major1, xMajor ? y1 : x1, majorSize, xMajor ? height : width, majorGrows,
        minorDelta >= 0, length, magnitude(minorDelta),
        std::max<Wide>(0, majorGrows ? -Wide(major1) : Wide(major1) - (majorSize - 1)),
        std::min<Wide>(length, majorGrows ? Wide(majorSize) - 1 - major1 : Wide(major1)) };
}

} // namespace

TRaster::TRaster(QImage& image)
{
    switch (image.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        break;
    default:
        if (!image.isNull())
            throw std::invalid_argument("TRaster needs an image of 32 bits per pixel");
    }
    FWidth = image.width();
    FHeight = image.height();
    if (FWidth > 0 && FHeight > 0) {
        FBits = reinterpret_cast<QRgb*>(image.bits());
        FStride = image.bytesPerLine() / std::int64_t(sizeof(QRgb));
    }
}

void TRaster::FillRect(
    std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom, QRgb color)
{
    left = std::max<std::int64_t>(left, 0);
    top = std::max<std::int64_t>(top, 0);
    right = std::min<std::int64_t>(right, FWidth);
    bottom = std::min<std::int64_t>(bottom, FHeight);
    if (left >= right || top >= bottom)
        return;
    // The first row pixel by pixel, the others as copies of it: the library's copy is several
    // times faster than a loop of single stores on a whole background.
    QRgb* first = pixelAt(left, top);
    std::fill(first, first + (right - left), color);
    const std::size_t bytes = std::size_t(right - left) * sizeof(QRgb);
    for (std::int64_t y = top + 1; y < bottom; ++y)
        std::memcpy(pixelAt(left, y), first, bytes);
}

void TRaster::DrawLine(
    std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2, QRgb color)
{
    if (inside(x1, y1) && inside(x2, y2))
        drawInside(int(x1), int(y1), int(x2), int(y2), color, false);
    else
        drawClipped(x1, y1, x2, y2, color);
}

// The steps t in 0..L of the longer axis that the image shows are cut out of that closed form
// exactly, in 128-bit integers, so the work is bounded by the image size however far the end
// points lie and the visible pixels are those of the whole line.
namespace {
// The part of a line's pixel path that lies in the image: Count pixels (none when 0) from
// (X, Y), the first at step First of the Length steps along the longer axis; each further
// pixel moves by (MajorX, MajorY) and, when R reaches Bound after adding Increment, by
// (MinorX, MinorY) too.
struct TClippedPath {
    std::int64_t Count = 0;
    std::int64_t X = 0, Y = 0;
    std::int64_t First = 0, Length = 0;
    std::int64_t R = 0, Bound = 0, Increment = 0;
    std::int64_t MajorX = 0, MajorY = 0, MinorX = 0, MinorY = 0;
};

TClippedPath clippedPath(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2,
    std::int64_t width, std::int64_t height)
{
    TClippedPath path;
    if (width <= 0 || height <= 0)
        return path;
    // Steps whose major coordinate major1 +- t lies in 0..majorSize-1: first..last.
    auto [xMajor, major1, minor1, majorSize, minorSize, majorGrows, minorGrows, length,
        shortLength, first, last]
        = lineAxes(x1, y1, x2, y2, width, height);
    if (length == 0) {
        if (x1 >= 0 && x1 < width && y1 >= 0 && y1 < height)
            path.Count = 1, path.X = x1, path.Y = y1;
        return path;
    }

    const Wide bound = Wide(2) * length;
    const Wide increment = Wide(2) * shortLength;
    const Wide offset = minorGrows ? length - 1 : length;

    // Minor steps q whose minor coordinate minor1 +- q lies in 0..minorSize-1; q never
    // decreases along the line and starts at 0.
    const Wide qLow = minorGrows ? -Wide(minor1) : Wide(minor1) - (minorSize - 1);
    const Wide qHigh = minorGrows ? Wide(minorSize) - 1 - minor1 : Wide(minor1);
    if (qHigh < 0)
        return path;
    if (increment == 0) {
        if (qLow > 0)
            return path;
    } else {
        // q(t) >= qLow from t = ceil((qLow * bound - offset) / increment) on.
        if (qLow > 0)
            first = std::max(first, (qLow * bound - offset + increment - 1) / increment);
        // q(t) <= qHigh while 2 * l * t + c < (qHigh + 1) * bound.
        last = std::min(last, ((qHigh + 1) * bound - offset - 1) / increment);
    }
    if (first > last)
        return path;

    const Wide numerator = increment * first + offset;
    const std::int64_t q = std::int64_t(numerator / bound);
    const std::int64_t major
        = majorGrows ? major1 + std::int64_t(first) : major1 - std::int64_t(first);
    const std::int64_t minor = minorGrows ? minor1 + q : minor1 - q;
    const std::int64_t majorSign = majorGrows ? 1 : -1;
    const std::int64_t minorSign = minorGrows ? 1 : -1;
    path.Count = std::int64_t(last - first) + 1;
    path.X = xMajor ? major : minor;
    path.Y = xMajor ? minor : major;
    path.First = std::int64_t(first);
    path.Length = length;
    path.R = std::int64_t(numerator % bound);
    path.Bound = std::int64_t(bound);
    path.Increment = std::int64_t(increment);
    (xMajor ? path.MajorX : path.MajorY) = majorSign;
    (xMajor ? path.MinorY : path.MinorX) = minorSign;
    return path;
}
}

// The steps t in 0..L of the longer axis that the image shows are cut out of that closed form
// exactly, in 128-bit integers, so the work is bounded by the image size however far the end
// points lie and the visible pixels are those of the whole line.
void TRaster::drawClipped(
    std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2, QRgb color)
{
    const TClippedPath path = clippedPath(x1, y1, x2, y2, FWidth, FHeight);
    if (path.Count == 0)
        return;
    QRgb* p = pixelAt(path.X, path.Y);
    const std::int64_t majorStep = path.MajorX + path.MajorY * FStride;
    const std::int64_t minorStep = path.MinorX + path.MinorY * FStride;
    std::int64_t r = path.R;
    *p = color;
    for (std::int64_t n = path.Count - 1; n > 0; --n) {
        p += majorStep;
        r += path.Increment;
        if (r >= path.Bound) {
            r -= path.Bound;
            p += minorStep;
        }
        *p = color;
    }
}

namespace {
// Calls visit(x, y, d) for each pixel of the line's path inside the image, d being the
// nearness at that step, going evenly from d1 to d2 along the longer axis.
template <typename Visit>
void walkPath(const TClippedPath& path, double d1, double d2, Visit visit)
{
    std::int64_t x = path.X, y = path.Y, r = path.R;
    const double slope = path.Length > 0 ? (d2 - d1) / double(path.Length) : 0;
    for (std::int64_t n = 0; n < path.Count; ++n) {
        if (n > 0) {
            x += path.MajorX, y += path.MajorY;
            r += path.Increment;
            if (r >= path.Bound) {
                r -= path.Bound;
                x += path.MinorX, y += path.MinorY;
            }
        }
        visit(x, y, d1 + slope * double(path.First + n));
    }
}
}

void TRaster::DrawTestedLine(std::int64_t x1, std::int64_t y1, double d1, std::int64_t x2,
    std::int64_t y2, double d2, QRgb color, const float* depth)
{
    DrawTestedLine(x1, y1, d1, x2, y2, d2, color, depth, 0, FHeight);
}

void TRaster::DrawTestedLine(std::int64_t x1, std::int64_t y1, double d1, std::int64_t x2,
    std::int64_t y2, double d2, QRgb color, const float* depth, std::int64_t top,
    std::int64_t bottom, const TPixelBox* filled)
{
    // The line rule does not change when both ends move by whole rows: the rows from top
    // on are those of a picture of bottom - top rows that the line enters top rows lower.
    const TClippedPath path = clippedPath(x1, y1 - top, x2, y2 - top, FWidth, bottom - top);
    // The nearness of a step between finite ends, finite or infinite, is at least minus
    // infinity: a pixel outside the filled box is drawn without a look at its slot.
    const double slope = path.Length > 0 ? (d2 - d1) / double(path.Length) : 0;
    constexpr std::int64_t Far = std::numeric_limits<std::int64_t>::max();
    const bool known = filled && std::isfinite(d1) && std::isfinite(slope);
    const std::int64_t first = known ? filled->Top - top : -Far, last = known ? filled->Bottom - top : Far;
    const std::int64_t left = known ? filled->Left : -Far, right = known ? filled->Right : Far;
    walkPath(path, d1, d2, [&](std::int64_t x, std::int64_t y, double d) {
        if (y < first || y > last || x < left || x > right || d >= depth[(y + top) * FWidth + x])
            *pixelAt(x, y + top) = color;
    });
}

bool TRaster::Holds(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom,
    QRgb color, const float* depth, double d) const
{
    left = std::max<std::int64_t>(left, 0);
    top = std::max<std::int64_t>(top, 0);
    right = std::min<std::int64_t>(right, FWidth - 1);
    bottom = std::min<std::int64_t>(bottom, FHeight - 1);
    for (std::int64_t y = top; y <= bottom; ++y) {
        const QRgb* p = pixelAt(left, y);
        const float* slot = depth + y * FWidth + left;
        for (std::int64_t x = left; x <= right; ++x, ++p, ++slot)
            if (*p != color && *slot < d)
                return false;
    }
    return true;
}

void TRaster::VisibleRuns(std::int64_t x1, std::int64_t y1, double d1, std::int64_t x2,
    std::int64_t y2, double d2, const float* depth, std::vector<TPixelRun>& runs) const
{
    const TClippedPath path = clippedPath(x1, y1, x2, y2, FWidth, FHeight);
    bool open = false;
    std::int64_t n = 0, lastX = 0, lastY = 0;
    walkPath(path, d1, d2, [&](std::int64_t x, std::int64_t y, double d) {
        const bool visible = d >= depth[y * FWidth + x];
        if (visible && !open) {
            // A run from the line's first step starts at its very end point.
            runs.push_back(path.First + n == 0 ? TPixelRun { x1, y1, x, y } : TPixelRun { x, y, x, y });
            open = true;
        } else if (!visible && open) {
            runs.back().X2 = lastX, runs.back().Y2 = lastY;
            open = false;
        }
        lastX = x, lastY = y;
        ++n;
    });
    if (open) {
        const bool toEnd = path.First + path.Count - 1 == path.Length;
        runs.back().X2 = toEnd ? x2 : lastX;
        runs.back().Y2 = toEnd ? y2 : lastY;
    }
}

void TRaster::DrawSmoothLine(
    std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2, QRgb color)
{
    if (inside(x1, y1) && inside(x2, y2))
        drawSmoothInside(int(x1), int(y1), int(x2), int(y2), color);
    else
        drawSmoothClipped(x1, y1, x2, y2, color);
}

// At step t of L along the longer axis the exact line lies l * t / L pixels off the first end
// point on the shorter axis: q = floor(l * t / L) whole pixels and the rest r / L. The pixel q
// takes the weight 1 - r / L and the pixel q + 1 the weight r / L, in 256ths.
void TRaster::drawSmoothInside(int x1, int y1, int x2, int y2, QRgb color)
{
    const int dx = x2 - x1;
    const int dy = y2 - y1;
    const int adx = dx < 0 ? -dx : dx;
    const int ady = dy < 0 ? -dy : dy;
    const std::int64_t xStep = dx < 0 ? -1 : 1;
    const std::int64_t yStep = dy < 0 ? -FStride : FStride;
    std::int64_t majorStep, minorStep;
    std::uint32_t length, shortLength;
    if (adx >= ady)
        majorStep = xStep, minorStep = yStep, length = adx, shortLength = ady;
    else
        majorStep = yStep, minorStep = xStep, length = ady, shortLength = adx;
    QRgb* p = pixelAt(x1, y1);
    *p = color;
    if (length == 0)
        return;
    const std::uint64_t scale = weightScale(length);
    std::uint32_t r = 0;
    for (std::uint32_t i = 0; i < length; ++i) {
        p += majorStep;
        r += shortLength;
        if (r >= length) {
            r -= length;
            p += minorStep;
        }
        if (r == 0) {
            *p = color;
        } else {
            // weightOf for a length below 2^31, written out for the inner loop.
            const unsigned a = unsigned((std::uint64_t(r) * scale + (std::uint64_t(1) << 31)) >> 32);
            *p = blendPixel(*p, color, 256 - a);
            p[minorStep] = blendPixel(p[minorStep], color, a);
        }
    }
}

// The same form cut to the steps that show a pixel of the image, as drawClipped does, in 128-bit
// integers; each of the two pixels of a step is tested against the image.
void TRaster::drawSmoothClipped(
    std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2, QRgb color)
{
    if (FWidth <= 0 || FHeight <= 0)
        return;
    auto [xMajor, major1, minor1, majorSize, minorSize, majorGrows, minorGrows, length,
        shortLength, first, last]
        = lineAxes(x1, y1, x2, y2, FWidth, FHeight);
    if (length == 0) {
        SetPixel(x1, y1, color);
        return;
    }
    // The pixel q is inside for q in qLow..qHigh, the pixel q + 1 for q in qLow - 1..qHigh - 1.
    const Wide qLow = (minorGrows ? -Wide(minor1) : Wide(minor1) - (minorSize - 1)) - 1;
    const Wide qHigh = minorGrows ? Wide(minorSize) - 1 - minor1 : Wide(minor1);
    if (qHigh < 0)
        return;
    if (shortLength == 0) {
        if (qLow > 0)
            return;
    } else {
        // q(t) >= qLow from t = ceil(qLow * L / l) on; q(t) <= qHigh while l * t < (qHigh + 1) * L.
        if (qLow > 0)
            first = std::max(first, (qLow * length + shortLength - 1) / shortLength);
        last = std::min(last, ((qHigh + 1) * length - 1) / shortLength);
    }
    if (first > last)
        return;

    const Wide numerator = Wide(shortLength) * first;
    std::int64_t q = std::int64_t(numerator / length);
    std::int64_t r = std::int64_t(numerator % length);
    std::int64_t major = majorGrows ? major1 + std::int64_t(first) : major1 - std::int64_t(first);
    const std::int64_t majorStep = majorGrows ? 1 : -1;
    const std::int64_t minorStep = minorGrows ? 1 : -1;
    const std::uint64_t scale = weightScale(length);
    const auto put = [&](std::int64_t majorAt, std::int64_t minorAt, unsigned a) {
        const std::int64_t x = xMajor ? majorAt : minorAt;
        const std::int64_t y = xMajor ? minorAt : majorAt;
        if (a != 0 && inside(x, y)) {
            QRgb* p = pixelAt(x, y);
            *p = a == 256 ? color : blendPixel(*p, color, a);
        }
    };
    for (std::int64_t n = std::int64_t(last - first); n >= 0; --n) {
        const std::int64_t minor = minorGrows ? minor1 + q : minor1 - q;
        const unsigned a = weightOf(r, length, scale);
        put(major, minor, 256 - a);
        put(major, minor + minorStep, a);
        major += majorStep;
        r += shortLength;
        if (r >= length) {
            r -= length;
            ++q;
        }
    }
}
