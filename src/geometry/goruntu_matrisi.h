#pragma once

#include "base/exception.h"
#include "geometry/projection.h"
#include "geometry/space_point.h"
#include "geometry/transform_matrix.h"

#include <cstdint>
#include <memory>
#include <vector>

// Raised by the point lists (of curves and of plane grids) for a bad index.
class EGoruntuMatrisiError : public Exception {
public:
    using Exception::Exception;
};

// A run of samples that a generation left out: Count samples from sample number First on.
struct TLeftOutRun {
    int First;
    int Count;
};

// How the samples of a two-variable curve lie: Rows x Columns samples in generation
// order, row by row (the outer variable gives the row), of which those that could not be
// computed have no point. Index holds the point of every sample, -1 for a missing one;
// it is empty when no sample is missing (the point of sample k is then k). A grid that
// closes around (its variable runs a whole turn and its last row or column lies next to
// its first) has cells between the last and the first too.
struct TSampleGrid {
    int Rows = 0, Columns = 0;
    bool ClosesRows = false, ClosesColumns = false;
    std::vector<std::int32_t> Index;
};

// The points of one curve in space, in the order they were generated, with their
// screen projections. Both arrays always share one capacity, grown by the growth
// rule; the screen points are valid for the matrix of the last Project. A point
// knows the number of the sample it was generated from: its index, unless the
// generation left samples out before it.
class TGoruntuMatrisi {
public:
    TGoruntuMatrisi() = default;
    ~TGoruntuMatrisi();
    TGoruntuMatrisi(const TGoruntuMatrisi&) = delete;
    TGoruntuMatrisi& operator=(const TGoruntuMatrisi&) = delete;

    // Appends p and returns its index; std::bad_alloc when memory runs out, the
    // list unchanged.
    int Add(const TSpacePoint& p)
    {
        if (FCount == FCapacity) [[unlikely]]
            Grow();
        FCopyState = TCopyState::PointsChanged;
        FStamp = 0;
        FSpacePoints[FCount] = p;
        return FCount++;
    }
    // For a generation that writes its points out of order (from several threads):
    // room for count points in all, the capacity grown as Adds up to count would
    // grow it, and where to write them; std::bad_alloc when memory runs out, the
    // list unchanged. SetCount then keeps the first n (at most that count, each
    // written), with the capacity n Adds to an empty list would have left.
    TSpacePoint* Room(int count);
    // Where the screen points go, with the room Room gave.
    TScreenPoint* ScreenRoom() { return FScreenPoints; }
    void SetCount(int n);
    // Keeps the first n points written into Room (n at most its count) and the whole
    // room, for a list that is filled again and again: the screen points are then
    // those of no projection until the next Project.
    void SetCountKeepingRoom(int n)
    {
        FCount = n;
        FProjectedCount = 0;
        FCopyState = TCopyState::PointsChanged;
        FStamp = NewStamp();
    }
    // The caller wrote the screen points of every point into ScreenRoom() as
    // Project with m, of stride 1, gives them: as if Project had been called.
    void SetProjectedAll(const TTransformMatrix& m)
    {
        FProjectedCount = FCount;
        // Counted as the points' first projection: no copy in double is made here,
        // and none made before is read any more.
        FCopyState = TCopyState::PointsChanged;
        copyFor(m);
    }
    // Takes the points of other, with its record of left-out samples and its grid, into
    // this list's own room, grown as Adds would grow it and kept otherwise: the screen
    // points are then those of no projection until the next Project. std::bad_alloc
    // when memory runs out, the list unchanged.
    void CopyFrom(const TGoruntuMatrisi& other);
    // No points, both arrays freed.
    void Clear();
    // Exchanges the contents with other, so that a list can be refilled aside and
    // taken over only when the refill has succeeded.
    void Swap(TGoruntuMatrisi& other) noexcept;

    // The samples left out by the generation of these points, as runs in increasing
    // order (each run's samples lie between two points or before the first or after
    // the last); replaces the earlier record. Points added afterwards, or without
    // a record, are numbered on from the last point.
    void SetLeftOut(const std::vector<TLeftOutRun>& runs);
    // The sample number of point index (0..Count()-1, not checked).
    int SampleOf(int index) const;
    // The point generated from sample, or -1 when it was left out or lies past the
    // last point.
    int PointOfSample(int sample) const;

