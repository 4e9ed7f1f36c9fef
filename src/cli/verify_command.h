#pragma once

#include "cli/command_table.h"

namespace kst::cli {

// verify --dat FILE.dat [--missing] FILE...: one tab-separated line per image
// (each image of a .zip as ARCHIVE:MEMBER), in argument order though the
// images are checked on every core: its path, verified, verified-padded,
// verified-restored or unknown, and the DAT's game name when there is one.
// --missing adds the DAT's games that no image matched and the counts.
// Returns the exit status; a DAT that cannot be read is a usage problem (thrown).
int runVerify(const Options& options);

}  // namespace kst::cli
