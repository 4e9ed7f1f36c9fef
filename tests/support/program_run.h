#pragma once

#include "support/temp_folder.h"

#include <filesystem>
#include <string>
#include <vector>

namespace kst::test {

struct ProgramRun {
    int status = -1;  // the exit status; -1 when it did not start or did not exit
    std::string out;
    std::string err;
};

// Runs a built program with the given arguments and waits for it, capturing
// both output streams through files in folder.
ProgramRun runProgram(const std::filesystem::path& program, const TempFolder& folder,
                      const std::vector<std::string>& args);

}  // namespace kst::test
