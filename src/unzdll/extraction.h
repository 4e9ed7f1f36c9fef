#pragma once

#include "unzdll/unzdll.h"

#include <cstdint>

namespace kst::unz {

// Extracts the members the block names from its archive into the current
// folder, reporting through its callback. Returns the number of files extracted.
// Expects a block that has passed the checks of UnzDllExec.
std::int32_t extract(const UnzParams& params);

}  // namespace kst::unz
