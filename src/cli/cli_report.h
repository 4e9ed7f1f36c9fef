#pragma once

#include <exception>
#include <string>

namespace kst::cli {

enum ExitStatus { Success = 0, SomeFileFailed = 1, UsageError = 2 };

// Prints why a file failed, naming it once by the name the user knows it by
// (ARCHIVE:MEMBER for an unpacked member, whose bytes are at `path`).
void reportFailure(const std::string& shown, const std::string& path, const std::exception& error);
inline void reportFailure(const std::string& file, const std::exception& error)
{
    reportFailure(file, file, error);
}

// Creates the output folder (one level) when it is missing, as Apply does;
// false, with the reason printed, when it cannot be created.
bool makeOutputFolder(const std::string& folder);

}  // namespace kst::cli
