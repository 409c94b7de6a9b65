#include "ui/graph/interest_marks.h"

#include "curves/curve_tracer.h"
#include "curves/curve_types.h"
#include "render/draw_function.h"
#include "ui/graph/curve_editing.h"
#include "ui/graph/curve_undo.h"

#include <algorithm>
#include <cmath>

namespace {
bool placeable(const TPointOfInterest& p)
{
    return std::isfinite(p.Point.X) && std::isfinite(p.Point.Y) && std::isfinite(p.Point.Z);
}

// The kind in the status line; where a curve has more than one coordinate of its
// own, the coordinate too ("Maksimum (y)").
QString stopLabel(const TPointOfInterest& p, int curveType)
{
    QString label = QString::fromUtf8(InterestKindText(p.Kind));
    const bool plane = curveType == ctXYPlane || curveType == ctXZPlane || curveType == ctYZPlane;
    if (!plane && p.Kind != ikIntersection) {
        const char* axes[] = { "x", "y", "z" };
        label += QString(" (%1)").arg(axes[std::clamp(p.Of, 0, 2)]);
    }
    return label;
}
}

std::vector<TPointOfInterest> ShownInterestPoints(const TObjectList& curves, int index)
{
    std::vector<TPointOfInterest> points;
    if (index < 0 || index >= curves.Count() || !curves.Items(index).Visible)
        return points;
    try {
        points = CurveInterestPoints(curves, index);
    } catch (const ECurveInspectionError&) {
        // A curve of two free variables has none.
    }
    // A crossing with a hidden curve would mark a place where nothing is seen to meet.
    std::erase_if(points, [&](const TPointOfInterest& p) {
        return p.Kind == ikIntersection && !curves.Items(p.Of - 1).Visible;
    });
    return points;
}

std::vector<TSceneMark> InterestMarksOf(const std::vector<TPointOfInterest>& points, TColor color)
{
    std::vector<TSceneMark> marks;
    for (const TPointOfInterest& p : points) {
        if (p.Kind == ikBreak || !placeable(p))
            continue;
        const TMarkShape shape = p.Kind == ikZero ? msCircle
            : p.Kind == ikMaximum                 ? msTriangleUp
            : p.Kind == ikMinimum                 ? msTriangleDown
                                                  : msCross;
        marks.push_back({ p.Point, shape, color });
    }
    return marks;
}

TInterestMarks::TInterestMarks(
    TDrawFunction& drawFunction, const TCurveEditing& editing, TPlacer place)
    : FDrawFunction(drawFunction)
    , FEditing(editing)
    , FPlace(std::move(place))
{
}

TInterestMarks::~TInterestMarks() = default;

const TCurveRecord* TInterestMarks::CurrentCurve() const
{
    return FDrawFunction.Objects().Count() == 0 ? nullptr : &FEditing.CurrentCurve();
}

bool TInterestMarks::SetOn(bool on)
{
    if (on == FOn)
        return false;
    FOn = on;
    Update();
    return true;
}

bool TInterestMarks::Shown() const { return FOn || !FDrawFunction.Scene().Marks().empty(); }

const std::vector<TPointOfInterest>& TInterestMarks::Points()
{
    const TObjectList& curves = FDrawFunction.Objects();
    TCurveSnapshot key = TakeCurveSnapshot(curves, FEditing);
    // Typing in the explorer before an apply changes nothing the points depend on.
    if (key.State == omEdit)
        key.State = omNone;
    if (FKey != nullptr && *FKey == key)
        return FPoints;
    FPoints.clear();
    FStop = -1;
    if (CurrentCurve() != nullptr && FEditing.State() != omAppend)
        FPoints = ShownInterestPoints(curves, FEditing.CurveIndex());
    FKey = std::make_unique<TCurveSnapshot>(std::move(key));
    return FPoints;
}

bool TInterestMarks::Update()
{
    const std::vector<TSceneMark> before = FDrawFunction.Scene().Marks();
    std::vector<TSceneMark> marks;
    if (FOn)
        marks = InterestMarksOf(Points(), CurrentCurve()->Color);
    const auto same = [](const TSceneMark& a, const TSceneMark& b) {
        return a.Shape == b.Shape && a.Color == b.Color && a.Point.X == b.Point.X
            && a.Point.Y == b.Point.Y && a.Point.Z == b.Point.Z;
    };
    if (marks.size() == before.size()
        && std::equal(marks.begin(), marks.end(), before.begin(), same))
        return false;
    FDrawFunction.Scene().SetMarks(std::move(marks));
    return true;
}

bool TInterestMarks::Step(const TCurveTracer& tracer, bool tracing, int direction)
{
    const int index = FEditing.CurveIndex();
    if (!tracing || !tracer.Placed() || tracer.Curve() != index)
        return false;
    const std::vector<TPointOfInterest>& points = Points();
    const int count = static_cast<int>(points.size());
    const long double at = tracer.OuterValue();
    int next = -1;
    if (OnStop(tracer, tracing))
        // On a stop: its neighbour in the list, so that points at the same value
        // (a zero of x where y turns) are each visited.
        next = FStop + direction;
    else if (direction > 0)
        next = static_cast<int>(
            std::upper_bound(points.begin(), points.end(), at,
                [](long double v, const TPointOfInterest& p) { return v < p.At; })
            - points.begin());
    else
        next = static_cast<int>(
                   std::lower_bound(points.begin(), points.end(), at,
                       [](const TPointOfInterest& p, long double v) { return p.At < v; })
                   - points.begin())
            - 1;
    while (next >= 0 && next < count && !placeable(points[static_cast<std::size_t>(next)]))
        next += direction;
    return next >= 0 && next < count && PlaceOnStop(next);
}

bool TInterestMarks::PlaceOnStop(int index)
{
    const TPointOfInterest p = FPoints[static_cast<std::size_t>(index)];
    if (!FPlace(p, stopLabel(p, CurrentCurve()->CurveType)))
        return false;
    FStop = index;
    return true;
}

bool TInterestMarks::OnStop(const TCurveTracer& tracer, bool tracing) const
{
    return tracing && FStop >= 0 && FStop < static_cast<int>(FPoints.size()) && tracer.Sample() < 0
        && tracer.Curve() == FEditing.CurveIndex()
        && FPoints[static_cast<std::size_t>(FStop)].At == tracer.OuterValue();
}

void TInterestMarks::ReturnToStop()
{
    if (!Points().empty() && FStop >= 0)
        PlaceOnStop(FStop);
}
