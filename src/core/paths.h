#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kst {

// Paths as the list and the command-line tool cut them. On this port the
// separator is '/'; there is no drive part.
inline constexpr char PathSeparator = '/';

inline constexpr std::string_view GbaExtension = ".gba";
inline constexpr std::string_view ZipExtension = ".zip";

// The part from the last '.' after the last separator; empty when there is none.
std::string_view extensionOf(std::string_view path);
// Compares the extension with an expected one ("." + letters), ignoring ASCII case.
bool hasExtension(std::string_view path, std::string_view expected);
// The file name part, minus its ".gba" extension in any case. A name without
// that extension is kept whole, so that no other four characters are lost.
std::string nameOf(std::string_view path);
// The path up to and including its last separator.
std::string folderOf(std::string_view path);

// Output folder + prefix + Name + suffix + ".gba", joined with nothing between.
std::string outputName(const std::string& outputFolder, const std::string& prefix, const std::string& name,
                       const std::string& suffix);
// The first character of a row's Name that no output file name can hold:
// the folder separator or a NUL byte.
std::optional<char> characterRefusedInName(std::string_view name);
// The sample shown under the prefix and suffix boxes.
std::string sampleName(const std::string& prefix, const std::string& suffix);

}  // namespace kst
