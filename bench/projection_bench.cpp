// Projection of a curve's points with the scene matrix on every redraw: Velmo's
// Project beside a plain long double loop computing the same screen points with
// std::nearbyint, and the same loop rounding with the x87 store instead (no guards).
#include "geometry/goruntu_matrisi.h"
#include "geometry/projection.h"
#include "geometry/transform_matrix.h"
#include "ratio_reporter.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {
constexpr int PointCount = 198000;

// Points spread over the unit sphere along a golden-angle spiral.
std::vector<TSpacePoint> spherePoints()
{
    std::vector<TSpacePoint> points;
    points.reserve(PointCount);
    const long double golden = Pi * (3.0L - std::sqrt(5.0L));
    for (int i = 0; i < PointCount; ++i) {
        const long double z = 1.0L - 2.0L * (i + 0.5L) / PointCount;
        const long double r = std::sqrt(1.0L - z * z);
        const long double a = golden * i;
        points.push_back({ r * std::cos(a), r * std::sin(a), z, 1.0L });
    }
    return points;
}

// The perspective preset at 100 %.
TTransformMatrix presetMatrix()
{
    TTransformMatrix m;
    m.SetScale(0.05L);
    m.RotateX(15);
    m.RotateY(30);
    m.Multiply(TTransformMatrix::Perspective());
    return m;
}

void nativeProject(const TTransformMatrix& matrix, const std::vector<TSpacePoint>& points,
    std::vector<TScreenPoint>& screen)
{
    const auto& m = matrix.M();
    const long double m00 = m[0][0], m01 = m[0][1], m03 = m[0][3], m10 = m[1][0], m11 = m[1][1],
                      m13 = m[1][3], m20 = m[2][0], m21 = m[2][1], m23 = m[2][3], m30 = m[3][0],
                      m31 = m[3][1], m33 = m[3][3];
    for (std::size_t i = 0; i < points.size(); ++i) {
        const TSpacePoint& p = points[i];
        const long double w = p.X * m03 + p.Y * m13 + p.Z * m23 + m33;
        const long double x = (p.X * m00 + p.Y * m10 + p.Z * m20 + m30) / w;
        const long double y = (p.X * m01 + p.Y * m11 + p.Z * m21 + m31) / w;
        screen[i] = { static_cast<std::int32_t>(std::nearbyint(x)),
            static_cast<std::int32_t>(std::nearbyint(y)) };
    }
}

void nativeProjectX87(const TTransformMatrix& matrix, const std::vector<TSpacePoint>& points,
    std::vector<TScreenPoint>& screen)
{
    const auto& m = matrix.M();
    const long double m00 = m[0][0], m01 = m[0][1], m03 = m[0][3], m10 = m[1][0], m11 = m[1][1],
                      m13 = m[1][3], m20 = m[2][0], m21 = m[2][1], m23 = m[2][3], m30 = m[3][0],
                      m31 = m[3][1], m33 = m[3][3];
    for (std::size_t i = 0; i < points.size(); ++i) {
        const TSpacePoint& p = points[i];
        const long double w = p.X * m03 + p.Y * m13 + p.Z * m23 + m33;
        std::int64_t x = 0, y = 0;
        RoundToInt64((p.X * m00 + p.Y * m10 + p.Z * m20 + m30) / w, x);
        RoundToInt64((p.X * m01 + p.Y * m11 + p.Z * m21 + m31) / w, y);
        screen[i] = { static_cast<std::int32_t>(x), static_cast<std::int32_t>(y) };
    }
}

struct TFixture {
    std::vector<TSpacePoint> points = spherePoints();
    TTransformMatrix matrix = presetMatrix();
    TGoruntuMatrisi list;
    std::vector<TScreenPoint> native = std::vector<TScreenPoint>(PointCount);

    TFixture()
    {
        for (const TSpacePoint& p : points)
            list.Add(p);
        // Both sides must compute the same picture before their times mean anything.
        list.Project(matrix);
        nativeProject(matrix, points, native);
        for (int i = 0; i < PointCount; ++i)
            if (list.ScreenPoints(i).X != native[i].X || list.ScreenPoints(i).Y != native[i].Y) {
                std::fprintf(stderr, "screen point %d differs\n", i);
                std::exit(1);
            }
    }
};

TFixture& fixture()
{
    static TFixture f;
    return f;
}

void BM_VelmoProject(benchmark::State& state)
{
    TFixture& f = fixture();
    for (auto _ : state) {
        f.list.Project(f.matrix);
        benchmark::DoNotOptimize(f.list.ScreenPointData());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * PointCount);
}

void BM_NativeLongDouble(benchmark::State& state)
{
    TFixture& f = fixture();
    for (auto _ : state) {
        nativeProject(f.matrix, f.points, f.native);
        benchmark::DoNotOptimize(f.native.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * PointCount);
}

void BM_NativeLongDoubleX87Rounding(benchmark::State& state)
{
    TFixture& f = fixture();
    for (auto _ : state) {
        nativeProjectX87(f.matrix, f.points, f.native);
        benchmark::DoNotOptimize(f.native.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * PointCount);
}
}

BENCHMARK(BM_VelmoProject)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NativeLongDouble)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NativeLongDoubleX87Rounding)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return RunWithRatios(argc, argv,
        { { "BM_VelmoProject", "BM_NativeLongDouble" },
            { "BM_VelmoProject", "BM_NativeLongDoubleX87Rounding" } });
}
