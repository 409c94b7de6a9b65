#pragma once

#include "base/block_work.h"
#include "curves/object_list.h"
#include "geometry/camera.h"
#include "geometry/projection.h"
#include "render/color.h"
#include "render/raster.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

// A point as hidden-line removal sees it: its screen offsets before rounding (y upward,
// from the scene origin) and its nearness D, the depth towards the eye in pixels divided
// as the screen offsets are, which goes linearly with the screen position over any plane
// of the scene. Valid is false for a point that does not project (at or behind the eye).
struct TDepthPoint {
    double X = 0, Y = 0, D = 0;
    bool Valid = false;
};

// The points of a list rounded to double as the depth projection reads them, kept from one
// projection to the next: for each four points from the list's first, their X, Y and Z,
// four of each, X[0] not a number where one of them does not fit (see Project).
struct TRoundedPoints {
    std::vector<double>* Data = nullptr;
    bool Ready = false; // read from Data; else written into it (resized) as they are read
};

// Projects points with a camera's matrix into depth points.
class TDepthProjection {
public:
    explicit TDepthProjection(const TCamera& camera);
    TDepthPoint operator()(const TSpacePoint& p) const;
    // Points source[0], source[stride], ... below count into out (resized), on the
    // machine's cores for a long list; with screen, also rounded (halves to even) into it,
    // BehindEye for a point that does not project. True when every point is valid. With
    // rounded (for stride 1), the points are read from there or kept there. With nearness,
    // each point's D alone also into it (resized). With listScreen (stride 1), also the
    // screen points of a point list holding these points as ProjectPoints gives them with
    // the camera's matrix, which costs little only where GivesListScreen; screen is then
    // left empty where every point's is the same as the list's (the list's serve for both).
    bool Project(const TSpacePoint* source, int count, int stride, std::vector<TDepthPoint>& out,
        std::vector<TScreenPoint>* screen = nullptr, const TRoundedPoints& rounded = {},
        std::vector<double>* nearness = nullptr, TScreenPoint* listScreen = nullptr) const;
    // Whether the list's screen points come with the depth points at little cost: every
    // point taken (stride 1), four at a time, with the double path's bound.
    bool GivesListScreen() const { return FGivesListScreen; }

private:
    // These two return whether every point they projected is valid.
    bool projectOne(
        const TSpacePoint& p, TDepthPoint& out, TScreenPoint* screen, double* nearness) const;
    // source[0..count) into out and, when given, screen, four points at a time where the
    // processor has AVX2; each four read from source (and with PointsKeeping written into
    // copy) or from copy (see TRoundedPoints), as From says. With ListScreen, the list's screen
    // points into listScreen, listScreen[0] following the origin (see MendRepeatedSlots), and
    // differs set where one of them is not its depth point rounded.
    enum class TFrom { Points, PointsKeeping, Copy };
    template <TFrom From, bool ListScreen>
    bool projectFours(const TSpacePoint* source, int count, TDepthPoint* out, TScreenPoint* screen,
        double* nearness, double* copy, TScreenPoint* listScreen, bool* differs) const;

    double FM[4][4];
    double FDepth[3];
    const TTransformMatrix* FMatrix;
    TTieBound FBound {};
    bool FGivesListScreen = false;
};

// How a cell of a surface is seen: the light it takes from the eye's direction (the
// cosine between its normal and the view axis, either face) and how steeply its
// nearness changes across the screen (pixels of nearness per pixel).
struct TCellLook {
    double Light;
    double Slope;
};
TCellLook LookOfCell(const TDepthPoint& a, const TDepthPoint& b, const TDepthPoint& c,
    const TDepthPoint& d);

// Screen points read where they lie.
struct TScreenView {
    const TScreenPoint* Data = nullptr;
    std::size_t Size = 0;
    const TScreenPoint& operator[](std::size_t i) const { return Data[i]; }
    const TScreenPoint* data() const { return Data; }
    std::size_t size() const { return Size; }
};

