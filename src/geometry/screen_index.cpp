#include "geometry/screen_index.h"

#include "geometry/projection.h"

#include <algorithm>
#include <limits>

namespace {
constexpr std::int64_t Far = std::int64_t { 1 } << 30;
}

void TScreenIndex::Clear()
{
    FPoints = nullptr;
    FStart.clear();
    FOrder.clear();
    FColumns = FRows = 0;
}

int TScreenIndex::cellOf(std::int64_t px, std::int64_t py) const
{
    const std::int64_t column = std::clamp<std::int64_t>(px, 0, FWidth - 1) / CellSize;
    const std::int64_t row = std::clamp<std::int64_t>(py, 0, FHeight - 1) / CellSize;
    return static_cast<int>(row * FColumns + column);
}

void TScreenIndex::Build(
    const TScreenPoint* points, int count, int x0, int y0, int width, int height)
{
    Clear();
    FPoints = points;
    FX0 = x0;
    FY0 = y0;
    FWidth = std::max(1, width);
    FHeight = std::max(1, height);
    FColumns = (FWidth + CellSize - 1) / CellSize;
    FRows = (FHeight + CellSize - 1) / CellSize;
    const std::size_t cells = static_cast<std::size_t>(FColumns) * static_cast<std::size_t>(FRows);
    // A dense curve puts hundreds of consecutive points on one pixel, where the first
    // of them is the one the pointer finds: only it is kept. Then a counting sort by
    // cell of what is left: the counts, their running sums, the indexes in order.
    std::vector<std::pair<int, int>> kept; // cell, index
    FStart.assign(cells + 1, 0);
    std::int64_t lastX = 0, lastY = 0;
    bool any = false;
    for (int i = 0; i < count; ++i) {
        if (!Drawable(points[i]))
            continue;
        const std::int64_t px = FX0 + points[i].X, py = FY0 - points[i].Y;
        if (any && px == lastX && py == lastY)
            continue;
        any = true;
        lastX = px;
        lastY = py;
        const int cell = cellOf(px, py);
        kept.emplace_back(cell, i);
        ++FStart[static_cast<std::size_t>(cell) + 1];
    }
    for (std::size_t c = 0; c < cells; ++c)
        FStart[c + 1] += FStart[c];
    FOrder.resize(kept.size());
    std::vector<int> next(FStart.begin(), FStart.end() - 1);
    for (const auto& [cell, i] : kept)
        FOrder[static_cast<std::size_t>(next[static_cast<std::size_t>(cell)]++)] = i;
    if (FOrder.empty())
        Clear();
}

int TScreenIndex::Nearest(int x, int y) const
{
    if (FOrder.empty())
        return -1;
    // The pointer is taken into the view, where the distance to a cell bounds the
    // distance to every point it holds (a point kept in a border cell lies farther
    // out in the same direction).
    const std::int64_t qx = std::clamp(x, 0, FWidth - 1);
    const std::int64_t qy = std::clamp(y, 0, FHeight - 1);
    const int cx = static_cast<int>(qx / CellSize);
    const int cy = static_cast<int>(qy / CellSize);
    std::int64_t best = std::numeric_limits<std::int64_t>::max();
    int bestIndex = -1;
    const auto visit = [&](int column, int row) {
        const std::size_t cell = static_cast<std::size_t>(row) * FColumns + column;
        for (int k = FStart[cell]; k < FStart[cell + 1]; ++k) {
            const int i = FOrder[static_cast<std::size_t>(k)];
            // Far beyond the view every distance is as good as another; the clamp
            // keeps the squares within range.
            const std::int64_t dx = std::clamp<std::int64_t>(FX0 + FPoints[i].X - qx, -Far, Far);
            const std::int64_t dy = std::clamp<std::int64_t>(FY0 - FPoints[i].Y - qy, -Far, Far);
            const std::int64_t d = dx * dx + dy * dy;
            if (d < best || (d == best && i < bestIndex)) {
                best = d;
                bestIndex = i;
            }
        }
    };
    const int rings = std::max({ cx, cy, FColumns - 1 - cx, FRows - 1 - cy });
    for (int r = 0; r <= rings; ++r) {
        const int left = cx - r, right = cx + r, top = cy - r, bottom = cy + r;
        for (int column = std::max(left, 0); column <= std::min(right, FColumns - 1); ++column) {
            if (top >= 0)
                visit(column, top);
            if (bottom < FRows && r > 0)
                visit(column, bottom);
        }
        for (int row = std::max(top + 1, 0); row <= std::min(bottom - 1, FRows - 1); ++row) {
            if (left >= 0)
                visit(left, row);
            if (right < FColumns && r > 0)
                visit(right, row);
        }
        // Every cell of the next ring is at least r whole cells away from the pointer.
        const std::int64_t reach = static_cast<std::int64_t>(r) * CellSize;
        if (bestIndex >= 0 && best < reach * reach)
            break;
    }
    return bestIndex;
}
