#include "curves/object_list.h"
#include "curves_test_support.h"

#include <gtest/gtest.h>

namespace {
std::vector<std::string> namesOf(const TObjectList& list)
{
    std::vector<std::string> names;
    for (const TParameter& p : list.Parameters().Items())
        names.push_back(p.Name);
    return names;
}

using Names = std::vector<std::string>;
}

// A parameter is a name that is neither a free variable of the curve's type nor
// written by an `=` in any formula of the curve.
TEST(Parameters, NamesNeitherFreeNorAssigned)
{
    struct Row {
        TCurveValues curve;
        Names names;
    };
    const Row rows[] = {
        { Curve(ctXYPlane, "q", "k*sin(x)", "w"), { "k" } }, // unused formulas count for nothing
        { Curve(ctXYPlane, "", "X*K+k", ""), { "k" } }, // letter case aside
        { Curve(ctXYPlane, "", "y*x", ""), { "y" } }, // y runs only in the YZ plane
        { Curve(ctYZPlane, "", "", "x*y"), { "x" } },
        { Curve(ctSpherical, "r*sin(a)*cos(b)", "r*sin(a)*sin(b)", "r*cos(a)"), { "r" } },
        { Curve(ctPolar, "", "", "q*a+b"), { "q", "b" } },
        // c is written by fx, so fy reads it as an ordinary variable.
        { Curve(ctCylindrical, "c=2*t", "c*k", "t+pi"), { "k" } },
        { Curve(ctXYPlane, "", "m=x+m", ""), {} },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.curve.Fx + "; " + row.curve.Fy + "; " + row.curve.Fz);
        TObjectList list;
        const int index = Append(list, row.curve);
        EXPECT_EQ(list.CurveParameters(index), row.names);
    }
}

// The set follows the curves: a name gets the defaults when a curve first uses
// it, keeps its settings while any curve does, and is forgotten with the last.
TEST(Parameters, SetFollowsTheCurves)
{
    TObjectList list;
    Append(list, Curve(ctXYPlane, "", "k*sin(x)", ""));
    Append(list, Curve(ctXYPlane, "", "k*x+m", ""));
    EXPECT_EQ(namesOf(list), (Names { "k", "m" }));
    const TParameter& k = list.Parameters().Items()[0];
    EXPECT_EQ(k, (TParameter { "k", 0, -10, 10, 0.1L }));

    TParameter changed { "k", 3, -5, 5, 0.5L };
    list.ApplyParameters({ changed, { "nowhere", 7 } });
    EXPECT_EQ(*list.Parameters().Find("k"), changed);
    EXPECT_EQ(list.Parameters().Find("nowhere"), nullptr);

    // The second curve drops k; the first still holds it with its settings.
    Edit(list, 1, Curve(ctXYPlane, "", "x+m", ""));
    EXPECT_EQ(namesOf(list), (Names { "k", "m" }));
    EXPECT_EQ(*list.Parameters().Find("k"), changed);
    list.Delete(0);
    EXPECT_EQ(namesOf(list), (Names { "m" }));
    // Used again, it starts afresh.
    Append(list, Curve(ctXYPlane, "", "K*x", ""));
    EXPECT_EQ(*list.Parameters().Find("k"), (TParameter { "k" }));
    // A step of its own regenerates with the value the parameter has.
    list.SetParameterValue("k", 2);
    Edit(list, 1, Curve(ctXYPlane, "", "K*x", "", 0.5L));
    EXPECT_EQ(list.Items(1).Points->SpacePoints(0).Y, -20);
    list.Clear();
    EXPECT_TRUE(list.Parameters().Empty());
}

// A new value regenerates exactly the curves that use it, and each then holds
// the points of the same curve with the value written in place of the name, bit
// for bit, on one thread or several.
TEST(Parameters, ValueRegeneratesTheCurvesThatUseIt)
{
    TObjectList list;
    Append(list, Curve(ctXYPlane, "", "k*sin(x)+1/(x-k)", "", 0.01L));
    Append(list, Curve(ctXYPlane, "", "sin(x)", "", 0.01L));
    Append(list, Curve(ctSpherical, "k*sin(a)*cos(b)", "k*sin(a)*sin(b)", "k*cos(a)+m", 0.02L));
    const TGoruntuMatrisi* untouched = list.Items(1).Points;
    const int untouchedCount = untouched->Count();
    const TSpacePoint first = untouched->SpacePoints(0);

    EXPECT_EQ(list.SetParameterValue("k", 2.5L), 2);
    EXPECT_EQ(list.SetParameterValue("k", 2.5L), 0); // the same value: nothing to do
    EXPECT_EQ(list.SetParameterValue("nowhere", 1), 0);
    EXPECT_EQ(list.Items(1).Points, untouched);
    EXPECT_EQ(untouched->Count(), untouchedCount);
    EXPECT_EQ(std::memcmp(&untouched->SpacePoints(0), &first, sizeof first), 0);

    for (int threads : { 1, 3 }) {
        SCOPED_TRACE(threads);
        TObjectList written;
        written.SetThreads(threads);
        Append(written, Curve(ctXYPlane, "", "2.5*sin(x)+1/(x-2.5)", "", 0.01L));
        Append(written, Curve(ctSpherical, "2.5*sin(a)*cos(b)", "2.5*sin(a)*sin(b)", "2.5*cos(a)+0", 0.02L));
        for (int i : { 0, 1 }) {
            const TGoruntuMatrisi& a = *list.Items(i == 0 ? 0 : 2).Points;
            const TGoruntuMatrisi& b = *written.Items(i).Points;
            ASSERT_EQ(a.Count(), b.Count());
            EXPECT_EQ(differingBits(a, b), 0);
        }
    }
}

// A slider position is the number its value field shows, and play turns at the ends.
TEST(Parameters, ScaleAndBounce)
{
    const TParameterScale scale(TParameter { "k" });
    EXPECT_EQ(scale.Steps(), 200);
    EXPECT_EQ(scale.ValueAt(0), -10);
    EXPECT_EQ(scale.ValueAt(100), 0);
    EXPECT_EQ(scale.ValueAt(120), 2);
    EXPECT_EQ(scale.ValueAt(133), 3.3L);
    EXPECT_EQ(scale.ValueAt(200), 10);
    EXPECT_EQ(scale.PositionOf(3.3L), 133);
    EXPECT_EQ(scale.PositionOf(-50), 0);
    EXPECT_EQ(scale.PositionOf(50), 200);
    EXPECT_EQ(TParameterScale(TParameter { "k", 0, 0, 1e9L, 1e-3L }).Steps(),
        TParameterScale::MaxSteps);
    EXPECT_EQ(TParameterScale(TParameter { "k", 0, 5, 5, 1 }).Steps(), 0);

    int direction = 1;
    std::vector<int> walk;
    int position = 1;
    for (int i = 0; i < 6; ++i)
        walk.push_back(position = BouncedPosition(position, direction, 3));
    EXPECT_EQ(walk, (std::vector<int> { 2, 3, 2, 1, 0, 1 }));
}
