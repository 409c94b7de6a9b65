#include "curves/curve_tracer.h"

#include "base/number_text.h"
#include "curves/object_list.h"
#include "geometry/goruntu_matrisi.h"
#include "geometry/projection.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

bool TCurveTracer::TIndexKey::operator==(const TIndexKey& o) const
{
    return Curve == o.Curve && Data == o.Data && Count == o.Count && X0 == o.X0 && Y0 == o.Y0
        && Width == o.Width && Height == o.Height && Projected == o.Projected
        && std::memcmp(&Matrix.M()[0][0], &o.Matrix.M()[0][0], sizeof(TTransformMatrix::TElements))
        == 0;
}

TCurveTracer::TCurveTracer(const TObjectList& curves)
    : FCurves(curves)
{
}

TCurveTracer::~TCurveTracer() = default;

const TGoruntuMatrisi* TCurveTracer::points(int curve) const
{
    if (curve < 0 || curve >= FCurves.Count())
        return nullptr;
    return FCurves.Items(curve).Points;
}

const TSampleWalk& TCurveTracer::walk(int curve) const
{
    const TCurveRecord record = FCurves.Items(curve);
    if (!FWalk || FWalk->CurveType() != record.CurveType || FWalk->Step() != record.Step)
        FWalk = std::make_unique<TSampleWalk>(record.CurveType, record.Step);
    return *FWalk;
}

void TCurveTracer::Clear()
{
    FCurve = FPoint = -1;
    FLabel.clear();
}

long double TCurveTracer::OuterValue() const
{
    if (!Placed())
        return 0;
    return FPoint < 0 ? FValue : walk(FCurve).OuterValue(FSample);
}

long double TCurveTracer::InnerValue() const
{
    if (!Placed() || FPoint < 0)
        return 0;
    return walk(FCurve).InnerValue(FSample);
}

bool TCurveTracer::place(int curve, int point)
{
    const TGoruntuMatrisi* list = points(curve);
    if (list == nullptr || point < 0 || point >= list->Count())
        return false;
    const TCurveRecord record = FCurves.Items(curve);
    FCurve = curve;
    FPoint = point;
    FPosition = list->SpacePoints(point);
    FSample = list->SampleOf(point);
    FType = record.CurveType;
    FStep = record.Step;
    FLabel.clear();
    return true;
}

bool TCurveTracer::PlaceAtPoint(int curve, int point) { return place(curve, point); }

bool TCurveTracer::PlaceAtSample(int curve, long long sample, const std::string& label)
{
    const TGoruntuMatrisi* list = points(curve);
    if (list == nullptr || sample < 0 || sample > std::numeric_limits<int>::max()
        || !place(curve, list->PointOfSample(static_cast<int>(sample))))
        return false;
    FLabel = label;
    return true;
}

bool TCurveTracer::PlaceBetween(
    int curve, long double value, const TSpacePoint& point, const std::string& label)
{
    if (points(curve) == nullptr)
        return false;
    const TCurveRecord record = FCurves.Items(curve);
    FCurve = curve;
    FPoint = -1;
    FSample = -1;
    FValue = value;
    FPosition = point;
    FType = record.CurveType;
    FStep = record.Step;
    FLabel = label;
    return true;
}

bool TCurveTracer::PlaceNearest(int curve)
{
    const TGoruntuMatrisi* list = points(curve);
    if (list == nullptr || list->Count() == 0)
        return false;
    if (!Placed())
        return place(curve, list->Count() / 2);
    // Compared in double: the nearest point, not its distance, is what counts.
    const double x = static_cast<double>(FPosition.X);
    const double y = static_cast<double>(FPosition.Y);
    const double z = static_cast<double>(FPosition.Z);
    double best = std::numeric_limits<double>::infinity();
    int nearest = 0;
    const TSpacePoint* data = list->SpacePointData();
    for (int i = 0; i < list->Count(); ++i) {
        const double dx = static_cast<double>(data[i].X) - x;
        const double dy = static_cast<double>(data[i].Y) - y;
        const double dz = static_cast<double>(data[i].Z) - z;
        const double d = dx * dx + dy * dy + dz * dz;
        if (d < best) {
            best = d;
            nearest = i;
        }
    }
    return place(curve, nearest);
}

bool TCurveTracer::Follow(int curve)
{
    FIndexKey = {};
    FIndex.Clear();
    FScreen = {};
    const TGoruntuMatrisi* list = points(curve);
    if (list == nullptr || list->Count() == 0) {
        Clear();
        return false;
    }
    if (curve == FCurve && FPoint >= 0) {
        const TCurveRecord record = FCurves.Items(curve);
        if (record.CurveType == FType && record.Step == FStep
            && PlaceAtSample(curve, FSample, FLabel))
            return true;
    }
    return PlaceNearest(curve);
}

int TCurveTracer::pointFrom(const TGoruntuMatrisi& list, long long sample, int direction) const
{
    // The sample numbers of the points increase with their index.
    int low = 0;
    int high = list.Count();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (list.SampleOf(middle) < sample)
            low = middle + 1;
        else
            high = middle;
    }
    // low: the first point at or after sample.
    if (direction > 0)
        return low < list.Count() ? low : -1;
    if (low < list.Count() && list.SampleOf(low) == sample)
        return low;
    return low - 1;
}

