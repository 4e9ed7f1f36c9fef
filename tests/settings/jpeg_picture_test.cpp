#include "settings/jpeg_picture.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace kst {
namespace {

using test::Bytes;

TEST(JpegPictureTest, TheShippedPictureDecodesAtItsSize)
{
    const Bytes jpeg = test::readBytes(KESTROM_ABOUT_PICTURE);
    std::optional<RgbPicture> picture = decodeJpeg(jpeg);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width, 190);
    EXPECT_EQ(picture->height, 65);
    ASSERT_EQ(picture->pixels.size(), 190u * 65 * 3);
    // Not one flat colour: the picture was really decoded.
    EXPECT_NE(std::count(picture->pixels.begin(), picture->pixels.end(), picture->pixels[0]),
              static_cast<std::ptrdiff_t>(picture->pixels.size()));
}

TEST(JpegPictureTest, DamagedDataGivesNoPictureAndKeepsTheProcessAlive)
{
    const Bytes jpeg = test::readBytes(KESTROM_ABOUT_PICTURE);
    Bytes garbage(jpeg.size());
    for (std::size_t i = 0; i < garbage.size(); ++i)
        garbage[i] = static_cast<std::uint8_t>(i * 151 + 7);
    Bytes badMarker = jpeg;
    badMarker[3] = 0x00;  // the first segment's marker is no longer one

    const std::pair<const char*, Bytes> cases[] = {
        {"empty", {}},
        {"garbage", garbage},
        {"start of image only", Bytes(jpeg.begin(), jpeg.begin() + 2)},
        {"headers only", Bytes(jpeg.begin(), jpeg.begin() + 600)},
        {"half", Bytes(jpeg.begin(), jpeg.begin() + static_cast<std::ptrdiff_t>(jpeg.size() / 2))},
        {"end marker missing", Bytes(jpeg.begin(), jpeg.end() - 2)},
        {"bad marker", badMarker},
    };
    for (const auto& [name, bytes] : cases)
        EXPECT_FALSE(decodeJpeg(bytes)) << name;
}

}  // namespace
}  // namespace kst
