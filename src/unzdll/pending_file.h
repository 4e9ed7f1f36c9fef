#pragma once

#include <cstddef>
#include <ctime>
#include <filesystem>
#include <optional>

namespace kst::unz {

// A file being extracted. Its bytes go to a temporary file beside the target,
// which takes the target's name only once it is complete; until then, and on
// any failure, the target is untouched and the temporary file is removed.
class PendingFile {
public:
    explicit PendingFile(const std::filesystem::path& folder);
    ~PendingFile();
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    bool write(const void* data, std::size_t size);
    // Gives the file the member's time (when known) and moves it into place.
    bool commit(const std::filesystem::path& target, std::optional<std::time_t> modified);
    // The system's error number of the failure, once open, write or commit failed.
    int error() const { return error_; }

private:
    void discard();

    std::filesystem::path temp_;
    int fd_ = -1;
    int error_ = 0;
};

}  // namespace kst::unz
