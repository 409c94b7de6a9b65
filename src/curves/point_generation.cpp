// Point generation: each curve type walks its free variable(s) over a fixed range
// by repeated addition of the step, the end excluded, and turns the values of its
// formulas into points.
#include "base/catalogue.h"
#include "base/message.h"
#include "base/number_text.h"
#include "curves/object_list.h"
#include "engine/fonksiyon.h"
#include "engine/trig_cache.h"
#include "geometry/transform_matrix.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <exception>
#include <limits>
#include <memory>
#include <system_error>
#include <thread>
#include <vector>

namespace {
constexpr const char* InvalidStepMessage
    = "Nokta aralığı geçersiz (%s): sıfırdan büyük bir sayı olmalıdır";
constexpr const char* SmallStepMessage
    = "Nokta aralığı çok küçük (%s): bir eğri en çok 10000000 noktadan oluşabilir";

// The outer walk of a type; a second variable runs over its own range inside it.
const TFreeVariable& rangeOf(int curveType) { return CurveTypes[curveType].Variables[0]; }
const TFreeVariable& innerRangeOf(int curveType) { return CurveTypes[curveType].Variables[1]; }

// Samples over [start, end) with the step; infinite when adding the step to the
// value of largest magnitude in the range leaves it as it was. The quotient of
// the range by the step can miss by one (the running sum may land just below the
// end), so near the cap the loop of the generator is run without its work: the
// count is then the very number of samples it takes.
long double samplesOver(const TFreeVariable& range, long double step)
{
    const long double far = std::fmax(std::fabs(range.Start), std::fabs(range.End));
    if (far + step == far || -far + step == -far)
        return std::numeric_limits<long double>::infinity();
    const long double estimate = std::ceil((range.End - range.Start) / step);
    if (estimate > 2 * TObjectList::MaxCurvePoints)
        return estimate;
    long long count = 0;
    for (long double value = range.Start; range.Takes(value); value += step)
        ++count;
    return static_cast<long double>(count);
}

}

long double TObjectList::SampleCount(int curveType, long double step)
{
    const long double outer = samplesOver(rangeOf(curveType), step);
    if (HasInnerVariable(curveType))
        return outer * samplesOver(innerRangeOf(curveType), step);
    return outer;
}

void TObjectList::CheckStep(int curveType, long double step)
{
    if (!(step > 0) || !std::isfinite(step))
        throw EObjectListError(FormatText(Localized(InvalidStepMessage), FloatToText(step)));
    if (SampleCount(curveType, step) > MaxCurvePoints)
        throw EObjectListError(FormatText(Localized(SmallStepMessage), FloatToText(step)));
}

namespace {
// A contiguous run of a curve's outer samples: Count values of the outer variable
// from Start on, each the running sum of the one before and the step, exactly as
// the whole walk meets them.
struct TBlock {
    long double Start;
    long long Count;
};

// What one thread samples with: copies of the formulas' programs bound to a
// variable table (the list's own on one thread, else a copy of it) and to sines
// and cosines of its own. Each thread builds its own, so that nothing it writes
// per sample shares a cache line with another thread's.
struct TSampler {
    std::unique_ptr<TVariableMemory> Copy;
    TVariableMemory* Table = nullptr;
    TTrigCache Trig;
    TProgram Programs[3];
    TProgram* Bound[3] = { nullptr, nullptr, nullptr };
    long double Unused = 0; // where a free variable no formula names is stored
    long double* Outer = nullptr; // A, X, Y or T
    long double* Inner = nullptr; // the second free variable, B of the spherical type
    std::vector<long double> InnerRow; // the values B takes in each row

    TSampler(int curveType, const TProgram* const (&sources)[3], TVariableMemory* table,
        bool copyTable, bool share)
        : Copy(copyTable ? std::make_unique<TVariableMemory>(*table) : nullptr)
        , Table(copyTable ? Copy.get() : table)
    {
        for (int i = 0; i < 3; ++i)
            if (sources[i]) {
                Programs[i] = *sources[i];
                Programs[i].Bind(Table, share ? &Trig : nullptr);
                Bound[i] = &Programs[i];
            }
        Outer = slot(rangeOf(curveType).Name);
        Inner = HasInnerVariable(curveType) ? slot(innerRangeOf(curveType).Name) : &Unused;
    }

    long double* slot(const char* name)
    {
        long double* value = Table->ValueSlot(name);
        return value ? value : &Unused;
    }

    // Samples the block into the room from Next on, leaving out the samples that
    // fail, whose numbers it notes in LeftOut (the block's first sample being
    // number FirstSample); Next ends past the last point.
    struct TRoom {
        TSpacePoint* Next;
        long long FirstSample = 0;
        std::vector<TLeftOutRun> LeftOut;

