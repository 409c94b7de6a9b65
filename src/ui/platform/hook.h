#pragma once

#include <utility>

// A replaceable part of the program, one for each value type T (Tag tells two of
// one type apart): the error report's sink, the prompts, the colour dialog, the
// library's prompts, the dialogs' help. An empty value stands for the program's
// own; tests put in answers of their own instead of a modal box.
template <class T, class Tag = T> class THook {
public:
    static T& Current()
    {
        static T value;
        return value;
    }
    // Puts value in and returns the one in use before.
    static T Replace(T value) { return std::exchange(Current(), std::move(value)); }
};

// Puts a value in for as long as it lives.
template <class T, class Tag = T> class TScopedHook {
public:
    explicit TScopedHook(T value)
        : FPrevious(THook<T, Tag>::Replace(std::move(value)))
    {
    }
    ~TScopedHook() { THook<T, Tag>::Replace(std::move(FPrevious)); }
    TScopedHook(const TScopedHook&) = delete;
    TScopedHook& operator=(const TScopedHook&) = delete;

private:
    T FPrevious;
};
