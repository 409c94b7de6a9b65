#include "render/surfaces.h"

#include "base/block_work.h"
#include "base/vector_state.h"
#include "geometry/projection.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <limits>

namespace {
// A cell steeper than this (pixels of nearness per pixel) counts as this steep: seen
// edge-on, its slope says nothing of where it lies.
constexpr double MaxSlope = 16;
// How much of a cell's light does not depend on its angle to the eye.
constexpr double Ambient = 0.2;
// The share of the curve's colour that a shaded surface's mesh lines keep.
constexpr double MeshShade = 0.55;
constexpr int BlockPoints = 4096;
}

TDepthProjection::TDepthProjection(const TCamera& camera)
    : FMatrix(&camera.Matrix())
{
    const auto& m = camera.Matrix().M();
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            FM[i][j] = static_cast<double>(m[i][j]);
    for (int i = 0; i < 3; ++i)
        FDepth[i] = static_cast<double>(camera.DepthColumn()[i]);
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    static const bool avx2 = __builtin_cpu_supports("avx2");
    FGivesListScreen = avx2 && camera.Stride() == 1 && DoubleCopyServes(camera.Matrix());
    if (FGivesListScreen)
        FBound = TieBoundOf(camera.Matrix());
#endif
}

TDepthPoint TDepthProjection::operator()(const TSpacePoint& p) const
{
    const double x = static_cast<double>(p.X), y = static_cast<double>(p.Y),
                 z = static_cast<double>(p.Z);
    const double w = x * FM[0][3] + y * FM[1][3] + z * FM[2][3] + FM[3][3];
    TDepthPoint result;
    if (!(w > 0))
        return result;
    result.X = (x * FM[0][0] + y * FM[1][0] + z * FM[2][0] + FM[3][0]) / w;
    result.Y = (x * FM[0][1] + y * FM[1][1] + z * FM[2][1] + FM[3][1]) / w;
    result.D = (x * FDepth[0] + y * FDepth[1] + z * FDepth[2]) / w;
    result.Valid = std::isfinite(result.X) && std::isfinite(result.Y) && std::isfinite(result.D)
        && std::fabs(result.X) < double(ScreenLimit) && std::fabs(result.Y) < double(ScreenLimit);
    return result;
}

namespace {
// A depth point rounded (halves to even), BehindEye where it is not valid.
TScreenPoint roundedPoint(const TDepthPoint& p)
{
    return p.Valid ? TScreenPoint { static_cast<std::int32_t>(std::lrint(p.X)),
        static_cast<std::int32_t>(std::lrint(p.Y)) }
                   : BehindEye;
}
}

bool TDepthProjection::projectOne(
    const TSpacePoint& p, TDepthPoint& out, TScreenPoint* screen, double* nearness) const
{
    out = (*this)(p);
    if (nearness)
        *nearness = out.D;
    if (screen)
        *screen = roundedPoint(out);
    return out.Valid;
}

namespace {
// Where the processor has AVX2, four consecutive points at once with the very
// operations of the one-point form in the same order (no fused multiply-add), so each
// lane gives what it gives; a group with a coordinate that double does not hold as a
// normal number (or zero) takes the one-point form.
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define VELMO_DEPTH_AVX2 1

// One coordinate (0: X, 1: Y, 2: Z) of four consecutive points rounded to double as
// the conversion rounds (to nearest, halves to even); fits loses the lanes whose value
// is neither zero nor a normal number well inside double's range.
__attribute__((target("avx2"), always_inline)) inline __m256d nearestDoubleFour(
    const TSpacePoint* p, int coordinate, __m256i& fits)
{
    // Each value's 16 bytes: the 64-bit mantissa (its leading bit explicit) in the low
    // quarter, sign and exponent next.
    const char* first = reinterpret_cast<const char*>(p) + coordinate * sizeof(long double);
    const auto at = [&](int point) {
        return _mm_loadu_si128(reinterpret_cast<const __m128i*>(first + point * sizeof(TSpacePoint)));
    };
    const __m256i even = _mm256_set_m128i(at(2), at(0));
    const __m256i odd = _mm256_set_m128i(at(3), at(1));
    const __m256i mantissa = _mm256_unpacklo_epi64(even, odd);
    const __m256i signExponent
        = _mm256_and_si256(_mm256_unpackhi_epi64(even, odd), _mm256_set1_epi64x(0xffff));
    const __m256i sign = _mm256_slli_epi64(_mm256_srli_epi64(signExponent, 15), 63);
    const __m256i biased = _mm256_and_si256(signExponent, _mm256_set1_epi64x(0x7fff));
    // The exponent rebased from 16383 to 1023.
    const __m256i exponent = _mm256_sub_epi64(biased, _mm256_set1_epi64x(16383 - 1023));
    const __m256i zero
        = _mm256_cmpeq_epi64(_mm256_or_si256(biased, mantissa), _mm256_setzero_si256());
    const __m256i normal = _mm256_andnot_si256(
        _mm256_or_si256(_mm256_cmpgt_epi64(_mm256_set1_epi64x(1), exponent),
            _mm256_cmpgt_epi64(exponent, _mm256_set1_epi64x(2045))),
        _mm256_cmpgt_epi64(_mm256_setzero_si256(), mantissa)); // the leading bit set
    fits = _mm256_and_si256(fits, _mm256_or_si256(normal, zero));
    // The leading 53 bits, and one more where the 11 left off are above half of the last
    // one, or half of it exactly and the last one odd.
    const __m256i kept = _mm256_srli_epi64(mantissa, 11);
    const __m256i rest = _mm256_and_si256(mantissa, _mm256_set1_epi64x(0x7ff));
    const __m256i half = _mm256_set1_epi64x(0x400);
    const __m256i up = _mm256_or_si256(_mm256_cmpgt_epi64(rest, half),
        _mm256_and_si256(_mm256_cmpeq_epi64(rest, half),
            _mm256_cmpeq_epi64(_mm256_and_si256(kept, _mm256_set1_epi64x(1)), _mm256_set1_epi64x(1))));
    const __m256i rounded = _mm256_sub_epi64(kept, up); // up is -1 where it rounds up
    // The leading bit (bit 52) adds one to exponent - 1; a carry out of the mantissa adds
    // one more and leaves the fraction zero, as it should.
    const __m256i bits = _mm256_or_si256(sign,
        _mm256_add_epi64(_mm256_slli_epi64(_mm256_sub_epi64(exponent, _mm256_set1_epi64x(1)), 52),
            rounded));
    return _mm256_castsi256_pd(
        _mm256_or_si256(_mm256_andnot_si256(zero, bits), _mm256_and_si256(zero, sign)));
}

__attribute__((target("avx2"), always_inline)) inline __m256d all(double v) { return _mm256_set1_pd(v); }

// px*m[0] + py*m[1] + pz*m[2], summed from the left.
__attribute__((target("avx2"), always_inline)) inline __m256d sumOf(
    __m256d px, __m256d py, __m256d pz, double m0, double m1, double m2)
{
    return _mm256_add_pd(_mm256_add_pd(_mm256_mul_pd(px, all(m0)), _mm256_mul_pd(py, all(m1))),
        _mm256_mul_pd(pz, all(m2)));
}
#endif
}

#ifdef VELMO_DEPTH_AVX2
template <TDepthProjection::TFrom From, bool ListScreen>
__attribute__((target("avx2"))) bool TDepthProjection::projectFours(const TSpacePoint* source,
    int count, TDepthPoint* out, TScreenPoint* screen, double* nearness, double* copy,
    TScreenPoint* listScreen, bool* differs) const
{
    const auto& m = FM;
    const TTieBound bound = FBound;
    bool allValid = true;
    __m256d everyValid = _mm256_castsi256_pd(_mm256_set1_epi64x(-1));
    // The list's slot of point j the long way, after the slot before it; differs tells
    // where it is not the depth point rounded.
    const auto listSlot = [&](int j) {
        const TScreenPoint slot
            = ProjectedSlot(*FMatrix, source[j], j > 0 ? listScreen[j - 1] : TScreenPoint { 0, 0 });
        listScreen[j] = slot;
        const TScreenPoint mesh = roundedPoint(out[j]);
        if (slot.X != mesh.X || slot.Y != mesh.Y)
            *differs = true;
    };
    int i = 0;
    for (; i + 4 <= count; i += 4) {
        __m256i fits = _mm256_set1_epi64x(-1);
        __m256d x, y, z;
        double* const kept = copy + 3 * std::ptrdiff_t(i);
        if constexpr (From == TFrom::Copy) {
            x = _mm256_loadu_pd(kept);
            y = _mm256_loadu_pd(kept + 4);
            z = _mm256_loadu_pd(kept + 8);
            // A four that did not fit is marked by a first X that is not a number.
            if (std::isnan(kept[0])) [[unlikely]]
                fits = _mm256_setzero_si256();
        } else {
            x = nearestDoubleFour(source + i, 0, fits);
            y = nearestDoubleFour(source + i, 1, fits);
            z = nearestDoubleFour(source + i, 2, fits);
            if constexpr (From == TFrom::PointsKeeping) {
                _mm256_storeu_pd(kept, x);
                _mm256_storeu_pd(kept + 4, y);
                _mm256_storeu_pd(kept + 8, z);
                if (_mm256_movemask_pd(_mm256_castsi256_pd(fits)) != 0xf) [[unlikely]]
                    kept[0] = std::numeric_limits<double>::quiet_NaN();
            }
        }
        if (_mm256_movemask_pd(_mm256_castsi256_pd(fits)) != 0xf) [[unlikely]] {
            for (int j = i; j < i + 4; ++j) {
                allValid &= projectOne(source[j], out[j], screen ? screen + j : nullptr,
                    nearness ? nearness + j : nullptr);
                if constexpr (ListScreen)
                    listSlot(j);
            }
            continue;
        }
        const __m256d w
            = _mm256_add_pd(sumOf(x, y, z, m[0][3], m[1][3], m[2][3]), all(m[3][3]));
        const __m256d front = _mm256_cmp_pd(w, _mm256_setzero_pd(), _CMP_GT_OQ);
        // Behind the eye: every field zero, as a default depth point has them.
        const __m256d px = _mm256_and_pd(front,
            _mm256_div_pd(_mm256_add_pd(sumOf(x, y, z, m[0][0], m[1][0], m[2][0]), all(m[3][0])), w));
        const __m256d py = _mm256_and_pd(front,
            _mm256_div_pd(_mm256_add_pd(sumOf(x, y, z, m[0][1], m[1][1], m[2][1]), all(m[3][1])), w));
        const __m256d pd
            = _mm256_and_pd(front, _mm256_div_pd(sumOf(x, y, z, FDepth[0], FDepth[1], FDepth[2]), w));
        const __m256d sign = all(-0.0);
        const __m256d limit = all(double(ScreenLimit));
        const __m256d valid = _mm256_and_pd(front,
            _mm256_and_pd(_mm256_and_pd(_mm256_cmp_pd(_mm256_andnot_pd(sign, px), limit, _CMP_LT_OQ),
                              _mm256_cmp_pd(_mm256_andnot_pd(sign, py), limit, _CMP_LT_OQ)),
                _mm256_cmp_pd(_mm256_andnot_pd(sign, pd),
                    all(std::numeric_limits<double>::infinity()), _CMP_LT_OQ)));
        everyValid = _mm256_and_pd(everyValid, valid);
        // Valid as a bool in the fourth field's first byte, the rest of it zero.
        const __m256d flag = _mm256_and_pd(valid, _mm256_castsi256_pd(_mm256_set1_epi64x(1)));
        const __m256d xy0 = _mm256_unpacklo_pd(px, py), xy1 = _mm256_unpackhi_pd(px, py);
        const __m256d df0 = _mm256_unpacklo_pd(pd, flag), df1 = _mm256_unpackhi_pd(pd, flag);
        double* to = reinterpret_cast<double*>(out + i);
        static_assert(sizeof(TDepthPoint) == 4 * sizeof(double));
        _mm256_storeu_pd(to, _mm256_permute2f128_pd(xy0, df0, 0x20));
        _mm256_storeu_pd(to + 4, _mm256_permute2f128_pd(xy1, df1, 0x20));
        _mm256_storeu_pd(to + 8, _mm256_permute2f128_pd(xy0, df0, 0x31));
        _mm256_storeu_pd(to + 12, _mm256_permute2f128_pd(xy1, df1, 0x31));
        if (nearness)
            _mm256_storeu_pd(nearness + i, pd);
        if (screen || ListScreen) {
            // Rounded as lrint rounds (the current mode: to nearest, halves to even), and
            // BehindEye where the point is not valid.
            const __m128i v = _mm256_castsi256_si128(_mm256_permutevar8x32_epi32(
                _mm256_castpd_si256(valid), _mm256_setr_epi32(0, 2, 4, 6, 0, 0, 0, 0)));
            const __m128i sx = _mm_blendv_epi8(_mm_set1_epi32(BehindEye.X), _mm256_cvtpd_epi32(px), v);
            const __m128i sy = _mm_blendv_epi8(_mm_set1_epi32(BehindEye.Y), _mm256_cvtpd_epi32(py), v);
            const __m128i s0 = _mm_unpacklo_epi32(sx, sy), s1 = _mm_unpackhi_epi32(sx, sy);
            if (screen) {
                _mm_storeu_si128(reinterpret_cast<__m128i*>(screen + i), s0);
                _mm_storeu_si128(reinterpret_cast<__m128i*>(screen + i + 2), s1);
            }
            if constexpr (ListScreen) {
                // The list's own slots from the same sums: these are the double path's,
                // but from the points rounded to nearest, which its bound covers. Where it
                // settles a valid point, its slot is the depth point rounded (valid points
                // lie within ScreenLimit, so nothing is clamped); where it settles a point
                // behind the eye, BehindEye, which is the depth point's too. Any other point
                // takes the long way once the slot before it is written.
                const __m256d a = _mm256_add_pd(
                    _mm256_add_pd(_mm256_andnot_pd(sign, x), _mm256_andnot_pd(sign, y)),
                    _mm256_andnot_pd(sign, z));
                const TSettledFour settled = SettledFour(bound, a, w, px, py,
                    _mm256_round_pd(px, _MM_FROUND_TO_NEAREST_INT | _MM_FROUND_NO_EXC),
                    _mm256_round_pd(py, _MM_FROUND_TO_NEAREST_INT | _MM_FROUND_NO_EXC));
                _mm_storeu_si128(reinterpret_cast<__m128i*>(listScreen + i), s0);
                _mm_storeu_si128(reinterpret_cast<__m128i*>(listScreen + i + 2), s1);
                const int unsettled = ~_mm256_movemask_pd(_mm256_or_pd(
                                          _mm256_and_pd(settled.Front, valid), settled.Behind))
                    & 0xf;
                if (unsettled != 0) [[unlikely]]
                    for (int j = 0; j < 4; ++j)
                        if (unsettled >> j & 1)
                            listSlot(i + j);
            }
        }
    }
    for (; i < count; ++i) {
        allValid &= projectOne(
            source[i], out[i], screen ? screen + i : nullptr, nearness ? nearness + i : nullptr);
        if constexpr (ListScreen)
            listSlot(i);
    }
    return allValid && _mm256_movemask_pd(everyValid) == 0xf;
}
#endif

