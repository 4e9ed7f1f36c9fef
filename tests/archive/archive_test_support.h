#pragma once

#include "archive/tzip.h"

#include <filesystem>
#include <string>
#include <vector>

namespace kst::test {

// What writing an archive's name gave: the message of the ZipException it
// threw (empty when none) and the names of the entries listed afterwards.
struct Listing {
    std::string error;
    std::vector<std::string> names;
};

Listing listArchive(TZip& zip, const std::filesystem::path& path);

// The component's messages, written out as the user reads them.
std::string notValidMessage(const std::filesystem::path& path);
inline const std::string DirectoryUnreadable = "Error reading 'CentralFileHeader'!";

}  // namespace kst::test
