#pragma once

#include "geometry/goruntu_matrisi.h"
#include "geometry/space_point.h"
#include "geometry/transform_matrix.h"

#include <memory>

// The fixed grid of one reference plane: its points never change after creation;
// every point is projected, whatever the scale.
class TPlaneMatrisi {
public:
    // Copies the points 0..lastIndex of table.
    TPlaneMatrisi(int lastIndex, const TSpacePoint* table);
    TPlaneMatrisi(const TPlaneMatrisi&) = delete;
    TPlaneMatrisi& operator=(const TPlaneMatrisi&) = delete;

    int Count() const { return FCount; }
    int Capacity() const { return FCapacity; }
    const TSpacePoint& SpacePoints(int index) const { return FSpacePoints[index]; }
    // Raises EGoruntuMatrisiError "List index out of bounds (%d)" outside 0..Count()-1.
    const TScreenPoint& ScreenPoints(int index) const;
    // Screen point i belongs to space point i.
    void Project(const TTransformMatrix& m);

    const TSpacePoint* SpacePointData() const { return FSpacePoints.get(); }
    const TScreenPoint* ScreenPointData() const { return FScreenPoints.get(); }

private:
    std::unique_ptr<TSpacePoint[]> FSpacePoints;
    std::unique_ptr<TScreenPoint[]> FScreenPoints;
    int FCount;
    int FCapacity;
};
