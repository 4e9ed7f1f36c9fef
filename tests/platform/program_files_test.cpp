#include "platform/program_files.h"
#include "platform/file_error.h"
#include "support/fake_platform.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

#include <optional>
#include <string>
#include <vector>

namespace kst::test {
namespace {

// Paths in the rows are relative to the fake's root: program/ is the
// program's folder, share/kestrom/ and lib/kestrom/ the install's data and
// module folders, config/kestrom/ the user's configuration folder, system/
// the user's data folder.
struct Layout {
    const char* name;
    bool programWritable;
    std::vector<std::string> files;
    const char* settings;
    const char* shippedSettings;  // "" when none
    const char* patch;
    const char* unzipModule;
    const char* outputFolder;
};

const Layout Layouts[] = {
    {"run from the build folder", true,
     {"program/options.ini", "program/patch.wnt", "program/unzdll.dll"},
     "program/options.ini", "", "program/patch.wnt", "program/unzdll.dll", "program"},
    {"build folder whose settings were deleted: the missing file is reported there", true,
     {"program/patch.wnt", "config/kestrom/options.ini"},
     "program/options.ini", "", "program/patch.wnt", "program/unzdll.dll", "program"},
    {"installed under a prefix the user can write", true,
     {"share/kestrom/options.ini", "share/kestrom/patch.wnt", "lib/kestrom/unzdll.dll"},
     "config/kestrom/options.ini", "share/kestrom/options.ini", "share/kestrom/patch.wnt", "lib/kestrom/unzdll.dll",
     "home/Kestrom"},
    {"installed system-wide: the program's folder cannot be written", false,
     {"share/kestrom/options.ini", "share/kestrom/patch.wnt", "lib/kestrom/unzdll.dll"},
     "config/kestrom/options.ini", "share/kestrom/options.ini", "share/kestrom/patch.wnt", "lib/kestrom/unzdll.dll",
     "home/Kestrom"},
    {"all files beside a program whose folder cannot be written", false,
     {"program/options.ini", "program/patch.wnt", "program/unzdll.dll", "share/kestrom/options.ini"},
     "config/kestrom/options.ini", "program/options.ini", "program/patch.wnt", "program/unzdll.dll", "home/Kestrom"},
    {"a copy beside a writable program wins over the install's", true,
     {"program/options.ini", "share/kestrom/options.ini", "share/kestrom/patch.wnt"},
     "program/options.ini", "", "share/kestrom/patch.wnt", "program/unzdll.dll", "program"},
    {"the user's own patch wins over the one beside the program", true,
     {"program/options.ini", "program/patch.wnt", "system/patch.wnt"},
     "program/options.ini", "", "system/patch.wnt", "program/unzdll.dll", "program"},
    {"the user's own patch wins over the installed one", false,
     {"share/kestrom/options.ini", "share/kestrom/patch.wnt", "system/patch.wnt"},
     "config/kestrom/options.ini", "share/kestrom/options.ini", "system/patch.wnt", "program/unzdll.dll",
     "home/Kestrom"},
};

TEST(ProgramFiles, FoundBesideTheProgramOrWhereTheInstallPutThem)
{
    for (const Layout& layout : Layouts) {
        SCOPED_TRACE(layout.name);
        TempFolder root;
        FakePlatform services(root.path());
        services.programWritable = layout.programWritable;
        for (const std::string& file : layout.files) {
            std::filesystem::create_directories((root / file).parent_path());
            writeBytes(root / file, {'x'});
        }
        auto at = [&](const char* relative) {
            return *relative ? root / relative : std::filesystem::path();
        };

        const ProgramFiles files = locateProgramFiles(services);
        EXPECT_EQ(files.settings, at(layout.settings));
        EXPECT_EQ(files.shippedSettings, at(layout.shippedSettings));
        EXPECT_EQ(files.patch, at(layout.patch));
        EXPECT_EQ(files.unzipModule, at(layout.unzipModule));
        EXPECT_EQ(files.outputFolder, at(layout.outputFolder));
    }
}

TEST(ProgramFiles, UserSettingsAreMadeOnceFromTheShippedCopy)
{
    TempFolder root;
    FakePlatform services(root.path());
    services.programWritable = false;
    const ProgramFiles files = locateProgramFiles(services);

    // Nothing shipped: nothing is made, and start-up reports the missing file.
    EXPECT_FALSE(prepareSettings(services, files));
    EXPECT_FALSE(std::filesystem::exists(services.config));

    writeBytes(services.data / "options.ini", {'[', 'O', ']'});
    EXPECT_TRUE(prepareSettings(services, files));
    EXPECT_EQ(readBytes(files.settings), (Bytes{'[', 'O', ']'}));

    // The user's copy is theirs from now on, even when the shipped one changes.
    writeBytes(files.settings, {'u'});
    writeBytes(services.data / "options.ini", {'n', 'e', 'w'});
    EXPECT_TRUE(prepareSettings(services, files));
    EXPECT_EQ(readBytes(files.settings), (Bytes{'u'}));
    EXPECT_EQ(services.copies, 1);

    // No home: no settings of the user's anywhere else, and making them is refused.
    services.config.clear(), services.home.clear(), services.system.clear();
    const ProgramFiles homeless = locateProgramFiles(services);
    EXPECT_EQ(homeless.settings, std::filesystem::path());
    EXPECT_THROW(prepareSettings(services, homeless), FileError);
    EXPECT_EQ(services.copies, 1);
}

// The user's own folders never fall back on a folder other users share.
TEST(ProgramFiles, UserFoldersAreTheUsersOwn)
{
    struct Row {
        const char* home;     // nullptr: unset
        const char* runtime;  // XDG_RUNTIME_DIR; nullptr: unset
        std::filesystem::path expectedHome;
        std::filesystem::path expectedTemporary;
    };
    const std::string uid = std::to_string(::getuid());
    const std::filesystem::path passwdHome = ::getpwuid(::getuid())->pw_dir;
    const std::filesystem::path systemTemporary = std::filesystem::temp_directory_path();
    const Row rows[] = {
        {"/home/u", "/run/user/7", "/home/u", "/run/user/7/kestrom"},
        {nullptr, nullptr, passwdHome, systemTemporary / ("kestrom-" + uid)},
        {"", "relative", passwdHome, systemTemporary / ("kestrom-" + uid)},
    };
    const char* savedHome = std::getenv("HOME");
    const char* savedRuntime = std::getenv("XDG_RUNTIME_DIR");
    const std::string home = savedHome ? savedHome : "", runtime = savedRuntime ? savedRuntime : "";
    auto put = [](const char* name, const char* value) { value ? ::setenv(name, value, 1) : ::unsetenv(name); };
    for (const Row& row : rows) {
        put("HOME", row.home);
        put("XDG_RUNTIME_DIR", row.runtime);
        PosixPlatform services;
        EXPECT_EQ(services.homeFolder(), row.expectedHome);
        EXPECT_EQ(services.temporaryFolder(), row.expectedTemporary);
    }
    put("HOME", savedHome ? home.c_str() : nullptr);
    put("XDG_RUNTIME_DIR", savedRuntime ? runtime.c_str() : nullptr);
}

// The user's copy of the unzip module follows the program's own: an upgrade
// must not keep loading the old module.
TEST(ProgramFiles, UnzipModuleCopyIsTheProgramsOwn)
{
    struct Row {
        const char* name;
        std::optional<Bytes> copy;  // nothing: no copy yet
        bool copyFails;
        std::optional<ModuleCopy> outcome;  // nothing: FileError
        Bytes afterwards;
    };
    const Bytes own{0x7F, 'E', 'L', 'F', 2};
    const Row rows[] = {
        {"missing", std::nullopt, false, ModuleCopy::Copied, own},
        {"equal", own, false, ModuleCopy::Kept, own},
        {"different", Bytes{0x7F, 'E', 'L', 'F', 1}, false, ModuleCopy::Replaced, own},
        {"different and unreplaceable", Bytes{1, 2}, true, std::nullopt, Bytes{1, 2}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TempFolder root;
        FakePlatform services(root.path());
        writeBytes(services.program / "unzdll.dll", own);
        const std::filesystem::path copy = services.system / "unzdll.dll";
        if (row.copy)
            writeBytes(copy, *row.copy);
        services.copyFails = row.copyFails;
        std::optional<ModuleCopy> outcome;
        try {
            outcome = installUnzipModule(services, services.program / "unzdll.dll", copy);
        } catch (const FileError& error) {
            EXPECT_EQ(error.path(), copy);
        }
        EXPECT_EQ(outcome, row.outcome);
        EXPECT_EQ(readBytes(copy), row.afterwards);
    }
}

}  // namespace
}  // namespace kst::test
