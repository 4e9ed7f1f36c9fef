#pragma once

#include "core/texts.h"
#include "romops/actions.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kst::cli {

// A command line that cannot be run: its message (none for an empty command
// line), then a pointer to --help; exit status 2.
struct UsageProblem {
    std::string message;
};

// What the command line asks for; each command reads the fields its options set.
struct Options {
    std::string command;
    ops::Actions actions;
    std::optional<std::filesystem::path> patchFile;
    std::string prefix;
    std::string suffix;
    std::optional<std::string> outputFolder;
    std::optional<std::string> name;
    std::optional<std::uint8_t> fill;
    std::optional<std::string> dat;
    bool datNames = false;  // process names verified images after the DAT
    bool missing = false;   // verify lists the DAT's games no image matched
    std::vector<std::string> files;
};

// One option of a command: a flag, or an option with a value, given as
// "--name VALUE" or "--name=VALUE".
struct OptionRow {
    enum class Takes { Nothing, Value };
    std::string_view name;
    Takes takes;
    void (*set)(Options& options, const std::string& value);  // a flag gets an empty value
    TextId whenMissing = nullptr;  // the message when the command needs the option; null when it may be left out
    bool isAction = false;         // one of the actions of which a command needs at least one
};

// One command: its name, its options, its line of the usage text (what
// follows "kestrom-cli ") and what runs it. The parser, --help and the
// shipped completion all follow this table.
struct CommandRow {
    std::string_view name;
    std::vector<OptionRow> options;
    TextId usage;
    int (*run)(const Options& options);
};

const std::vector<CommandRow>& commandTable();

// The row of a command; throws UsageProblem for a name no row has.
const CommandRow& commandNamed(const std::string& name);

// The arguments after the command's name; throws UsageProblem.
Options parse(const CommandRow& command, const std::vector<std::string>& args);

// What --help prints: a usage line per command, then what they do.
std::string usageText();

}  // namespace kst::cli