bool TDepthProjection::Project(const TSpacePoint* source, int count, int stride,
    std::vector<TDepthPoint>& out, std::vector<TScreenPoint>* screen, const TRoundedPoints& rounded,
    std::vector<double>* nearness, TScreenPoint* listScreen) const
{
    std::atomic<bool> allValid = true;
    const int taken = static_cast<int>(TakenCount(count, stride));
    out.resize(static_cast<std::size_t>(taken));
    // With the list's slots, the depth points rounded are written only where they differ.
    std::atomic<bool> differs = false;
    std::vector<TScreenPoint>* const ownScreen = listScreen ? nullptr : screen;
    if (ownScreen)
        ownScreen->resize(static_cast<std::size_t>(taken));
    if (nearness)
        nearness->resize(static_cast<std::size_t>(taken));
#ifdef VELMO_DEPTH_AVX2
    static const bool avx2 = __builtin_cpu_supports("avx2");
    // The copy holds whole fours alone; the rest is read from the points.
    const std::size_t copied = std::size_t(count / 4) * 12;
    double* copy = nullptr;
    bool readCopy = false;
    if (rounded.Data && stride == 1 && avx2) {
        readCopy = rounded.Ready && rounded.Data->size() == copied;
        if (!readCopy)
            rounded.Data->resize(copied);
        copy = rounded.Data->data();
    }
#else
    constexpr bool avx2 = false;
#endif
    const auto block = [&](int b) {
        const int first = b * BlockPoints, end = std::min(taken, (b + 1) * BlockPoints);
        TScreenPoint* const to = ownScreen ? ownScreen->data() : nullptr;
        bool blockDiffers = false;
        double* const toNearness = nearness ? nearness->data() : nullptr;
#ifdef VELMO_DEPTH_AVX2
        if (avx2 && stride == 1) {
            // Blocks start at multiples of four points.
            static_assert(BlockPoints % 4 == 0);
            const auto fours = listScreen
                ? (readCopy    ? &TDepthProjection::projectFours<TFrom::Copy, true>
                        : copy ? &TDepthProjection::projectFours<TFrom::PointsKeeping, true>
                               : &TDepthProjection::projectFours<TFrom::Points, true>)
                : (readCopy    ? &TDepthProjection::projectFours<TFrom::Copy, false>
                        : copy ? &TDepthProjection::projectFours<TFrom::PointsKeeping, false>
                               : &TDepthProjection::projectFours<TFrom::Points, false>);
            if (!(this->*fours)(source + first, end - first, out.data() + first,
                    to ? to + first : nullptr, toNearness ? toNearness + first : nullptr,
                    copy ? copy + 3 * std::ptrdiff_t(first) : nullptr,
                    listScreen ? listScreen + first : nullptr, &blockDiffers))
                allValid.store(false, std::memory_order_relaxed);
            if (blockDiffers)
                differs.store(true, std::memory_order_relaxed);
            return;
        }
#endif
        bool valid = true;
        for (int i = first; i < end; ++i) {
            const TSpacePoint& p = source[std::int64_t(i) * stride];
            valid &= projectOne(p, out[static_cast<std::size_t>(i)], to ? to + i : nullptr,
                toNearness ? toNearness + i : nullptr);
            if (listScreen) {
                listScreen[i] = ProjectedSlot(
                    *FMatrix, p, i > first ? listScreen[i - 1] : TScreenPoint { 0, 0 });
                const TScreenPoint mesh = roundedPoint(out[static_cast<std::size_t>(i)]);
                blockDiffers |= listScreen[i].X != mesh.X || listScreen[i].Y != mesh.Y;
            }
        }
        if (!valid)
            allValid.store(false, std::memory_order_relaxed);
        if (blockDiffers)
            differs.store(true, std::memory_order_relaxed);
    };
    const int blocks = (taken + BlockPoints - 1) / BlockPoints;
    if (taken < ProjectionBlockMinimum || TBlockWork::Helpers() == 0) {
        for (int b = 0; b < blocks; ++b)
            block(b);
    } else {
        TBlockWork work(blocks, block);
        work.AwaitAll();
    }
    // Each block's list slots start from the origin; those at the start of a block that
    // repeat the slot before them take it, block after block.
    if (listScreen)
        for (int b = 1; b < blocks; ++b)
            MendRepeatedSlots(*FMatrix, source, listScreen, b * BlockPoints,
                std::min(taken, (b + 1) * BlockPoints));
    // A slot mended there differed before (the origin is no depth point rounded), so
    // differs already holds for it.
    if (screen && listScreen) {
        screen->clear();
        if (differs) {
            screen->resize(static_cast<std::size_t>(taken));
            std::transform(out.begin(), out.end(), screen->begin(), roundedPoint);
        }
    }
    return allValid;
}

namespace {
// The normal of the cell from its two diagonals, in screen pixels and nearness.
struct TNormal {
    double X, Y, Z;
};
inline TNormal normalOf(
    const TDepthPoint& a, const TDepthPoint& b, const TDepthPoint& c, const TDepthPoint& d)
{
    const double ux = c.X - a.X, uy = c.Y - a.Y, ud = c.D - a.D;
    const double vx = b.X - d.X, vy = b.Y - d.Y, vd = b.D - d.D;
    return { uy * vd - ud * vy, ud * vx - ux * vd, ux * vy - uy * vx };
}
// How steeply the nearness of a cell with that normal changes across the screen.
inline double slopeOf(const TNormal& n)
{
    const double across = std::sqrt(n.X * n.X + n.Y * n.Y);
    const double az = std::fabs(n.Z);
    return az * MaxSlope > across ? across / az : MaxSlope;
}
inline double lightOf(const TNormal& n)
{
    const double length = std::sqrt(n.X * n.X + n.Y * n.Y + n.Z * n.Z);
    return length > 0 ? std::fabs(n.Z) / length : 1;
}
// Whether slopeOf(n) is surely at least least, told without its root and quotient; no
// where unsure (a normal that is not a number, or least within a billionth of the slope).
inline bool slopeAtLeast(const TNormal& n, double least)
{
    if (!(least <= MaxSlope))
        return false;
    if (least <= 0)
        return true;
    // across >= least * az, the clamped slope then being least or more.
    const double across2 = n.X * n.X + n.Y * n.Y;
    const double t = least * std::fabs(n.Z);
    return across2 >= t * t * (1 + 1e-9);
}
// The least slope a cell must have for none of its pixels, nearer than nearest less 0.75
// at most (less the tolerance beyond that), to beat slots that hold lowest or more; with a
// margin far above the rounding of either side.
inline double slopeToLoseAgainst(double nearest, double lowest)
{
    return nearest - 0.75 - lowest + 1e-9 * (std::fabs(nearest) + std::fabs(lowest) + 1);
}
}

TCellLook LookOfCell(
    const TDepthPoint& a, const TDepthPoint& b, const TDepthPoint& c, const TDepthPoint& d)
{
    const TNormal n = normalOf(a, b, c, d);
    return { lightOf(n), slopeOf(n) };
}

bool TSurfaceSet::AnyShaded() const
{
    return std::any_of(
        Meshes.begin(), Meshes.end(), [](const TSurfaceMesh& mesh) { return mesh.Shaded; });
}

namespace {
// Each channel times factor (0..1), in 256ths.
TColor scaled(TColor color, double factor)
{
    const TColor f = static_cast<TColor>(std::clamp(factor, 0.0, 1.0) * 256 + 0.5);
    const auto channel = [&](int shift) {
        return ((((color >> shift) & 0xFFu) * f + 128) >> 8 & 0xFFu) << shift;
    };
    return channel(0) | channel(8) | channel(16);
}
}

