#include "geometry/projection.h"

#include "base/vector_state.h"

#include <cstring>
#include <system_error>
#include <thread>
#include <vector>

namespace {
// One point the long way: the extended-precision sums and quotients, rounded by the
// x87 store. The result every other path must equal.
template <bool Translates>
inline void projectExtended(const TSpacePoint& p, const long double (&e)[4][4], TScreenPoint& last)
{
    const long double w = p.X * e[0][3] + p.Y * e[1][3] + p.Z * e[2][3] + e[3][3];
    long double x = p.X * e[0][0] + p.Y * e[1][0] + p.Z * e[2][0];
    long double y = p.X * e[0][1] + p.Y * e[1][1] + p.Z * e[2][1];
    if constexpr (Translates) {
        x += e[3][0];
        y += e[3][1];
    }
    std::int64_t screenX = 0, screenY = 0;
    if (w <= 0.0L)
        last = BehindEye;
    else if (RoundToInt64(x / w, screenX) && RoundToInt64(y / w, screenY)) {
        last.X = static_cast<std::int32_t>(std::clamp(screenX, -ScreenLimit, ScreenLimit));
        last.Y = static_cast<std::int32_t>(std::clamp(screenY, -ScreenLimit, ScreenLimit));
    }
}

// The loop of ProjectPoints in extended precision alone, for a matrix with an
// element too large for the double path. Scene matrices never translate (row 3 is 0
// but for the scale), and adding a zero changes no rounded result, so that case
// skips the two additions.
template <bool Translates>
int projectExtendedPoints(const TTransformMatrix& matrix, const TSpacePoint* source, int count,
    int stride, TScreenPoint* screen)
{
    // The elements live in a local copy so that the loop does not reload them through
    // the reference after every store into screen.
    long double e[4][4];
    std::copy(&matrix.M()[0][0], &matrix.M()[0][0] + 16, &e[0][0]);
    TScreenPoint last { 0, 0 };
    int taken = 0;
    for (std::int64_t i = 0; i < count; i += stride) {
        projectExtended<Translates>(source[i], e, last);
        screen[taken++] = last;
    }
    return taken;
}

// The same screen points computed in double, several times faster, each point
// checked against a bound on how far its double quotient can lie from the extended
// one; a point too near a rounding tie, a divisor too near zero or a value out of
// the safe range takes the extended path.
//
// The bound. Let X = x*m0 + y*m1 + z*m2 + m3 be the exact sum for one screen
// coordinate and W the exact divisor, S_X and S_W the sums of the magnitudes of
// their terms. The double sums start from the point truncated to double (relative
// error 2u, u = 2^-53) and the matrix rounded to double (u), and take one product
// and up to three additions per term, so |x_d - X| <= g*S_X and |w_d - W| <= g*S_W
// with g = 7u/(1-7u); the extended sums stay within 4*2^-64*S of the same X and W.
// Since x/w - X/W = ((x - X) - (X/W)(w - W))/w, each path's quotient lies within
// (err_x + |X/W|*err_w)/|w| of X/W, plus half an ulp for its own division. With
// |w_d| > 2^-36*S_W (else the divisor counts as near zero) the two divisors differ
// by a factor within 2^-14 of 1, and the two quotients differ by less than
// 16u*(S_X + |q_d|*S_W)/|w_d| = 2^-49*(...)/|w_d|. We take K = 2^-46, eight times
// that, which also covers S_X and S_W being bounded by (|x|+|y|+|z|)*max|m|
// computed in double. Values below double's normal range lose their relative
// accuracy; with every matrix element within 2^20 each term then errs by less than
// 2^-1040 absolutely, which 2^-990 covers for any |q_d| < 2^40. When the double
// quotient lies farther than the bound from the nearest tie k+1/2, the extended
// quotient lies in the same open interval around the same integer k, and both
// round (halves to even) to k. Coordinates within 2^500 keep every product and
// sum finite and normal in double.
constexpr double MatrixLimit = 0x1p20;
constexpr double QuotientLimit = 0x1p40;
constexpr double K = 0x1p-46;
constexpr double Absolute = 0x1p-990;

// v's leading 53 bits as a double (truncated: relative error below 2^-52), read
// from its 80 bits without the x87 load and store a conversion costs. fits turns
// false unless v is zero or a normal number within 2^-1000..2^500 in magnitude.
inline double toDouble(const long double& v, bool& fits)
{
    std::uint64_t mantissa = 0;
    std::uint16_t signExponent = 0;
    const char* bytes = reinterpret_cast<const char*>(&v);
    std::memcpy(&mantissa, bytes, sizeof mantissa);
    std::memcpy(&signExponent, bytes + sizeof mantissa, sizeof signExponent);
    const std::uint64_t sign = std::uint64_t { signExponent } >> 15 << 63;
    // The exponent rebased from 16383 to 1023.
    const std::int64_t exponent = std::int64_t { signExponent & 0x7fff } - (16383 - 1023);
    const bool zero = (signExponent & 0x7fff) == 0 && mantissa == 0;
    const bool normal = exponent >= 1023 - 1000 && exponent <= 1023 + 500 && (mantissa >> 63) != 0;
    fits = fits && (normal || zero);
    const std::uint64_t bits = zero ? sign
                                    : sign | static_cast<std::uint64_t>(exponent) << 52
            | ((mantissa >> 11) & ((std::uint64_t { 1 } << 52) - 1));
    double result;
    std::memcpy(&result, &bits, sizeof result);
    return result;
}

bool doubleSafe(const TTransformMatrix& matrix)
{
    for (const auto& row : matrix.M())
        for (const long double v : row)
            if (!(std::fabs(v) <= MatrixLimit))
                return false;
    return true;
}

template <bool Translates>
__attribute__((always_inline)) inline int projectDoublePoints(const TTransformMatrix& matrix,
    const TSpacePoint* source, int count, int stride, TScreenPoint* screen)
{
    long double e[4][4];
    std::copy(&matrix.M()[0][0], &matrix.M()[0][0] + 16, &e[0][0]);
    double d[4][4];
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            d[i][j] = static_cast<double>(e[i][j]);
    const auto largest = [&d](int column) {
        return std::fmax(
            std::fabs(d[0][column]), std::fmax(std::fabs(d[1][column]), std::fabs(d[2][column])));
    };
    const double cx = largest(0), cy = largest(1), cw = largest(3);
    const double tx = std::fabs(d[3][0]), ty = std::fabs(d[3][1]), tw = std::fabs(d[3][3]);

    TScreenPoint last { 0, 0 };
    int taken = 0;
    for (std::int64_t i = 0; i < count; i += stride) {
        const TSpacePoint& p = source[i];
        bool fits = true;
        const double px = toDouble(p.X, fits);
        const double py = toDouble(p.Y, fits);
        const double pz = toDouble(p.Z, fits);
        const double a = std::fabs(px) + std::fabs(py) + std::fabs(pz);
        const double w = px * d[0][3] + py * d[1][3] + pz * d[2][3] + d[3][3];
        const double sw = a * cw + tw;
        bool done = false;
        if (fits && std::fabs(w) > 0x1p-36 * sw + Absolute) [[likely]] {
            if (w < 0) {
                last = BehindEye;
                done = true;
            } else {
                double x = px * d[0][0] + py * d[1][0] + pz * d[2][0];
                double y = px * d[0][1] + py * d[1][1] + pz * d[2][1];
                if constexpr (Translates) {
                    x += d[3][0];
                    y += d[3][1];
                }
                const double qx = x / w;
                const double qy = y / w;
                if (std::fabs(qx) < QuotientLimit && std::fabs(qy) < QuotientLimit) [[likely]] {
                    const long kx = std::lrint(qx);
                    const long ky = std::lrint(qy);
                    // The distances to the nearest ties, times w to spare a division.
                    const double marginX = (0.5 - std::fabs(qx - static_cast<double>(kx))) * w;
                    const double marginY = (0.5 - std::fabs(qy - static_cast<double>(ky))) * w;
                    if (marginX > K * (a * cx + tx + std::fabs(qx) * sw) + Absolute
                        && marginY > K * (a * cy + ty + std::fabs(qy) * sw) + Absolute) [[likely]] {
                        last.X = static_cast<std::int32_t>(
                            std::clamp<long>(kx, -ScreenLimit, ScreenLimit));
                        last.Y = static_cast<std::int32_t>(
                            std::clamp<long>(ky, -ScreenLimit, ScreenLimit));
                        done = true;
                    }
                }
            }
        }
        if (!done) [[unlikely]]
            projectExtended<Translates>(p, e, last);
        screen[taken++] = last;
    }
    return taken;
}

// The loop in SSE form, for a processor without AVX2; its registers' upper halves
// cleared first (see ClearUpperVectorState).
template <bool Translates>
int projectDoubleSse(const TTransformMatrix& matrix, const TSpacePoint* source, int count,
    int stride, TScreenPoint* screen)
{
    ClearUpperVectorState();
    return projectDoublePoints<Translates>(matrix, source, count, stride, screen);
}

// The same loop in the VEX encoding where the processor has AVX2: three-operand
// instructions that spare register copies and never wait on the upper halves of
// the vector registers (about a seventh faster here). The target enables no fused
// multiply-add, so every product and sum rounds as in the SSE form and the bound
// above holds as it stands.
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define VELMO_AVX2_CLONE 1
template <bool Translates>
__attribute__((target("avx2"))) int projectDoubleAvx(const TTransformMatrix& matrix,
    const TSpacePoint* source, int count, int stride, TScreenPoint* screen)
{
    return projectDoublePoints<Translates>(matrix, source, count, stride, screen);
}
#endif
}

