#pragma once

#include "geometry/plane_matrisi.h"
#include "geometry/space_point.h"
#include "geometry/transform_matrix.h"

// One reference plane of a scene: its grid and how it is drawn. The grid is
// projected with the scene matrix whenever a hidden plane is made visible, since
// hidden planes are skipped when the scene is re-projected.
class TPlane {
public:
    // Default colour of the grid lines: grey, red = green = blue = 128.
    static constexpr TColor DefaultColor = 8421504;

    // The grid takes the points 0..lastIndex of table.
    TPlane(int lastIndex, const TSpacePoint* table);

    // The scene matrix, not owned; until it is set the grid is not projected.
    void SetMatrix(const TTransformMatrix* m) { FMatrix = m; }
    const TTransformMatrix* Matrix() const { return FMatrix; }

    TPlaneMatrisi& Grid() { return FGrid; }
    const TPlaneMatrisi& Grid() const { return FGrid; }

    int Thickness() const { return FThickness; }
    void SetThickness(int value) { FThickness = value; }
    TColor Color() const { return FColor; }
    void SetColor(TColor value) { FColor = value; }
    bool Visible() const { return FVisible; }
    // Projects the grid when a hidden plane turns visible, then stores value.
    void SetVisible(bool value);

private:
    const TTransformMatrix* FMatrix = nullptr;
    TPlaneMatrisi FGrid;
    int FThickness = 1;
    TColor FColor = DefaultColor;
    bool FVisible = true;
};
