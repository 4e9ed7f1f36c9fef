// Hostile and damaged archives, built here byte by byte, each with what the
// module must make of it; and what a failure in the middle of a member leaves.
// Whatever the archive, nothing is written outside the extraction folder and
// nothing of a member that was not extracted is left in it.
#include "unzdll_fixture.h"
#include "support/zip_writer.h"

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

using namespace kst::test;
using kst::test::PrintTo;

const Bytes kData = makeImage(5000, "DATA");

ZipEntry withDeclaredSize(ZipEntry entry, std::uint32_t size)
{
    entry.size = size;
    return entry;
}

std::string deepName(int depth)
{
    std::string name;
    for (int i = 0; i < depth; ++i)
        name += "d/";
    return name + "x.gba";
}

struct Case {
    const char* label;
    std::function<void(const fs::path&)> write;  // the archive
    std::vector<std::string> requested;
    int crcAnswer;                        // to action 9: 1 keeps the file
    std::vector<std::string> expected;    // everything below the extraction folder afterwards
    std::vector<std::string> crcAsked;    // names of the action-9 questions
    std::vector<int> skipped;             // the reasons of the action-11 reports
    std::uint64_t firstFileSize;          // of expected[0], when it is a file
};

constexpr int Damaged = UNZ_SKIP_DAMAGED, BadData = UNZ_SKIP_BAD_DATA, Name = UNZ_SKIP_NAME;
constexpr std::uint32_t Limit = 64u << 20;  // the largest member unpacked

// A deflated member of that many zeros, declaring what it holds or a lie.
ZipEntry zeros(std::string name, std::uint64_t size, std::uint32_t declared)
{
    ZipEntry entry;
    entry.name = std::move(name);
    entry.method = 8;
    entry.stored = deflatedZeros(size);
    entry.size = declared;
    return entry;
}

void raw(const fs::path& path, const std::vector<ZipEntry>& entries, const ZipLayout& layout = {})
{
    writeBytes(path, zipArchive(entries, layout).bytes);
}

// a.gba and b.gba, with a field of the central entry of one of them overwritten.
void damaged(const fs::path& path, int entry, std::size_t field, std::uint32_t value)
{
    LaidOutZip zip = zipArchive({deflatedEntry("a.gba", kData), deflatedEntry("b.gba", kData)}, {});
    zip.put32(zip.directoryStart + static_cast<std::size_t>(entry) * (46 + 5) + field, value);
    writeBytes(path, zip.bytes);
}


std::vector<ZipEntry> manyEntries(int count)
{
    std::vector<ZipEntry> entries;
    for (int i = 0; i < count; ++i)
        entries.push_back(storedEntry("f" + std::to_string(i) + ".gba", {static_cast<std::uint8_t>(i)}));
    return entries;
}

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

