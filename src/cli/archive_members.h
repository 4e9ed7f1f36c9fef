#pragma once

#include "cli/cli_report.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kst {

namespace unz {
class OpenedArchive;
}

// Reads the members of zip archives into memory through the unzip module's
// own reading (unz::OpenedArchive), each by its place in the directory: a
// member gives the bytes the window would unpack, is refused where the
// window refuses it, and nothing is unpacked to disk. Members of equal or
// equivalent names each give their own data. The archive last read stays
// open, since the members of one archive are read one after the other.
class ArchiveMembers {
public:
    ArchiveMembers();
    ~ArchiveMembers();
    ArchiveMembers(const ArchiveMembers&) = delete;
    ArchiveMembers& operator=(const ArchiveMembers&) = delete;

    // Why a member the archive component listed under this name is not
    // read, in the words the window uses for a member it does not unpack;
    // nothing when it is read. Decided before any of its data is read.
    std::optional<std::string> refusal(const ArchiveMember& member, const std::string& listedName);

    // The whole member, checked as the module checks what it unpacks: data
    // that fail their check or run longer or shorter than declared are
    // refused. Throws FileError naming the member as shown, with the reason.
    std::vector<std::uint8_t> read(const ArchiveMember& member, const std::string& listedName,
                                   const std::string& shown);

private:
    unz::OpenedArchive* open(const std::string& archive);

    std::string archive_;
    std::unique_ptr<unz::OpenedArchive> opened_;
};

}  // namespace kst
