#include "curves/curve_sampler.h"

#include "curves/curve_memo.h"
#include "curves/curve_record.h"
#include "engine/program.h"
#include "engine/trig_cache.h"
#include "engine/variable_memory.h"
#include "geometry/goruntu_matrisi.h"
#include "geometry/transform_matrix.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <limits>
#include <new>
#include <thread>

namespace {

// Samples of a block on the helpers, and between two words to the progress.
constexpr long long BlockSamples = 16384;
// Samples measured together on a helper while they are still in its cache.
constexpr long long MeasureSamples = 4096;
// Values of the outer walk summed together before they are sampled.
constexpr int WalkChunk = 256;

// The outer walk of a type, and the second variable that walks inside it.
const TFreeVariable& rangeOf(int curveType) { return CurveTypes[curveType].Variables[0]; }
const TFreeVariable& innerRangeOf(int curveType) { return CurveTypes[curveType].Variables[1]; }

// Whether adding the step to the value of largest magnitude in the range leaves it
// as it was: the walk would never end.
bool standsStill(const TFreeVariable& range, long double step)
{
    const long double far = std::fmax(std::fabs(range.Start), std::fabs(range.End));
    return far + step == far || -far + step == -far;
}

// The samples of the walk as the range's length gives them. The running sum rounds
// at every addition, but over a walk of at most twice the cap its drift stays far
// below one step (under 1e-11 against steps of at least 1e-6), so the walk takes
// this many samples or one more or one fewer (and one more again where it takes
// its end).
constexpr long long Slack = 2;
long double estimateOver(const TFreeVariable& range, long double step)
{
    return std::ceil((range.End - range.Start) / step);
}

// The very number of samples the walk takes (it is walked without its work) up to
// twice the cap, the estimate beyond; infinite for a walk that never ends.
long double samplesOver(const TFreeVariable& range, long double step, long long cap)
{
    if (standsStill(range, step))
        return std::numeric_limits<long double>::infinity();
    const long double estimate = estimateOver(range, step);
    if (estimate > 2 * static_cast<long double>(cap))
        return estimate;
    long long count = 0;
    for (long double value = range.Start; range.Takes(value); value += step)
        ++count;
    return static_cast<long double>(count);
}

// Whether a variable runs a whole turn, so that the grid may close around along it.
bool wholeTurn(const TFreeVariable& range) { return range.Start == 0 && range.End == 2 * Pi; }

long double squaredDistance(const TSpacePoint& a, const TSpacePoint& b)
{
    return (a.X - b.X) * (a.X - b.X) + (a.Y - b.Y) * (a.Y - b.Y) + (a.Z - b.Z) * (a.Z - b.Z);
}

// Whether a gap whose square is gap lies within one and a half times a step whose
// square is step. Rounding keeps the order of the products, so the gap lies within
// one and a half times the largest of several steps (a step that is no number not
// counting, and none longer than 0) just when it lies so within one of them, or
// within 0: a line is settled at the first step that is long enough.
bool within(long double gap, long double step) { return gap <= 2.25L * step; }

// Whether the last of length points (at least 3) lies next to the first, as near as
// neighbouring ones lie: within one and a half times the largest step.
bool closesAround(const TSpacePoint* line, long long length)
{
    const long double gap = squaredDistance(line[0], line[length - 1]);
    if (within(gap, 0))
        return true;
    for (long long k = 1; k < length; ++k)
        if (within(gap, squaredDistance(line[k - 1], line[k])))
            return true;
    return false;
}

// closesAround for the lines of a grid from `from` below `to`: its rows (columns
// true: whether the last column lies next to the first) or its columns. A line with
// a missing sample measures only its steps between present neighbours, and one
// whose first or last sample is missing does not count.
bool closesAround(const TGoruntuMatrisi& points, bool columns, int from, int to)
{
    const TSampleGrid& grid = points.Grid();
    const int length = columns ? grid.Columns : grid.Rows;
    if (length < 3)
        return false;
    const auto at = [&](int line, int k) {
        return columns ? points.GridPoint(line, k) : points.GridPoint(k, line);
    };
    for (int line = from; line < to; ++line) {
        const int first = at(line, 0), last = at(line, length - 1);
        if (first < 0 || last < 0)
            continue;
        if (columns && grid.Index.empty()) {
            if (!closesAround(&points.SpacePoints(first), length))
                return false;
            continue;
        }
        const long double gap = squaredDistance(points.SpacePoints(first), points.SpacePoints(last));
        bool close = within(gap, 0);
        for (int k = 1; !close && k < length; ++k)
            if (const int a = at(line, k - 1), b = at(line, k); a >= 0 && b >= 0)
                close = within(gap, squaredDistance(points.SpacePoints(a), points.SpacePoints(b)));
        if (!close)
            return false;
    }
    return true;
}

// Notes sample number `sample` as left out, after those noted before it: out of the
// way of the sampling loops, which seldom come here.
[[gnu::cold, gnu::noinline]] void leaveOut(std::vector<TLeftOutRun>& runs, long long sample)
{
    const int number = static_cast<int>(sample);
    if (!runs.empty() && runs.back().First + runs.back().Count == number)
        ++runs.back().Count;
    else
        runs.push_back({ number, 1 });
}
}

