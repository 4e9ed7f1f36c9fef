// Extract: the parameter block handed to the unzip module, every report of
// its callback, the prompts and the progress window, and loading the module.
#include "archive/archive_platform.h"
#include "archive/archive_test_support.h"
#include "archive/recording_zip_ui.h"
#include "archive/tzip.h"
#include "support/temp_folder.h"
#include "support/zip_writer.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <optional>
#include <stdexcept>

static_assert(sizeof(void*) == 8, "the expected parameter blocks below are the 64-bit layout");

namespace kst::test {
namespace {

namespace fs = std::filesystem;

// Keeps the test process's current folder whatever a test does to it.
class KeepCurrentFolder {
public:
    ~KeepCurrentFolder() { fs::current_path(saved_); }

private:
    fs::path saved_ = fs::current_path();
};

class Extraction : public ::testing::Test {
protected:
    Extraction()
    {
        platform->fakeModule = ScriptedUnzip::exports();
        platform->system = temp / "system";
        zip.setUi(&ui);
        writeBytes(archive, zipArchive({member("a.gba", "0123456789"), member("b.gba")}, {}).bytes);
        zip.setArchiveName(archive.string());
        fs::create_directory(out);
        zip.ExtractFolder = out.string();
        zip.DllFolder = (temp / "modules").string();
        zip.FileSpecs = {"a.gba", "b.gba"};
    }

    // Extracts with the given reports; the calls of the window and prompts
    // without the window's creation and destruction around them.
    std::vector<Reply> run(std::vector<Report> reports)
    {
        unzip.reports = std::move(reports);
        ui.calls.clear();
        zip.FileSpecs = {"a.gba", "b.gba"};
        zip.Extract();
        return unzip.replies;
    }

