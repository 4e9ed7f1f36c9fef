// kestrom-cli: the image pipeline, ExitHack removal, the header read and the
// internal-name edit and header tools, without windows, for scripts that work through large
// collections.

#include "cli/archive_sources.h"
#include "cli/cli_report.h"
#include "cli/header_tools.h"
#include "cli/verify_command.h"
#include "core/kilobytes.h"
#include "core/latin1.h"
#include "core/paths.h"
#include "core/printable.h"
#include "core/texts.h"
#include "core/version.h"
#include "platform/file_error.h"
#include "platform/files.h"
#include "platform/output_clash.h"
#include "platform/platform.h"
#include "platform/program_files.h"
#include "romheader/header.h"
#include "romops/exithack_removal.h"
#include "romops/internal_name.h"
#include "romops/pipeline.h"
#include "romops/save_type.h"
#include "verify/verification.h"

#include <cstdint>
#include <exception>
#include <filesystem>
#include <iostream>
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
    std::optional<std::string> name;
    std::optional<std::uint8_t> fill;
    std::optional<std::string> dat;
    bool datNames = false;
    std::vector<std::string> files;
};

bool isCommand(const std::string& name)
{
    for (const char* command : {"process", "remove-eh", "info", "rename", "check", "fix-header", "pad"})
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
    const bool rename = options.command == "rename";
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
        } else if (process && arg == "--dat-names") {
            options.datNames = true;
        } else if (auto value = process ? optionValue("--dat", args, i) : std::nullopt) {
            options.dat = *value;
        } else if (auto value = process ? optionValue("--patch", args, i) : std::nullopt) {
            options.patchFile = *value;
        } else if (auto value = named ? optionValue("--prefix", args, i) : std::nullopt) {
            options.prefix = *value;
        } else if (auto value = named ? optionValue("--suffix", args, i) : std::nullopt) {
            options.suffix = *value;
        } else if (auto value = writes ? optionValue("--output", args, i) : std::nullopt) {
            options.outputFolder = *value;
        } else if (auto value = rename ? optionValue("--name", args, i) : std::nullopt) {
            options.name = *value;
        } else if (auto value = pad ? optionValue("--fill", args, i) : std::nullopt) {
            options.fill = fillValue(*value);
        } else {
            throw UsageProblem{format(tr(texts::CliUnknownOption), {arg})};
        }
    }

    if (writes && !options.outputFolder)
        throw UsageProblem{tr(texts::CliNoOutput)};
    // As in the list's names: a separator would put the outputs in another folder.
    if (characterRefusedInName(options.prefix + options.suffix))
        throw UsageProblem{tr(texts::CliSeparatorInAffix)};
    if (rename && !options.name)
        throw UsageProblem{tr(texts::CliNoName)};
    if (options.files.empty())
        throw UsageProblem{tr(texts::CliNoFiles)};
    if (process && !options.actions.any())
        throw UsageProblem{tr(texts::CliNoAction)};
    if (options.datNames != options.dat.has_value())
        throw UsageProblem{tr(texts::CliDatNamesNeedDat)};
    return options;
}

// DIR + "/" + prefix + Name + suffix + ".gba", the output name of the list;
// Name is the file's own unless the DAT gave one.
std::string outputPath(const Options& options, const std::string& file, const std::string& datName = {})
{
    if (options.command == "pad")
        return padOutputPath(*options.outputFolder, file);
    std::string path = *options.outputFolder;
    if (path.empty() || path.back() != PathSeparator)
        path += PathSeparator;
    return outputName(path, options.prefix, datName.empty() ? nameOf(file) : datName, options.suffix);
}

// With --dat-names, the name each source takes from the DAT: empty for an
// image the DAT does not know or that cannot be read (which then fails as it
// would have anyway).
std::vector<std::string> datNames(const Options& options, const std::vector<Source>& sources,
                                  ArchiveSources& archives)
{
    std::vector<std::string> names(sources.size());
    if (!options.dat)
        return names;
    std::optional<verify::DatIndex> index;
    try {
        index.emplace(verify::readDat(*options.dat));
    } catch (const verify::DatError& error) {
        throw UsageProblem{error.what()};
    }
    for (std::size_t i = 0; i < sources.size(); ++i) {
        try {
            const verify::Verification found = index->verify(archives.image(sources[i]));
            if (found.verdict != verify::Verdict::Unknown)
                names[i] = verify::nameFromDat(found.romName);
        } catch (const std::exception&) {
            // Reported when the image is processed.
        }
    }
    return names;
}

