#include "geometry/plane_matrisi.h"

#include "base/message.h"
#include "geometry/projection.h"

#include <algorithm>

TPlaneMatrisi::TPlaneMatrisi(int lastIndex, const TSpacePoint* table)
    : FSpacePoints(std::make_unique<TSpacePoint[]>(lastIndex + 1))
    , FScreenPoints(std::make_unique<TScreenPoint[]>(lastIndex + 1))
    , FCount(lastIndex + 1)
    , FCapacity(lastIndex + 1)
{
    std::copy(table, table + FCount, FSpacePoints.get());
}

const TScreenPoint& TPlaneMatrisi::ScreenPoints(int index) const
{
    if (index < 0 || index >= FCount)
        throw EGoruntuMatrisiError(FormatText("List index out of bounds (%d)", index));
    return FScreenPoints[index];
}

void TPlaneMatrisi::Project(const TTransformMatrix& m)
{
    ProjectPoints(m, FSpacePoints.get(), FCount, 1, FScreenPoints.get());
}
