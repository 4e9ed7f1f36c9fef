#pragma once

#include <exception>
#include <string>

namespace kst::cli {

enum ExitStatus { Success = 0, SomeFileFailed = 1, UsageError = 2 };

// Prints why a file failed, naming it once.
void reportFailure(const std::string& file, const std::exception& error);

// Creates the output folder (one level) when it is missing, as Apply does;
// false, with the reason printed, when it cannot be created.
bool makeOutputFolder(const std::string& folder);

}  // namespace kst::cli
