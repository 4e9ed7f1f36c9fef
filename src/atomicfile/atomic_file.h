#pragma once

// The one way a file is written so that it is either complete or not there:
// the program's atomic writes (platform/files.h) and the unzip module's
// extracted members both go through it.

#include "atomicfile/leftover_cleanup.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <sys/types.h>

namespace kst {

// A temporary file in the folder its target lies in, which takes the target's
// name only once it is complete and flushed to the disk. Where the file
// system allows, it has no name until then, so that nothing can be left
// behind whatever ends the process; elsewhere it is a short hidden name
// (".kst-XXXXXXXX.part", short so that any target name still fits beside it),
// removed on failure and on the signals that end the process by default.
// Failures are told by the system's error number, never thrown, so that the
// module can use it behind its C exports.
class AtomicFile {
public:
    // createMode goes to the system as for any new file, the umask applied
    // by the kernel: 0666 for a file of the usual mode, fewer bits for one
    // whose final mode commit sets.
    AtomicFile(const std::filesystem::path& folder, mode_t createMode, bool unnamedAllowed);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    // The open descriptor, for what the caller sets on the file itself (its times).
    int descriptor() const { return fd_; }
    bool write(const void* data, std::size_t size);
    // Sets mode (when given), flushes, and gives the file target's name,
    // replacing a file there.
    bool commit(const std::filesystem::path& target, std::optional<mode_t> mode = std::nullopt);
    // The system's error number of the failure, once open, write or commit failed.
    int error() const { return error_; }

private:
    bool fail(int error);
    void openNamed(const std::filesystem::path& folder, mode_t createMode);
    int linkUnnamed(const std::string& name);
    bool linkToTemporaryName(const std::filesystem::path& folder);
    void startWriteback(std::size_t justWritten);
    void discard();

    std::string name_;  // the temporary file's name, while it has one
    LeftoverCleanup cleanup_;
    int fd_ = -1;
    int error_ = 0;
    std::size_t written_ = 0;
};

}  // namespace kst