// What one thread samples with: copies of the formulas' programs bound to a
// variable table (the list's own on the caller's thread alone, else a copy of it)
// and to sines and cosines of its own, and the values of the walk it is at. Each
// thread has its own, so that nothing it writes per sample shares a cache line
// with another thread's. With a memo, also copies of its parts and of the reduced
// formulas, which read the parts' values from cells of its own.
struct TCurveSampler::TWorker {
    TVariableMemory Copy;
    TVariableMemory* Table = nullptr;
    TTrigCache Trig;
    TProgram Programs[3];
    TProgram* Bound[3] = { nullptr, nullptr, nullptr };
    TProgram Reduced[3];
    TProgram* Shorter[3] = { nullptr, nullptr, nullptr };
    TProgram Parts[TCurveMemo::MaxSlots];
    int Slots = 0; // the memo's parts, 0 without a memo
    TCurveMemo::TValue* Kept[TCurveMemo::MaxSlots] = {}; // their values
    TCurveMemo::TKeptBy KeptBy[TCurveMemo::MaxSlots] = {};
    bool Recording = false; // whether the parts are computed and kept
    alignas(16) long double Cells[TCurveMemo::MaxSlots] = {};
    long double Unused = 0; // where a free variable no formula names is stored
    long double* Outer = &Unused; // the outer walk's variable: A, X, Y or T
    long double* Inner = &Unused; // the second variable, B of the spherical type
    long double Walk[WalkChunk];
    unsigned Epoch = 0; // the generation it was last bound for
    std::atomic<bool> Busy { false };
    std::atomic<std::thread::id> Thread; // the thread that took it last

    void Bind(const TCurrent& c, bool copy, bool share)
    {
        if (copy)
            Copy = *c.Table;
        Table = copy ? &Copy : c.Table;
        TTrigCache* const trig = share ? &Trig : nullptr;
        for (int i = 0; i < 3; ++i) {
            Bound[i] = nullptr;
            if (c.Programs[i]) {
                Programs[i] = *c.Programs[i];
                Programs[i].Bind(Table, trig);
                Bound[i] = &Programs[i];
            }
        }
        Slots = 0;
        if (c.Memo) {
            Slots = c.Memo->Slots();
            for (int k = 0; k < Slots; ++k) {
                Kept[k] = c.Memo->Values(k);
                KeptBy[k] = c.Memo->KeptBy(k);
            }
            Recording = c.Recording;
            for (int i = 0; i < 3; ++i) {
                Shorter[i] = nullptr;
                if (const TProgram* reduced = c.Memo->Reduced(i)) {
                    Reduced[i] = *reduced;
                    Reduced[i].Bind(Table, trig, Cells);
                    Shorter[i] = &Reduced[i];
                }
            }
            for (int k = 0; k < Slots; ++k) {
                Parts[k] = c.Memo->Part(k);
                Parts[k].Bind(Table, trig);
            }
        }
        Outer = slot(rangeOf(c.CurveType).Name);
        Inner = HasInnerVariable(c.CurveType) ? slot(innerRangeOf(c.CurveType).Name) : &Unused;
    }

