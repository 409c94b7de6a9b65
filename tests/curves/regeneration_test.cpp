#include "curves/object_list.h"
#include "curves_test_support.h"

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <new>
#include <vector>

// Every allocation through operator new in this test program is counted, so that a
// test can tell that a piece of work allocated nothing. The point lists take their
// blocks with realloc: that they kept their room shows in their data and capacity.
namespace {
std::atomic<long long> allocations { 0 };
}

void* operator new(std::size_t size)
{
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* block = std::malloc(size ? size : 1))
        return block;
    throw std::bad_alloc();
}
// The library's temporary buffers (a stable sort's) come from the form that does
// not throw and go back through plain delete: it takes its block from malloc as well.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    allocations.fetch_add(1, std::memory_order_relaxed);
    return std::malloc(size ? size : 1);
}
void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { std::free(block); }

namespace {
std::vector<TSpacePoint> copyOf(const TGoruntuMatrisi& points)
{
    return { points.SpacePointData(), points.SpacePointData() + points.Count() };
}

// Whether the lists hold the same points, every coordinate in all its 80 bits.
bool samePoints(const std::vector<TSpacePoint>& a, const TGoruntuMatrisi& b)
{
    if (static_cast<int>(a.size()) != b.Count())
        return false;
    for (int i = 0; i < b.Count(); ++i)
        for (const auto c : { &TSpacePoint::X, &TSpacePoint::Y, &TSpacePoint::Z, &TSpacePoint::W })
            if (std::memcmp(&(a[static_cast<std::size_t>(i)].*c), &(b.SpacePoints(i).*c), 10) != 0)
                return false;
    return true;
}

// The sample each point was generated from: where the list's record of left-out
// samples places it.
std::vector<int> samplesOf(const TGoruntuMatrisi& points)
{
    std::vector<int> samples;
    for (int i = 0; i < points.Count(); ++i)
        samples.push_back(points.SampleOf(i));
    return samples;
}

// Stops a generation at its first word, or lets it run; counts what it is told.
class TStopAt : public TGenerationProgress {
public:
    bool Stop = true;
    int Begun = 0, Ended = 0, Told = 0;
    void Begin() override { ++Begun; }
    bool Continue(long long done, long long total) override
    {
        EXPECT_LE(done, total + 2 * 65536);
        ++Told;
        return !Stop;
    }
    void End() override { ++Ended; }
};

// Small and large curves of every type (the large ones sampled on helper threads),
// with samples that fail among them.
const TCurveValues curves[] = {
    Curve(ctXYPlane, "", "x^2+k", "", 0.01L),
    Curve(ctXYPlane, "", "ln(x)*sin(x)+1/(x-0.5)+k", "", 0.0008L),
    Curve(ctXZPlane, "", "", "arcsin(x/10)+x^0.5-cos(x)^2+k", 0.0008L),
    Curve(ctYZPlane, "", "", "sin(y)*cos(2*y)+1/(y-k)", 0.001L),
    Curve(ctXYZSpace, "", "x*x+k", "1/sin(x*x)", 0.0008L),
    Curve(ctSpherical, "sin(a)*cos(b)", "sin(a)*sin(b)+k", "cos(a)", 0.02L),
    Curve(ctSpherical, "4.5*sin(a)*cos(b)", "4.5*sin(a)*sin(b)", "4.5*cos(a)*k", 0.01L),
    Curve(ctPolar, "", "", "2+ln(sin(3*a))+k", 0.00025L),
    Curve(ctCylindrical, "cos(t)", "sin(t)/ln(t)", "t+k", 0.0008L),
    Curve(ctCylindrical, "cos(t)", "sin(t)", "t*k", 0.1L),
    Curve(ctXYPlane, "", "(k-x)^0.5", "", 0.001L),
    Curve(ctXYZSurface, "", "", "(x*y+k)^0.5", 0.05L),
    Curve(ctParametric, "(3+cos(v))*cos(u)", "(3+cos(v))*sin(u)", "sin(v)+ln(u-k)", 0.02L),
};
}

