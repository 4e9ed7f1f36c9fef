#include "platform/platform.h"
#include "platform/volume_label.h"

#include <cerrno>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/sysmacros.h>

namespace kst {
namespace {

namespace fs = std::filesystem;

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The device of the file system holding the path or, for a path that does not
// exist yet, its nearest existing folder. Only a missing part moves the search
// up: any other failure (no permission, a loop) means the volume cannot be queried.
std::optional<dev_t> deviceOf(const fs::path& path)
{
    std::error_code ec;
    fs::path current = path.empty() ? fs::path(".") : path;
    if (current.is_relative()) {
        current = fs::current_path(ec) / current;
        if (ec)
            return std::nullopt;
    }
    for (;;) {
        struct stat st {};
        if (::stat(current.c_str(), &st) == 0) {
            struct statvfs fileSystem {};
            if (::statvfs(current.c_str(), &fileSystem) != 0)
                return std::nullopt;
            return st.st_dev;
        }
        if (errno != ENOENT && errno != ENOTDIR)
            return std::nullopt;
        fs::path parent = current.parent_path();
        if (parent == current)
            return std::nullopt;
        current = parent;
    }
}

// The kernel marks removable media on the whole disk, not on its partitions.
bool isRemovable(dev_t device)
{
    if (major(device) == 0)  // tmpfs, overlays and other file systems without a block device
        return false;
    std::error_code ec;
    fs::path node = fs::canonical("/sys/dev/block/" + std::to_string(major(device)) + ":"
                                      + std::to_string(minor(device)),
                                  ec);
    if (ec)
        return false;
    for (const fs::path& folder : {node, node.parent_path()}) {
        std::ifstream in(folder / "removable");
        int flag = 0;
        if (in >> flag)
            return flag == 1;
    }
    return false;
}

std::string labelOf(dev_t device)
{
    std::error_code ec;
    for (fs::directory_iterator it("/dev/disk/by-label", ec), end; !ec && it != end; it.increment(ec)) {
        struct stat st {};
        if (::stat(it->path().c_str(), &st) == 0 && S_ISBLK(st.st_mode) && st.st_rdev == device)
            return labelFromLinkName(it->path().filename().string());
    }
    return {};
}

}  // namespace

std::string labelFromLinkName(std::string_view linkName)
{
    std::string label;
    label.reserve(linkName.size());
    for (std::size_t i = 0; i < linkName.size(); ++i) {
        if (linkName[i] == '\\' && i + 3 < linkName.size() && linkName[i + 1] == 'x') {
            int high = hexDigit(linkName[i + 2]);
            int low = hexDigit(linkName[i + 3]);
            if (high >= 0 && low >= 0) {
                label += static_cast<char>(high * 16 + low);
                i += 3;
                continue;
            }
        }
        label += linkName[i];
    }
    return label;
}

std::optional<Volume> PosixPlatform::volumeOf(const fs::path& path) const
{
    std::optional<dev_t> device = deviceOf(path);
    if (!device)
        return std::nullopt;
    return Volume{isRemovable(*device), labelOf(*device)};
}

}  // namespace kst