    // With the free variables set for sample number sample, in row row and column
    // column (0 for a type of one variable): puts the kept values of the parts in the
    // cells (computed, and kept, when recording), and tells whether the reduced
    // formulas may run, which they may unless a part failed at this sample.
    [[gnu::always_inline]] bool Shortened(long long sample, long long row, long long column)
    {
        if (Recording)
            Keep(sample, row, column);
        unsigned char failed = 0;
        for (int k = 0; k < Slots; ++k) {
            const TCurveMemo::TValue& kept = Kept[k][KeptBy[k] == TCurveMemo::kbSample
                    ? sample
                    : KeptBy[k] == TCurveMemo::kbOuter ? row : column];
            std::memcpy(&Cells[k], &kept, sizeof Cells[k]);
            failed |= kept.Bytes[TCurveMemo::FailedByte];
        }
        return failed == 0;
    }

    // A formula's run: the reduced ones are mostly short.
    template <bool Memo>
    [[gnu::always_inline]] static bool run(TProgram* formula, long double& result)
    {
        if constexpr (Memo)
            return formula->TryRunShort(result);
        else
            return formula->TryRunBound(result);
    }

    // Before Shortened reads them while recording: computes the parts not yet kept
    // for this sample into their places (one kept by sample at its sample, one kept
    // by row at the row's first column; those kept by column were computed before
    // the rows, by KeepColumns).
    void Keep(long long sample, long long row, long long column)
    {
        for (int k = 0; k < Slots; ++k) {
            if (KeptBy[k] == TCurveMemo::kbSample)
                KeepPart(k, Kept[k][sample]);
            else if (KeptBy[k] == TCurveMemo::kbOuter && column == 0)
                KeepPart(k, Kept[k][row]);
        }
    }

    // The value of part k where it is kept, marked when it failed or is not finite.
    void KeepPart(int k, TCurveMemo::TValue& kept)
    {
        long double v = 0;
        const bool computed = Parts[k].TryRunBound(v) && v - v == v - v;
        std::memcpy(kept.Bytes, &v, 10);
        kept.Bytes[TCurveMemo::FailedByte] = computed ? 0 : 1;
    }

    // The values of the parts kept by column, for every column of a row whose inner
    // variable takes the values of innerRow.
    void KeepColumns(const std::vector<long double>& innerRow)
    {
        for (std::size_t column = 0; column < innerRow.size(); ++column) {
            std::memcpy(Inner, &innerRow[column], sizeof innerRow[column]);
            for (int k = 0; k < Slots; ++k)
                if (KeptBy[k] == TCurveMemo::kbInner)
                    KeepPart(k, Kept[k][column]);
        }
    }

    long double* slot(const char* name)
    {
        long double* value = Table->ValueSlot(name);
        return value ? value : &Unused;
    }

    // Samples at most count outer values of the walk from value on (value is left at
    // the next one) into the room from next on, leaving out the samples that fail,
    // whose numbers it notes in leftOut (the first sample being number sample, which
    // is left at the next one); returns the outer values taken and moves next past
    // the last point.
    long long Run(int curveType, long double step, long double& value, long long count,
        const std::vector<long double>& innerRow, TSpacePoint*& next, long long& sample,
        std::vector<TLeftOutRun>& leftOut);

private:
    template <bool Memo>
    TSpacePoint* RunChunk(int curveType, int m, const std::vector<long double>& innerRow,
        TSpacePoint* next, long long sample, std::vector<TLeftOutRun>& leftOut);
    template <int Type, bool Memo>
    TSpacePoint* RunLine(int m, TSpacePoint* next, long long sample, std::vector<TLeftOutRun>& leftOut);
    template <bool Memo>
    TSpacePoint* RunPolar(int m, TSpacePoint* next, long long sample, std::vector<TLeftOutRun>& leftOut);
    template <int Type, bool Memo>
    TSpacePoint* RunGrid(int m, const std::vector<long double>& innerRow, TSpacePoint* next,
        long long sample, std::vector<TLeftOutRun>& leftOut);
};