TColor MeshColor(const TSurfaceMesh& mesh)
{
    return mesh.Shaded ? scaled(mesh.Color, MeshShade) : mesh.Color;
}

TColor LitColor(TColor color, double light)
{
    return scaled(color, Ambient + (1 - Ambient) * std::clamp(light, 0.0, 1.0));
}

namespace {
bool gathered(const TCurveRecord& curve)
{
    return curve.Visible && IsSurfaceStyle(curve.Style) && curve.Points != nullptr
        && curve.Points->GridRows() != 0 && curve.Points->Count() != 0;
}
}

bool GathersScreenPoints(const TCurveRecord& curve, const TCamera& camera)
{
    return gathered(curve) && TDepthProjection(camera).GivesListScreen();
}

bool CollectSurfaces(
    const TObjectList& objects, const TCamera& camera, TSurfaceSet& set, bool lists)
{
    std::size_t n = 0;
    const TDepthProjection projection(camera);
    lists = lists && projection.GivesListScreen();
    for (int i = 0; i < objects.Count(); ++i) {
        const TCurveRecord curve = objects.Items(i);
        if (!gathered(curve))
            continue;
        if (set.Meshes.size() <= n)
            set.Meshes.emplace_back();
        TSurfaceMesh& mesh = set.Meshes[n++];
        mesh.Points = curve.Points;
        mesh.Rows = curve.Points->GridRows();
        mesh.Columns = curve.Points->GridColumns();
        mesh.Color = curve.Color;
        mesh.Shaded = curve.Style == csShaded;
        mesh.Thickness = curve.Thickness;
        // The points rounded to double are kept from their second projection on: a list
        // projected once (a slider moving) is read once.
        const std::uint64_t stamp = curve.Points->PointsStamp();
        const bool again = stamp != 0 && stamp == mesh.RoundedStamp;
        TRoundedPoints rounded;
        if (again) {
            rounded = { &mesh.Rounded, mesh.RoundedReady };
        } else {
            mesh.Rounded.clear();
            mesh.RoundedStamp = stamp;
            mesh.RoundedReady = false;
        }
        const bool allValid = projection.Project(curve.Points->SpacePointData(),
            curve.Points->Count(), 1, mesh.Depth, &mesh.OwnScreen, rounded, &mesh.Nearness,
            lists ? curve.Points->ScreenRoom() : nullptr);
        if (lists)
            curve.Points->SetProjectedAll(camera.Matrix());
        mesh.Screen = lists && mesh.OwnScreen.empty()
            ? TScreenView { curve.Points->ScreenPointData(), mesh.Depth.size() }
            : TScreenView { mesh.OwnScreen.data(), mesh.OwnScreen.size() };
        mesh.RoundedReady = again;
        mesh.Whole = curve.Points->Grid().Index.empty() && allValid;
    }
    set.Meshes.resize(n);
    set.X0 = camera.X0();
    set.Y0 = camera.Y0();
    return n > 0;
}

// ---- the raster's depth buffer

namespace {
// Cells are looked at in runs of this many along a row of the grid, each run with the
// rows of the picture its cells touch, so that a band of the picture passes over the
// runs that miss it without a look at their cells. (With the cells taken four at a time,
// runs of 32 cost less than of 16 or 64: boxes to take and test against fewer cells left
// out at once.)
constexpr int RunCells = 32;
// A frame with fewer cells than this is built on the calling thread alone.
constexpr std::int64_t BandedCells = 16384;
// Bands per thread, so that a thread that finishes early takes another.
constexpr int BandsPerThread = 4;
// But bands no shorter than this many rows where they can be (one a thread at least): a run
// of cells across two bands is looked at by both, and in a small picture of a finely
// sampled surface a run may span several rows.
constexpr std::int64_t BandRows = 16;
// The work of a run, in about the time a look at four cells at once takes: 1 for a run left
// out at once, 1 more for each four cells looked at together and 3 for each cell looked at
// alone (see putRun). The bands are cut by the work each run took in the last build, so
// that in a view turning they take about the same time; a run not built before counts as
// this.
constexpr std::uint16_t UnknownRunCost = 16;

// Whether every slot of the box's pixels from (left, top) to (right, bottom) on the rows
// first..end - 1 of a buffer width slots wide holds at least bound.
bool holds(const float* depth, std::int64_t width, std::int64_t first, std::int64_t end,
    std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom, double bound)
{
    left = std::max<std::int64_t>(left, 0);
    right = std::min<std::int64_t>(right, width - 1);
    top = std::max(top, first);
    bottom = std::min(bottom, end - 1);
    for (std::int64_t y = top; y <= bottom; ++y)
        for (std::int64_t x = left; x <= right; ++x)
            if (depth[y * width + x] < bound)
                return false;
    return true;
}

// Writes the nearness of the cells into the rows top..bottom - 1 of the buffer, and their
// colour into the raster where one wins.
class TCellRaster {
public:
    TCellRaster(float* depth, TRaster& raster, bool paint, std::int64_t top, std::int64_t bottom)
        : FDepth(depth)
        , FRaster(raster)
        , FWidth(raster.Width())
        , FTop(top)
        , FBottom(bottom)
        , FPaint(paint)
    {
    }

    void Put(std::int64_t x, std::int64_t y, double value, QRgb pixel)
    {
        if (x < 0 || y < FTop || x >= FWidth || y >= FBottom)
            return;
        float& slot = FDepth[y * FWidth + x];
        if (value > slot) {
            slot = static_cast<float>(value);
            if (FPaint)
                FRaster.SetPixel(x, y, pixel);
        }
    }

    // Whether the box of pixels from (left, top) to (right, bottom) misses the rows and
    // the picture.
    bool Misses(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom) const
    {
        return right < 0 || left >= FWidth || bottom < FTop || top >= FBottom;
    }

    // Whether every slot of the box's pixels on the rows and the picture holds at least
    // bound.
    bool Holds(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom,
        double bound) const
    {
        return holds(FDepth, FWidth, FTop, FBottom, left, top, right, bottom, bound);
    }

    // The least value the slots of the box's pixels on the rows and the picture hold
    // (infinity when there is none).
    double Lowest(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom) const
    {
        left = std::max<std::int64_t>(left, 0);
        right = std::min<std::int64_t>(right, FWidth - 1);
        top = std::max(top, FTop);
        bottom = std::min(bottom, FBottom - 1);
        float lowest = std::numeric_limits<float>::infinity();
        for (std::int64_t y = top; y <= bottom; ++y)
            for (std::int64_t x = left; x <= right; ++x)
                lowest = std::min(lowest, FDepth[y * FWidth + x]);
        return lowest;
    }

    // The box of pixels (left, top) to (right, bottom) lies on the rows and the picture.
    bool Inside(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom) const
    {
        return left >= 0 && right < FWidth && top >= FTop && bottom < FBottom;
    }
    // The slot of a pixel on the rows and the picture.
    float* SlotAt(std::int64_t x, std::int64_t y) const { return FDepth + y * FWidth + x; }
    // The buffer and its width, for a pass that reads slots by an index of 32 bits (see
    // IndexFits).
    const float* Depth() const { return FDepth; }
    std::int64_t Width() const { return FWidth; }
    std::int64_t Top() const { return FTop; }
    std::int64_t Bottom() const { return FBottom; }
    // Whether the slot of every pixel on the rows and the picture has an index below 2^31.
    bool IndexFits() const { return FWidth * FBottom <= std::int64_t(INT32_MAX); }

    // The slot of pixel (x, y), or null outside the rows and the picture.
    const float* Slot(std::int64_t x, std::int64_t y) const
    {
        return x < 0 || y < FTop || x >= FWidth || y >= FBottom ? nullptr : FDepth + y * FWidth + x;
    }

    // A triangle of picture pixels (x, y) with nearness d, less tolerance, every pixel
    // whose centre lies inside or on its edges.
    void Triangle(const std::int64_t (&x)[3], const std::int64_t (&y)[3], const double (&d)[3],
        double tolerance, QRgb pixel)
    {
        const std::int64_t left = std::max<std::int64_t>(0, std::min({ x[0], x[1], x[2] }));
        const std::int64_t right
            = std::min<std::int64_t>(FWidth - 1, std::max({ x[0], x[1], x[2] }));
        const std::int64_t top = std::max<std::int64_t>(FTop, std::min({ y[0], y[1], y[2] }));
        const std::int64_t bottom
            = std::min<std::int64_t>(FBottom - 1, std::max({ y[0], y[1], y[2] }));
        if (left > right || top > bottom)
            return;
        const double area = areaOrCorners(x, y, d, tolerance, pixel);
        if (area == 0)
            return;
        const double ax = double(x[0]), ay = double(y[0]), bx = double(x[1]), by = double(y[1]),
                     cx = double(x[2]), cy = double(y[2]);
        const double sign = area > 0 ? 1 : -1;
        const double inverse = 1 / area;
        for (std::int64_t py = top; py <= bottom; ++py) {
            const double fy = double(py);
            for (std::int64_t px = left; px <= right; ++px) {
                const double fx = double(px);
                const double w0 = (bx - fx) * (cy - fy) - (by - fy) * (cx - fx);
                const double w1 = (cx - fx) * (ay - fy) - (cy - fy) * (ax - fx);
                const double w2 = (ax - fx) * (by - fy) - (ay - fy) * (bx - fx);
                if (w0 * sign >= 0 && w1 * sign >= 0 && w2 * sign >= 0)
                    Put(px, py, (w0 * d[0] + w1 * d[1] + w2 * d[2]) * inverse - tolerance, pixel);
            }
        }
    }

    // Triangle for corners within a box of two pixels by two: the only pixel centres such
    // a triangle holds are its corners (a fourth corner of the box lies outside it), each
    // with the nearness its weights give there, the very sums Triangle takes.
    void SmallTriangle(const std::int64_t (&x)[3], const std::int64_t (&y)[3], const double (&d)[3],
        double tolerance, QRgb pixel)
    {
        const double area = areaOrCorners(x, y, d, tolerance, pixel);
        if (area == 0)
            return;
        // At a corner its own weight is the area and the others are zero.
        const double inverse = 1 / area;
        for (int k = 0; k < 3; ++k)
            Put(x[k], y[k], area * d[k] * inverse - tolerance, pixel);
    }
    // A cell of corners x, y, d within two pixels by two as its two triangles.
    void SmallCell(const std::int64_t (&x)[4], const std::int64_t (&y)[4], const double (&d)[4],
        double tolerance, QRgb pixel)
    {
        SmallTriangle({ x[0], x[1], x[2] }, { y[0], y[1], y[2] }, { d[0], d[1], d[2] }, tolerance,
            pixel);
        SmallTriangle({ x[0], x[2], x[3] }, { y[0], y[2], y[3] }, { d[0], d[2], d[3] }, tolerance,
            pixel);
    }

private:
    // Twice the signed area of a triangle of picture pixels; where it is zero (a triangle
    // seen edge-on or fallen to a point), each corner is put with its own nearness, less
    // tolerance, in place of the triangle.
    double areaOrCorners(const std::int64_t (&x)[3], const std::int64_t (&y)[3],
        const double (&d)[3], double tolerance, QRgb pixel)
    {
        const double ax = double(x[0]), ay = double(y[0]), bx = double(x[1]), by = double(y[1]),
                     cx = double(x[2]), cy = double(y[2]);
        const double area = (bx - ax) * (cy - ay) - (by - ay) * (cx - ax);
        if (area == 0)
            for (int k = 0; k < 3; ++k)
                Put(x[k], y[k], d[k] - tolerance, pixel);
        return area;
    }

