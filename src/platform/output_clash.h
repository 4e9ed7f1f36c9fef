#pragma once

// Whether a run that reads some files and writes others would write over one
// of the files it reads.

#include <cstddef>
#include <optional>
#include <span>
#include <string>

namespace kst {

struct OutputClash {
    std::size_t output;  // index into the outputs
    std::size_t source;  // index into the sources
};

// The first output, in order, that is the same file as one of the sources:
// the same device and inode, links followed. A path that names no file yet
// stands for the place a write would create it (the end of its links, in its
// folder with every link resolved), so it never equals an existing file, and a
// missing source equals only an output that would be created in its place.
// Every path is looked at once, so runs of thousands of files stay quick.
std::optional<OutputClash> firstOutputOntoSource(std::span<const std::string> outputs,
                                                 std::span<const std::string> sources);

}  // namespace kst
