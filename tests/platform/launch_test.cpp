#include "platform/platform.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <thread>

#include <sys/stat.h>

namespace kst {
namespace {

// Waits for a file that a detached program writes; empty when it never comes.
std::string awaitFile(const std::filesystem::path& path)
{
    for (int i = 0; i < 500 && !std::filesystem::exists(path); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    if (!std::filesystem::exists(path))
        return {};
    const test::Bytes bytes = test::readBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

TEST(LaunchProgramTest, TheStandInReceivesThePathAsOneWholeArgument)
{
    test::TempFolder folder;
    const auto report = folder / "arguments.txt";
    // Writes its argument count and each argument on a line, then renames the
    // report into place so that it is never read half written.
    const auto standIn = folder / "stand in emulator";
    std::ofstream(standIn) << "#!/bin/sh\n"
                           << "printf '%s\\n' \"$#\" \"$@\" > '" << report.string() << ".part'\n"
                           << "mv '" << report.string() << ".part' '" << report.string() << "'\n";
    ::chmod(standIn.c_str(), 0755);

    // Spaces, quotes, shell characters and more than 80 characters.
    const std::string rom = (folder / "My Games (E) \"best\" $(echo no) & more/").string() + std::string(90, 'x') + ".gba";
    std::string reason;
    ASSERT_TRUE(PosixPlatform().launchProgram(standIn.string(), rom, &reason)) << reason;
    EXPECT_EQ(awaitFile(report), "1\n" + rom + "\n");
}

TEST(LaunchProgramTest, AProgramThatCannotStartGivesTheSystemsReason)
{
    test::TempFolder folder;
    const auto notExecutable = folder / "notes.txt";
    std::ofstream(notExecutable) << "not a program\n";
    const std::pair<std::string, std::string> cases[] = {
        {(folder / "no-such-emulator").string(), "No such file or directory"},
        {notExecutable.string(), "Permission denied"},
        {folder.path().string(), "Permission denied"},  // a folder
        {"", "No such file or directory"},
    };
    for (const auto& [program, expected] : cases) {
        std::string reason;
        EXPECT_FALSE(PosixPlatform().launchProgram(program, "/roms/game.gba", &reason)) << program;
        EXPECT_EQ(reason, expected) << program;
    }
}

}  // namespace
}  // namespace kst
