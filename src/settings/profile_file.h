#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace kst {

// A profile file of "[section]" lines and "key=value" lines, with ';' starting
// a comment line. Section and key names match without regard to ASCII case, and
// only the first section of a name counts, both for reading and for writing.
//
// The file is read afresh on every call and written back on every write, one
// key at a time: a write changes the one line it is about (or adds one), so the
// user's comments, unknown keys, other sections and line endings survive.
class ProfileFile {
public:
    // A read returns at most this many bytes of a value, like the 2048-byte
    // buffer the settings have always been read into.
    static constexpr std::size_t MaxValueLength = 2047;
    // A settings file is small; anything larger is refused rather than read.
    static constexpr std::uint64_t MaxFileSize = 1 << 20;

    explicit ProfileFile(std::filesystem::path path) : path_(std::move(path)) {}

    const std::filesystem::path& path() const { return path_; }

    // Throws FileError naming the file when it is there but cannot be used: not
    // a regular file (a FIFO, a device), larger than MaxFileSize, or unreadable.
    // A missing file passes.
    void check() const;

    // The value of key in the first section named section, without the blanks
    // around it and without one pair of matching quotes ("..." or '...') around
    // it, cut to MaxValueLength. A file, section or key that is missing, or a
    // file that check() refuses, gives fallback. A key that is present with
    // nothing after its '=' gives "", not fallback.
    std::string readString(std::string_view section, std::string_view key, std::string_view fallback) const;

    // Sets key to value in the first section named section: the existing line
    // keeps its key spelling and its line break and gets the new value; a
    // missing key is added after the section's last entry; a missing section
    // is added at the end of the file, which is created when missing. The file
    // is replaced atomically before this returns. Throws FileError naming the
    // file when the write is refused (read-only file or folder, missing folder,
    // a file that check() refuses), when value holds a line break, which the
    // format cannot carry, or when the file would grow past MaxFileSize; the
    // file is then unchanged. A name that the format cannot carry (empty, holding a
    // line break, "]" in a section, "=" in a key, a key starting with ';' or
    // '[') throws std::invalid_argument.
    void writeString(std::string_view section, std::string_view key, std::string_view value);

private:
    std::filesystem::path path_;
};

}  // namespace kst
