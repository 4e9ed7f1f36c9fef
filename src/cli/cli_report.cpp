#include "cli/cli_report.h"

#include "core/paths.h"
#include "core/printable.h"
#include "core/texts.h"
#include "platform/files.h"

#include <filesystem>
#include <iostream>
#include <stdexcept>

namespace kst::cli {

void reportFailure(const std::string& shown, const std::string& path, const std::exception& error)
{
    // A FileError names the file it was working on, which may be the output
    // or the patch rather than the source.
    const auto* fileError = dynamic_cast<const FileError*>(&error);
    // Names are printed with their control characters escaped, so that each
    // message stays one line and sends nothing to the terminal.
    if (fileError && (fileError->path() == std::filesystem::path(path) || fileError->path() == shown))
        std::cerr << format(tr(texts::CliFileMessage), {escapeControls(shown), escapeControls(fileError->reason())})
                  << '\n';
    else
        std::cerr << format(tr(texts::CliFileMessage), {escapeControls(shown), escapeControls(error.what())}) << '\n';
}

int eachSource(const std::vector<Source>& sources, const std::function<bool(const Source&)>& work)
{
    int status = Success;
    for (const Source& source : sources) {
        try {
            if (!work(source))
                status = SomeFileFailed;
        } catch (const std::exception& error) {
            reportFailure(source, error);
            status = SomeFileFailed;
        }
    }
    return status;
}

std::vector<Source> namedFiles(const std::vector<std::string>& files)
{
    std::vector<Source> sources;
    for (const std::string& file : files)
        sources.push_back({file, file, std::nullopt});
    return sources;
}

bool refuseUnlessImage(const std::string& file)
{
    if (hasExtension(file, GbaExtension))
        return false;
    std::cerr << format(tr(texts::CliFileMessage), {escapeControls(file), tr(texts::CliOnlyImagesInPlace)}) << '\n';
    return true;
}

void refuseControlsInOutput(const std::string& output)
{
    if (holdsControls(output))
        throw std::runtime_error(tr(texts::CliOutputNameControls));
}

bool makeOutputFolder(const std::string& folder)
{
    std::error_code ec;
    if (createFolder(folder, &ec) != FolderCreation::Failed)
        return true;
    std::cerr << format(tr(texts::CliNoOutputFolder), {escapeControls(folder), ec.message()}) << '\n';
    return false;
}

}  // namespace kst::cli
