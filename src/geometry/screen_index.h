#pragma once

#include "geometry/space_point.h"

#include <cstdint>
#include <vector>

// The projected points of one curve in one view, sorted into square cells of the
// view, so that the point nearest to a pixel is found by looking at the few cells
// around it rather than at every point: a pointer moving over ten million points
// costs microseconds. Of consecutive points on one pixel only the first is kept. A
// point outside the view is kept in the border cell nearest to it, so that it is
// still found when nothing nearer is drawn.
class TScreenIndex {
public:
    // Pixels along a cell's side.
    static constexpr int CellSize = 8;

    // Indexes count screen points (offsets from the origin, y upward, as projection
    // writes them) for a view of width x height pixels whose origin is the pixel
    // (x0, y0). A point at or behind the eye is left out.
    void Build(const TScreenPoint* points, int count, int x0, int y0, int width, int height);
    void Clear();
    bool Empty() const { return FOrder.empty(); }

    // The index of the point nearest to pixel (x, y) of the view, the lowest index
    // among equally near ones; -1 when no point is indexed.
    int Nearest(int x, int y) const;

private:
    int cellOf(std::int64_t px, std::int64_t py) const;

    const TScreenPoint* FPoints = nullptr;
    std::int64_t FX0 = 0;
    std::int64_t FY0 = 0;
    int FWidth = 0;
    int FHeight = 0;
    int FColumns = 0;
    int FRows = 0;
    // The points of cell c are FOrder[FStart[c]] .. FOrder[FStart[c + 1] - 1], in
    // increasing index order.
    std::vector<int> FStart;
    std::vector<int> FOrder;
};
