#pragma once

#include "romops/actions.h"
#include "romops/entry.h"
#include "romops/hooks.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kst::ops {

struct ProcessOutcome {
    std::string logLine;                 // the source path followed by one tag per action run
    bool patchMissing = false;           // the patch step found no patch file
    bool patchOutOfReach = false;        // the patch step left an image too long for the entry branch
    std::optional<EntryBytes> newEntry;  // the entry field computed for the patch step, when it ran
};

// Room to reserve behind an image read for these actions: the patch and its
// padding, so that appending them does not move a many-megabyte image. Only a
// hint: a patch file that is missing or changes size is dealt with when read.
std::size_t roomForActions(const Actions& actions, const std::filesystem::path& patchFile);

// Reads the whole source, runs the chosen actions on it in the fixed order
// intro removal, trimming, ExitHack patch, and writes the result to output in
// one piece; output may be the source itself. A missing patch file calls
// hooks.patchMissing and lets the image pass unpatched, as does an image
// whose patch the entry branch could not reach. Throws FileError when
// the source cannot be opened for reading and writing or is shorter than 3
// bytes, when the patch file exists but is empty or unreadable, when memory
// for the source or the patch runs out (naming that file), and when the
// output cannot be written; no output is left behind then.
ProcessOutcome Process(const std::filesystem::path& source, const std::filesystem::path& output,
                       const Actions& actions, const std::filesystem::path& patchFile, const RomOpHooks& hooks = {});

// The same for an image already read (an archive member): source names it in
// the log line and in errors.
ProcessOutcome Process(std::vector<std::uint8_t> image, const std::string& source,
                       const std::filesystem::path& output, const Actions& actions,
                       const std::filesystem::path& patchFile, const RomOpHooks& hooks = {});

}  // namespace kst::ops
