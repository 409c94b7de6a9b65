#pragma once

// Kill tests: work that writes a file runs in a forked child and is killed with
// SIGKILL at a chosen moment, so that the kill falls on every step of a write in
// turn. A fork costs far less than starting a program, so hundreds of kills take
// seconds. The child touches no window and no connection of the parent.

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

// The number of kills a test makes: all of them in an ordinary build, a fifth
// under AddressSanitizer, where every fork copies the large shadow memory (the
// sanitizer looks for faults of memory, which a few dozen kills reach as well).
inline constexpr int KillRounds(int rounds)
{
#if defined(__SANITIZE_ADDRESS__)
    return rounds / 5;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    return rounds / 5;
#else
    return rounds;
#endif
#else
    return rounds;
#endif
}

// Calls work(report) in a child until it is killed; work calls report(n) after
// each completed step. Waits for steps reports, then pauseMicroseconds more, and
// kills the child. Returns every number reported before the kill. A child that
// ends of itself (its work raised or returned) fails the test.
inline std::vector<std::int32_t> RunAndKill(
    const std::function<void(const std::function<void(std::int32_t)>&)>& work, int steps,
    int pauseMicroseconds)
{
    std::vector<std::int32_t> reported;
    int fds[2];
    if (pipe(fds) != 0) {
        ADD_FAILURE() << "no pipe";
        return reported;
    }
    const pid_t pid = fork();
    if (pid < 0) {
        ADD_FAILURE() << "no fork";
        return reported;
    }
    if (pid == 0) {
        close(fds[0]);
        try {
            work([&](std::int32_t n) {
                if (write(fds[1], &n, sizeof n) != sizeof n)
                    _exit(2);
            });
        } catch (...) {
        }
        _exit(1);
    }
    close(fds[1]);

    // Reads what has arrived; false when the child has closed its end.
    std::vector<char> pending;
    const auto drain = [&](int timeoutMs) {
        pollfd p { fds[0], POLLIN, 0 };
        if (poll(&p, 1, timeoutMs) <= 0)
            return true;
        char buffer[256];
        const ssize_t got = read(fds[0], buffer, sizeof buffer);
        if (got <= 0)
            return false;
        pending.insert(pending.end(), buffer, buffer + got);
        while (pending.size() >= sizeof(std::int32_t)) {
            std::int32_t n;
            std::copy_n(pending.begin(), sizeof n, reinterpret_cast<char*>(&n));
            pending.erase(pending.begin(), pending.begin() + sizeof n);
            reported.push_back(n);
        }
        return true;
    };
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    bool open = true;
    while (open && static_cast<int>(reported.size()) < steps
        && std::chrono::steady_clock::now() < deadline)
        open = drain(100);
    std::this_thread::sleep_for(std::chrono::microseconds(pauseMicroseconds));
    kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    while (open)
        open = drain(1000);
    close(fds[0]);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
        << "the child ended of itself after " << reported.size() << " steps";
    EXPECT_GE(static_cast<int>(reported.size()), steps);
    return reported;
}
