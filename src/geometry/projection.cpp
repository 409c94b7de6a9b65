#include "geometry/projection.h"

#include "base/vector_state.h"

#include <cstring>

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
//
// A caller that rounds the points to nearest rather than truncating them (relative error
// u, not 2u) stays within the same bound (see TTieBound).
using namespace projection_bound;

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

// The matrix as the double path reads it: in double, with the largest magnitudes
// of the columns that the bound takes, and in full for a point that falls back.
struct TDoubleMatrix {
    long double e[4][4];
    double d[4][4];
    TTieBound bound;

    explicit TDoubleMatrix(const TTransformMatrix& matrix)
        : bound(TieBoundOf(matrix))
    {
        std::copy(&matrix.M()[0][0], &matrix.M()[0][0] + 16, &e[0][0]);
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j)
                d[i][j] = static_cast<double>(e[i][j]);
    }
};

// One point the double way, or the extended way when the bound says so.
template <bool Translates>
__attribute__((always_inline)) inline void projectDouble(
    const TSpacePoint& p, const TDoubleMatrix& m, TScreenPoint& last)
{
    const auto& d = m.d;
    bool fits = true;
    const double px = toDouble(p.X, fits);
    const double py = toDouble(p.Y, fits);
    const double pz = toDouble(p.Z, fits);
    const double a = std::fabs(px) + std::fabs(py) + std::fabs(pz);
    const double w = px * d[0][3] + py * d[1][3] + pz * d[2][3] + d[3][3];
    const TTieBound& b = m.bound;
    const double sw = a * b.CW + b.TW;
    if (fits && std::fabs(w) > 0x1p-36 * sw + Absolute) [[likely]] {
        if (w < 0) {
            last = BehindEye;
            return;
        }
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
            if (marginX > K * (a * b.C + b.T + std::fabs(qx) * sw) + Absolute
                && marginY > K * (a * b.C + b.T + std::fabs(qy) * sw) + Absolute) [[likely]] {
                last.X = static_cast<std::int32_t>(std::clamp<long>(kx, -ScreenLimit, ScreenLimit));
                last.Y = static_cast<std::int32_t>(std::clamp<long>(ky, -ScreenLimit, ScreenLimit));
                return;
            }
        }
    }
    projectExtended<Translates>(p, m.e, last);
}