// A curve generated again in place keeps its room and gives, bit for bit, the points a
// new list gets, each numbered by the sample it came from as there: again as they
// were, after the table changed shape under it, and with a value its formulas read
// changed as a slider changes it (which moves the samples that fail).
TEST(Regeneration, InPlaceGivesTheSamePointsAsANewList)
{
    for (const int threads : { 1, 0, 3 })
        for (const TCurveValues& v : curves) {
            SCOPED_TRACE(::testing::Message() << threads << " threads, type " << v.Type << " "
                                              << v.Fx << "; " << v.Fy << "; " << v.Fz);
            TObjectList list;
            list.SetThreads(threads);
            Append(list, v);
            const TGoruntuMatrisi& points = *list.Items(0).Points;
            const std::vector<TSpacePoint> first = copyOf(points);
            const std::vector<int> firstSamples = samplesOf(points);
            const TSpacePoint* const data = points.SpacePointData();
            const int capacity = points.Capacity();
            list.GeneratePoints(0);
            EXPECT_TRUE(samePoints(first, points));
            // Other names move every slot of the table.
            Append(list, Curve(ctXYPlane, "", "aa+bb+cc+dd+ee+ff+gg+x", "", 1));
            list.GeneratePoints(0);
            EXPECT_TRUE(samePoints(first, points));
            EXPECT_EQ(samplesOf(points), firstSamples);
            EXPECT_EQ(points.SpacePointData(), data);
            EXPECT_EQ(points.Capacity(), capacity);

            list.SetParameterValue("k", 3);
            TCurveValues three = v;
            for (std::string* text : { &three.Fx, &three.Fy, &three.Fz })
                if (const std::size_t at = text->find('k'); at != std::string::npos)
                    text->replace(at, 1, "3");
            TObjectList fresh;
            const TGoruntuMatrisi& freshPoints = *fresh.Items(Append(fresh, three)).Points;
            EXPECT_TRUE(samePoints(copyOf(freshPoints), points));
            EXPECT_EQ(samplesOf(freshPoints), samplesOf(points));
            // A surface's grid, its holes where samples fail and whether it closes, too.
            EXPECT_EQ(freshPoints.GridRows(), points.GridRows());
            EXPECT_EQ(freshPoints.GridColumns(), points.GridColumns());
            EXPECT_EQ(freshPoints.Grid().Index, points.Grid().Index);
            EXPECT_EQ(freshPoints.Grid().ClosesColumns, points.Grid().ClosesColumns);
            EXPECT_EQ(points.SpacePointData(), data);
        }
}

// Once a curve has been generated, generating it again allocates nothing, on one
// thread and on the helpers alike.
TEST(Regeneration, AllocatesNothing)
{
    for (const int threads : { 1, 0 })
        for (const TCurveValues& v : { curves[0], curves[1], curves[6] }) {
            SCOPED_TRACE(::testing::Message() << threads << " threads, " << v.Fy);
            TTransformMatrix matrix;
            matrix.SetScale(0.05L);
            TObjectList list;
            list.SetMatrix(&matrix);
            list.SetThreads(threads);
            Append(list, v);
            list.SetParameterValue("k", 1); // the helpers' own tables and caches are made here
            const TGoruntuMatrisi& points = *list.Items(0).Points;
            const TSpacePoint* const data = points.SpacePointData();
            const int capacity = points.Capacity();
            const long long before = allocations.load();
            for (int i = 0; i < 5; ++i)
                list.GeneratePoints(0);
            EXPECT_EQ(allocations.load() - before, 0);
            // A parameter moved, as a slider moves it, allocates nothing either.
            const long long beforeChanges = allocations.load();
            for (int i = 0; i < 5; ++i)
                list.SetParameterValue("k", i % 2 == 0 ? 2 : 1);
            EXPECT_EQ(allocations.load() - beforeChanges, 0);
            EXPECT_EQ(points.SpacePointData(), data);
            EXPECT_EQ(points.Capacity(), capacity);
            EXPECT_EQ(points.ProjectedCount(), points.Count());
        }
}

