#pragma once

#include <QImage>
#include <QRgb>

#include <concepts>
#include <cstdint>
#include <limits>
#include <vector>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#endif

// A projected point as the point lists store it: pixel offsets X and Y (32-bit) from the scene
// origin, y counted upward.
template <class P>
concept ScreenPointLike = std::convertible_to<decltype(P::X),
    std::int64_t> && std::convertible_to<decltype(P::Y), std::int64_t>;

// Pen-width-1 lines, 3 x 3 point squares, pixels and rectangles written straight into the scan
// lines of a 32-bit image, for the curves of hundreds of thousands of points that QPainter draws
// too slowly. Everything is clipped to the image, whatever the coordinates.
//
// Line rule: a line sets one pixel per step of its longer axis, from its first end point to its
// last, both included; on the shorter axis it takes the pixel nearest to the exact line, and on a
// tie the one with the smaller coordinate (in image coordinates, y downward). The pixels depend
// only on the two end points, not on the direction, and a clipped line sets exactly the pixels of
// the whole line that lie inside the image.
//
// A view for one drawing pass: it writes through the image's pixel buffer as it found it at
// construction, so make it after any copy of the image was taken and don't keep it across one.
// The pixels from (Left, Top) to (Right, Bottom), both included.
struct TPixelBox {
    std::int64_t Left, Top, Right, Bottom;
};

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
// The pixels (x0 + X, y0 - Y) of four screen points lying side by side in p, in 32 bits,
// and the lanes (all ones) of those on the columns 0..width - 1 and the rows top..bottom - 1:
// for passes that take four points at a time where the processor has AVX2. With X and Y
// within 2^30 (points that project), a pixel that does not fit wraps to one off the picture.
struct TFourPixels {
    __m128i X, Y, On;
};
__attribute__((target("avx2"), always_inline)) inline TFourPixels FourPixels(__m256i p,
    std::int32_t x0, std::int32_t y0, std::int32_t width, std::int32_t top, std::int32_t bottom)
{
    const __m256i xy = _mm256_permutevar8x32_epi32(p, _mm256_setr_epi32(0, 2, 4, 6, 1, 3, 5, 7));
    const __m128i x = _mm_add_epi32(_mm_set1_epi32(x0), _mm256_castsi256_si128(xy));
    const __m128i y = _mm_sub_epi32(_mm_set1_epi32(y0), _mm256_extracti128_si256(xy, 1));
    const __m128i off = _mm_or_si128(
        _mm_or_si128(_mm_cmpgt_epi32(_mm_setzero_si128(), x), _mm_cmpgt_epi32(_mm_set1_epi32(top), y)),
        _mm_or_si128(_mm_cmpgt_epi32(x, _mm_set1_epi32(width - 1)),
            _mm_cmpgt_epi32(y, _mm_set1_epi32(bottom - 1))));
    return { x, y, _mm_andnot_si128(off, _mm_set1_epi32(-1)) };
}
#endif

