// The points of interest of a graph window's current curve: found on its formulas
// when the curves change, marked over the picture while "Önemli Noktalar" is on,
// and the stops of the trace marker's Ctrl+Left / Ctrl+Right.
#include "curves/curve_types.h"
#include "ui/graph/curve_undo.h"
#include "ui/graph/grafik_mchild_frm.h"

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

void TGrafikMChildFrm::SetInterestMarks(bool on)
{
    if (on == FInterestMarks)
        return;
    FInterestMarks = on;
    UpdateInterestMarks();
    RedrawViews(false);
}

const std::vector<TPointOfInterest>& TGrafikMChildFrm::InterestPoints()
{
    const TObjectList& curves = FDrawFunction.Objects();
    TCurveSnapshot key = TakeCurveSnapshot(curves, FEditing);
    // Typing in the explorer before an apply changes nothing the points depend on.
    if (key.State == omEdit)
        key.State = omNone;
    if (FInterestKey != nullptr && *FInterestKey == key)
        return FInterestPoints;
    FInterestPoints.clear();
    FInterestStop = -1;
    const TCurveRecord* curve = CurrentCurveOrNull();
    if (curve != nullptr && curve->Visible && FEditing.State() != omAppend) {
        try {
            FInterestPoints = CurveInterestPoints(curves, FEditing.CurveIndex());
        } catch (const ECurveInspectionError&) {
            // A curve of two free variables has none.
        }
        // A crossing with a hidden curve would mark a place where nothing is seen to meet.
        std::erase_if(FInterestPoints, [&](const TPointOfInterest& p) {
            return p.Kind == ikIntersection && !curves.Items(p.Of - 1).Visible;
        });
    }
    FInterestKey = std::make_unique<TCurveSnapshot>(std::move(key));
    return FInterestPoints;
}

bool TGrafikMChildFrm::UpdateInterestMarks()
{
    const std::vector<TSceneMark> before = FDrawFunction.Scene().Marks();
    std::vector<TSceneMark> marks;
    if (FInterestMarks)
        for (const TPointOfInterest& p : InterestPoints()) {
            if (p.Kind == ikBreak || !placeable(p))
                continue;
            const TMarkShape shape = p.Kind == ikZero ? msCircle
                : p.Kind == ikMaximum                 ? msTriangleUp
                : p.Kind == ikMinimum                 ? msTriangleDown
                                                      : msCross;
            marks.push_back({ p.Point, shape, CurrentCurveOrNull()->Color });
        }
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

bool TGrafikMChildFrm::StepToInterestPoint(int direction)
{
    const TCurveTracer& tracer = Tracer();
    const int index = CurveIndex();
    if (!Tracing() || !tracer.Placed() || tracer.Curve() != index)
        return false;
    const std::vector<TPointOfInterest>& points = InterestPoints();
    const int count = static_cast<int>(points.size());
    const long double at = tracer.OuterValue();
    int next = -1;
    if (OnInterestStop())
        // On a stop: its neighbour in the list, so that points at the same value
        // (a zero of x where y turns) are each visited.
        next = FInterestStop + direction;
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
    return next >= 0 && next < count && PlaceOnInterestStop(next);
}

bool TGrafikMChildFrm::PlaceOnInterestStop(int index)
{
    const TPointOfInterest p = FInterestPoints[static_cast<std::size_t>(index)];
    if (!PlaceMarkerBetween(
            CurveIndex(), p.At, p.Point, stopLabel(p, CurrentCurveOrNull()->CurveType)))
        return false;
    FInterestStop = index;
    return true;
}

bool TGrafikMChildFrm::OnInterestStop() const
{
    const TCurveTracer& tracer = Tracer();
    return Tracing() && FInterestStop >= 0
        && FInterestStop < static_cast<int>(FInterestPoints.size()) && tracer.Sample() < 0
        && tracer.Curve() == CurveIndex()
        && FInterestPoints[static_cast<std::size_t>(FInterestStop)].At == tracer.OuterValue();
}
