// The component lists an archive by its own reading of the directory, and the
// unzip module extracts by another: over every archive the tests build, and
// those Info-ZIP zip and Python write, the members one lists are the members
// the other finds, or both refuse the archive.
#include "archive/archive_platform.h"
#include "archive/archive_test_support.h"
#include "archive/damaged_directories.h"
#include "archive/tzip.h"
#include "unzdll/hostile_corpus.h"
#include "unzdll/unzdll_fixture.h"

#include <set>

namespace kst::test {
namespace {

struct Archive {
    std::string label;
    std::function<void(const fs::path&)> write;
};

std::vector<Archive> corpus()
{
    std::vector<Archive> archives;
    for (const HostileCase& c : hostileCorpus())
        archives.push_back({c.label, c.write});
    for (const DamagedDirectory& c : damagedDirectories()) {
        archives.push_back({c.what, [c](const fs::path& path) {
                                ZipLayout layout;
                                layout.zip64 = c.zip64;
                                LaidOutZip built = zipArchive(numberedMembers(3), layout);
                                c.damage(built);
                                writeBytes(path, built.bytes);
                            }});
    }
    archives.push_back({"zip, deflated", [](const fs::path& path) { ASSERT_TRUE(infoZipArchive(path, false)); }});
    archives.push_back({"zip, stored", [](const fs::path& path) { ASSERT_TRUE(infoZipArchive(path, true)); }});
    archives.push_back({"Python", [](const fs::path& path) { ASSERT_TRUE(pythonArchive(path)); }});
    return archives;
}

class ReadersAgree : public UnzDllTest {
protected:
    InstalledArchivePlatform platform;
};

TEST_F(ReadersAgree, OnEveryArchive)
{
    caller.answer = [](UnzCallbackInfo& info) {
        if (info.action == UNZ_ACTION_OVERWRITE)
            info.number = 1;
        return UNZ_CONTINUE;
    };
    for (const Archive& a : corpus()) {
        fs::remove_all(archive());
        fs::remove_all(out());
        fs::create_directory(out());
        a.write(archive());
        TZip zip;
        Listing listing = listArchive(zip, archive());
        std::set<std::string> listed;
        for (const std::string& name : listing.names)
            if (!name.ends_with('/'))
                listed.insert(name.substr(0, UNZ_TEXT_SIZE - 1));

        // Every listed member is asked for; a name no archive holds when none is.
        std::vector<std::string> asked;
        for (const std::string& name : listing.names)
            if (!name.ends_with('/'))
                asked.push_back(name);
        if (asked.empty())
            asked.push_back("none.gba");
        caller.events.clear();
        extract(asked);
        std::set<std::string> found;
        bool damaged = false, opened = false;
        for (const Event& event : caller.events) {
            // A report carries the name cut to its text field.
            if (event.action == UNZ_ACTION_BEGIN_FILE || event.action == UNZ_ACTION_SKIPPED)
                found.insert(event.text);
            damaged = damaged || (event.action == UNZ_ACTION_SKIPPED && event.number == UNZ_SKIP_DAMAGED);
            opened = opened || event.action == UNZ_ACTION_BEGIN_FILE
                || (event.action == UNZ_ACTION_SKIPPED && event.number != UNZ_SKIP_DAMAGED);
        }
        const bool refused = damaged && !opened;
        EXPECT_EQ(refused, !listing.error.empty()) << a.label << ": " << listing.error;
        if (!refused)
            EXPECT_EQ(found, listed) << a.label;
    }
}

}  // namespace
}  // namespace kst::test
