// The unzip module on an archive of 70,000 small images in 100 folders: all of
// them extracted through UnzDllExec, as the archive import asks for them, next
// to Info-ZIP `unzip -o -q` of the same archive into an empty folder in the
// same run. Wall time: unzip runs as a child process.
//
// The archive and the extraction folders lie under TMPDIR (or /tmp), which
// should be a disk, not a memory file system, for the figures to mean much.
//
// usage: [UNZDLL_BASELINE=other/unzdll.dll] unzdll_bench [--benchmark_repetitions=N]
// With UNZDLL_BASELINE, another build of the module (an older one, say) is
// timed in the same run too.

#include "unzdll/import_block.h"
#include "unzdll/unzdll.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <filesystem>
#include <random>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <vector>
#include <zip.h>

extern char** environ;

namespace {

namespace fs = std::filesystem;

constexpr int MemberCount = 70000;
constexpr int FolderCount = 100;
constexpr std::size_t MemberSize = 2048;

// 2 KiB images: an entry branch, a random body, then 0xFF padding, so that
// they compress a little like real ones do. A few variants serve every member.
std::vector<std::vector<std::uint8_t>> memberContents()
{
    std::mt19937 random(7);
    std::vector<std::vector<std::uint8_t>> contents(16, std::vector<std::uint8_t>(MemberSize, 0xFF));
    for (auto& content : contents) {
        content[0] = 0x2E;
        content[1] = content[2] = 0;
        content[3] = 0xEA;
        for (std::size_t i = 4; i < MemberSize * 3 / 4; ++i)
            content[i] = static_cast<std::uint8_t>(random() % 32);
    }
    return contents;
}

struct Fixture {
    fs::path folder;
    fs::path archive;
    std::vector<std::string> names;

    Fixture()
    {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = (fs::path(tmp && *tmp ? tmp : "/tmp") / "kestrom-unzbench-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("no temporary folder");
        folder = pattern;
        archive = folder / "many.zip";

        auto contents = memberContents();
        int error = 0;
        zip_t* zip = zip_open(archive.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
        for (int i = 0; i < MemberCount; ++i) {
            char name[64];
            std::snprintf(name, sizeof name, "set%02d/Game %05d.gba", i % FolderCount, i);
            names.emplace_back(name);
            const auto& content = contents[static_cast<std::size_t>(i) % contents.size()];
            zip_file_add(zip, name, zip_source_buffer(zip, content.data(), content.size(), 0), 0);
        }
        if (!zip || zip_close(zip) != 0)
            throw std::runtime_error("cannot write the archive");
    }
    ~Fixture() { fs::remove_all(folder); }

    // A fresh, empty destination for each run.
    fs::path emptyOutput()
    {
        fs::path out = folder / "out";
        fs::remove_all(out);
        fs::create_directory(out);
        return out;
    }
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

std::int32_t quietCallback(UnzCallbackInfo*)
{
    return UNZ_CONTINUE;
}

UnzDllExecFn load(const std::string& path)
{
    void* module = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    auto exec = module ? reinterpret_cast<UnzDllExecFn>(::dlsym(module, UNZ_EXEC_SYMBOL)) : nullptr;
    if (!exec)
        throw std::runtime_error("cannot load " + path);
    return exec;
}

void BM_UnzDllExtractAll(benchmark::State& state, const std::string& modulePath)
{
    UnzDllExecFn exec = load(modulePath);
    Fixture& f = fixture();
    std::vector<UnzMember> members(f.names.size());
    for (std::size_t i = 0; i < f.names.size(); ++i)
        members[i].name = f.names[i].c_str();
    std::string path = f.archive.string();
    for (auto _ : state) {
        state.PauseTiming();
        fs::current_path(f.emptyOutput());
        state.ResumeTiming();

        UnzParams params = kst::test::importBlock(nullptr, quietCallback, path, members);
        if (exec(&params) != MemberCount)
            state.SkipWithError("not every member was extracted");

        state.PauseTiming();
        fs::current_path(f.folder);
        state.ResumeTiming();
    }
    state.counters["files/s"] = benchmark::Counter(MemberCount, benchmark::Counter::kIsIterationInvariantRate);
}

void BM_InfoZipUnzip(benchmark::State& state)
{
    Fixture& f = fixture();
    for (auto _ : state) {
        state.PauseTiming();
        std::string out = f.emptyOutput().string();
        std::string archive = f.archive.string();
        state.ResumeTiming();

        const char* argv[] = {"unzip", "-o", "-q", archive.c_str(), "-d", out.c_str(), nullptr};
        pid_t child = 0;
        int status = 0;
        if (::posix_spawnp(&child, "unzip", nullptr, nullptr, const_cast<char**>(argv), environ) != 0
            || ::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
            state.SkipWithError("unzip failed (is it installed?)");
    }
    state.counters["files/s"] = benchmark::Counter(MemberCount, benchmark::Counter::kIsIterationInvariantRate);
}

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    std::vector<benchmark::internal::Benchmark*> runs;
    runs.push_back(benchmark::RegisterBenchmark("InfoZipUnzip", BM_InfoZipUnzip));
    runs.push_back(benchmark::RegisterBenchmark("UnzDll", BM_UnzDllExtractAll, std::string(UNZDLL_MODULE_PATH)));
    if (const char* baseline = std::getenv("UNZDLL_BASELINE"))
        runs.push_back(benchmark::RegisterBenchmark("UnzDll/baseline", BM_UnzDllExtractAll, std::string(baseline)));
    // A run takes seconds; the figures are wall time, unzip being another process.
    for (benchmark::internal::Benchmark* run : runs)
        run->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
