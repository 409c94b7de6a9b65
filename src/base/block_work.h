#pragma once

#include <atomic>
#include <functional>
#include <memory>

// Work cut into blocks 0..count-1 that any thread may do in any order: the machine's
// other cores (a few helper threads kept for the whole run) take blocks as they come
// free, and the caller does blocks too while it waits for one. The caller takes the
// results block by block with Await, in whatever order it likes; typically in order,
// handling each as soon as it is done while the rest are still being worked on.
//
// work(i) runs once for each block, on any thread, and must not throw; blocks must be
// independent of one another. Several works may be under way at once (from one thread
// or several): the helpers serve them in the order they were made, and each caller's
// Await finishes its own.
class TBlockWork {
public:
    struct TState; // shared with the helpers, which may outlive this object briefly

    // What a caller that works again and again keeps between its works (one at a
    // time): the state of its last work, taken again once the helpers have let go of
    // it when it has room for the count, so that such a caller allocates nothing once
    // it has had its largest count (given a work small enough for std::function's own
    // room, as a lambda holding a pointer or two is).
    class TKept {
        friend class TBlockWork;
        std::shared_ptr<TState> FState;
    };
    // kept, when given, is what the caller keeps.
    TBlockWork(int count, std::function<void(int)> work, TKept* kept = nullptr);
    // Waits for every block (doing the undone ones), so that nothing the work refers
    // to is touched once the caller goes on.
    ~TBlockWork();
    TBlockWork(const TBlockWork&) = delete;
    TBlockWork& operator=(const TBlockWork&) = delete;

    int Count() const;
    // Returns once block i is done, doing blocks not yet taken meanwhile. What the
    // block wrote is then visible to the caller.
    void Await(int i);
    void AwaitAll();

    // The threads that help besides the caller (0 on a one-core machine).
    static int Helpers();

private:
    std::shared_ptr<TState> FState;
};