// A surface of the scene: a curve drawn in a surface style, its grid of samples with
// each point projected.
struct TSurfaceMesh {
    const TGoruntuMatrisi* Points = nullptr;
    int Rows = 0, Columns = 0;
    TColor Color = 0;
    bool Shaded = false;
    int Thickness = 1;
    std::vector<TDepthPoint> Depth; // one per point
    // The depth points rounded; BehindEye for invalid ones: OwnScreen, or the screen points
    // of the point list where they are the same (see CollectSurfaces).
    TScreenView Screen;
    std::vector<TScreenPoint> OwnScreen;
    // Each depth point's D alone: the raster's passes over the cells read this and the
    // screen points, and a cell's whole corners only when it may win a pixel.
    std::vector<double> Nearness;
    bool Whole = false; // every sample has a point, and every point projects
    // The points rounded to double, made at the second projection of the same points (see
    // TGoruntuMatrisi::PointsStamp) and read at the later ones: a view turning.
    std::vector<double> Rounded;
    std::uint64_t RoundedStamp = 0;
    bool RoundedReady = false;

    // The cells: between neighbouring rows and columns, and between the last and the
    // first where the grid closes around.
    int CellRows() const { return Rows - 1 + (Points->Grid().ClosesRows ? 1 : 0); }
    int CellColumns() const { return Columns - 1 + (Points->Grid().ClosesColumns ? 1 : 0); }
    // The point of grid sample (row, column) that projects, or -1; Rows and Columns
    // stand for the first row and column.
    int Vertex(int row, int column) const
    {
        const int i = Points->GridPoint(row, column);
        return i >= 0 && Depth[static_cast<std::size_t>(i)].Valid ? i : -1;
    }
    // The four corners of cell (row, column) (row, column + 1, row + 1, column + 1,
    // row + 1, column), all projecting; false when one does not.
    bool Cell(int row, int column, int (&corners)[4]) const
    {
        if (Whole) {
            const int next = row + 1 == Rows ? 0 : row + 1;
            const int right = column + 1 == Columns ? 0 : column + 1;
            corners[0] = row * Columns + column;
            corners[1] = row * Columns + right;
            corners[2] = next * Columns + right;
            corners[3] = next * Columns + column;
            return true;
        }
        return (corners[0] = Vertex(row, column)) >= 0
            && (corners[1] = Vertex(row, column + 1)) >= 0
            && (corners[2] = Vertex(row + 1, column + 1)) >= 0
            && (corners[3] = Vertex(row + 1, column)) >= 0;
    }
};

// The surfaces of a scene as one frame sees them, with the scene origin and the
// background, against which every other line of the frame is tested.
struct TSurfaceSet {
    std::vector<TSurfaceMesh> Meshes;
    std::int32_t X0 = 0, Y0 = 0;
    TColor Background = 0;
    bool AnyShaded() const;
};

// The mesh colour of a shaded surface: the curve's colour, darker.
TColor MeshColor(const TSurfaceMesh& mesh);
// A shaded cell's colour: the curve's colour at the given light.
TColor LitColor(TColor color, double light);

// For the raster: the nearness of the nearest surface at each pixel of a picture, less a
// margin that keeps a line lying on the surface in front of it; shaded cells are filled
// into the picture as they win.
class TDepthBuffer {
public:
    // Fills the buffer from the surfaces' cells, a float a pixel of the raster; where a
    // shaded cell is nearest its colour is written into the raster, and the background
    // where an unshaded one is (when any surface is shaded). The picture is cut into
    // bands of rows built on the machine's cores (each band's cells in the order of a
    // build in one piece, so that the buffer and the picture are the same); bands 0
    // chooses their number, 1 builds on the calling thread alone.
    // The buffer keeps its room and its helpers between builds, so that an owner that
    // keeps it (a picture drawn again and again) allocates nothing once it has had its
    // largest picture.
    void Build(const TSurfaceSet& set, TRaster& raster, int bands = 0);
    const float* Data() const { return FDepth.get(); }
    // Empty until Build, and again after Clear.
    bool Empty() const { return !FBuilt; }
    // The box of pixels the last build may have written: every other pixel holds minus
    // infinity (no surface).
    TPixelBox FilledBox() const
    {
        return FWrittenEnd < 0 ? TPixelBox { 0, 0, FWidth - 1, FWrittenHeight - 1 }
                               : TPixelBox { FFilledLeft, FWrittenFirst, FFilledRight, FWrittenEnd - 1 };
    }
    void Clear()
    {
        FBuilt = false;
        FBounds.clear();
        FSet = nullptr;
    }
    // The lines of a mesh of the last build in the same bands, on the machine's cores: for
    // each band, visit(run) for every run of the mesh's cells (cells First..End - 1 of cell
    // row Row) whose corners may lie on the band's rows Top..Bottom - 1, a band's runs in
    // order on one thread. The visits of different bands touch different rows of the
    // picture, so that drawing into its own rows alone, each may write the picture without
    // a lock. False (nothing visited) when the build was not cut into bands or the mesh is
    // not of its set.
    struct TBandRun {
        std::int64_t Top, Bottom;
        int Row, First, End;
        // Of a whole mesh: the box of pixels its corners span, on the band's rows alone
        // (from (Left, BoxTop) to (Right, BoxBottom), both included), inside which every
        // line between two of them lies; and a nearness that no such line exceeds at any
        // pixel (a line takes a nearness between its ends' but for rounding, a few units
        // in the last place of the larger, far below the margin), so that where every
        // pixel of the box holds at least that in the buffer, none of them shows.
        bool Boxed;
        std::int64_t Left, BoxTop, Right, BoxBottom;
        double Nearest;
    };
    using TRunVisit = std::function<void(const TBandRun&)>;
    bool InBands(const TSurfaceMesh& mesh, const TRunVisit& visit);

private:
    // The rows first..end - 1 of the buffer emptied (no surface: minus infinity).
    void emptyRows(std::int64_t first, std::int64_t end);

