#pragma once

#include "base/block_work.h"
#include "base/rounding.h"
#include "base/vector_state.h"
#include "geometry/space_point.h"
#include "geometry/transform_matrix.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

// Screen offsets are clamped to +-2^30, a range in which the drawing layer can
// add the scene origin and compute line slopes without overflow.
inline constexpr std::int64_t ScreenLimit = std::int64_t { 1 } << 30;

// The screen slot of a point at or behind the eye (divisor w <= 0): an X no projected
// point can have, since projected offsets stay within +-ScreenLimit. Such a point is not
// drawn, and no line joins it.
inline constexpr TScreenPoint BehindEye { std::numeric_limits<std::int32_t>::min(), 0 };
inline bool Drawable(const TScreenPoint& p) { return p.X != BehindEye.X; }

// Projects p with m: w = x*M[0][3] + y*M[1][3] + z*M[2][3] + M[3][3], X and Y the
// first two columns divided by w, each rounded halves to even and clamped to
// +-ScreenLimit. False, leaving screen alone, when w is 0 or a coordinate is not a
// number or rounds outside the 64-bit range, or when the point is at or behind the
// eye (w <= 0).
inline bool ProjectPoint(const TTransformMatrix& m, const TSpacePoint& p, TScreenPoint& screen)
{
    const auto& e = m.M();
    const long double w = p.X * e[0][3] + p.Y * e[1][3] + p.Z * e[2][3] + e[3][3];
    if (w <= 0.0L) [[unlikely]]
        return false;
    std::int64_t x = 0, y = 0;
    if (!RoundToInt64((p.X * e[0][0] + p.Y * e[1][0] + p.Z * e[2][0] + e[3][0]) / w, x)
        || !RoundToInt64((p.X * e[0][1] + p.Y * e[1][1] + p.Z * e[2][1] + e[3][1]) / w, y))
        [[unlikely]]
        return false;
    screen.X = static_cast<std::int32_t>(std::clamp(x, -ScreenLimit, ScreenLimit));
    screen.Y = static_cast<std::int32_t>(std::clamp(y, -ScreenLimit, ScreenLimit));
    return true;
}

// A list of at least this many taken points is projected on several cores, in blocks
// of ProjectionBlock points.
inline constexpr std::int64_t ProjectionBlockMinimum = 32768;
inline constexpr std::int64_t ProjectionBlock = 4096;

// How many points ProjectPoints takes from count with stride (at least 1).
inline std::int64_t TakenCount(int count, int stride)
{
    return count > 0 ? (std::int64_t { count } - 1) / stride + 1 : 0;
}

// A copy of a list's X, Y and Z in double, kept beside a list that is projected again
// and again so that a projection reads a third of the bytes and converts nothing: for
// each four consecutive points their four X, their four Y, then their four Z, each as
// the double path of the projection converts it, X not a number where that point does
// not fit the double path (it then takes the long way from its long doubles). Data has
// room for three doubles a point (rounded up to four points); Ready says whether it
// holds the copy, else a projection writes it. Only a projection of every point
// (stride 1) whose matrix DoubleCopyServes reads or writes it.
struct TDoubleCopy {
    double* Data = nullptr;
    bool Ready = false;
};
bool DoubleCopyServes(const TTransformMatrix& m);

// For a caller that computes the double path's sums and quotients itself, alongside
// work of its own (the depth projection of surfaces): the bound that tells where its
// rounded quotient is the extended path's. Its sums must be those of the double path
// in any order of addition: each coordinate of the point rounded to double (to
// nearest or truncated) as zero or a normal number, then for each column j
// x*M[0][j] + y*M[1][j] + z*M[2][j] (+ M[3][j]) in double, with M rounded to double and
// no fused multiply-add, and the quotients of the first two columns by the fourth. Only
// for a matrix that DoubleCopyServes.
struct TTieBound {
    // The largest magnitudes among rows 0..2 of columns 0 and 1 (C) and of column 3 (CW),
    // and in row 3, of columns 0 and 1 (T) and of column 3 (TW).
    double C, CW, T, TW;
};
TTieBound TieBoundOf(const TTransformMatrix& m);

// The slot ProjectPoints gives p when before is the slot of the point before it (the
// origin for a list's first point): the extended path's.
TScreenPoint ProjectedSlot(const TTransformMatrix& m, const TSpacePoint& p, TScreenPoint before);

