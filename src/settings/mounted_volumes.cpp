#include "settings/mounted_volumes.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

namespace kst {
namespace {

// File systems that hold no user files: the kernel's views of itself.
constexpr std::string_view PseudoTypes[] = {
    "proc",    "sysfs",   "devtmpfs", "devpts", "cgroup", "cgroup2",   "securityfs", "pstore",
    "debugfs", "tracefs", "configfs", "fusectl", "mqueue", "hugetlbfs", "bpf",        "binfmt_misc",
    "autofs",  "efivarfs", "rpc_pipefs", "nsfs", "selinuxfs", "nfsd",
};

// Memory file systems are mostly the system's scratch space (/run, /dev/shm,
// /tmp); only one the user mounted in a place of their own is worth offering.
constexpr std::string_view MemoryTypes[] = {"tmpfs", "ramfs"};

// Places where the system keeps its own mounts: snaps, container layers, runtime state.
constexpr std::string_view SystemPlaces[] = {"/proc", "/sys", "/dev", "/run", "/snap", "/var/lib"};
// Places where users mount things; /run/media is one although /run is not.
constexpr std::string_view UserPlaces[] = {"/media", "/mnt", "/home", "/run/media"};

template <std::size_t N>
bool isOneOf(std::string_view value, const std::string_view (&set)[N])
{
    return std::ranges::find(set, value) != std::end(set);
}

template <std::size_t N>
bool isUnder(std::string_view path, const std::string_view (&places)[N])
{
    return std::ranges::any_of(places, [&](std::string_view place) {
        return path.starts_with(place) && (path.size() == place.size() || path[place.size()] == '/');
    });
}

// Mount tables write a blank, tab, line break or backslash in a path as "\" and
// three octal digits.
std::string unescaped(std::string_view field)
{
    std::string text;
    for (std::size_t i = 0; i < field.size(); ++i) {
        bool octal = field[i] == '\\' && i + 3 < field.size();
        for (std::size_t k = 1; octal && k <= 3; ++k)
            octal = field[i + k] >= '0' && field[i + k] <= '7';
        if (octal) {
            text += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0'));
            i += 3;
        } else {
            text += field[i];
        }
    }
    return text;
}

bool isVolume(std::string_view mountPoint, std::string_view type)
{
    bool userPlace = isUnder(mountPoint, UserPlaces);
    if (isOneOf(type, PseudoTypes) || (isUnder(mountPoint, SystemPlaces) && !userPlace))
        return false;
    return userPlace || !isOneOf(type, MemoryTypes);
}

}  // namespace

std::vector<std::filesystem::path> mountedVolumes(std::string_view mountsText)
{
    // The root is always there, whatever the table says: it is where every folder can be reached from.
    std::vector<std::filesystem::path> volumes = {"/"};
    std::istringstream lines{std::string(mountsText)};
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        std::string device, mountPoint, type;
        if (!(fields >> device >> mountPoint >> type))
            continue;
        std::string point = unescaped(mountPoint);
        if (!point.starts_with('/') || !isVolume(point, type))
            continue;
        volumes.emplace_back(point);
    }
    std::sort(volumes.begin(), volumes.end());
    volumes.erase(std::unique(volumes.begin(), volumes.end()), volumes.end());
    return volumes;
}

std::vector<std::filesystem::path> mountedVolumes()
{
    std::ifstream file("/proc/self/mounts");
    std::string text(std::istreambuf_iterator<char>(file), {});
    return mountedVolumes(text);
}

}  // namespace kst
