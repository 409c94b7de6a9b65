#include "geometry/goruntu_matrisi.h"

#include "base/growth.h"
#include "base/message.h"
#include "geometry/projection.h"

#include <algorithm>
#include <atomic>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

namespace {
constexpr const char* IndexMessage = "List index out of bounds (%d)";

// The points are plain values, so the arrays grow with realloc: a large block is
// moved by the system's page mapping rather than copied point by point.
template <typename T> T* resized(T* block, int capacity)
{
    void* grown = std::realloc(block, sizeof(T) * static_cast<std::size_t>(capacity));
    if (!grown)
        throw std::bad_alloc();
    return static_cast<T*>(grown);
}
}

TGoruntuMatrisi::~TGoruntuMatrisi() { Clear(); }

void TGoruntuMatrisi::Grow()
{
    if (FCapacity == INT_MAX)
        throw std::bad_alloc();
    const long long wanted = static_cast<long long>(FCapacity) + GrowthDelta(FCapacity);
    const int capacity = wanted > INT_MAX ? INT_MAX : static_cast<int>(wanted);
    // Should the second array fail, the first keeps its larger block and the
    // capacity stays the old one, which both arrays still hold.
    FSpacePoints = resized(FSpacePoints, capacity);
    FScreenPoints = resized(FScreenPoints, capacity);
    FCapacity = capacity;
}

namespace {
// The capacity that Adds grow from `from` to hold count points.
int grownTo(int from, int count)
{
    int capacity = from;
    while (capacity < count)
        capacity = static_cast<int>(
            std::min<long long>(INT_MAX, static_cast<long long>(capacity) + GrowthDelta(capacity)));
    return capacity;
}
}

std::uint64_t TGoruntuMatrisi::NewStamp()
{
    static std::atomic<std::uint64_t> last { 0 };
    return last.fetch_add(1, std::memory_order_relaxed) + 1;
}

void TGoruntuMatrisi::SetCount(int n)
{
    FCount = n;
    FCopyState = TCopyState::PointsChanged;
    FStamp = NewStamp();
    // Shrinking a block in place does not fail; should it, the larger block stays,
    // which a smaller capacity leaves safe.
    const int capacity = grownTo(0, n);
    if (capacity >= FCapacity || capacity == 0)
        return;
    if (void* space
        = std::realloc(FSpacePoints, sizeof(TSpacePoint) * static_cast<std::size_t>(capacity))) {
        FSpacePoints = static_cast<TSpacePoint*>(space);
        FCapacity = capacity;
        if (void* screen = std::realloc(
                FScreenPoints, sizeof(TScreenPoint) * static_cast<std::size_t>(capacity)))
            FScreenPoints = static_cast<TScreenPoint*>(screen);
    }
}

TSpacePoint* TGoruntuMatrisi::Room(int count)
{
    FCopyState = TCopyState::PointsChanged;
    FStamp = NewStamp();
    const int capacity = grownTo(FCapacity, count);
    if (capacity != FCapacity) {
        FSpacePoints = resized(FSpacePoints, capacity);
        FScreenPoints = resized(FScreenPoints, capacity);
        FCapacity = capacity;
    }
    return FSpacePoints;
}

void TGoruntuMatrisi::CopyFrom(const TGoruntuMatrisi& other)
{
    if (&other == this)
        return;
    // All the room first, so that nothing below raises once a point is written.
    FGaps.reserve(other.FGaps.size());
    FGrid.Index.reserve(other.FGrid.Index.size());
    Room(other.FCount);
    if (other.FCount > 0)
        std::memcpy(FSpacePoints, other.FSpacePoints,
            sizeof(TSpacePoint) * static_cast<std::size_t>(other.FCount));
    SetCountKeepingRoom(other.FCount);
    FGaps.assign(other.FGaps.begin(), other.FGaps.end());
    FGrid.Rows = other.FGrid.Rows;
    FGrid.Columns = other.FGrid.Columns;
    FGrid.ClosesRows = other.FGrid.ClosesRows;
    FGrid.ClosesColumns = other.FGrid.ClosesColumns;
    FGrid.Index.assign(other.FGrid.Index.begin(), other.FGrid.Index.end());
}

void TGoruntuMatrisi::Clear()
{
    std::free(FSpacePoints);
    std::free(FScreenPoints);
    std::free(FCopy);
    FSpacePoints = nullptr;
    FScreenPoints = nullptr;
    FCopy = nullptr;
    FCopyRoom = 0;
    FCopyState = TCopyState::PointsChanged;
    FStamp = NewStamp();
    FCount = 0;
    FCapacity = 0;
    FProjectedCount = 0;
    FGaps.clear();
    FGrid.Rows = FGrid.Columns = 0;
    FGrid.ClosesRows = FGrid.ClosesColumns = false;
    FGrid.Index.clear();
}