// Each sample is computed straight into the next place of the room, which it keeps
// when it succeeds: a value copied from a point on the stack would be read back in
// wider pieces than the processor stored it in, and wait. The free variable is
// copied into its slot as plain bytes from the walk's values, summed a while before:
// the formulas load it at once, and the processor hands such a load straight from a
// plain store, where it would wait for an extended-precision store to reach the
// cache (as it would for the running value itself, which a call puts in memory).
template <int Type, bool Memo>
TSpacePoint* TCurveSampler::TWorker::RunLine(
    int m, TSpacePoint* next, long long sample, std::vector<TLeftOutRun>& leftOut)
{
    TProgram* const full[3] = { Bound[0], Bound[1], Bound[2] };
    TProgram* const shorter[3] = { Shorter[0], Shorter[1], Shorter[2] };
    long double* const outer = Outer;
    for (int j = 0; j < m; ++j) {
        const long double& value = Walk[j];
        std::memcpy(outer, &value, sizeof value);
        TProgram* const* const f = Memo && Shortened(sample + j, sample + j, 0) ? shorter : full;
        TProgram* const fx = f[0];
        TProgram* const fy = f[1];
        TProgram* const fz = f[2];
        TSpacePoint& p = *next;
        bool computed = false;
        if constexpr (Type == ctXYPlane) {
            std::memcpy(&p.X, &value, sizeof value);
            p.Z = 0;
            computed = run<Memo>(fy, p.Y);
        } else if constexpr (Type == ctXZPlane) {
            std::memcpy(&p.X, &value, sizeof value);
            p.Y = 0;
            computed = run<Memo>(fz, p.Z);
        } else if constexpr (Type == ctYZPlane) {
            p.X = 0;
            std::memcpy(&p.Y, &value, sizeof value);
            computed = run<Memo>(fz, p.Z);
        } else if constexpr (Type == ctXYZSpace) {
            std::memcpy(&p.X, &value, sizeof value);
            computed = run<Memo>(fy, p.Y) && run<Memo>(fz, p.Z);
        } else {
            computed = run<Memo>(fx, p.X) && run<Memo>(fy, p.Y) && run<Memo>(fz, p.Z);
        }
        if (computed) {
            p.W = 1;
            ++next;
        } else
            leaveOut(leftOut, sample + j);
    }
    return next;
}

template <bool Memo>
TSpacePoint* TCurveSampler::TWorker::RunPolar(
    int m, TSpacePoint* next, long long sample, std::vector<TLeftOutRun>& leftOut)
{
    TProgram* const full = Bound[2];
    TProgram* const shorter = Shorter[2];
    for (int j = 0; j < m; ++j) {
        const long double& va = Walk[j];
        std::memcpy(Outer, &va, sizeof va);
        TProgram* const fz = Memo && Shortened(sample + j, sample + j, 0) ? shorter : full;
        if (long double r = 0; run<Memo>(fz, r))
            *next++ = { r * std::cos(va), r * std::sin(va), 0, 1 };
        else
            leaveOut(leftOut, sample + j);
    }
    return next;
}

// The types of two variables sample a grid: the inner variable takes the same values
// in every row, summed once for the curve.
template <int Type, bool Memo>
TSpacePoint* TCurveSampler::TWorker::RunGrid(int m, const std::vector<long double>& innerRow,
    TSpacePoint* next, long long sample, std::vector<TLeftOutRun>& leftOut)
{
    TProgram* const full[3] = { Bound[0], Bound[1], Bound[2] };
    TProgram* const shorter[3] = { Shorter[0], Shorter[1], Shorter[2] };
    const long long row = static_cast<long long>(innerRow.size());
    const long long firstRow = row > 0 ? sample / row : 0; // the chunk's
    for (int j = 0; j < m; ++j) {
        std::memcpy(Outer, &Walk[j], sizeof Walk[j]);
        for (const long double& vb : innerRow) {
            std::memcpy(Inner, &vb, sizeof vb);
            const long long column = &vb - innerRow.data();
            TProgram* const* const f
                = Memo && Shortened(sample + j * row + column, firstRow + j, column) ? shorter : full;
            TProgram* const fx = f[0];
            TProgram* const fy = f[1];
            TProgram* const fz = f[2];
            TSpacePoint& p = *next;
            bool computed;
            if constexpr (Type == ctXYZSurface) {
                // z = f(x, y) over the grid of x and y.
                std::memcpy(&p.X, &Walk[j], sizeof Walk[j]);
                std::memcpy(&p.Y, &vb, sizeof vb);
                computed = run<Memo>(fz, p.Z);
            } else {
                computed = run<Memo>(fx, p.X) && run<Memo>(fy, p.Y) && run<Memo>(fz, p.Z);
            }
            if (computed) {
                p.W = 1;
                ++next;
            } else
                leaveOut(leftOut, sample + j * row + column);
        }
    }
    return next;
}