    float* const FDepth;
    TRaster& FRaster;
    const std::int64_t FWidth, FTop, FBottom;
    const bool FPaint;
};

// The box and the range of nearness of points.
struct TSpan {
    std::int32_t Left = 0, Right = 0, Low = 0, High = 0;
    double Nearest = 0, Farthest = 0;

    TSpan() = default;
    explicit TSpan(const TScreenPoint& p, double d)
        : Left(p.X)
        , Right(p.X)
        , Low(p.Y)
        , High(p.Y)
        , Nearest(d)
        , Farthest(d)
    {
    }
    void Take(const TScreenPoint& p, double d)
    {
        Left = std::min(Left, p.X);
        Right = std::max(Right, p.X);
        Low = std::min(Low, p.Y);
        High = std::max(High, p.Y);
        Nearest = std::max(Nearest, d);
        Farthest = std::min(Farthest, d);
    }
    void Take(const TSpan& other)
    {
        Left = std::min(Left, other.Left);
        Right = std::max(Right, other.Right);
        Low = std::min(Low, other.Low);
        High = std::max(High, other.High);
        Nearest = std::max(Nearest, other.Nearest);
        Farthest = std::min(Farthest, other.Farthest);
    }
    // Points first..end - 1 with their nearness, four at a time where the processor has
    // AVX2 (the same bounds: the least and the largest of the same values).
    void Take(const TScreenPoint* points, const double* nearness, int first, int end)
    {
#ifdef VELMO_DEPTH_AVX2
        static const bool avx2 = __builtin_cpu_supports("avx2");
        if (avx2 && end - first >= 4)
            first = takeFours(points, nearness, first, end);
#endif
        for (int i = first; i < end; ++i)
            Take(points[i], nearness[i]);
    }

private:
#ifdef VELMO_DEPTH_AVX2
    // Whole fours from first on; returns where they end.
    __attribute__((target("avx2"))) int takeFours(
        const TScreenPoint* points, const double* nearness, int first, int end)
    {
        static_assert(sizeof(TScreenPoint) == 2 * sizeof(std::int32_t));
        // Each point's X and Y side by side, as they lie in memory.
        __m256i low = _mm256_set1_epi64x(std::int64_t(std::uint64_t(std::uint32_t(Low)) << 32 | std::uint32_t(Left)));
        __m256i high = _mm256_set1_epi64x(std::int64_t(std::uint64_t(std::uint32_t(High)) << 32 | std::uint32_t(Right)));
        __m256d nearest = _mm256_set1_pd(Nearest), farthest = _mm256_set1_pd(Farthest);
        int i = first;
        for (; i + 4 <= end; i += 4) {
            const __m256i p = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(points + i));
            low = _mm256_min_epi32(low, p);
            high = _mm256_max_epi32(high, p);
            const __m256d d = _mm256_loadu_pd(nearness + i);
            nearest = _mm256_max_pd(nearest, d);
            farthest = _mm256_min_pd(farthest, d);
        }
        // The lanes folded onto the first (they began with this span's own bounds).
        low = _mm256_min_epi32(low, _mm256_permute2x128_si256(low, low, 1));
        low = _mm256_min_epi32(low, _mm256_shuffle_epi32(low, _MM_SHUFFLE(1, 0, 3, 2)));
        high = _mm256_max_epi32(high, _mm256_permute2x128_si256(high, high, 1));
        high = _mm256_max_epi32(high, _mm256_shuffle_epi32(high, _MM_SHUFFLE(1, 0, 3, 2)));
        nearest = _mm256_max_pd(nearest, _mm256_permute2f128_pd(nearest, nearest, 1));
        nearest = _mm256_max_pd(nearest, _mm256_permute_pd(nearest, 0b0101));
        farthest = _mm256_min_pd(farthest, _mm256_permute2f128_pd(farthest, farthest, 1));
        farthest = _mm256_min_pd(farthest, _mm256_permute_pd(farthest, 0b0101));
        Left = _mm_cvtsi128_si32(_mm256_castsi256_si128(low));
        Low = _mm_extract_epi32(_mm256_castsi256_si128(low), 1);
        Right = _mm_cvtsi128_si32(_mm256_castsi256_si128(high));
        High = _mm_extract_epi32(_mm256_castsi256_si128(high), 1);
        Nearest = _mm256_cvtsd_f64(nearest);
        Farthest = _mm256_cvtsd_f64(farthest);
        return i;
    }
#endif
};

// The picture rows of each run of a mesh's cells, RunCells a run along each cell row, for the
// cell rows firstRow..endRow - 1 (runs holds those of firstRow, the others following).
template <class TRunRows>
void runRowsOf(const TSurfaceMesh& mesh, std::int32_t x0, std::int32_t y0, int firstRow,
    int endRow, TRunRows* runs)
{
    const int columns = mesh.CellColumns();
    const int perRow = (columns + RunCells - 1) / RunCells;
    const auto clamped = [](std::int64_t v) { return std::int32_t(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX)); };
    if (mesh.Whole) {
        // The corners of a run's cells: the points of its row and the next from its first
        // column through the one after its last (the first where the grid closes). Each
        // row's part is taken once, for the run above it and the run below.
        const auto partOf = [&](int pointRow, int first, int end) {
            const std::size_t at = std::size_t(pointRow) * std::size_t(mesh.Columns);
            const TScreenPoint* row = mesh.Screen.data() + at;
            const double* rowDepth = mesh.Nearness.data() + at;
            const int last = end == mesh.Columns ? 0 : end;
            TSpan span(row[last], rowDepth[last]);
            span.Take(row, rowDepth, first, end);
            return span;
        };
        // A row's parts for up to ChunkRuns runs at a time, along the row.
        constexpr int ChunkRuns = 64;
        TSpan upper[ChunkRuns], lower[ChunkRuns];
        for (int chunk = 0; chunk < perRow; chunk += ChunkRuns) {
            const int chunkEnd = std::min(perRow, chunk + ChunkRuns);
            const auto parts = [&](int pointRow, TSpan* to) {
                for (int run = chunk; run < chunkEnd; ++run)
                    to[run - chunk] = partOf(pointRow, run * RunCells, std::min(columns, (run + 1) * RunCells));
            };
            parts(firstRow, upper);
            for (int cellRow = firstRow; cellRow < endRow; ++cellRow) {
                parts(cellRow + 1 == mesh.Rows ? 0 : cellRow + 1, lower);
                for (int run = chunk; run < chunkEnd; ++run) {
                    TSpan span = upper[run - chunk];
                    span.Take(lower[run - chunk]);
                    upper[run - chunk] = lower[run - chunk];
                    // Picture rows run the other way: y0 - Y.
                    const std::int64_t x1 = std::int64_t(x0) + span.Left;
                    const std::int64_t x2 = std::int64_t(x0) + span.Right;
                    const std::int64_t y1 = std::int64_t(y0) - span.High;
                    const std::int64_t y2 = std::int64_t(y0) - span.Low;
                    const double d1 = span.Farthest, d2 = span.Nearest;
                    constexpr std::int64_t Near = std::int64_t(1) << 24;
                    runs[std::size_t(cellRow - firstRow) * std::size_t(perRow) + std::size_t(run)]
                        = { clamped(y1), clamped(y2), clamped(x1), clamped(x2), d2,
                              std::max(std::fabs(d1), std::fabs(d2)),
                              x1 > -Near && x2 < Near && y1 > -Near && y2 < Near };
                }
            }
        }
        return;
    }
    for (int cellRow = firstRow; cellRow < endRow; ++cellRow, runs += perRow)
        for (int first = 0, run = 0; first < columns; first += RunCells, ++run) {
            const int end = std::min(columns, first + RunCells);
            std::int64_t top = std::numeric_limits<std::int32_t>::max(), bottom = std::numeric_limits<std::int32_t>::min();
            for (int column = first; column < end; ++column) {
                int corner[4];
                if (!mesh.Cell(cellRow, column, corner))
                    continue;
                for (const int i : corner) {
                    const std::int64_t y = std::int64_t(y0) - mesh.Screen[static_cast<std::size_t>(i)].Y;
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
            }
            runs[run] = { clamped(top), clamped(bottom), 0, -1, 0, 0, false };
        }
}

// Rasterizes one cell: its four corners' picture pixels and nearness.
inline void putCell(TCellRaster& cells, const TSurfaceMesh& mesh, const int (&corner)[4],
    std::int32_t x0, std::int32_t y0, QRgb background)
{
    std::int64_t x[4], y[4];
    double d[4];
    for (int k = 0; k < 4; ++k) {
        const std::size_t i = static_cast<std::size_t>(corner[k]);
        x[k] = std::int64_t(x0) + mesh.Screen[i].X;
        y[k] = std::int64_t(y0) - mesh.Screen[i].Y;
        d[k] = mesh.Nearness[i];
    }
    const bool onePixel = x[0] == x[1] && x[0] == x[2] && x[0] == x[3] && y[0] == y[1]
        && y[0] == y[2] && y[0] == y[3];
    const double nearest = std::max({ d[0], d[1], d[2], d[3] });
    // The least value the slots under the cell hold, where known; a cell whose slope keeps
    // it below that is left out before its slope is taken.
    double lowest = -std::numeric_limits<double>::infinity();
    bool small = false;
    if (!onePixel) {
        const std::int64_t left = std::min({ x[0], x[1], x[2], x[3] });
        const std::int64_t top = std::min({ y[0], y[1], y[2], y[3] });
        const std::int64_t right = std::max({ x[0], x[1], x[2], x[3] });
        const std::int64_t bottom = std::max({ y[0], y[1], y[2], y[3] });
        if (cells.Misses(left, top, right, bottom))
            return;
        small = right - left <= 1 && bottom - top <= 1;
        // With corners within 2^24 pixels the weights of a pixel are exact and add up to
        // the area, so that nowhere is the cell nearer than its nearest corner but for the
        // rounding of the sums (a few units in the last place of the largest corner), far
        // below the margin; less its least tolerance, that cannot beat slots that hold it
        // already.
        constexpr std::int64_t Near = std::int64_t(1) << 24;
        if (left > -Near && right < Near && top > -Near && bottom < Near) {
            const double largest = std::max(
                { std::fabs(d[0]), std::fabs(d[1]), std::fabs(d[2]), std::fabs(d[3]) });
            const double bound = nearest - 0.75 + 1e-12 * (largest + 1);
            if (right - left <= 3 && bottom - top <= 3) {
                lowest = cells.Lowest(left, top, right, bottom);
                if (lowest >= bound)
                    return;
            } else if (cells.Holds(left, top, right, bottom, bound)) {
                return;
            }
        }
    } else {
        // A cell within one pixel, as most are in a finely sampled surface. Its tolerance
        // is at least 0.75, so that a slot that holds the nearest corner less that already
        // keeps the cell out, whatever its slope and light.
        const float* slot = cells.Slot(x[0], y[0]);
        if (slot == nullptr || nearest - 0.75 <= *slot)
            return;
        lowest = *slot;
    }
    const TNormal normal = normalOf(mesh.Depth[static_cast<std::size_t>(corner[0])],
        mesh.Depth[static_cast<std::size_t>(corner[1])],
        mesh.Depth[static_cast<std::size_t>(corner[2])],
        mesh.Depth[static_cast<std::size_t>(corner[3])]);
    // Where no pixel can be won, the slope is not worth its root (the interpolated
    // nearness of a larger cell with corners near the picture exceeds its nearest corner
    // by rounding alone, far below the margin).
    if (slopeAtLeast(normal, slopeToLoseAgainst(nearest, lowest)))
        return;
    const double tolerance = 0.75 + slopeOf(normal);
    const QRgb pixel
        = mesh.Shaded ? ColorToRgb32(LitColor(mesh.Color, lightOf(normal))) : background;
    if (onePixel) {
        cells.Put(x[0], y[0], nearest - tolerance, pixel);
        return;
    }
    if (small) {
        cells.SmallCell(x, y, d, tolerance, pixel);
        return;
    }
    cells.Triangle({ x[0], x[1], x[2] }, { y[0], y[1], y[2] }, { d[0], d[1], d[2] }, tolerance,
        pixel);
    cells.Triangle({ x[0], x[2], x[3] }, { y[0], y[2], y[3] }, { d[0], d[2], d[3] }, tolerance,
        pixel);
}

