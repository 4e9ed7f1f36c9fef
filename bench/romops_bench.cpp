// The image operations on a 32 MiB image of 20 MiB data followed by 0xFF
// padding, each next to a memcpy of the whole image in the same run: an
// operation should cost no more than copying the image once.

#include "romops/entry.h"
#include "romops/exithack.h"
#include "romops/exithack_removal.h"
#include "romops/intro.h"
#include "romops/trim.h"
#include "support/synthetic_image.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

namespace {

using Image = std::vector<std::uint8_t>;

constexpr std::size_t ImageSize = 32u << 20;
constexpr std::size_t DataSize = 20u << 20;

// The data's last byte is no padding byte, so that trimming stops there.
const Image& sampleImage()
{
    static const Image image = [] {
        kst::test::ImageSpec spec;
        spec.size = ImageSize;
        spec.dataEnd = DataSize;
        spec.padding = 0xFF;
        return kst::test::makeImage(spec);
    }();
    return image;
}

const Image patch = [] {
    Image bytes(kst::ops::ExitHackSignature.begin(), kst::ops::ExitHackSignature.end());
    bytes.resize(200, 0xE1);
    return bytes;
}();

void BM_Memcpy(benchmark::State& state)
{
    const Image& source = sampleImage();
    Image target(source.size(), 0);
    for (auto _ : state) {
        std::memcpy(target.data(), source.data(), source.size());
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * source.size()));
}

// Trimming scans the 12 MiB of padding backwards and shrinks the vector.
void BM_RomTrunc(benchmark::State& state)
{
    Image image = sampleImage();
    for (auto _ : state) {
        image = kst::ops::RomTrunc(std::move(image));
        benchmark::DoNotOptimize(image.data());
        state.PauseTiming();
        image.resize(ImageSize, 0xFF);
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * ImageSize));
}

// An intro at the end of the data: its branch is undone and 12 MiB blanked.
void BM_RemIntro(benchmark::State& state)
{
    Image image = sampleImage();
    const std::uint32_t words = (DataSize - 8) / 4;
    const kst::ops::EntryBytes intro{static_cast<std::uint8_t>(words), static_cast<std::uint8_t>(words >> 8),
                                     static_cast<std::uint8_t>(words >> 16)};
    for (auto _ : state) {
        std::copy(intro.begin(), intro.end(), image.begin());
        image = kst::ops::RemIntro(std::move(image), intro);
        benchmark::DoNotOptimize(image.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * ImageSize));
}

// As the pipeline calls it: on an image read with room for the patch behind it.
void BM_Exithack(benchmark::State& state)
{
    Image image;
    image.reserve(ImageSize + patch.size() + 3);
    image.assign(sampleImage().begin(), sampleImage().end());
    for (auto _ : state) {
        image = kst::ops::Exithack(std::move(image), patch, kst::ops::newEntryBytesLsbFirst(image.size()));
        benchmark::DoNotOptimize(image.data());
        image.resize(ImageSize);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * ImageSize));
}

// The worst case for removal: a patch at the very end, after data and padding.
void BM_FindExitHackSignature(benchmark::State& state)
{
    Image image = sampleImage();
    image.insert(image.end(), patch.begin(), patch.end());
    for (auto _ : state) {
        auto found = kst::ops::findExitHackSignature(image);
        benchmark::DoNotOptimize(found);
        if (found != ImageSize)
            state.SkipWithError("signature not found at the end");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * image.size()));
}

BENCHMARK(BM_Memcpy)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RomTrunc)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RemIntro)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Exithack)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FindExitHackSignature)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
