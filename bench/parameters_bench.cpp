// A parameter moved on the sphere r*sin(a)*cos(b), r*sin(a)*sin(b), r*cos(a) at
// step 0.01 (about 198,000 points): Velmo's change (the curve generated again at
// the new value, projected, and the view drawn as the graph window draws it)
// beside the same work done by a muparser loop (double), projecting the points
// and one QPainter::drawPolyline of them. A second pair does the same for a
// curve of 1,000,000 points (a cylindrical helix of step 0.00002).

#include "ratio_reporter.h"
#include "render/draw_function.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPolygon>

#include <cstdio>
#include <muParser.h>
#include <string>
#include <vector>

namespace {
constexpr int Width = 800;
constexpr int Height = 600;

struct TCase {
    int Type;
    const char *Fx, *Fy, *Fz;
    long double Step;
};
const TCase Sphere { ctSpherical, "r*sin(a)*cos(b)", "r*sin(a)*sin(b)", "r*cos(a)", 0.01L };
const TCase Helix { ctCylindrical, "r*cos(t)", "r*sin(t)", "t/4", 0.00002L };

void scene(TDrawFunction& d, const TCase& c)
{
    d.SetSize(Width, Height);
    d.SetX0(Width / 2);
    d.SetY0(Height / 2);
    d.SetAngles(15, 30);
    d.Objects().Append(c.Type, c.Fx, c.Fy, c.Fz, 255, csLine, 1, c.Step, true);
    d.Render(true);
}

void velmo(benchmark::State& state, const TCase* c)
{
    TDrawFunction d;
    scene(d, *c);
    long double r = 1;
    for (auto _ : state) {
        r = r == 1 ? 1.01L : 1;
        d.Objects().SetParameterValue("r", r);
        d.Render(false);
        benchmark::DoNotOptimize(d.Image().constBits());
    }
    state.counters["points"] = d.Objects().Items(0).Points->Count();
}

// The same samples walked by muparser in double, stored in a point list of the
// same scene, projected with its matrix and drawn by QPainter as one polyline.
void muparser(benchmark::State& state, const TCase* c)
{
    TDrawFunction d;
    scene(d, *c);
    TGoruntuMatrisi& points = *d.Objects().Items(0).Points;
    double u = 0, v = 0, r = 1;
    mu::Parser fx, fy, fz;
    for (mu::Parser* p : { &fx, &fy, &fz }) {
        p->DefineVar(c->Type == ctSpherical ? "a" : "t", &u);
        p->DefineVar("b", &v);
        p->DefineVar("r", &r);
    }
    fx.SetExpr(c->Fx);
    fy.SetExpr(c->Fy);
    fz.SetExpr(c->Fz);
    QImage image(Width, Height, QImage::Format_RGB32);
    QPolygon polygon;
    const double step = static_cast<double>(c->Step), pi = static_cast<double>(Pi);
    for (auto _ : state) {
        r = r == 1 ? 1.01 : 1;
        points.Clear();
        if (c->Type == ctSpherical) {
            for (u = 0; u < pi; u += step)
                for (v = 0; v < 2 * pi; v += step)
                    points.Add({ fx.Eval(), fy.Eval(), fz.Eval(), 1 });
        } else {
            for (u = -10; u < 10; u += step)
                points.Add({ fx.Eval(), fy.Eval(), fz.Eval(), 1 });
        }
        points.Project(d.Matrix());
        const TScreenPoint* p = points.ScreenPointData();
        polygon.resize(points.Count());
        for (int i = 0; i < points.Count(); ++i)
            polygon[i] = QPoint(Width / 2 + p[i].X, Height / 2 - p[i].Y);
        QPainter painter(&image);
        painter.fillRect(image.rect(), Qt::white);
        painter.setPen(QPen(Qt::red, 1));
        painter.drawPolyline(polygon);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["points"] = points.Count();
}
}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const auto ms = benchmark::kMillisecond;
    benchmark::RegisterBenchmark("velmo/sphere", velmo, &Sphere)->Unit(ms)->MeasureProcessCPUTime()->UseRealTime();
    benchmark::RegisterBenchmark("muparser/sphere", muparser, &Sphere)->Unit(ms)->MeasureProcessCPUTime()->UseRealTime();
    benchmark::RegisterBenchmark("velmo/million", velmo, &Helix)->Unit(ms)->MeasureProcessCPUTime()->UseRealTime();
    benchmark::RegisterBenchmark("muparser/million", muparser, &Helix)->Unit(ms)->MeasureProcessCPUTime()->UseRealTime();
    // The runs are named with how they are timed.
    const std::string timed = "/process_time/real_time";
    return RunWithRatios(argc, argv,
        { { "velmo/sphere" + timed, "muparser/sphere" + timed },
            { "velmo/million" + timed, "muparser/million" + timed } });
}
