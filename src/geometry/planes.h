#pragma once

#include "base/exception.h"
#include "geometry/plane.h"
#include "geometry/transform_matrix.h"

#include <array>
#include <memory>

class EPlanesError : public Exception {
public:
    using Exception::Exception;
};

// The three reference planes of a scene, reached as 1 = XY, 2 = XZ, 3 = YZ. Each
// grid is a square of side 16 with lines every 2 units: 18 segments from point 2k
// to point 2k+1; points 8 and 26 are the ends of the two half-axes in the plane's
// middle, from which the axis lines are drawn to the origin.
class TPlanes {
public:
    static constexpr int GridLastIndex = 35;
    static constexpr int FirstAxisEnd = 8;
    static constexpr int SecondAxisEnd = 26;

    TPlanes();

    // Gives every plane the scene matrix m (not owned; it must outlive the planes).
    void SetMatrix(const TTransformMatrix& m);
    // Raises EPlanesError "List index out of bounds (%d)" outside 1..3.
    TPlane& Items(int index);
    const TPlane& Items(int index) const;

private:
    std::array<std::unique_ptr<TPlane>, 3> FItems;
};
