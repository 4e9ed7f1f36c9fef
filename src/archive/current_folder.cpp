#include "archive/current_folder.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace kst {

CurrentFolderChange::CurrentFolderChange(const std::filesystem::path& folder)
{
    // O_PATH needs no read permission on the folder being left.
    previous_ = ::open(".", O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (previous_ < 0) {
        reason_ = std::strerror(errno);
        return;
    }
    if (::chdir(folder.c_str()) != 0) {
        reason_ = std::strerror(errno);
        return;
    }
    entered_ = true;
}

CurrentFolderChange::~CurrentFolderChange()
{
    if (previous_ < 0)
        return;
    if (entered_) {
        [[maybe_unused]] int ignored = ::fchdir(previous_);
    }
    ::close(previous_);
}

}  // namespace kst
