#pragma once

#include "cli/command_table.h"

namespace kst::cli {

// process: a processed copy of each image in the output folder, one log line each.
int runProcess(const Options& options);
// remove-eh: a copy of each image without its ExitHack patch.
int runRemoveEH(const Options& options);
// info: one tab-separated line per image: path, size, internal name,
// country, maker and save library.
int runInfo(const Options& options);
// rename: the internal name of each .gba file, changed in place.
int runRename(const Options& options);

}  // namespace kst::cli
