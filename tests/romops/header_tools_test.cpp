// What the header tools of kestrom-cli build on: the header complement, the
// image check and padding.

#include "romheader/complement.h"
#include "romops/exithack.h"
#include "romops/exithack_removal.h"
#include "romops/image_check.h"
#include "romops/pad.h"
#include "romops/trim.h"
#include "support/synthetic_image.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace kst::ops {
namespace {

using test::Bytes;

TEST(ComplementTest, NegatedSumOfTheHeaderBytesMinus0x19)
{
    Bytes image(0xC0, 0);
    EXPECT_EQ(headerComplement(image), 0xE7);
    image[0xB2] = 0x96;  // the fixed value alone, as in every real header
    EXPECT_EQ(headerComplement(image), 0x51);
    image[0xA0] = 0x01;  // the first byte it covers
    image[0xBC] = 0x02;  // and the last
    EXPECT_EQ(headerComplement(image), 0x4E);
    // Neither the complement itself nor the bytes around the range count.
    image[0x9F] = image[0xBD] = image[0xBE] = 0x55;
    EXPECT_EQ(headerComplement(image), 0x4E);
}

TEST(ImageCheckTest, IntroPatchAndTrimmedAreToldApart)
{
    const Bytes signature(ExitHackSignature.begin(), ExitHackSignature.end());
    auto withEntry = [](Bytes image, EntryBytes entry) {
        std::copy(entry.begin(), entry.end(), image.begin());
        return image;
    };
    // A patch appended at `length` behind a branch to `target`: appended
    // without padding to a multiple of 4, the branch lands up to 3 bytes early.
    auto patchBehind = [&](std::size_t length, std::size_t target) {
        Bytes image = test::makeImage(length);
        image.insert(image.end(), signature.begin(), signature.end());
        const std::uint32_t words = static_cast<std::uint32_t>(target / 4 - 2);
        return withEntry(image, {static_cast<std::uint8_t>(words), static_cast<std::uint8_t>(words >> 8),
                                 static_cast<std::uint8_t>(words >> 16)});
    };
    const Bytes full = test::makeImage(0x8000);
    const Bytes patched = Exithack(RomTrunc(full), signature, newEntryBytesLsbFirst(RomTrunc(full).size()));

    struct Case {
        const char* what;
        Bytes image;
        bool intro, exitHack, trimmed;
    };
    const Case cases[] = {
        {"plain full-size image", full, false, false, false},
        {"trimmed image", test::makeImage(0x8001), false, false, true},
        {"intro at 0x4008", withEntry(full, {0x00, 0x10, 0x00}), true, false, false},
        {"backward branch", withEntry(full, {0xFF, 0xFF, 0xFF}), true, false, false},
        {"patched by this program", patched, false, true, true},
        {"patch 3 bytes after the branch target", patchBehind(0x40003, 0x40000), false, true, true},
        {"patch 4 bytes after the branch target", patchBehind(0x40004, 0x40000), true, true, true},
        {"patch before the branch target", patchBehind(0x40000, 0x40004), true, true, true},
        {"intro elsewhere, patch signature in the data",
         [&] {
             Bytes image = withEntry(full, {0x00, 0x10, 0x00});
             std::copy(signature.begin(), signature.end(), image.begin() + 0x6000);
             return image;
         }(),
         true, true, false},
    };
    for (const Case& c : cases) {
        const ImageCheck check = checkImage(c.image);
        EXPECT_EQ(check.intro, c.intro) << c.what;
        EXPECT_EQ(check.exitHack, c.exitHack) << c.what;
        EXPECT_EQ(check.trimmed, c.trimmed) << c.what;
        EXPECT_EQ(check.correctComplement, test::referenceComplement(c.image)) << c.what;
        EXPECT_EQ(check.storedComplement, c.image[0xBD]) << c.what;
    }
}

TEST(PadTest, PaddingAFullImagesTrimGivesItBackAndTrimmingThePadGivesTheTrim)
{
    auto padded = [](std::size_t size, std::size_t dataEnd, std::uint8_t fill, std::uint8_t last) {
        Bytes image = test::makeImage(size);
        std::fill(image.begin() + static_cast<std::ptrdiff_t>(dataEnd), image.end(), fill);
        image[dataEnd - 1] = 0x77;  // the game's last byte is neither padding value
        image.back() = last;
        return image;
    };
    struct Case {
        const char* what;
        Bytes full;
        bool exactlyBack;  // the fill is the one the trim left at the end
    };
    const Case cases[] = {
        {"0xFF padding", padded(0x10000, 0x9001, 0xFF, 0xFF), true},
        {"0x00 padding", padded(0x10000, 0x9001, 0x00, 0x00), true},
        {"one byte to pad", padded(0x1000, 0xFFE, 0xFF, 0xFF), true},
        {"0xFF padding ending in 0x00", padded(0x10000, 0x9001, 0xFF, 0x00), false},
    };
    for (const Case& c : cases) {
        const Bytes trimmed = RomTrunc(c.full);
        ASSERT_LT(trimmed.size(), c.full.size()) << c.what;
        const Bytes again = padImage(trimmed, paddingOf(trimmed));
        EXPECT_EQ(again.size(), c.full.size()) << c.what;
        EXPECT_EQ(again == c.full, c.exactlyBack) << c.what;
        EXPECT_EQ(RomTrunc(again), trimmed) << c.what;
    }
    // The other fill, chosen by hand, goes before the last byte too, so the trim still undoes it.
    const Bytes trimmed = RomTrunc(padded(0x10000, 0x9001, 0xFF, 0xFF));
    EXPECT_EQ(RomTrunc(padImage(trimmed, 0x00)), trimmed);
    EXPECT_EQ(padImage(trimmed, 0x00)[0x9001], 0x00);

    const Bytes full = test::makeImage(0x4000);
    EXPECT_EQ(padImage(full, 0xFF), full);
    EXPECT_EQ(paddingOf(Bytes{1, 2, 0x00}), 0x00);
    EXPECT_EQ(paddingOf(Bytes{1, 2, 0xFF}), 0xFF);
    EXPECT_EQ(paddingOf(Bytes{1, 0x00, 0x5A}), 0xFF);
}

}  // namespace
}  // namespace kst::ops
