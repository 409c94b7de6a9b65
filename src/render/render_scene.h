#pragma once

#include "curves/object_list.h"
#include "geometry/camera.h"
#include "geometry/planes.h"
#include "render/color.h"
#include "render/surfaces.h"

#include <QPoint>
#include <QRect>

#include <array>
#include <memory>
#include <vector>

class TCanvas;

// A small sign drawn over the curves at a point of the scene: a zero (circle), a
// maximum (triangle up), a minimum (triangle down) or an intersection (cross).
enum TMarkShape : std::uint8_t { msCircle, msTriangleUp, msTriangleDown, msCross };
struct TSceneMark {
    TSpacePoint Point;
    TMarkShape Shape;
    TColor Color;
};

// What a camera looks at: the curves, the three reference planes, the little orientation
// axes and the background. Its one walk draws the same primitives onto any canvas, so a
// picture cannot differ between the back ends except by their line rules.
class TRenderScene {
public:
    TObjectList& Objects() { return FObjects; }
    const TObjectList& Objects() const { return FObjects; }
    TPlanes& Planes() { return FPlanes; }
    const TPlanes& Planes() const { return FPlanes; }

    TColor BrushColor() const { return FBrushColor; }
    void SetBrushColor(TColor color) { FBrushColor = color; }
    bool LAxisesVisible() const { return FLAxisesVisible; }
    void SetLAxisesVisible(bool value) { FLAxisesVisible = value; }
    TColor LAxisesColor() const { return FLAxisesColor; }
    void SetLAxisesColor(TColor value) { FLAxisesColor = value; }
    // Numbers at the ends of the planes' grid lines (off for a new scene).
    bool AxisNumbers() const { return FAxisNumbers; }
    void SetAxisNumbers(bool value) { FAxisNumbers = value; }

    // Marks drawn over the curves, projected anew with every picture (none for a new scene).
    const std::vector<TSceneMark>& Marks() const { return FMarks; }
    void SetMarks(std::vector<TSceneMark> marks) { FMarks = std::move(marks); }

    // Projects the visible planes and curves with the camera's matrix.
    void Project(const TCamera& camera);
    // Background, little axes, planes with their red half-axes, the axis numbers when they
    // are on, then the curves, as the last projection left them. When the little axes are
    // drawn and axisEnds is given, it receives where they ended (x, y, z). The axis numbers
    // keep clear of the little axes' labels and of the boxes in keepClear (labels drawn over
    // the picture afterwards).
    void Draw(const TCamera& camera, TCanvas& canvas, std::array<QPoint, 3>* axisEnds = nullptr,
        const std::vector<QRect>& keepClear = {}) const;
    // Project then Draw, the same picture in less time: the curves are projected on the
    // machine's cores while the background, axes and planes are drawn, and a curve the
    // canvas can draw in pieces is drawn block by block as its points come.
    void ProjectAndDraw(const TCamera& camera, TCanvas& canvas,
        std::array<QPoint, 3>* axisEnds = nullptr, const std::vector<QRect>& keepClear = {});

private:
    void drawLittleAxes(const TCamera& camera, TCanvas& canvas, std::array<QPoint, 3>& ends) const;
    // Hiding: lines are tested against the surfaces given to the canvas.
    void drawPlanes(const TCamera& camera, TCanvas& canvas, bool hiding) const;
    void drawAxisNumbers(const TCamera& camera, TCanvas& canvas, std::vector<QRect> taken) const;
    // With projections (one per curve, null for a curve not projected now), each
    // curve's points are taken as they come. With surfaces, the lines are tested against
    // them and each surface is drawn as its mesh.
    void drawCurves(const TCamera& camera, TCanvas& canvas,
        std::vector<std::unique_ptr<TPointsProjection>>* projections,
        const TSurfaceSet* surfaces) const;
    void drawMesh(const TSurfaceMesh& mesh, TCanvas& canvas) const;
    void drawTestedCurve(const TCamera& camera, TCanvas& canvas, const TCurveRecord& curve,
        TPointsProjection* projection) const;
    void drawTestedPlane(const TCamera& camera, TCanvas& canvas, const TPlane& plane) const;
    void drawMarks(const TCamera& camera, TCanvas& canvas) const;
    void drawAll(const TCamera& camera, TCanvas& canvas, std::array<QPoint, 3>* axisEnds,
        const std::vector<QRect>& keepClear,
        std::vector<std::unique_ptr<TPointsProjection>>* projections) const;

    TObjectList FObjects;
    TPlanes FPlanes;
    bool FLAxisesVisible = true;
    bool FAxisNumbers = false;
    TColor FLAxisesColor = 0;
    TColor FBrushColor = 16777215;
    std::vector<TSceneMark> FMarks;
    // Kept from frame to frame for their room: the surfaces of the last frame and the
    // depth points and screen points of the line in hand.
    mutable TSurfaceSet FSurfaces;
    mutable std::vector<TDepthPoint> FDepthPoints;
    mutable std::vector<TScreenPoint> FRunPoints;
};
