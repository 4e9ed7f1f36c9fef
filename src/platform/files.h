#pragma once

// File access: every read, write and folder creation of the program goes
// through here, and every failure comes out as a FileError naming the file.

#include "platform/file_error.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <limits>
#include <optional>
#include <span>
#include <string_view>
#include <system_error>
#include <vector>

namespace kst {

// The FileError for the current errno.
FileError fileErrorFromErrno(const std::filesystem::path& path);
// The FileError for an allocation that failed while the file's content was
// being held: too large a file is a reason the file cannot be handled, like any other.
FileError outOfMemoryError(const std::filesystem::path& path);
// "The file is larger than LIMIT.", naming the file.
FileTooLarge fileTooLargeError(const std::filesystem::path& path, std::uint64_t limit);

// A file as the system knows it: two names with one identity name one file.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    auto operator<=>(const FileIdentity&) const = default;
};

// The identity of what the path names, links followed; nothing when it names nothing.
std::optional<FileIdentity> fileIdentity(const std::filesystem::path& path);

// Throws FileError when the file cannot be opened for reading; a FIFO does
// not make it wait for a writer.
void checkReadable(const std::filesystem::path& path);

// Something of that name is there and is not a folder.
bool fileExists(const std::filesystem::path& path);

// True when no write permission bit is set: the stand-in for the read-only
// attribute, which also holds for a user (such as root) who could write anyway.
bool isReadOnly(const std::filesystem::path& path);

enum class FolderCreation {
    Existed,  // a folder of that name was there already
    Created,  // it was missing and has been made
    Failed,   // it was missing and could not be made
};

// Makes the folder when none of its name exists, one level only: a missing
// parent is a failure, as is a file of the same name. reason, when given,
// receives why it failed.
FolderCreation createFolder(const std::filesystem::path& folder, std::error_code* reason = nullptr);

// Makes the folder and every missing folder above it, one level at a time.
// Throws FileError naming the level that could not be made.
void createFolders(const std::filesystem::path& folder);

inline constexpr std::uint64_t NoSizeLimit = std::numeric_limits<std::uint64_t>::max();

// Reads a whole regular file. Anything else (a FIFO, a device, a folder) is
// refused without being read, and so is a file larger than maxSize. Throws
// FileError naming the file, also when the memory for it runs out.
std::vector<std::uint8_t> readWholeFile(const std::filesystem::path& path, std::uint64_t maxSize = NoSizeLimit);

// Writes a whole file so that it is either complete or not there at all: the
// bytes go to a temporary file in the target's folder, which takes the
// target's name only once everything is written and flushed. Where the file
// system allows, the temporary file has no name until then, so that nothing
// can be left behind whatever ends the process; elsewhere it is a hidden file
// beside the target, removed on failure and on the signals that end the
// process by default (SIGINT, SIGTERM, SIGQUIT, SIGUSR1, SIGALRM ...). The target is treated as opening it for writing would treat it:
// a symbolic link is followed and the file it leads to is replaced (in that
// file's own folder), and a read-only file is refused. On failure any old
// target stays as it was and FileError is thrown. A replaced file keeps its
// permission bits; a new one gets the usual 0666 & ~umask.
void writeFileAtomically(const std::filesystem::path& target, std::span<const std::uint8_t> bytes);
void writeFileAtomically(const std::filesystem::path& target, std::string_view text);

// The file that opening target for writing would reach: symbolic links are
// followed, a relative one from the folder it lies in. A link that leads
// nowhere gives the path a new file would be created at. Throws FileError
// for a link that cannot be read or a loop of links.
std::filesystem::path followLinks(const std::filesystem::path& target);

// Makes a write past the file-size limit (RLIMIT_FSIZE) fail with "File too
// large", as a full disk fails, instead of ending the process on SIGXFSZ.
// The signal is caught rather than ignored so that programs started from here
// get its default back.
void failWritesPastFileSizeLimit();

// Copies a regular file byte for byte the same way.
void copyFileAtomically(const std::filesystem::path& from, const std::filesystem::path& to);

// Whether writes may use a temporary file without a name. On by default; off
// stands in for a file system that has none, so that the fallback can be tested.
void allowUnnamedTemporaryFiles(bool allowed);

// From now on a file in the folder (or below it) is opened by RomFile and
// readWholeFile without following a link in its own name: such a link in the
// temporary folder was put there by someone else and is refused. Held for
// the life of the process.
void openWithoutLinksIn(const std::filesystem::path& folder);

// A regular file opened for byte-wise access. By default it is opened the way
// images are, for reading and writing: the open fails for a file the user
// marked read-only, so a file that cannot be processed is refused before
// anything is read. Anything but a regular file is refused in either mode,
// without waiting for a writer or a device. Every failure throws FileError.
class RomFile {
public:
    enum class Access { ReadWrite, ReadOnly };
    explicit RomFile(const std::filesystem::path& path, Access access = Access::ReadWrite);
    ~RomFile();
    RomFile(const RomFile&) = delete;
    RomFile& operator=(const RomFile&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::uint64_t size() const;
    void seek(std::uint64_t offset);

    // Reads exactly n bytes or throws.
    void readExact(std::uint8_t* into, std::size_t n);
    // Reads up to n bytes; returns how many arrived, 0 at the end of the file.
    std::size_t read(std::uint8_t* into, std::size_t n);

    // Appends what follows the current position to into, blockSize bytes at a
    // time, until the end of the file or until limit bytes have come, and
    // reports the bytes read so far after each block.
    void readRest(std::vector<std::uint8_t>& into, std::uint64_t limit, std::size_t blockSize,
                  const std::function<void(std::uint64_t)>& afterBlock = {});

    void close();

private:
    std::filesystem::path path_;
    int fd_ = -1;
};

// A file that the running programs of one user share through an advisory
// lock on it (the claims). A link in its name is refused, and nothing waits
// for a writer. Every failure to open throws FileError.
class SharedFile {
public:
    enum class Mode {
        Read,    // an existing file, for reading
        Create,  // made when missing (readable only by the user), for reading and appending
    };
    SharedFile(const std::filesystem::path& path, Mode mode);
    // A new file of a name of its own in the folder (random text + suffix), for appending.
    static SharedFile createUnique(const std::filesystem::path& folder, const std::string& suffix);
    ~SharedFile();
    SharedFile(SharedFile&& other) noexcept;
    SharedFile& operator=(SharedFile&& other) noexcept;

    const std::filesystem::path& path() const { return path_; }
    enum class Lock { Shared, Exclusive };
    // Takes the lock, waiting for it or not; false when it is held elsewhere
    // (not waiting) or cannot be taken. It goes with the file's closing.
    bool lock(Lock kind, bool wait);
    // False when not every byte could be written.
    bool append(std::string_view bytes);
    // What the file holds, up to limit bytes.
    std::string readAtMost(std::size_t limit);

private:
    SharedFile(std::filesystem::path path, int fd) : path_(std::move(path)), fd_(fd) {}
    std::filesystem::path path_;
    int fd_ = -1;
};

// Makes a new folder of a name of its own in the folder (prefix + random
// text), readable only by the user; throws FileError.
std::filesystem::path createUniqueFolder(const std::filesystem::path& folder, const std::string& prefix);

}  // namespace kst
