#pragma once

#include <cstdint>
#include <vector>
#include <zip.h>

namespace kst::unz {

// Opens the archive on fd for reading through libzip, with the UTF-8 flag
// cleared on the fly at the given offsets (each the offset of an entry's
// general-purpose flags in the file). libzip refuses a whole archive when one
// entry is flagged UTF-8 but is not; cleared, such an entry no longer stands
// in the way of the others, and the caller skips it by its own reading of the
// flags. libzip is shown the file from archiveStart on, where the archive's
// own offsets count from. fd stays the caller's and must outlive the archive.
// Nothing on failure.
zip_t* openArchive(int fd, std::uint64_t archiveStart, std::vector<std::uint64_t> clearUtf8FlagAt);

}  // namespace kst::unz
