#pragma once

#include "curves/points_of_interest.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

class TCurveEditing;
class TCurveTracer;
class TDrawFunction;
struct TCurveSnapshot;
struct TSceneMark;

// The points of interest of curve index as a window marks them: none for a hidden curve
// or one of two free variables, and no crossing with a hidden curve.
std::vector<TPointOfInterest> ShownInterestPoints(const TObjectList& curves, int index);
// The marks of points over the picture in color: a circle at a zero, a triangle up at a
// maximum and down at a minimum, a cross at a crossing; breaks and points at no finite
// place have none.
std::vector<TSceneMark> InterestMarksOf(const std::vector<TPointOfInterest>& points, TColor color);

// The points of interest of a graph window's current curve ("Önemli Noktalar"): found
// on its formulas when the curves change, marked over the picture in the curve's colour
// while they are on, and the stops of the trace marker's Ctrl+Left / Ctrl+Right.
class TInterestMarks {
public:
    // Puts the trace marker on point of the current curve, named by label ("Maksimum");
    // false when it cannot.
    using TPlacer = std::function<bool(const TPointOfInterest& point, const QString& label)>;

    // The curves and the current curve are the window's renderer and editing; place is
    // the window's way of putting its trace marker somewhere.
    TInterestMarks(TDrawFunction& drawFunction, const TCurveEditing& editing, TPlacer place);
    ~TInterestMarks();
    TInterestMarks(const TInterestMarks&) = delete;
    TInterestMarks& operator=(const TInterestMarks&) = delete;

    // The marks shown; off at first. SetOn marks the points anew; false when the marks
    // were already so.
    bool On() const { return FOn; }
    bool SetOn(bool on);
    // Whether the picture shows marks or is to show them.
    bool Shown() const;

    // The current curve's points of interest, sorted by its free variable, found again
    // only when the curves, the current curve or the parameters changed since they
    // were last found; intersections only with the visible curves. Empty for a hidden
    // curve or one of two free variables.
    const std::vector<TPointOfInterest>& Points();
    // The points and their marks anew; true when the marks changed.
    bool Update();

    // While tracer traces the current curve: the marker goes to the next point of
    // interest along the free variable (direction 1) or the previous one (-1). False,
    // the marker kept, when there is none that way.
    bool Step(const TCurveTracer& tracer, bool tracing, int direction);
    // Whether the trace marker stands on the point it was last stepped to.
    bool OnStop(const TCurveTracer& tracer, bool tracing) const;
    // Puts the marker back on the point it was last stepped to, while the points hold.
    void ReturnToStop();

private:
    const TCurveRecord* CurrentCurve() const;
    bool PlaceOnStop(int index);

    TDrawFunction& FDrawFunction;
    const TCurveEditing& FEditing;
    TPlacer FPlace;
    bool FOn = false;
    std::vector<TPointOfInterest> FPoints;
    // What the points were found for (null: not yet), and the one the marker was last
    // stepped to (-1: none).
    std::unique_ptr<TCurveSnapshot> FKey;
    int FStop = -1;
};
