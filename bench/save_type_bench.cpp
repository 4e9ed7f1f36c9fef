// Finding the save library identifier in a 32 MiB image that holds none (the
// worst case: every word is looked at), next to memchr looking for a byte
// that is not there in the same image: the scan should run at memory speed.

#include "romops/save_type.h"
#include "support/synthetic_image.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

namespace {

constexpr std::size_t ImageSize = 32u << 20;

const std::vector<std::uint8_t>& sampleImage()
{
    static const std::vector<std::uint8_t> image = [] {
        std::vector<std::uint8_t> bytes = kst::test::makeImage(ImageSize);
        // memchr must go through it all: no byte of this value anywhere.
        for (std::uint8_t& b : bytes)
            if (b == 0xFE)
                b = 0xFD;
        return bytes;
    }();
    return image;
}

void BM_MemchrBaseline(benchmark::State& state)
{
    const std::vector<std::uint8_t>& image = sampleImage();
    for (auto _ : state)
        benchmark::DoNotOptimize(std::memchr(image.data(), 0xFE, image.size()));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * image.size()));
}

void BM_FindSaveType(benchmark::State& state)
{
    const std::vector<std::uint8_t>& image = sampleImage();
    for (auto _ : state)
        benchmark::DoNotOptimize(kst::ops::findSaveType(image));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * image.size()));
}

}  // namespace

BENCHMARK(BM_MemchrBaseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindSaveType)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
