#include "curves/object_list.h"
#include "curves_test_support.h"
#include "engine/fonksiyon.h"
#include "geometry/projection.h"

#include <gtest/gtest.h>
#include <limits>

namespace {
std::string text(const TFonksiyon* f) { return f ? f->GetText() : "<none>"; }

// A scene matrix the list projects with; tests change it to tell a fresh
// projection from a stale one.
struct TScene {
    TTransformMatrix Matrix;
    TObjectList List;
    TScene()
    {
        Matrix.SetScale(0.05L);
        List.SetMatrix(&Matrix);
    }
};
}

TEST(ObjectList, FindCurveComparesTheTextsEachTypeUses)
{
    TObjectList list;
    const TCurveValues stored[] = {
        Curve(ctXYPlane, "fx0", "sin(x)", "fz0"),
        Curve(ctXZPlane, "a", "b", "x+1"),
        Curve(ctYZPlane, "", "", "y*y"),
        Curve(ctXYZSpace, "", "x", "x*x"),
        Curve(ctSpherical, "a", "b", "a+b", 0.5L),
        Curve(ctPolar, "", "", "2"),
        Curve(ctCylindrical, "cos(t)", "sin(t)", "t"),
    };
    for (const TCurveValues& v : stored)
        Append(list, v);

    struct Row {
        int type;
        const char *fx, *fy, *fz;
        int found; // -1: none
    };
    const Row rows[] = {
        { ctXYPlane, "other", "sin(x)", "other", 0 }, // only fy counts for type 0
        { ctXYPlane, "", "SIN(X)", "", -1 }, // letter case counts
        { ctXYPlane, "", "sin( x)", "", -1 }, // so do blanks
        { ctXZPlane, "", "", "x+1", 1 },
        { ctYZPlane, "x+1", "x+1", "x+1", -1 }, // the same text under another type
        { ctYZPlane, "q", "q", "y*y", 2 },
        { ctXYZSpace, "q", "x", "x*x", 3 },
        { ctXYZSpace, "", "x", "x", -1 },
        { ctSpherical, "a", "b", "a+b", 4 },
        { ctSpherical, "A", "b", "a+b", -1 },
        { ctSpherical, "a", "c", "a+b", -1 },
        { ctPolar, "", "", "2", 5 },
        { ctPolar, "", "2", "", -1 },
        { ctCylindrical, "cos(t)", "sin(t)", "t", 6 },
        { ctCylindrical, "cos(t)", "sin(t)", "t ", -1 },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message()
            << row.type << " " << row.fx << " | " << row.fy << " | " << row.fz);
        int index = -5;
        const bool found = list.FindCurve(row.type, row.fx, row.fy, row.fz, index);
        EXPECT_EQ(found, row.found >= 0);
        EXPECT_EQ(index, row.found >= 0 ? row.found : list.Count());
    }
}

TEST(ObjectList, AppendRefusesDuplicatesAndFaultyFormulas)
{
    TScene scene;
    TObjectList& list = scene.List;
    EXPECT_EQ(Append(list, Curve(ctXYPlane, "", "x", "")), 0);
    EXPECT_EQ(Append(list, Curve(ctXYPlane, "", "x*x", "")), 1);
    EXPECT_EQ(list.Count(), 2);

    // Colour, style, thickness, step and visibility play no part.
    TCurveValues again = Curve(ctXYPlane, "zz", "x*x", "zz", 0.5L);
    again.Color = 7;
    again.Style = csPoints;
    again.Visible = false;
    EXPECT_EQ(
        ObjectListMessage([&] { Append(list, again); }), "Bu eğri daha önce tanımlanmıştır (1)");
    EXPECT_EQ(list.Count(), 2);

    // A faulty formula after a good one: the engine's error passes on, nothing is added.
    EXPECT_THROW(Append(list, Curve(ctCylindrical, "cos(t)", "sin(t", "t")), EFonksiyonError);
    EXPECT_THROW(Append(list, Curve(ctXYZSpace, "", "x", "x+*")), EFonksiyonError);
    EXPECT_EQ(list.Count(), 2);
    // The error says which formula was at fault.
    for (const auto& [values, which] : { std::pair { Curve(ctSpherical, "a?", "b", "a"), 0 },
             { Curve(ctCylindrical, "cos(t)", "sin(t", "t"), 1 },
             { Curve(ctXYZSpace, "", "x", "x+*"), 2 } }) {
        try {
            Append(list, values);
            ADD_FAILURE() << "appended";
        } catch (const EFonksiyonError& e) {
            EXPECT_EQ(e.Formula(), which) << e.Message();
        }
    }
    EXPECT_EQ(text(list.Items(1).Fy), "x*x");

    const TCurveRecord r = list.Items(0);
    EXPECT_EQ(r.Fx, nullptr);
    EXPECT_EQ(r.Fz, nullptr);
    EXPECT_EQ(text(r.Fy), "x");
    EXPECT_EQ(r.Color, 255u);
    EXPECT_EQ(r.CurveType, ctXYPlane);
    EXPECT_EQ(r.Thickness, 1);
    EXPECT_TRUE(r.Visible);
    EXPECT_EQ(r.Style, csLine);
    EXPECT_EQ(r.Step, 1.0L);
    EXPECT_EQ(r.Points->Count(), 20);
    // The snapshot shares the list's objects.
    EXPECT_EQ(list.Items(0).Fy, r.Fy);
    EXPECT_EQ(list.Items(0).Points, r.Points);
}

