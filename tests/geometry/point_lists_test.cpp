#include "geometry/camera.h"
#include "geometry/goruntu_matrisi.h"
#include "geometry/plane_matrisi.h"
#include "geometry/projection.h"
#include "geometry_test_support.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <vector>

namespace {
template <typename F> std::string messageOf(F&& call)
{
    try {
        call();
    } catch (const EGoruntuMatrisiError& e) {
        return e.Message();
    }
    return "no error";
}
}

TEST(GoruntuMatrisi, GrowsByTheGrowthRuleAndClearFreesAll)
{
    TGoruntuMatrisi list;
    EXPECT_EQ(list.Capacity(), 0);
    std::vector<int> capacities;
    for (int i = 0; i < 100; ++i) {
        EXPECT_EQ(list.Add({ static_cast<long double>(i), 0, 0, 1 }), i);
        if (capacities.empty() || capacities.back() != list.Capacity())
            capacities.push_back(list.Capacity());
    }
    EXPECT_EQ(capacities, (std::vector<int> { 4, 8, 12, 28, 44, 60, 76, 95, 118 }));
    EXPECT_EQ(list.Count(), 100);
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(list.SpacePoints(i).X, i);

    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Capacity(), 0);
    EXPECT_EQ(list.SpacePointData(), nullptr);
    list.Add({ 1, 2, 3, 1 });
    EXPECT_EQ(list.Capacity(), 4);
    EXPECT_EQ(list.Count(), 1);
}

TEST(GoruntuMatrisi, SwapExchangesEverything)
{
    TGoruntuMatrisi a, b;
    for (int i = 0; i < 5; ++i)
        a.Add({ 20.0L * i, 0, 0, 1 });
    a.Project(TTransformMatrix());
    b.Add({ 7, 7, 7, 1 });
    a.Swap(b);
    EXPECT_EQ(a.Count(), 1);
    EXPECT_EQ(a.Capacity(), 4);
    EXPECT_EQ(a.ProjectedCount(), 0);
    EXPECT_EQ(a.SpacePoints(0).Z, 7);
    EXPECT_EQ(b.Count(), 5);
    EXPECT_EQ(b.Capacity(), 8);
    EXPECT_EQ(b.ProjectedCount(), 5);
    EXPECT_EQ(b.ScreenPoints(4).X, 80);
}

TEST(GoruntuMatrisi, PointsStampChangesWithThePointsAlone)
{
    TGoruntuMatrisi a, b;
    EXPECT_EQ(a.PointsStamp(), 0u);
    a.Room(8)[0] = { 1, 2, 3, 1 };
    const std::uint64_t room = a.PointsStamp();
    EXPECT_NE(room, 0u);
    a.SetCountKeepingRoom(1);
    const std::uint64_t kept = a.PointsStamp();
    EXPECT_NE(kept, room);
    // Projecting, the grid and the record of left-out samples leave the points as they are.
    a.Project(TTransformMatrix());
    a.Project(TTransformMatrix());
    a.SetLeftOut({});
    a.SetGrid(1, 1);
    EXPECT_EQ(a.PointsStamp(), kept);
    a.SetCount(1);
    const std::uint64_t counted = a.PointsStamp();
    EXPECT_NE(counted, kept);
    b.Room(4);
    b.SetCount(0);
    // Another list never takes a number this one had.
    for (const std::uint64_t earlier : { room, kept, counted })
        EXPECT_NE(b.PointsStamp(), earlier);
    const std::uint64_t other = b.PointsStamp();
    a.Swap(b);
    EXPECT_EQ(a.PointsStamp(), other);
    EXPECT_EQ(b.PointsStamp(), counted);
    b.Add({ 4, 5, 6, 1 });
    EXPECT_EQ(b.PointsStamp(), 0u);
    b.Clear();
    EXPECT_NE(b.PointsStamp(), 0u);
    EXPECT_NE(b.PointsStamp(), counted);
}

