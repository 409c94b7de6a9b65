#include "files/scene_file.h"
#include "graph_test_host.h"
#include "ui/graph/grafik_mchild_frm.h"
#include "ui/platform/prompts.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <memory>

namespace {
struct Windows {
    QTemporaryDir dir;
    TRecordingHost host;
    std::unique_ptr<TGrafikMChildFrm> make()
    {
        return std::make_unique<TGrafikMChildFrm>(host, dir.filePath("Norvadeks.ini"));
    }
};

TEditorValues curve(int type, std::string fx, std::string fy, std::string fz, TColor color)
{
    TEditorValues v;
    v.CurveType = type;
    v.Fx = std::move(fx);
    v.Fy = std::move(fy);
    v.Fz = std::move(fz);
    v.Color = color;
    v.Step = type == ctSpherical ? 0.2L : 0.1L;
    v.Thickness = 2;
    return v;
}

void fill(TGrafikMChildFrm& w)
{
    for (const TEditorValues& v : { curve(ctXYPlane, "X", "sin(x)*3", "0", 0x0000FF),
             curve(ctXZPlane, "X", "0", "x^2/10", 0x00FF00),
             curve(ctYZPlane, "0", "y", "cos(y)*2", 0xFF0000),
             curve(ctXYZSpace, "X", "sin(x)", "cos(x)", 0x808000),
             curve(ctSpherical, "3*sin(a)*cos(b)", "3*sin(a)*sin(b)", "3*cos(a)", 0x800080),
             curve(ctPolar, "R*cos(a)", "R*sin(a)", "2+sin(3*a)", 0x008080),
             curve(ctCylindrical, "cos(t)*4", "sin(t)*4", "t/2", 0x000080) }) {
        w.NewCurve();
        w.ApplyCurve(v);
    }
}
}

TEST(GraphScene, AWindowsWorkGoesOutAndComesBackExactly)
{
    Windows windows;
    const auto a = windows.make();
    a->show();
    a->resize(321, 243);
    QCoreApplication::sendPostedEvents(a.get(), QEvent::Resize);
    fill(*a);
    EXPECT_TRUE(a->CurvesChanged());
    a->DrawFunction().SetAngles(33.5L, -12.25L);
    a->SetZoomPercent(25);
    a->ZoomOut();
    a->DrawFunction().MoveOrigin(7, -3);
    a->SetPlaneVisible(2, false);
    a->SetPerspective(false);
    a->FirstCurve();
    a->NextCurve();
    a->NextCurve();
    const TScene scene = a->Scene();
    EXPECT_EQ(scene.Curves.size(), 7u);
    EXPECT_EQ(scene.Curves[3].Fz, "cos(x)");
    EXPECT_EQ(scene.Curves[0].Fx, "") << "a formula the type does not use";
    EXPECT_EQ(scene.CurrentCurve, 2);
    EXPECT_EQ(scene.ZoomPercent, 12.5L);
    EXPECT_EQ(scene.Width, 321);

    const auto b = windows.make();
    b->LoadScene(ReadScene(SceneJson(scene), "x.vlm", {}).Scene);
    EXPECT_EQ(b->size(), QSize(321, 243));
    EXPECT_EQ(SceneJson(b->Scene()), SceneJson(scene));
    EXPECT_EQ(b->CurveIndex(), 2);
    EXPECT_EQ(b->State(), omNone);
    EXPECT_EQ(b->CurrentCurve().CurveType, ctYZPlane);
    EXPECT_EQ(windows.host.Status, "  (3/7)");
    EXPECT_FALSE(b->CurvesChanged()) << "an opened window has nothing to save";
    EXPECT_EQ(b->Picture(), a->Picture()) << "the same pixels";

    // Four views, and a new curve being entered.
    a->SetFourView(true);
    a->NewCurve();
    const TScene four = a->Scene();
    EXPECT_EQ(four.CurrentCurve, -1);
    const auto c = windows.make();
    c->LoadScene(ReadScene(SceneJson(four), "x.vlm", {}).Scene);
    EXPECT_TRUE(c->FourView());
    EXPECT_EQ(c->State(), omAppend);
    EXPECT_EQ(c->CurveIndex(), 7);
    EXPECT_EQ(SceneJson(c->Scene()), SceneJson(four));
    EXPECT_EQ(c->Picture(), a->Picture());
}

TEST(GraphScene, ClosingAWindowWithChangedCurvesAsks)
{
    Windows windows;
    QStringList asked;
    TSaveAnswer answer = TSaveAnswer::Cancel;
    const TScopedPrompts prompts({ {}, [&](QWidget*, const QString& text) {
                                      asked << text;
                                      return answer;
                                  } });
    // Without curves, and with curves never changed, nothing is asked.
    const auto empty = windows.make();
    empty->show();
    EXPECT_TRUE(empty->close());
    EXPECT_TRUE(asked.isEmpty());

    const auto w = windows.make();
    w->SetWindowNo(5);
    w->show();
    w->ApplyCurve(curve(ctXYPlane, "X", "x*2", "0", 255));
    windows.host.Released = 0;
    EXPECT_FALSE(w->close()) << "Vazgeç keeps it open";
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked[0].toStdString(), "\"Ekran1\" penceresindeki eğriler değişti. Kaydedilsin mi?");
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(windows.host.Released, 0) << "its number stays taken";

    // Kaydet offers the Velmo type; a cancelled dialog keeps the window open.
    answer = TSaveAnswer::Save;
    int offered = -1;
    bool choose = false;
    const QString file = windows.dir.filePath("kayit.vlm");
    w->SetSaveDialogRunner([&](QString& name, int& type) {
        offered = type;
        name = file;
        return choose;
    });
    EXPECT_FALSE(w->close());
    EXPECT_EQ(offered, 1);
    choose = true;
    EXPECT_TRUE(w->close());
    EXPECT_TRUE(QFile::exists(file));
    EXPECT_EQ(windows.host.Released, 5);
    EXPECT_FALSE(w->CurvesChanged());

    // A saved window closes without a question until its curves change again;
    // then "Kaydetme" closes it as it is and "Kaydet" writes its file without a dialog.
    w->show();
    asked.clear();
    EXPECT_TRUE(w->close());
    EXPECT_TRUE(asked.isEmpty());
    w->show();
    w->NewCurve();
    w->ApplyCurve(curve(ctXYPlane, "X", "x*3", "0", 255));
    answer = TSaveAnswer::Discard;
    EXPECT_TRUE(w->close());
    EXPECT_EQ(ReadSceneFile(file, {}).Scene.Curves.size(), 1u);
    w->show();
    answer = TSaveAnswer::Save;
    choose = false;
    EXPECT_TRUE(w->close());
    EXPECT_EQ(ReadSceneFile(file, {}).Scene.Curves.size(), 2u);
    EXPECT_EQ(asked.size(), 2);
}