TEST(ObjectList, EditAttributesOnlyKeepsThePoints)
{
    TScene scene;
    TObjectList& list = scene.List;
    Append(list, Curve(ctXYPlane, "", "x", ""));
    const TCurveRecord before = list.Items(0);
    const TSpacePoint* data = before.Points->SpacePointData();
    const int screenX = before.Points->ScreenPoints(0).X; // -10 at 100 %: -200
    EXPECT_EQ(screenX, -200);

    scene.Matrix.SetScale(0.1L); // a projection now would give -100
    TCurveValues v = Curve(ctXYPlane, "new fx", "x", "new fz");
    v.Color = 65280;
    v.Style = csPoints;
    v.Thickness = 4;
    Edit(list, 0, v);
    const TCurveRecord after = list.Items(0);
    EXPECT_EQ(after.Color, 65280u);
    EXPECT_EQ(after.Style, csPoints);
    EXPECT_EQ(after.Thickness, 4);
    EXPECT_EQ(after.Fy, before.Fy);
    EXPECT_EQ(after.Fx, nullptr);
    EXPECT_EQ(after.Points, before.Points);
    EXPECT_EQ(after.Points->SpacePointData(), data); // not generated again
    EXPECT_EQ(after.Points->ScreenPoints(0).X, -200); // nor projected again

    // Hiding it: no projection either.
    v.Visible = false;
    Edit(list, 0, v);
    EXPECT_FALSE(list.Items(0).Visible);
    EXPECT_EQ(after.Points->ScreenPoints(0).X, -200);
    // Showing it again projects its points with the matrix of now, without
    // generating them again.
    v.Visible = true;
    Edit(list, 0, v);
    EXPECT_TRUE(list.Items(0).Visible);
    EXPECT_EQ(after.Points->SpacePointData(), data);
    EXPECT_EQ(after.Points->ScreenPoints(0).X, -100);
}

TEST(ObjectList, EditStepOnlyRegeneratesWithTheSameFormulas)
{
    TScene scene;
    TObjectList& list = scene.List;
    Append(list, Curve(ctXYPlane, "", "x*x", ""));
    // Another curve compiled since has emptied the shared variable table.
    Append(list, Curve(ctXYPlane, "", "2", ""));
    const TCurveRecord before = list.Items(0);
    const TSpacePoint* data = before.Points->SpacePointData();

    Edit(list, 0, Curve(ctXYPlane, "", "x*x", "", 0.5L));
    const TCurveRecord after = list.Items(0);
    EXPECT_EQ(after.Fy, before.Fy);
    EXPECT_EQ(after.Points, before.Points);
    EXPECT_NE(after.Points->SpacePointData(), data);
    EXPECT_EQ(after.Step, 0.5L);
    ASSERT_EQ(after.Points->Count(), 40);
    for (int i = 0; i < 40; ++i) {
        const TSpacePoint& p = after.Points->SpacePoints(i);
        EXPECT_EQ(p.X, -10 + 0.5L * i);
        EXPECT_EQ(p.Y, p.X * p.X) << i;
    }
    EXPECT_EQ(after.Points->ProjectedCount(), 40);
    EXPECT_EQ(after.Points->ScreenPoints(39).X, 190); // x = 9.5 at 100 %
}

