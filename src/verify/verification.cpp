#include "verify/verification.h"

#include "platform/files.h"
#include "zipformat/limits.h"

#include <optional>

namespace kst::verify {
namespace {

// No cartridge comes near this; a DAT entry larger than an image by more is
// not hashed as its padded form, so that a hostile DAT cannot make a check
// run for hours.
constexpr std::uint64_t MaxPadding = 1ull << 30;

bool digestsAgree(const DatRom& rom, const Digests& digests)
{
    return (!rom.md5 || *rom.md5 == digests.md5) && (!rom.sha1 || *rom.sha1 == digests.sha1);
}

}  // namespace

DatIndex::DatIndex(DatFile dat) : games_(std::move(dat.games)), roms_(std::move(dat.roms))
{
    for (const DatRom& rom : roms_)
        bySize_.emplace(rom.size, &rom);
}

Verification DatIndex::verify(std::span<const std::uint8_t> image) const
{
    const std::uint32_t crc = crc32Of(image);
    // Entries of the image's own size, then of every larger size with each fill.
    for (auto it = bySize_.lower_bound(image.size()); it != bySize_.end();) {
        const std::uint64_t size = it->first;
        const auto last = bySize_.upper_bound(size);
        const std::uint64_t added = size - image.size();
        if (added > MaxPadding)
            break;  // sizes only grow from here
        for (std::uint8_t fill : PaddingFills) {
            const std::uint32_t paddedCrc = crc32WithFill(crc, fill, added);
            std::optional<Digests> digests;
            for (auto entry = it; entry != last; ++entry) {
                const DatRom& rom = *entry->second;
                if (rom.crc && *rom.crc != paddedCrc)
                    continue;
                if (!rom.md5 && !rom.sha1 && !rom.crc)
                    continue;  // a size alone proves nothing
                if (!digests && (rom.md5 || rom.sha1))
                    digests = digestsOf(image, fill, added);
                if (!digests || digestsAgree(rom, *digests))
                    return {added == 0 ? Verdict::Verified : Verdict::VerifiedPadded, games_[rom.game]};
            }
            if (added == 0)
                break;  // nothing is added, so the other fill gives the same stream
        }
        it = last;
    }
    return {};
}

Verification DatIndex::verifyFile(const std::filesystem::path& path) const
{
    return verify(readWholeFile(path, zip::kMaxImageBytes));
}

const char* verdictWord(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Verified: return "verified";
    case Verdict::VerifiedPadded: return "verified-padded";
    case Verdict::Unknown: break;
    }
    return "unknown";
}

std::string verdictText(const Verification& verification)
{
    switch (verification.verdict) {
    case Verdict::Verified: return format(tr(texts::VerdictVerified), {verification.game});
    case Verdict::VerifiedPadded: return format(tr(texts::VerdictPadded), {verification.game});
    case Verdict::Unknown: break;
    }
    return tr(texts::VerdictUnknown);
}

}  // namespace kst::verify
