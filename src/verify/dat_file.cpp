#include "verify/dat_file.h"

#include "core/texts.h"
#include "platform/files.h"
#include "verify/clrmamepro_dat.h"
#include "verify/logiqx_dat.h"

#include <new>

namespace kst::verify {
namespace {

constexpr std::size_t BlockBytes = 256 * 1024;

// Tells the format by the first block, then hands that block and the rest to its reader.
DatFile readBlocks(const std::string& datName, const DatBlocks& blocks, const DatLimits& limits)
{
    try {
        std::string_view first = blocks();
        const bool text = looksLikeClrmamepro(first);
        if (text && first.starts_with("\xEF\xBB\xBF"))
            first.remove_prefix(3);
        bool firstGiven = false;
        const DatBlocks all = [&]() -> std::string_view {
            if (firstGiven)
                return blocks();
            firstGiven = true;
            return first;
        };
        return text ? readClrmameproDat(datName, all, limits) : readLogiqxDat(datName, all, limits);
    } catch (const std::bad_alloc&) {
        // What was read is freed by now, so the message has room.
        throw DatError(format(tr(texts::DatNoMemory), {datName}));
    }
}

}  // namespace

DatFile readDat(const std::filesystem::path& path, const DatLimits& limits)
{
    try {
        RomFile file(path, RomFile::Access::ReadOnly);
        std::vector<char> block(BlockBytes);
        return readBlocks(path.string(), [&] {
            const std::size_t got = file.read(reinterpret_cast<std::uint8_t*>(block.data()), block.size());
            return std::string_view(block.data(), got);
        }, limits);
    } catch (const FileError& error) {
        throw DatError(error.what());
    }
}

DatFile parseDat(std::string_view text, const DatLimits& limits)
{
    return readBlocks("DAT", [&] {
        const std::string_view block = text.substr(0, BlockBytes);
        text.remove_prefix(block.size());
        return block;
    }, limits);
}

}  // namespace kst::verify
