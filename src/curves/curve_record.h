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

// What the curve explorer and the legend call fx, fy and fz of each type: the
// formula's name with the variables it is a function of ("fy(x)", "R(a)").
inline constexpr const char* FormulaNames[CurveTypeCount][3] = {
    { "fx", "fy(x)", "fz" },
    { "fx", "fy", "fz(x)" },
    { "fx", "fy", "fz(y)" },
    { "fx", "fy(x)", "fz(x)" },
    { "fx(a,b)", "fy(a,b)", "fz(a,b)" },
    { "fx(a)", "fy(a)", "R(a)" },
    { "fx(t)", "fy(t)", "fz(t)" },
};

// Drawing styles: a line ("Çizgi") or points ("Nokta"); other values draw nothing.
enum TCurveStyle : std::uint8_t { csLine, csPoints };

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