// putCell kept out of line for the loop below, whose cells mostly lie within one pixel.
[[gnu::noinline]] void putLargerCell(TCellRaster& cells, const TSurfaceMesh& mesh,
    const int (&corner)[4], std::int32_t x0, std::int32_t y0, QRgb background)
{
    putCell(cells, mesh, corner, x0, y0, background);
}


#ifdef VELMO_DEPTH_AVX2
#define VELMO_FOUR __attribute__((target("avx2"), always_inline)) inline
// The slots of four points' pixels (x0 + X, y0 - Y, each within 2^24 of the picture's
// corner), the largest float for a pixel off the rows top..bottom - 1 or the picture (which
// no cell can win: nothing is put there).
VELMO_FOUR __m256d slotsOfFour(const float* depth, std::int32_t width, std::int32_t top,
    std::int32_t bottom, std::int32_t x0, std::int32_t y0, __m256i p)
{
    const TFourPixels at = FourPixels(p, x0, y0, width, top, bottom);
    const __m128i index = _mm_add_epi32(_mm_mullo_epi32(at.Y, _mm_set1_epi32(width)), at.X);
    return _mm256_cvtps_pd(_mm_mask_i32gather_ps(_mm_set1_ps(std::numeric_limits<float>::max()),
        depth, index, _mm_castsi128_ps(at.On), 4));
}
// X and Y of four depth points.
VELMO_FOUR void xyOfFour(const TDepthPoint* p, __m256d& x, __m256d& y)
{
    static_assert(offsetof(TDepthPoint, Y) == offsetof(TDepthPoint, X) + sizeof(double));
    const __m256d even = _mm256_set_m128d(_mm_loadu_pd(&p[2].X), _mm_loadu_pd(&p[0].X));
    const __m256d odd = _mm256_set_m128d(_mm_loadu_pd(&p[3].X), _mm_loadu_pd(&p[1].X));
    x = _mm256_unpacklo_pd(even, odd);
    y = _mm256_unpackhi_pd(even, odd);
}
VELMO_FOUR __m256d absFour(__m256d v) { return _mm256_andnot_pd(_mm256_set1_pd(-0.0), v); }
// slopeAtLeast of four normals, given across2 and |Z| of each.
VELMO_FOUR __m256d slopeAtLeastFour(__m256d across2, __m256d absZ, __m256d least)
{
    const __m256d t = _mm256_mul_pd(least, absZ);
    const __m256d surely = _mm256_cmp_pd(
        across2, _mm256_mul_pd(_mm256_mul_pd(t, t), _mm256_set1_pd(1 + 1e-9)), _CMP_GE_OQ);
    return _mm256_and_pd(_mm256_cmp_pd(least, _mm256_set1_pd(MaxSlope), _CMP_LE_OQ),
        _mm256_or_pd(_mm256_cmp_pd(least, _mm256_setzero_pd(), _CMP_LE_OQ), surely));
}
// slopeToLoseAgainst of four.
VELMO_FOUR __m256d toLoseFour(__m256d nearest, __m256d lowest)
{
    return _mm256_add_pd(_mm256_sub_pd(_mm256_sub_pd(nearest, _mm256_set1_pd(0.75)), lowest),
        _mm256_mul_pd(_mm256_set1_pd(1e-9),
            _mm256_add_pd(_mm256_add_pd(absFour(nearest), absFour(lowest)), _mm256_set1_pd(1))));
}
// Whether a corner's pixel, holding slot, may take the corner's nearness less 0.75 (within
// the small cell's margin), four at a time.
VELMO_FOUR __m256d mayTakeFour(__m256d d, __m256d slot)
{
    return _mm256_cmp_pd(_mm256_add_pd(_mm256_sub_pd(d, _mm256_set1_pd(0.75)),
                             _mm256_mul_pd(_mm256_set1_pd(1e-12), _mm256_add_pd(absFour(d), _mm256_set1_pd(1)))),
        slot, _CMP_GT_OQ);
}

// The pixels (x0 + X, y0 - Y) of four points as doubles (exact).
VELMO_FOUR void pixelsOfFour(__m256i p, std::int32_t x0, std::int32_t y0, __m256d& px, __m256d& py)
{
    const TFourPixels at = FourPixels(p, x0, y0, 0, 0, 0);
    px = _mm256_cvtepi32_pd(at.X);
    py = _mm256_cvtepi32_pd(at.Y);
}
// Twice the signed area of four triangles of pixels p, q, r, as areaOrCorners takes it.
VELMO_FOUR __m256d areaOfFour(__m256d px, __m256d py, __m256d qx, __m256d qy, __m256d rx, __m256d ry)
{
    return _mm256_sub_pd(_mm256_mul_pd(_mm256_sub_pd(qx, px), _mm256_sub_pd(ry, py)),
        _mm256_mul_pd(_mm256_sub_pd(qy, py), _mm256_sub_pd(rx, px)));
}
// What SmallTriangle puts at a corner of nearness d: area * d / area less the tolerance, or d
// less it where the area is zero (areaOrCorners).
VELMO_FOUR __m256d cornerOfFour(__m256d area, __m256d d, __m256d tolerance)
{
    return _mm256_blendv_pd(
        _mm256_sub_pd(_mm256_mul_pd(_mm256_mul_pd(area, d), _mm256_div_pd(_mm256_set1_pd(1), area)), tolerance),
        _mm256_sub_pd(d, tolerance), _mm256_cmp_pd(area, _mm256_setzero_pd(), _CMP_EQ_OQ));
}

// What mayWinFour tells of four cells of a grid row: those the loop of putRun may see
// write a pixel (Win, bit k for the cell between upper[k] and upper[k + 1]), those within
// one pixel and within two by two, and for each its nearest corner, its tolerance and
// (shaded) its light, each as that loop takes it.
struct TFourCells {
    int Win, OnePixel, TwoByTwo;
    alignas(32) double Nearest[4], Tolerance[4], Light[4];
    // Of a cell within two by two that may win, what TCellRaster::SmallCell puts at the
    // corners of its two triangles (a, b, c, then a, c, d), in that order.
    alignas(32) double Small[6][4];
};

