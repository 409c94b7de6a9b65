#pragma once

#include "base/block_work.h"
#include "geometry/goruntu_matrisi.h"
#include "geometry/space_point.h"

#include <atomic>
#include <memory>
#include <vector>

class TCurveMemo;
class TProgram;
class TVariableMemory;

// Told how far a long generation has come, on the thread that started it, between
// pieces of the work; it may stop the generation there.
class TGenerationProgress {
public:
    virtual ~TGenerationProgress() = default;
    virtual void Begin() = 0;
    // done of about total samples are taken; false stops the generation.
    virtual bool Continue(long long done, long long total) = 0;
    // The generation has ended: done, stopped or failed.
    virtual void End() = 0;
    // In place of Begin for a generation that puts back what a stopped or failed one
    // overwrote: it is told as any other, but goes on whatever Continue answers, since
    // the points must be whole again.
    virtual void BeginPutBack() { Begin(); }
};

// Samples a curve's formulas over the fixed range of its type into a point list:
// each free variable walks its range by repeated addition of the step, the end
// excluded, and a sample whose formulas fail is left out. A large curve is sampled
// in blocks on the kept helper threads, each with copies of the programs bound to a
// copy of the variable table. Everything it samples with is kept from one generation
// to the next, so that sampling a curve again into a list that has the room
// allocates nothing. One generation at a time.
class TCurveSampler {
public:
    TCurveSampler();
    ~TCurveSampler();
    TCurveSampler(const TCurveSampler&) = delete;
    TCurveSampler& operator=(const TCurveSampler&) = delete;

    // Whether a sine or cosine of an argument met before is computed only once (on by
    // default; the points are the same either way).
    void SetShareResults(bool share) { FShareResults = share; }
    // How many threads a generation may use: 0 (the default) one per core. A curve of
    // fewer than 2 * MinThreadSamples samples, or whose formulas assign, takes one; the
    // points are the same whatever the number.
    void SetThreads(int threads) { FThreads = threads; }
    static constexpr long long MinThreadSamples = 8192;

    // Samples curveType with the programs of fx, fy and fz (null where the type uses
    // none), which read table, into points, replacing what they held. The list keeps
    // its room and grows it only when the samples need more; the points are left with
    // the record of the samples left out and, for a type of two variables, the grid of
    // its samples, and projected with matrix as Project projects them (unprojected
    // when it is null). Leaves the free variables in table as the last sample set them.
    // False when progress (which may be null) stopped it: the points are then only
    // partly the new ones. std::bad_alloc when the room cannot be had, points unchanged.
    // With memo (prepared for these programs' formulas, type and step), the parts it
    // keeps are computed and kept by a generation that finds them not yet kept, and
    // read from it by the next ones: the same points either way.
    bool Sample(int curveType, const TProgram* const (&programs)[3], long double step,
        TVariableMemory& table, TGoruntuMatrisi& points, TGenerationProgress* progress,
        const TTransformMatrix* matrix = nullptr, TCurveMemo* memo = nullptr);

    // The samples a step takes over the type's range: exact up to twice cap
    // (the list's most points), estimated from the range's length beyond; infinite
    // when the step is too small to move the running value.
    static long double SampleCount(int curveType, long double step, long long cap);
    // Whether the step takes more than cap samples, walking the range only when the
    // count could lie on either side of it.
    static bool Exceeds(int curveType, long double step, long long cap);

private:
    struct TWorker;
    struct TBlock {
        long double Start; // the running value of its first outer sample
        long long First; // the index of that sample in the walk
        long long Count; // outer samples at most
        long long Written = 0;
        long double LastOuter = 0, LastInner = 0; // the free variables it left
        std::vector<TLeftOutRun> LeftOut; // the samples it left out
        bool Projected = false; // whether it projected its points
        // Whether it measured its rows (it left none of their samples out), and if so
        // whether each closes around (see SetGrid).
        bool RowsMeasured = false;
        bool RowsClose = false;
    };

    long long SampleHere(int curveType, long double step, long long outer, TSpacePoint* room,
        TGenerationProgress* progress);
    long long SampleOnHelpers(int curveType, long double step, long long outer, int threads,
        TVariableMemory& table, TSpacePoint* room, TGenerationProgress* progress);
    void PlanBlocks(int curveType, long double step, long long outer, long long rows,
        long long least, int threads);
    void RunBlock(int index);
    // Gives points of a type of two variables the grid of its samples; onBlocks when
    // they were sampled on the helpers, in FBlocks.
    void SetGrid(int curveType, TGoruntuMatrisi& points, bool onBlocks) const;
    TWorker& TakeWorker();
    int ThreadsFor(long long outer, long long samples) const;

    bool FShareResults = true;
    int FThreads = 0;
    std::unique_ptr<TWorker> FHere; // the caller's, bound to the list's own table
    std::vector<std::unique_ptr<TWorker>> FWorkers; // one per thread that may help
    std::vector<long double> FInnerRow; // the values B takes in each spherical row
    std::vector<TBlock> FBlocks;
    std::vector<TLeftOutRun> FLeftOut; // the samples the last generation left out
    // The walk FBlocks was planned for: its starts are kept while it stays.
    int FPlannedType = -1;
    long double FPlannedStep = 0;
    long long FPlannedRows = 0, FPlannedOuter = 0, FPlannedLeast = 0;
    int FPlannedThreads = 0;
    TBlockWork::TKept FKeptWork;

    // The generation under way on the helpers.
    struct TCurrent {
        int CurveType;
        long double Step;
        const TProgram* const* Programs;
        TVariableMemory* Table;
        TSpacePoint* Room;
        unsigned Epoch;
        bool MeasureRows; // whether the blocks measure whether their rows close around
        const TTransformMatrix* Matrix; // the blocks project with it when not null
        TScreenPoint* Screen;
        TCurveMemo* Memo; // the parts kept per sample, when they are
        bool Recording; // whether this generation computes and keeps them
    } FCurrent {};
    unsigned FEpoch = 0;
    std::atomic<bool> FStop { false };
};
