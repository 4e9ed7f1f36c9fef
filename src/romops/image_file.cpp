#include "romops/image_file.h"

#include "platform/rom_file.h"

#include <algorithm>

namespace kst {

EntryBytes readEntryBytes(RomFile& file)
{
    EntryBytes entry{};
    file.seek(0);
    file.readExact(entry.data(), entry.size());
    file.seek(0);
    return entry;
}

std::vector<std::uint8_t> readImage(RomFile& file, const RomOpHooks& hooks, std::size_t extraCapacity)
{
    constexpr std::size_t BlockSize = 64 * 1024;
    const std::uint64_t total = file.size();
    if (hooks.progress)
        hooks.progress(0, total);

    std::vector<std::uint8_t> image;
    image.reserve(static_cast<std::size_t>(total) + extraCapacity);
    image.resize(static_cast<std::size_t>(total));
    std::size_t done = 0;
    // A file that shrinks while it is read ends the image where the reads
    // end; one that grows is read up to the size it had when opened.
    while (done < image.size()) {
        std::size_t got = file.read(image.data() + done, std::min(BlockSize, image.size() - done));
        if (got == 0)
            break;
        done += got;
        if (hooks.progress)
            hooks.progress(done, total);
    }
    image.resize(done);
    return image;
}

}  // namespace kst
