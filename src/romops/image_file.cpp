#include "romops/image_file.h"

#include "platform/files.h"
#include "zipformat/limits.h"

#include <cstdint>
#include <functional>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace kst::ops {
namespace {

// Backs a large buffer with huge pages where the system offers them on
// request: reading an image of tens of megabytes into 4 KiB pages costs
// thousands of page faults, more time than copying the bytes themselves.
void preferHugePages(const std::uint8_t* data, std::size_t size)
{
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    constexpr std::uintptr_t HugePage = std::uintptr_t{2} << 20;
    const auto start = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t begin = (start + HugePage - 1) & ~(HugePage - 1);
    const std::uintptr_t end = (start + size) & ~(HugePage - 1);
    if (end > begin)
        ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
#else
    (void)data;
    (void)size;
#endif
}

// Room for the image and, when memory allows, for what later steps append.
void reserveRoom(std::vector<std::uint8_t>& image, std::size_t size, std::size_t extra)
{
    try {
        image.reserve(size + extra);
    } catch (const std::bad_alloc&) {
        image.reserve(size);
    }
}

}  // namespace

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
    // Decided before anything is read: a sparse file of gigabytes would take
    // as much memory. A file that grows later is read only up to total.
    if (total > zip::kMaxImageBytes)
        throw fileTooLargeError(file.path(), zip::kMaxImageBytes);
    if (hooks.progress)
        hooks.progress(0, total);

    std::vector<std::uint8_t> image;
    try {
        reserveRoom(image, static_cast<std::size_t>(total), extraCapacity);
        preferHugePages(image.data(), image.capacity());
        // A file that shrinks while it is read ends the image where the reads
        // end; one that grows is read up to the size it had when opened.
        std::function<void(std::uint64_t)> afterBlock;
        if (hooks.progress)
            afterBlock = [&](std::uint64_t done) { hooks.progress(done, total); };
        file.readRest(image, total, BlockSize, afterBlock);
    } catch (const std::bad_alloc&) {
        throw outOfMemoryError(file.path());
    }
    return image;
}

}  // namespace kst::ops