class TRaster {
public:
    // The image must have 32 bits per pixel (Format_RGB32, or Format_ARGB32 and its
    // premultiplied form, which store opaque colours alike); otherwise throws
    // std::invalid_argument. Detaches the image from any shared copy.
    explicit TRaster(QImage& image);

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }

    // The drawing calls take pixel values 0xFFRRGGBB (ColorToRgb32 of color.h). Image
    // coordinates are 64-bit so that an origin plus an offset never overflows; their magnitude
    // must stay below 2^60.

    // The pixels, Stride() of them from one row to the next, for a pass that reads many
    // at once.
    const QRgb* Bits() const { return FBits; }
    std::int64_t Stride() const { return FStride; }
    void SetPixel(std::int64_t x, std::int64_t y, QRgb color)
    {
        if (inside(x, y))
            *pixelAt(x, y) = color;
    }
    // The pixels from (left, top) up to but not including (right, bottom).
    void FillRect(
        std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom, QRgb color);
    // A line in image coordinates, both end points included.
    void DrawLine(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2, QRgb color);

    // The scene forms: a point (x, y) is drawn at the image pixel (x0 + x, y0 - y).

    // A line between two scene points, both included.
    template <ScreenPointLike P>
    void DrawSceneLine(const P& a, const P& b, std::int32_t x0, std::int32_t y0, QRgb color);
    // Lines from points[0] to points[1], ..., points[count - 1], each including both of its end
    // points; fewer than two points draw nothing (a move without a line). Since every line
    // ends in the colour itself, polylines through consecutive pieces of the points, each
    // beginning at the point where the one before ended, give the pixels of one polyline.
    template <ScreenPointLike P>
    void DrawPolyline(const P* points, int count, std::int32_t x0, std::int32_t y0, QRgb color);
    // For each point, the 3 x 3 square centred on its pixel: top left at (x0 + x - 1, y0 - y - 1).
    template <ScreenPointLike P>
    void DrawSquares(const P* points, int count, std::int32_t x0, std::int32_t y0, QRgb color);

    // Smooth lines: along the longer axis each step covers the two pixels either side of the
    // exact line, each blended with the colour by its nearness (the two weights add up to the
    // whole colour), so an end point, lying on a pixel centre, takes the colour itself. Clipped
    // like the aliased lines: the visible pixels are those of the whole line.
    void DrawSmoothLine(
        std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2, QRgb color);
    // In pieces as DrawPolyline: the end points take the colour itself.
    template <ScreenPointLike P>
    void DrawSmoothPolyline(
        const P* points, int count, std::int32_t x0, std::int32_t y0, QRgb color);

    // Hidden lines: a nearness per pixel of the image (width floats a row), and lines
    // whose pixels are drawn only where their own nearness, going evenly from d1 at the
    // first end to d2 at the last along the longer axis, is at least the pixel's.

    // The pixels of DrawLine that pass the test.
    void DrawTestedLine(std::int64_t x1, std::int64_t y1, double d1, std::int64_t x2,
        std::int64_t y2, double d2, QRgb color, const float* depth);
    // The same for the rows top..bottom - 1 of the image alone (0 <= top <= bottom <=
    // Height()), so that threads can draw one line in bands of rows. Where every pixel
    // outside the box filled is known to hold minus infinity, the pixels of the line there
    // are drawn without a look at their nearness (the same pixels: a nearness that goes
    // evenly between finite ends is never below minus infinity).
    void DrawTestedLine(std::int64_t x1, std::int64_t y1, double d1, std::int64_t x2,
        std::int64_t y2, double d2, QRgb color, const float* depth, std::int64_t top,
        std::int64_t bottom, const TPixelBox* filled = nullptr);
    // Pixel (x, y) set where d is at least its nearness in depth, on the rows top..bottom - 1
    // alone (0 <= top <= bottom <= Height()); a pixel that holds the colour already is left as it is without a look at its
    // nearness, which spares the reads of a fine mesh whose points crowd on each pixel.
    void SetTestedPixel(std::int64_t x, std::int64_t y, double d, QRgb color, const float* depth,
        std::int64_t top, std::int64_t bottom)
    {
        if (static_cast<std::uint64_t>(x) >= static_cast<std::uint64_t>(FWidth) || y < top
            || y >= bottom)
            return;
        QRgb* const p = pixelAt(x, y);
        if (*p != color && d >= depth[y * FWidth + x])
            *p = color;
    }
    // Whether every pixel of the image from (left, top) to (right, bottom), both included,
    // holds the colour or a nearness in depth of at least d (true when none lies in the
    // image): where a line tested against depth changes nothing.
    bool Holds(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom,
        QRgb color, const float* depth, double d) const;
    // The runs of consecutive pixels of DrawLine that pass the test, from pixel to pixel
    // (a run from a line's first or last pixel starts or ends at that end point itself,
    // which may lie outside the image), appended to runs: for lines another primitive draws.
    struct TPixelRun {
        std::int64_t X1, Y1, X2, Y2;
    };
    void VisibleRuns(std::int64_t x1, std::int64_t y1, double d1, std::int64_t x2, std::int64_t y2,
        double d2, const float* depth, std::vector<TPixelRun>& runs) const;

private:
    bool inside(std::int64_t x, std::int64_t y) const
    {
        return static_cast<std::uint64_t>(x) < static_cast<std::uint64_t>(FWidth)
            && static_cast<std::uint64_t>(y) < static_cast<std::uint64_t>(FHeight);
    }
    QRgb* pixelAt(std::int64_t x, std::int64_t y) const { return FBits + y * FStride + x; }
    // Both end points inside the image; skipFirst leaves out the first pixel, which a polyline
    // has already set.
    void drawInside(int x1, int y1, int x2, int y2, QRgb color, bool skipFirst);
    void drawClipped(
        std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2, QRgb color);
    void drawSmoothInside(int x1, int y1, int x2, int y2, QRgb color);
    void drawSmoothClipped(
        std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2, QRgb color);

    QRgb* FBits = nullptr;
    std::int64_t FStride = 0; // pixels from one scan line to the next
    int FWidth = 0;
    int FHeight = 0;
};

// The error term below is that of the closed form: along the longer axis (length L, step t from
// the first point) the shorter coordinate moves q(t) = floor((2 * l * t + c) / (2 * L)) pixels,
// l being the length of the shorter axis; c = L - 1 when that coordinate grows, L when it
// shrinks, which turns a tie toward the smaller coordinate. drawClipped starts the same form at
// the first visible step.
inline void TRaster::drawInside(int x1, int y1, int x2, int y2, QRgb color, bool skipFirst)
{
    const int dx = x2 - x1;
    const int dy = y2 - y1;
    const int adx = dx < 0 ? -dx : dx;
    const int ady = dy < 0 ? -dy : dy;
    const std::int64_t xStep = dx < 0 ? -1 : 1;
    const std::int64_t yStep = dy < 0 ? -FStride : FStride;
    std::int64_t majorStep, minorStep;
    int length, shortLength;
    bool minorGrows;
    if (adx >= ady) {
        majorStep = xStep, minorStep = yStep, length = adx, shortLength = ady, minorGrows = dy >= 0;
    } else {
        majorStep = yStep, minorStep = xStep, length = ady, shortLength = adx, minorGrows = dx >= 0;
    }
    QRgb* p = pixelAt(x1, y1);
    if (!skipFirst)
        *p = color;
    const int bound = 2 * length;
    const int increment = 2 * shortLength;
    int r = minorGrows ? length - 1 : length;
    for (int i = 0; i < length; ++i) {
        p += majorStep;
        r += increment;
        if (r >= bound) {
            r -= bound;
            p += minorStep;
        }
        *p = color;
    }
}

