#pragma once

#include "base/exception.h"
#include "curves/curve_record.h"
#include "curves/curve_values.h"
#include "engine/program.h"
#include "engine/variable_memory.h"
#include "geometry/space_point.h"

#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class ECurveInspectionError : public Exception {
public:
    using Exception::Exception;
};

enum TInterestKind : std::uint8_t { ikZero, ikMinimum, ikMaximum, ikIntersection, ikBreak };

// The kind as the window names it: "Sıfır", "Minimum", "Maksimum", "Kesişim", "Kırılma".
const char* InterestKindText(TInterestKind kind);

// The (outer) free variable of a curve type, in lower case: "x", "y", "a", "t".
const char* FreeVariableName(int curveType);

// A curve of the same type and looks whose used formulas are the derivatives of
// curve's with respect to its free variable. Raises ECurveInspectionError for a
// curve of two free variables.
TEditorValues DerivativeCurve(const TCurveRecord& curve);

// A point of interest of a curve of one free variable.
struct TPointOfInterest {
    TInterestKind Kind = ikZero;
    int Of = 0; // the coordinate (0 x, 1 y, 2 z); for an intersection the other curve's number
    long double At = 0; // the free variable's value
    TSpacePoint Point {}; // the curve's point there; NaN where it cannot be computed
};

// A length or an area with a bound on its error.
struct TMeasure {
    long double Value = 0;
    long double Error = 0;
    bool Converged = false; // the integration met its tolerance (else the bound is a guess)
    // Whether the bound leaves the 15 digits the program prints.
    bool Exact() const { return Error <= 1e-12L * std::fabs(Value); }
    // The value with the significant digits the bound leaves, in the general form:
    // 15 when exact, none ("") when the integration did not converge, rounded at
    // the decimal place of the bound otherwise ("0" for an area that cancels out).
    std::string ValueText() const;
};

class TObjectList;

// The points of interest of curve index of curves over its type's whole range,
// with where it meets the other curves of its plane type (Of their numbers from
// 1), sorted by the free variable. Raises ECurveInspectionError for a curve of
// two free variables.
std::vector<TPointOfInterest> CurveInterestPoints(const TObjectList& curves, int index);

// Points of interest and measures of a curve of one free variable, found on its
// formulas rather than on its drawn points: sign changes and turns are found
// between the samples the curve's step takes (and its range's end) and then
// refined on the formulas and their derivatives to two neighbouring extended
// values. Works on copies of the formulas bound to a copy of the variable
// table, so the curve and its list are never touched.
class TCurveInspection {
public:
    // Raises ECurveInspectionError for a curve of two free variables.
    TCurveInspection(const TCurveRecord& curve, const TVariableMemory& variables);
    ~TCurveInspection();
    TCurveInspection(const TCurveInspection&) = delete;
    TCurveInspection& operator=(const TCurveInspection&) = delete;

    int CurveType() const { return FCurveType; }
    // The type's range of the free variable, its end included here.
    long double Start() const { return FStart; }
    long double End() const { return FEnd; }
    // Whether the curve lies in a coordinate plane (an area and intersections).
    bool IsPlane() const { return FCurveType <= 2; }

    // Zeros and extrema of each coordinate the type computes, and breaks, sorted
    // by the free variable's value.
    std::vector<TPointOfInterest> Points(long double from, long double to);
    // Where this curve and other (a curve of the same plane type) meet; Of is number.
    std::vector<TPointOfInterest> Intersections(
        TCurveInspection& other, int number, long double from, long double to);
    // The arc length, and for the plane types the signed area between the curve
    // and the horizontal axis of its plane.
    TMeasure Length(long double from, long double to);
    TMeasure Area(long double from, long double to);

    // The curve's point at v; false where it cannot be computed.
    bool PointAt(long double v, TSpacePoint& p);

private:
    struct TCoordinate {
        bool Present = false; // not a constant 0
        bool Sought = false; // its zeros and extrema are looked for
        TProgram Value, Slope;
        std::vector<TProgram> Breaks;
    };
    using TSampleFunction = bool (TCurveInspection::*)(int, long double, long double&);

    bool value(int c, long double v, long double& out);
    bool slope(int c, long double v, long double& out);
    std::vector<long double> samples(long double from, long double to) const;
    // Whether a break formula of c changes between a and b (or cannot say).
    bool breaksBetween(int c, long double a, long double b);
    void findBreaks(int c, const std::vector<long double>& at, std::vector<TPointOfInterest>& out);
    void add(std::vector<TPointOfInterest>& out, TInterestKind kind, int of, long double at);

    int FCurveType = 0;
    long double FStep = 0;
    long double FStart = 0;
    long double FEnd = 0;
    std::unique_ptr<TVariableMemory> FMemory;
    long double* FVariable = nullptr;
    TCoordinate FCoordinates[3];
};
