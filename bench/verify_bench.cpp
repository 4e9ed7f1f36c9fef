// Checksums and DAT verification. CRC-32, MD5 and SHA-1 of a 32 MiB image
// next to sha1sum plus crc32 of the same file, run in the same process
// (real time, since the tools are child processes); parsing a DAT of 6,000
// entries; verifying 1,000 small images against it, half of them trimmed;
// one 4 KiB image against a hostile DAT (6,000 SHA-1-only entries around
// 32 MiB) next to one SHA-1 of 32 MiB, the least it can cost per fill.

#include "platform/files.h"
#include "support/synthetic_image.h"
#include "verify/checksums.h"
#include "verify/dat_file.h"
#include "verify/verification.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>
#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr std::size_t BigImageSize = 32u << 20;
constexpr int DatEntries = 6000;
constexpr int SmallImages = 1000;
constexpr std::size_t SmallImageSize = 128u << 10;

struct Fixture {
    fs::path folder;
    fs::path bigImage;
    fs::path dat;
    std::vector<fs::path> smallImages;

    Fixture()
    {
        folder = fs::temp_directory_path() / ("kestrom-verify-bench-" + std::to_string(::getpid()));
        fs::create_directories(folder);
        bigImage = folder / "big.gba";
        kst::writeFileAtomically(bigImage, kst::test::makeImage(BigImageSize));

        std::string xml = "<?xml version=\"1.0\"?>\n<datafile>\n";
        char line[400];
        for (int i = 0; i < SmallImages; ++i) {
            char name[13];
            std::snprintf(name, sizeof name, "GAME%07d", i);
            kst::test::ImageSpec spec;
            spec.size = SmallImageSize;
            spec.internalName = name;
            spec.dataEnd = SmallImageSize * 3 / 4;
            spec.padding = 0xFF;
            std::vector<std::uint8_t> image = kst::test::makeImage(spec);
            const kst::verify::Digests d = kst::verify::digestsOf(image);
            std::snprintf(line, sizeof line,
                          "<game name=\"Game %d\"><rom name=\"g%d.gba\" size=\"%zu\" crc=\"%08x\" md5=\"%s\" "
                          "sha1=\"%s\"/></game>\n",
                          i, i, image.size(), d.crc, kst::verify::toHex(d.md5).c_str(),
                          kst::verify::toHex(d.sha1).c_str());
            xml += line;
            if (i % 2)
                image.resize(spec.dataEnd + 1);  // trimmed, as RomTrunc leaves it
            smallImages.push_back(folder / (std::string(name) + ".gba"));
            kst::writeFileAtomically(smallImages.back(), image);
        }
        for (int i = SmallImages; i < DatEntries; ++i) {
            std::snprintf(line, sizeof line,
                          "<game name=\"Other %d\"><rom name=\"o%d.gba\" size=\"%d\" crc=\"%08x\" "
                          "md5=\"%032x\" sha1=\"%040x\"/></game>\n",
                          i, i, (4 << 20) << (i % 4), static_cast<unsigned>(i * 2654435761u), i, i);
            xml += line;
        }
        xml += "</datafile>\n";
        dat = folder / "games.dat";
        kst::writeFileAtomically(dat, xml);
    }
    ~Fixture()
    {
        std::error_code ec;
        fs::remove_all(folder, ec);
    }
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

void BM_Sha1sumPlusCrc32Baseline(benchmark::State& state)
{
    const std::string file = fixture().bigImage.string();
    const std::string command = "sha1sum '" + file + "' >/dev/null && crc32 '" + file + "' >/dev/null";
    for (auto _ : state)
        if (std::system(command.c_str()) != 0)
            state.SkipWithError("sha1sum or crc32 failed (crc32 is in libarchive-zip-perl)");
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * BigImageSize));
}

// Reading the file, as verify does, then all three checksums.
void BM_DigestsOfFile(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(kst::verify::digestsOf(kst::readWholeFile(fixture().bigImage)));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * BigImageSize));
}

// The checksums alone, of the image in memory.
void BM_DigestsInMemory(benchmark::State& state)
{
    const std::vector<std::uint8_t> image = kst::readWholeFile(fixture().bigImage);
    for (auto _ : state)
        benchmark::DoNotOptimize(kst::verify::digestsOf(image));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * BigImageSize));
}

void BM_ParseDat(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(kst::verify::readDat(fixture().dat));
}

void BM_VerifyThousandImages(benchmark::State& state)
{
    const kst::verify::DatIndex index(kst::verify::readDat(fixture().dat));
    for (auto _ : state) {
        int verified = 0;
        for (const fs::path& image : fixture().smallImages)
            verified += index.verifyFile(image).verdict != kst::verify::Verdict::Unknown;
        if (verified != SmallImages)
            state.SkipWithError("an image was not verified");
    }
}

void BM_Sha1Of32MiBBaseline(benchmark::State& state)
{
    const std::vector<std::uint8_t> bytes(32u << 20, 0xFF);
    for (auto _ : state) {
        kst::verify::DigestStream sha1(kst::verify::DigestStream::Kind::Sha1);
        sha1.add(bytes);
        benchmark::DoNotOptimize(sha1.digestSoFar());
    }
}

// Without CRCs every entry needs the padded digest; sizes from 32 MiB - 3,000
// to 32 MiB + 3,000 bytes, so half of them lie past the largest cartridge.
void BM_SmallImageAgainstHostileDat(benchmark::State& state)
{
    std::string xml = "<datafile>\n";
    for (int i = 0; i < DatEntries; ++i)
        xml += "<game name=\"H" + std::to_string(i) + "\"><rom name=\"h.gba\" size=\"" +
               std::to_string((32 << 20) - DatEntries / 2 + i) + "\" sha1=\"" + std::string(40, '0') + "\"/></game>\n";
    xml += "</datafile>\n";
    const kst::verify::DatIndex index(kst::verify::parseDat(xml));
    const std::vector<std::uint8_t> image = kst::test::makeImage(4096);
    for (auto _ : state)
        if (index.verify(image).verdict != kst::verify::Verdict::Unknown)
            state.SkipWithError("the image was verified");
}

}  // namespace

BENCHMARK(BM_Sha1Of32MiBBaseline)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SmallImageAgainstHostileDat)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Sha1sumPlusCrc32Baseline)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DigestsOfFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DigestsInMemory)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ParseDat)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_VerifyThousandImages)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