long long TCurveSampler::TWorker::Run(int curveType, long double step, long double& value,
    long long count, const std::vector<long double>& innerRow, TSpacePoint*& next,
    long long& sample, std::vector<TLeftOutRun>& leftOut)
{
    const TFreeVariable& range = rangeOf(curveType);
    long double running = value;
    TSpacePoint* at = next;
    long long taken = 0;
    while (taken < count && range.Takes(running)) {
        // The next values of the walk, summed in a register without a call between.
        int m = 0;
        const long long most = std::min<long long>(WalkChunk, count - taken);
        for (; m < most && range.Takes(running); ++m, running += step)
            Walk[m] = running;
        at = Slots > 0 ? RunChunk<true>(curveType, m, innerRow, at, sample, leftOut)
                       : RunChunk<false>(curveType, m, innerRow, at, sample, leftOut);
        taken += m;
        sample += m * std::max<long long>(1, static_cast<long long>(innerRow.size()));
    }
    value = running;
    next = at;
    return taken;
}

template <bool Memo>
TSpacePoint* TCurveSampler::TWorker::RunChunk(int curveType, int m,
    const std::vector<long double>& innerRow, TSpacePoint* next, long long sample,
    std::vector<TLeftOutRun>& leftOut)
{
    switch (curveType) {
    case ctXYPlane:
        return RunLine<ctXYPlane, Memo>(m, next, sample, leftOut);
    case ctXZPlane:
        return RunLine<ctXZPlane, Memo>(m, next, sample, leftOut);
    case ctYZPlane:
        return RunLine<ctYZPlane, Memo>(m, next, sample, leftOut);
    case ctXYZSpace:
        return RunLine<ctXYZSpace, Memo>(m, next, sample, leftOut);
    case ctCylindrical:
        return RunLine<ctCylindrical, Memo>(m, next, sample, leftOut);
    case ctPolar:
        return RunPolar<Memo>(m, next, sample, leftOut);
    case ctXYZSurface:
        return RunGrid<ctXYZSurface, Memo>(m, innerRow, next, sample, leftOut);
    default: // ctSpherical, ctParametric
        return RunGrid<ctSpherical, Memo>(m, innerRow, next, sample, leftOut);
    }
}

TCurveSampler::TCurveSampler()
    : FHere(std::make_unique<TWorker>())
{
}

TCurveSampler::~TCurveSampler() = default;

long double TCurveSampler::SampleCount(int curveType, long double step, long long cap)
{
    const long double outer = samplesOver(rangeOf(curveType), step, cap);
    if (HasInnerVariable(curveType))
        return outer * samplesOver(innerRangeOf(curveType), step, cap);
    return outer;
}

bool TCurveSampler::Exceeds(int curveType, long double step, long long cap)
{
    const TFreeVariable& range = rangeOf(curveType);
    const bool nested = HasInnerVariable(curveType);
    if (standsStill(range, step) || (nested && standsStill(innerRangeOf(curveType), step)))
        return true;
    // Each walk takes its estimate give or take the slack.
    const long double outer = estimateOver(range, step);
    const long double inner = nested ? estimateOver(innerRangeOf(curveType), step) : 1;
    const long double slack = nested ? Slack : 0;
    const long double c = static_cast<long double>(cap);
    if ((outer + Slack) * (inner + slack) <= c)
        return false;
    if ((outer - Slack) * (inner - slack) > c)
        return true;
    return SampleCount(curveType, step, cap) > c;
}

int TCurveSampler::ThreadsFor(long long outer, long long samples) const
{
    const long long cores = FThreads > 0
        ? FThreads
        : std::max<long long>(1, static_cast<long long>(std::thread::hardware_concurrency()));
    return static_cast<int>(
        std::max<long long>(1, std::min({ cores, samples / MinThreadSamples, outer })));
}

