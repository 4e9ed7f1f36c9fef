#include "verify/verification.h"

#include "core/paths.h"
#include "platform/files.h"
#include "romops/exithack_removal.h"
#include "zipformat/limits.h"

#include <algorithm>
#include <array>
#include <tuple>

namespace kst::verify {
namespace {

constexpr std::size_t FillCount = std::size(PaddingFills);

// An entry to try, in the order in which a match wins: the smallest size,
// 0xFF before 0x00, then the DAT's order.
struct Candidate {
    std::uint64_t size;
    std::size_t fill;
    std::size_t rom;
};

// The digests of an image padded to the candidates' sizes. The image is
// hashed once per kind, and each fill's stream goes on from a copy of that
// state, finished (as a copy) at each size: the sizes only grow.
class PaddedDigests {
public:
    explicit PaddedDigests(std::span<const std::uint8_t> image) : image_(image) {}

    const std::vector<std::uint8_t>& at(DigestStream::Kind kind, std::size_t fill, std::uint64_t size)
    {
        const auto k = static_cast<std::size_t>(kind);
        if (!images_[k]) {
            images_[k].emplace(kind);
            images_[k]->add(image_);
        }
        Run& run = runs_[k][fill];
        if (!run.stream) {
            run.stream.emplace(*images_[k]);
            run.length = image_.size();
        }
        if (run.digest.empty() || run.length != size) {
            run.stream->addFill(PaddingFills[fill], size - run.length);
            run.length = size;
            run.digest = run.stream->digestSoFar();
        }
        return run.digest;
    }

private:
    struct Run {
        std::optional<DigestStream> stream;
        std::uint64_t length = 0;
        std::vector<std::uint8_t> digest;  // of the first `length` bytes
    };
    std::span<const std::uint8_t> image_;
    std::array<std::optional<DigestStream>, 2> images_;
    std::array<std::array<Run, FillCount>, 2> runs_;
};

template <std::size_t N>
bool same(const std::array<std::uint8_t, N>& expected, const std::vector<std::uint8_t>& digest)
{
    return std::equal(expected.begin(), expected.end(), digest.begin(), digest.end());
}

}  // namespace

DatIndex::DatIndex(DatFile dat) : dat_(std::move(dat))
{
    for (std::size_t i = 0; i < dat_.roms.size(); ++i) {
        const DatRom& rom = dat_.roms[i];
        if (rom.crc)
            withCrc_.push_back({rom.size, *rom.crc, i});
        else if (rom.md5 || rom.sha1)
            withoutCrc_.push_back({rom.size, 0, i});
        else
            continue;  // a size alone proves nothing
        sizes_.push_back(rom.size);
    }
    std::sort(withCrc_.begin(), withCrc_.end());
    std::sort(withoutCrc_.begin(), withoutCrc_.end());
    std::sort(sizes_.begin(), sizes_.end());
    sizes_.erase(std::unique(sizes_.begin(), sizes_.end()), sizes_.end());
    // Between two sizes the fill's CRC is joined in one step, made here once
    // for every image, not per image and size.
    for (std::size_t i = 0; i < sizes_.size(); ++i)
        for (std::uint8_t fill : PaddingFills)
            steps_.emplace_back(fill, i == 0 ? 0 : sizes_[i] - sizes_[i - 1]);
}

std::optional<DatIndex::Match> DatIndex::match(std::span<const std::uint8_t> image) const
{
    const std::uint64_t length = image.size();
    const auto first = std::lower_bound(sizes_.begin(), sizes_.end(), length);
    if (first == sizes_.end())
        return std::nullopt;

    // The CRC-32 of the image at every size, carried from size to size.
    const std::uint32_t crc = crc32Of(image);
    std::array<std::uint32_t, FillCount> crcs;
    std::vector<Candidate> candidates;
    for (auto it = first; it != sizes_.end(); ++it) {
        const std::uint64_t size = *it;
        const bool padded = size != length;
        if (padded && size > LargestCartridge)
            break;  // sizes only grow from here
        const auto at = static_cast<std::size_t>(it - sizes_.begin());
        for (std::size_t f = 0; f < FillCount; ++f)
            crcs[f] = it == first ? crc32WithFill(crc, PaddingFills[f], size - length) : steps_[at * FillCount + f](crcs[f]);
        // Nothing added: the other fill gives the same stream.
        for (std::size_t f = 0; f < (padded ? FillCount : 1); ++f) {
            const auto agree = std::equal_range(withCrc_.begin(), withCrc_.end(), Keyed{size, crcs[f], 0},
                                                [](const Keyed& a, const Keyed& b) {
                                                    return std::tie(a.size, a.crc) < std::tie(b.size, b.crc);
                                                });
            const auto without = std::equal_range(withoutCrc_.begin(), withoutCrc_.end(), Keyed{size, 0, 0},
                                                  [](const Keyed& a, const Keyed& b) { return a.size < b.size; });
            const std::size_t from = candidates.size();
            for (auto e = agree.first; e != agree.second; ++e)
                candidates.push_back({size, f, e->rom});
            for (auto e = without.first; e != without.second; ++e)
                candidates.push_back({size, f, e->rom});
            std::sort(candidates.begin() + static_cast<std::ptrdiff_t>(from), candidates.end(),
                      [](const Candidate& a, const Candidate& b) { return a.rom < b.rom; });
        }
    }

    PaddedDigests digests(image);
    for (const Candidate& c : candidates) {
        const DatRom& rom = dat_.roms[c.rom];
        const bool agrees = rom.sha1  ? same(*rom.sha1, digests.at(DigestStream::Kind::Sha1, c.fill, c.size))
                            : rom.md5 ? same(*rom.md5, digests.at(DigestStream::Kind::Md5, c.fill, c.size))
                                      : true;  // the CRC-32 agreed, and it is all the entry gives
        if (agrees)
            return Match{c.rom, c.size != length};
    }
    return std::nullopt;
}

Verification DatIndex::result(const Match& match, Verdict verdict) const
{
    const DatRom& rom = dat_.roms[match.rom];
    return {verdict, dat_.games[rom.game], rom.name, rom.game};
}

Verification DatIndex::verify(std::span<const std::uint8_t> image) const
{
    if (const std::optional<Match> found = match(image))
        return result(*found, found->padded ? Verdict::VerifiedPadded : Verdict::Verified);
    // The patch is only looked for once the image as it is is unknown.
    if (const std::optional<std::vector<std::uint8_t>> restored = ops::imageWithoutExitHack(image))
        if (const std::optional<Match> found = match(*restored))
            return result(*found, Verdict::VerifiedRestored);
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
    case Verdict::VerifiedRestored: return "verified-restored";
    case Verdict::Unknown: break;
    }
    return "unknown";
}