TEST(ObjectList, EditOfTypeOrFormulaCompilesAnew)
{
    TScene scene;
    TObjectList& list = scene.List;
    Append(list, Curve(ctSpherical, "sin(a)*cos(b)", "sin(a)*sin(b)", "cos(a)", 0.5L));
    Append(list, Curve(ctXYPlane, "", "x", ""));
    const TCurveRecord sphere = list.Items(0);
    const TGoruntuMatrisi* points = sphere.Points;

    // To type 0: fx and fz are released, fy is a new object.
    TCurveValues v = Curve(ctXYPlane, "ignored", "x*2", "ignored", 1);
    v.Color = 99;
    v.Visible = false;
    Edit(list, 0, v);
    const TCurveRecord line = list.Items(0);
    EXPECT_EQ(line.CurveType, ctXYPlane);
    EXPECT_EQ(line.Fx, nullptr);
    EXPECT_EQ(line.Fz, nullptr);
    EXPECT_EQ(text(line.Fy), "x*2");
    EXPECT_EQ(line.Points, points);
    EXPECT_EQ(line.Color, 99u);
    EXPECT_FALSE(line.Visible);
    EXPECT_EQ(line.Step, 1.0L);
    ASSERT_EQ(line.Points->Count(), 20);
    EXPECT_EQ(line.Points->SpacePoints(19).Y, 18);

    // Equal to curve 1 in type and texts: refused, curve 0 as it was.
    EXPECT_EQ(ObjectListMessage([&] { Edit(list, 0, Curve(ctXYPlane, "", "x", "", 0.5L)); }),
        "Bu eğri daha önce tanımlanmıştır (1)");
    // A faulty formula: the engine's error, curve 0 as it was.
    EXPECT_THROW(Edit(list, 0, Curve(ctXYZSpace, "", "x", "(x")), EFonksiyonError);
    const TCurveRecord kept = list.Items(0);
    EXPECT_EQ(kept.CurveType, ctXYPlane);
    EXPECT_EQ(kept.Fy, line.Fy);
    EXPECT_EQ(kept.Fz, nullptr);
    EXPECT_EQ(kept.Step, 1.0L);
    EXPECT_EQ(kept.Points->Count(), 20);
    EXPECT_EQ(kept.Points->SpacePoints(19).Y, 18);

    // A changed formula of the same type is compiled anew as well.
    Edit(list, 0, Curve(ctXYPlane, "", "x*3", "", 1));
    EXPECT_NE(list.Items(0).Fy, nullptr);
    EXPECT_EQ(text(list.Items(0).Fy), "x*3");
    EXPECT_EQ(list.Items(0).Points->SpacePoints(19).Y, 27);
}

TEST(ObjectList, DeleteClearIndicesAndStyles)
{
    TObjectList list;
    list.SetAllStyles(csPoints); // empty: nothing happens
    EXPECT_EQ(ObjectListMessage([&] { list.Items(0); }), "List index out of bounds (0)");
    Append(list, Curve(ctXYPlane, "", "1", ""));
    Append(list, Curve(ctXYPlane, "", "2", ""));
    Append(list, Curve(ctXYPlane, "", "3", ""));
    EXPECT_EQ(list.Capacity(), 4);

    EXPECT_EQ(ObjectListMessage([&] { list.Delete(3); }), "List index out of bounds (3)");
    EXPECT_EQ(ObjectListMessage([&] { list.Delete(-1); }), "List index out of bounds (-1)");
    EXPECT_EQ(ObjectListMessage([&] { list.Items(3); }), "List index out of bounds (3)");
    EXPECT_EQ(list.Count(), 3);

    list.Delete(0);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(text(list.Items(0).Fy), "2");
    EXPECT_EQ(text(list.Items(1).Fy), "3");
    int index = 0;
    EXPECT_TRUE(list.FindCurve(ctXYPlane, "", "3", "", index));
    EXPECT_EQ(index, 1);

    list.SetAllStyles(csPoints);
    EXPECT_EQ(list.Items(0).Style, csPoints);
    EXPECT_EQ(list.Items(1).Style, csPoints);
    list.SetAllStyles(7);
    EXPECT_EQ(list.Items(1).Style, 7);

    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Capacity(), 0);
    EXPECT_FALSE(list.FindCurve(ctXYPlane, "", "3", "", index));
    EXPECT_EQ(index, 0);
    for (int i = 0; i < 13; ++i)
        Append(list, Curve(ctXYPlane, "", std::to_string(i), ""));
    EXPECT_EQ(list.Capacity(), 28);
}

