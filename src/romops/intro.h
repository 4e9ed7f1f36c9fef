#pragma once

#include "romops/entry.h"

#include <cstdint>
#include <span>
#include <vector>

namespace kst::ops {

// True when the image's entry branch is not the standard one, so that
// RemIntro changes it; an image shorter than the entry field has no branch.
bool hasIntro(std::span<const std::uint8_t> image);

// Points the entry branch back at 0xC0 and blanks everything from the old
// branch target to the end with the image's fill byte (chosen before anything
// changes). The length stays the same; the result differs from the input
// exactly when hasIntro(image).
std::vector<std::uint8_t> RemIntro(std::vector<std::uint8_t> image, EntryBytes entryBytes);

}  // namespace kst::ops
