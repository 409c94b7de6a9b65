#pragma once

#include "geometry/transform_matrix.h"

#include <array>
#include <cstdint>

// The coordinate system a curve is defined in; the code is the index of the
// main window's type list and of the table below.
enum TCurveType : std::uint8_t {
    ctXYPlane, // x runs, fy gives y
    ctXZPlane, // x runs, fz gives z
    ctYZPlane, // y runs, fz gives z
    ctXYZSpace, // x runs, fy and fz give y and z
    ctSpherical, // a and b run, fx, fy, fz give the point
    ctPolar, // a runs, fz gives the radius
    ctCylindrical, // t runs, fx, fy, fz give the point
    ctXYZSurface, // x and y run, fz gives z
    ctParametric, // u and v run, fx, fy, fz give the point
};

// Whether the walk of a free variable takes its end value when the running sum
// meets it exactly. The samplers of the types below all leave the end out.
enum TEndRule : std::uint8_t { erEndExcluded, erEndIncluded };

// A variable a curve type walks from Start by repeated addition of the curve's
// step while the value is below End (or equal to it, by the end rule). Name is
// its name in the variable table; a type with one variable has no Name in its
// second.
struct TFreeVariable {
    const char* Name = nullptr;
    long double Start = 0;
    long double End = 0;
    TEndRule EndRule = erEndExcluded;

    constexpr bool Takes(long double value) const
    {
        return value < End || (EndRule == erEndIncluded && value == End);
    }
};

// One of fx, fy, fz for a curve type. A used formula is the user's, starting
// empty in the curve explorer; an unused one is fixed, and the explorer shows
// FieldText in its disabled field while the numeric values window shows
// ValuesText. Caption is the explorer's label of the field.
struct TFormulaSlot {
    bool Used = false;
    const char* Caption = "";
    const char* FieldText = "";
    const char* ValuesText = nullptr;
};

// Everything the program knows of a curve type but its sampler: its free
// variables (the outer walk first), its formulas, the thickness of a new curve,
// which coordinates the numeric values window totals, and its names in each
// window (texts in UTF-8, blanks and spelling included).
struct TCurveTypeRow {
    TCurveType Code;
    std::array<TFreeVariable, 2> Variables;
    std::array<TFormulaSlot, 3> Formulas; // fx, fy, fz
    int Thickness;
    std::array<bool, 3> Totals; // x, y, z
    const char* ListCaption; // the curve explorer's type list
    const char* ValuesCaption; // the numeric values window
    const char* LibraryName; // the library's type table
    const char* LibraryVariables;
    const char* RangeCaption; // the library window's range list
    // The help's table of coordinate systems: the type's name there, what the user
    // writes, and the point the formulas give.
    const char* HelpCaption;
    const char* HelpFormulas;
    const char* HelpPoint;
};

namespace CurveTypeDetail {
inline constexpr long double TwoPi = 2 * Pi;
inline constexpr TFreeVariable Across(const char* name) { return { name, -10, 10 }; }
inline constexpr TFormulaSlot Own(const char* caption) { return { true, caption, "", nullptr }; }
inline constexpr TFormulaSlot Fixed(const char* caption, const char* field, const char* values)
{
    return { false, caption, field, values };
}
}

