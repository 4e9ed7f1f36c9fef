#pragma once

#include "archive/tzip.h"
#include "support/zip_writer.h"

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

// A stored member holding the text, made on the given host (3: Unix).
ZipEntry member(std::string name, const std::string& data = "data", std::uint8_t host = 3, std::uint16_t flags = 0);

Listing listArchive(TZip& zip, const std::filesystem::path& path);

// Archives written at test time by other tools; false when the tool failed.
// Info-ZIP zip packs x.gba, readme.txt, sub/y.GBA, sub/deeper/z.gba and
// café.gba (stored: uncompressed, with a comment); Python's zipfile writes
// a.gba, ordner/über.gba, win\back.gba, empty/ and a Zip64 big.gba.
bool infoZipArchive(const std::filesystem::path& archive, bool stored);
bool pythonArchive(const std::filesystem::path& archive);

// The component's messages, written out as the user reads them.
std::string notValidMessage(const std::filesystem::path& path);
inline const std::string DirectoryUnreadable = "Error reading 'CentralFileHeader'!";

}  // namespace kst::test