namespace projection_bound {
// Matrix elements within this magnitude suit the double path.
inline constexpr double MatrixLimit = 0x1p20;
// Quotients at or beyond this magnitude take the extended path.
inline constexpr double QuotientLimit = 0x1p40;
// The bound's factor on the magnitude sums, and its absolute part (see projection.cpp).
inline constexpr double K = 0x1p-46;
inline constexpr double Absolute = 0x1p-990;
// A point with a coordinate at or beyond this magnitude takes the extended path.
inline constexpr double CoordinateLimit = 0x1p500;
}

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
// The bound's test on four points at once. a: |x| + |y| + |z| of each point's doubles;
// w: its divisor; qx, qy: its quotients; kx, ky: them rounded to the nearest integer
// (halves to even). In the lanes of Front the point lies in front of the eye and kx, ky
// are the extended path's rounding of its quotients; in those of Behind it lies behind
// the eye (its slot is BehindEye). A lane in neither takes the extended path.
struct TSettledFour {
    __m256d Front, Behind;
};
namespace projection_bound {
__attribute__((target("avx2"), always_inline)) inline __m256d all(double v)
{
    return _mm256_set1_pd(v);
}
__attribute__((target("avx2"), always_inline)) inline __m256d magnitude(__m256d v)
{
    return _mm256_andnot_pd(_mm256_set1_pd(-0.0), v);
}
}
__attribute__((target("avx2"), always_inline)) inline TSettledFour SettledFour(
    const TTieBound& b, __m256d a, __m256d w, __m256d qx, __m256d qy, __m256d kx, __m256d ky)
{
    using namespace projection_bound;
    const __m256d sw = _mm256_add_pd(_mm256_mul_pd(a, all(b.CW)), all(b.TW));
    // The divisor clear of zero, the point within range.
    const __m256d clear = _mm256_and_pd(
        _mm256_cmp_pd(magnitude(w), _mm256_add_pd(_mm256_mul_pd(all(0x1p-36), sw), all(Absolute)),
            _CMP_GT_OQ),
        _mm256_cmp_pd(a, all(CoordinateLimit), _CMP_LT_OQ));
    // Both quotients within range and clear of the bound from their ties, the bound taken
    // once for both with the larger of each of its terms; the distances are taken times w
    // to spare a division.
    const __m256d q = _mm256_max_pd(magnitude(qx), magnitude(qy));
    const __m256d margin = _mm256_mul_pd(
        _mm256_sub_pd(all(0.5),
            _mm256_max_pd(magnitude(_mm256_sub_pd(qx, kx)), magnitude(_mm256_sub_pd(qy, ky)))),
        w);
    const __m256d bound
        = _mm256_add_pd(_mm256_mul_pd(all(K),
                            _mm256_add_pd(_mm256_add_pd(_mm256_mul_pd(a, all(b.C)), all(b.T)),
                                _mm256_mul_pd(q, sw))),
            all(Absolute));
    const __m256d front
        = _mm256_and_pd(_mm256_and_pd(clear, _mm256_cmp_pd(w, _mm256_setzero_pd(), _CMP_GT_OQ)),
            _mm256_and_pd(_mm256_cmp_pd(margin, bound, _CMP_GT_OQ),
                _mm256_cmp_pd(q, all(QuotientLimit), _CMP_LT_OQ)));
    const __m256d behind = _mm256_and_pd(clear, _mm256_cmp_pd(w, _mm256_setzero_pd(), _CMP_LT_OQ));
    return { front, behind };
}
#endif

// Projects source[0], source[stride], source[2*stride], ... below count into
// screen[0], screen[1], ... and returns how many were written. A point at or behind
// the eye gets BehindEye; any other point that does not project (a coordinate not a
// number or out of range) repeats the screen slot before it (the origin for the
// first), so every taken point has its slot. stride must be at least 1.
int ProjectPoints(const TTransformMatrix& m, const TSpacePoint* source, int count, int stride,
    TScreenPoint* screen, const TDoubleCopy& copy = {});

// ProjectPoints on the calling thread alone, for a caller that cuts the work itself.
int ProjectPointsHere(const TTransformMatrix& m, const TSpacePoint* source, int count, int stride,
    TScreenPoint* screen);

// After points from first on (below end) were projected with stride 1 starting from the
// origin rather than from the slot of point first - 1 (first at least 1): the leading
// ones that repeat the slot before them are given the slot they repeat.
void MendRepeatedSlots(const TTransformMatrix& m, const TSpacePoint* source, TScreenPoint* screen,
    int first, int end);

// ProjectPoints under way on the machine's cores, block by block, so that the caller
// can handle the first screen points while the later ones are still being computed.
// The screen slots below Ready() hold what ProjectPoints gives them; by the end (at the
// latest when the object goes), all of them do.
class TPointsProjection {
public:
    // kept, when given, is the block work state its caller keeps from one projection
    // to the next (see TBlockWork); copy, the list's copy in double (see TDoubleCopy).
    TPointsProjection(const TTransformMatrix& m, const TSpacePoint* source, int count, int stride,
        TScreenPoint* screen, TBlockWork::TKept* kept = nullptr, const TDoubleCopy& copy = {});
    ~TPointsProjection();
    TPointsProjection(const TPointsProjection&) = delete;
    TPointsProjection& operator=(const TPointsProjection&) = delete;

    // How many points are taken in all, and how many of their slots are final.
    int Taken() const { return FTaken; }
    int Ready() const { return FReady; }
    // Waits for the next block (doing blocks meanwhile) and returns Ready(); Taken()
    // once every block is done.
    int AwaitNext();
    void AwaitAll();

private:
    const TTransformMatrix FMatrix;
    const TSpacePoint* const FSource;
    const int FStride;
    TScreenPoint* const FScreen;
    double* const FCopy;
    const int FTaken;
    int FReady = 0;
    int FAwaited = 0;
    TBlockWork FBlocks;
};
