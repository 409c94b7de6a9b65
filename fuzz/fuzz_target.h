#pragma once

// The frame shared by the fuzz targets. Built with clang's libFuzzer each target
// is a program of its own; built without it (VELMO_FUZZ_REPLAY) each is a plain
// function, so that the regression tests replay the inputs of fixed findings
// through exactly the same code.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#ifdef VELMO_FUZZ_REPLAY
#define VELMO_FUZZ_TARGET(name) int VelmoFuzz_##name(const std::uint8_t* data, std::size_t size)
#else
#define VELMO_FUZZ_TARGET(name)                                                                    \
    extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
#endif

namespace fuzz {

// A broken promise of the code under test: reported and the run ends, so that
// the fuzzer keeps the input as a finding.
[[noreturn]] inline void Finding(const std::string& what)
{
    std::fprintf(stderr, "finding: %s\n", what.c_str());
    std::fflush(stderr);
    std::abort();
}

// Reads an input from its front: bytes, small numbers and pieces of text.
class TInput {
public:
    TInput(const std::uint8_t* data, std::size_t size)
        : FData(reinterpret_cast<const char*>(data), size)
    {
    }

    bool Empty() const { return FData.empty(); }
    std::size_t Size() const { return FData.size(); }

    std::uint8_t Byte()
    {
        if (FData.empty())
            return 0;
        const auto b = static_cast<std::uint8_t>(FData.front());
        FData.remove_prefix(1);
        return b;
    }

    // Eight bytes as a double (zeros where the input has ended).
    double Double()
    {
        std::uint64_t bits = 0;
        for (int i = 0; i < 8; ++i)
            bits |= std::uint64_t(Byte()) << (8 * i);
        double d;
        static_assert(sizeof d == sizeof bits);
        __builtin_memcpy(&d, &bits, sizeof d);
        return d;
    }

    // The text up to the next separator (not included), or the rest.
    std::string Text(char separator = '\n')
    {
        const std::size_t end = FData.find(separator);
        std::string text(FData.substr(0, end));
        FData.remove_prefix(end == std::string_view::npos ? FData.size() : end + 1);
        return text;
    }

    std::string Rest()
    {
        std::string text(FData);
        FData = {};
        return text;
    }

private:
    std::string_view FData;
};

} // namespace fuzz