// Of the four cells of a grid row between points upper[0..4] and lower[0..4] (screen points,
// nearness and depth points of the row and the next), whose corners lie within 2^24
// pixels of the picture's corner, those the loop of putRun may see write a pixel on the
// rows top..bottom - 1: a cell within one pixel, or within two pixels by two, is left out
// where that loop would leave it out at once, by its very sums (the same operations in
// the same order) from the slots as they are now, a corner off the rows or the picture
// counting as a pixel it cannot win. A slot only grows, so that a cell left out here stays
// out whatever the cells before it write.
__attribute__((target("avx2"), always_inline)) inline void mayWinFour(const float* depth, std::int32_t width,
    std::int32_t top, std::int32_t bottom, std::int32_t x0, std::int32_t y0,
    const TScreenPoint* upper, const TScreenPoint* lower, const double* nearUpper,
    const double* nearLower, const TDepthPoint* pointUpper, const TDepthPoint* pointLower,
    bool shaded, TFourCells& four)
{
    static_assert(sizeof(TScreenPoint) == 2 * sizeof(std::int32_t));
    // The corners of cell k: a upper[k], b upper[k + 1], c lower[k + 1], d lower[k].
    const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(upper));
    const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(upper + 1));
    const __m256i c = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(lower + 1));
    const __m256i d = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(lower));
    const __m256i lowest = _mm256_min_epi32(_mm256_min_epi32(a, b), _mm256_min_epi32(c, d));
    const __m256i highest = _mm256_max_epi32(_mm256_max_epi32(a, b), _mm256_max_epi32(c, d));
    const __m256i onePixel = _mm256_and_si256(
        _mm256_and_si256(_mm256_cmpeq_epi64(a, b), _mm256_cmpeq_epi64(a, c)), _mm256_cmpeq_epi64(a, d));
    // Within two pixels by two: no X and no Y more than one from another's.
    const __m256i twoByTwo = _mm256_cmpeq_epi64(
        _mm256_cmpgt_epi32(_mm256_sub_epi32(highest, lowest), _mm256_set1_epi32(1)),
        _mm256_setzero_si256());
    const int onePixelBits = _mm256_movemask_pd(_mm256_castsi256_pd(onePixel));
    const int twoByTwoBits = _mm256_movemask_pd(_mm256_castsi256_pd(twoByTwo)) & ~onePixelBits;
    const __m256d dA = _mm256_loadu_pd(nearUpper), dB = _mm256_loadu_pd(nearUpper + 1),
                  dC = _mm256_loadu_pd(nearLower + 1), dD = _mm256_loadu_pd(nearLower);
    const __m256d nearest = _mm256_max_pd(_mm256_max_pd(dA, dB), _mm256_max_pd(dC, dD));
    // The tests before the slope: where they leave every cell out, the rest is spared.
    const __m256d sA = slotsOfFour(depth, width, top, bottom, x0, y0, a);
    const __m256d all = _mm256_castsi256_pd(_mm256_set1_epi64x(-1));
    __m256d lose = _mm256_and_pd(_mm256_castsi256_pd(onePixel),
        _mm256_cmp_pd(_mm256_sub_pd(nearest, _mm256_set1_pd(0.75)), sA, _CMP_LE_OQ));
    __m256d sB = sA, sC = sA, sD = sA;
    if (twoByTwoBits != 0) {
        sB = slotsOfFour(depth, width, top, bottom, x0, y0, b);
        sC = slotsOfFour(depth, width, top, bottom, x0, y0, c);
        sD = slotsOfFour(depth, width, top, bottom, x0, y0, d);
        const __m256d mayWin = _mm256_or_pd(_mm256_or_pd(mayTakeFour(dA, sA), mayTakeFour(dB, sB)),
            _mm256_or_pd(mayTakeFour(dC, sC), mayTakeFour(dD, sD)));
        lose = _mm256_or_pd(lose,
            _mm256_andnot_pd(_mm256_castsi256_pd(onePixel),
                _mm256_and_pd(_mm256_castsi256_pd(twoByTwo), _mm256_andnot_pd(mayWin, all))));
    }
    if (_mm256_movemask_pd(lose) == 0xf) {
        four.Win = 0;
        return;
    }
    __m256d aX, aY, bX, bY, cX, cY, dX, dY;
    xyOfFour(pointUpper, aX, aY);
    xyOfFour(pointUpper + 1, bX, bY);
    xyOfFour(pointLower + 1, cX, cY);
    xyOfFour(pointLower, dX, dY);
    // normalOf
    const __m256d ux = _mm256_sub_pd(cX, aX), uy = _mm256_sub_pd(cY, aY), ud = _mm256_sub_pd(dC, dA);
    const __m256d vx = _mm256_sub_pd(bX, dX), vy = _mm256_sub_pd(bY, dY), vd = _mm256_sub_pd(dB, dD);
    const __m256d nX = _mm256_sub_pd(_mm256_mul_pd(uy, vd), _mm256_mul_pd(ud, vy));
    const __m256d nY = _mm256_sub_pd(_mm256_mul_pd(ud, vx), _mm256_mul_pd(ux, vd));
    const __m256d nZ = _mm256_sub_pd(_mm256_mul_pd(ux, vy), _mm256_mul_pd(uy, vx));
    const __m256d across2 = _mm256_add_pd(_mm256_mul_pd(nX, nX), _mm256_mul_pd(nY, nY));
    const __m256d absZ = absFour(nZ);
    if (onePixelBits != 0)
        lose = _mm256_or_pd(lose, _mm256_and_pd(_mm256_castsi256_pd(onePixel),
                                      slopeAtLeastFour(across2, absZ, toLoseFour(nearest, sA))));
    if (twoByTwoBits != 0) {
        const __m256d least = _mm256_max_pd(_mm256_max_pd(toLoseFour(dA, sA), toLoseFour(dB, sB)),
            _mm256_max_pd(toLoseFour(dC, sC), toLoseFour(dD, sD)));
        lose = _mm256_or_pd(lose,
            _mm256_andnot_pd(_mm256_castsi256_pd(onePixel),
                _mm256_and_pd(_mm256_castsi256_pd(twoByTwo), slopeAtLeastFour(across2, absZ, least))));
    }
    four.Win = ~_mm256_movemask_pd(lose) & 0xf;
    four.OnePixel = onePixelBits;
    four.TwoByTwo = twoByTwoBits;
    if (((onePixelBits | twoByTwoBits) & four.Win) == 0)
        return;
    // slopeOf, and the tolerance 0.75 and that.
    const __m256d across = _mm256_sqrt_pd(across2);
    const __m256d slope = _mm256_blendv_pd(_mm256_set1_pd(MaxSlope), _mm256_div_pd(across, absZ),
        _mm256_cmp_pd(_mm256_mul_pd(absZ, _mm256_set1_pd(MaxSlope)), across, _CMP_GT_OQ));
    const __m256d tolerance = _mm256_add_pd(_mm256_set1_pd(0.75), slope);
    _mm256_store_pd(four.Tolerance, tolerance);
    _mm256_store_pd(four.Nearest, nearest);
    if ((twoByTwoBits & four.Win) != 0) {
        // The corners' pixels as doubles, each triangle's twice signed area from them (exact:
        // the corners lie within 2^24 pixels), and what each of its corners takes.
        __m256d ax, ay, bx, by, cx, cy, dx, dy;
        pixelsOfFour(a, x0, y0, ax, ay);
        pixelsOfFour(b, x0, y0, bx, by);
        pixelsOfFour(c, x0, y0, cx, cy);
        pixelsOfFour(d, x0, y0, dx, dy);
        const __m256d area1 = areaOfFour(ax, ay, bx, by, cx, cy), area2 = areaOfFour(ax, ay, cx, cy, dx, dy);
        _mm256_store_pd(four.Small[0], cornerOfFour(area1, dA, tolerance));
        _mm256_store_pd(four.Small[1], cornerOfFour(area1, dB, tolerance));
        _mm256_store_pd(four.Small[2], cornerOfFour(area1, dC, tolerance));
        _mm256_store_pd(four.Small[3], cornerOfFour(area2, dA, tolerance));
        _mm256_store_pd(four.Small[4], cornerOfFour(area2, dC, tolerance));
        _mm256_store_pd(four.Small[5], cornerOfFour(area2, dD, tolerance));
    }
    if (shaded) {
        // lightOf
        const __m256d length = _mm256_sqrt_pd(_mm256_add_pd(across2, _mm256_mul_pd(nZ, nZ)));
        _mm256_store_pd(four.Light, _mm256_blendv_pd(_mm256_set1_pd(1), _mm256_div_pd(absZ, length),
                                        _mm256_cmp_pd(length, _mm256_setzero_pd(), _CMP_GT_OQ)));
    }
}
#undef VELMO_FOUR

// A cell of corners within two pixels by two, whose box lies on the rows and the picture,
// put as putCell puts it, with what mayWinFour told of it (lane k of four); false (nothing
// put) for another.
inline bool smallCell(TCellRaster& cells, const TSurfaceMesh& mesh, const int (&corner)[4],
    std::int32_t x0, std::int32_t y0, const TFourCells& four, int k, QRgb pixel)
{
    std::int64_t x[4], y[4];
    for (int j = 0; j < 4; ++j) {
        const TScreenPoint& p = mesh.Screen[std::size_t(corner[j])];
        x[j] = std::int64_t(x0) + p.X;
        y[j] = std::int64_t(y0) - p.Y;
    }
    const std::int64_t left = std::min({ x[0], x[1], x[2], x[3] });
    const std::int64_t top = std::min({ y[0], y[1], y[2], y[3] });
    if (std::max({ x[0], x[1], x[2], x[3] }) - left > 1 || std::max({ y[0], y[1], y[2], y[3] }) - top > 1
        || !cells.Inside(left, top, left + 1, top + 1))
        return false;
    // The corners of the triangles: a, b, c, then a, c, d.
    constexpr int Corners[6] = { 0, 1, 2, 0, 2, 3 };
    for (int j = 0; j < 6; ++j)
        cells.Put(x[Corners[j]], y[Corners[j]], four.Small[j][k], pixel);
    return true;
}
#endif

#ifdef VELMO_DEPTH_AVX2
// The cells of a run of a whole mesh between point rows upper and lower from column on,
// four at a time while they lie before end and the row's last point, those that may win a
// pixel then one by one in their order: a cell within one pixel or two by two with what
// the four were told, another by cell(column). Leaves column after the last cell put;
// returns the work (see UnknownRunCost).
template <class TCell>
__attribute__((target("avx2"))) int putFours(TCellRaster& cells, const TSurfaceMesh& mesh,
    int upper, int lower, int& column, int end, std::int32_t x0, std::int32_t y0, QRgb background,
    const TCell& cell)
{
    const TScreenPoint* screen = mesh.Screen.data();
    const double* nearness = mesh.Nearness.data();
    const TDepthPoint* depth = mesh.Depth.data();
    const std::int32_t width = std::int32_t(cells.Width());
    const std::int32_t top = std::int32_t(cells.Top()), bottom = std::int32_t(cells.Bottom());
    TFourCells four;
    int cost = 1;
    for (; column + 4 <= end && column + 4 < mesh.Columns; column += 4) {
        ++cost;
        mayWinFour(cells.Depth(), width, top, bottom, x0, y0, screen + upper + column,
            screen + lower + column, nearness + upper + column, nearness + lower + column,
            depth + upper + column, depth + lower + column, mesh.Shaded, four);
        for (int win = four.Win; win != 0; win &= win - 1) {
            const int k = __builtin_ctz(unsigned(win));
            cost += 3;
            const QRgb pixel = mesh.Shaded ? ColorToRgb32(LitColor(mesh.Color, four.Light[k])) : background;
            if (four.OnePixel >> k & 1) {
                const TScreenPoint& s = screen[upper + column + k];
                cells.Put(std::int64_t(x0) + s.X, std::int64_t(y0) - s.Y,
                    four.Nearest[k] - four.Tolerance[k], pixel);
            } else if (four.TwoByTwo >> k & 1) {
                const int corner[4] = { upper + column + k, upper + column + k + 1,
                    lower + column + k + 1, lower + column + k };
                if (!smallCell(cells, mesh, corner, x0, y0, four, k, pixel))
                    putLargerCell(cells, mesh, corner, x0, y0, background);
            } else {
                cell(column + k);
            }
        }
    }
    return cost;
}
#endif

// Cells first..end - 1 of cell row row of a mesh whose every point projects, their corners
// in box, as putCell puts them, a cell within one pixel (as most are in a finely sampled
// surface) put here. Returns about how much work that took (see UnknownRunCost).
template <class TRunRows>
int putRun(TCellRaster& cells, const TSurfaceMesh& mesh, int row, int first, int end,
    const TRunRows& box, std::int32_t x0, std::int32_t y0, QRgb background)
{
    // The run is left out at once where each of its cells would be at its turn: its corners
    // near the picture, and each pixel of their box already holding the nearest of them
    // less the least tolerance, with a larger cell's margin (see putCell).
    if (box.Near
        && cells.Holds(box.Left, box.Top, box.Right, box.Bottom,
            box.Nearest - 0.75 + 1e-12 * (box.Largest + 1)))
        return 1;
    const int columns = mesh.Columns;
    const int upper = row * columns, lower = (row + 1 == mesh.Rows ? 0 : row + 1) * columns;
    const TScreenPoint* screen = mesh.Screen.data();
    const double* nearness = mesh.Nearness.data();
    const auto cell = [&](int column) {
        const int right = column + 1 == columns ? 0 : column + 1;
        const int corner[4] = { upper + column, upper + right, lower + right, lower + column };
        const TScreenPoint& s = screen[corner[0]];
        const TScreenPoint &s1 = screen[corner[1]], &s2 = screen[corner[2]], &s3 = screen[corner[3]];
        if (s.X != s1.X || s.X != s2.X || s.X != s3.X || s.Y != s1.Y || s.Y != s2.Y || s.Y != s3.Y) {
            // Most of the rest lie within two pixels by two: each corner's pixel takes no
            // more than the corner's own nearness less the cell's tolerance (see
            // SmallTriangle), so that a cell whose corners' pixels hold those less the least
            // tolerance is left out at once.
            const std::int32_t left = std::min(std::min(s.X, s1.X), std::min(s2.X, s3.X));
            const std::int32_t right = std::max(std::max(s.X, s1.X), std::max(s2.X, s3.X));
            const std::int32_t low = std::min(std::min(s.Y, s1.Y), std::min(s2.Y, s3.Y));
            const std::int32_t high = std::max(std::max(s.Y, s1.Y), std::max(s2.Y, s3.Y));
            const std::int64_t px = std::int64_t(x0) + left, py = std::int64_t(y0) - high;
            if (right - left > 1 || high - low > 1 || !cells.Inside(px, py, px + 1, py + 1)) {
                putLargerCell(cells, mesh, corner, x0, y0, background);
                return;
            }
            const TScreenPoint* p[4] = { &s, &s1, &s2, &s3 };
            double d[4];
            const float* slot[4];
            bool mayWin = false;
            for (int k = 0; k < 4; ++k) {
                d[k] = nearness[corner[k]];
                slot[k] = cells.SlotAt(px + (p[k]->X - left), py + (high - p[k]->Y));
                mayWin |= d[k] - 0.75 + 1e-12 * (std::fabs(d[k]) + 1) > *slot[k];
            }
            if (!mayWin)
                return;
            const TNormal normal = normalOf(mesh.Depth[std::size_t(corner[0])],
                mesh.Depth[std::size_t(corner[1])], mesh.Depth[std::size_t(corner[2])],
                mesh.Depth[std::size_t(corner[3])]);
            double least = slopeToLoseAgainst(d[0], *slot[0]);
            for (int k = 1; k < 4; ++k)
                least = std::max(least, slopeToLoseAgainst(d[k], *slot[k]));
            if (slopeAtLeast(normal, least))
                return;
            const double tolerance = 0.75 + slopeOf(normal);
            const QRgb pixel
                = mesh.Shaded ? ColorToRgb32(LitColor(mesh.Color, lightOf(normal))) : background;
            std::int64_t x[4], y[4];
            for (int k = 0; k < 4; ++k) {
                x[k] = std::int64_t(x0) + p[k]->X;
                y[k] = std::int64_t(y0) - p[k]->Y;
            }
            cells.SmallCell(x, y, d, tolerance, pixel);
            return;
        }
        const float* slot = cells.Slot(std::int64_t(x0) + s.X, std::int64_t(y0) - s.Y);
        if (slot == nullptr)
            return;
        const double nearest = std::max({ nearness[corner[0]], nearness[corner[1]],
            nearness[corner[2]], nearness[corner[3]] });
        if (nearest - 0.75 <= *slot)
            return;
        const TNormal normal = normalOf(mesh.Depth[std::size_t(corner[0])],
            mesh.Depth[std::size_t(corner[1])], mesh.Depth[std::size_t(corner[2])],
            mesh.Depth[std::size_t(corner[3])]);
        if (slopeAtLeast(normal, slopeToLoseAgainst(nearest, *slot)))
            return;
        const double tolerance = 0.75 + slopeOf(normal);
        const QRgb pixel
            = mesh.Shaded ? ColorToRgb32(LitColor(mesh.Color, lightOf(normal))) : background;
        cells.Put(std::int64_t(x0) + s.X, std::int64_t(y0) - s.Y, nearest - tolerance, pixel);
    };
#ifdef VELMO_DEPTH_AVX2
    // Four cells at a time where the run's corners are near the picture, those that may win
    // a pixel then one by one in their order: a cell within one pixel or two by two with
    // what the four were told.
    static const bool avx2 = __builtin_cpu_supports("avx2");
    if (avx2 && box.Near && cells.IndexFits()) {
        int column = first;
        const int cost = putFours(cells, mesh, upper, lower, column, end, x0, y0, background, cell);
        for (; column < end; ++column)
            cell(column);
        return cost + 3 * (end - column);
    }
#endif
    for (int column = first; column < end; ++column)
        cell(column);
    return 1 + 3 * (end - first);
}
}

