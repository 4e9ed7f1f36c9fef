#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kst {

// Where an archive member lies: its archive, its place in the directory and
// the checksum it was listed with.
struct ArchiveMember {
    std::string archive;
    std::uint64_t index = 0;
    std::uint32_t crc = 0;
};

// One image the command works on: the name the user reads in the log and in
// messages, and the file that holds its bytes. An archive member has no file:
// its name is ARCHIVE:MEMBER, its path the member's name inside the archive
// (which names its outputs), and its bytes are read from the archive.
struct Source {
    std::string shown;
    std::string path;
    std::optional<ArchiveMember> member;
};

namespace cli {

enum ExitStatus { Success = 0, SomeFileFailed = 1, UsageError = 2 };

// Prints why a file failed, naming it once by the name the user knows it by
// (ARCHIVE:MEMBER for an archive member).
void reportFailure(const std::string& shown, const std::string& path, const std::exception& error);
inline void reportFailure(const std::string& file, const std::exception& error)
{
    reportFailure(file, file, error);
}
inline void reportFailure(const Source& source, const std::exception& error)
{
    reportFailure(source.shown, source.path, error);
}

// The loop of every command over its files: runs work on each source in
// turn; one whose work throws is reported and the run goes on with the next.
// SomeFileFailed when any work threw or returned false.
int eachSource(const std::vector<Source>& sources, const std::function<bool(const Source&)>& work);

// The files as they were named, for the commands that change them in place.
std::vector<Source> namedFiles(const std::vector<std::string>& files);

// Commands that change a file in place take only images: an archive or any
// other file named by mistake is refused, with the reason printed, and left as
// it is.
bool refuseUnlessImage(const std::string& file);

// Refuses, before anything is written, an output name that holds a control
// character: no such name is written. Throws with the reason.
void refuseControlsInOutput(const std::string& output);

// Creates the output folder (one level) when it is missing, as Apply does;
// false, with the reason printed, when it cannot be created.
bool makeOutputFolder(const std::string& folder);

}  // namespace cli
}  // namespace kst
