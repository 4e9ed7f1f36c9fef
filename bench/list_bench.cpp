// The ROM list with a thousand images: adding them through the main window
// (header read, row written, view updated), one timer tick over the full
// list, and the duplicate-name check of Apply. The baseline is reading the
// same thousand headers with plain stdio, the least any add has to do.
//
// Runs on Qt's offscreen platform with a private data folder.

#include "window_bench_start.h"
#include "gui/common/strings.h"
#include "gui/main_window/form1.h"
#include "romheader/header.h"
#include "romlist/list_editing.h"
#include "support/synthetic_image.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int RomCount = 1000;
constexpr std::size_t ImageSize = 0x400;

struct Fixture {
    QTemporaryDir folder;
    std::vector<std::string> paths;

    Fixture()
    {
        for (int i = 0; i < RomCount; ++i) {
            char name[12];
            std::snprintf(name, sizeof name, "GAME%07d", i);
            const std::vector<std::uint8_t> image = kst::test::makeImage(ImageSize, name);
            std::string path = folder.filePath(QStringLiteral("Game %1.gba").arg(i)).toStdString();
            std::ofstream(path, std::ios::binary)
                .write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
            paths.push_back(path);
        }
    }
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

kst::TForm1& mainWindow()
{
    static kst::Windows windows = kst::createWindows();
    return *windows.form1;
}

void BM_ReadHeadersBaseline(benchmark::State& state)
{
    std::vector<char> header(kst::header::MinimumSize);
    for (auto _ : state) {
        for (const std::string& path : fixture().paths) {
            std::FILE* file = std::fopen(path.c_str(), "rb");
            std::size_t got = std::fread(header.data(), 1, header.size(), file);
            std::fclose(file);
            benchmark::DoNotOptimize(got);
        }
    }
}

void BM_AddThousandImages(benchmark::State& state)
{
    kst::TForm1& form = mainWindow();
    for (auto _ : state) {
        form.UnselectAll1Click();
        for (const std::string& path : fixture().paths)
            form.addImage(path, false);
        QCoreApplication::processEvents();
    }
}

void BM_TimerTickOnThousandRows(benchmark::State& state)
{
    kst::TForm1& form = mainWindow();
    form.UnselectAll1Click();
    for (const std::string& path : fixture().paths)
        form.addImage(path, false);
    for (auto _ : state)
        form.Timer1Timer();
}

void BM_DuplicateCheckOnThousandRows(benchmark::State& state)
{
    kst::TForm1& form = mainWindow();
    for (auto _ : state)
        benchmark::DoNotOptimize(kst::firstDuplicateName(form.grid()));
}

BENCHMARK(BM_ReadHeadersBaseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddThousandImages)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TimerTickOnThousandRows)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DuplicateCheckOnThousandRows)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    const WindowBenchStart start(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
