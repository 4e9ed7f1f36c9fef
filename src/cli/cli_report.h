#pragma once

#include <exception>
#include <string>

namespace kst {

// One image the command works on: the name the user reads in the log and in
// messages, and the file that holds its bytes. For an archive member the name
// is ARCHIVE:MEMBER and the file its unpacked copy.
struct Source {
    std::string shown;
    std::string path;
};

namespace cli {

enum ExitStatus { Success = 0, SomeFileFailed = 1, UsageError = 2 };

// Prints why a file failed, naming it once by the name the user knows it by
// (ARCHIVE:MEMBER for an unpacked member, whose bytes are at `path`).
void reportFailure(const std::string& shown, const std::string& path, const std::exception& error);
inline void reportFailure(const std::string& file, const std::exception& error)
{
    reportFailure(file, file, error);
}
inline void reportFailure(const Source& source, const std::exception& error)
{
    reportFailure(source.shown, source.path, error);
}

// Commands that change a file in place take only images: an archive or any
// other file named by mistake is refused, with the reason printed, and left as
// it is.
bool refuseUnlessImage(const std::string& file);

// Creates the output folder (one level) when it is missing, as Apply does;
// false, with the reason printed, when it cannot be created.
bool makeOutputFolder(const std::string& folder);

}  // namespace cli
}  // namespace kst
