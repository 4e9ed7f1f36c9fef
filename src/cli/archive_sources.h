#pragma once

#include "archive/tzip.h"
#include "cli/cli_report.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace kst {

// Turns the files named on the command line into the images to work on:
// ".gba" files as they are, and the ".gba" members of ".zip" archives,
// unpacked through the archive component into a private folder that goes
// away with this object. Nothing is asked: prompts get their safe answers.
// The unzip module is looked for beside the tool, then in the system folder.
class ArchiveSources {
public:
    ArchiveSources();
    ~ArchiveSources();
    ArchiveSources(const ArchiveSources&) = delete;
    ArchiveSources& operator=(const ArchiveSources&) = delete;

    // The images of the given files, in order. An archive that cannot be read
    // or holds no image is reported on standard error and sets `failed`.
    std::vector<Source> expand(const std::vector<std::string>& files, bool& failed);

private:
    // The members of one archive, unpacked; throws ZipException or FileError.
    std::vector<Source> unpack(const std::string& archive, bool& failed);
    const std::filesystem::path& folder();

    std::unique_ptr<ZipUi> ui_;
    TZip zip_;
    std::filesystem::path folder_;
    int archives_ = 0;
};

}  // namespace kst
