#include "base/number_text.h"
#include "curves/points_of_interest.h"
#include "curves_test_support.h"
#include "geometry/transform_matrix.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {
// A curve of its own list, inspected.
struct Inspected {
    TObjectList List;
    std::unique_ptr<TCurveInspection> I;
    explicit Inspected(const TCurveValues& v)
    {
        Append(List, v);
        I = std::make_unique<TCurveInspection>(List.Items(0), List.Variables());
    }
};

const char* kindName(TInterestKind k)
{
    const char* names[] = { "zero", "minimum", "maximum", "intersection", "break" };
    return names[k];
}

// "kind of at" rows as the program prints them: 15 significant digits.
std::vector<std::string> rows(const std::vector<TPointOfInterest>& points)
{
    std::vector<std::string> r;
    for (const TPointOfInterest& p : points)
        r.push_back(
            std::string(kindName(p.Kind)) + " " + std::to_string(p.Of) + " " + FloatToText(p.At));
    return r;
}

std::string at(long double v) { return FloatToText(v); }
}

TEST(PointsOfInterest, SineOverItsRange)
{
    Inspected sine(Curve(ctXYPlane, "", "sin(x)", "", 0.1L));
    std::vector<std::string> expected;
    // Zeros at k pi, maxima at pi/2 + 2k pi, minima at -pi/2 + 2k pi, in order.
    for (int k = -6; k <= 6; ++k) {
        const long double v = k * Pi / 2;
        if (v < -10 || v > 10)
            continue;
        const int m = ((k % 4) + 4) % 4;
        if (m == 0 || m == 2)
            expected.push_back("zero 1 " + (k == 0 ? std::string("0") : at(v)));
        else
            expected.push_back(std::string(m == 1 ? "maximum" : "minimum") + " 1 " + at(v));
    }
    EXPECT_EQ(rows(sine.I->Points(-10, 10)), expected);
    const TPointOfInterest top = sine.I->Points(1, 2).at(0);
    EXPECT_EQ(FloatToText(top.Point.Y), "1");
    EXPECT_EQ(FloatToText(top.Point.X), "1.5707963267949");
}

TEST(PointsOfInterest, CubicTurnsAndRoots)
{
    Inspected cubic(Curve(ctXYPlane, "", "x^3-3*x", "", 0.1L));
    const std::vector<TPointOfInterest> p = cubic.I->Points(-10, 10);
    EXPECT_EQ(rows(p),
        (std::vector<std::string> { "zero 1 " + at(-std::sqrt(3.0L)), "maximum 1 -1", "zero 1 0",
            "minimum 1 1", "zero 1 " + at(std::sqrt(3.0L)) }));
    EXPECT_EQ(FloatToText(p[1].Point.Y), "2");
    EXPECT_EQ(FloatToText(p[3].Point.Y), "-2");
    // A coarse step that lands on no turn, and a range past the type's end.
    Inspected coarse(Curve(ctXYPlane, "", "x^3-3*x", "", 3));
    EXPECT_EQ(rows(coarse.I->Points(0, 12)),
        (std::vector<std::string> { "zero 1 0", "minimum 1 1", "zero 1 " + at(std::sqrt(3.0L)) }));
}

TEST(PointsOfInterest, IntersectionsOfTwoPlaneCurves)
{
    TObjectList list;
    Append(list, Curve(ctXYPlane, "", "sin(x)", "", 0.1L));
    Append(list, Curve(ctXYPlane, "", "cos(x)", "", 0.1L));
    Append(list, Curve(ctXZPlane, "", "", "cos(x)", 0.1L));
    TCurveInspection sine(list.Items(0), list.Variables());
    TCurveInspection cosine(list.Items(1), list.Variables());
    TCurveInspection other(list.Items(2), list.Variables());
    std::vector<std::string> expected;
    for (int k = -3; k <= 2; ++k)
        expected.push_back("intersection 2 " + at(Pi / 4 + k * Pi));
    EXPECT_EQ(rows(sine.Intersections(cosine, 2, -10, 10)), expected);
    EXPECT_TRUE(sine.Intersections(other, 2, -10, 10).empty()) << "another plane";
}

