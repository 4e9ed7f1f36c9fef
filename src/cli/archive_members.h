#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct zip;

namespace kst {

// Reads the members of zip archives into memory, each by its place in the
// archive's directory, so that members of equal or equivalent names each give
// their own data and nothing is unpacked to disk. The archive last read stays
// open, since the members of one archive are read one after the other.
class ArchiveMembers {
public:
    ArchiveMembers() = default;
    ~ArchiveMembers();
    ArchiveMembers(const ArchiveMembers&) = delete;
    ArchiveMembers& operator=(const ArchiveMembers&) = delete;

    struct Read {
        std::vector<std::uint8_t> bytes;  // the first upTo bytes, or all when the member is shorter
        std::uint64_t size = 0;           // the size the archive declares
    };

    // Inflates member index of archive, at most upTo bytes of it. crc is the
    // checksum the member was listed with: another member in its place (the
    // archive changed, or is read differently) is an error, not its data.
    // Throws FileError naming the member as shown, and FileTooLarge when it
    // declares, or inflates to, more than zip::kMaxImageBytes.
    Read read(const std::string& archive, std::uint64_t index, std::uint32_t crc, const std::string& shown,
              std::uint64_t upTo);

private:
    struct zip* open(const std::string& archive);

    std::string archive_;
    struct zip* zip_ = nullptr;
};

}  // namespace kst
