#pragma once

#include "geometry/space_point.h"

#include <cstdint>

class TFonksiyon;
class TGoruntuMatrisi;

// The coordinate system a curve is defined in; the code is the index of the
// main window's type list.
enum TCurveType : std::uint8_t {
    ctXYPlane, // x runs, fy gives y
    ctXZPlane, // x runs, fz gives z
    ctYZPlane, // y runs, fz gives z
    ctXYZSpace, // x runs, fy and fz give y and z
    ctSpherical, // a and b run, fx, fy, fz give the point
    ctPolar, // a runs, fz gives the radius
    ctCylindrical, // t runs, fx, fy, fz give the point
};

inline constexpr int CurveTypeCount = 7;

// Drawing styles: a line ("Çizgi") or points ("Nokta"); for the two-variable types also
// the grid of samples as a mesh with its hidden parts removed ("Yüzey") and the same
// with its cells filled and lit ("Gölgeli Yüzey"). Other values draw nothing.
enum TCurveStyle : std::uint8_t { csLine, csPoints, csSurface, csShaded };
inline constexpr int CurveStyleCount = 4;
constexpr bool IsSurfaceStyle(int style) { return style == csSurface || style == csShaded; }

// Which of fx, fy, fz a curve type uses.
constexpr bool UsesFx(int type) { return type == ctSpherical || type == ctCylindrical; }
constexpr bool UsesFy(int type)
{
    return type == ctXYPlane || type == ctXYZSpace || type == ctSpherical || type == ctCylindrical;
}
constexpr bool UsesFz(int type) { return type >= ctXZPlane && type <= ctCylindrical; }

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