    TempFolder temp;
    KeepCurrentFolder keep;
    InstalledArchivePlatform platform;
    RecordingZipUi ui;
    ScriptedUnzip unzip;
    TZip zip;
    fs::path archive = temp / "test.zip";
    fs::path out = temp / "out";
};

using Calls = std::vector<std::string>;

TEST_F(Extraction, ParameterBlockFollowsTheOptions)
{
    struct Case {
        std::uint8_t options;
        std::string password;
        std::int32_t overwriteAll, update, freshen, ignoreCase, ask;
    } cases[] = {
        {0x01, "", 0, -1, 0, 0, 0},    // the default: update
        {0x02, "", 0, 0, -1, 0, 0},    // freshen
        {0x03, "", 0, -1, 0, 0, 0},    // update wins over freshen
        {0x04, "pw", -1, 0, 0, 0, 0},  // overwrite all
        {0x05, "", 0, -1, 0, 0, 0},
        {0x06, "", 0, 0, -1, 0, 0},
        {0x08, "", 0, 0, 0, 0, -1},    // ask, as the main window sets it
        {0x00, "", 0, 0, 0, 0, -1},
        {0x10, "", 0, 0, 0, -1, -1},   // ignore case
        {0x1C, "", -1, 0, 0, -1, 0},
        {0x1F, "secret", 0, -1, 0, -1, 0},
    };
    for (const Case& c : cases) {
        zip.ExtractOptions = c.options;
        zip.Password = c.password;
        zip.FileSpecs = {"a.gba", "dir/b.gba"};
        zip.Extract();
        ASSERT_EQ(unzip.block.size(), 176u);

        Bytes expected(176, 0);
        auto put32 = [&](std::size_t at, std::int32_t value) { std::memcpy(&expected[at], &value, 4); };
        // Addresses are taken as handed over; what they point to is checked below.
        auto address = [&](std::size_t at) { std::memcpy(&expected[at], &unzip.block[at], 8); };
        address(8);  // caller
        put32(16, 160);
        address(24);  // callback
        address(40);  // password
        put32(48, c.overwriteAll);
        put32(60, -1);  // folder names
        put32(68, c.update);
        put32(72, c.freshen);
        put32(76, c.ignoreCase);
        put32(80, c.ask);
        put32(84, 2);
        address(88);  // archive path
        address(96);  // member array
        put32(132, 3);
        put32(172, 7);
        EXPECT_EQ(unzip.block, expected) << "options " << int(c.options);

        auto pointerAt = [&](std::size_t at) {
            std::uint64_t value;
            std::memcpy(&value, &unzip.block[at], 8);
            return value;
        };
        EXPECT_NE(pointerAt(8), 0u);
        EXPECT_NE(pointerAt(24), 0u);
        EXPECT_EQ(pointerAt(40) == 0, c.password.empty());
        EXPECT_EQ(unzip.password, c.password);
        EXPECT_EQ(unzip.archivePath, archive.string());
        EXPECT_EQ(unzip.members, (std::vector<std::string>{"a.gba", "dir/b.gba"}));
        for (const auto& item : unzip.memberItems) {
            ASSERT_EQ(item.size(), 80u);
            EXPECT_TRUE(std::all_of(item.begin() + 8, item.end(), [](std::uint8_t b) { return b == 0; }));
        }
        EXPECT_TRUE(zip.FileSpecs.empty()) << "every extraction empties FileSpecs";
    }
}

TEST_F(Extraction, ReportsDriveTheWindowCountersAndEvents)
{
    Calls events;
    zip.OnZEDBeginFileEvent = [&](TZip& sender, const std::string& file, std::int64_t size, std::int64_t count,
                                  std::int64_t total) {
        EXPECT_EQ(&sender, &zip);
        EXPECT_TRUE(zip.extracting());
        events.push_back("begin " + file + " " + std::to_string(size) + " " + std::to_string(count) + " "
                         + std::to_string(total));
    };
    zip.OnZEDProgressEvent = [&](TZip&, const std::string& file, std::int64_t done, std::int64_t total) {
        events.push_back("progress " + file + " " + std::to_string(done) + " " + std::to_string(total));
    };
    zip.OnZEDEndBatchEvent = [&](TZip&, std::int64_t skipped, std::int64_t count, std::int64_t total) {
        events.push_back("end " + std::to_string(skipped) + " " + std::to_string(count) + " " + std::to_string(total));
    };
    unzip.result = 2;
    const std::vector<Report> reports = {
        {5, 0, 2, ""},        {6, 0, 300, ""},      {1, 0, 100, "a.gba"}, {2, 0, 60, "a.gba"}, {2, 0, 40, "a.gba"},
        {1, 0, 200, "b.gba"}, {2, 0, 200, "b.gba"}, {11, 0, 0, "c.gba"},  {7, 0, 0, "x"},      {3, 0, 0, ""},
    };
    const fs::path before = fs::current_path();

    for (bool window : {true, false}) {
        zip.ShowProgressDialog = window;
        events.clear();
        ui.eventRounds = 0;
        ui.calls.clear();
        unzip.reports = reports;
        zip.FileSpecs = {"a.gba", "b.gba"};
        EXPECT_EQ(zip.Extract(), 2);

        EXPECT_EQ(events, (Calls{"begin a.gba 100 2 300", "progress a.gba 60 300", "progress a.gba 40 300",
                                 "begin b.gba 200 2 300", "progress b.gba 200 300", "end 1 2 300"}));
        const Calls windowCalls = {"create",       "show",         "end 300", "status a.gba", "position 60",
                                   "position 100", "status b.gba", "position 300", "hide", "destroy"};
        EXPECT_EQ(ui.calls, window ? windowCalls : Calls{});
        EXPECT_EQ(ui.eventRounds, 10) << "pending events are handled on every callback";
        EXPECT_EQ(unzip.replies.size(), reports.size());
        EXPECT_TRUE(std::all_of(unzip.replies.begin(), unzip.replies.end(),
                                [](const Reply& r) { return r.returned == 0; }));
        // The module ran in the extraction folder; the process is back where it was.
        EXPECT_EQ(fs::canonical(unzip.currentFolder), fs::canonical(out));
        EXPECT_EQ(fs::current_path(), before);
        EXPECT_FALSE(zip.extracting());
    }
}

TEST_F(Extraction, SkipReportsSayWhyAMemberWasNotUnpacked)
{
    struct Case {
        std::int32_t reason, error;
        std::optional<std::string> refusal;
    } cases[] = {
        {0, 0, std::nullopt},  // kept by the overwrite rules
        {3, 0, "not unpacked: its data are damaged (CRC error or wrong size)"},
        {6, ENOSPC, "not unpacked: its file cannot be written: No space left on device"},
        {8, 0, "not unpacked: it is larger than 64 MiB"},
    };
    for (const Case& c : cases) {
        run({{11, c.error, c.reason, "a.gba"}, {3, 0, 0, ""}});
        EXPECT_EQ(zip.refusal("a.gba"), c.refusal) << c.reason;
        EXPECT_EQ(zip.refusal("b.gba"), std::nullopt) << c.reason;
    }
    run({});
    EXPECT_EQ(zip.refusal("a.gba"), std::nullopt) << "each extraction starts afresh";
}

TEST_F(Extraction, PasswordPromptAnswersInTheRecord)
{
    struct Case {
        std::int32_t tries;
        std::string typed;
        Reply reply;
    } cases[] = {
        {3, "secret", {1, 2, "secret", 0}},
        {0, "secret", {1, 0, "secret", 0}},
        {2, "", {0, 0, "a.gba", 0}},
        {1, std::string(600, 'p'), {1, 0, std::string(511, 'p'), 0}},
    };
    for (const Case& c : cases) {
        ui.passwords = {c.typed};
        EXPECT_EQ(run({{8, 0, c.tries, "a.gba"}}), std::vector<Reply>{c.reply}) << c.typed;
        EXPECT_EQ(ui.calls, (Calls{"create", "show", "hide", "password a.gba", "show", "destroy"}));
    }
}

TEST_F(Extraction, CrcPromptKeepsSkipsOrCancels)
{
    unzip.stopWhenTold = false;
    struct Case {
        ZipUi::Answer answer;
        std::vector<Reply> replies;
        Calls calls;
    } cases[] = {
        {ZipUi::Answer::Yes, {{1, 0, "a.gba", 0}, {0, 10, "b.gba", 0}},
         {"create", "show", "hide", "crc a.gba", "show", "status b.gba", "destroy"}},
        {ZipUi::Answer::No, {{0, 0, "a.gba", 0}, {0, 10, "b.gba", 0}},
         {"create", "show", "hide", "crc a.gba", "show", "status b.gba", "destroy"}},
        {ZipUi::Answer::Cancel, {{0, 0, "a.gba", -1}, {0, 10, "b.gba", -1}},
         {"create", "show", "hide", "crc a.gba", "destroy"}},
    };
    for (const Case& c : cases) {
        ui.answers = {c.answer};
        EXPECT_EQ(run({{9, 0, 0, "a.gba"}, {1, 0, 10, "b.gba"}}), c.replies);
        EXPECT_EQ(ui.calls, c.calls);
        EXPECT_EQ(zip.cancelled(), c.answer == ZipUi::Answer::Cancel);
    }
}

TEST_F(Extraction, OverwriteFollowsTheOptionsOrAsks)
{
    using A = ZipUi::Answer;
    struct Case {
        std::uint8_t options;
        bool older;
        std::optional<A> answer;  // asked when set
        std::int32_t overwrite;
        std::int32_t returned;
    } cases[] = {
        {0x00, false, {}, 1, 0},  {0x04, false, {}, 1, 0},  {0x10, false, {}, 1, 0},  // replace without asking
        {0x01, true, {}, 1, 0},   {0x01, false, {}, 0, 0},  {0x02, true, {}, 1, 0},
        {0x02, false, {}, 0, 0},  {0x09, false, {}, 0, 0},  {0x0A, true, {}, 1, 0},   // only when older
        {0x08, true, A::Yes, 1, 0}, {0x08, false, A::Yes, 1, 0}, {0x08, false, A::No, 0, 0},
        {0x18, true, A::No, 0, 0},  {0x08, true, A::Cancel, 0, -1}, {0x08, false, A::Cancel, 0, -1},
    };
    for (const Case& c : cases) {
        zip.ExtractOptions = c.options;
        if (c.answer)
            ui.answers = {*c.answer};
        std::vector<Reply> replies = run({{10, c.older ? 1 : 0, 0, "a.gba"}});
        ASSERT_EQ(replies.size(), 1u);
        EXPECT_EQ(replies[0].number, c.overwrite) << int(c.options) << " older " << c.older;
        EXPECT_EQ(replies[0].returned, c.returned) << int(c.options);
        Calls expected = {"create", "show"};
        if (c.answer) {
            expected.push_back("hide");
            expected.push_back(std::string("overwrite a.gba ") + (c.older ? "older" : "newer"));
            if (*c.answer != A::Cancel)
                expected.push_back("show");
        }
        expected.push_back("destroy");
        EXPECT_EQ(ui.calls, expected) << int(c.options);
    }
}

TEST_F(Extraction, CancelInTheWindowStopsAtTheNextCallback)
{
    unzip.stopWhenTold = false;
    ui.onEvents = [&](int round) {
        if (round == 2)
            zip.cancel();
    };
    std::vector<Reply> replies = run({{5, 0, 2, ""}, {6, 0, 30, ""}, {1, 0, 10, "a.gba"}, {2, 0, 10, "a.gba"}});
    std::vector<std::int32_t> returned;
    for (const Reply& r : replies)
        returned.push_back(r.returned);
    EXPECT_EQ(returned, (std::vector<std::int32_t>{0, 0, -1, -1}));
    EXPECT_EQ(ui.calls, (Calls{"create", "show", "end 30", "destroy"})) << "nothing is done after the cancel";

    // The next extraction starts afresh.
    ui.onEvents = nullptr;
    replies = run({{1, 0, 10, "a.gba"}});
    EXPECT_EQ(replies.at(0).returned, 0);
    EXPECT_FALSE(zip.cancelled());
}

TEST_F(Extraction, AFailingHandlerStopsTheModuleAndIsThrownAfterwards)
{
    zip.OnZEDBeginFileEvent = [](TZip&, const std::string&, std::int64_t, std::int64_t, std::int64_t) {
        throw std::runtime_error("handler failed");
    };
    unzip.reports = {{1, 0, 10, "a.gba"}, {2, 0, 10, "a.gba"}};
    const fs::path before = fs::current_path();
    EXPECT_THROW(
        {
            try {
                zip.Extract();
            } catch (const std::runtime_error& e) {
                EXPECT_STREQ(e.what(), "handler failed");
                throw;
            }
        },
        std::runtime_error);
    EXPECT_EQ(unzip.replies.size(), 1u);
    EXPECT_EQ(unzip.replies[0].returned, -1);
    EXPECT_EQ(ui.calls.back(), "destroy");
    EXPECT_EQ(fs::current_path(), before);
    EXPECT_FALSE(zip.extracting());
}

TEST_F(Extraction, NoticesAndNothingToDoReturnZeroWithoutTheModule)
{
    // A missing extraction folder.
    zip.ExtractFolder = (temp / "missing").string();
    EXPECT_EQ(zip.Extract(), 0);
    EXPECT_EQ(ui.calls, (Calls{"missing folder " + (temp / "missing").string()}));

    // An archive without entries: the empty archive a new name creates.
    ui.calls.clear();
    zip.setArchiveName((temp / "new.zip").string());
    zip.FileSpecs = {"a.gba"};
    EXPECT_EQ(zip.Extract(), 0);
    EXPECT_TRUE(ui.calls.empty());
    EXPECT_TRUE(platform->loads.empty());
    EXPECT_EQ(unzip.runs, 0);
}

TEST_F(Extraction, TheModuleNeedsBothExportsAndLoadsOnce)
{
    const std::string refused = "Unable to load \"UnzDll.dll\".";
    const fs::path named = temp / "modules" / "unzdll.dll";
    struct Case {
        const char* what;
        std::string folder;
        std::optional<std::map<std::string, void*>> exports;
        std::vector<fs::path> loads;
    } cases[] = {
        {"no module", named.parent_path().string(), std::nullopt, {named}},
        {"no GetUnzDllVersion", named.parent_path().string(),
         std::map<std::string, void*>{{"UnzDllExec", ScriptedUnzip::exports()["UnzDllExec"]}}, {named}},
        {"no UnzDllExec", named.parent_path().string(),
         std::map<std::string, void*>{{"GetUnzDllVersion", ScriptedUnzip::exports()["GetUnzDllVersion"]}}, {named}},
        {"no folder: beside the program, the system folder, then the loader's search", "", std::nullopt,
         {platform->programFolder() / "unzdll.dll", temp / "system" / "unzdll.dll", "unzdll.dll"}},
    };
    for (const Case& c : cases) {
        TZip fresh;
        fresh.setArchiveName(archive.string());
        fresh.DllFolder = c.folder;
        fresh.FileSpecs = {"a.gba"};
        platform->fakeModule = c.exports;
        platform->modulesMissing = !c.exports;
        platform->loads.clear();
        try {
            fresh.Extract();
            ADD_FAILURE() << c.what;
        } catch (const ZipException& e) {
            EXPECT_EQ(e.what(), refused) << c.what;
        }
        EXPECT_EQ(platform->loads, c.loads) << c.what;
        EXPECT_EQ(fresh.FileSpecs.size(), 1u) << c.what;
    }

    platform->fakeModule = ScriptedUnzip::exports();
    platform->modulesMissing = false;
    platform->loads.clear();
    for (int i = 0; i < 2; ++i) {
        zip.FileSpecs = {"a.gba"};
        zip.Extract();
    }
    EXPECT_EQ(platform->loads, std::vector<fs::path>{named});
    EXPECT_EQ(unzip.runs, 2);
}

TEST_F(Extraction, RelativeNamesMeanWhatTheyMeantBeforeTheFolderMoves)
{
    fs::create_directories(temp / "sub");
    fs::copy_file(archive, temp / "sub" / "rel.zip");
    fs::current_path(temp.path());
    struct Case {
        std::string archiveName;
        std::string extractFolder;
        fs::path runsIn;
    } cases[] = {
        {"sub/rel.zip", "", temp / "sub"},  // no folder: the archive's own
        {"test.zip", "", temp.path()},      // the archive's folder is the current one
        {"sub/rel.zip", "out", temp / "out"},
    };
    for (const Case& c : cases) {
        zip.setArchiveName(c.archiveName);
        zip.ExtractFolder = c.extractFolder;
        zip.FileSpecs = {"a.gba"};
        zip.Extract();
        EXPECT_EQ(fs::canonical(unzip.currentFolder), fs::canonical(c.runsIn)) << c.archiveName;
        EXPECT_EQ(unzip.archivePath, (temp / c.archiveName).string()) << c.archiveName;
        EXPECT_EQ(fs::current_path(), temp.path());
    }
}

TEST_F(Extraction, ANameCannotBeWrittenWhileExtracting)
{
    unzip.whileRunning = [&] {
        for (auto attempt : {std::function<void()>([&] { zip.setArchiveName(archive.string()); }),
                             std::function<void()>([&] { zip.Extract(); })}) {
            try {
                attempt();
                ADD_FAILURE() << "a second operation started during an extraction";
            } catch (const ZipException& e) {
                EXPECT_STREQ(e.what(), "The archive is being extracted; wait until that has finished.");
            }
        }
    };
    zip.Extract();
    EXPECT_EQ(unzip.runs, 1);
    EXPECT_EQ(zip.Count(), 2);
}

}  // namespace
}  // namespace kst::test