TEST(GoruntuMatrisi, ScreenPointIndexChecked)
{
    TGoruntuMatrisi list;
    EXPECT_EQ(messageOf([&] { list.ScreenPoints(0); }), "List index out of bounds (0)");
    list.Add({ 8, 0, 0, 1 });
    list.Add({ 0, 8, 0, 1 });
    list.Project(SceneMatrix(0, 0, false));
    EXPECT_EQ(list.ScreenPoints(1).Y, 160);
    EXPECT_EQ(messageOf([&] { list.ScreenPoints(2); }), "List index out of bounds (2)");
    EXPECT_EQ(messageOf([&] { list.ScreenPoints(-1); }), "List index out of bounds (-1)");

    const TSpacePoint table[2] = { { 1, 1, 0, 1 }, { 2, 2, 0, 1 } };
    TPlaneMatrisi grid(1, table);
    EXPECT_EQ(grid.Count(), 2);
    EXPECT_EQ(messageOf([&] { grid.ScreenPoints(2); }), "List index out of bounds (2)");
    EXPECT_EQ(messageOf([&] { grid.ScreenPoints(-3); }), "List index out of bounds (-3)");
}

TEST(GoruntuMatrisi, ProjectionEqualsTheDirectProduct)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<double> coordinate(-12.0, 12.0);
    TGoruntuMatrisi list;
    std::vector<TSpacePoint> points;
    for (int i = 0; i < 2000; ++i) {
        const TSpacePoint p { coordinate(random), coordinate(random), coordinate(random), 1 };
        points.push_back(p);
        list.Add(p);
    }
    TPlaneMatrisi grid(static_cast<int>(points.size()) - 1, points.data());
    struct View {
        long double xAngle, yAngle;
        bool perspective;
        long double scale;
    };
    // Scales below 1.5 take every point; the grid does so whatever the scale.
    const View views[]
        = { { 15, 30, true, 0.05L }, { 15, 30, false, 0.05L }, { -73.5L, 200, true, 0.01L },
              { 0, -90, false, 1.2L }, { 90, 0, true, 0.5L }, { 33, 44, true, 3.2L } };
    for (const View& v : views) {
        SCOPED_TRACE(::testing::Message()
            << static_cast<double>(v.xAngle) << "," << static_cast<double>(v.yAngle) << " scale "
            << static_cast<double>(v.scale));
        const TTransformMatrix m = SceneMatrix(v.xAngle, v.yAngle, v.perspective, v.scale);
        list.Project(m);
        grid.Project(m);
        const int stride = v.scale < 1.5L ? 1 : 3;
        EXPECT_EQ(list.ProjectedCount(), (list.Count() - 1) / stride + 1);
        for (int i = 0; i < list.Count(); ++i) {
            const TScreenPoint expected = RoundedProduct(m, points[i]);
            EXPECT_EQ(grid.ScreenPoints(i).X, expected.X) << i;
            EXPECT_EQ(grid.ScreenPoints(i).Y, expected.Y) << i;
            if (i % stride == 0) {
                EXPECT_EQ(list.ScreenPoints(i / stride).X, expected.X) << i;
                EXPECT_EQ(list.ScreenPoints(i / stride).Y, expected.Y) << i;
            }
        }
    }
}

