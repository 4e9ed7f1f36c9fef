// Importing archives into the main window's list through Zip1 and the unzip
// module, as a drop does (progress window on Qt's offscreen platform, reports
// answered silently), against Info-ZIP `unzip -o` of the same archive into a
// fresh folder in the same run:
//   - one 32 MiB image, about 12 MB compressed: random data, a repeating
//     stretch and 0xFF padding, as real images are;
//   - a thousand small images.
// Every run starts with the unpacked files removed, for both sides.
//
// Runs with a private data folder; needs `unzip` on the PATH.

#include "window_bench_start.h"
#include "gui/archive/archive_import.h"
#include "gui/common/dialogs.h"
#include "gui/common/strings.h"
#include "gui/main_window/form1.h"
#include "support/synthetic_image.h"
#include "support/zip_writer.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

constexpr std::size_t BigSize = 32u << 20;
constexpr int SmallCount = 1000;
constexpr std::size_t SmallSize = 0x2000;

// Answers every dialog at once: the reports are dismissed, questions get Yes.
class SilentDialogs : public kst::Dialogs {
public:
    void message(const QString&) override {}
    void error(const QString&) override {}
    void information(const QString&) override {}
    void warning(const QString&) override {}
    Button question(const QString&, const QString&, Buttons, Icon, Button) override { return QMessageBox::Yes; }
    std::optional<QString> input(const QString&, const QString&, const QString&, int) override { return std::nullopt; }
    std::optional<kst::OpenFileAnswer> openFile(const kst::OpenFileRequest&) override { return std::nullopt; }
    std::optional<QString> openFolder(const QString&) override { return std::nullopt; }
};

// 11 MiB of random data (it does not compress), 11 MiB of the builder's
// repeating game pattern, then 0xFF padding.
std::vector<std::uint8_t> bigImage()
{
    kst::test::ImageSpec spec;
    spec.size = BigSize;
    spec.internalName = "BIGGAME";
    spec.dataEnd = 22u << 20;
    spec.padding = 0xFF;
    std::vector<std::uint8_t> image = kst::test::makeImage(spec);
    std::mt19937 random(7);
    for (std::size_t i = 0xC0; i < (11u << 20); ++i)
        image[i] = static_cast<std::uint8_t>(random());
    return image;
}

void writeArchive(const fs::path& path, const std::vector<kst::test::ZipEntry>& members)
{
    const std::vector<std::uint8_t> bytes = kst::test::zipArchive(members);
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        std::exit(1);
    }
}

struct Fixture {
    QTemporaryDir folder;
    fs::path root = folder.path().toStdString();
    fs::path big = root / "big.zip";
    fs::path small = root / "small.zip";
    fs::path unpacked = root / "unpacked";

    Fixture()
    {
        writeArchive(big, {kst::test::deflatedEntry("Big Game.gba", bigImage())});
        std::vector<kst::test::ZipEntry> members;
        for (int i = 0; i < SmallCount; ++i) {
            kst::test::ImageSpec spec;
            spec.size = SmallSize;
            spec.internalName = "GAME" + std::to_string(i);
            spec.dataEnd = SmallSize / 2;
            std::vector<std::uint8_t> image = kst::test::makeImage(spec);
            members.push_back(kst::test::deflatedEntry("Game " + std::to_string(i) + ".gba", image));
        }
        writeArchive(small, members);
        std::fprintf(stderr, "big.zip: %.1f MB for a %zu MiB image\n", fs::file_size(big) / 1e6, BigSize >> 20);
    }
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

kst::TForm1& mainWindow()
{
    static kst::Windows windows = [] {
        kst::Windows created = kst::createWindows();
        created.form1->temporaryFolder = fixture().unpacked.string() + "/";
        return created;
    }();
    return *windows.form1;
}

void clearUnpacked()
{
    fs::remove_all(fixture().unpacked);
    fs::create_directory(fixture().unpacked);
}

void unzip(const fs::path& archive)
{
    std::string into = fixture().unpacked.string();
    std::vector<std::string> args = {"unzip", "-o", "-qq", archive.string(), "-d", into};
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    int status = 0;
    if (posix_spawnp(&pid, "unzip", nullptr, nullptr, argv.data(), environ) != 0 || waitpid(pid, &status, 0) < 0 ||
        !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "unzip failed\n");
        std::exit(1);
    }
}

void importInto(const fs::path& archive, bool window)
{
    kst::TForm1& form = mainWindow();
    form.Zip1.ShowProgressDialog = window;
    form.UnselectAll1Click();
    form.addArchive(QString::fromStdString(archive.string()), kst::AddOrigin::Dropped);
}

void BM_UnzipBig(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        clearUnpacked();
        state.ResumeTiming();
        unzip(fixture().big);
    }
}

void BM_ImportBig(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        clearUnpacked();
        state.ResumeTiming();
        importInto(fixture().big, state.range(0) != 0);
    }
    const kst::RomGrid& grid = mainWindow().grid();
    if (grid.rowCount() != 2 || grid.cell(kst::ColName, 1) != "Big Game" || grid.cell(kst::ColSize, 1) != "32768 KB" ||
        fs::file_size(fixture().unpacked / "Big Game.gba") != BigSize)
        state.SkipWithError("the image did not become a row");
}

void BM_UnzipThousand(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        clearUnpacked();
        state.ResumeTiming();
        unzip(fixture().small);
    }
}

void BM_ImportThousand(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        clearUnpacked();
        state.ResumeTiming();
        importInto(fixture().small, state.range(0) != 0);
    }
    if (mainWindow().grid().rowCount() != SmallCount + 1)
        state.SkipWithError("the images did not become rows");
}

// Wall time: unzip runs in a child process.
BENCHMARK(BM_UnzipBig)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ImportBig)->ArgName("window")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_UnzipThousand)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ImportThousand)->ArgName("window")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv)
{
    const WindowBenchStart start(argc, argv);
    kst::installDialogs(std::make_unique<SilentDialogs>());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    kst::installDialogs(nullptr);
    return 0;
}
