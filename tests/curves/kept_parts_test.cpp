#include "curves/object_list.h"
#include "curves_test_support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {
// Everything a generation leaves in a point list that a picture or a table reads:
// every coordinate in all its 80 bits, the sample each point came from, the grid
// with its holes and whether it closes, and the screen points.
struct TGenerated {
    std::vector<unsigned char> Bits;
    std::vector<int> Samples;
    int Rows = 0, Columns = 0;
    std::vector<std::int32_t> Index;
    bool ClosesRows = false, ClosesColumns = false;
    std::vector<int> Screen;

    explicit TGenerated(const TGoruntuMatrisi& points)
        : Rows(points.GridRows())
        , Columns(points.GridColumns())
        , Index(points.Grid().Index)
        , ClosesRows(points.Grid().ClosesRows)
        , ClosesColumns(points.Grid().ClosesColumns)
    {
        for (int i = 0; i < points.Count(); ++i) {
            const TSpacePoint& p = points.SpacePoints(i);
            for (const long double* c : { &p.X, &p.Y, &p.Z, &p.W }) {
                const auto* bytes = reinterpret_cast<const unsigned char*>(c);
                Bits.insert(Bits.end(), bytes, bytes + 10);
            }
            Samples.push_back(points.SampleOf(i));
        }
        for (int i = 0; i < points.ProjectedCount(); ++i) {
            Screen.push_back(points.ScreenPointData()[i].X);
            Screen.push_back(points.ScreenPointData()[i].Y);
        }
    }
    bool operator==(const TGenerated&) const = default;
};

TTransformMatrix sceneMatrix()
{
    TTransformMatrix m;
    m.SetScale(0.05L);
    m.RotateX(15);
    m.RotateY(30);
    m.Multiply(TTransformMatrix::Perspective());
    return m;
}

// Two lists of the same curve, one keeping the parts its formulas compute from the
// free variables alone and one computing everything each time, moved to the same
// parameter values one after another: each generation must leave the same.
void expectKeptLikeComputed(const TCurveValues& v, int threads, const std::vector<long double>& values,
    const char* name = "k")
{
    const TTransformMatrix m = sceneMatrix();
    TObjectList kept, computed;
    computed.SetKeepParts(false);
    for (TObjectList* list : { &kept, &computed }) {
        list->SetThreads(threads);
        list->SetMatrix(&m);
        Append(*list, v);
    }
    // The first generation, where a curve of two variables keeps its parts by row
    // and by column.
    EXPECT_TRUE(TGenerated(*kept.Items(0).Points) == TGenerated(*computed.Items(0).Points));
    int points = 0;
    for (const long double value : values) {
        SCOPED_TRACE(::testing::Message() << name << " = " << static_cast<double>(value));
        EXPECT_EQ(kept.SetParameterValue(name, value), 1);
        computed.SetParameterValue(name, value);
        const TGoruntuMatrisi& a = *kept.Items(0).Points;
        const TGoruntuMatrisi& b = *computed.Items(0).Points;
        ASSERT_EQ(a.Count(), b.Count());
        EXPECT_TRUE(TGenerated(a) == TGenerated(b));
        points += a.Count();
    }
    EXPECT_GT(points, 0);
}
}