    std::unique_ptr<float[]> FDepth;
    std::size_t FRoom = 0;
    // The rows the last build may have written, of a buffer FWidth by FWrittenHeight (every
    // row where FWrittenEnd is -1): the others hold no surface already.
    std::int64_t FWrittenHeight = 0, FWrittenFirst = 0, FWrittenEnd = -1;
    // Of those rows, the columns the last build may have written (all of them but in bands).
    std::int64_t FFilledLeft = 0, FFilledRight = -1;
    bool FBuilt = false;
    std::int64_t FWidth = 0;
    // Kept between builds: for each run of cells along a grid row, the picture rows it
    // touches (the runs of mesh m from FRunStart[m]), the cell rows of all meshes, and
    // the helpers' work.
    struct TRunRows {
        std::int32_t Top, Bottom; // Top > Bottom: no cell
        // Of a whole mesh: the columns of its corners, the nearest nearness among them and
        // the largest magnitude of it, and whether they lie within 2^24 pixels of the
        // picture's corner.
        std::int32_t Left, Right;
        double Nearest, Largest;
        bool Near;
    };
    std::vector<TRunRows> FRuns;
    // The work each run took in the last build (see Build), by which the bands are cut.
    std::vector<std::uint16_t> FRunCost;
    std::vector<std::size_t> FRunStart;
    std::vector<std::pair<std::int32_t, int>> FRowIndex;
    TRunRows* runsOf(std::size_t mesh, int row);
    // The set of the last build, and the first row of each band and the end of the last
    // (empty when it was built in one piece).
    const TSurfaceSet* FSet = nullptr;
    std::vector<std::int64_t> FBounds;
    TBlockWork::TKept FKept;
};

// For vector back ends: the cells of the surfaces as triangles indexed by where they
// lie on the picture, which cut a line exactly where it goes behind one.
class TOcclusion {
public:
    // Picture coordinates: x0 + X, y0 - Y.
    void Build(const TSurfaceSet& set, int width, int height);
    // The parts [t0, t1] of the line from a to b (picture coordinates, t = 0 at a and 1 at
    // b, with their nearness) that no cell hides, in order, into parts (cleared).
    void VisibleParts(double ax, double ay, double ad, double bx, double by, double bd,
        std::vector<std::pair<double, double>>& parts);

private:
    struct TTriangle {
        float X[3], Y[3], D[3];
        float Tolerance, Nearest;
        float Left, Top, Right, Bottom;
    };
    std::vector<TTriangle> FTriangles;
    double FLeft = 0, FTop = 0, FCell = 1;
    int FColumns = 0, FRows = 0;
    std::vector<std::int32_t> FStart, FItems; // triangles of each bucket
    std::vector<std::uint32_t> FSeen;
    std::uint32_t FQuery = 0;
    std::vector<std::pair<double, double>> FHidden;
};

// Gathers the surfaces of the visible curves drawn in a surface style into set, projected
// with the camera; false (set emptied) when there is none. With lists, the point list of
// each curve that GathersScreenPoints takes its screen points from the same pass, as if
// projected with the camera's matrix.
bool CollectSurfaces(
    const TObjectList& objects, const TCamera& camera, TSurfaceSet& set, bool lists = false);
// Whether CollectSurfaces with lists projects the curve's own point list.
bool GathersScreenPoints(const TCurveRecord& curve, const TCamera& camera);
