#include "cli/command_table.h"

#include "cli/header_tools.h"
#include "cli/image_commands.h"
#include "cli/verify_command.h"
#include "core/paths.h"

#include <algorithm>

namespace kst::cli {
namespace {

using Takes = OptionRow::Takes;

std::uint8_t fillValue(const std::string& value)
{
    if (value == "00" || value == "0x00")
        return 0x00;
    if (value == "FF" || value == "ff" || value == "0xFF" || value == "0xff")
        return 0xFF;
    throw UsageProblem{tr(texts::CliBadFill)};
}

// The options more than one command has.
const OptionRow Prefix{"--prefix", Takes::Value, [](Options& o, const std::string& v) { o.prefix = v; }};
const OptionRow Suffix{"--suffix", Takes::Value, [](Options& o, const std::string& v) { o.suffix = v; }};
const OptionRow Output{"--output", Takes::Value, [](Options& o, const std::string& v) { o.outputFolder = v; },
                       texts::CliNoOutput};

}  // namespace

const std::vector<CommandRow>& commandTable()
{
    static const std::vector<CommandRow> table = {
        {"process",
         {{"--remove-intro", Takes::Nothing, [](Options& o, const std::string&) { o.actions.removeIntro = true; },
           nullptr, true},
          {"--truncate", Takes::Nothing, [](Options& o, const std::string&) { o.actions.truncate = true; }, nullptr,
           true},
          {"--exithack", Takes::Nothing, [](Options& o, const std::string&) { o.actions.applyExitHack = true; },
           nullptr, true},
          {"--all", Takes::Nothing, [](Options& o, const std::string&) { o.actions.all = true; }, nullptr, true},
          {"--patch", Takes::Value, [](Options& o, const std::string& v) { o.patchFile = v; }},
          {"--dat", Takes::Value, [](Options& o, const std::string& v) { o.dat = v; }},
          {"--dat-names", Takes::Nothing, [](Options& o, const std::string&) { o.datNames = true; }},
          Prefix, Suffix, Output},
         texts::CliUsageProcess, runProcess},
        {"remove-eh", {Prefix, Suffix, Output}, texts::CliUsageRemoveEH, runRemoveEH},
        {"info", {}, texts::CliUsageInfo, runInfo},
        {"rename",
         {{"--name", Takes::Value, [](Options& o, const std::string& v) { o.name = v; }, texts::CliNoName}},
         texts::CliUsageRename, runRename},
        {"check", {}, texts::CliUsageCheck, runCheck},
        {"fix-header", {}, texts::CliUsageFixHeader, runFixHeader},
        {"pad",
         {{"--fill", Takes::Value, [](Options& o, const std::string& v) { o.fill = fillValue(v); }}, Output},
         texts::CliUsagePad, runPad},
        {"verify",
         {{"--dat", Takes::Value, [](Options& o, const std::string& v) { o.dat = v; }, texts::CliNoDat},
          {"--missing", Takes::Nothing, [](Options& o, const std::string&) { o.missing = true; }}},
         texts::CliUsageVerify, runVerify},
    };
    return table;
}

const CommandRow& commandNamed(const std::string& name)
{
    for (const CommandRow& command : commandTable())
        if (command.name == name)
            return command;
    throw UsageProblem{format(tr(texts::CliUnknownCommand), {name})};
}

Options parse(const CommandRow& command, const std::vector<std::string>& args)
{
    Options options;
    options.command = command.name;
    std::vector<const OptionRow*> given;
    bool onlyFiles = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (onlyFiles || arg == "-" || arg.empty() || arg[0] != '-') {
            options.files.push_back(arg);
            continue;
        }
        if (arg == "--") {
            onlyFiles = true;
            continue;
        }
        const std::string_view name = std::string_view(arg).substr(0, arg.find('='));
        const auto row = std::find_if(command.options.begin(), command.options.end(),
                                      [&](const OptionRow& option) { return option.name == name; });
        // A flag takes no "=VALUE".
        if (row == command.options.end() || (row->takes == Takes::Nothing && name.size() != arg.size()))
            throw UsageProblem{format(tr(texts::CliUnknownOption), {arg})};
        std::string value;
        if (row->takes == Takes::Value && name.size() < arg.size()) {
            value = arg.substr(name.size() + 1);
        } else if (row->takes == Takes::Value) {
            if (i + 1 >= args.size())
                throw UsageProblem{format(tr(texts::CliMissingValue), {name})};
            value = args[++i];
        }
        row->set(options, value);
        given.push_back(&*row);
    }

    const auto wasGiven = [&](const OptionRow& option) {
        return std::find(given.begin(), given.end(), &option) != given.end();
    };
    for (const OptionRow& option : command.options)
        if (option.whenMissing && !wasGiven(option))
            throw UsageProblem{tr(option.whenMissing)};
    // As in the list's names: a separator would put the outputs in another folder.
    if (characterRefusedInName(options.prefix + options.suffix))
        throw UsageProblem{tr(texts::CliSeparatorInAffix)};
    if (options.files.empty())
        throw UsageProblem{tr(texts::CliNoFiles)};
    if (options.command == "process" && options.datNames != options.dat.has_value())
        throw UsageProblem{tr(texts::CliDatNamesNeedDat)};
    const bool hasActions = std::any_of(command.options.begin(), command.options.end(),
                                        [](const OptionRow& option) { return option.isAction; });
    if (hasActions && !options.actions.any())
        throw UsageProblem{tr(texts::CliNoAction)};
    return options;
}

std::string usageText()
{
    std::string text;
    for (const CommandRow& command : commandTable())
        text += format(tr(text.empty() ? texts::CliUsageFirst : texts::CliUsageMore), {tr(command.usage)});
    for (std::string_view alone : {"--help", "--version"})
        text += format(tr(texts::CliUsageMore), {alone});
    return text + tr(texts::CliHelp);
}

}  // namespace kst::cli