template <ScreenPointLike P>
void TRaster::DrawSceneLine(const P& a, const P& b, std::int32_t x0, std::int32_t y0, QRgb color)
{
    DrawLine(std::int64_t(x0) + a.X, std::int64_t(y0) - a.Y, std::int64_t(x0) + b.X,
        std::int64_t(y0) - b.Y, color);
}

template <ScreenPointLike P>
void TRaster::DrawPolyline(const P* points, int count, std::int32_t x0, std::int32_t y0, QRgb color)
{
    if (count < 2)
        return;
    std::int64_t ax = std::int64_t(x0) + points[0].X;
    std::int64_t ay = std::int64_t(y0) - points[0].Y;
    bool aInside = inside(ax, ay);
    if (aInside)
        *pixelAt(ax, ay) = color;
    // Each line from here on leaves out its first pixel, the last one of the line before.
    for (int i = 1; i < count; ++i) {
        const std::int64_t bx = std::int64_t(x0) + points[i].X;
        const std::int64_t by = std::int64_t(y0) - points[i].Y;
        const bool bInside = inside(bx, by);
        if (bInside && static_cast<std::uint64_t>(bx - ax + 1) <= 2
            && static_cast<std::uint64_t>(by - ay + 1) <= 2) {
            // Most lines of a finely sampled curve stay on a pixel or step to a neighbour.
            *pixelAt(bx, by) = color;
        } else if (aInside && bInside) {
            drawInside(int(ax), int(ay), int(bx), int(by), color, true);
        } else {
            drawClipped(ax, ay, bx, by, color);
        }
        ax = bx, ay = by, aInside = bInside;
    }
}

template <ScreenPointLike P>
void TRaster::DrawSquares(const P* points, int count, std::int32_t x0, std::int32_t y0, QRgb color)
{
    // Unsigned comparison: left and top both in [0, size - 3].
    const std::uint64_t spanX = FWidth >= 3 ? std::uint64_t(FWidth - 2) : 0;
    const std::uint64_t spanY = FHeight >= 3 ? std::uint64_t(FHeight - 2) : 0;
    for (int i = 0; i < count; ++i) {
        const std::int64_t left = std::int64_t(x0) + points[i].X - 1;
        const std::int64_t top = std::int64_t(y0) - points[i].Y - 1;
        if (static_cast<std::uint64_t>(left) < spanX && static_cast<std::uint64_t>(top) < spanY) {
            QRgb* p = pixelAt(left, top);
            for (int row = 0; row < 3; ++row, p += FStride)
                p[0] = p[1] = p[2] = color;
        } else {
            FillRect(left, top, left + 3, top + 3, color);
        }
    }
}

// The colour laid over a pixel with the weight a of 0..256 (256: the colour itself, 0: the pixel
// unchanged), red and blue in one multiplication, green in another.
inline QRgb blendPixel(QRgb pixel, QRgb color, unsigned a)
{
    const unsigned b = 256 - a;
    const unsigned rb = (((color & 0xFF00FFu) * a + (pixel & 0xFF00FFu) * b) >> 8) & 0xFF00FFu;
    const unsigned g = (((color & 0xFF00u) * a + (pixel & 0xFF00u) * b) >> 8) & 0xFF00u;
    return 0xFF000000u | rb | g;
}

template <ScreenPointLike P>
void TRaster::DrawSmoothPolyline(
    const P* points, int count, std::int32_t x0, std::int32_t y0, QRgb color)
{
    if (count < 2)
        return;
    std::int64_t ax = std::int64_t(x0) + points[0].X;
    std::int64_t ay = std::int64_t(y0) - points[0].Y;
    bool aInside = inside(ax, ay);
    if (aInside)
        *pixelAt(ax, ay) = color;
    for (int i = 1; i < count; ++i) {
        const std::int64_t bx = std::int64_t(x0) + points[i].X;
        const std::int64_t by = std::int64_t(y0) - points[i].Y;
        const bool bInside = inside(bx, by);
        if (bInside && static_cast<std::uint64_t>(bx - ax + 1) <= 2
            && static_cast<std::uint64_t>(by - ay + 1) <= 2) {
            // A step to a neighbour has no pixel between its two end points.
            *pixelAt(bx, by) = color;
        } else if (aInside && bInside) {
            drawSmoothInside(int(ax), int(ay), int(bx), int(by), color);
        } else {
            drawSmoothClipped(ax, ay, bx, by, color);
        }
        ax = bx, ay = by, aInside = bInside;
    }
}