void TDepthBuffer::Build(const TSurfaceSet& set, TRaster& raster, int bands)
{
    const std::int64_t width = raster.Width(), height = raster.Height();
    const std::size_t count = static_cast<std::size_t>(width * height);
    if (FRoom < count) {
        FDepth.reset();
        FDepth.reset(new float[count]);
        FRoom = count;
        FWrittenEnd = -1;
    }
    if (width != FWidth || height != FWrittenHeight)
        FWrittenEnd = -1;
    FWrittenHeight = height;
    // The rows the last build wrote, emptied by whoever builds them now.
    const std::int64_t writtenFirst = FWrittenEnd < 0 ? 0 : FWrittenFirst;
    const std::int64_t writtenEnd = FWrittenEnd < 0 ? height : FWrittenEnd;
    const auto emptyWritten = [&](std::int64_t first, std::int64_t end) {
        emptyRows(std::max(first, writtenFirst), std::min(end, writtenEnd));
    };
    FWidth = width;
    FBuilt = true;
    const bool paint = set.AnyShaded();
    const QRgb background = ColorToRgb32(set.Background);
    std::int64_t cellCount = 0;
    for (const TSurfaceMesh& mesh : set.Meshes)
        cellCount += std::int64_t(mesh.CellRows()) * mesh.CellColumns();
    const bool chooseBands = bands <= 0;
    if (chooseBands)
        bands = cellCount < BandedCells || TBlockWork::Helpers() == 0
            ? 1
            : BandsPerThread * (TBlockWork::Helpers() + 1);
    FSet = &set;
    FBounds.clear();
    if (bands == 1 || height < 2) {
        emptyWritten(0, height);
        FWrittenFirst = 0;
        FWrittenEnd = height;
        FFilledLeft = 0;
        FFilledRight = width - 1;
        TCellRaster cells(FDepth.get(), raster, paint, 0, height);
        for (const TSurfaceMesh& mesh : set.Meshes)
            for (int row = 0; row < mesh.CellRows(); ++row)
                for (int column = 0; column < mesh.CellColumns(); ++column) {
                    int corner[4];
                    if (mesh.Cell(row, column, corner))
                        putCell(cells, mesh, corner, set.X0, set.Y0, background);
                }
        return;
    }
    // The rows of the picture that each run of cells touches, a cell row a block.
    FRunStart.assign(set.Meshes.size() + 1, 0);
    for (std::size_t m = 0; m < set.Meshes.size(); ++m) {
        const TSurfaceMesh& mesh = set.Meshes[m];
        FRunStart[m + 1] = FRunStart[m]
            + std::size_t(mesh.CellRows()) * std::size_t((mesh.CellColumns() + RunCells - 1) / RunCells);
    }
    FRuns.resize(FRunStart.back());
    if (FRunCost.size() != FRuns.size())
        FRunCost.assign(FRuns.size(), UnknownRunCost);
    FRowIndex.clear();
    for (std::size_t m = 0; m < set.Meshes.size(); ++m)
        for (int row = 0; row < set.Meshes[m].CellRows(); ++row)
            FRowIndex.push_back({ std::int32_t(m), row });
    const auto runsOfRow = [&](std::size_t m, int row) { return runsOf(m, row); };
    {
        constexpr int RowsABlock = 16;
        const int blocks = int((FRowIndex.size() + RowsABlock - 1) / RowsABlock);
        TBlockWork work(blocks, [&](int block) {
            const std::size_t end = std::min(FRowIndex.size(), std::size_t(block + 1) * RowsABlock);
            // The block's rows, a mesh at a time.
            for (std::size_t k = std::size_t(block) * RowsABlock; k < end;) {
                const auto [m, row] = FRowIndex[k];
                std::size_t next = k + 1;
                while (next < end && FRowIndex[next].first == m)
                    ++next;
                runRowsOf(set.Meshes[std::size_t(m)], set.X0, set.Y0, row, row + int(next - k),
                    runsOfRow(std::size_t(m), row));
                k = next;
            }
        }, &FKept);
        work.AwaitAll();
    }
    // Bands of about the same work: each run counts at its top row, with the work it took in
    // the last build.
    std::vector<std::int64_t> weight(static_cast<std::size_t>(height) + 1, 0);
    std::int64_t firstRow = height, lastRow = -1, left = width, right = -1;
    for (std::size_t i = 0; i < FRuns.size(); ++i)
        if (const TRunRows& run = FRuns[i]; run.Top <= run.Bottom && run.Bottom >= 0 && run.Top < height) {
            weight[static_cast<std::size_t>(std::max<std::int32_t>(run.Top, 0))] += FRunCost[i];
            firstRow = std::min<std::int64_t>(firstRow, std::max<std::int32_t>(run.Top, 0));
            lastRow = std::max<std::int64_t>(lastRow, std::min<std::int64_t>(run.Bottom, height - 1));
            // A run of a mesh with points missing has no columns: any may be written.
            left = std::min<std::int64_t>(left, run.Left <= run.Right ? run.Left : 0);
            right = std::max<std::int64_t>(right, run.Left <= run.Right ? run.Right : width - 1);
        }
    // Cells write no pixel but those of their runs' boxes.
    FWrittenFirst = std::min(firstRow, height);
    FWrittenEnd = std::max(lastRow + 1, FWrittenFirst);
    FFilledLeft = std::max<std::int64_t>(left, 0);
    FFilledRight = std::min<std::int64_t>(right, width - 1);
    if (chooseBands) {
        const std::int64_t threads = TBlockWork::Helpers() + 1;
        bands = int(std::clamp<std::int64_t>((lastRow - firstRow + 1) / BandRows, threads, bands));
    }
    std::int64_t total = 0;
    for (std::int64_t& w : weight)
        total += w, w = total;
    std::vector<std::int64_t>& bounds = FBounds;
    bounds.assign(static_cast<std::size_t>(bands) + 1, height);
    bounds[0] = 0;
    for (int b = 1, y = 0; b < bands; ++b) {
        while (y < height && weight[std::size_t(y)] * bands < total * b)
            ++y;
        bounds[std::size_t(b)] = std::max<std::int64_t>(bounds[std::size_t(b) - 1], y + 1);
    }
    for (std::int64_t& b : bounds)
        b = std::min(b, height);
    TBlockWork work(bands, [&](int band) {
        const std::int64_t top = bounds[std::size_t(band)], bottom = bounds[std::size_t(band) + 1];
        if (top >= bottom)
            return;
        emptyWritten(top, bottom);
        TCellRaster cells(FDepth.get(), raster, paint, top, bottom);
        for (std::size_t m = 0; m < set.Meshes.size(); ++m) {
            const TSurfaceMesh& mesh = set.Meshes[m];
            const int columns = mesh.CellColumns();
            for (int row = 0; row < mesh.CellRows(); ++row) {
                const TRunRows* runs = runsOfRow(m, row);
                for (int first = 0, run = 0; first < columns; first += RunCells, ++run) {
                    if (runs[run].Top >= bottom || runs[run].Bottom < top)
                        continue;
                    const int end = std::min(columns, first + RunCells);
                    int cost = 1 + 3 * (end - first);
                    if (mesh.Whole) {
                        cost = putRun(cells, mesh, row, first, end, runs[run], set.X0, set.Y0, background);
                    } else {
                        for (int column = first; column < end; ++column) {
                            int corner[4];
                            if (mesh.Cell(row, column, corner))
                                putCell(cells, mesh, corner, set.X0, set.Y0, background);
                        }
                    }
                    // Written by the band of the run's top row alone.
                    if (std::max<std::int64_t>(runs[run].Top, 0) >= top) {
                        const std::size_t i = std::size_t(&runs[run] - FRuns.data());
                        FRunCost[i] = std::uint16_t(std::min(cost, 0xffff));
                    }
                }
            }
        }
    }, &FKept);
    work.AwaitAll();
}

void TDepthBuffer::emptyRows(std::int64_t first, std::int64_t end)
{
    if (first >= end || FWidth == 0)
        return;
    float* const row = FDepth.get() + first * FWidth;
    std::fill(row, row + FWidth, -std::numeric_limits<float>::infinity());
    for (std::int64_t y = first + 1; y < end; ++y)
        std::memcpy(FDepth.get() + y * FWidth, row, std::size_t(FWidth) * sizeof(float));
}

TDepthBuffer::TRunRows* TDepthBuffer::runsOf(std::size_t mesh, int row)
{
    const int perRow = (FSet->Meshes[mesh].CellColumns() + RunCells - 1) / RunCells;
    return FRuns.data() + FRunStart[mesh] + std::size_t(row) * std::size_t(perRow);
}

