// Opening a scene file with the unit sphere at step 0.01 (198,135 points) and four
// smaller curves, through the main window: reading the file, a new graph window in
// the document area, the curves compiled and generated, and the first drawing.
// Its peer is the bare generation of the same five curves into a curve list;
// "Velmo/open" over "generation" shows what the file and the window add. The
// ratios use CPU time of the main thread; generation runs on all cores, so wall
// time (the first column) is the figure to compare.

#include "curves/object_list.h"
#include "files/scene_file.h"
#include "ratio_reporter.h"
#include "ui/graph/grafik_mchild_frm.h"
#include "ui/main/main_form.h"

#include <QApplication>
#include <QMdiSubWindow>
#include <QTemporaryDir>

namespace {
TEditorValues curve(int type, std::string fx, std::string fy, std::string fz, long double step)
{
    TEditorValues v;
    v.CurveType = type;
    v.Fx = std::move(fx);
    v.Fy = std::move(fy);
    v.Fz = std::move(fz);
    v.Step = step;
    v.Color = 255;
    v.Thickness = 1;
    return v;
}

TScene sphereScene(int current = 1)
{
    TScene s;
    s.Curves = {
        curve(ctSpherical, "sin(a)*cos(b)", "sin(a)*sin(b)", "cos(a)", 0.01L),
        curve(ctXYPlane, "", "sin(x)*3", "", 0.01L),
        curve(ctXYZSpace, "", "sin(x)", "cos(x)", 0.01L),
        curve(ctPolar, "", "", "2+sin(5*a)", 0.01L),
        curve(ctCylindrical, "cos(t)*4", "sin(t)*4", "t/3", 0.01L),
    };
    s.CurrentCurve = current;
    s.Width = 800;
    s.Height = 600;
    s.X0 = 400;
    s.Y0 = 300;
    s.XAxisAngle = 15;
    s.YAxisAngle = -30;
    return s;
}

// state.range(0): the current curve; with the sphere current (0) the explorer's
// preview generates the sphere once more for itself.
void open(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("kure.vlm");
    WriteSceneFile(file, sphereScene(static_cast<int>(state.range(0))));
    TMainForm main(dir.path());
    main.resize(1000, 800);
    main.show();
    QApplication::processEvents();
    long points = 0;
    for (auto _ : state) {
        TGrafikMChildFrm* w = main.OpenSceneFile(file);
        state.PauseTiming();
        points = 0;
        for (int i = 0; i < w->DrawFunction().Objects().Count(); ++i)
            points += w->DrawFunction().Objects().Items(i).Points->Count();
        qobject_cast<QMdiSubWindow*>(w->parentWidget())->close();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["points"] = static_cast<double>(points);
}

void generation(benchmark::State& state)
{
    const TScene scene = sphereScene();
    TTransformMatrix matrix;
    for (auto _ : state) {
        TObjectList list;
        list.SetMatrix(&matrix);
        for (const TEditorValues& c : scene.Curves)
            list.Append(c.CurveType, c.Fx, c.Fy, c.Fz, c.Color, static_cast<std::uint8_t>(c.Style),
                c.Thickness, c.Step, c.Visible);
        benchmark::DoNotOptimize(list.Count());
    }
}
}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::RegisterBenchmark("Velmo/open scene and draw", open)
        ->Arg(1)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Velmo/open with the sphere current", open)
        ->Arg(0)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("generation of its curves", generation)
        ->Unit(benchmark::kMillisecond);
    return RunWithRatios(argc, argv,
        { { "Velmo/open scene and draw/1", "generation of its curves" },
            { "Velmo/open with the sphere current/0", "generation of its curves" } });
}