// Parameters before, after and inside the parts of the free variables, in functions
// and nested; parts that fail at some samples (the logarithm of a negative number, an
// arcsine beyond 1, an integer operator on a fraction) and parameter parts that do;
// more parts than there are slots, parts met twice, a formula that is a part as a
// whole, parts of one of two variables (kept by row or by column), a name that is
// free in another type, comparisons, and formulas that assign.
// On one thread and on the helpers, every type.
TEST(KeptParts, GiveThePointsOfAWholeComputation)
{
    const std::vector<long double> values = { 1, 2, 0.5L, -3, 1e4930L, 2, 1e-300L, 0 };
    const TCurveValues curves[] = {
        Curve(ctCylindrical, "k*cos(t)", "k*sin(t)", "t/4", 0.0005L),
        Curve(ctXYPlane, "", "sin(x)*k+k-cos(x)+cos(x)/k+k/cos(x)", "", 0.0005L),
        Curve(ctXYPlane, "", "k^sin(x)+sin(x)^k+(x^2+1)^k", "", 0.0005L),
        Curve(ctXYPlane, "", "sin(k*x)+cos(x)*ln(abs(sin(x))+k)", "", 0.0005L),
        Curve(ctXYPlane, "", "(x^2-k)^0.5+sin(cos(x)*k)*x^2", "", 0.0005L),
        Curve(ctXYPlane, "", "ln(x)*k+arcsin(x/5)-k", "", 0.0005L),
        Curve(ctXYPlane, "", "ln(x)+ln(k-x)+(k mod 2)*sin(x)", "", 0.001L),
        Curve(ctXYPlane, "", "(x mod 3)*k+sin(x)", "", 0.25L),
        Curve(ctXYPlane, "", "(ln(x)>k)*k+sgn(k*arcsin(x/5))", "", 0.0005L),
        Curve(ctXYPlane, "", "k*sin(x)+k*cos(x)+k*tan(x)+k*ln(x)+k*exp(x/10)+sin(x)", "", 0.0005L),
        Curve(ctXYPlane, "", "(x>k)*sin(x)+not(x>0)*k+t*cos(x)", "", 0.0005L),
        Curve(ctXYPlane, "", "1/(sin(x)*k)+1/(x-0.5)", "", 0.0005L),
        Curve(ctXYPlane, "", "exp(x)*k", "", 0.0005L),
        Curve(ctXZPlane, "", "", "k*x^3-cos(2*x)", 0.0005L),
        Curve(ctYZPlane, "", "", "sin(y)*cos(2*y)+1/(y-k)", 0.0005L),
        Curve(ctXYZSpace, "", "k*x*x", "1/sin(x*x)+k", 0.0005L),
        Curve(ctSpherical, "k*sin(a)*cos(b)", "k*sin(a)*sin(b)", "k*cos(a)+sin(a+b)*k", 0.02L),
        Curve(ctSpherical, "sin(a)*cos(b)", "sin(a)*sin(b)+k", "cos(a)*ln(a-0.5)*k", 0.02L),
        Curve(ctSpherical, "ln(b-1)*k", "sin(a)^k", "arcsin(b-2)+k", 0.02L),
        Curve(ctPolar, "", "", "2+ln(sin(3*a))+k*cos(a)", 0.0002L),
        Curve(ctXYZSurface, "", "", "ln(y)*k+x^0.5", 0.05L),
        Curve(ctXYZSurface, "", "", "(x*y+k)^0.5+sin(x)*cos(y)", 0.05L),
        Curve(ctParametric, "(3+cos(v))*cos(u)*k", "(3+cos(v))*sin(u)", "sin(v)+ln(u-k)", 0.02L),
        Curve(ctCylindrical, "c=2*t", "c*k+sin(t)", "t+pi", 0.0005L),
    };
    for (const int threads : { 1, 3 })
        for (const TCurveValues& v : curves) {
            SCOPED_TRACE(::testing::Message() << threads << " threads, type " << v.Type << " "
                                              << v.Fx << "; " << v.Fy << "; " << v.Fz);
            expectKeptLikeComputed(v, threads, values);
        }
}