bool TDepthBuffer::InBands(const TSurfaceMesh& mesh, const TRunVisit& visit)
{
    if (FBounds.empty() || FSet == nullptr || FSet->Meshes.empty() || &mesh < FSet->Meshes.data()
        || &mesh >= FSet->Meshes.data() + FSet->Meshes.size())
        return false;
    const std::size_t m = std::size_t(&mesh - FSet->Meshes.data());
    const int columns = mesh.CellColumns();
    TBlockWork work(int(FBounds.size()) - 1, [&](int band) {
        const std::int64_t top = FBounds[std::size_t(band)], bottom = FBounds[std::size_t(band) + 1];
        if (top >= bottom)
            return;
        for (int row = 0; row < mesh.CellRows(); ++row) {
            const TRunRows* runs = runsOf(m, row);
            for (int first = 0, run = 0; first < columns; first += RunCells, ++run) {
                const TRunRows& box = runs[run];
                if (box.Top >= bottom || box.Bottom < top)
                    continue;
                visit({ top, bottom, row, first, std::min(columns, first + RunCells), mesh.Whole,
                    box.Left, std::max<std::int64_t>(box.Top, top), box.Right,
                    std::min<std::int64_t>(box.Bottom, bottom - 1),
                    box.Nearest + 1e-12 * (box.Largest + 1) });
            }
        }
    }, &FKept);
    work.AwaitAll();
    return true;
}

// ---- exact cuts for vector back ends

void TOcclusion::Build(const TSurfaceSet& set, int width, int height)
{
    FTriangles.clear();
    // Cells beyond the picture and a pixel around it cannot hide what it shows.
    const double limitLeft = -1, limitTop = -1, limitRight = width + 1.0, limitBottom = height + 1.0;
    double left = limitRight, top = limitBottom, right = limitLeft, bottom = limitTop;
    double sides = 0;
    for (const TSurfaceMesh& mesh : set.Meshes)
        for (int row = 0; row < mesh.CellRows(); ++row)
            for (int column = 0; column < mesh.CellColumns(); ++column) {
                int corner[4];
                if (!mesh.Cell(row, column, corner))
                    continue;
                const TDepthPoint* p[4];
                for (int k = 0; k < 4; ++k)
                    p[k] = &mesh.Depth[static_cast<std::size_t>(corner[k])];
                const TCellLook look = LookOfCell(*p[0], *p[1], *p[2], *p[3]);
                const double tolerance = 0.5 + 0.5 * look.Slope;
                for (const auto& [i, j, k] : { std::array<int, 3> { 0, 1, 2 }, { 0, 2, 3 } }) {
                    TTriangle t;
                    const TDepthPoint* q[3] = { p[i], p[j], p[k] };
                    double x[3], y[3];
                    for (int m = 0; m < 3; ++m) {
                        x[m] = set.X0 + q[m]->X;
                        y[m] = set.Y0 - q[m]->Y;
                        t.X[m] = float(x[m]);
                        t.Y[m] = float(y[m]);
                        t.D[m] = float(q[m]->D);
                    }
                    const double area
                        = (x[1] - x[0]) * (y[2] - y[0]) - (y[1] - y[0]) * (x[2] - x[0]);
                    t.Left = std::min({ t.X[0], t.X[1], t.X[2] });
                    t.Right = std::max({ t.X[0], t.X[1], t.X[2] });
                    t.Top = std::min({ t.Y[0], t.Y[1], t.Y[2] });
                    t.Bottom = std::max({ t.Y[0], t.Y[1], t.Y[2] });
                    if (!(std::fabs(area) > 1e-12) || t.Right < limitLeft || t.Left > limitRight
                        || t.Bottom < limitTop || t.Top > limitBottom)
                        continue;
                    t.Tolerance = float(tolerance);
                    t.Nearest = std::max({ t.D[0], t.D[1], t.D[2] });
                    left = std::min<double>(left, t.Left);
                    right = std::max<double>(right, t.Right);
                    top = std::min<double>(top, t.Top);
                    bottom = std::max<double>(bottom, t.Bottom);
                    sides += std::max(t.Right - t.Left, t.Bottom - t.Top);
                    FTriangles.push_back(t);
                }
            }
    FColumns = FRows = 0;
    FStart.assign(1, 0);
    FItems.clear();
    if (FTriangles.empty())
        return;
    left = std::max(left, limitLeft);
    top = std::max(top, limitTop);
    right = std::min(right, limitRight);
    bottom = std::min(bottom, limitBottom);
    // Buckets about as large as a triangle, within reason.
    FCell = std::clamp(sides / double(FTriangles.size()), 0.25, 64.0);
    FCell = std::max({ FCell, (right - left) / 2048, (bottom - top) / 2048 });
    FLeft = left;
    FTop = top;
    FColumns = std::max(1, int(std::ceil((right - left) / FCell)));
    FRows = std::max(1, int(std::ceil((bottom - top) / FCell)));
    const auto range = [&](double from, double to, double origin, int count, int& first, int& last) {
        first = std::clamp(int(std::floor((from - origin) / FCell)), 0, count - 1);
        last = std::clamp(int(std::floor((to - origin) / FCell)), 0, count - 1);
    };
    std::vector<std::int32_t> counts(static_cast<std::size_t>(FColumns) * FRows + 1, 0);
    const auto forBuckets = [&](const TTriangle& t, auto visit) {
        int c0, c1, r0, r1;
        range(t.Left, t.Right, FLeft, FColumns, c0, c1);
        range(t.Top, t.Bottom, FTop, FRows, r0, r1);
        for (int r = r0; r <= r1; ++r)
            for (int c = c0; c <= c1; ++c)
                visit(std::size_t(r) * FColumns + c);
    };
    for (const TTriangle& t : FTriangles)
        forBuckets(t, [&](std::size_t b) { ++counts[b + 1]; });
    for (std::size_t b = 1; b < counts.size(); ++b)
        counts[b] += counts[b - 1];
    FStart = counts;
    FItems.resize(static_cast<std::size_t>(counts.back()));
    for (std::size_t i = 0; i < FTriangles.size(); ++i)
        forBuckets(FTriangles[i], [&](std::size_t b) { FItems[std::size_t(counts[b]++)] = std::int32_t(i); });
    FSeen.assign(FTriangles.size(), 0);
    FQuery = 0;
}

void TOcclusion::VisibleParts(double ax, double ay, double ad, double bx, double by, double bd,
    std::vector<std::pair<double, double>>& parts)
{
    parts.clear();
    FHidden.clear();
    if (FColumns > 0) {
        if (++FQuery == 0) {
            std::fill(FSeen.begin(), FSeen.end(), 0);
            FQuery = 1;
        }
        const double farthest = std::min(ad, bd);
        const double segLeft = std::min(ax, bx), segRight = std::max(ax, bx);
        const double segTop = std::min(ay, by), segBottom = std::max(ay, by);
        const auto test = [&](const TTriangle& t) {
            if (t.Nearest - t.Tolerance <= farthest || t.Right < segLeft || t.Left > segRight
                || t.Bottom < segTop || t.Top > segBottom)
                return;
            const double x[3] = { t.X[0], t.X[1], t.X[2] }, y[3] = { t.Y[0], t.Y[1], t.Y[2] };
            const double area = (x[1] - x[0]) * (y[2] - y[0]) - (y[1] - y[0]) * (x[2] - x[0]);
            const double sign = area > 0 ? 1 : -1;
            double lo = 0, hi = 1;
            // The barycentric weights at a and b: signed areas against each edge.
            double wa[3], wb[3];
            for (int k = 0; k < 3; ++k) {
                const int i = (k + 1) % 3, j = (k + 2) % 3;
                const double ex = x[j] - x[i], ey = y[j] - y[i];
                wa[k] = (ex * (ay - y[i]) - ey * (ax - x[i]));
                wb[k] = (ex * (by - y[i]) - ey * (bx - x[i]));
                // Inside or on the edge, within a millionth of a pixel.
                const double eps = -1e-6 * std::sqrt(ex * ex + ey * ey);
                const double ea = wa[k] * sign, eb = wb[k] * sign;
                if (ea < eps && eb < eps)
                    return;
                if (ea < eps)
                    lo = std::max(lo, (eps - ea) / (eb - ea));
                else if (eb < eps)
                    hi = std::min(hi, (ea - eps) / (ea - eb));
            }
            if (lo > hi)
                return;
            // How far the triangle's plane lies in front of the line, less its tolerance.
            const double da = (wa[0] * t.D[0] + wa[1] * t.D[1] + wa[2] * t.D[2]) / area;
            const double db = (wb[0] * t.D[0] + wb[1] * t.D[1] + wb[2] * t.D[2]) / area;
            const double g0 = da - t.Tolerance - ad, g1 = db - t.Tolerance - bd;
            const double glo = g0 + (g1 - g0) * lo, ghi = g0 + (g1 - g0) * hi;
            if (glo <= 0 && ghi <= 0)
                return;
            if (glo <= 0)
                lo = lo + (hi - lo) * (-glo / (ghi - glo));
            else if (ghi <= 0)
                hi = lo + (hi - lo) * (glo / (glo - ghi));
            FHidden.emplace_back(lo, hi);
        };
        // The buckets the line passes, column by column of buckets.
        const auto column = [&](double x) {
            return std::clamp(int(std::floor((x - FLeft) / FCell)), 0, FColumns - 1);
        };
        const auto row = [&](double y) {
            return std::clamp(int(std::floor((y - FTop) / FCell)), 0, FRows - 1);
        };
        const int c0 = column(segLeft), c1 = column(segRight);
        const bool inRange = segRight >= FLeft && segLeft <= FLeft + FColumns * FCell
            && segBottom >= FTop && segTop <= FTop + FRows * FCell;
        for (int c = c0; inRange && c <= c1; ++c) {
            // The line's y over this column of buckets.
            double from = segTop, to = segBottom;
            if (bx != ax) {
                const double x1 = std::max(segLeft, FLeft + c * FCell);
                const double x2 = std::min(segRight, FLeft + (c + 1) * FCell);
                const double y1 = ay + (by - ay) * ((x1 - ax) / (bx - ax));
                const double y2 = ay + (by - ay) * ((x2 - ax) / (bx - ax));
                from = std::max(segTop, std::min(y1, y2));
                to = std::min(segBottom, std::max(y1, y2));
            }
            for (int r = row(from), last = row(to); r <= last; ++r) {
                const std::size_t b = std::size_t(r) * FColumns + c;
                for (std::int32_t n = FStart[b]; n < FStart[b + 1]; ++n) {
                    const std::int32_t i = FItems[std::size_t(n)];
                    if (FSeen[std::size_t(i)] == FQuery)
                        continue;
                    FSeen[std::size_t(i)] = FQuery;
                    test(FTriangles[std::size_t(i)]);
                }
            }
        }
    }
    // The complement of the hidden parts; pieces shorter than a hundredth of a pixel
    // (between two cells that meet) are left out.
    std::sort(FHidden.begin(), FHidden.end());
    const double length = std::sqrt((bx - ax) * (bx - ax) + (by - ay) * (by - ay));
    const double least = length > 0 ? 0.01 / length : 0;
    double at = 0;
    for (const auto& [lo, hi] : FHidden) {
        if (lo - at > least)
            parts.emplace_back(at, lo);
        at = std::max(at, hi);
    }
    if (at == 0 && FHidden.empty())
        parts.emplace_back(0, 1);
    else if (1 - at > least)
        parts.emplace_back(at, 1);
}
