// The component with the unzip module built by this project: listed names
// are where the module puts the files, whatever their encoding (code page
// 437, flagged UTF-8, raw bytes), and the prompts work end to end.
#include "archive/archive_platform.h"
#include "archive/archive_test_support.h"
#include "archive/recording_zip_ui.h"
#include "archive/tzip.h"
#include "support/temp_folder.h"
#include "support/zip_writer.h"

#include <gtest/gtest.h>

namespace kst::test {
namespace {

namespace fs = std::filesystem;

Bytes bytesOf(const std::string& text)
{
    return Bytes(text.begin(), text.end());
}

TEST(RealModule, ListedNamesAreWhereTheFilesLand)
{
    TempFolder temp;
    InstalledArchivePlatform platform;
    RecordingZipUi ui;
    const fs::path before = fs::current_path();

    auto dos = [](std::string name, std::string data, std::uint16_t flags = 0) {
        return member(std::move(name), data, 0, flags);
    };
    const fs::path archive = temp / "names.zip";
    writeBytes(archive, zipArchive({
                                     dos("x.gba", "x data"),
                                     dos("sub\\y.gba", "y data"),                     // a DOS folder separator
                                     dos("\x81" "ber.gba", "u data"),                 // code page 437
                                     dos("\xC3\xA9t\xC3\xA9.gba", "e data", 0x0800),  // flagged UTF-8
                                     dos("readme.txt", "text"),
                                 }, {})
                            .bytes);
    const fs::path out = temp / "out";
    fs::create_directory(out);

    TZip zip;
    zip.setUi(&ui);
    zip.DllFolder = UNZDLL_MODULE_DIR;
    zip.setArchiveName(archive.string());
    std::vector<std::string> names;
    for (int i = 0; i < zip.Count(); ++i)
        if (zip.GetEntry(i).name.ends_with(".gba"))
            names.push_back(zip.GetEntry(i).name);
    ASSERT_EQ(names, (std::vector<std::string>{"x.gba", "sub/y.gba", "\u00fcber.gba", "\u00e9t\u00e9.gba"}));

    zip.ExtractFolder = out.string();
    zip.ExtractOptions = 0x08;
    zip.FileSpecs = names;
    EXPECT_EQ(zip.Extract(), 4);
    const std::vector<std::string> data = {"x data", "y data", "u data", "e data"};
    for (std::size_t i = 0; i < names.size(); ++i)
        EXPECT_EQ(readBytes(out / names[i]), bytesOf(data[i])) << names[i];
    EXPECT_FALSE(fs::exists(out / "readme.txt"));
    EXPECT_EQ(ui.calls.front(), "create");
    EXPECT_EQ(std::count_if(ui.calls.begin(), ui.calls.end(), [](const std::string& c) { return c.starts_with("status "); }),
              4);
    EXPECT_EQ(ui.calls.end()[-2], "hide");
    EXPECT_EQ(ui.calls.back(), "destroy");
    EXPECT_EQ(fs::current_path(), before);

    // Again over the files now there: keep the first, replace the second,
    // cancel at the third.
    writeBytes(out / "x.gba", bytesOf("mine"));
    writeBytes(out / "sub/y.gba", bytesOf("mine"));
    ui.calls.clear();
    ui.answers = {ZipUi::Answer::No, ZipUi::Answer::Yes, ZipUi::Answer::Cancel};
    zip.FileSpecs = names;
    EXPECT_EQ(zip.Extract(), 1);
    EXPECT_EQ(readBytes(out / "x.gba"), bytesOf("mine"));
    EXPECT_EQ(readBytes(out / "sub/y.gba"), bytesOf("y data"));
    std::vector<std::string> prompts;
    for (const std::string& c : ui.calls)
        if (c.starts_with("overwrite "))
            prompts.push_back(c);
    EXPECT_EQ(prompts, (std::vector<std::string>{"overwrite x.gba newer", "overwrite sub/y.gba newer",
                                                 "overwrite \u00fcber.gba newer"}));
    EXPECT_EQ(std::distance(fs::recursive_directory_iterator(out), fs::recursive_directory_iterator()), 5)
        << "four files and one folder: no temporary file left behind";

    // Raw bytes from a Unix host: the listed name is the file's name too.
    const fs::path unix = temp / "unix.zip";
    writeBytes(unix, zipArchive({member("caf\xE9.gba", "raw data")}));
    zip.setArchiveName(unix.string());
    ASSERT_EQ(zip.Count(), 1);
    EXPECT_EQ(zip.GetEntry(0).name, "caf\u00e9.gba");
    zip.FileSpecs = {zip.GetEntry(0).name};
    EXPECT_EQ(zip.Extract(), 1);
    EXPECT_EQ(readBytes(out / "caf\u00e9.gba"), bytesOf("raw data"));
}

}  // namespace
}  // namespace kst::test
