#pragma once

#include "unzdll/central_directory.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <zip.h>

namespace kst::unz {

// An archive opened for reading its members: its directory read by the
// program's own rules (names byte for byte, flags, where the archive starts
// in the file), and libzip shown the same entries from that start on. The
// unzip module extracts through it and the command line reads members into
// memory through it, so both take the same bytes for a member and refuse the
// same members for the same reasons.
class OpenedArchive {
public:
    // Nothing when the path names no regular file, the directory cannot be
    // read, members share bytes, or libzip sees other entries.
    static std::unique_ptr<OpenedArchive> open(const char* path);
    ~OpenedArchive();
    OpenedArchive(const OpenedArchive&) = delete;
    OpenedArchive& operator=(const OpenedArchive&) = delete;

    const StoredDirectory& directory() const { return directory_; }
    zip_t* zip() const { return zip_; }

    // The member's name as the program lists it; empty when it has none
    // (flagged UTF-8, but not).
    std::string name(std::uint64_t index) const;

    // Why a member is refused before any of its data is read: it declares
    // more than the largest image (UNZ_SKIP_TOO_LARGE), its data lie outside
    // the archive (UNZ_SKIP_OUTSIDE), or its name is refused (UNZ_SKIP_NAME).
    // Nothing when it may be read.
    std::optional<std::int32_t> refusal(std::uint64_t index) const;

private:
    OpenedArchive() = default;

    int fd_ = -1;  // outlives zip_, which reads through it
    StoredDirectory directory_;
    zip_t* zip_ = nullptr;
};

// Why libzip could not open or read a member, as a skip reason (UNZ_SKIP_...).
std::int32_t skipReason(int libzipError);

}  // namespace kst::unz
