#include "unzdll/member_folders.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace kst::unz {
namespace {

namespace fs = std::filesystem;

// Looking at what lies behind a link could already lead outside, so lstat.
// made == nullptr only looks.
bool walk(const fs::path& root, const fs::path& folders, std::vector<fs::path>* made)
{
    fs::path current = root;
    for (const fs::path& part : folders) {
        current /= part;
        struct stat info {};
        if (::lstat(current.c_str(), &info) == 0) {
            if (!S_ISDIR(info.st_mode)) {
                errno = ENOTDIR;  // told to the caller as the reason
                return false;
            }
            continue;
        }
        if (errno != ENOENT)
            return false;
        if (!made)
            return true;
        if (::mkdir(current.c_str(), 0777) != 0)
            return false;
        made->push_back(current);
    }
    return true;
}

}  // namespace

bool foldersArePassable(const fs::path& root, const fs::path& folders)
{
    return walk(root, folders, nullptr);
}

bool MadeFolders::make(const fs::path& root, const fs::path& folders)
{
    return walk(root, folders, &made_);
}

MadeFolders::~MadeFolders()
{
    // rmdir leaves a folder that something else has meanwhile put a file in.
    for (auto folder = made_.rbegin(); folder != made_.rend(); ++folder)
        ::rmdir(folder->c_str());
}

}  // namespace kst::unz
