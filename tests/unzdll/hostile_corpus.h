#pragma once

// The hostile and damaged archives the module is tested against, each with
// what the module must make of it. The readers' agreement test runs them too.

#include "unzdll/unzdll.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace kst::test {

struct HostileCase {
    const char* label;
    std::function<void(const std::filesystem::path&)> write;  // the archive
    std::vector<std::string> requested;
    int crcAnswer;                        // to action 9: 1 keeps the file
    std::vector<std::string> expected;    // everything below the extraction folder afterwards
    std::vector<std::string> crcAsked;    // names of the action-9 questions
    std::vector<int> skipped;             // the reasons of the action-11 reports
    std::uint64_t firstFileSize;          // of expected[0], when it is a file
};

inline constexpr int Damaged = UNZ_SKIP_DAMAGED, BadData = UNZ_SKIP_BAD_DATA, Name = UNZ_SKIP_NAME;

const std::vector<HostileCase>& hostileCorpus();

}  // namespace kst::test
