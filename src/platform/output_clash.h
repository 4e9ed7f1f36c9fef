#pragma once

// Whether a run that reads some files and writes others would write over one
// of the files it reads, or write two of its outputs into one file.

#include "platform/case_folding.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>

namespace kst {

struct OutputClash {
    std::size_t output;  // index into the outputs
    std::size_t source;  // index into the sources
};

// The first output, in order, that is the same file as one of the sources
// (the first of them, when several sources are that file). Two paths are the
// same file when they reach the same device and inode, links followed, or the
// same place: the end of their links, in their folder with every link and
// ".." resolved as if missing folders had been made, compared without regard
// to case where the file system finds names under any case. So an output
// that names no file yet equals only a source at the place a write would put
// it. Every path is looked at once, so runs of thousands of files stay quick.
std::optional<OutputClash> firstOutputOntoSource(std::span<const std::string> outputs,
                                                 std::span<const std::string> sources,
                                                 const CaseProbe& probe = foundUnderOtherCase);

struct SharedOutput {
    std::size_t first;   // index of the earlier output
    std::size_t second;  // index of the first later one that is the same file
};

// The first output that is the same file (as above) as an earlier one.
std::optional<SharedOutput> firstSharedOutput(std::span<const std::string> outputs,
                                              const CaseProbe& probe = foundUnderOtherCase);

}  // namespace kst
