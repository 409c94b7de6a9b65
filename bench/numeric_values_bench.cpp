// Showing a curve of 200,001 points in the numeric values window, beside the
// grid filled the item-per-cell way (a QTableWidget with one item per cell, as
// a string grid is filled) and beside generating the same curve alone, which
// the window does once more for its preview. Then the CSV export of a curve of
// 10,000,000 points beside writing the same rows with printf.

#include "base/number_text.h"
#include "curves/object_list.h"
#include "files/point_table_export.h"
#include "ratio_reporter.h"
#include "ui/dialogs/saysal_frm.h"

#include <QApplication>
#include <QTableWidget>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>

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

// x from -10 at step 2e-6, y = sin(x) * 3: a curve at the cap of a curve's points.
const TGoruntuMatrisi& largeCurve()
{
    static const TGoruntuMatrisi* points = [] {
        auto* list = new TGoruntuMatrisi;
        for (int i = 0; i < 10'000'000; ++i) {
            const long double x = -10 + i * 2e-6L;
            list->Add({ x, std::sin(x) * 3, 0, 1 });
        }
        return list;
    }();
    return *points;
}

void csvExport(benchmark::State& state)
{
    const TGoruntuMatrisi& points = largeCurve();
    QTemporaryDir dir;
    for (auto _ : state) {
        int pieces = 0;
        const TPointTableExport result = ExportPointTable(
            points, dir.filePath("points.csv"), [&](qint64, qint64) { return ++pieces > 0; });
        if (!result.Written)
            state.SkipWithError("not written");
        state.counters["pieces"] = pieces;
    }
}

void printfRows(benchmark::State& state)
{
    const TGoruntuMatrisi& points = largeCurve();
    QTemporaryDir dir;
    for (auto _ : state) {
        std::FILE* f = std::fopen(dir.filePath("points.csv").toLocal8Bit().constData(), "wb");
        std::fputs("n,x,y,z\r\n", f);
        for (int k = 0; k < points.Count(); ++k) {
            const TSpacePoint& p = points.SpacePoints(k);
            std::fprintf(f, "%d,%.15Lg,%.15Lg,%.15Lg\r\n", k + 1, p.X, p.Y, p.Z);
        }
        std::fclose(f);
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
    benchmark::RegisterBenchmark("export/csv 10M", csvExport)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);
    benchmark::RegisterBenchmark("printf/csv 10M", printfRows)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);
    return RunWithRatios(argc, argv,
        { { "window/show curve", "items/fill grid/iterations:3" },
            { "window/show curve", "generation/append curve" },
            { "export/csv 10M/iterations:1", "printf/csv 10M/iterations:1" } });
}
