#pragma once

#include <string>
#include <vector>

namespace kst::cli {

// verify --dat FILE.dat FILE...: one tab-separated line per image (each
// image of a .zip as ARCHIVE:MEMBER): its path, verified, verified-padded or
// unknown, and the DAT's game name when there is one. args starts after
// "verify". Returns the exit status; a DAT that cannot be read is a usage error.
int runVerify(const std::vector<std::string>& args);

}  // namespace kst::cli