bool TCurveSampler::Sample(int curveType, const TProgram* const (&programs)[3], long double step,
    TVariableMemory& table, TGoruntuMatrisi& points, TGenerationProgress* progress,
    const TTransformMatrix* matrix, TCurveMemo* memo)
{
    bool assigns = false;
    for (const TProgram* program : programs)
        assigns = assigns || (program && program->Assigns());
    FInnerRow.clear();
    if (HasInnerVariable(curveType)) {
        const TFreeVariable& row = innerRangeOf(curveType);
        for (long double vb = row.Start; row.Takes(vb); vb += step)
            FInnerRow.push_back(vb);
    }
    const long long inner = std::max<long long>(1, static_cast<long long>(FInnerRow.size()));
    // Room for as many samples as the walk can take, so that it need not be counted.
    const long long outer = static_cast<long long>(estimateOver(rangeOf(curveType), step)) + Slack;
    if (outer * inner > INT_MAX)
        throw std::bad_alloc();
    TSpacePoint* const room = points.Room(static_cast<int>(outer * inner));
    // A formula that assigns carries values from sample to sample: one thread.
    const int threads = assigns ? 1 : ThreadsFor(outer, outer * inner);
    // The helpers project what they sampled while it is still in their caches, where
    // every point takes its screen point (the stride is 1).
    const TTransformMatrix* const projectOnBlocks
        = matrix && TGoruntuMatrisi::Stride(*matrix) == 1 ? matrix : nullptr;
    TCurveMemo* const kept = memo && !assigns && memo->Reserve(outer, inner) ? memo : nullptr;
    FCurrent = { curveType, step, programs, &table, room, ++FEpoch,
        wholeTurn(innerRangeOf(curveType)) && FInnerRow.size() >= 3, projectOnBlocks,
        points.ScreenRoom(), kept, kept && !kept->Recorded() };
    if (progress)
        progress->Begin();
    struct TEnd {
        TGenerationProgress* Progress;
        ~TEnd()
        {
            if (Progress)
                Progress->End();
        }
    } end { progress };
    // Parts kept by column are computed first, here: the rows of every block read them.
    if (FCurrent.Recording && !FInnerRow.empty()) {
        FHere->Bind(FCurrent, false, FShareResults);
        FHere->KeepColumns(FInnerRow);
    }
    const long long written = threads == 1
        ? SampleHere(curveType, step, outer, room, progress)
        : SampleOnHelpers(curveType, step, outer, threads, table, room, progress);
    if (written < 0)
        return false;
    if (kept)
        kept->SetRecorded();
    points.SetCountKeepingRoom(static_cast<int>(written));
    points.SetLeftOut(FLeftOut);
    SetGrid(curveType, points, threads > 1);
    if (threads > 1 && projectOnBlocks)
        points.SetProjectedAll(*matrix);
    else if (matrix)
        points.Project(*matrix);
    return true;
}

long long TCurveSampler::SampleHere(int curveType, long double step, long long outer,
    TSpacePoint* room, TGenerationProgress* progress)
{
    FHere->Bind(FCurrent, false, FShareResults);
    TSpacePoint* next = room;
    long double value = rangeOf(curveType).Start;
    long long sample = 0;
    FLeftOut.clear();
    if (!progress) {
        FHere->Run(curveType, step, value, outer, FInnerRow, next, sample, FLeftOut);
        return next - room;
    }
    // In pieces, with a word to the progress between them; the walk goes on from
    // where each piece left it.
    const long long inner = std::max<long long>(1, static_cast<long long>(FInnerRow.size()));
    const long long rows = std::max<long long>(1, BlockSamples / inner);
    for (long long taken = 0; taken < outer;) {
        const long long ran
            = FHere->Run(curveType, step, value, rows, FInnerRow, next, sample, FLeftOut);
        taken += ran;
        if (!progress->Continue(taken * inner, (outer - Slack) * inner))
            return -1;
        if (ran < rows)
            break;
    }
    return next - room;
}

void TCurveSampler::SetGrid(int curveType, TGoruntuMatrisi& points, bool onBlocks) const
{
    if (!HasInnerVariable(curveType)) {
        points.SetGrid(0, 0);
        return;
    }
    long long samples = points.Count();
    for (const TLeftOutRun& run : FLeftOut)
        samples += run.Count;
    const int columns = static_cast<int>(FInnerRow.size());
    const int rows = columns > 0 ? static_cast<int>(samples / columns) : 0;
    points.SetGrid(rows, columns);
    bool rowsClose = wholeTurn(innerRangeOf(curveType)) && columns >= 3;
    if (rowsClose && !onBlocks)
        rowsClose = closesAround(points, true, 0, rows);
    // The blocks measured their rows as they sampled them, unless they left a sample out.
    for (std::size_t i = 0; rowsClose && onBlocks && i < FBlocks.size(); ++i) {
        const TBlock& block = FBlocks[i];
        const int first = static_cast<int>(block.First);
        rowsClose = block.RowsMeasured ? block.RowsClose
                                       : closesAround(points, true, first,
                                           static_cast<int>(std::min<long long>(rows, first + block.Count)));
    }
    points.SetGridCloses(
        wholeTurn(rangeOf(curveType)) && closesAround(points, false, 0, columns), rowsClose);
}

