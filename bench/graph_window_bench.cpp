// A simulated animation: 300 timer ticks of a graph window showing the unit
// sphere (about 198,000 points) in an 800 x 600 single view, beside the bare
// Render(true) loop of the renderer. The window's share is the copy into its
// image control and the bookkeeping of a tick.

#include "ratio_reporter.h"
#include "ui/graph/grafik_mchild_frm.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>

namespace {
constexpr int Ticks = 300;

class TQuietHost : public TGraphHost {
public:
    void SetPlaneChecks(bool, bool, bool) override { }
    void SetPerspectiveCheck(bool) override { }
    void SetZoomText(const QString&) override { }
    void SetAnimationDown(bool) override { }
    void SetFourViewDown(bool) override { }
    void SetMouseModeDown(int) override { }
    void FillExplorer(TGrafikMChildFrm&) override { }
    void SetCurveStatus(const QString&) override { }
    bool ExplorerVisible() const override { return false; }
    void ShowExplorer() override { }
    void SetCurveButtons(const TCurveButtons&) override { }
    void ReleaseWindowNumber(int) override { }
};

void addSphere(TDrawFunction& r)
{
    r.Objects().Append(
        ctSpherical, "sin(a)*cos(b)", "sin(a)*sin(b)", "cos(a)", 255, csLine, 1, 0.01L, true);
}

void window(benchmark::State& state)
{
    QTemporaryDir dir;
    TQuietHost host;
    TGrafikMChildFrm w(host, dir.filePath("Norvadeks.ini"));
    w.resize(800, 600);
    w.show();
    QApplication::processEvents();
    addSphere(w.DrawFunction());
    w.SetAnimation(true);
    w.Timer1->stop(); // the ticks are driven here
    for (auto _ : state)
        for (int i = 0; i < Ticks; ++i)
            w.Timer1Timer();
    state.counters["fps"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * Ticks, benchmark::Counter::kIsRate);
}

void renderer(benchmark::State& state)
{
    TDrawFunction r;
    r.SetSize(800, 600);
    r.SetX0(400);
    r.SetY0(300);
    addSphere(r);
    for (auto _ : state)
        for (int i = 0; i < Ticks; ++i) {
            r.RotateBy(5, 5);
            r.Render(true);
        }
    state.counters["fps"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * Ticks, benchmark::Counter::kIsRate);
}
}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::RegisterBenchmark("window/300 ticks", window)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("renderer/300 frames", renderer)->Unit(benchmark::kMillisecond);
    return RunWithRatios(argc, argv, { { "window/300 ticks", "renderer/300 frames" } });
}