// Steps that would never let the running value reach the end of its range, or
// ask for more points than a curve may hold, are refused before anything is
// generated; the list stays as it was.
TEST(ObjectList, StepsThatCannotSampleTheRangeAreRefused)
{
    TScene scene;
    TObjectList& list = scene.List;
    Append(list, Curve(ctXYPlane, "", "x", ""));
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    const long double inf = std::numeric_limits<long double>::infinity();
    struct Row {
        int type;
        long double step;
        bool refusedForLine; // whether a line (type 0) is refused the step as well
        const char* message;
    };
    const Row rows[] = {
        { ctXYPlane, 0, true, "Nokta aralığı geçersiz (0): sıfırdan büyük bir sayı olmalıdır" },
        { ctXYPlane, -0.1L, true,
            "Nokta aralığı geçersiz (-0.1): sıfırdan büyük bir sayı olmalıdır" },
        { ctPolar, nan, true, "Nokta aralığı geçersiz (NAN): sıfırdan büyük bir sayı olmalıdır" },
        { ctCylindrical, inf, true,
            "Nokta aralığı geçersiz (INF): sıfırdan büyük bir sayı olmalıdır" },
        { ctXYZSpace, 1e-30L, true,
            "Nokta aralığı çok küçük (1E-30): bir eğri en çok 10000000 noktadan oluşabilir" },
        { ctYZPlane, 1e-6L, true,
            "Nokta aralığı çok küçük (1E-6): bir eğri en çok 10000000 noktadan oluşabilir" },
        { ctSpherical, 0.0001L, false,
            "Nokta aralığı çok küçük (0.0001): bir eğri en çok 10000000 noktadan oluşabilir" },
        { ctSpherical, 0.001L, false,
            "Nokta aralığı çok küçük (0.001): bir eğri en çok 10000000 noktadan oluşabilir" },
    };
    const TCurveRecord before = list.Items(0);
    for (const Row& row : rows) {
        SCOPED_TRACE(static_cast<double>(row.step));
        const TCurveValues v = Curve(row.type, "a", "b", "c", row.step);
        EXPECT_EQ(ObjectListMessage([&] { Append(list, v); }), row.message);
        EXPECT_EQ(ObjectListMessage([&] { Edit(list, 0, v); }), row.message);
        // The attributes-only path refuses a new step as well.
        if (row.refusedForLine) {
            EXPECT_EQ(
                ObjectListMessage([&] { Edit(list, 0, Curve(ctXYPlane, "", "x", "", row.step)); }),
                row.message);
        }
        EXPECT_EQ(list.Count(), 1);
        const TCurveRecord now = list.Items(0);
        EXPECT_EQ(now.Step, 1.0L);
        EXPECT_EQ(now.Fy, before.Fy);
        EXPECT_EQ(now.Points->Count(), 20);
    }
    // The bound in numbers: 10 million samples, type 4 counting both loops.
    EXPECT_EQ(TObjectList::SampleCount(ctXYPlane, 0.5L), 40);
    EXPECT_EQ(TObjectList::SampleCount(ctPolar, 0.1L), 63);
    EXPECT_EQ(TObjectList::SampleCount(ctSpherical, 0.1L), 2016);
    EXPECT_EQ(TObjectList::SampleCount(ctSpherical, 0.01L), 315.0L * 629);
    EXPECT_EQ(
        TObjectList::SampleCount(ctXYPlane, 1e-30L), std::numeric_limits<long double>::infinity());
    EXPECT_NO_THROW(TObjectList::CheckStep(ctXYPlane, 2.1e-6L));
    // Near the cap the count is the generator's own: the running sum of 2e-6
    // lands just below 10, so that step would take 10,000,001 samples.
    for (const long double step : { 2e-6L, 2.0000001e-6L, 1.9999999e-6L, 2.000001e-6L }) {
        SCOPED_TRACE(static_cast<double>(step));
        long long samples = 0;
        for (long double x = -10; x < 10; x += step)
            ++samples;
        EXPECT_EQ(TObjectList::SampleCount(ctXZPlane, step), samples);
        bool accepted = true;
        try {
            TObjectList::CheckStep(ctXZPlane, step);
        } catch (const EObjectListError&) {
            accepted = false;
        }
        EXPECT_EQ(accepted, samples <= TObjectList::MaxCurvePoints);
    }
    EXPECT_THROW(TObjectList::CheckStep(ctXYPlane, 2e-6L), EObjectListError);
    EXPECT_THROW(TObjectList::CheckStep(ctXYPlane, 1.9e-6L), EObjectListError);
    EXPECT_NO_THROW(TObjectList::CheckStep(ctSpherical, 0.002L));
    // A type that is none of the table's is refused, not looked up.
    for (const int type : { -1, CurveTypeCount, 255 }) {
        EXPECT_THROW(TObjectList::CheckStep(type, 0.1L), EObjectListError);
        EXPECT_THROW(TObjectList::SampleCount(type, 0.1L), EObjectListError);
    }
    EXPECT_EQ(ObjectListMessage([&] { Append(list, Curve(9, "", "x", "")); }),
        "Bilinmeyen eğri tipi (9)");
    EXPECT_EQ(ObjectListMessage([&] { Edit(list, 0, Curve(-1, "", "x", "")); }),
        "Bilinmeyen eğri tipi (-1)");
    EXPECT_EQ(list.Count(), 1);
}
