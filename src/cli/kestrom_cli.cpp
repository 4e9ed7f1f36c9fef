// kestrom-cli: the image pipeline, ExitHack removal, the header read and the
// header tools, without windows, for scripts that work through large collections.

#include "cli/cli_report.h"
#include "cli/header_tools.h"
#include "core/kilobytes.h"
#include "core/latin1.h"
#include "core/paths.h"
#include "core/texts.h"
#include "platform/file_error.h"
#include "platform/platform.h"
#include "platform/files.h"
#include "romheader/header.h"
#include "romops/exithack_removal.h"
#include "romops/pipeline.h"

#include <cstdint>
#include <exception>
#include <filesystem>
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kst {
namespace {

using namespace cli;

struct UsageProblem {
    std::string message;
};

struct Options {
    std::string command;
    ops::Actions actions;
    std::optional<std::filesystem::path> patchFile;
    std::string prefix;
    std::string suffix;
    std::optional<std::string> outputFolder;
    std::optional<std::uint8_t> fill;
    std::vector<std::string> files;
};

bool isCommand(const std::string& name)
{
    for (const char* command : {"process", "remove-eh", "info", "check", "fix-header", "pad"})
        if (name == command)
            return true;
    return false;
}

std::uint8_t fillValue(const std::string& value)
{
    if (value == "00" || value == "0x00")
        return 0x00;
    if (value == "FF" || value == "ff" || value == "0xFF" || value == "0xff")
        return 0xFF;
    throw UsageProblem{tr(texts::CliBadFill)};
}

// Takes the value of an option given as "--name VALUE" or "--name=VALUE".
std::optional<std::string> optionValue(std::string_view name, const std::vector<std::string>& args, std::size_t& i)
{
    const std::string& arg = args[i];
    if (arg == name) {
        if (i + 1 >= args.size())
            throw UsageProblem{format(tr(texts::CliMissingValue), {name})};
        return args[++i];
    }
    if (arg.size() > name.size() && arg.compare(0, name.size(), name) == 0 && arg[name.size()] == '=')
        return arg.substr(name.size() + 1);
    return std::nullopt;
}

Options parse(const std::vector<std::string>& args)
{
    Options options;
    options.command = args.front();
    if (!isCommand(options.command))
        throw UsageProblem{format(tr(texts::CliUnknownCommand), {options.command})};
    const bool process = options.command == "process";
    const bool pad = options.command == "pad";
    const bool named = process || options.command == "remove-eh";  // outputs named with prefix and suffix
    const bool writes = named || pad;

    bool onlyFiles = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (onlyFiles || arg == "-" || arg.empty() || arg[0] != '-') {
            options.files.push_back(arg);
        } else if (arg == "--") {
            onlyFiles = true;
        } else if (process && arg == "--remove-intro") {
            options.actions.removeIntro = true;
        } else if (process && arg == "--truncate") {
            options.actions.truncate = true;
        } else if (process && arg == "--exithack") {
            options.actions.applyExitHack = true;
        } else if (process && arg == "--all") {
            options.actions.all = true;
        } else if (auto value = process ? optionValue("--patch", args, i) : std::nullopt) {
            options.patchFile = *value;
        } else if (auto value = named ? optionValue("--prefix", args, i) : std::nullopt) {
            options.prefix = *value;
        } else if (auto value = named ? optionValue("--suffix", args, i) : std::nullopt) {
            options.suffix = *value;
        } else if (auto value = writes ? optionValue("--output", args, i) : std::nullopt) {
            options.outputFolder = *value;
        } else if (auto value = pad ? optionValue("--fill", args, i) : std::nullopt) {
            options.fill = fillValue(*value);
        } else {
            throw UsageProblem{format(tr(texts::CliUnknownOption), {arg})};
        }
    }

    if (writes && !options.outputFolder)
        throw UsageProblem{tr(texts::CliNoOutput)};
    if (options.files.empty())
        throw UsageProblem{tr(texts::CliNoFiles)};
    if (process && !options.actions.any())
        throw UsageProblem{tr(texts::CliNoAction)};
    return options;
}

// DIR + "/" + prefix + Name + suffix + ".gba", the output name of the list.
std::string outputPath(const Options& options, const std::string& file)
{
    if (options.command == "pad")
        return padOutputPath(*options.outputFolder, file);
    std::string path = *options.outputFolder;
    if (path.empty() || path.back() != PathSeparator)
        path += PathSeparator;
    return outputName(path, options.prefix, nameOf(file), options.suffix);
}

// Two sources with the same name would overwrite each other's output.
void refuseSharedOutputs(const Options& options)
{
    std::map<std::string, const std::string*> firstSource;
    for (const std::string& file : options.files) {
        auto [it, fresh] = firstSource.emplace(outputPath(options, file), &file);
        if (!fresh)
            throw UsageProblem{format(tr(texts::CliSameOutput), {*it->second, file, it->first})};
    }
}

int runProcess(const Options& options)
{
    if (!makeOutputFolder(*options.outputFolder))
        return SomeFileFailed;
    const std::filesystem::path patchFile = options.patchFile.value_or(platform().programFolder() / "patch.wnt");
    bool patchReported = false;
    ops::RomOpHooks hooks;
    hooks.patchMissing = [&](const std::filesystem::path& missing) {
        if (!patchReported)
            std::cerr << format(tr(texts::CliFileMessage), {missing.string(), tr(texts::PatchFileMissing)}) << '\n';
        patchReported = true;
    };

    int status = Success;
    for (const std::string& file : options.files) {
        try {
            ops::ProcessOutcome outcome =
                ops::Process(file, outputPath(options, file), options.actions, patchFile, hooks);
            std::cout << outcome.logLine << '\n';
            if (outcome.patchMissing)
                status = SomeFileFailed;
        } catch (const std::exception& error) {
            reportFailure(file, error);
            status = SomeFileFailed;
        }
    }
    return status;
}

int runRemoveEH(const Options& options)
{
    if (!makeOutputFolder(*options.outputFolder))
        return SomeFileFailed;
    int status = Success;
    for (const std::string& file : options.files) {
        try {
            switch (ops::RemoveEH(file, outputPath(options, file))) {
            case ops::RemoveEHOutcome::Written:
                break;
            case ops::RemoveEHOutcome::NotPatched:
                std::cerr << format(tr(texts::FileNotPatched), {file}) << '\n';
                status = SomeFileFailed;
                break;
            case ops::RemoveEHOutcome::SignatureNotFound:
                std::cerr << format(tr(texts::EhEntryNotFound), {file}) << '\n';
                status = SomeFileFailed;
                break;
            }
        } catch (const std::exception& error) {
            reportFailure(file, error);
            status = SomeFileFailed;
        }
    }
    return status;
}

int runInfo(const Options& options)
{
    int status = Success;
    for (const std::string& file : options.files) {
        try {
            RomFile rom(file);
            RomHeader header = readheader(rom);
            // An empty name still takes its column, as it does in the list.
            const std::string name = latin1ToUtf8(header.internalName);
            std::cout << file << '\t' << kilobytes(header.size) << '\t' << (name.empty() ? " " : name) << '\t'
                      << tr(country(header.countryLetter)) << '\t' << tr(company(header.makerCode)) << '\n';
        } catch (const std::exception& error) {
            reportFailure(file, error);
            status = SomeFileFailed;
        }
    }
    return status;
}

bool asksForHelp(const std::vector<std::string>& args)
{
    for (const std::string& arg : args) {
        if (arg == "--")
            return false;
        if (arg == "--help")
            return true;
    }
    return false;
}

int run(const std::vector<std::string>& args)
{
    if (asksForHelp(args)) {
        std::cout << tr(texts::CliUsage);
        return Success;
    }
    try {
        if (args.empty())
            throw UsageProblem{};
        Options options = parse(args);
        if (options.outputFolder)
            refuseSharedOutputs(options);
        if (options.command == "process")
            return runProcess(options);
        if (options.command == "remove-eh")
            return runRemoveEH(options);
        if (options.command == "check")
            return runCheck(options.files);
        if (options.command == "fix-header")
            return runFixHeader(options.files);
        if (options.command == "pad")
            return runPad(options.files, options.fill, *options.outputFolder);
        return runInfo(options);
    } catch (const UsageProblem& problem) {
        if (!problem.message.empty())
            std::cerr << problem.message << "\n\n";
        std::cerr << tr(texts::CliUsage);
        return UsageError;
    }
}

}  // namespace
}  // namespace kst

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    return kst::run(std::vector<std::string>(argv + 1, argv + argc));
}