// A generation its progress stops raises EGenerationStopped and leaves the list as it
// was: no new curve, an edited curve with its points, step and formulas.
TEST(Regeneration, StoppedLeavesTheListAsItWas)
{
    for (const int threads : { 1, 0, 3 }) {
        SCOPED_TRACE(threads);
        TStopAt progress;
        TObjectList list;
        list.SetThreads(threads);
        list.SetProgress(&progress);
        progress.Stop = false;
        const TCurveValues large = Curve(ctXYPlane, "", "ln(x)*sin(x)+1/(x-0.5)", "", 0.0001L);
        Append(list, large);
        EXPECT_GT(progress.Told, 0);
        const TCurveRecord before = list.Items(0);
        const std::vector<TSpacePoint> points = copyOf(*before.Points);

        progress.Stop = true;
        EXPECT_THROW(Append(list, curves[2]), EGenerationStopped);
        EXPECT_EQ(list.Count(), 1);
        TCurveValues finer = large;
        finer.Step = 0.00005L;
        EXPECT_THROW(Edit(list, 0, finer), EGenerationStopped);
        EXPECT_THROW(Edit(list, 0, curves[6]), EGenerationStopped);
        const TCurveRecord after = list.Items(0);
        EXPECT_EQ(after.Step, before.Step);
        EXPECT_EQ(after.CurveType, before.CurveType);
        EXPECT_EQ(after.Fy->GetText(), large.Fy);
        EXPECT_EQ(after.Points->SpacePointData(), before.Points->SpacePointData());
        EXPECT_TRUE(samePoints(points, *after.Points));
        EXPECT_EQ(progress.Begun, 4);
        EXPECT_EQ(progress.Ended, 4);

        // In place there is nothing to go back to: the progress is not asked.
        list.GeneratePoints(0);
        EXPECT_TRUE(samePoints(points, *after.Points));
        EXPECT_EQ(progress.Begun, 4);
    }
}

namespace {
// Stops the generation it is told of the given number of times, or none (0), and asks
// to stop every put-back. At every word it may ask a list to change parameter m, as
// the window's events could.
class TStopGeneration : public TGenerationProgress {
public:
    explicit TStopGeneration(int stopAt)
        : StopAt(stopAt)
    {
    }
    int StopAt;
    int Begun = 0, PutBacks = 0, PutBackWords = 0;
    bool PuttingBack = false;
    TObjectList* Nested = nullptr;
    bool Refused = false;
    void Begin() override
    {
        ++Begun;
        PuttingBack = false;
    }
    void BeginPutBack() override
    {
        ++PutBacks;
        PuttingBack = true;
    }
    bool Continue(long long, long long) override
    {
        if (Nested) {
            try {
                Nested->SetParameterValue("m", 5);
            } catch (const EGenerationStopped&) {
                Refused = true;
            }
        }
        PutBackWords += PuttingBack ? 1 : 0;
        return !PuttingBack && Begun != StopAt;
    }
    void End() override { }
};
}

// A parameter change stopped leaves every curve as it was, bit for bit, those it had
// generated already with the one stopped, and the settings with them, told to the
// progress as put-backs that a stop asked for does not cut short; one not stopped
// gives the points of another list changed alike. A change asked for while a
// generation runs changes nothing.
TEST(Regeneration, StoppedParameterChangeLeavesEveryCurveAsItWas)
{
    const TCurveValues shown[] = {
        Curve(ctXYPlane, "", "k*sin(x)+1/(x-0.5)", "", 0.0001L),
        Curve(ctXYPlane, "", "m*x", "", 0.01L),
        Curve(ctCylindrical, "cos(t)+k", "sin(t)*m", "t/k", 0.001L),
    };
    for (const int threads : { 1, 0 }) {
        SCOPED_TRACE(threads);
        TObjectList list;
        list.SetThreads(threads);
        for (const TCurveValues& c : shown)
            Append(list, c);
        list.SetParameterValue("k", 2);
        const TParameters settings = list.Parameters();
        std::vector<std::vector<TSpacePoint>> before;
        for (int i = 0; i < list.Count(); ++i)
            before.push_back(copyOf(*list.Items(i).Points));
        const auto asBefore = [&] {
            EXPECT_EQ(list.Parameters(), settings);
            for (int i = 0; i < list.Count(); ++i)
                EXPECT_TRUE(samePoints(before[static_cast<std::size_t>(i)], *list.Items(i).Points))
                    << i;
        };
        for (const int stopAt : { 1, 2 }) {
            SCOPED_TRACE(stopAt);
            TStopGeneration progress(stopAt);
            list.SetProgress(&progress);
            TParameter k = *list.Parameters().Find("k");
            k.Value = 3;
            k.Max = 7;
            EXPECT_THROW(list.ApplyParameters({ k }), EGenerationStopped);
            EXPECT_EQ(progress.Begun, stopAt);
            EXPECT_EQ(progress.PutBacks, stopAt);
            EXPECT_GT(progress.PutBackWords, 0);
            asBefore();
        }

        TStopGeneration nested(0);
        nested.Nested = &list;
        list.SetProgress(&nested);
        EXPECT_EQ(list.SetParameterValue("k", 3), 2);
        EXPECT_TRUE(nested.Refused);
        EXPECT_EQ(list.Parameters().ValueOf("m"), 0);

        TObjectList other;
        other.SetThreads(threads);
        for (const TCurveValues& c : shown)
            Append(other, c);
        other.SetParameterValue("k", 3);
        for (int i = 0; i < list.Count(); ++i)
            EXPECT_TRUE(samePoints(copyOf(*other.Items(i).Points), *list.Items(i).Points)) << i;
    }
}