// A list projected again and again reads a copy of its points in double; every way
// the points change (added, rewritten in the room, cut, swapped, cleared) must make the
// next projection read the new points, never the copy of the old ones.
TEST(GoruntuMatrisi, ChangedPointsAreProjectedAfreshAfterTheCopy)
{
    const TTransformMatrix m = SceneMatrix(15, 30, true, 0.05L);
    const auto pointAt = [](int i, long double shift) {
        return TSpacePoint { std::sin(i * 0.01L) * 9 + shift, i * 0.001L, -shift, 1 };
    };
    const auto expectProjected = [&](TGoruntuMatrisi& list, long double shift, const char* how) {
        SCOPED_TRACE(how);
        // Three projections: the first, the one that makes the copy, one from it.
        for (int pass = 0; pass < 3; ++pass) {
            list.Project(m);
            ASSERT_EQ(list.ProjectedCount(), list.Count());
            int differing = 0;
            for (int i = 0; i < list.Count(); ++i) {
                const TScreenPoint expected = RoundedProduct(m, pointAt(i, shift));
                differing += list.ScreenPoints(i).X != expected.X || list.ScreenPoints(i).Y != expected.Y;
            }
            EXPECT_EQ(differing, 0) << "pass " << pass;
        }
    };
    TGoruntuMatrisi list;
    for (int i = 0; i < 5001; ++i)
        list.Add(pointAt(i, 0));
    expectProjected(list, 0, "added");
    list.Add(pointAt(5001, 0));
    expectProjected(list, 0, "one more added");
    TSpacePoint* room = list.Room(6000);
    for (int i = 0; i < 6000; ++i)
        room[i] = pointAt(i, 1);
    list.SetCountKeepingRoom(6000);
    expectProjected(list, 1, "written again in the room");
    room = list.Room(100);
    for (int i = 0; i < 100; ++i)
        room[i] = pointAt(i, 2);
    list.SetCount(100);
    expectProjected(list, 2, "cut");
    TGoruntuMatrisi other;
    for (int i = 0; i < 777; ++i)
        other.Add(pointAt(i, 3));
    list.Swap(other);
    expectProjected(list, 3, "swapped");
    expectProjected(other, 2, "the other of the swap");
    list.Clear();
    for (int i = 0; i < 50; ++i)
        list.Add(pointAt(i, 4));
    expectProjected(list, 4, "cleared and filled again");
    // Screen points written by the caller count as a first projection, whatever came
    // before: the copy is made by a projection after them, never taken as made.
    list.Project(m);
    room = list.Room(list.Count());
    for (int i = 0; i < list.Count(); ++i)
        room[i] = pointAt(i, 5);
    ProjectPoints(m, room, list.Count(), 1, list.ScreenRoom());
    list.Project(m);
    ProjectPoints(m, room, list.Count(), 1, list.ScreenRoom());
    list.SetProjectedAll(m);
    expectProjected(list, 5, "screen points written by the caller");
}

TEST(GoruntuMatrisi, StrideFollowsTheScale)
{
    TGoruntuMatrisi empty;
    empty.Project(SceneMatrix(15, 30, true));
    EXPECT_EQ(empty.ProjectedCount(), 0);

    TGoruntuMatrisi list;
    for (int i = 0; i < 5; ++i)
        list.Add({ 16.0L * i, 0, 0, 1 });
    TTransformMatrix m;
    m.SetScale(1.6L);
    list.Project(m);
    EXPECT_EQ(list.ProjectedCount(), 3);
    for (int j = 0; j < 3; ++j)
        EXPECT_EQ(list.ScreenPoints(j).X, 20 * j) << j; // space point 2j is (32j, 0, 0)

    struct Row {
        long double scale;
        int stride;
    };
    // A zero, negative or undefined scale takes every point rather than stepping
    // backwards or nowhere.
    const Row rows[] = { { 0.05L, 1 }, { 1.49L, 1 }, { 1.5L, 2 }, { 2.5L, 2 }, { 3.2L, 3 },
        { 0, 1 }, { -3, 1 }, { std::numeric_limits<long double>::quiet_NaN(), 1 },
        { 1e30L, std::numeric_limits<int>::max() } };
    for (const Row& row : rows) {
        m.SetScale(row.scale);
        EXPECT_EQ(TGoruntuMatrisi::Stride(m), row.stride) << static_cast<double>(row.scale);
    }
    m.SetScale(1e30L);
    list.Project(m);
    EXPECT_EQ(list.ProjectedCount(), 1);
}

