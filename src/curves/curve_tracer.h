#pragma once

#include "curves/sample_walk.h"
#include "geometry/screen_index.h"
#include "geometry/space_point.h"
#include "geometry/transform_matrix.h"

#include <memory>
#include <string>
#include <vector>

class TObjectList;
class TGoruntuMatrisi;

// A view a tracer looks through: the matrix it is projected with, the pixel of the
// scene origin and its size in pixels.
struct TTraceView {
    TTransformMatrix Matrix;
    int X0 = 0;
    int Y0 = 0;
    int Width = 0;
    int Height = 0;
    // The curves' screen slots hold this very view's projection (the view drawn
    // last), so the tracer need not project the points again.
    bool Projected = false;
};

// The marker that reads the curves of a scene: it stands on one sample of a
// curve (never where a sample was left out) or, put there by a caller that found
// the place on the formulas, between two samples. It follows the pointer to the
// drawn sample nearest on screen, steps along the samples and across the rows of a
// curve of two variables, and says where it is in the words of the curve's type:
// "t = 1,5  x = 0,997494986604054  y = 0,0707372016677029  z = 0,75".
class TCurveTracer {
public:
    explicit TCurveTracer(const TObjectList& curves);
    ~TCurveTracer();
    TCurveTracer(const TCurveTracer&) = delete;
    TCurveTracer& operator=(const TCurveTracer&) = delete;

    bool Placed() const { return FCurve >= 0; }
    // The curve's index, -1 while the marker is nowhere.
    int Curve() const { return FCurve; }
    // The index in the curve's point list, -1 while the marker stands between samples.
    int Point() const { return FPoint; }
    // The sample's number as TSampleWalk counts them, -1 between samples.
    long long Sample() const { return FPoint >= 0 ? FSample : -1; }
    // The free variables' values where the marker stands (the inner one 0 for a curve
    // of one variable).
    long double OuterValue() const;
    long double InnerValue() const;
    const TSpacePoint& Position() const { return FPosition; }

    void Clear();
    // Each returns false, the marker staying where it was, when the curve has no
    // such point. A label names the place in the text ("Maksimum: x = ...").
    bool PlaceAtPoint(int curve, int point);
    bool PlaceAtSample(int curve, long long sample, const std::string& label = {});
    // Between the samples: the curve's point at value of its outer free variable,
    // found on the formulas; stepping goes on from the samples on either side.
    bool PlaceBetween(
        int curve, long double value, const TSpacePoint& point, const std::string& label = {});
    // The sample of curve nearest in space to where the marker stands, or its middle
    // point while the marker is nowhere.
    bool PlaceNearest(int curve);
    // After the curves changed: the marker keeps its sample when its curve still has
    // it at the same type and step, else goes to the sample of curve nearest to where
    // it stood; the views are indexed anew.
    bool Follow(int curve);

    // The drawn sample of the marker's curve nearest to pixel (x, y) of view.
    bool MoveToPixel(const TTraceView& view, int x, int y);
    // points along the list (negative: back), stopping at the ends.
    bool Step(int points);
    bool ToFirst();
    bool ToLast();
    // A curve of two variables: the neighbouring sample of the outer variable at the
    // same inner value, passing over left-out ones.
    bool StepRow(int rows);

    // The visible curve after (direction 1) or before (-1) curve that has points;
    // -1 when there is none.
    int VisibleCurveFrom(int curve, int direction) const;

    // The place in words; empty while the marker is nowhere.
    std::string Text() const;
    // The marker's pixel in a view projected with m whose origin is (x0, y0); false
    // when it is nowhere or at or behind the eye.
    bool PixelIn(const TTransformMatrix& m, int x0, int y0, int& px, int& py) const;

private:
    const TGoruntuMatrisi* points(int curve) const;
    const TSampleWalk& walk(int curve) const;
    bool place(int curve, int point);
    // The first point whose sample is at or after sample (direction 1) or the last at
    // or before it (-1); -1 when there is none.
    int pointFrom(const TGoruntuMatrisi& list, long long sample, int direction) const;
    const TScreenIndex& index(const TTraceView& view, int& stride);

    const TObjectList& FCurves;
    int FCurve = -1;
    int FPoint = -1;
    long double FValue = 0; // the outer value between samples
    TSpacePoint FPosition {};
    std::string FLabel;
    // The sample, and the type and step its number belongs to.
    long long FSample = -1;
    int FType = 0;
    long double FStep = 0;

    mutable std::unique_ptr<TSampleWalk> FWalk;

    // The index of the view last looked through, and what it was built for.
    struct TIndexKey {
        int Curve = -1;
        const void* Data = nullptr;
        int Count = 0;
        TTransformMatrix Matrix;
        int X0 = 0, Y0 = 0, Width = 0, Height = 0;
        bool Projected = false;
        bool operator==(const TIndexKey& other) const;
    };
    TIndexKey FIndexKey;
    TScreenIndex FIndex;
    std::vector<TScreenPoint> FScreen; // a view's own projection of the points
};
