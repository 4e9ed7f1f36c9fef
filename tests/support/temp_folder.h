#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace kst::test {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

using Bytes = std::vector<std::uint8_t>;

void writeBytes(const std::filesystem::path& path, const Bytes& bytes);
Bytes readBytes(const std::filesystem::path& path);
void writeText(const std::filesystem::path& path, const std::string& text);
// The file's bytes as text; empty when it cannot be read.
std::string readText(const std::filesystem::path& path);
// How many names the folder holds: a temporary file left behind shows here.
std::size_t entriesIn(const std::filesystem::path& folder);
// Everything under folder by its path there: a file's bytes, a link's target,
// nothing for a folder. Compared before and after a run that must change nothing.
std::map<std::string, Bytes> folderContents(const std::filesystem::path& folder);
// Clears every write bit, as a read-only attribute would.
void makeReadOnly(const std::filesystem::path& path);

}  // namespace kst::test
