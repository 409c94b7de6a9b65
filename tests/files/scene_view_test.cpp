#include "curves/object_list.h"
#include "files/scene_view.h"
#include "render/draw_function.h"

#include <cmath>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {
TEditorValues curve(int type, std::string fx, std::string fy, std::string fz, TColor color)
{
    TEditorValues v = NewCurveValues(type);
    v.Fx = std::move(fx);
    v.Fy = std::move(fy);
    v.Fz = std::move(fz);
    v.Color = color;
    return v;
}

TScene sampleScene()
{
    TScene s;
    s.Curves = {
        curve(ctXYPlane, "", "sin(x)", "", 0x0000FF),
        curve(ctSpherical, "sin(a)*cos(b)", "sin(a)*sin(b)", "cos(a)", 0x808000),
        curve(ctCylindrical, "cos(t)", "sin(t)", "t/10", 0xC0C0C0),
    };
    s.Curves[1].Style = csPoints;
    s.Curves[2].Visible = false;
    s.Curves[2].Step = 0.05L;
    s.Look.Background = 0x00FFFF;
    s.Look.Perspective = false;
    s.Look.AnimInterval = 250;
    s.Look.Planes[1] = { 0xFF0000, 3, false };
    s.Look.Legend = true;
    s.XAxisAngle = 33.5L;
    s.YAxisAngle = -12.25L;
    s.ZoomPercent = 150;
    s.X0 = -40;
    s.Y0 = 77;
    return s;
}
}

TEST(SceneView, WhatARendererHoldsComesBackAndTheRestIsLeftToTheCaller)
{
    const TScene s = sampleScene();
    TDrawFunction r;
    r.SetSize(300, 200);
    AppendCurve(r.Objects(), curve(ctXZPlane, "", "", "x", 0)); // replaced by the scene's
    int interval = 10;
    ApplyScene(s, r, interval);
    EXPECT_EQ(interval, 250);
    EXPECT_EQ(r.Width(), 300);
    EXPECT_EQ(r.Scale(), 5.0L / 150);

    const TScene back = SceneOf(r, interval);
    EXPECT_EQ(back.Curves, s.Curves);
    EXPECT_EQ(back.XAxisAngle, s.XAxisAngle);
    EXPECT_EQ(back.YAxisAngle, s.YAxisAngle);
    EXPECT_LE(std::fabs(back.ZoomPercent - 150), 150 * 1e-15L) << "not rounded, yet 150";
    EXPECT_EQ(back.X0, -40);
    EXPECT_EQ(back.Y0, 77);
    const TScene fresh;
    EXPECT_EQ(back.CurrentCurve, fresh.CurrentCurve);
    EXPECT_EQ(back.FourView, fresh.FourView);
    EXPECT_EQ(back.Width, fresh.Width);
    EXPECT_EQ(back.Height, fresh.Height);

    // The scene's look goes through the settings' own reading of a renderer.
    TScene look = back;
    look.Look = s.Look;
    EXPECT_EQ(SceneJson(back), SceneJson(look));

    // A zoom of 100 percent is the scale of a new renderer.
    TScene hundred;
    ApplyScene(hundred, r, interval);
    EXPECT_EQ(r.Scale(), TDrawFunction().Scale());
    EXPECT_EQ(r.Objects().Count(), 0);
}

TEST(SceneView, ACurveRefusedStopsWithTheCurvesBeforeItAdded)
{
    TScene s = sampleScene();
    s.Curves.push_back(s.Curves[0]);
    s.Curves.push_back(curve(ctPolar, "", "", "2", 0));
    TDrawFunction r;
    int interval = 10;
    EXPECT_THROW(ApplyScene(s, r, interval), EObjectListError) << "the fourth repeats the first";
    EXPECT_EQ(r.Objects().Count(), 3);

    std::vector<int> seen;
    const auto check = [&seen](const TEditorValues& v, int index) {
        seen.push_back(index);
        if (v.CurveType == ctCylindrical)
            throw std::runtime_error("no");
    };
    EXPECT_THROW(ApplyScene(s, r, interval, check), std::runtime_error);
    EXPECT_EQ(seen, (std::vector<int> { 0, 1, 2 }));
    EXPECT_EQ(r.Objects().Count(), 2);
}