INSTANTIATE_TEST_SUITE_P(
    Corpus, HostileArchives,
    ::testing::Values(
        Case {"truncated",
              [](const fs::path& path) {
                  Bytes bytes = zipArchive({deflatedEntry("a.gba", kData), deflatedEntry("b.gba", kData)});
                  bytes.resize(bytes.size() * 3 / 5);
                  writeBytes(path, bytes);
              },
              {"a.gba", "b.gba"}, 1, {}, {}, {Damaged, Damaged}, 0},
        Case {"empty_archive", [](const fs::path& path) { raw(path, {}); }, {"a.gba"}, 1, {}, {}, {}, 0},
        // Opening a FIFO for reading would wait for a writer that never comes.
        Case {"fifo_in_its_place", [](const fs::path& path) { ::mkfifo(path.c_str(), 0600); }, {"a.gba"}, 1, {},
              {}, {Damaged}, 0},
        Case {"folder_in_its_place", [](const fs::path& path) { fs::create_directory(path); }, {"a.gba"}, 1, {}, {},
              {Damaged}, 0},
        // Deflated data longer than declared: cut at the declared size.
        Case {"declared_too_small_kept",
              [](const fs::path& path) { raw(path, {withDeclaredSize(deflatedEntry("a.gba", kData), 100)}); },
              {"a.gba"}, 1, {"a.gba"}, {"a.gba"}, {}, 100},
        Case {"declared_too_small_refused",
              [](const fs::path& path) { raw(path, {withDeclaredSize(deflatedEntry("a.gba", kData), 100)}); },
              {"a.gba"}, 0, {}, {"a.gba"}, {BadData}, 0},
        Case {"stored_declared_too_small",
              [](const fs::path& path) { raw(path, {withDeclaredSize(storedEntry("a.gba", kData), 100)}); },
              {"a.gba"}, 1, {"a.gba"}, {"a.gba"}, {}, 100},
        Case {"declared_too_large",
              [](const fs::path& path) { raw(path, {withDeclaredSize(deflatedEntry("a.gba", kData), 9000)}); },
              {"a.gba"}, 0, {}, {"a.gba"}, {BadData}, 0},
        Case {"stored_declared_too_large",
              [](const fs::path& path) { raw(path, {withDeclaredSize(storedEntry("a.gba", kData), 9000)}); },
              {"a.gba"}, 0, {}, {"a.gba"}, {BadData}, 0},
        // 256 MiB of zeros behind a header that promises 4 KiB: the disk sees 4 KiB.
        Case {"inflates_to_256_MiB",
              [](const fs::path& path) {
                  raw(path, {zeros("bomb.gba", 256u << 20, 4096), deflatedEntry("ok.gba", kData)});
              },
              {"bomb.gba", "ok.gba"}, 1, {"bomb.gba", "ok.gba"}, {"bomb.gba"}, {}, 4096},
        // 20 entries on the one member of 100 MiB: the archive is refused whole.
        Case {"twenty_entries_on_one_member",
              [](const fs::path& path) { raw(path, sharedDataBomb(zeros("bomb.gba", 100u << 20, 100u << 20), 20)); },
              {"0bomb.gba", "19bomb.gba"}, 1, {}, {}, {Damaged, Damaged}, 0},
        Case {"declares_more_than_the_limit",
              [](const fs::path& path) {
                  raw(path, {zeros("big.gba", Limit + 1, Limit + 1), deflatedEntry("ok.gba", kData)});
              },
              {"big.gba", "ok.gba"}, 1, {"ok.gba"}, {}, {UNZ_SKIP_TOO_LARGE}, 5000},
        // Its checksum is left 0: kept after the question, at the full limit.
        Case {"declares_the_limit", [](const fs::path& path) { raw(path, {zeros("max.gba", Limit, Limit)}); },
              {"max.gba"}, 1, {"max.gba"}, {"max.gba"}, {}, Limit},
        Case {"comment_of_65535_bytes",
              [](const fs::path& path) {
                  raw(path, {deflatedEntry("a.gba", kData)}, {.prefix = {}, .comment = std::string(65535, 'c')});
              },
              {"a.gba"}, 1, {"a.gba"}, {}, {}, 5000},
        Case {"data_in_front",
              [](const fs::path& path) { raw(path, {deflatedEntry("a.gba", kData)}, {.prefix = Bytes(4096, 0xCC)}); },
              {"a.gba"}, 1, {"a.gba"}, {}, {}, 5000},
        Case {"comment_ending_in_a_record_whose_directory_does_not_read",
              [](const fs::path& path) {
                  raw(path, {deflatedEntry("a.gba", kData)}, {.prefix = {}, .comment = fakeEndRecordComment()});
              },
              {"a.gba"}, 1, {"a.gba"}, {}, {}, 5000},
        Case {"local_header_beyond_the_file",
              [](const fs::path& path) { damaged(path, 0, 42, 1000000); }, {"a.gba", "b.gba"}, 1, {"b.gba"}, {},
              {UNZ_SKIP_OUTSIDE}, 5000},
        Case {"data_running_into_the_directory",
              [](const fs::path& path) { damaged(path, 1, 20, 1000000); }, {"a.gba", "b.gba"}, 1, {"a.gba"}, {},
              {UNZ_SKIP_OUTSIDE}, 5000},
        Case {"unknown_compression_method",
              [](const fs::path& path) {
                  ZipEntry entry = storedEntry("a.gba", kData);
                  entry.method = 6;
                  raw(path, {entry, deflatedEntry("b.gba", kData)});
              },
              {"a.gba", "b.gba"}, 1, {"b.gba"}, {}, {UNZ_SKIP_METHOD}, 5000},
        Case {"bad_crc",
              [](const fs::path& path) {
                  ZipEntry entry = deflatedEntry("a.gba", kData);
                  entry.crc ^= 1;
                  raw(path, {entry, deflatedEntry("b.gba", kData)});
              },
              {"a.gba", "b.gba"}, 0, {"b.gba"}, {"a.gba"}, {BadData}, 0},
        Case {"encrypted_without_password",
              [](const fs::path& path) {
                  makeArchive(path, {{"a.gba", kData, ZIP_CM_DEFLATE, ZIP_EM_AES_256, "secret"}});
              },
              {"a.gba"}, 1, {}, {}, {UNZ_SKIP_ENCRYPTED}, 0},
        // The first of two equal names is the member; asking twice extracts it once.
        Case {"duplicate_names",
              [](const fs::path& path) {
                  raw(path, {deflatedEntry("a.gba", kData), deflatedEntry("a.gba", makeImage(7000))});
              },
              {"a.gba", "a.gba"}, 1, {"a.gba"}, {}, {}, 5000},
        Case {"seventy_thousand_entries", [](const fs::path& path) { raw(path, manyEntries(70000)); },
              {"f69999.gba", "f0.gba"}, 1, {"f0.gba", "f69999.gba"}, {}, {}, 1},
        // Refused before a single one of its 2,100 folders is made.
        Case {"too_deep_for_the_system",
              [](const fs::path& path) { raw(path, {deflatedEntry(deepName(2100), kData)}); },
              {deepName(2100)}, 1, {}, {}, {Name}, 0},
        Case {"name_too_long_for_the_system",
              [](const fs::path& path) { raw(path, {deflatedEntry("sub/" + std::string(300, 'n'), kData)}); },
              {"sub/" + std::string(300, 'n')}, 1, {}, {}, {Name}, 0}),
    byLabel);

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
