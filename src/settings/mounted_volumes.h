#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

namespace kst {

// The places the folder chooser offers as drives: "/" first, then the mount
// points of real file systems (disks, removable media, network shares), sorted,
// each once. Kernel and runtime mounts (/proc, /sys, /dev, /run, memory file
// systems outside the user's places) are left out.
std::vector<std::filesystem::path> mountedVolumes();

// The same from the text of /proc/self/mounts.
std::vector<std::filesystem::path> mountedVolumes(std::string_view mountsText);

}  // namespace kst
