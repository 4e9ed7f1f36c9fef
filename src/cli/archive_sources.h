#pragma once

#include "archive/tzip.h"
#include "cli/archive_members.h"
#include "cli/cli_report.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace kst {

// Turns the files named on the command line into the images to work on:
// ".gba" files as they are, and the ".gba" members of ".zip" archives as the
// archive component lists them (members the window would refuse are said and
// left out), read into memory when they are worked on.
// Nothing is written to disk for a member. Nothing is asked: prompts get their
// safe answers.
class ArchiveSources {
public:
    ArchiveSources();
    ~ArchiveSources();
    ArchiveSources(const ArchiveSources&) = delete;
    ArchiveSources& operator=(const ArchiveSources&) = delete;

    // The images of the given files, in order. An archive that cannot be read
    // or holds no image is reported on standard error and sets `failed`.
    std::vector<Source> expand(const std::vector<std::string>& files, bool& failed);

    // The whole image of a source. A file larger than zip::kMaxImageBytes is
    // refused (FileTooLarge), a member as ArchiveMembers::read says. Throws
    // FileError naming it. A file's image gets extraCapacity bytes of room
    // behind it, so that what a later step appends does not move it.
    std::vector<std::uint8_t> image(const Source& source, std::size_t extraCapacity = 0);

private:
    // The members of one archive; throws ZipException or FileError.
    std::vector<Source> list(const std::string& archive, bool& failed);

    std::unique_ptr<ZipUi> ui_;
    TZip zip_;
    ArchiveMembers members_;
};

}  // namespace kst