template <bool Translates>
__attribute__((always_inline)) inline int projectDoublePoints(const TTransformMatrix& matrix,
    const TSpacePoint* source, int count, int stride, TScreenPoint* screen)
{
    const TDoubleMatrix m(matrix);
    TScreenPoint last { 0, 0 };
    int taken = 0;
    for (std::int64_t i = 0; i < count; i += stride) {
        projectDouble<Translates>(source[i], m, last);
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

// Where the processor has AVX2, the same loop in the VEX encoding (below).
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define VELMO_AVX2_CLONE 1

// One coordinate (0: X, 1: Y, 2: Z) of four consecutive points as doubles, as
// toDouble gives each; fits loses the lanes whose value does not fit.
__attribute__((target("avx2"), always_inline)) inline __m256d toDoubleFour(
    const TSpacePoint* p, int coordinate, __m256i& fits)
{
    // Each value's 16 bytes: the mantissa in the low quarter, sign and exponent next.
    const char* first = reinterpret_cast<const char*>(p) + coordinate * sizeof(long double);
    const __m128i* at[4];
    for (int point = 0; point < 4; ++point)
        at[point] = reinterpret_cast<const __m128i*>(first + point * sizeof(TSpacePoint));
    const __m256i even = _mm256_set_m128i(_mm_loadu_si128(at[2]), _mm_loadu_si128(at[0]));
    const __m256i odd = _mm256_set_m128i(_mm_loadu_si128(at[3]), _mm_loadu_si128(at[1]));
    const __m256i mantissa = _mm256_unpacklo_epi64(even, odd);
    const __m256i signExponent
        = _mm256_and_si256(_mm256_unpackhi_epi64(even, odd), _mm256_set1_epi64x(0xffff));
    const __m256i sign = _mm256_slli_epi64(_mm256_srli_epi64(signExponent, 15), 63);
    const __m256i biased = _mm256_and_si256(signExponent, _mm256_set1_epi64x(0x7fff));
    const __m256i exponent = _mm256_sub_epi64(biased, _mm256_set1_epi64x(16383 - 1023));
    const __m256i zero
        = _mm256_cmpeq_epi64(_mm256_or_si256(biased, mantissa), _mm256_setzero_si256());
    const __m256i tooSmall = _mm256_cmpgt_epi64(_mm256_set1_epi64x(1023 - 1000), exponent);
    const __m256i tooLarge = _mm256_cmpgt_epi64(exponent, _mm256_set1_epi64x(1023 + 500));
    const __m256i integerBit = _mm256_cmpgt_epi64(_mm256_setzero_si256(), mantissa);
    const __m256i normal = _mm256_andnot_si256(_mm256_or_si256(tooSmall, tooLarge), integerBit);
    fits = _mm256_and_si256(fits, _mm256_or_si256(normal, zero));
    const __m256i bits = _mm256_or_si256(_mm256_or_si256(sign, _mm256_slli_epi64(exponent, 52)),
        _mm256_and_si256(_mm256_srli_epi64(mantissa, 11),
            _mm256_set1_epi64x((std::int64_t { 1 } << 52) - 1)));
    return _mm256_castsi256_pd(
        _mm256_or_si256(_mm256_andnot_si256(zero, bits), _mm256_and_si256(zero, sign)));
}

// px*d[0][column] + py*d[1][column] + pz*d[2][column], summed from the left.
__attribute__((target("avx2"), always_inline)) inline __m256d columnSum(
    __m256d px, __m256d py, __m256d pz, const double (&d)[4][4], int column)
{
    return _mm256_add_pd(
        _mm256_add_pd(_mm256_mul_pd(px, all(d[0][column])), _mm256_mul_pd(py, all(d[1][column]))),
        _mm256_mul_pd(pz, all(d[2][column])));
}

// Four consecutive points the double way at once, with the very operations of
// projectDouble in the same order, so each lane gives what it gives. True when
// every one of them is settled so (in front of the eye, and clear of the bound);
// otherwise nothing is written and each takes the way of one point.
template <bool Translates>
__attribute__((target("avx2"), always_inline)) inline bool projectFour(
    __m256d px, __m256d py, __m256d pz, __m256i fits, const TDoubleMatrix& m, TScreenPoint* out)
{
    const auto& d = m.d;
    const __m256d a = _mm256_add_pd(_mm256_add_pd(magnitude(px), magnitude(py)), magnitude(pz));
    const __m256d w = _mm256_add_pd(columnSum(px, py, pz, d, 3), all(d[3][3]));
    __m256d x = columnSum(px, py, pz, d, 0);
    __m256d y = columnSum(px, py, pz, d, 1);
    if constexpr (Translates) {
        x = _mm256_add_pd(x, all(d[3][0]));
        y = _mm256_add_pd(y, all(d[3][1]));
    }
    const __m256d qx = _mm256_div_pd(x, w);
    const __m256d qy = _mm256_div_pd(y, w);
    const __m256d kx = _mm256_round_pd(qx, _MM_FROUND_TO_NEAREST_INT | _MM_FROUND_NO_EXC);
    const __m256d ky = _mm256_round_pd(qy, _MM_FROUND_TO_NEAREST_INT | _MM_FROUND_NO_EXC);
    const __m256d settled = _mm256_and_pd(
        _mm256_castsi256_pd(fits), SettledFour(m.bound, a, w, qx, qy, kx, ky).Front);
    if (_mm256_movemask_pd(settled) != 0xf) [[unlikely]]
        return false;
    const __m256d limit = all(static_cast<double>(ScreenLimit));
    const __m256d lowest = all(-static_cast<double>(ScreenLimit));
    const __m128i sx = _mm256_cvtpd_epi32(_mm256_min_pd(_mm256_max_pd(kx, lowest), limit));
    const __m128i sy = _mm256_cvtpd_epi32(_mm256_min_pd(_mm256_max_pd(ky, lowest), limit));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_unpacklo_epi32(sx, sy));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 2), _mm_unpackhi_epi32(sx, sy));
    return true;
}

// Four consecutive points from their long doubles; with Keeps, their doubles are also
// written to copy (see TDoubleCopy), X not a number in a lane that does not fit.
template <bool Translates, bool Keeps>
__attribute__((target("avx2"), always_inline)) inline bool projectFour(
    const TSpacePoint* p, const TDoubleMatrix& m, TScreenPoint* out, double* copy)
{
    __m256i fits = _mm256_set1_epi64x(-1);
    __m256d px = toDoubleFour(p, 0, fits);
    const __m256d py = toDoubleFour(p, 1, fits);
    const __m256d pz = toDoubleFour(p, 2, fits);
    if constexpr (Keeps) {
        _mm256_storeu_pd(copy, _mm256_blendv_pd(all(std::numeric_limits<double>::quiet_NaN()), px,
                                   _mm256_castsi256_pd(fits)));
        _mm256_storeu_pd(copy + 4, py);
        _mm256_storeu_pd(copy + 8, pz);
    }
    return projectFour<Translates>(px, py, pz, fits, m, out);
}

