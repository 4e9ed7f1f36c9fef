#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>

namespace kst::ops {

// How the file-level operations talk to whoever runs them. Every member may
// be left empty.
struct RomOpHooks {
    // Called with (0, total) before the first block is read, then after every
    // block with the bytes read so far; total is the size of the file.
    std::function<void(std::uint64_t done, std::uint64_t total)> progress;
    // Called when the patch step finds no patch file at the given path; the
    // image then passes through unpatched.
    std::function<void(const std::filesystem::path& patchFile)> patchMissing;
};

}  // namespace kst::ops