void TGoruntuMatrisi::Swap(TGoruntuMatrisi& other) noexcept
{
    std::swap(FSpacePoints, other.FSpacePoints);
    std::swap(FScreenPoints, other.FScreenPoints);
    std::swap(FCount, other.FCount);
    std::swap(FCapacity, other.FCapacity);
    std::swap(FProjectedCount, other.FProjectedCount);
    std::swap(FCopy, other.FCopy);
    std::swap(FCopyRoom, other.FCopyRoom);
    std::swap(FCopyState, other.FCopyState);
    std::swap(FStamp, other.FStamp);
    std::swap(FGrid, other.FGrid);
    FGaps.swap(other.FGaps);
}

void TGoruntuMatrisi::SetLeftOut(const std::vector<TLeftOutRun>& runs)
{
    // Written over the earlier record, whose room is kept: a list generated again and
    // again leaves out as many samples each time and allocates nothing for them. There
    // are no more gaps than runs, so once the room is had nothing below raises.
    FGaps.reserve(runs.size());
    FGaps.clear();
    int skipped = 0;
    for (const TLeftOutRun& run : runs) {
        if (run.Count <= 0)
            continue;
        // The run lies before the point that would otherwise have had its first sample.
        const int point = run.First - skipped;
        skipped += run.Count;
        if (!FGaps.empty() && FGaps.back().Point == point)
            FGaps.back().Skipped = skipped;
        else
            FGaps.push_back({ point, skipped });
    }
}

void TGoruntuMatrisi::SetGrid(int rows, int columns)
{
    FGrid.Rows = rows;
    FGrid.Columns = columns;
    FGrid.ClosesRows = FGrid.ClosesColumns = false;
    FGrid.Index.clear();
    if (rows <= 0 || FGaps.empty())
        return;
    FGrid.Index.resize(static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns), -1);
    const std::size_t samples = FGrid.Index.size();
    auto gap = FGaps.begin();
    int skipped = 0;
    for (int point = 0; point < FCount; ++point) {
        for (; gap != FGaps.end() && gap->Point <= point; ++gap)
            skipped = gap->Skipped;
        const std::size_t sample = static_cast<std::size_t>(point) + static_cast<std::size_t>(skipped);
        if (sample < samples)
            FGrid.Index[sample] = point;
    }
}

int TGoruntuMatrisi::SampleOf(int index) const
{
    const auto after = std::upper_bound(
        FGaps.begin(), FGaps.end(), index, [](int i, const TGap& gap) { return i < gap.Point; });
    return after == FGaps.begin() ? index : index + std::prev(after)->Skipped;
}

int TGoruntuMatrisi::PointOfSample(int sample) const
{
    if (sample < 0)
        return -1;
    // The last gap whose first sample is at or before this one.
    const auto after = std::upper_bound(FGaps.begin(), FGaps.end(), sample,
        [](int s, const TGap& gap) { return s < gap.Point + gap.Skipped; });
    const int index = after == FGaps.begin() ? sample : sample - std::prev(after)->Skipped;
    // A sample short of the next gap's points was itself left out.
    if (after != FGaps.end() && index >= after->Point)
        return -1;
    return index < FCount ? index : -1;
}

const TScreenPoint& TGoruntuMatrisi::ScreenPoints(int index) const
{
    if (index < 0 || index >= FCount)
        throw EGoruntuMatrisiError(FormatText(IndexMessage, index));
    return FScreenPoints[index];
}

int TGoruntuMatrisi::Stride(const TTransformMatrix& m)
{
    const long double stride = std::nearbyint(m.Scale());
    // A negative or undefined scale would step outside the list: take every point.
    if (!(stride >= 1.0L))
        return 1;
    return stride >= INT_MAX ? INT_MAX : static_cast<int>(stride);
}

TDoubleCopy TGoruntuMatrisi::copyFor(const TTransformMatrix& m)
{
    if (FCount > DoubleCopyLimit || Stride(m) != 1 || !DoubleCopyServes(m))
        return {};
    switch (FCopyState) {
    case TCopyState::PointsChanged:
        // Points projected once may never be projected again (a slider moving).
        FCopyState = TCopyState::ProjectedOnce;
        return {};
    case TCopyState::ProjectedOnce: {
        const std::size_t room = (static_cast<std::size_t>(FCount) + 3) / 4 * 12;
        if (room > FCopyRoom) {
            // Without room the projection goes on from the long doubles.
            void* grown = std::realloc(FCopy, room * sizeof(double));
            if (!grown)
                return {};
            FCopy = static_cast<double*>(grown);
            FCopyRoom = room;
        }
        FCopyState = TCopyState::Copied;
        return { FCopy, false };
    }
    case TCopyState::Copied:
        break;
    }
    return { FCopy, true };
}

void TGoruntuMatrisi::Project(const TTransformMatrix& m)
{
    FProjectedCount = ProjectPoints(m, FSpacePoints, FCount, Stride(m), FScreenPoints, copyFor(m));
}

std::unique_ptr<TPointsProjection> TGoruntuMatrisi::StartProject(const TTransformMatrix& m)
{
    auto projection = std::make_unique<TPointsProjection>(
        m, FSpacePoints, FCount, Stride(m), FScreenPoints, nullptr, copyFor(m));
    FProjectedCount = projection->Taken();
    return projection;
}
