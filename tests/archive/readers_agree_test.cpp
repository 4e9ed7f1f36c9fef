// The component lists an archive by its own reading of the directory, the
// unzip module extracts by another, and the command line reads members into
// memory: over every archive the tests build, and those Info-ZIP zip and
// Python write, the members one lists are the members the others find, or all
// refuse the archive. A member the module does not unpack is refused by the
// command line with the same reason.
#include "archive/archive_platform.h"
#include "archive/archive_test_support.h"
#include "archive/damaged_directories.h"
#include "archive/member_refusal.h"
#include "archive/tzip.h"
#include "core/paths.h"
#include "support/program_run.h"
#include "unzdll/hostile_corpus.h"
#include "unzdll/unzdll_fixture.h"

#include <map>
#include <set>
#include <sstream>

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
    const auto raw = [](std::vector<ZipEntry> entries, Bytes prefix) {
        return [=](const fs::path& path) { writeBytes(path, zipArchive(entries, {.prefix = prefix}).bytes); };
    };
    const Bytes image = makeImage(0x2000);
    ZipEntry badUtf8 = deflatedEntry("\xFF\xFE.gba", image);
    badUtf8.flags = 0x0800;
    archives.push_back({"a 1 KiB stub in front", raw({deflatedEntry("a.gba", image), storedEntry("b.gba", image)},
                                                     Bytes(1024, 0x90))});
    archives.push_back({"one member flagged UTF-8 with an invalid name",
                        raw({badUtf8, deflatedEntry("good.gba", image)}, {})});
    archives.push_back({"hostile names", raw({deflatedEntry("../evil.gba", image), deflatedEntry("C:x.gba", image),
                                              deflatedEntry("ok.gba", image)}, {})});
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
        // A member without a name (flagged UTF-8, but not) cannot be asked for.
        std::set<std::string> listed;
        for (const std::string& name : listing.names)
            if (!name.empty() && !name.ends_with('/'))
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
        std::map<std::string, std::int32_t> skips;  // the module's reason for each member it did not unpack
        bool damaged = false, opened = false;
        for (const Event& event : caller.events) {
            // A report carries the name cut to its text field.
            if (event.action == UNZ_ACTION_BEGIN_FILE || event.action == UNZ_ACTION_SKIPPED)
                found.insert(event.text);
            if (event.action == UNZ_ACTION_SKIPPED && hasExtension(event.text, GbaExtension))
                skips.emplace(event.text, event.number);
            damaged = damaged || (event.action == UNZ_ACTION_SKIPPED && event.number == UNZ_SKIP_DAMAGED);
            opened = opened || event.action == UNZ_ACTION_BEGIN_FILE
                || (event.action == UNZ_ACTION_SKIPPED && event.number != UNZ_SKIP_DAMAGED);
        }
        const bool refused = damaged && !opened;
        EXPECT_EQ(refused, !listing.error.empty()) << a.label << ": " << listing.error;
        if (!refused)
            EXPECT_EQ(found, listed) << a.label;

        // The command line's lines, ARCHIVE:MEMBER then a tab (the member's
        // header) or ": " and why it was not read; its members are the images.
        const ProgramRun cli = runProgram(KESTROM_CLI_PATH, folder, {"info", archive().string()});
        std::map<std::string, std::string> lines;  // by member name: what follows it
        const std::string prefix = archive().string() + ":";
        std::istringstream out(cli.out + cli.err);
        for (std::string line; std::getline(out, line);)
            if (line.starts_with(prefix)) {
                const std::size_t end = std::min(line.find('\t', prefix.size()), line.find(": ", prefix.size()));
                lines.emplace(line.substr(prefix.size(), end - prefix.size()), line.substr(end));
            }
        std::set<std::string> images, read;
        for (const std::string& name : listing.names)
            if (hasExtension(name, GbaExtension))
                images.insert(name);
        for (const auto& [name, rest] : lines)
            read.insert(name);
        EXPECT_EQ(read, refused ? std::set<std::string>{} : images) << a.label << "\n" << cli.err;
        // A name cut to the report's field is not compared: it is too long
        // for the file system, a limit of unpacking that reading into memory does not have.
        for (const auto& [name, reason] : skips)
            if (lines.contains(name))
                EXPECT_EQ(lines[name], ": " + *refusalText(reason, 0)) << a.label << ": " << name;
    }
}

}  // namespace
}  // namespace kst::test