// Every generation of a curve of two variables without kept parts of its own (its
// first, or any of a curve without parameters) computes what reads only one of the
// variables once a row or a column: the same as computing everything, where such
// parts fail, are not finite or hide a fault, and where a formula has none; on one
// thread and on several, and again after the list generated other curves.
TEST(KeptParts, ByRowAndColumnGiveThePointsOfAWholeComputation)
{
    const TCurveValues curves[] = {
        Curve(ctSpherical, "sin(a)*cos(b)", "sin(a)*sin(b)", "cos(a)", 0.01L),
        Curve(ctSpherical, "4.5*sin(a)*cos(b)+ln(a-0.5)", "sin(a)*sin(b)/ln(b-3)", "cos(a)+sin(a*b)", 0.01L),
        Curve(ctSpherical, "exp(a*5000)*cos(b)", "(ln(b-3)>0)*sin(a)+sgn(ln(a-1))", "(arcsin(b-4)>a)+(ln(a-1)<b)", 0.02L),
        Curve(ctSpherical, "a*b", "a+b", "sin(a*b)", 0.02L),
        Curve(ctParametric, "(3+cos(v))*cos(u)", "(3+cos(v))*sin(u)", "sin(v)*1/(u-2)", 0.02L),
        Curve(ctXYZSurface, "", "", "sin(x)*cos(y)+x^0.5*ln(y)", 0.02L),
        Curve(ctSpherical, "sin(a)*cos(b)", "sin(a)", "cos(a)", 0.5L),
    };
    const TTransformMatrix m = sceneMatrix();
    for (const int threads : { 1, 3 }) {
        TObjectList kept, computed;
        computed.SetKeepParts(false);
        for (TObjectList* list : { &kept, &computed }) {
            list->SetThreads(threads);
            list->SetMatrix(&m);
        }
        for (const TCurveValues& v : curves) {
            SCOPED_TRACE(::testing::Message() << threads << " threads, type " << v.Type << " "
                                              << v.Fx << "; " << v.Fy << "; " << v.Fz);
            const TGoruntuMatrisi& a = *kept.Items(Append(kept, v)).Points;
            const TGoruntuMatrisi& b = *computed.Items(Append(computed, v)).Points;
            EXPECT_GT(a.Count(), 0);
            EXPECT_TRUE(TGenerated(a) == TGenerated(b));
        }
        for (int i = 0; i < kept.Count(); ++i) {
            SCOPED_TRACE(::testing::Message() << threads << " threads, again " << i);
            kept.GeneratePoints(i);
            computed.GeneratePoints(i);
            EXPECT_TRUE(TGenerated(*kept.Items(i).Points) == TGenerated(*computed.Items(i).Points));
        }
    }
}

// What is kept is dropped when it no longer holds: a new step, new formulas or a new
// type give the points a new list gives, and so do the values kept for a curve that
// another curve, compiled since, moved in the shared table.
TEST(KeptParts, AreDroppedWhenTheWalkOrTheFormulasChange)
{
    const TTransformMatrix m = sceneMatrix();
    TObjectList list;
    list.SetMatrix(&m);
    Append(list, Curve(ctXYPlane, "", "k*sin(x)+ln(x)", "", 0.001L));
    list.SetParameterValue("k", 1);
    list.SetParameterValue("k", 2);
    const auto expectFresh = [&](const TCurveValues& v) {
        list.SetParameterValue("k", 3);
        list.SetParameterValue("k", 4);
        TObjectList fresh;
        fresh.SetKeepParts(false);
        fresh.SetMatrix(&m);
        Append(fresh, v);
        fresh.SetParameterValue("k", 4);
        EXPECT_TRUE(TGenerated(*list.Items(0).Points) == TGenerated(*fresh.Items(0).Points));
    };
    const TCurveValues steps = Curve(ctXYPlane, "", "k*sin(x)+ln(x)", "", 0.0007L);
    Edit(list, 0, steps);
    expectFresh(steps);
    const TCurveValues formulas = Curve(ctXYPlane, "", "k*cos(x)+ln(x)", "", 0.0007L);
    Edit(list, 0, formulas);
    expectFresh(formulas);
    const TCurveValues type = Curve(ctXZPlane, "", "", "k*cos(x)+ln(x)", 0.0007L);
    Edit(list, 0, type);
    expectFresh(type);
    // Another curve compiled and generated in between leaves the free variable and
    // the table's shape as it likes.
    Append(list, Curve(ctXYPlane, "", "aa+bb+x*k", "", 0.25L));
    expectFresh(type);
}
