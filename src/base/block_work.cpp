#include "base/block_work.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

struct TBlockWork::TState {
    std::function<void(int)> Work;
    int Count;
    int Capacity;
    std::atomic<int> Next { 0 };
    std::unique_ptr<std::atomic<bool>[]> Done;

    TState(int count, std::function<void(int)> work)
        : Work(std::move(work))
        , Count(count)
        , Capacity(count)
        , Done(new std::atomic<bool>[static_cast<std::size_t>(count)])
    {
        for (int i = 0; i < count; ++i)
            Done[i].store(false, std::memory_order_relaxed);
    }

    // Made ready for another work; nobody else holds it.
    void Restart(int count, std::function<void(int)> work)
    {
        Work = std::move(work);
        Count = count;
        for (int i = 0; i < count; ++i)
            Done[i].store(false, std::memory_order_relaxed);
        Next.store(0, std::memory_order_relaxed);
    }

    // Does the next block nobody has taken; false when none is left. A look comes
    // first, so that asking again and again while the last blocks end never carries
    // the count far past the end.
    bool DoOne()
    {
        if (Next.load(std::memory_order_relaxed) >= Count)
            return false;
        const int i = Next.fetch_add(1, std::memory_order_relaxed);
        if (i >= Count)
            return false;
        Work(i);
        Done[i].store(true, std::memory_order_release);
        return true;
    }
};

namespace {
// The helper threads, started with the first work that has more than one block and
// kept until the program ends. Each waits for a new work to be offered, does blocks of
// it until none is left, and waits again.
class TPool {
public:
    static TPool& Instance()
    {
        static TPool pool;
        return pool;
    }

    int Helpers() const { return static_cast<int>(FThreads.size()); }

    void Offer(std::shared_ptr<TBlockWork::TState> state)
    {
        if (FThreads.empty())
            return;
        {
            const std::lock_guard lock(FMutex);
            FQueue.push_back(std::move(state));
        }
        FOffer.notify_all();
    }

    // A work whose every block is done, taken off the queue should no helper have
    // come to it yet.
    void Withdraw(const std::shared_ptr<TBlockWork::TState>& state)
    {
        if (FThreads.empty())
            return;
        const std::lock_guard lock(FMutex);
        const auto at = std::find(FQueue.begin(), FQueue.end(), state);
        if (at != FQueue.end())
            FQueue.erase(at);
    }

    ~TPool()
    {
        {
            const std::lock_guard lock(FMutex);
            FStop = true;
        }
        FOffer.notify_all();
        for (std::thread& thread : FThreads)
            thread.join();
    }

private:
    TPool()
    {
        const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
        // Room for the works of every thread at once, so that offering one allocates
        // nothing.
        FQueue.reserve(64);
        for (unsigned i = 1; i < cores; ++i) {
            try {
                FThreads.emplace_back([this] { serve(); });
            } catch (const std::system_error&) {
                break; // no more threads to be had: the callers do the rest
            }
        }
    }

    // Works are served in the order they were offered: the oldest one left until none
    // of its blocks is left, then the next.
    void serve()
    {
        std::unique_lock lock(FMutex);
        for (;;) {
            FOffer.wait(lock, [&] { return FStop || !FQueue.empty(); });
            if (FStop)
                return;
            const std::shared_ptr<TBlockWork::TState> state = FQueue.front();
            lock.unlock();
            while (state->DoOne()) { }
            lock.lock();
            const auto served = std::find(FQueue.begin(), FQueue.end(), state);
            if (served != FQueue.end())
                FQueue.erase(served);
        }
    }

    std::vector<std::thread> FThreads;
    std::mutex FMutex;
    std::condition_variable FOffer;
    std::vector<std::shared_ptr<TBlockWork::TState>> FQueue;
    bool FStop = false;
};
}

TBlockWork::TBlockWork(int count, std::function<void(int)> work, TKept* kept)
{
    count = std::max(count, 0);
    if (kept && kept->FState && kept->FState->Capacity >= count) {
        // The last work is withdrawn from the helpers, and a helper that took it lets
        // go as soon as it sees no block left; its count is dropped with a release,
        // so that seeing it at one makes everything the helper did with the state
        // visible here.
        while (kept->FState.use_count() > 1)
            std::this_thread::yield();
        std::atomic_thread_fence(std::memory_order_acquire);
        kept->FState->Restart(count, std::move(work));
        FState = kept->FState;
    } else {
        FState = std::make_shared<TState>(count, std::move(work));
        if (kept)
            kept->FState = FState;
    }
    if (FState->Count > 1)
        TPool::Instance().Offer(FState);
}

TBlockWork::~TBlockWork()
{
    AwaitAll();
    if (FState->Count > 1)
        TPool::Instance().Withdraw(FState);
}

int TBlockWork::Count() const { return FState->Count; }

void TBlockWork::Await(int i)
{
    TState& state = *FState;
    while (!state.Done[i].load(std::memory_order_acquire)) {
        if (state.DoOne())
            continue;
        // Every block is taken: block i is in a helper's hands and ends soon.
        std::this_thread::yield();
    }
}

void TBlockWork::AwaitAll()
{
    for (int i = 0; i < FState->Count; ++i)
        Await(i);
}

int TBlockWork::Helpers() { return TPool::Instance().Helpers(); }