    int Count() const { return FCount; }
    int Capacity() const { return FCapacity; }
    // A number for the points as they are: a new one (never given before, to any list)
    // whenever Room, SetCount, SetCountKeepingRoom or Clear may have changed them, 0 once
    // Add has (points added one by one are not numbered). What is made from the points
    // may be kept while the number is the same and not 0.
    std::uint64_t PointsStamp() const { return FStamp; }
    // index in 0..Count()-1, guaranteed by the caller.
    const TSpacePoint& SpacePoints(int index) const { return FSpacePoints[index]; }
    // Raises EGoruntuMatrisiError "List index out of bounds (%d)" outside 0..Count()-1.
    const TScreenPoint& ScreenPoints(int index) const;

    // Fills the screen points from every stride-th space point, the stride being
    // M[3][3] rounded halves to even (at least 1): far out, fewer points are drawn.
    // The same points projected again (a view turning) are read from a copy in double
    // (see TDoubleCopy), made at their second projection, for lists of at most
    // DoubleCopyLimit points; the screen points are the same either way.
    void Project(const TTransformMatrix& m);
    static constexpr int DoubleCopyLimit = 1 << 22;
    // Project under way on the machine's cores (see TPointsProjection): ProjectedCount()
    // is at once the new count, and the screen points below the projection's Ready()
    // are the new ones. The list must not change, nor another projection of it start,
    // until the projection is gone.
    std::unique_ptr<TPointsProjection> StartProject(const TTransformMatrix& m);
    // The stride Project uses with m.
    static int Stride(const TTransformMatrix& m);
    // Screen points filled by the last Project: (Count-1) div stride + 1, or 0.
    int ProjectedCount() const { return FProjectedCount; }

    // The samples of a two-variable curve form a grid (see TSampleGrid) of rows x columns
    // samples, those the record of left-out samples names having no point; a list that
    // is no grid has 0 rows. Set after SetLeftOut; open until SetGridCloses. The room of
    // the index is kept, as the points keep theirs.
    void SetGrid(int rows, int columns);
    void SetGridCloses(bool rows, bool columns)
    {
        FGrid.ClosesRows = rows;
        FGrid.ClosesColumns = columns;
    }
    const TSampleGrid& Grid() const { return FGrid; }
    int GridRows() const { return FGrid.Rows; }
    int GridColumns() const { return FGrid.Columns; }
    // The point of sample (row, column), or -1 for a missing one; a row or column one
    // past the last is the first again where the grid closes that way.
    int GridPoint(int row, int column) const
    {
        if (row == FGrid.Rows)
            row = 0;
        if (column == FGrid.Columns)
            column = 0;
        const int k = row * FGrid.Columns + column;
        return FGrid.Index.empty() ? k : FGrid.Index[static_cast<std::size_t>(k)];
    }

    // Contiguous arrays for drawing: Count() space points, ProjectedCount() screen points.
    const TSpacePoint* SpacePointData() const { return FSpacePoints; }
    const TScreenPoint* ScreenPointData() const { return FScreenPoints; }

private:
    void Grow();
    static std::uint64_t NewStamp();
    // The copy in double a projection with m reads or writes, none if it takes none.
    TDoubleCopy copyFor(const TTransformMatrix& m);

    TSpacePoint* FSpacePoints = nullptr;
    TScreenPoint* FScreenPoints = nullptr;
    int FCount = 0;
    int FCapacity = 0;
    int FProjectedCount = 0;
    // The copy in double and its room in doubles; whether the points changed since
    // they were last projected, were projected once, or have their copy.
    double* FCopy = nullptr;
    std::size_t FCopyRoom = 0;
    enum class TCopyState : std::uint8_t { PointsChanged, ProjectedOnce, Copied };
    TCopyState FCopyState = TCopyState::PointsChanged;
    std::uint64_t FStamp = 0;
    // From point Point on, Skipped samples in all were left out before it; in
    // increasing order of Point.
    struct TGap {
        int Point;
        int Skipped;
    };
    std::vector<TGap> FGaps;
    TSampleGrid FGrid;
};
