// Showing a curve of 200,001 points in the numeric values window, beside the
// grid filled the item-per-cell way (a QTableWidget with one item per cell, as
// a string grid is filled) and beside generating the same curve alone, which
// the window does once more for its preview.

#include "base/number_text.h"
#include "curves/object_list.h"
#include "ratio_reporter.h"
#include "ui/dialogs/saysal_frm.h"

#include <QApplication>
#include <QTableWidget>

namespace {
constexpr long double Step = 0.0001L; // 200,001 samples over -10..10

void appendCurve(TObjectList& list)
{
    list.Append(ctXYPlane, "X", "sin(x)*3", "0", 255, csLine, 1, Step, true);
}

void window(benchmark::State& state)
{
    TObjectList curves;
    appendCurve(curves);
    TSaysalFrm form;
    form.SetCurves(&curves, 1);
    form.show();
    QApplication::processEvents();
    for (auto _ : state) {
        form.ShowCurve(1);
        QApplication::processEvents();
    }
    state.counters["points"] = curves.Items(0).Points->Count();
}

void itemPerCell(benchmark::State& state)
{
    TObjectList curves;
    appendCurve(curves);
    const TGoruntuMatrisi& points = *curves.Items(0).Points;
    QTableWidget grid(0, 4);
    grid.show();
    for (auto _ : state) {
        grid.setRowCount(0);
        grid.setRowCount(points.Count());
        for (int k = 0; k < points.Count(); ++k) {
            const TSpacePoint& p = points.SpacePoints(k);
            grid.setItem(k, 0, new QTableWidgetItem(QString::number(k + 1)));
            grid.setItem(k, 1, new QTableWidgetItem(QString::fromStdString(FloatToText(p.X))));
            grid.setItem(k, 2, new QTableWidgetItem(QString::fromStdString(FloatToText(p.Y))));
            grid.setItem(k, 3, new QTableWidgetItem(QString::fromStdString(FloatToText(p.Z))));
        }
        QApplication::processEvents();
    }
}

void generation(benchmark::State& state)
{
    TObjectList curves;
    for (auto _ : state) {
        curves.Clear();
        appendCurve(curves);
    }
}
}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::RegisterBenchmark("window/show curve", window)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("items/fill grid", itemPerCell)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3);
    benchmark::RegisterBenchmark("generation/append curve", generation)
        ->Unit(benchmark::kMillisecond);
    return RunWithRatios(argc, argv,
        { { "window/show curve", "items/fill grid/iterations:3" },
            { "window/show curve", "generation/append curve" } });
}
