// The atomic write of platform/files.h: a temporary file in the target's
// folder that takes the target's name only when complete.

#include "platform/files.h"
#include "atomicfile/atomic_file.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace kst {
namespace {

std::atomic<bool> unnamedAllowed = true;

}  // namespace

std::filesystem::path followLinks(const std::filesystem::path& target)
{
    std::filesystem::path current = target;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return current;
        std::error_code ec;
        std::filesystem::path next = std::filesystem::read_symlink(current, ec);
        if (ec)
            throw FileError(target, ec.message());
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    errno = ELOOP;
    throw fileErrorFromErrno(target);
}

void allowUnnamedTemporaryFiles(bool allowed)
{
    unnamedAllowed = allowed;
}

void writeFileAtomically(const std::filesystem::path& target, std::span<const std::uint8_t> bytes)
{
    const std::filesystem::path real = followLinks(target);
    struct stat old {};
    const bool replaces = ::stat(real.c_str(), &old) == 0;
    // A file the user may not write to stays as it is, whatever its folder allows.
    if (replaces && S_ISREG(old.st_mode)) {
        if (isReadOnly(real)) {
            errno = EACCES;
            throw fileErrorFromErrno(target);
        }
        if (::faccessat(AT_FDCWD, real.c_str(), W_OK, AT_EACCESS) != 0)
            throw fileErrorFromErrno(target);
    }
    // A replaced file's bits are set only once it is complete; until then
    // nobody else may read it. A new file gets the usual 0666 less the umask.
    AtomicFile file(real.parent_path(), replaces ? 0600 : 0666, unnamedAllowed);
    if (!file.write(bytes.data(), bytes.size())
        || !file.commit(real, replaces ? std::optional<mode_t>(old.st_mode & 07777) : std::nullopt)) {
        errno = file.error();
        throw fileErrorFromErrno(target);
    }
}

void writeFileAtomically(const std::filesystem::path& target, std::string_view text)
{
    writeFileAtomically(target, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

void copyFileAtomically(const std::filesystem::path& from, const std::filesystem::path& to)
{
    writeFileAtomically(to, readWholeFile(from));
}

}  // namespace kst
