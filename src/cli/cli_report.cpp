#include "cli/cli_report.h"

#include "core/paths.h"
#include "core/texts.h"
#include "platform/files.h"

#include <filesystem>
#include <iostream>

namespace kst::cli {

void reportFailure(const std::string& shown, const std::string& path, const std::exception& error)
{
    // A FileError names the file it was working on, which may be the output
    // or the patch rather than the source.
    const auto* fileError = dynamic_cast<const FileError*>(&error);
    if (fileError && (fileError->path() == std::filesystem::path(path) || fileError->path() == shown))
        std::cerr << format(tr(texts::CliFileMessage), {shown, fileError->reason()}) << '\n';
    else
        std::cerr << format(tr(texts::CliFileMessage), {shown, error.what()}) << '\n';
}

bool refuseUnlessImage(const std::string& file)
{
    if (hasExtension(file, GbaExtension))
        return false;
    std::cerr << format(tr(texts::CliFileMessage), {file, tr(texts::CliOnlyImagesInPlace)}) << '\n';
    return true;
}

bool makeOutputFolder(const std::string& folder)
{
    std::error_code ec;
    if (createFolder(folder, &ec) != FolderCreation::Failed)
        return true;
    std::cerr << format(tr(texts::CliNoOutputFolder), {folder, ec.message()}) << '\n';
    return false;
}

}  // namespace kst::cli