// The outer walk cut into blocks of at most rows outer samples (the last one running
// to the walk's end), each starting at the running value the whole walk meets there.
// Towards the end each block takes about a 2 * threads-th part of what is left, down
// to least, so that the threads end their last blocks at about the same time rather
// than one waiting for another's last whole block. The starts are kept for the next
// generation of the same walk.
void TCurveSampler::PlanBlocks(int curveType, long double step, long long outer, long long rows,
    long long least, int threads)
{
    if (curveType == FPlannedType && step == FPlannedStep && rows == FPlannedRows
        && outer == FPlannedOuter && least == FPlannedLeast && threads == FPlannedThreads)
        return;
    FPlannedType = -1;
    FBlocks.clear();
    const TFreeVariable& range = rangeOf(curveType);
    long long k = 0, left = 0;
    for (long double value = range.Start; range.Takes(value) && k < outer; value += step, ++k) {
        if (left == 0) {
            const long long share = (outer - k + 2 * threads - 1) / (2 * threads);
            left = std::min(rows, std::max(least, share));
            FBlocks.push_back({ value, k, left, 0, 0, 0, {} });
        }
        --left;
    }
    FBlocks.back().Count = outer - FBlocks.back().First;
    FPlannedType = curveType;
    FPlannedStep = step;
    FPlannedRows = rows;
    FPlannedOuter = outer;
    FPlannedLeast = least;
    FPlannedThreads = threads;
}

TCurveSampler::TWorker& TCurveSampler::TakeWorker()
{
    // The one this thread had last, when it is free: its tables are still in this
    // core's cache.
    const std::thread::id self = std::this_thread::get_id();
    for (const std::unique_ptr<TWorker>& worker : FWorkers) {
        bool free = false;
        if (worker->Thread.load(std::memory_order_relaxed) == self
            && worker->Busy.compare_exchange_strong(free, true, std::memory_order_acquire))
            return *worker;
    }
    for (;;) {
        for (const std::unique_ptr<TWorker>& worker : FWorkers) {
            bool free = false;
            if (worker->Busy.compare_exchange_strong(free, true, std::memory_order_acquire)) {
                worker->Thread.store(self, std::memory_order_relaxed);
                return *worker;
            }
        }
        // As many threads as were allowed are sampling: one of them ends soon.
        std::this_thread::yield();
    }
}

void TCurveSampler::RunBlock(int index)
{
    if (FStop.load(std::memory_order_relaxed))
        return;
    TWorker& worker = TakeWorker();
    const TCurrent& c = FCurrent;
    if (worker.Epoch != c.Epoch) {
        worker.Bind(c, true, FShareResults);
        worker.Epoch = c.Epoch;
    }
    TBlock& block = FBlocks[static_cast<std::size_t>(index)];
    const long long inner = std::max<long long>(1, static_cast<long long>(FInnerRow.size()));
    TSpacePoint* const first = c.Room + block.First * inner;
    TSpacePoint* next = first;
    long double value = block.Start;
    long long sample = block.First * inner;
    block.LeftOut.clear();
    block.RowsMeasured = false;
    block.Projected = c.Matrix != nullptr;
    if (c.MeasureRows || c.Matrix) {
        // A few rows at a time, each measured and projected while it is still in the
        // cache. Each piece is projected from the origin on, and its leading points
        // that repeat the slot before them are mended from the piece before; those of
        // the block's first piece once the blocks are joined.
        const long long piece = std::max<long long>(1, MeasureSamples / inner);
        bool close = c.MeasureRows;
        for (long long taken = 0; taken < block.Count;) {
            TSpacePoint* const from = next;
            const long long wanted = std::min(piece, block.Count - taken);
            const long long ran = worker.Run(
                c.CurveType, c.Step, value, wanted, FInnerRow, next, sample, block.LeftOut);
            taken += ran;
            for (long long row = 0; close && block.LeftOut.empty() && row < ran; ++row)
                close = closesAround(from + row * inner, inner);
            if (c.Matrix && next != from) {
                const int at = static_cast<int>(from - c.Room), end = static_cast<int>(next - c.Room);
                ProjectPointsHere(*c.Matrix, from, end - at, 1, c.Screen + at);
                if (from != first)
                    MendRepeatedSlots(*c.Matrix, c.Room, c.Screen, at, end);
            }
            if (ran < wanted)
                break;
        }
        block.RowsMeasured = c.MeasureRows && block.LeftOut.empty();
        block.RowsClose = close;
    } else
        worker.Run(c.CurveType, c.Step, value, block.Count, FInnerRow, next, sample, block.LeftOut);
    block.Written = next - first;
    block.LastOuter = *worker.Outer;
    block.LastInner = *worker.Inner;
    worker.Busy.store(false, std::memory_order_release);
}

