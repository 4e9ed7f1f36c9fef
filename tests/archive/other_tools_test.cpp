// Archives written at test time by Info-ZIP zip and by Python's zipfile.
#include "archive/archive_platform.h"
#include "archive/archive_test_support.h"
#include "archive/tzip.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>

namespace kst::test {
namespace {

namespace fs = std::filesystem;

int run(const std::string& command)
{
    return std::system(command.c_str());
}

std::vector<std::string> sorted(std::vector<std::string> names)
{
    std::sort(names.begin(), names.end());
    return names;
}

TEST(OtherTools, InfoZipArchivesAreListed)
{
    TempFolder temp;
    InstalledArchivePlatform platform;
    fs::path tree = temp / "tree";
    for (const char* file : {"x.gba", "readme.txt", "sub/y.GBA", "sub/deeper/z.gba", "caf\xC3\xA9.gba"}) {
        fs::create_directories((tree / file).parent_path());
        std::ofstream(tree / file) << "content of " << file;
    }
    fs::path archive = temp / "made by zip.zip";
    ASSERT_EQ(run("cd '" + tree.string() + "' && zip -q -r '" + archive.string() + "' ."), 0);
    // The same files once more, with a comment and stored instead of deflated.
    fs::path stored = temp / "stored.zip";
    ASSERT_EQ(run("cd '" + tree.string() + "' && echo 'a comment' | zip -q -0 -r -z '" + stored.string() + "' ."), 0);

    for (const fs::path& path : {archive, stored}) {
        TZip zip;
        Listing listing = listArchive(zip, path);
        EXPECT_EQ(listing.error, "") << path;
        EXPECT_EQ(sorted(listing.names), (std::vector<std::string>{"caf\u00e9.gba", "readme.txt", "sub/", "sub/deeper/",
                                                                   "sub/deeper/z.gba", "sub/y.GBA", "x.gba"}))
            << path;
    }
}

TEST(OtherTools, PythonArchivesAreListed)
{
    TempFolder temp;
    InstalledArchivePlatform platform;
    fs::path archive = temp / "python.zip";
    fs::path script = temp / "make.py";
    std::ofstream(script) << "import sys, zipfile\n"
                             "with zipfile.ZipFile(sys.argv[1], 'w', zipfile.ZIP_DEFLATED) as z:\n"
                             "    z.comment = b'made by python ' + bytes(200)\n"
                             "    z.writestr('a.gba', b'\\xff' * 5000)\n"
                             "    z.writestr('ordner/\\u00fcber.gba', b'x')\n"
                             "    z.writestr('win\\\\back.gba', b'y')\n"
                             "    z.writestr('empty/', b'')\n"
                             "    with z.open('big.gba', 'w', force_zip64=True) as f:\n"
                             "        f.write(b'z' * 100)\n";
    ASSERT_EQ(run("python3 '" + script.string() + "' '" + archive.string() + "'"), 0);

    TZip zip;
    Listing listing = listArchive(zip, archive);
    EXPECT_EQ(listing.error, "");
    EXPECT_EQ(listing.names,
              (std::vector<std::string>{"a.gba", "ordner/\u00fcber.gba", "win/back.gba", "empty/", "big.gba"}));
    EXPECT_EQ(zip.GetEntry(1).header[9] & 0x08, 0x08) << "flags byte 9 holds bit 11: the UTF-8 flag";
}

}  // namespace
}  // namespace kst::test