namespace {
using TProjector = int (*)(const TTransformMatrix&, const TSpacePoint*, int, int, TScreenPoint*);

TProjector projectorFor(const TTransformMatrix& matrix)
{
    const bool translates = matrix.M()[3][0] != 0.0L || matrix.M()[3][1] != 0.0L;
    if (!doubleSafe(matrix))
        return translates ? projectExtendedPoints<true> : projectExtendedPoints<false>;
#ifdef VELMO_AVX2_CLONE
    static const bool avx2 = __builtin_cpu_supports("avx2");
    if (avx2)
        return translates ? projectDoubleAvx<true> : projectDoubleAvx<false>;
#endif
    return translates ? projectDoubleSse<true> : projectDoubleSse<false>;
}

// True when p does not project and is not behind the eye: its slot repeats the one
// before it. The extended path decides, as it does for every such point.
bool repeatsSlot(const TTransformMatrix& matrix, const TSpacePoint& p)
{
    TScreenPoint unused;
    if (ProjectPoint(matrix, p, unused))
        return false;
    const auto& e = matrix.M();
    const long double w = p.X * e[0][3] + p.Y * e[1][3] + p.Z * e[2][3] + e[3][3];
    return !(w <= 0.0L);
}
}

int ProjectPoints(const TTransformMatrix& matrix, const TSpacePoint* source, int count, int stride,
    TScreenPoint* screen)
{
    const TProjector project = projectorFor(matrix);
    const std::int64_t taken = count > 0 ? (std::int64_t { count } - 1) / stride + 1 : 0;
    static const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    const std::int64_t blocks
        = std::min<std::int64_t>(cores, taken / ProjectionBlockMinimum);
    if (blocks <= 1)
        return project(matrix, source, count, stride, screen);

    // Contiguous blocks of the taken points, each on a thread of its own (the first
    // here). A block starts from the origin as the whole list does; a point at the
    // start of a later block that repeats the slot before it takes the previous
    // block's last slot once the blocks are joined, in order.
    const auto firstOf = [&](std::int64_t block) { return taken * block / blocks; };
    const auto run = [&](std::int64_t block) {
        const std::int64_t first = firstOf(block), end = firstOf(block + 1);
        project(matrix, source + first * stride, static_cast<int>((end - first - 1) * stride + 1),
            stride, screen + first);
    };
    std::vector<std::thread> workers;
    workers.reserve(static_cast<std::size_t>(blocks - 1));
    for (std::int64_t block = 1; block < blocks; ++block) {
        try {
            workers.emplace_back(run, block);
        } catch (const std::system_error&) {
            run(block); // no thread to be had: this one projects the block
        }
    }
    run(0);
    for (std::thread& worker : workers)
        worker.join();
    for (std::int64_t block = 1; block < blocks; ++block)
        for (std::int64_t j = firstOf(block); j < firstOf(block + 1)
             && repeatsSlot(matrix, source[j * stride]);
             ++j)
            screen[j] = screen[j - 1];
    return static_cast<int>(taken);
}