std::vector<std::string> outputPaths(const Options& options, const std::vector<Source>& sources,
                                     const std::vector<std::string>& names)
{
    std::vector<std::string> outputs;
    for (std::size_t i = 0; i < sources.size(); ++i)
        outputs.push_back(outputPath(options, sources[i].path, names[i]));
    return outputs;
}

// Two sources of the same name, two names that the output folder's file system
// takes for one, or a link from one output name to another: one output would
// overwrite the other.
void refuseSharedOutputs(const std::vector<std::string>& outputs, const std::vector<Source>& sources)
{
    if (std::optional<SharedOutput> shared = firstSharedOutput(outputs))
        throw UsageProblem{format(tr(texts::CliSameOutput),
                                  {sources[shared->first].shown, sources[shared->second].shown, outputs[shared->first]})};
}

// The copies would replace a file the run reads: nothing is written. True when refused.
bool refuseOutputOntoSource(const std::vector<std::string>& outputs, const std::vector<Source>& sources)
{
    // A member is read from its archive, which no output (always a .gba) can be.
    std::vector<std::string> inputs;
    std::vector<const Source*> fileSources;
    for (const Source& source : sources) {
        if (!source.member) {
            inputs.push_back(source.path);
            fileSources.push_back(&source);
        }
    }
    const std::optional<OutputClash> clash = firstOutputOntoSource(outputs, inputs);
    if (clash)
        std::cerr << format(tr(texts::CliOutputOntoSource),
                            {escapeControls(outputs[clash->output]), escapeControls(fileSources[clash->source]->shown)})
                  << '\n';
    return clash.has_value();
}

int runProcess(const Options& options, const std::vector<Source>& sources, const std::vector<std::string>& outputs,
               ArchiveSources& archives)
{
    if (!makeOutputFolder(*options.outputFolder))
        return SomeFileFailed;
    const std::filesystem::path patchFile = options.patchFile.value_or(locateProgramFiles(platform()).patch);
    bool patchReported = false;
    ops::RomOpHooks hooks;
    hooks.patchMissing = [&](const std::filesystem::path& missing) {
        if (!patchReported)
            std::cerr << format(tr(texts::CliFileMessage), {escapeControls(missing.string()), tr(texts::PatchFileMissing)}) << '\n';
        patchReported = true;
    };

    int status = Success;
    for (std::size_t i = 0; i < sources.size(); ++i) {
        const Source& source = sources[i];
        try {
            const std::string& output = outputs[i];
            refuseControlsInOutput(output);
            // Sources are only read: a file (even a read-only one) or a member,
            // into memory, logged by its shown name.
            ops::ProcessOutcome outcome =
                ops::Process(archives.image(source), source.shown, output, options.actions, patchFile, hooks);
            std::cout << escapeControls(outcome.logLine) << '\n';
            if (outcome.patchOutOfReach)
                std::cerr << format(tr(texts::CliFileMessage), {escapeControls(source.shown), tr(texts::PatchOutOfReach)})
                          << '\n';
            if (outcome.patchMissing || outcome.patchOutOfReach)
                status = SomeFileFailed;
        } catch (const std::exception& error) {
            reportFailure(source.shown, source.path, error);
            status = SomeFileFailed;
        }
    }
    return status;
}

int runRemoveEH(const Options& options, const std::vector<Source>& sources, ArchiveSources& archives)
{
    if (!makeOutputFolder(*options.outputFolder))
        return SomeFileFailed;
    int status = Success;
    for (const Source& source : sources) {
        try {
            const std::string output = outputPath(options, source.path);
            refuseControlsInOutput(output);
            switch (ops::RemoveEH(archives.image(source), source.shown, output)) {
            case ops::RemoveEHOutcome::Written:
                break;
            case ops::RemoveEHOutcome::NotPatched:
                std::cerr << format(tr(texts::FileNotPatched), {escapeControls(source.shown)}) << '\n';
                status = SomeFileFailed;
                break;
            case ops::RemoveEHOutcome::SignatureNotFound:
                std::cerr << format(tr(texts::EhEntryNotFound), {escapeControls(source.shown)}) << '\n';
                status = SomeFileFailed;
                break;
            }
        } catch (const std::exception& error) {
            reportFailure(source.shown, source.path, error);
            status = SomeFileFailed;
        }
    }
    return status;
}

// What info prints of a source: its header, and the save library it links,
// which takes the whole image. A file is read through one open, read-only; a
// member is inflated into memory, within the size limit.
struct SourceInfo {
    RomHeader header;
    std::string save;
};

