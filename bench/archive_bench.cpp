// Reading the directory of an archive with 65,535 members through the
// archive component, next to Info-ZIP's zipinfo -1 listing the same archive
// (to /dev/null) in the same run. The archive is written at start-up.

#include "archive/tzip.h"
#include "support/zip_writer.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <fcntl.h>
#include <map>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

constexpr int MemberCount = 65535;

struct Fixture {
    std::filesystem::path folder;
    std::string path;

    Fixture()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "kestrom-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("cannot create a temporary folder");
        folder = pattern;
        path = (folder / "many.zip").string();
        std::vector<kst::test::ZipEntry> members;
        members.reserve(MemberCount);
        for (int i = 0; i < MemberCount; ++i) {
            char name[64];
            std::snprintf(name, sizeof name, "roms/%04d - Some Game Title (Europe).gba", i);
            members.push_back(kst::test::storedEntry(name, {1, 2, 3, 4, 5, 6, 7, 8}));
        }
        const kst::test::Bytes bytes = kst::test::zipArchive(members);
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                    static_cast<std::streamsize>(bytes.size()));
    }
    ~Fixture() { std::filesystem::remove_all(folder); }
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

void ReadDirectory(benchmark::State& state)
{
    const std::string& path = fixture().path;
    for (auto _ : state) {
        kst::TZip zip;
        zip.setArchiveName(path);
        if (zip.Count() != MemberCount)
            state.SkipWithError("wrong member count");
        benchmark::DoNotOptimize(zip.Count());
    }
}
BENCHMARK(ReadDirectory)->Unit(benchmark::kMillisecond)->UseRealTime();

void ZipinfoList(benchmark::State& state)
{
    const std::string& path = fixture().path;
    for (auto _ : state) {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        const char* argv[] = {"zipinfo", "-1", path.c_str(), nullptr};
        pid_t child = 0;
        int spawned = posix_spawnp(&child, "zipinfo", &actions, nullptr, const_cast<char* const*>(argv), environ);
        posix_spawn_file_actions_destroy(&actions);
        int status = 0;
        if (spawned != 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
            state.SkipWithError("zipinfo failed");
    }
}
BENCHMARK(ZipinfoList)->Unit(benchmark::kMillisecond)->UseRealTime();

// Prints the usual table, then the directory reading as a ratio of zipinfo.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration)
                times_[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        auto read = times_.find("ReadDirectory/real_time");
        auto zipinfo = times_.find("ZipinfoList/real_time");
        if (read != times_.end() && zipinfo != times_.end())
            std::printf("ReadDirectory / ZipinfoList = %.2f (%.1f ms against %.1f ms)\n",
                        read->second / zipinfo->second, read->second, zipinfo->second);
    }

private:
    std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    fixture();
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