// A point at or behind the eye (w <= 0) gets the BehindEye slot; any other point
// that does not project takes the slot before it (BehindEye included); nothing is
// written beyond the taken points.
TEST(GoruntuMatrisi, FailingPointsRepeatThePreviousScreenPoint)
{
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    const long double inf = std::numeric_limits<long double>::infinity();
    // With scale 0 and perspective, w = c * z with c < 0: exactly 0 in the plane z = 0,
    // in front of the eye below it and behind above it.
    TTransformMatrix m;
    m.SetScale(0);
    m.Multiply(TTransformMatrix::Perspective());
    const long double c = PerspectiveFactor();
    ASSERT_LT(c, 0);

    enum Outcome { Projects, Repeats, Behind };
    struct Row {
        TSpacePoint p;
        Outcome outcome;
    };
    const Row rows[] = {
        { { 1, 1, 0, 1 }, Behind }, // w = 0 first
        { { -3 * c, -4 * c, -1, 1 }, Projects },
        { { nan, 0, -1, 1 }, Repeats },
        { { 1e300L, 0, -1, 1 }, Repeats }, // beyond the 64-bit range
        { { inf, 0, -1, 1 }, Repeats },
        { { -1e12L * c, 1e12L * c, -1, 1 }, Projects }, // clamped to +-2^30
        { { 0, 0, nan, 1 }, Repeats },
        { { 5, 5, 0, 1 }, Behind }, // w = 0
        { { 3 * c, 4 * c, 1, 1 }, Behind }, // w < 0
        { { 0, nan, -1, 1 }, Repeats }, // the slot before it: behind the eye
        { { -2 * c, 7 * c, -1, 1 }, Projects },
    };
    TGoruntuMatrisi list;
    for (const Row& row : rows)
        list.Add(row.p);
    // A sentinel beyond the taken points: the capacity is 12, the count 11.
    ASSERT_EQ(list.Capacity(), 12);
    const_cast<TScreenPoint*>(list.ScreenPointData())[11] = { 77, 77 };
    list.Project(m);
    EXPECT_EQ(list.ProjectedCount(), 11);
    EXPECT_EQ(list.ScreenPointData()[11].X, 77);

    TScreenPoint previous { 0, 0 };
    for (int i = 0; i < list.Count(); ++i) {
        SCOPED_TRACE(i);
        TScreenPoint expected = previous;
        if (rows[i].outcome == Behind)
            expected = BehindEye;
        else if (rows[i].outcome == Projects) {
            const TReference r = DirectProduct(m, rows[i].p);
            expected = { static_cast<std::int32_t>(
                             std::clamp(std::nearbyint(r.X), -0x1p30L, 0x1p30L)),
                static_cast<std::int32_t>(std::clamp(std::nearbyint(r.Y), -0x1p30L, 0x1p30L)) };
        }
        EXPECT_EQ(list.ScreenPoints(i).X, expected.X);
        EXPECT_EQ(list.ScreenPoints(i).Y, expected.Y);
        EXPECT_EQ(Drawable(list.ScreenPoints(i)), Drawable(expected));
        previous = expected;
    }
    EXPECT_FALSE(Drawable(list.ScreenPoints(0)));
    EXPECT_EQ(list.ScreenPoints(1).X, 3);
    EXPECT_EQ(list.ScreenPoints(1).Y, 4);
    EXPECT_EQ(list.ScreenPoints(4).X, 3);
    EXPECT_EQ(list.ScreenPoints(5).X, 1 << 30);
    EXPECT_EQ(list.ScreenPoints(5).Y, -(1 << 30));
    EXPECT_FALSE(Drawable(list.ScreenPoints(9)));
    EXPECT_EQ(list.ScreenPoints(10).X, 2);
    EXPECT_EQ(list.ScreenPoints(10).Y, -7);

    // The single-point projection refuses the same points.
    TScreenPoint single { 0, 0 };
    EXPECT_FALSE(ProjectPoint(m, rows[7].p, single));
    EXPECT_FALSE(ProjectPoint(m, rows[8].p, single));
    EXPECT_TRUE(ProjectPoint(m, rows[10].p, single));
    EXPECT_EQ(single.X, 2);

    // The grids share the guard.
    std::vector<TSpacePoint> table;
    for (const Row& row : rows)
        table.push_back(row.p);
    TPlaneMatrisi grid(static_cast<int>(table.size()) - 1, table.data());
    grid.Project(m);
    for (int i = 0; i < list.Count(); ++i) {
        EXPECT_EQ(grid.ScreenPoints(i).X, list.ScreenPoints(i).X) << i;
        EXPECT_EQ(grid.ScreenPoints(i).Y, list.ScreenPoints(i).Y) << i;
    }
}

