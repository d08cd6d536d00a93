// What the fuzz targets share: the entry point that libFuzzer (or the corpus
// replay) calls, a check that stops the run when a property is broken,
// so that libFuzzer keeps the input that broke it, and
// a comparison of doubles bit for bit.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace velmora::fuzz {

inline void require(bool holds, const char* property) {
    if (holds)
        return;
    std::fprintf(stderr, "broken: %s\n", property);
    std::abort();
}

inline bool sameBits(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

} // namespace velmora::fuzz
