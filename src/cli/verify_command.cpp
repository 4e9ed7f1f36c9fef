#include "cli/verify_command.h"

#include "cli/archive_sources.h"
#include "cli/cli_report.h"
#include "core/printable.h"
#include "core/texts.h"
#include "verify/verification.h"

#include <iostream>
#include <optional>

namespace kst::cli {
namespace {

struct VerifyOptions {
    std::optional<std::string> dat;
    std::vector<std::string> files;
};

int usageError(const std::string& message)
{
    std::cerr << escapeControls(message) << '\n' << tr(texts::CliTryHelp) << '\n';
    return UsageError;
}

// "--dat FILE" or "--dat=FILE", then the files; "--" ends the options.
std::optional<VerifyOptions> parseVerify(const std::vector<std::string>& args, std::string& problem)
{
    VerifyOptions options;
    bool onlyFiles = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (onlyFiles || arg == "-" || arg.empty() || arg[0] != '-') {
            options.files.push_back(arg);
        } else if (arg == "--") {
            onlyFiles = true;
        } else if (arg == "--dat" && i + 1 < args.size()) {
            options.dat = args[++i];
        } else if (arg == "--dat") {
            problem = format(tr(texts::CliMissingValue), {"--dat"});
            return std::nullopt;
        } else if (arg.starts_with("--dat=")) {
            options.dat = arg.substr(6);
        } else {
            problem = format(tr(texts::CliUnknownOption), {arg});
            return std::nullopt;
        }
    }
    if (!options.dat)
        problem = tr(texts::CliNoDat);
    else if (options.files.empty())
        problem = tr(texts::CliNoFiles);
    else
        return options;
    return std::nullopt;
}

}  // namespace

int runVerify(const std::vector<std::string>& args)
{
    std::string problem;
    const std::optional<VerifyOptions> options = parseVerify(args, problem);
    if (!options)
        return usageError(problem);
    std::optional<verify::DatIndex> index;
    try {
        index.emplace(verify::readDat(*options->dat));
    } catch (const verify::DatError& error) {
        return usageError(error.what());
    }

    ArchiveSources archives;
    bool failed = false;
    for (const Source& source : archives.expand(options->files, failed)) {
        try {
            // A file or a member, read into memory within the size limit.
            const verify::Verification result = index->verify(archives.image(source));
            std::cout << escapeControls(source.shown) << '\t' << verify::verdictWord(result.verdict);
            if (!result.game.empty())
                std::cout << '\t' << escapeControls(result.game);
            std::cout << '\n';
            failed = failed || result.verdict == verify::Verdict::Unknown;
        } catch (const std::exception& error) {
            reportFailure(source, error);
            failed = true;
        }
    }
    return failed ? SomeFileFailed : Success;
}

}  // namespace kst::cli