        void leaveOut(long long sample)
        {
            const int number = static_cast<int>(FirstSample + sample);
            if (!LeftOut.empty() && LeftOut.back().First + LeftOut.back().Count == number)
                ++LeftOut.back().Count;
            else
                LeftOut.push_back({ number, 1 });
        }
    };
    void Run(int curveType, long double step, TBlock block, TRoom& points);
};

void TSampler::Run(int curveType, long double step, TBlock block, TRoom& points)
{
    TProgram* const fx = Bound[0];
    TProgram* const fy = Bound[1];
    TProgram* const fz = Bound[2];
    const long double end = rangeOf(curveType).End;
    // Each sample is computed straight into the next place of the room, which it
    // keeps when it succeeds: a value copied from a point on the stack would be
    // read back in wider pieces than the processor stored it in, and wait.
    long long n = 0;
    switch (curveType) {
    case ctSpherical: {
        // B takes the same values in every row: they are summed once, and each is
        // copied into its slot as plain bytes. The formulas load it at once, and
        // the processor hands such a load straight from a plain store, where it
        // would wait for an extended-precision store to reach the cache.
        InnerRow.clear();
        const TFreeVariable& inner = innerRangeOf(curveType);
        for (long double vb = inner.Start; inner.Takes(vb); vb += step)
            InnerRow.push_back(vb);
        for (long double va = block.Start; n < block.Count && va < end; va += step, ++n) {
            *Outer = va;
            for (const long double& vb : InnerRow) {
                std::memcpy(Inner, &vb, sizeof vb);
                TSpacePoint& p = *points.Next;
                if (fx->TryRunBound(p.X) && fy->TryRunBound(p.Y) && fz->TryRunBound(p.Z)) {
                    p.W = 1;
                    ++points.Next;
                } else
                    points.leaveOut(
                        n * static_cast<long long>(InnerRow.size()) + (&vb - InnerRow.data()));
            }
        }
        break;
    }
    case ctPolar: {
        for (long double va = block.Start; n < block.Count && va < end; va += step, ++n) {
            *Outer = va;
            if (long double r = 0; fz->TryRunBound(r))
                *points.Next++ = { r * std::cos(va), r * std::sin(va), 0, 1 };
            else
                points.leaveOut(n);
        }
        break;
    }
    default: {
        for (long double value = block.Start; n < block.Count && value < end; value += step, ++n) {
            *Outer = value;
            TSpacePoint& p = *points.Next;
            bool computed = false;
            switch (curveType) {
            case ctXYPlane:
                p.X = value;
                p.Z = 0;
                computed = fy->TryRunBound(p.Y);
                break;
            case ctXZPlane:
                p.X = value;
                p.Y = 0;
                computed = fz->TryRunBound(p.Z);
                break;
            case ctYZPlane:
                p.X = 0;
                p.Y = value;
                computed = fz->TryRunBound(p.Z);
                break;
            case ctXYZSpace:
                p.X = value;
                computed = fy->TryRunBound(p.Y) && fz->TryRunBound(p.Z);
                break;
            default: // ctCylindrical
                computed = fx->TryRunBound(p.X) && fy->TryRunBound(p.Y) && fz->TryRunBound(p.Z);
                break;
            }
            if (computed) {
                p.W = 1;
                ++points.Next;
            } else
                points.leaveOut(n);
        }
        break;
    }
    }
}

// The outer walk cut into at most `parts` blocks of nearly equal length.
std::vector<TBlock> blocksOf(const TFreeVariable& range, long double step, int parts)
{
    long long count = 0;
    for (long double value = range.Start; range.Takes(value); value += step)
        ++count;
    std::vector<TBlock> blocks;
    const long long length = (count + parts - 1) / parts;
    long long k = 0;
    for (long double value = range.Start; range.Takes(value); value += step, ++k)
        if (k % length == 0)
            blocks.push_back({ value, std::min(length, count - k) });
    return blocks;
}
}

int TObjectList::ThreadsFor(int curveType, long double step) const
{
    const long double cores
        = FThreads > 0 ? FThreads : std::max(1U, std::thread::hardware_concurrency());
    const long double outer = samplesOver(rangeOf(curveType), step);
    const long double samples = HasInnerVariable(curveType)
        ? outer * samplesOver(innerRangeOf(curveType), step)
        : outer;
    return static_cast<int>(std::max<long double>(
        1, std::floor(std::min({ cores, samples / MinThreadSamples, outer }))));
}