// Four consecutive points from their copy in double: a lane marked as not fitting
// fails every test below (its X, and so its sums, are not a number) and sends the four
// the way of one point.
template <bool Translates>
__attribute__((target("avx2"), always_inline)) inline bool projectFourCopied(
    const double* copy, const TDoubleMatrix& m, TScreenPoint* out)
{
    return projectFour<Translates>(_mm256_loadu_pd(copy), _mm256_loadu_pd(copy + 4),
        _mm256_loadu_pd(copy + 8), _mm256_set1_epi64x(-1), m, out);
}

// The same loop in the VEX encoding where the processor has AVX2: three-operand
// instructions that spare register copies and never wait on the upper halves of
// the vector registers, and consecutive points four at a time. The target enables
// no fused multiply-add, so every product and sum rounds as in the SSE form and
// the bound above holds as it stands.
// Where the four points of each step come from.
enum class TFourFrom { Points, PointsKeepingCopy, Copy };

template <bool Translates, TFourFrom From>
__attribute__((target("avx2"))) int projectDoubleAvx(const TTransformMatrix& matrix,
    const TSpacePoint* source, int count, int stride, TScreenPoint* screen, double* copy)
{
    const TDoubleMatrix m(matrix);
    TScreenPoint last { 0, 0 };
    int taken = 0;
    std::int64_t i = 0;
    // The last slot written is always the one a failing point repeats; it is read
    // back only when a point goes the way of one.
    if (stride == 1)
        for (; i + 4 <= count; i += 4) {
            bool settled;
            if constexpr (From == TFourFrom::Copy)
                settled = projectFourCopied<Translates>(copy + 3 * i, m, screen + taken);
            else
                settled = projectFour<Translates, From == TFourFrom::PointsKeepingCopy>(
                    source + i, m, screen + taken,
                    From == TFourFrom::Points ? nullptr : copy + 3 * i);
            if (settled) [[likely]] {
                taken += 4;
                continue;
            }
            if (taken > 0)
                last = screen[taken - 1];
            for (int j = 0; j < 4; ++j) {
                projectDouble<Translates>(source[i + j], m, last);
                screen[taken++] = last;
            }
        }
    if (taken > 0)
        last = screen[taken - 1];
    for (; i < count; i += stride) {
        projectDouble<Translates>(source[i], m, last);
        screen[taken++] = last;
    }
    return taken;
}
#endif
}

