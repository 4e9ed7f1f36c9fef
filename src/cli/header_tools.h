#pragma once

#include "cli/command_table.h"

#include <string>

namespace kst::cli {

// check: one tab-separated line per image: its path, whether the header
// complement is correct, whether it carries an intro and the ExitHack patch,
// and whether it is trimmed. SomeFileFailed when a complement is wrong or a
// file cannot be checked.
int runCheck(const Options& options);

// fix-header: stores the correct complement in each image whose complement is
// wrong, replacing the file in one piece; nothing else changes. A file that is
// not a .gba image is refused and left alone.
int runFixHeader(const Options& options);

// pad: writes a copy of each image into the output folder, under its own
// file name, padded up to the next power of two with fill (by default the
// padding the image was trimmed of).
int runPad(const Options& options);

// Where pad writes a file's copy.
std::string padOutputPath(const std::string& outputFolder, const std::string& file);

}  // namespace kst::cli
