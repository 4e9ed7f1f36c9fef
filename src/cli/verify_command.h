#pragma once

#include "cli/command_table.h"

namespace kst::cli {

// verify --dat FILE.dat FILE...: one tab-separated line per image (each
// image of a .zip as ARCHIVE:MEMBER): its path, verified, verified-padded or
// unknown, and the DAT's game name when there is one. Returns the exit
// status; a DAT that cannot be read is a usage problem (thrown).
int runVerify(const Options& options);

}  // namespace kst::cli
