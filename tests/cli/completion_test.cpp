// The shipped bash completion offers exactly the commands and options of the
// command table, so that a command or an option added to the table cannot be
// forgotten there.

#include "cli/command_table.h"
#include "support/program_run.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kst {
namespace {

// What completing the last of the words offers, sorted, one per line.
std::string offered(const std::string& words)
{
    test::TempFolder folder;
    const std::string script = "source \"$1\"; COMP_WORDS=(" + words +
                               "); COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); _kestrom_cli;"
                               " printf '%s\\n' \"${COMPREPLY[@]}\" | LC_ALL=C sort";
    const test::ProgramRun run = test::runProgram("/bin/bash", folder, {"-c", script, "bash", KESTROM_COMPLETION_FILE});
    EXPECT_EQ(run.status, 0) << run.err;
    return run.out;
}

std::string sortedLines(std::vector<std::string> words)
{
    std::sort(words.begin(), words.end());
    std::string lines;
    for (const std::string& word : words)
        lines += word + '\n';
    return lines;
}

TEST(Completion, OffersExactlyTheCommandsAndOptionsOfTheTable)
{
    std::vector<std::string> commands = {"--help", "--version"};
    for (const cli::CommandRow& command : cli::commandTable()) {
        commands.emplace_back(command.name);
        std::vector<std::string> options = {"--help"};
        for (const cli::OptionRow& option : command.options)
            options.emplace_back(option.name);
        EXPECT_EQ(offered("kestrom-cli " + std::string(command.name) + " --"), sortedLines(options)) << command.name;
    }
    EXPECT_EQ(offered("kestrom-cli ''"), sortedLines(commands));
}

}  // namespace
}  // namespace kst