// Index = code.
inline constexpr std::array<TCurveTypeRow, 9> CurveTypes = [] {
    using namespace CurveTypeDetail;
    return std::array<TCurveTypeRow, 9> { {
        { ctXYPlane, { Across("X") },
            { Fixed("fx:", "X", "X"), Own("fy(x):"), Fixed("fz:", "0", "0") }, 2,
            { false, true, false }, "XY Düzleminde (x değisken)", "XY Düzlem Eğrisi",
            "XY Düzlem Eğrisi", "x", "Yanlız XY Düzlem Eğrileri",
            "XY Düzleminde", "fy(x)", "(x, fy, 0)" },
        { ctXZPlane, { Across("X") },
            { Fixed("fx:", "X", "X"), Fixed("fy:", "0", "0"), Own("fz(x):") }, 2,
            { false, false, true }, "XZ Düzleminde (x değisken)", "XZ Düzlem Eğrisi",
            "XZ Düzlem Eğrisi", "x", "Yanlız XZ Düzlem Eğriler",
            "XZ Düzleminde", "fz(x)", "(x, 0, fz)" },
        { ctYZPlane, { Across("Y") },
            { Fixed("fx:", "0", "0"), Fixed("fy:", "y", "Y"), Own("fz(y):") }, 2,
            { false, false, true }, "YZ Düzleminde (y değisken)", "YZ Düzlem Eğrisi",
            "YZ Düzlem Eğrisi", "y", "Yanlız YZ Düzlem Eğriler",
            "YZ Düzleminde", "fz(y)", "(0, y, fz)" },
        { ctXYZSpace, { Across("X") }, { Fixed("fx:", "X", "X"), Own("fy(x):"), Own("fz(x):") },
            2, { false, true, true }, "XYZUzayında    (x değisken)", "Uzay Eğrisi",
            "XYZ Uzay Eğrisi", "x", "Yanlız XYZUzay Eğriler", "XYZ Uzayında", "fy(x), fz(x)",
            "(x, fy, fz)" },
        { ctSpherical, { TFreeVariable { "A", 0, Pi }, TFreeVariable { "B", 0, TwoPi } },
            { Own("fx(a,b):"), Own("fy(a,b):"), Own("fz(a,b):") }, 1, { true, true, true },
            "Küresel Sistemde   (a ve b değisken)", "Küresel Eğri", "Küresel Sistem Eğrisi",
            "a, b", "Yanlız Küresel Sistem Eğriler", "Küresel Sistemde", "fx, fy, fz (a, b)",
            "(fx, fy, fz)" },
        { ctPolar, { TFreeVariable { "A", 0, TwoPi } },
            { Fixed("fx(a):", "R*cos(a)", "R*cos(a)"), Fixed("fy(a):", "R*sin(a)", "R*sin(a)"),
                Own(" R(a):") },
            2, { true, true, false }, "Kutupsal Koordinatlarda (a değisken)", "Kutupsal Eğri",
            "Kutupsal Koordinat Eğrisi", "a", "Yanlız Kutupsal Koordinat Eğriler",
            "Kutupsal Koordinatlarda", "R(a)", "(R·cos a, R·sin a, 0)" },
        { ctCylindrical, { Across("T") }, { Own("fx(t):"), Own("fy(t):"), Own("fz(t):") }, 2,
            { true, true, true }, "Silindirik Koordinatlarda  (t  değisken)", "Silindirik Eğri",
            "Silindirik Koordinat Eğrisi", "t", "Yanlız Silindirik Koordinat Eğriler",
            "Silindirik Koordinatlarda", "fx(t), fy(t), fz(t)", "(fx, fy, fz)" },
        { ctXYZSurface, { Across("X"), Across("Y") },
            { Fixed("fx:", "X", "X"), Fixed("fy:", "Y", "Y"), Own("fz(x,y):") }, 1,
            { false, false, true }, "XYZ Yüzey", "XYZ Yüzey", "XYZ Yüzey", "x, y",
            "Yanlız XYZ Yüzeyler", "XYZ Yüzey", "fz(x, y)", "(x, y, fz)" },
        { ctParametric, { TFreeVariable { "U", 0, TwoPi }, TFreeVariable { "V", 0, TwoPi } },
            { Own("fx(u,v):"), Own("fy(u,v):"), Own("fz(u,v):") }, 1, { true, true, true },
            "Parametrik Yüzey", "Parametrik Yüzey", "Parametrik Yüzey", "u, v",
            "Yanlız Parametrik Yüzeyler", "Parametrik Yüzey", "fx, fy, fz (u, v)",
            "(fx, fy, fz)" },
    } };
}();

inline constexpr int CurveTypeCount = static_cast<int>(CurveTypes.size());

constexpr bool IsCurveType(int type) { return type >= 0 && type < CurveTypeCount; }

// Whether a type walks a second variable inside the first.
constexpr bool HasInnerVariable(int type)
{
    return IsCurveType(type) && CurveTypes[type].Variables[1].Name != nullptr;
}

// Which of fx, fy, fz a curve type uses; none for a code outside the table.
constexpr bool UsesFormula(int type, int slot)
{
    return IsCurveType(type) && CurveTypes[type].Formulas[slot].Used;
}
constexpr bool UsesFx(int type) { return UsesFormula(type, 0); }
constexpr bool UsesFy(int type) { return UsesFormula(type, 1); }
constexpr bool UsesFz(int type) { return UsesFormula(type, 2); }
