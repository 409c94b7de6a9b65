#include "ui/graph/graph_readout.h"

#include "geometry/plane_reading.h"
#include "render/draw_function.h"
#include "render/four_view.h"
#include "ui/graph/graph_host.h"
#include "ui/platform/image.h"

#include <QClipboard>
#include <QGuiApplication>

#include <cstdlib>

namespace {
// The inverse of the background, or black or white where the inverse would hardly
// differ from it (a mid grey).
QColor markerColor(TColor background)
{
    const int r = int(background & 0xFF), g = int((background >> 8) & 0xFF),
              b = int((background >> 16) & 0xFF);
    if (std::abs(2 * r - 255) + std::abs(2 * g - 255) + std::abs(2 * b - 255) >= 192)
        return QColor(255 - r, 255 - g, 255 - b);
    return r * 299 + g * 587 + b * 114 >= 128000 ? QColor(Qt::black) : QColor(Qt::white);
}

bool visibleIn(int view, bool fourView)
{
    return fourView ? view != TGraphReadout::vSingle : view == TGraphReadout::vSingle;
}
}

TGraphReadout::TGraphReadout(TDrawFunction& renderer, TGraphHost& host,
    std::array<TImage*, ViewCount> images, std::function<void(int)> selectCurve,
    std::function<void(int)> stepToInterest)
    : FRenderer(renderer)
    , FHost(host)
    , FImages(images)
    , FSelectCurve(std::move(selectCurve))
    , FStepToInterest(std::move(stepToInterest))
    , FTracer(renderer.Objects())
{
}

QString TGraphReadout::TraceText() const { return QString::fromStdString(FTracer.Text()); }

TTraceView TGraphReadout::ViewOf(int view, bool fourView) const
{
    const TCamera& camera = FRenderer.Camera();
    TTraceView result;
    result.X0 = camera.X0();
    result.Y0 = camera.Y0();
    result.Width = FRenderer.Width();
    result.Height = FRenderer.Height();
    if (view == vSingle || view == vOwn || !fourView) {
        // The view drawn last: the curves hold its projection.
        result.Matrix = camera.Matrix();
        result.Projected = true;
        return result;
    }
    TCamera fixed = camera;
    fixed.SetAngles(FixedViewAngles[view - vFront][0], FixedViewAngles[view - vFront][1]);
    fixed.BuildMatrix();
    result.Matrix = fixed.Matrix();
    return result;
}

void TGraphReadout::SetTracing(bool on, int currentCurve, bool fourView)
{
    FPinned = false;
    FTracing = on;
    FTracer.Clear();
    if (on) {
        CurveChanged(currentCurve, fourView);
        return;
    }
    for (TImage* image : FImages) {
        image->ClearMarker();
        image->setAccessibleDescription(QString());
    }
    FHost.SetTraceStatus(QString());
}

void TGraphReadout::PointerMoved(int view, bool fourView, bool buttonHeld, int x, int y)
{
    const TTraceView geometry = ViewOf(view, fourView);
    TPlaneReading reading;
    if (ReadPlane(geometry.Matrix, geometry.X0, geometry.Y0, x, y, reading)) {
        const QString hint = QString::fromStdString(PlaneReadingText(reading));
        if (!FShowingCoordinates || hint != FLastHint)
            FHost.SetPointerHint(hint);
        FLastHint = hint;
        FShowingCoordinates = true;
    } else
        PointerLeft();
    if (FTracing && !buttonHeld && !FPinned && FTracer.MoveToPixel(geometry, x, y))
        showTrace(fourView);
}

void TGraphReadout::PointerLeft()
{
    if (!FShowingCoordinates)
        return;
    FShowingCoordinates = false;
    FHost.SetPointerHint(QString());
}

void TGraphReadout::Clicked()
{
    if (FTracing)
        FPinned = !FPinned;
}

bool TGraphReadout::TakesKey(int key, int modifiers) const
{
    if (!FTracing)
        return false;
    if (modifiers & Qt::ControlModifier)
        return key == Qt::Key_C || key == Qt::Key_Left || key == Qt::Key_Right;
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Escape:
        return true;
    default:
        return false;
    }
}

bool TGraphReadout::KeyPressed(int key, int modifiers, bool fourView)
{
    if (!TakesKey(key, modifiers))
        return false;
    if ((modifiers & Qt::ControlModifier) && key != Qt::Key_C) {
        FStepToInterest(key == Qt::Key_Right ? 1 : -1);
        return true;
    }
    const int steps = (modifiers & Qt::ShiftModifier) ? 10 : 1;
    switch (key) {
    case Qt::Key_C:
        QGuiApplication::clipboard()->setText(TraceText());
        return true;
    case Qt::Key_Escape:
        SetTracing(false, FCurrentCurve, fourView);
        FHost.SetTraceCheck(false);
        return true;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: {
        const int from = FTracer.Placed() ? FTracer.Curve() : FCurrentCurve;
        const int next = FTracer.VisibleCurveFrom(from, key == Qt::Key_PageDown ? 1 : -1);
        if (next >= 0)
            FSelectCurve(next);
        return true;
    }
    case Qt::Key_Left:
        FTracer.Step(-steps);
        break;
    case Qt::Key_Right:
        FTracer.Step(steps);
        break;
    case Qt::Key_Up:
        FTracer.StepRow(1);
        break;
    case Qt::Key_Down:
        FTracer.StepRow(-1);
        break;
    case Qt::Key_Home:
        FTracer.ToFirst();
        break;
    case Qt::Key_End:
        FTracer.ToLast();
        break;
    default:
        return false;
    }
    showTrace(fourView);
    return true;
}

void TGraphReadout::ViewsRedrawn(bool fourView)
{
    if (FTracing)
        showTrace(fourView);
}

void TGraphReadout::CurveChanged(int currentCurve, bool fourView)
{
    FCurrentCurve = currentCurve;
    if (!FTracing)
        return;
    const TObjectList& curves = FRenderer.Objects();
    bool traced = false;
    if (currentCurve >= 0 && currentCurve < curves.Count()) {
        const TCurveRecord curve = curves.Items(currentCurve);
        traced = curve.Visible && FTracer.Follow(currentCurve);
    }
    if (!traced)
        FTracer.Clear();
    showTrace(fourView);
}

void TGraphReadout::TracerMoved(bool fourView)
{
    if (FTracing)
        showTrace(fourView);
}

void TGraphReadout::showTrace(bool fourView)
{
    const QColor color = markerColor(FRenderer.BrushColor());
    const QColor halo = ColorToQColor(FRenderer.BrushColor());
    const QString text = TraceText();
    for (int view = 0; view < ViewCount; ++view) {
        TImage* image = FImages[static_cast<std::size_t>(view)];
        int x = 0, y = 0;
        const TTraceView geometry = ViewOf(view, fourView);
        if (visibleIn(view, fourView)
            && FTracer.PixelIn(geometry.Matrix, geometry.X0, geometry.Y0, x, y))
            image->SetMarker(QPoint(x, y), color, halo);
        else
            image->ClearMarker();
        image->setAccessibleDescription(text);
    }
    FHost.SetTraceStatus(text);
}
