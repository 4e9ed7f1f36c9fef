#include "unzdll_fixture.h"

#include <chrono>
#include <csignal>
#include <cstddef>
#include <cstring>
#include <sys/stat.h>

extern "C" const size_t unzdllCLayout[10];

namespace {

using namespace kst::test;
using kst::test::PrintTo;

constexpr std::time_t kOlder = kArchived - 10 * 365 * 86400;
constexpr std::time_t kNewer = kArchived + 365 * 86400;

// Answers a password question the way the program does.
void typePassword(UnzCallbackInfo& info, const std::string& password)
{
    std::strncpy(info.text, password.c_str(), sizeof info.text - 1);
    info.flag = password.empty() ? 0 : 1;
    if (info.number > 0 && !password.empty())
        --info.number;
}

TEST_F(UnzDllTest, ExportsItsVersionAndCSeesTheSameLayout)
{
    EXPECT_EQ(version(), 160);
    const std::size_t cxx[] = {
        sizeof(UnzParams),           offsetof(UnzParams, caller),       offsetof(UnzParams, callback),
        offsetof(UnzParams, members), offsetof(UnzParams, password_tries), offsetof(UnzParams, reports),
        sizeof(UnzMember),           sizeof(UnzCallbackInfo),           offsetof(UnzCallbackInfo, number),
        offsetof(UnzCallbackInfo, text),
    };
    EXPECT_TRUE(std::equal(std::begin(cxx), std::end(cxx), unzdllCLayout));
}

TEST_F(UnzDllTest, ExtractsTheNamedMembersAndReportsInOrder)
{
    makeGame();
    EXPECT_EQ(extract({"a.gba", "sub\\c.gba"}), 2);

    EXPECT_EQ(filesIn(out()), (std::vector<std::string> {"a.gba", "sub/c.gba"}));
    EXPECT_EQ(readBytes(out() / "a.gba"), kBig);
    EXPECT_EQ(readBytes(out() / "sub" / "c.gba"), kSub);
    struct stat info {};
    ASSERT_EQ(::stat((out() / "sub" / "c.gba").c_str(), &info), 0);
    EXPECT_EQ(info.st_mtime, kArchived);

    ASSERT_EQ(caller.actions(), (std::vector<std::int32_t> {5, 6, 1, 2, 2, 1, 2, 3}));
    EXPECT_EQ(caller.events[0].number, 2);
    EXPECT_EQ(caller.events[1].number, static_cast<std::int32_t>(kBig.size() + kSub.size()));
    EXPECT_EQ(caller.events[2].text, "a.gba");
    EXPECT_EQ(caller.events[2].number, static_cast<std::int32_t>(kBig.size()));
    EXPECT_EQ(caller.events[3].number + caller.events[4].number, static_cast<std::int32_t>(kBig.size()));
    EXPECT_EQ(caller.events[5].text, "sub\\c.gba");
}

// The record's text holds 511 bytes: a longer name is cut before a character
// that would not fit whole, so the progress text stays valid UTF-8.
TEST_F(UnzDllTest, ALongNameIsCutAtACharacterBoundary)
{
    const std::string upTo510 = std::string(200, 'a') + "/" + std::string(200, 'b') + "/" + std::string(108, 'c');
    const std::string name = upTo510 + "\xC3\xA9x.gba";  // the é takes bytes 510 and 511
    makeArchive(archive(), {{name, kSmall}});
    EXPECT_EQ(extract({name}), 1);
    ASSERT_EQ(caller.only(UNZ_ACTION_BEGIN_FILE).size(), 1u);
    EXPECT_EQ(caller.only(UNZ_ACTION_BEGIN_FILE)[0].text, upTo510);
}

struct Choice {
    const char* label;
    std::vector<std::string> names;
    std::function<void(UnzParams&)> adjust;
    std::vector<std::string> expected;
};

class ChoosingMembers : public UnzDllTest, public ::testing::WithParamInterface<Choice> {};

TEST_P(ChoosingMembers, WritesExactlyTheExpectedFiles)
{
    makeGame();
    const Choice& choice = GetParam();
    EXPECT_EQ(extract(choice.names, choice.adjust), static_cast<std::int32_t>(choice.expected.size()));
    EXPECT_EQ(filesIn(out()), choice.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Requests, ChoosingMembers,
    ::testing::Values(
        Choice {"unknown_and_repeated_names", {"a.gba", "nothing.gba", "a.gba"}, {}, {"a.gba"}},
        Choice {"case_matters", {"B.GBA"}, {}, {}},
        Choice {"case_ignored", {"B.GBA"}, [](UnzParams& p) { p.ignore_case = UNZ_TRUE; }, {"B.GBA"}},
        Choice {"folders_dropped", {"sub/c.gba"}, [](UnzParams& p) { p.use_folder_names = UNZ_FALSE; }, {"c.gba"}}),
    byLabel);

TEST_F(UnzDllTest, ReportsOnlyWhatTheCallerAskedFor)
{
    makeGame();
    extract({"b.gba"}, [](UnzParams& p) { p.reports = UNZ_REPORT_FILES; });
    EXPECT_EQ(caller.actions(), (std::vector<std::int32_t> {1}));
}

class HostileNames : public UnzDllTest, public ::testing::WithParamInterface<std::string> {};

// Every name would land beside the archive, outside the extraction folder.
TEST_P(HostileNames, AreRefusedAndNothingLeavesTheFolder)
{
    std::string name = GetParam() == "absolute" ? (folder.path() / "evil.gba").string() : GetParam();
    makeArchive(archive(), {{name, kSmall}, {"ok.gba", kSmall}});
    EXPECT_EQ(extract({name, "ok.gba"}), 1);

    EXPECT_EQ(filesIn(folder.path()), (std::vector<std::string> {"game.zip", "out/ok.gba"}));
    EXPECT_EQ(caller.events.front().number, 1);
    ASSERT_EQ(caller.only(UNZ_ACTION_SKIPPED).size(), 1u);
    EXPECT_EQ(caller.only(UNZ_ACTION_SKIPPED)[0].text, name);
}

INSTANTIATE_TEST_SUITE_P(Names, HostileNames,
                         ::testing::Values("../evil.gba", "sub/../../evil.gba", "./../evil.gba", "..\\evil.gba",
                                           "sub\\..\\..\\evil.gba", "absolute", "C:/evil.gba"));

TEST_F(UnzDllTest, DoesNotFollowALinkOutOfTheFolder)
{
    fs::path elsewhere = folder.path() / "elsewhere";
    fs::create_directory(elsewhere);
    writeBytes(elsewhere / "evil.gba", kOld);
    fs::create_directory_symlink(elsewhere, out() / "link");
    makeArchive(archive(), {{"link/evil.gba", kSmall}});
    caller.answer = [](UnzCallbackInfo& info) {
        info.number = 1;  // yes to any question about the file behind the link
        return UNZ_CONTINUE;
    };

    EXPECT_EQ(extract({"link/evil.gba"}), 0);
    EXPECT_EQ(filesIn(elsewhere), (std::vector<std::string> {"evil.gba"}));
    EXPECT_EQ(readBytes(elsewhere / "evil.gba"), kOld);
    EXPECT_TRUE(caller.only(UNZ_ACTION_OVERWRITE).empty());
}

struct Damage {
    const char* label;
    void (*edit)(Bytes& archive);  // null: no archive at all
};

class DamagedArchives : public UnzDllTest, public ::testing::WithParamInterface<Damage> {};

TEST_P(DamagedArchives, FailCleanlyAndLeaveNoFile)
{
    makeGame();
    if (GetParam().edit) {
        Bytes bytes = readBytes(archive());
        GetParam().edit(bytes);
        writeBytes(archive(), bytes);
    } else {
        fs::remove(archive());
    }
    EXPECT_EQ(extract({"a.gba"}), 0);
    EXPECT_TRUE(filesIn(out()).empty());
    EXPECT_EQ(caller.actions().back(), UNZ_ACTION_END_BATCH);
}

INSTANTIATE_TEST_SUITE_P(
    Archives, DamagedArchives,
    ::testing::Values(Damage {"missing", nullptr},
                      Damage {"empty_file", [](Bytes& bytes) { bytes.clear(); }},
                      Damage {"not_a_zip", [](Bytes& bytes) { bytes = makeImage(5000); }},
                      Damage {"cut_in_half", [](Bytes& bytes) { bytes.resize(bytes.size() / 2); }},
                      Damage {"end_record_cut", [](Bytes& bytes) { bytes.pop_back(); }},
                      // Ten bytes into a.gba's compressed data, behind its local header and name.
                      Damage {"compressed_data_broken", [](Bytes& bytes) { bytes[45] ^= 0xFF; bytes[46] ^= 0xFF; }}),
    byLabel);

// Overwrites one byte of a member's stored data: the directory stays intact.
void damageData(const fs::path& path, const Bytes& data)
{
    Bytes bytes = readBytes(path);
    auto at = std::search(bytes.begin(), bytes.end(), data.begin() + 0xC0, data.begin() + 0x100);
    ASSERT_NE(at, bytes.end());
    at[8] ^= 0x5A;
    writeBytes(path, bytes);
}

class CrcErrors : public UnzDllTest, public ::testing::WithParamInterface<int> {};

// A stored member with one wrong byte fails only its check: the answer to
// action 9 decides whether the file is kept.
TEST_P(CrcErrors, KeepTheFileOnlyWhenTheCallerSaysSo)
{
    makeArchive(archive(), {{"a.gba", kSmall, ZIP_CM_STORE}});
    damageData(archive(), kSmall);
    int keep = GetParam();
    caller.answer = [keep](UnzCallbackInfo& info) {
        if (info.action == UNZ_ACTION_CRC_ERROR)
            info.flag = keep;
        return UNZ_CONTINUE;
    };

    EXPECT_EQ(extract({"a.gba"}), keep);
    ASSERT_EQ(caller.only(UNZ_ACTION_CRC_ERROR).size(), 1u);
    EXPECT_EQ(caller.only(UNZ_ACTION_CRC_ERROR)[0].text, "a.gba");
    EXPECT_EQ(filesIn(out()), keep ? std::vector<std::string> {"a.gba"} : std::vector<std::string> {});
    if (keep) {
        EXPECT_EQ(fs::file_size(out() / "a.gba"), kSmall.size());
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, CrcErrors, ::testing::Values(0, 1));

struct Cancel {
    const char* label;
    std::int32_t action;
    int occurrence;
    std::vector<std::string> expected;
};

class Cancelling : public UnzDllTest, public ::testing::WithParamInterface<Cancel> {};

TEST_P(Cancelling, StopsAtOnceAndCountsWhatIsComplete)
{
    makeGame();
    const Cancel& cancel = GetParam();
    int seen = 0;
    caller.answer = [&](UnzCallbackInfo& info) {
        return info.action == cancel.action && ++seen == cancel.occurrence ? UNZ_STOP : UNZ_CONTINUE;
    };

    EXPECT_EQ(extract({"a.gba", "b.gba"}), static_cast<std::int32_t>(cancel.expected.size()));
    EXPECT_EQ(filesIn(out()), cancel.expected);
    EXPECT_EQ(caller.events.back().action, cancel.action);  // no report after the stop
}

INSTANTIATE_TEST_SUITE_P(
    Points, Cancelling,
    ::testing::Values(Cancel {"at_file_count", UNZ_ACTION_FILE_COUNT, 1, {}},
                      Cancel {"in_first_file", UNZ_ACTION_PROGRESS, 1, {}},
                      Cancel {"at_second_file", UNZ_ACTION_BEGIN_FILE, 2, {"a.gba"}},
                      Cancel {"at_last_progress", UNZ_ACTION_PROGRESS, 3, {"a.gba"}}),
    byLabel);

class KilledExtractionDeathTest : public UnzDllTest, public ::testing::WithParamInterface<int> {};

// A signal that ends the process halfway through a member leaves nothing behind.
TEST_P(KilledExtractionDeathTest, LeavesNoTemporaryFile)
{
    GTEST_FLAG_SET(death_test_style, "fast");  // forked, not re-run: the child extracts into this test's folder
    makeGame();
    const int signal = GetParam();
    caller.answer = [signal](UnzCallbackInfo& info) {
        if (info.action == UNZ_ACTION_PROGRESS)
            ::raise(signal);
        return UNZ_CONTINUE;
    };
    EXPECT_EXIT(extract({"a.gba"}), ::testing::KilledBySignal(signal), "");
    EXPECT_EQ(everythingIn(out()), std::vector<std::string> {});
}

INSTANTIATE_TEST_SUITE_P(Signals, KilledExtractionDeathTest, ::testing::Values(SIGTERM, SIGINT, SIGHUP, SIGKILL));

enum class Rule { Ask, Update, Freshen, OverwriteAll };

struct Existing {
    const char* label;
    Rule rule;
    std::time_t existing;  // 0: no file there
    int answer;            // to action 10
    bool written;          // the archived file is there afterwards
    int askedFlag;         // flag of action 10, -1 when not asked
};

class ExistingFiles : public UnzDllTest, public ::testing::WithParamInterface<Existing> {};

TEST_P(ExistingFiles, FollowTheRuleOfTheBlock)
{
    const Existing& test = GetParam();
    makeGame();
    if (test.existing) {
        writeBytes(out() / "b.gba", kOld);
        fs::last_write_time(out() / "b.gba",
                            std::chrono::file_clock::from_sys(std::chrono::system_clock::from_time_t(test.existing)));
    }
    caller.answer = [&](UnzCallbackInfo& info) {
        if (info.action == UNZ_ACTION_OVERWRITE)
            info.number = test.answer;
        return UNZ_CONTINUE;
    };

    std::int32_t count = extract({"b.gba"}, [&](UnzParams& p) {
        p.ask_overwrite = test.rule == Rule::Ask ? UNZ_TRUE : UNZ_FALSE;
        p.update = test.rule == Rule::Update ? UNZ_TRUE : UNZ_FALSE;
        p.freshen = test.rule == Rule::Freshen ? UNZ_TRUE : UNZ_FALSE;
        p.overwrite_all = test.rule == Rule::OverwriteAll ? UNZ_TRUE : UNZ_FALSE;
    });

    EXPECT_EQ(count, test.written ? 1 : 0);
    if (test.written || test.existing) {
        EXPECT_EQ(readBytes(out() / "b.gba"), test.written ? kSmall : kOld);
    }
    EXPECT_EQ(filesIn(out()).size(), test.written || test.existing ? 1u : 0u);  // and no temporary file
    EXPECT_EQ(caller.only(UNZ_ACTION_SKIPPED).size(), test.written ? 0u : 1u);
    std::vector<Event> asked = caller.only(UNZ_ACTION_OVERWRITE);
    ASSERT_EQ(asked.size(), test.askedFlag < 0 ? 0u : 1u);
    if (!asked.empty()) {
        EXPECT_EQ(asked[0].flag, test.askedFlag);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ExistingFiles,
    ::testing::Values(Existing {"ask_older_yes", Rule::Ask, kOlder, 1, true, 1},
                      Existing {"ask_older_no", Rule::Ask, kOlder, 0, false, 1},
                      Existing {"ask_newer_yes", Rule::Ask, kNewer, 1, true, 0},
                      Existing {"ask_same_age_no", Rule::Ask, kArchived, 0, false, 0},
                      Existing {"ask_nothing_there", Rule::Ask, 0, 0, true, -1},
                      Existing {"update_older", Rule::Update, kOlder, 0, true, -1},
                      Existing {"update_newer", Rule::Update, kNewer, 1, false, -1},
                      Existing {"update_nothing_there", Rule::Update, 0, 0, true, -1},
                      Existing {"freshen_older", Rule::Freshen, kOlder, 0, true, -1},
                      Existing {"freshen_nothing_there", Rule::Freshen, 0, 1, false, -1},
                      Existing {"overwrite_all_newer", Rule::OverwriteAll, kNewer, 0, true, -1}),
    byLabel);

TEST_F(UnzDllTest, WithoutACallbackExistingFilesStay)
{
    makeGame();
    writeBytes(out() / "b.gba", kOld);
    EXPECT_EQ(extract({"a.gba", "b.gba"}, [](UnzParams& p) { p.callback = nullptr; }), 1);
    EXPECT_EQ(readBytes(out() / "b.gba"), kOld);
    EXPECT_EQ(readBytes(out() / "a.gba"), kBig);
}

struct Password {
    const char* label;
    zip_uint16_t method;
    const char* given;                 // in the block
    std::vector<std::string> typed;    // answers to action 8, in order; "" gives none
    std::int32_t extracted;
    std::vector<std::int32_t> triesAsked;
};

class Passwords : public UnzDllTest, public ::testing::WithParamInterface<Password> {};

TEST_P(Passwords, AreTriedThenAskedFor)
{
    const Password& test = GetParam();
    makeArchive(archive(), {{"a.gba", kBig, ZIP_CM_DEFLATE, test.method, "secret"},
                            {"b.gba", kSmall, ZIP_CM_DEFLATE, test.method, "secret"}});
    std::size_t next = 0;
    caller.answer = [&](UnzCallbackInfo& info) {
        if (info.action == UNZ_ACTION_PASSWORD)
            typePassword(info, next < test.typed.size() ? test.typed[next++] : "");
        return UNZ_CONTINUE;
    };

    EXPECT_EQ(extract({"a.gba", "b.gba"}, [&](UnzParams& p) { p.password = test.given; }), test.extracted);
    std::vector<std::int32_t> tries;
    for (const Event& event : caller.only(UNZ_ACTION_PASSWORD))
        tries.push_back(event.number);
    EXPECT_EQ(tries, test.triesAsked);
    EXPECT_EQ(filesIn(out()).size(), static_cast<std::size_t>(test.extracted));
    if (test.extracted == 2) {
        EXPECT_EQ(readBytes(out() / "a.gba"), kBig);
    }
}

// Wrong passwords are all AES: the older method lets one in 256 slip past its
// check, which would make the number of questions vary.
INSTANTIATE_TEST_SUITE_P(
    Members, Passwords,
    ::testing::Values(Password {"given_aes", ZIP_EM_AES_256, "secret", {}, 2, {}},
                      Password {"given_pkware", ZIP_EM_TRAD_PKWARE, "secret", {}, 2, {}},
                      Password {"typed_once_for_both", ZIP_EM_AES_256, nullptr, {"secret"}, 2, {3}},
                      Password {"typed_pkware", ZIP_EM_TRAD_PKWARE, "", {"secret"}, 2, {3}},
                      Password {"wrong_then_right", ZIP_EM_AES_256, "nope", {"nope", "secret"}, 2, {3, 2}},
                      Password {"none_given", ZIP_EM_AES_256, nullptr, {}, 0, {3, 3}},
                      Password {"tries_run_out", ZIP_EM_AES_256, nullptr, {"x", "y", "z", "w", "v", "u"}, 0,
                                {3, 2, 1, 3, 2, 1}}),
    byLabel);

TEST_F(UnzDllTest, RefusesABadBlockWithoutCallingBack)
{
    makeGame();
    EXPECT_EQ(exec(nullptr), 0);
    const std::function<void(UnzParams&)> bad[] = {
        [](UnzParams& p) { p.version = 159; },
        [](UnzParams& p) { p.archive_path = nullptr; },
        [](UnzParams& p) { p.archive_path = ""; },
        [](UnzParams& p) { p.members = nullptr; },
        [](UnzParams& p) { p.member_count = 0; },
        [](UnzParams& p) { p.member_count = -1; },
    };
    for (const auto& adjust : bad)
        EXPECT_EQ(extract({"a.gba"}, adjust), 0);
    EXPECT_TRUE(caller.events.empty());
    EXPECT_TRUE(filesIn(out()).empty());
}

}  // namespace