// Projection computes in double and falls back to extended precision near a rounding
// tie, near the eye plane and out of range: every screen point must still be the
// extended one. Random scenes at zooms from 1 % to 10^9 %, both projections, with
// points at and beside exact ties, about the eye plane and at extreme magnitudes.
TEST(GoruntuMatrisi, DoubleProjectionEqualsTheExtendedOneOnEveryPoint)
{
    std::mt19937_64 random(18);
    std::uniform_real_distribution<long double> unit(-1, 1);
    std::uniform_int_distribution<int> exponent(-40, 40);
    std::uniform_int_distribution<int> kind(0, 9);
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    const long double inf = std::numeric_limits<long double>::infinity();
    const long double odd[] = { 0.0L, -0.0L, nan, inf, -inf, 1e300L, 1e-300L, 1e4000L, 1e-4000L,
        std::numeric_limits<long double>::denorm_min(), 0x1p63L, 0x1p40L, 1e-20L };
    // The reference: the direct product, halves to even, out of range repeats.
    const auto reference = [](const TTransformMatrix& m, const TSpacePoint& p, TScreenPoint& last) {
        const TReference r = DirectProduct(m, p);
        if (r.W <= 0.0L) {
            last = BehindEye;
            return;
        }
        const long double x = std::nearbyint(r.X), y = std::nearbyint(r.Y);
        if (!(x >= -0x1p63L && x < 0x1p63L && y >= -0x1p63L && y < 0x1p63L))
            return;
        last = { static_cast<std::int32_t>(std::clamp(x, -0x1p30L, 0x1p30L)),
            static_cast<std::int32_t>(std::clamp(y, -0x1p30L, 0x1p30L)) };
    };
    const int percents[]
        = { 1, 7, 100, 333, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000 };
    int scenes = 0, ties = 0;
    for (const int percent : percents)
        for (const bool perspective : { false, true })
            for (int view = 0; view < 4; ++view) {
                // The first view looks straight along z, where exact ties are easy to build.
                const long double ax = view == 0 ? 0 : 360 * unit(random);
                const long double ay = view == 0 ? 0 : 360 * unit(random);
                TCamera camera;
                camera.SetAngles(ax, ay);
                camera.SetZoom(percent);
                camera.SetPerspective(perspective);
                camera.BuildMatrix();
                const TTransformMatrix& m = camera.Matrix();
                const long double scale = camera.Scale();
                TGoruntuMatrisi list;
                for (int i = 0; i < 3000; ++i) {
                    TSpacePoint p { 10 * unit(random), 10 * unit(random), 10 * unit(random), 1 };
                    // Plain points half the time, so that runs of them, and runs with
                    // one odd point among them, are projected together.
                    switch (kind(random)) {
                    case 1: // any magnitude
                        p.X *= std::pow(10.0L, exponent(random));
                        p.Y *= std::pow(10.0L, exponent(random));
                        p.Z *= std::pow(10.0L, exponent(random));
                        break;
                    case 2: { // at or a few units beside a tie k + 1/2 (exact along z)
                        const long double q = std::floor(2000 * unit(random)) + 0.5L;
                        const auto& e = m.M();
                        p.Z = view == 0 ? 0 : p.Z;
                        const long double w
                            = p.X * e[0][3] + p.Y * e[1][3] + p.Z * e[2][3] + e[3][3];
                        p.X = (q * w - p.Y * e[1][0] - p.Z * e[2][0]) / e[0][0];
                        for (int n = i / 6 % 5; n > 0; --n)
                            p.X = std::nextafter(p.X, (i & 1) ? inf : -inf);
                        ++ties;
                        break;
                    }
                    case 3: { // about the eye plane (w near 0)
                        const auto& e = m.M();
                        if (e[2][3] != 0) {
                            p.Z = -(p.X * e[0][3] + p.Y * e[1][3] + e[3][3]) / e[2][3];
                            for (int n = i / 6 % 3; n > 0; --n)
                                p.Z = std::nextafter(p.Z, (i & 1) ? inf : -inf);
                        }
                        break;
                    }
                    case 4: // an odd coordinate
                        (i & 1 ? p.X : p.Z) = odd[i / 6 % std::size(odd)];
                        break;
                    case 5: // far out, scaled with the zoom
                        p.X = p.X * scale * 1e6L;
                        p.Y = p.Y * scale * 1e6L;
                        break;
                    }
                    list.Add(p);
                }
                ++scenes;
                // Projected three times: from the long doubles, then again while the
                // copy in double is made, then from that copy.
                for (int pass = 0; pass < 3; ++pass) {
                    camera.Project(list);
                    SCOPED_TRACE(::testing::Message()
                        << percent << "% perspective " << perspective << " angles "
                        << static_cast<double>(ax) << "," << static_cast<double>(ay) << " pass "
                        << pass);
                    const int stride = camera.Stride();
                    ASSERT_EQ(list.ProjectedCount(), (list.Count() - 1) / stride + 1);
                    TScreenPoint last { 0, 0 };
                    int differing = 0;
                    for (int j = 0; j < list.ProjectedCount(); ++j) {
                        reference(m, list.SpacePoints(j * stride), last);
                        const TScreenPoint s = list.ScreenPoints(j);
                        if (s.X != last.X || s.Y != last.Y) {
                            if (++differing <= 3)
                                ADD_FAILURE() << "point " << j * stride << " gives " << s.X << ","
                                              << s.Y << " instead of " << last.X << "," << last.Y;
                        }
                    }
                    EXPECT_EQ(differing, 0);
                }
            }
    EXPECT_EQ(scenes, 88);
    EXPECT_GT(ties, 20000);
}

