#pragma once

#include "curves/curve_tracer.h"

#include <QString>

#include <array>
#include <functional>

class TDrawFunction;
class TGraphHost;
class TImage;

// What a graph window's views tell about the numbers behind the picture: the
// plane coordinates under the pointer in a view that looks straight at a
// reference plane, and, while tracing, the marker on the current curve with its
// place in words. The window hands it the events of its views; the reading and
// the stepping are the tracer's.
class TGraphReadout {
public:
    // The views by their images: the single view, then front, side, top and own of
    // four-view.
    enum TView { vSingle, vFront, vSide, vTop, vOwn };
    static constexpr int ViewCount = 5;

    // selectCurve makes a curve the window's current one (which then calls
    // CurveChanged); stepToInterest moves the marker to the next (1) or previous (-1)
    // point of interest of its curve (which then calls TracerMoved).
    TGraphReadout(TDrawFunction& renderer, TGraphHost& host, std::array<TImage*, ViewCount> images,
        std::function<void(int)> selectCurve, std::function<void(int)> stepToInterest);

    bool Tracing() const { return FTracing; }
    // Tracing starts on the current curve's middle sample; off, the markers go and
    // the status says nothing.
    void SetTracing(bool on, int currentCurve, bool fourView);
    TCurveTracer& Tracer() { return FTracer; }
    const TCurveTracer& Tracer() const { return FTracer; }
    QString TraceText() const;
    // The marker stays where it is while the pointer moves on.
    bool Pinned() const { return FPinned; }

    // The geometry of a view as last drawn; fourView says which layout is shown.
    TTraceView ViewOf(int view, bool fourView) const;

    // The pointer moved to (x, y) of a view, buttons held or not.
    void PointerMoved(int view, bool fourView, bool buttonHeld, int x, int y);
    void PointerLeft();
    // A click (press and release without turning or dragging): pins or frees the marker.
    void Clicked();
    // A key while tracing; false when it is not one of the tracer's. Escape ends the
    // tracing (and clears the host's check mark).
    bool KeyPressed(int key, int modifiers, bool fourView);
    // Whether the key is the tracer's (so that a short-cut of the main window gives way).
    bool TakesKey(int key, int modifiers) const;

    // The views were drawn again: the markers follow their sample.
    void ViewsRedrawn(bool fourView);
    // The current curve or the curves changed.
    void CurveChanged(int currentCurve, bool fourView);
    // The tracer was moved from outside (a point of interest): markers and status follow.
    void TracerMoved(bool fourView);

private:
    void showTrace(bool fourView);

    TDrawFunction& FRenderer;
    TGraphHost& FHost;
    std::array<TImage*, ViewCount> FImages;
    std::function<void(int)> FSelectCurve;
    std::function<void(int)> FStepToInterest;
    TCurveTracer FTracer;
    bool FTracing = false;
    bool FPinned = false;
    int FCurrentCurve = -1;
    bool FShowingCoordinates = false;
    QString FLastHint;
};
