#pragma once

#include <cstdint>
#include <string>

namespace kst {

// A byte count as the list and the command-line tool show it: whole
// kilobytes, rounded down, followed by " KB".
std::string kilobytes(std::uint64_t bytes);

}  // namespace kst
