// Member names: the module knows a member by the name the program lists for
// it, decoded by the same rule, and writes its file exactly there. Names that
// would leave the extraction folder are refused, whatever their spelling.
#include "unzdll_fixture.h"
#include "support/zip_writer.h"

namespace {

using namespace kst::test;
using kst::test::PrintTo;

const Bytes kData = makeImage(3000, "NAMED");

// "version made by" of a stored name: which code page its bytes are in.
struct Host {
    std::uint8_t system;
    std::uint8_t version;
};
constexpr Host kUnix {3, 30};
constexpr Host kMsDos {0, 20};
constexpr Host kNtfs50 {11, 50};
constexpr Host kNtfs20 {11, 20};

ZipEntry named(const std::string& raw, Host host, std::uint16_t flags = 0)
{
    ZipEntry entry = deflatedEntry(raw, kData);
    entry.host = host.system;
    entry.version = host.version;
    entry.flags = flags;
    return entry;
}

struct Naming {
    const char* label;
    std::vector<ZipEntry> entries;
    std::vector<std::string> requested;  // as the program lists them, and spellings it never lists
    std::vector<std::string> expected;   // the files afterwards, below the extraction folder
};

class MemberNames : public UnzDllTest, public ::testing::WithParamInterface<Naming> {};

TEST_P(MemberNames, TheFileLiesUnderTheNameTheProgramLists)
{
    const Naming& test = GetParam();
    writeBytes(archive(), zipArchive(test.entries));

    EXPECT_EQ(extract(test.requested), static_cast<std::int32_t>(test.expected.size()));
    EXPECT_EQ(filesIn(out()), test.expected);
    for (const std::string& name : test.expected)
        EXPECT_EQ(readBytes(out() / name), kData) << name;
}

// "é" is C3 A9 in UTF-8, 82 in code page 437 and E9 in Latin-1.
INSTANTIATE_TEST_SUITE_P(
    Encodings, MemberNames,
    ::testing::Values(
        Naming {"utf8_flagged", {named("Pok\xC3\xA9mon.gba", kMsDos, 0x0800)}, {"Pok\xC3\xA9mon.gba"},
                {"Pok\xC3\xA9mon.gba"}},
        Naming {"cp437_from_msdos",
                {named("Pok\x82mon.gba", kMsDos)},
                {"Pok\xC3\xA9mon.gba", "Pok\x82mon.gba"},
                {"Pok\xC3\xA9mon.gba"}},
        Naming {"cp437_from_ntfs_version_50", {named("Jeux/Pok\x82mon.gba", kNtfs50)}, {"Jeux\\Pok\xC3\xA9mon.gba"},
                {"Jeux/Pok\xC3\xA9mon.gba"}},
        Naming {"unix_raw_utf8", {named("Pok\xC3\xA9mon.gba", kUnix)}, {"Pok\xC3\xA9mon.gba"},
                {"Pok\xC3\xA9mon.gba"}},
        Naming {"unix_raw_latin1",
                {named("Pok\xE9mon.gba", kUnix)},
                {"Pok\xC3\xA9mon.gba", "Pok\xE9mon.gba"},
                {"Pok\xC3\xA9mon.gba"}},
        Naming {"ntfs_version_20_is_not_oem", {named("Pok\x82mon.gba", kNtfs20)}, {"Pok\xC2\x82mon.gba"},
                {"Pok\xC2\x82mon.gba"}},
        // Only the first entry's host counts, for every name of the archive.
        Naming {"first_entry_decides",
                {named("a.gba", kUnix), named("Pok\x82mon.gba", kMsDos)},
                {"Pok\xC2\x82mon.gba", "Pok\xC3\xA9mon.gba"},
                {"Pok\xC2\x82mon.gba"}},
        // libzip alone refuses such an archive whole; only that member has no name.
        Naming {"utf8_flag_on_a_name_that_is_not",
                {named("bad\xFF.gba", kUnix, 0x0800), named("ok.gba", kUnix)},
                {"bad\xFF.gba", "bad\xC3\xBF.gba", "ok.gba"},
                {"ok.gba"}}),
    byLabel);

struct Hostile {
    const char* label;
    std::string stored;
    std::string requested;
};

class HostileStoredNames : public UnzDllTest, public ::testing::WithParamInterface<Hostile> {};

TEST_P(HostileStoredNames, AreSkippedAndNothingIsWritten)
{
    const Hostile& test = GetParam();
    writeBytes(archive(), zipArchive({named(test.stored, kUnix), named("ok.gba", kUnix)}));

    EXPECT_EQ(extract({test.requested, "ok.gba"}), 1);
    EXPECT_EQ(everythingIn(folder.path()), (std::vector<std::string> {"game.zip", "out/", "out/ok.gba"}));
    ASSERT_EQ(caller.only(UNZ_ACTION_SKIPPED).size(), 1u);
    EXPECT_EQ(caller.only(UNZ_ACTION_SKIPPED)[0].text, test.requested);
}

INSTANTIATE_TEST_SUITE_P(
    Names, HostileStoredNames,
    ::testing::Values(Hostile {"parent", "../x.gba", "../x.gba"},
                      Hostile {"absolute", "/abs/x.gba", "/abs/x.gba"},
                      Hostile {"parent_backslash", "..\\x.gba", "..\\x.gba"},
                      Hostile {"drive_relative", "C:x.gba", "C:x.gba"},
                      // The program can only ask for what comes before the NUL.
                      Hostile {"nul_then_parents", std::string("x.gba\0/../../x.gba", 18), "x.gba"},
                      Hostile {"nul_in_parent", std::string("..\0x/x.gba", 10), ".."}),
    byLabel);

}  // namespace