SourceInfo sourceInfo(const Source& source, ArchiveSources& archives)
{
    if (!source.member) {
        RomFile rom(source.path, RomFile::Access::ReadOnly);
        RomHeader header = readheader(rom);
        return {header, ops::scanSaveType(rom).identifier};
    }
    const std::vector<std::uint8_t> image = archives.image(source);
    if (image.size() < header::MinimumSize)
        throw FileError(source.shown, "Read beyond end of file.");  // as reading such a file says
    return {parseHeader(image, image.size()), ops::findSaveType(image).identifier};
}

int runInfo(const std::vector<Source>& sources, ArchiveSources& archives)
{
    int status = Success;
    for (const Source& source : sources) {
        try {
            const SourceInfo info = sourceInfo(source, archives);
            const RomHeader& header = info.header;
            // An empty name still takes its column, as it does in the list.
            const std::string name = latin1ToUtf8(header.internalName);
            std::cout << escapeControls(source.shown) << '\t' << kilobytes(header.size) << '\t'
                      << (name.empty() ? " " : escapeControls(name)) << '\t' << tr(country(header.countryLetter))
                      << '\t' << tr(company(header.makerCode)) << '\t' << (info.save.empty() ? "none" : info.save)
                      << '\n';
        } catch (const std::exception& error) {
            reportFailure(source.shown, source.path, error);
            status = SomeFileFailed;
        }
    }
    return status;
}

int runRename(const Options& options)
{
    std::string refused;
    const std::optional<InternalNameField> field = internalNameField(*options.name, &refused);
    if (!field)
        throw UsageProblem{format(tr(texts::NameNotSingleByte), {refused})};
    int status = Success;
    for (const std::string& file : options.files) {
        if (refuseUnlessImage(file)) {
            status = SomeFileFailed;
            continue;
        }
        try {
            if (renameImageFile(file, *field) == RenameOutcome::TooShort) {
                std::cerr << format(tr(texts::NameFieldMissing), {escapeControls(file)}) << '\n';
                status = SomeFileFailed;
            }
        } catch (const std::exception& error) {
            reportFailure(file, error);
            status = SomeFileFailed;
        }
    }
    return status;
}

// Whether an argument before any "--" is the given flag.
bool asksFor(const std::vector<std::string>& args, std::string_view flag)
{
    for (const std::string& arg : args) {
        if (arg == "--")
            return false;
        if (arg == flag)
            return true;
    }
    return false;
}

int run(const std::vector<std::string>& args)
{
    if (asksFor(args, "--help")) {
        std::cout << tr(texts::CliUsage);
        return Success;
    }
    if (asksFor(args, "--version")) {
        std::cout << "kestrom-cli " << ProgramVersion << "\n";
        return Success;
    }
    try {
        if (args.empty())
            throw UsageProblem{};
        if (args.front() == "verify")
            return runVerify({args.begin() + 1, args.end()});
        Options options = parse(args);
        if (options.command == "rename")
            return runRename(options);
        if (options.command == "fix-header")
            return runFixHeader(options.files);
        ArchiveSources archives;
        bool archiveFailed = false;
        const std::vector<Source> sources = archives.expand(options.files, archiveFailed);
        std::vector<std::string> outputs;
        if (options.outputFolder) {
            outputs = outputPaths(options, sources, datNames(options, sources, archives));
            refuseSharedOutputs(outputs, sources);
            if (refuseOutputOntoSource(outputs, sources))
                return SomeFileFailed;
        }
        int status = Success;
        if (options.command == "process")
            status = runProcess(options, sources, outputs, archives);
        else if (options.command == "remove-eh")
            status = runRemoveEH(options, sources, archives);
        else if (options.command == "check")
            status = runCheck(sources, archives);
        else if (options.command == "pad")
            status = runPad(sources, options.fill, *options.outputFolder, archives);
        else
            status = runInfo(sources, archives);
        return archiveFailed ? SomeFileFailed : status;
    } catch (const UsageProblem& problem) {
        if (!problem.message.empty())
            std::cerr << escapeControls(problem.message) << '\n';
        std::cerr << tr(texts::CliTryHelp) << '\n';
        return UsageError;
    }
}

}  // namespace
}  // namespace kst

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    kst::failWritesPastFileSizeLimit();
    const int status = kst::run(std::vector<std::string>(argv + 1, argv + argc));
    // A log or a listing that did not arrive is no success, whatever the files.
    if (!std::cout.flush()) {
        std::cerr << kst::tr(kst::texts::CliStandardOutputFailed) << '\n';
        return kst::cli::UsageError;
    }
    return status;
}
