#include "support/synthetic_image.h"

#include "romheader/header.h"
#include "romops/entry.h"

#include <algorithm>

namespace kst::test {

std::vector<std::uint8_t> makeImage(const ImageSpec& spec)
{
    std::vector<std::uint8_t> image(spec.size, spec.padding);
    auto put = [&](std::size_t offset, std::uint8_t value) {
        if (offset < image.size())
            image[offset] = value;
    };
    auto putText = [&](std::size_t offset, std::size_t length, const std::string& text) {
        for (std::size_t i = 0; i < length; ++i)
            put(offset + i, i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0);
    };

    // The header is zero but for its fields, whatever the padding.
    std::fill_n(image.begin(), std::min(header::Length, image.size()), std::uint8_t{0});
    for (std::size_t i = 0; i < ops::StandardEntry.size(); ++i)
        put(header::EntryOffset + i, ops::StandardEntry[i]);
    put(header::EntryOpcodeOffset, header::BranchOpcode);
    putText(header::InternalNameOffset, header::InternalNameLength, spec.internalName);
    putText(header::GameCodeOffset, header::GameCodeLength - 1, spec.gameCode);
    put(header::CountryOffset, static_cast<std::uint8_t>(spec.countryLetter));
    putText(header::MakerOffset, header::MakerLength, spec.makerCode);
    put(header::FixedValueOffset, header::FixedValue);

    // A simple pattern for the game, so that an image is not all one byte.
    const std::size_t dataEnd = std::min(spec.dataEnd, image.size());
    for (std::size_t i = header::Length; i < dataEnd; ++i)
        image[i] = static_cast<std::uint8_t>((i * 7 + 3) & 0xFF);
    return image;
}

std::vector<std::uint8_t> makeImage(std::size_t size, const std::string& internalName, char countryLetter,
                                    const std::string& maker)
{
    ImageSpec spec;
    spec.size = size;
    spec.internalName = internalName;
    spec.countryLetter = countryLetter;
    spec.makerCode = maker;
    return makeImage(spec);
}

std::uint8_t referenceComplement(const std::vector<std::uint8_t>& image)
{
    unsigned sum = 0x19;
    for (std::size_t offset = 0xA0; offset <= 0xBC; ++offset)
        sum += image.at(offset);
    return static_cast<std::uint8_t>(0x100 - sum % 0x100);
}

std::vector<std::uint8_t> datGameImage(std::size_t size, std::uint8_t fill)
{
    std::vector<std::uint8_t> bytes(3000);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>((i * 31 + 7) & 0xFF);
    bytes.resize(size, fill);
    return bytes;
}

}  // namespace kst::test