// Each block writes straight into the list, at the place of its first sample; the
// gaps that left-out samples leave are closed afterwards. The formulas only read
// the table apart from the free variables, which are given the values of the last
// sample, as one thread leaves them.
long long TCurveSampler::SampleOnHelpers(int curveType, long double step, long long outer,
    int threads, TVariableMemory& table, TSpacePoint* room, TGenerationProgress* progress)
{
    const long long inner = std::max<long long>(1, static_cast<long long>(FInnerRow.size()));
    const long long parts
        = std::max<long long>(threads, (outer * inner + BlockSamples - 1) / BlockSamples);
    const std::size_t workers = static_cast<std::size_t>(
        std::min(threads, TBlockWork::Helpers() + 1));
    PlanBlocks(curveType, step, outer, std::max<long long>(1, (outer + parts - 1) / parts),
        std::max<long long>(1, MeasureSamples / inner), static_cast<int>(workers));
    // A new one is bound at once, so that its copies have their room from the start
    // even should no block of this generation come to it.
    while (FWorkers.size() < workers) {
        FWorkers.push_back(std::make_unique<TWorker>());
        FWorkers.back()->Bind(FCurrent, true, FShareResults);
        FWorkers.back()->Epoch = FCurrent.Epoch;
    }
    // Likewise each one's copies of a memo's programs, when it is first kept.
    if (FCurrent.Recording)
        for (const std::unique_ptr<TWorker>& worker : FWorkers)
            if (worker->Epoch != FCurrent.Epoch) {
                worker->Bind(FCurrent, true, FShareResults);
                worker->Epoch = FCurrent.Epoch;
            }
    FStop.store(false, std::memory_order_relaxed);
    bool stopped = false;
    {
        TBlockWork work(
            static_cast<int>(FBlocks.size()), [this](int i) { RunBlock(i); }, &FKeptWork);
        for (int i = 0; i < work.Count() && !stopped; ++i) {
            work.Await(i);
            const TBlock& block = FBlocks[static_cast<std::size_t>(i)];
            if (progress
                && !progress->Continue(
                    (block.First + block.Count) * inner, (outer - Slack) * inner)) {
                FStop.store(true, std::memory_order_relaxed);
                stopped = true;
            }
        }
    }
    if (stopped)
        return -1;
    // The blocks' runs in order make the curve's: the point list joins a run that
    // ends one block with one that begins the next.
    long long count = 0;
    FLeftOut.clear();
    const TCurrent& c = FCurrent;
    for (const TBlock& block : FBlocks) {
        const long long at = block.First * inner;
        if (count != at) {
            std::memmove(room + count, room + at, static_cast<std::size_t>(block.Written) * sizeof *room);
            if (block.Projected)
                std::memmove(c.Screen + count, c.Screen + at,
                    static_cast<std::size_t>(block.Written) * sizeof *c.Screen);
        }
        if (block.Projected && count > 0)
            MendRepeatedSlots(*c.Matrix, room, c.Screen, static_cast<int>(count),
                static_cast<int>(count + block.Written));
        count += block.Written;
        FLeftOut.insert(FLeftOut.end(), block.LeftOut.begin(), block.LeftOut.end());
    }
    const TBlock& last = FBlocks.back();
    if (long double* slot = table.ValueSlot(rangeOf(curveType).Name))
        *slot = last.LastOuter;
    if (HasInnerVariable(curveType))
        if (long double* slot = table.ValueSlot(innerRangeOf(curveType).Name))
            *slot = last.LastInner;
    return count;
}