TEST(SceneView, ANewCurveIsOliveAndThinOnlyOnAGridOfTwoVariables)
{
    for (int type = 0; type < CurveTypeCount; ++type) {
        SCOPED_TRACE(type);
        const TEditorValues v = NewCurveValues(type);
        EXPECT_EQ(v.CurveType, type);
        EXPECT_EQ(v.Color, 0x008080u);
        EXPECT_EQ(v.Step, 0.1L);
        EXPECT_EQ(v.Thickness, HasInnerVariable(type) ? 1 : 2);
        EXPECT_TRUE(v.Visible);
        EXPECT_EQ(v.Style, csLine);
        // A scene file's curve that gives its type alone is such a curve.
        const std::string fz = UsesFz(type) ? R"(,"fz":"1")" : "";
        const std::string fx = UsesFx(type) ? R"(,"fx":"1")" : "";
        const QByteArray json
            = QByteArray(R"({"format":"velmo-scene","version":1,"curves":[{"type":)")
            + QByteArray::number(type) + QByteArray::fromStdString(fx + fz)
            + (UsesFy(type) ? R"(,"fy":"1")" : "") + "}]}";
        const TSceneRead read = ReadScene(json, "a.vlm", {});
        ASSERT_EQ(read.Scene.Curves.size(), 1u);
        TEditorValues expected = v;
        expected.Fx = UsesFx(type) ? "1" : "";
        expected.Fy = UsesFy(type) ? "1" : "";
        expected.Fz = UsesFz(type) ? "1" : "";
        EXPECT_EQ(read.Scene.Curves[0], expected);
    }
}

TEST(SceneView, TheScenesParametersGoOntoTheCurvesThatUseThem)
{
    TScene s;
    s.Curves = { curve(ctXYPlane, "", "k*sin(x)", "", 0x0000FF),
        curve(ctXYZSpace, "", "sin(x)", "cos(x)", 0) };
    s.Parameters = { { "q", 5 }, { "K", 2, -3, 3, 0.5L } };
    TDrawFunction r;
    int interval = 10;
    const long long generations = r.Objects().Generations();
    ApplyScene(s, r, interval);
    EXPECT_EQ(r.Objects().Generations() - generations, 2) << "each curve once, at its values";
    const TParameter k { "k", 2, -3, 3, 0.5L };
    ASSERT_EQ(r.Objects().Parameters().Items(), std::vector<TParameter> { k })
        << "a name no curve uses is ignored";
    EXPECT_EQ(SceneOf(r, interval).Parameters, std::vector<TParameter> { k });

    // The points are those of the formula with the value written in.
    TObjectList written;
    AppendCurve(written, curve(ctXYPlane, "", "2*sin(x)", "", 0x0000FF));
    const TGoruntuMatrisi& a = *r.Objects().Items(0).Points;
    const TGoruntuMatrisi& b = *written.Items(0).Points;
    ASSERT_EQ(a.Count(), b.Count());
    for (int i = 0; i < a.Count(); ++i)
        ASSERT_TRUE(a.SpacePoints(i).X == b.SpacePoints(i).X && a.SpacePoints(i).Y == b.SpacePoints(i).Y
            && a.SpacePoints(i).Z == b.SpacePoints(i).Z)
            << i;

    // A scene without parameters leaves every one at a new parameter's settings.
    s.Parameters.clear();
    ApplyScene(s, r, interval);
    EXPECT_EQ(r.Objects().Parameters().Items(), std::vector<TParameter> { { "k" } });
    // The settings a scene gave are not taken by a curve added after it opened.
    s.Parameters = { { "k", 2 } };
    ApplyScene(s, r, interval);
    r.Objects().Delete(0);
    AppendCurve(r.Objects(), curve(ctXYPlane, "", "k*cos(x)", "", 0));
    EXPECT_EQ(r.Objects().Parameters().Items(), std::vector<TParameter> { { "k" } });
}