// A long list is projected on several cores: every slot equals the one-by-one rule,
// also where a later block starts with points that repeat the slot before them
// (after a projected point, and after one behind the eye).
TEST(GoruntuMatrisi, LongListsProjectAsOneWouldPointByPoint)
{
    TCamera camera;
    camera.SetAngles(20, -35);
    camera.SetZoom(100);
    camera.SetPerspective(true);
    camera.BuildMatrix();
    const TTransformMatrix& m = camera.Matrix();
    std::mt19937_64 random(7);
    std::uniform_real_distribution<long double> unit(-1, 1);
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    const int count = static_cast<int>(4 * ProjectionBlockMinimum * 3 + 11);
    std::vector<TSpacePoint> points(static_cast<std::size_t>(count));
    for (TSpacePoint& p : points)
        p = { 10 * unit(random), 10 * unit(random), 2000 * unit(random), 1 };
    // Runs that do not project across every place a block starts, for both strides;
    // every other run follows a point behind the eye.
    for (const int stride : { 1, 3 }) {
        const std::int64_t taken = (count - 1) / stride + 1;
        for (std::int64_t first = ProjectionBlock; first < taken; first += ProjectionBlock) {
            for (std::int64_t j = first - 2; j < first + 3 && j < taken; ++j)
                points[static_cast<std::size_t>(j * stride)].X = nan;
            if (first / ProjectionBlock % 2 == 0)
                points[static_cast<std::size_t>((first - 3) * stride)].Z = 1e9L;
        }
    }
    // Stride 1 also while a copy in double is made and from the copy (see TDoubleCopy).
    std::vector<double> copy(static_cast<std::size_t>(count + 3) / 4 * 12);
    for (const auto& [stride, copied] : { std::pair { 1, TDoubleCopy {} }, std::pair { 3, TDoubleCopy {} },
             std::pair { 1, TDoubleCopy { copy.data(), false } },
             std::pair { 1, TDoubleCopy { copy.data(), true } } }) {
        SCOPED_TRACE(::testing::Message() << stride << (copied.Data ? " copy " : "") << copied.Ready);
        std::vector<TScreenPoint> screen(static_cast<std::size_t>(count));
        const int taken = ProjectPoints(m, points.data(), count, stride, screen.data(), copied);
        ASSERT_EQ(taken, (count - 1) / stride + 1);
        TScreenPoint last { 0, 0 };
        int differing = 0, repeats = 0, behind = 0;
        for (int j = 0; j < taken; ++j) {
            const TSpacePoint& p = points[static_cast<std::size_t>(j) * stride];
            const auto& e = m.M();
            if (!ProjectPoint(m, p, last)) {
                if (p.X * e[0][3] + p.Y * e[1][3] + p.Z * e[2][3] + e[3][3] <= 0.0L) {
                    last = BehindEye;
                    ++behind;
                } else {
                    ++repeats;
                }
            }
            const TScreenPoint s = screen[static_cast<std::size_t>(j)];
            if ((s.X != last.X || s.Y != last.Y) && ++differing <= 3)
                ADD_FAILURE() << "point " << j << " gives " << s.X << "," << s.Y << " instead of "
                              << last.X << "," << last.Y;
        }
        EXPECT_EQ(differing, 0);
        EXPECT_GT(repeats, 50);
        EXPECT_GT(behind, 3);
    }
}