// A list given a source takes a curve's points from it, rather than sampling, when the
// source holds the same curve at the same values: the points, their samples, the grid
// and the projection are those sampling gives, and a list generated again keeps its
// room. A curve that differs in its step, its texts or a value it reads is sampled, and
// so is one whose source is generating.
TEST(Regeneration, ACurveTakenFromItsSourceIsTheOneSamplingGives)
{
    TTransformMatrix matrix;
    matrix.SetScale(0.05L);
    for (const int threads : { 1, 0 })
        for (const TCurveValues& v : curves) {
            SCOPED_TRACE(::testing::Message() << threads << " threads, type " << v.Type << " "
                                              << v.Fx << "; " << v.Fy << "; " << v.Fz);
            TObjectList source;
            source.SetThreads(threads);
            Append(source, Curve(ctXYPlane, "", "x+k", "", 0.5L));
            Append(source, v);
            source.SetParameterValue("k", 2);

            TObjectList sampled;
            sampled.SetMatrix(&matrix);
            sampled.ExpectParameters(source.Parameters().Items());
            const TGoruntuMatrisi& expected = *sampled.Items(Append(sampled, v)).Points;
            TObjectList preview;
            preview.SetMatrix(&matrix);
            preview.SetSource(&source);
            preview.ExpectParameters(source.Parameters().Items());
            const TGoruntuMatrisi& points = *preview.Items(Append(preview, v)).Points;
            EXPECT_EQ(preview.Generations(), 0);
            EXPECT_EQ(preview.Copies(), 1);
            const auto same = [&](const TGoruntuMatrisi& a, const TGoruntuMatrisi& b) {
                EXPECT_TRUE(samePoints(copyOf(a), b));
                EXPECT_EQ(samplesOf(a), samplesOf(b));
                EXPECT_EQ(a.Grid().Index, b.Grid().Index);
                EXPECT_EQ(a.GridRows(), b.GridRows());
                EXPECT_EQ(a.GridColumns(), b.GridColumns());
                EXPECT_EQ(a.Grid().ClosesRows, b.Grid().ClosesRows);
                EXPECT_EQ(a.Grid().ClosesColumns, b.Grid().ClosesColumns);
                ASSERT_EQ(a.ProjectedCount(), b.ProjectedCount());
                EXPECT_EQ(std::memcmp(a.ScreenPointData(), b.ScreenPointData(),
                              sizeof(TScreenPoint) * static_cast<std::size_t>(a.ProjectedCount())),
                    0);
            };
            same(expected, points);

            // The window moves k: the preview follows it from the window's points, in place.
            const TSpacePoint* const data = points.SpacePointData();
            const int capacity = points.Capacity();
            source.SetParameterValue("k", 1.5L);
            EXPECT_EQ(preview.ApplyParameters(source.Parameters().Items()), 1);
            EXPECT_EQ(preview.Copies(), 2);
            EXPECT_EQ(preview.Generations(), 0);
            sampled.ApplyParameters(source.Parameters().Items());
            same(expected, points);
            if (points.Capacity() == capacity) {
                EXPECT_EQ(points.SpacePointData(), data);
            }

            // Another value than the source's is sampled, and so is another step.
            preview.SetParameterValue("k", 4);
            EXPECT_EQ(preview.Generations(), 1);
            sampled.SetParameterValue("k", 4);
            same(expected, points);
            TCurveValues finer = v;
            finer.Step = v.Step * 0.75L;
            Edit(preview, 0, finer);
            EXPECT_EQ(preview.Generations(), 2);
            EXPECT_EQ(preview.Copies(), 2);
        }

    // Nothing is taken from a source in the middle of its own generation.
    TObjectList source;
    TObjectList preview;
    preview.SetSource(&source);
    struct TTakeDuring : TGenerationProgress {
        TObjectList* Source = nullptr;
        TObjectList* Preview = nullptr;
        bool Done = false;
        void Begin() override { }
        bool Continue(long long, long long) override
        {
            if (!Done) {
                Done = true;
                Preview->ExpectParameters(Source->Parameters().Items());
                Append(*Preview, Curve(ctXYPlane, "", "x*k", "", 0.0001L));
            }
            return true;
        }
        void End() override { }
    } during;
    during.Source = &source;
    during.Preview = &preview;
    Append(source, Curve(ctXYPlane, "", "x*k", "", 0.0001L));
    source.SetProgress(&during);
    source.SetParameterValue("k", 3);
    EXPECT_TRUE(during.Done);
    EXPECT_EQ(preview.Copies(), 0);
    EXPECT_EQ(preview.Generations(), 1);
}

