#pragma once

#include "curves/curve_types.h"
#include "geometry/space_point.h"

#include <cstdint>

class TFonksiyon;
class TGoruntuMatrisi;

// Drawing styles: a line ("Çizgi") or points ("Nokta"); for the two-variable types also
// the grid of samples as a mesh with its hidden parts removed ("Yüzey") and the same
// with its cells filled and lit ("Gölgeli Yüzey"). Other values draw nothing.
enum TCurveStyle : std::uint8_t { csLine, csPoints, csSurface, csShaded };
inline constexpr int CurveStyleCount = 4;
constexpr bool IsSurfaceStyle(int style) { return style == csSurface || style == csShaded; }

// One curve of a scene. A record handed out by the curve list is a snapshot that
// shares the list's formula objects and point list: its holder uses them until
// the curve is edited or deleted or the list is cleared, and never frees them. A
// slot the type does not use is null.
struct TCurveRecord {
    TFonksiyon* Fx = nullptr;
    TFonksiyon* Fy = nullptr;
    TFonksiyon* Fz = nullptr; // the radius for ctPolar
    TGoruntuMatrisi* Points = nullptr;
    TColor Color = 0;
    std::uint8_t CurveType = ctXYPlane;
    std::int32_t Thickness = 1;
    bool Visible = true;
    std::uint8_t Style = csLine;
    long double Step = 0.1L; // sampling step of the free variable(s)
};
