// Hostile and damaged archives (hostile_corpus.cpp builds them byte by byte),
// each with what the module must make of it; and what a failure in the middle
// of a member leaves.
// Whatever the archive, nothing is written outside the extraction folder and
// nothing of a member that was not extracted is left in it.
#include "hostile_corpus.h"
#include "unzdll_fixture.h"
#include "support/zip_writer.h"

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

using namespace kst::test;
using kst::test::PrintTo;

using Case = HostileCase;

class HostileArchives : public UnzDllTest, public ::testing::WithParamInterface<Case> {};

TEST_P(HostileArchives, GiveTheirOutcomeAndWriteNothingElse)
{
    const Case& test = GetParam();
    test.write(archive());
    caller.answer = [&](UnzCallbackInfo& info) {
        if (info.action == UNZ_ACTION_CRC_ERROR)
            info.flag = test.crcAnswer;
        return UNZ_CONTINUE;
    };

    std::size_t files = std::count_if(test.expected.begin(), test.expected.end(),
                                      [](const std::string& name) { return name.back() != '/'; });
    EXPECT_EQ(extract(test.requested), static_cast<std::int32_t>(files));
    EXPECT_EQ(everythingIn(out()), test.expected);
    EXPECT_EQ(everythingIn(folder.path()).size(), test.expected.size() + 2);  // game.zip and out/
    std::vector<std::string> asked;
    for (const Event& event : caller.only(UNZ_ACTION_CRC_ERROR))
        asked.push_back(event.text);
    EXPECT_EQ(asked, test.crcAsked);
    std::vector<int> reasons;
    for (const Event& event : caller.only(UNZ_ACTION_SKIPPED))
        reasons.push_back(event.number);
    EXPECT_EQ(reasons, test.skipped);
    if (test.firstFileSize) {
        EXPECT_EQ(fs::file_size(out() / test.expected[0]), test.firstFileSize);
    }
}

INSTANTIATE_TEST_SUITE_P(Corpus, HostileArchives, ::testing::ValuesIn(hostileCorpus()), byLabel);

enum class Interruption { DiskFull, CrcRefused, Cancelled };

struct Failure {
    const char* label;
    Interruption interruption;
    std::vector<std::pair<int, int>> skipped;  // reason and error number of each action-11 report
};

class FailuresInAMember : public UnzDllTest, public ::testing::WithParamInterface<Failure> {};

// The member replaces a file and goes into a new folder beside other files:
// after the failure the old file is as it was, the new folder is gone, and
// nothing else has moved.
TEST_P(FailuresInAMember, LeaveNoPartialFileAndDeleteNothing)
{
    Interruption interruption = GetParam().interruption;
    ZipEntry first = deflatedEntry("keep/a.gba", kBig);
    if (interruption == Interruption::CrcRefused)
        first.crc ^= 1;
    writeBytes(archive(), zipArchive({first, deflatedEntry("new/b.gba", kBig)}));
    fs::create_directory(out() / "keep");
    writeBytes(out() / "keep" / "a.gba", kOld);
    writeBytes(out() / "keep" / "other.gba", kOld);
    std::vector<std::string> before = everythingIn(folder.path());

    caller.answer = [&](UnzCallbackInfo& info) {
        if (info.action == UNZ_ACTION_OVERWRITE)
            info.number = 1;
        if (info.action == UNZ_ACTION_CRC_ERROR)
            info.flag = 0;
        return interruption == Interruption::Cancelled && info.action == UNZ_ACTION_PROGRESS ? UNZ_STOP
                                                                                             : UNZ_CONTINUE;
    };
    // A file-size limit fails writes as a full disk does.
    rlimit limit {};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    rlimit small = limit;
    if (interruption == Interruption::DiskFull)
        small.rlim_cur = 16 * 1024;
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &small);
    std::int32_t extracted = extract({"keep/a.gba", "new/b.gba"});
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(extracted, interruption == Interruption::CrcRefused ? 1 : 0);
    std::vector<std::pair<int, int>> skipped;
    for (const Event& event : caller.only(UNZ_ACTION_SKIPPED))
        skipped.emplace_back(event.number, event.flag);
    EXPECT_EQ(skipped, GetParam().skipped);
    EXPECT_EQ(readBytes(out() / "keep" / "a.gba"), kOld);
    if (interruption == Interruption::CrcRefused) {
        // The next member is not touched by the first one's failure.
        before.push_back("out/new/");
        before.push_back("out/new/b.gba");
        std::sort(before.begin(), before.end());
        EXPECT_EQ(readBytes(out() / "new" / "b.gba"), kBig);
    }
    EXPECT_EQ(everythingIn(folder.path()), before);
}

INSTANTIATE_TEST_SUITE_P(Interruptions, FailuresInAMember,
                         ::testing::Values(Failure {"disk_full", Interruption::DiskFull,
                                                    {{UNZ_SKIP_WRITE, EFBIG}, {UNZ_SKIP_WRITE, EFBIG}}},
                                           Failure {"crc_error_refused", Interruption::CrcRefused, {{BadData, 0}}},
                                           Failure {"cancelled", Interruption::Cancelled, {}}),
                         byLabel);

}  // namespace