// A coarser step is sampled in the curve's own points, which need no second list: the
// points are those of a new list at that step. Stopped, the old step walked again leaves
// every point as it was, in the same room; a finer step stopped leaves it alike.
TEST(Regeneration, ACoarserStepIsSampledInPlace)
{
    TTransformMatrix matrix;
    matrix.SetScale(0.05L);
    for (const int threads : { 1, 0 })
        for (const TCurveValues& v : { curves[1], curves[5], curves[8], curves[11] }) {
            SCOPED_TRACE(::testing::Message() << threads << " threads, type " << v.Type << " "
                                              << v.Fx << "; " << v.Fy << "; " << v.Fz);
            TStopAt progress;
            progress.Stop = false;
            TObjectList list;
            list.SetMatrix(&matrix);
            list.SetThreads(threads);
            list.SetProgress(&progress);
            Append(list, v);
            const TGoruntuMatrisi& points = *list.Items(0).Points;
            const std::vector<TSpacePoint> before = copyOf(points);
            const std::vector<int> samples = samplesOf(points);
            const std::vector<std::int32_t> grid = points.Grid().Index;
            const std::vector<TScreenPoint> screen(
                points.ScreenPointData(), points.ScreenPointData() + points.ProjectedCount());
            const TSpacePoint* const data = points.SpacePointData();
            const int capacity = points.Capacity();
            const auto asBefore = [&] {
                EXPECT_EQ(list.Items(0).Step, v.Step);
                EXPECT_TRUE(samePoints(before, points));
                EXPECT_EQ(samplesOf(points), samples);
                EXPECT_EQ(points.Grid().Index, grid);
                ASSERT_EQ(points.ProjectedCount(), static_cast<int>(screen.size()));
                EXPECT_EQ(std::memcmp(points.ScreenPointData(), screen.data(),
                              screen.size() * sizeof(TScreenPoint)),
                    0);
                EXPECT_EQ(points.SpacePointData(), data);
                EXPECT_EQ(points.Capacity(), capacity);
            };
            progress.Stop = true;
            TCurveValues coarser = v;
            coarser.Step = v.Step * 1.5L;
            EXPECT_THROW(Edit(list, 0, coarser), EGenerationStopped);
            asBefore();
            TCurveValues finer = v;
            finer.Step = v.Step * 0.75L;
            EXPECT_THROW(Edit(list, 0, finer), EGenerationStopped);
            asBefore();

            progress.Stop = false;
            Edit(list, 0, coarser);
            EXPECT_EQ(list.Items(0).Step, coarser.Step);
            EXPECT_EQ(points.SpacePointData(), data);
            TObjectList fresh;
            fresh.SetThreads(threads);
            const TGoruntuMatrisi& expected = *fresh.Items(Append(fresh, coarser)).Points;
            EXPECT_TRUE(samePoints(copyOf(expected), points));
            EXPECT_EQ(samplesOf(expected), samplesOf(points));
            EXPECT_EQ(expected.Grid().Index, points.Grid().Index);
        }
}