std::string verdictText(const Verification& verification)
{
    switch (verification.verdict) {
    case Verdict::Verified: return format(tr(texts::VerdictVerified), {verification.game});
    case Verdict::VerifiedPadded: return format(tr(texts::VerdictPadded), {verification.game});
    case Verdict::VerifiedRestored: return format(tr(texts::VerdictRestored), {verification.game});
    case Verdict::Unknown: break;
    }
    return tr(texts::VerdictUnknown);
}

std::string nameFromDat(std::string_view romName)
{
    if (hasExtension(romName, GbaExtension))
        romName.remove_suffix(GbaExtension.size());
    std::string name;
    for (std::size_t i = 0; i < romName.size(); ++i) {
        const auto c = static_cast<unsigned char>(romName[i]);
        if (c == 0xC2 && i + 1 < romName.size() && static_cast<unsigned char>(romName[i + 1]) >= 0x80 &&
            static_cast<unsigned char>(romName[i + 1]) <= 0x9F) {
            ++i;  // a C1 control, U+0080 to U+009F, in UTF-8
        } else if (c == PathSeparator) {
            name += '_';  // the name stays one file in the output folder
        } else if (c >= 0x20 && c != 0x7F) {
            name += static_cast<char>(c);
        }
    }
    return name;
}

}  // namespace kst::verify