namespace {
using TProjector = int (*)(
    const TTransformMatrix&, const TSpacePoint*, int, int, TScreenPoint*, double* copy);

// The paths that keep no copy in double ignore the one given.
template <int (*Project)(const TTransformMatrix&, const TSpacePoint*, int, int, TScreenPoint*)>
int withoutCopy(const TTransformMatrix& matrix, const TSpacePoint* source, int count, int stride,
    TScreenPoint* screen, double*)
{
    return Project(matrix, source, count, stride, screen);
}

#ifdef VELMO_AVX2_CLONE
bool hasAvx2()
{
    static const bool avx2 = __builtin_cpu_supports("avx2");
    return avx2;
}
#endif

TProjector projectorFor(const TTransformMatrix& matrix, const TDoubleCopy& copy = {})
{
    const bool translates = matrix.M()[3][0] != 0.0L || matrix.M()[3][1] != 0.0L;
    if (!doubleSafe(matrix))
        return translates ? withoutCopy<projectExtendedPoints<true>>
                          : withoutCopy<projectExtendedPoints<false>>;
#ifdef VELMO_AVX2_CLONE
    if (hasAvx2()) {
        if (copy.Data && copy.Ready)
            return translates ? projectDoubleAvx<true, TFourFrom::Copy>
                              : projectDoubleAvx<false, TFourFrom::Copy>;
        if (copy.Data)
            return translates ? projectDoubleAvx<true, TFourFrom::PointsKeepingCopy>
                              : projectDoubleAvx<false, TFourFrom::PointsKeepingCopy>;
        return translates ? projectDoubleAvx<true, TFourFrom::Points>
                          : projectDoubleAvx<false, TFourFrom::Points>;
    }
#endif
    return translates ? withoutCopy<projectDoubleSse<true>> : withoutCopy<projectDoubleSse<false>>;
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

TTieBound TieBoundOf(const TTransformMatrix& matrix)
{
    double d[4][4];
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            d[i][j] = static_cast<double>(matrix.M()[i][j]);
    const auto largest = [&d](int column) {
        return std::fmax(
            std::fabs(d[0][column]), std::fmax(std::fabs(d[1][column]), std::fabs(d[2][column])));
    };
    return { std::fmax(largest(0), largest(1)), largest(3),
        std::fmax(std::fabs(d[3][0]), std::fabs(d[3][1])), std::fabs(d[3][3]) };
}

TScreenPoint ProjectedSlot(
    const TTransformMatrix& matrix, const TSpacePoint& p, TScreenPoint before)
{
    // Adding a zero translation changes no rounded result.
    projectExtended<true>(p, matrix.M(), before);
    return before;
}

int ProjectPointsHere(const TTransformMatrix& matrix, const TSpacePoint* source, int count,
    int stride, TScreenPoint* screen)
{
    return projectorFor(matrix)(matrix, source, count, stride, screen, nullptr);
}

void MendRepeatedSlots(const TTransformMatrix& matrix, const TSpacePoint* source,
    TScreenPoint* screen, int first, int end)
{
    for (int j = first; j < end && repeatsSlot(matrix, source[j]); ++j)
        screen[j] = screen[j - 1];
}

bool DoubleCopyServes(const TTransformMatrix& matrix)
{
#ifdef VELMO_AVX2_CLONE
    return hasAvx2() && doubleSafe(matrix);
#else
    (void)matrix;
    return false;
#endif
}

int ProjectPoints(const TTransformMatrix& matrix, const TSpacePoint* source, int count, int stride,
    TScreenPoint* screen, const TDoubleCopy& copy)
{
    const std::int64_t taken = TakenCount(count, stride);
    const TDoubleCopy used = stride == 1 ? copy : TDoubleCopy {};
    if (taken < ProjectionBlockMinimum || TBlockWork::Helpers() == 0)
        return projectorFor(matrix, used)(matrix, source, count, stride, screen, used.Data);
    // One projection at a time on a thread: its block work is kept for the next.
    static thread_local TBlockWork::TKept kept;
    TPointsProjection projection(matrix, source, count, stride, screen, &kept, used);
    projection.AwaitAll();
    return static_cast<int>(taken);
}

TPointsProjection::TPointsProjection(const TTransformMatrix& matrix, const TSpacePoint* source,
    int count, int stride, TScreenPoint* screen, TBlockWork::TKept* kept, const TDoubleCopy& copy)
    : FMatrix(matrix)
    , FSource(source)
    , FStride(stride)
    , FScreen(screen)
    , FCopy(stride == 1 ? copy.Data : nullptr)
    , FTaken(static_cast<int>(TakenCount(count, stride)))
    , FBlocks(static_cast<int>((std::int64_t { FTaken } + ProjectionBlock - 1) / ProjectionBlock),
          // Two words of capture, which the block function holds without allocating.
          [this, project = projectorFor(matrix, stride == 1 ? copy : TDoubleCopy {})](int block) {
              // Each block starts from the origin as the whole list does; a point at
              // its start that repeats the slot before it is mended once the block
              // before is done (see AwaitNext). A block's first point is a multiple
              // of four, so its part of the copy starts a group of four.
              const std::int64_t first = std::int64_t { block } * ProjectionBlock;
              const std::int64_t end = std::min<std::int64_t>(first + ProjectionBlock, FTaken);
              project(FMatrix, FSource + first * FStride,
                  static_cast<int>((end - first - 1) * FStride + 1), FStride, FScreen + first,
                  FCopy ? FCopy + 3 * first : nullptr);
          },
          kept)
{
}

TPointsProjection::~TPointsProjection() { AwaitAll(); }

int TPointsProjection::AwaitNext()
{
    if (FAwaited == FBlocks.Count())
        return FReady;
    const int block = FAwaited++;
    FBlocks.Await(block);
    const std::int64_t first = std::int64_t { block } * ProjectionBlock;
    FReady = static_cast<int>(std::min<std::int64_t>(first + ProjectionBlock, FTaken));
    if (block > 0)
        for (std::int64_t j = first; j < FReady && repeatsSlot(FMatrix, FSource[j * FStride]); ++j)
            FScreen[j] = FScreen[j - 1];
    return FReady;
}

void TPointsProjection::AwaitAll()
{
    while (FReady < FTaken)
        AwaitNext();
}