TEST(PointsOfInterest, BreaksFailuresAndOtherTypes)
{
    // abs turns at a break, not at a refined extremum; 1/x jumps where it cannot be computed.
    Inspected absolute(Curve(ctXYPlane, "", "abs(x)-1", "", 0.1L));
    EXPECT_EQ(rows(absolute.I->Points(-10, 10)),
        (std::vector<std::string> { "zero 1 -1", "break 1 0", "zero 1 1" }));
    Inspected pole(Curve(ctXYPlane, "", "1/x", "", 0.1L));
    EXPECT_EQ(rows(pole.I->Points(-10, 10)), (std::vector<std::string> { "break 1 0" }));
    Inspected steps(Curve(ctXYPlane, "", "(x>2)+x^2", "", 0.1L));
    EXPECT_EQ(rows(steps.I->Points(-10, 10)),
        (std::vector<std::string> { "minimum 1 0", "zero 1 0", "break 1 2" }));
    // Defined on part of the range only.
    Inspected root(Curve(ctXYPlane, "", "ln(x)-1", "", 0.1L));
    EXPECT_EQ(rows(root.I->Points(-10, 10)),
        (std::vector<std::string> { "zero 1 " + at(std::exp(1.0L)) }));
    // Polar: a circle through the origin, x = 2cos(a)^2 and y = 2sin(a)cos(a).
    Inspected polar(Curve(ctPolar, "", "", "2*cos(a)", 0.1L));
    const std::vector<std::string> p = rows(polar.I->Points(0, Pi));
    for (const std::string& row : { "maximum 1 " + at(Pi / 4), "zero 1 " + at(Pi / 2),
             "minimum 0 " + at(Pi / 2), "minimum 1 " + at(3 * Pi / 4) })
        EXPECT_NE(std::find(p.begin(), p.end(), row), p.end()) << row;
    // Cylindrical: each coordinate of a helix.
    Inspected helix(Curve(ctCylindrical, "cos(t)", "sin(t)", "t", 0.1L));
    EXPECT_EQ(rows(helix.I->Points(0, 3.5L)),
        (std::vector<std::string> { "zero 1 0", "zero 2 0", "zero 0 " + at(Pi / 2),
            "maximum 1 " + at(Pi / 2), "minimum 0 " + at(Pi), "zero 1 " + at(Pi) }));
    TObjectList list;
    Append(list, Curve(ctSpherical, "sin(a)", "sin(b)", "1", 0.5L));
    EXPECT_THROW(TCurveInspection(list.Items(0), list.Variables()), ECurveInspectionError);
}

TEST(Measures, LengthAndAreaToFifteenDigits)
{
    Inspected helix(Curve(ctCylindrical, "4*sin(t)", "4*cos(t)", "t/2", 0.1L));
    const TMeasure length = helix.I->Length(-10, 10);
    EXPECT_TRUE(length.Exact());
    EXPECT_EQ(length.ValueText(), "80.6225774829855");
    EXPECT_EQ(FloatToText(20 * std::sqrt(16.25L)), "80.6225774829855");
    Inspected sine(Curve(ctXYPlane, "", "sin(x)", "", 0.1L));
    const TMeasure area = sine.I->Area(0, 3.14159265358979323846L);
    EXPECT_TRUE(area.Exact());
    EXPECT_EQ(area.ValueText(), "2");
    // The length of a line; a polynomial the rule integrates exactly.
    Inspected line(Curve(ctXZPlane, "", "", "3*x/4", 0.1L));
    EXPECT_EQ(line.I->Length(0, 4).ValueText(), "5");
    Inspected power(Curve(ctYZPlane, "", "", "y^28", 0.1L));
    EXPECT_EQ(power.I->Area(0, 1).ValueText(), FloatToText(1.0L / 29));
    // A signed area through a break, and one with no digits left: 0 give or take.
    Inspected v(Curve(ctXYPlane, "", "abs(x)-1", "", 0.1L));
    EXPECT_EQ(v.I->Area(-3, 3).ValueText(), "3");
    EXPECT_EQ(sine.I->Area(-10, 10).ValueText(), "0");
    EXPECT_FALSE(sine.I->Area(-10, 10).Exact());
    // ln on (0, 10] only: its length grows without end at 0.
    Inspected log(Curve(ctXYPlane, "", "ln(x)", "", 0.1L));
    EXPECT_FALSE(log.I->Length(-10, 10).Exact());
    EXPECT_EQ(log.I->Length(-10, 10).ValueText(), "");
    EXPECT_EQ(FloatToText(log.I->Area(1, 10).Value), FloatToText(10 * std::log(10.0L) - 9));
}

TEST(DerivativeCurve, SameTypeAndLooksDerivedFormulas)
{
    TObjectList list;
    Append(list, Curve(ctXYPlane, "", "x^2+1", "", 0.5L));
    Append(list, Curve(ctCylindrical, "cos(t)", "t^3", "2*t", 0.1L));
    Append(list, Curve(ctYZPlane, "", "", "y*k", 0.1L));
    Append(list, Curve(ctSpherical, "a", "b", "1", 0.5L));
    TEditorValues d = DerivativeCurve(list.Items(0));
    EXPECT_EQ(d.Fy, "2*x");
    EXPECT_EQ(d.Step, 0.5L);
    EXPECT_EQ(d.CurveType, ctXYPlane);
    d = DerivativeCurve(list.Items(1));
    EXPECT_EQ(d.Fx + ";" + d.Fy + ";" + d.Fz, "-sin(t);3*t^2;2");
    EXPECT_EQ(DerivativeCurve(list.Items(2)).Fz, "k");
    EXPECT_THROW(DerivativeCurve(list.Items(3)), ECurveInspectionError);
}