void TObjectList::Generate(
    int curveType, const TFormulas& formulas, long double step, TGoruntuMatrisi& points)
{
    CheckStep(curveType, step);
    // Every SetText empties the shared table, so the names of this curve's formulas
    // are put back before sampling: each formula then reads the free variables
    // whichever formula (of this curve or another) was compiled last.
    for (TFonksiyon* f : { formulas.Fx.get(), formulas.Fy.get(), formulas.Fz.get() })
        if (f)
            f->RegisterVariables();
    PutParameterValues(curveType, formulas);
    // The table keeps its shape while the formulas run, so each formula runs a
    // copy of its program bound once to the table's slots (and to the sines and
    // cosines this curve has computed), and the free variables are written
    // through their slots rather than looked up by name for every sample.
    const TProgram* sources[3] = { nullptr, nullptr, nullptr };
    bool assigns = false;
    {
        const TFonksiyon* formula[3] = { formulas.Fx.get(), formulas.Fy.get(), formulas.Fz.get() };
        for (int i = 0; i < 3; ++i)
            if (formula[i]) {
                sources[i] = &formula[i]->Program();
                assigns = assigns || sources[i]->Assigns();
            }
    }
    const TFreeVariable& range = rangeOf(curveType);
    // A formula that assigns carries values from sample to sample: one thread.
    const int threads = assigns ? 1 : ThreadsFor(curveType, step);
    if (threads == 1) {
        // The room for every sample is made once, as the Adds would grow it: no
        // block is copied into a larger one while the samples come in.
        TSampler sampler(curveType, sources, FVariables.get(), false, FShareResults);
        const int before = points.Count();
        TSpacePoint* const room = points.Room(
            static_cast<int>(std::min<long double>(before + SampleCount(curveType, step),
                static_cast<long double>(std::numeric_limits<int>::max()))));
        TSampler::TRoom own { room + before, 0, {} };
        sampler.Run(curveType, step, { range.Start, std::numeric_limits<long long>::max() }, own);
        points.SetCount(static_cast<int>(own.Next - room));
        points.SetLeftOut(own.LeftOut);
    } else {
        // Each block runs on a thread of its own (the first here) with a copy of
        // the table, and the blocks are joined in order. The formulas only read
        // the table apart from the free variables, which are given the values of
        // the last sample, as one thread leaves them.
        const std::vector<TBlock> blocks = blocksOf(range, step, threads);
        // Each block writes straight into the list, at the place of its first
        // sample; the gaps that left-out samples leave are closed afterwards. The
        // room is made here, before the threads start: a list growing while other
        // threads run would take fresh pages, and a page fault while other threads
        // of the process run costs many times more than one alone.
        const long long inner = HasInnerVariable(curveType)
            ? static_cast<long long>(samplesOver(innerRangeOf(curveType), step))
            : 1;
        std::vector<long long> offsets(blocks.size() + 1, 0);
        for (std::size_t i = 0; i < blocks.size(); ++i)
            offsets[i + 1] = offsets[i] + blocks[i].Count * inner;
        TSpacePoint* const room = points.Room(static_cast<int>(offsets.back()));
        std::vector<long long> counts(blocks.size(), 0);
        std::vector<std::vector<TLeftOutRun>> leftOut(blocks.size());
        std::vector<std::unique_ptr<TSampler>> samplers(blocks.size());
        std::vector<std::exception_ptr> errors(blocks.size());
        const auto work = [&](std::size_t i) {
            try {
                samplers[i] = std::make_unique<TSampler>(
                    curveType, sources, FVariables.get(), true, FShareResults);
                // The end moves in a local, sharing no cache line with another thread.
                TSampler::TRoom own { room + offsets[i], offsets[i], {} };
                samplers[i]->Run(curveType, step, blocks[i], own);
                counts[i] = own.Next - (room + offsets[i]);
                leftOut[i] = std::move(own.LeftOut);
            } catch (...) {
                errors[i] = std::current_exception();
            }
        };
        std::vector<std::thread> workers;
        workers.reserve(blocks.size());
        std::size_t started = 1;
        try {
            for (; started < blocks.size(); ++started)
                workers.emplace_back(work, started);
        } catch (const std::system_error&) {
            // No thread to be had: the remaining blocks run here, one after another.
        }
        work(0);
        for (std::size_t i = started; i < blocks.size(); ++i)
            work(i);
        for (std::thread& worker : workers)
            worker.join();
        for (const std::exception_ptr& error : errors)
            if (error)
                std::rethrow_exception(error);
        long long count = counts[0];
        for (std::size_t i = 1; i < blocks.size(); ++i) {
            std::memmove(room + count, room + offsets[i],
                static_cast<std::size_t>(counts[i]) * sizeof(TSpacePoint));
            count += counts[i];
        }
        points.SetCount(static_cast<int>(count));
        std::vector<TLeftOutRun> runs;
        for (const std::vector<TLeftOutRun>& block : leftOut)
            runs.insert(runs.end(), block.begin(), block.end());
        points.SetLeftOut(runs);
        const TSampler& last = *samplers.back();
        if (long double* outer = FVariables->ValueSlot(rangeOf(curveType).Name))
            *outer = *last.Outer;
        if (HasInnerVariable(curveType))
            if (long double* inner = FVariables->ValueSlot(innerRangeOf(curveType).Name))
                *inner = *last.Inner;
    }
    if (FMatrix)
        points.Project(*FMatrix);
}