bool TCurveTracer::Step(int count)
{
    const TGoruntuMatrisi* list = points(FCurve);
    if (list == nullptr || list->Count() == 0 || count == 0)
        return false;
    long long from = FPoint;
    if (FPoint < 0) {
        // Between samples: the sample on the side of the step counts as the first step.
        const TSampleWalk& w = walk(FCurve);
        long long k = w.NearestOuter(FValue);
        const long double at = w.OuterValue(k * w.InnerCount());
        if (count > 0 && at <= FValue)
            ++k;
        else if (count < 0 && at >= FValue)
            --k;
        const int direction = count > 0 ? 1 : -1;
        const int first = k < 0 ? -1 : pointFrom(*list, k * w.InnerCount(), direction);
        if (first < 0)
            return false;
        from = first;
        count -= direction;
    }
    const long long to = std::clamp<long long>(from + count, 0, list->Count() - 1);
    if (to == FPoint)
        return false;
    return place(FCurve, static_cast<int>(to));
}

bool TCurveTracer::ToFirst() { return Placed() && FPoint != 0 && place(FCurve, 0); }

bool TCurveTracer::ToLast()
{
    const TGoruntuMatrisi* list = points(FCurve);
    return list != nullptr && FPoint != list->Count() - 1 && place(FCurve, list->Count() - 1);
}

bool TCurveTracer::StepRow(int rows)
{
    const TGoruntuMatrisi* list = points(FCurve);
    if (list == nullptr || FPoint < 0 || rows == 0)
        return false;
    const TSampleWalk& w = walk(FCurve);
    if (!w.TwoVariables())
        return false;
    const long long row = w.InnerCount();
    const long long direction = rows > 0 ? 1 : -1;
    long long target = FSample + rows * row;
    // A left-out sample is passed over to the next of the same inner value.
    for (; target >= 0 && target < w.Count(); target += direction * row)
        if (const int point = list->PointOfSample(static_cast<int>(target)); point >= 0)
            return place(FCurve, point);
    return false;
}

int TCurveTracer::VisibleCurveFrom(int curve, int direction) const
{
    for (int i = curve + direction; i >= 0 && i < FCurves.Count(); i += direction) {
        const TCurveRecord record = FCurves.Items(i);
        if (record.Visible && record.Points != nullptr && record.Points->Count() > 0)
            return i;
    }
    return -1;
}

const TScreenIndex& TCurveTracer::index(const TTraceView& view, int& stride)
{
    const TGoruntuMatrisi& list = *points(FCurve);
    TIndexKey key;
    key.Curve = FCurve;
    key.Data = list.SpacePointData();
    key.Count = list.Count();
    key.Matrix = view.Matrix;
    key.X0 = view.X0;
    key.Y0 = view.Y0;
    key.Width = view.Width;
    key.Height = view.Height;
    key.Projected = view.Projected;
    stride = TGoruntuMatrisi::Stride(view.Matrix);
    if (key == FIndexKey && !FIndex.Empty())
        return FIndex;
    FIndexKey = key;
    const TScreenPoint* screen = list.ScreenPointData();
    int count = list.ProjectedCount();
    if (!view.Projected) {
        // Another view than the one drawn last: its own projection, on every core.
        FScreen.resize(static_cast<std::size_t>(TakenCount(list.Count(), stride)));
        TPointsProjection projection(
            view.Matrix, list.SpacePointData(), list.Count(), stride, FScreen.data());
        projection.AwaitAll();
        screen = FScreen.data();
        count = projection.Taken();
    } else
        FScreen = {};
    FIndex.Build(screen, count, view.X0, view.Y0, view.Width, view.Height);
    return FIndex;
}

bool TCurveTracer::MoveToPixel(const TTraceView& view, int x, int y)
{
    const TGoruntuMatrisi* list = points(FCurve);
    if (list == nullptr || list->Count() == 0)
        return false;
    int stride = 1;
    const int nearest = index(view, stride).Nearest(x, y);
    if (nearest < 0)
        return false;
    const long long point = static_cast<long long>(nearest) * stride;
    if (point >= list->Count() || point == FPoint)
        return false;
    return place(FCurve, static_cast<int>(point));
}

namespace {
std::string named(const char* name, long double value)
{
    return std::string(name) + " = " + FloatToText(value);
}
}

std::string TCurveTracer::Text() const
{
    if (!Placed())
        return {};
    const TSpacePoint& p = FPosition;
    // A free variable by its name in the type table, in lower case ("t = 1,5").
    const auto variable = [this](int which, long double value) {
        std::string name = CurveTypes[static_cast<std::size_t>(FType)].Variables[which].Name;
        for (char& c : name)
            c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        return named(name.c_str(), value);
    };
    const std::string x = named("x", p.X), y = named("y", p.Y), z = named("z", p.Z);
    std::string text;
    switch (FType) {
    case ctXYPlane:
        text = x + "  " + y;
        break;
    case ctXZPlane:
        text = x + "  " + z;
        break;
    case ctYZPlane:
        text = y + "  " + z;
        break;
    case ctXYZSpace:
    case ctXYZSurface: // its free variables are x and y themselves
        text = x + "  " + y + "  " + z;
        break;
    case ctPolar:
        text = variable(0, OuterValue()) + "  " + x + "  " + y;
        break;
    case ctSpherical:
    case ctParametric:
        text = variable(0, OuterValue()) + "  " + variable(1, InnerValue()) + "  " + x + "  " + y
            + "  " + z;
        break;
    default:
        text = variable(0, OuterValue()) + "  " + x + "  " + y + "  " + z;
        break;
    }
    return FLabel.empty() ? text : FLabel + ": " + text;
}

bool TCurveTracer::PixelIn(const TTransformMatrix& m, int x0, int y0, int& px, int& py) const
{
    TScreenPoint screen {};
    if (!Placed() || !ProjectPoint(m, FPosition, screen))
        return false;
    px = x0 + screen.X;
    py = y0 - screen.Y;
    return true;
}
