#include "platform/platform.h"
#include "platform/volume_label.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace kst {
namespace {

TEST(Volumes, LinkNamesOfLabelsAreDecoded)
{
    struct Case {
        const char* link;
        const char* label;
    } cases[] = {
        {"PKBACK#\\x20002", "PKBACK# 002"},
        {"My\\x20Disk\\x2fTwo", "My Disk/Two"},
        {"plain", "plain"},
        {"cut\\x2", "cut\\x2"},
        {"not\\xZZhex", "not\\xZZhex"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(labelFromLinkName(c.link), c.label) << c.link;
}

// A path that does not exist yet lies on the volume of its nearest folder.
TEST(Volumes, MissingPathsTakeTheirNearestFolder)
{
    test::TempFolder temp;
    PosixPlatform posix;
    std::optional<Volume> folder = posix.volumeOf(temp.path());
    ASSERT_TRUE(folder);
    for (const std::filesystem::path& path : {temp / "new.zip", temp / "a/b/c/new.zip"}) {
        std::optional<Volume> volume = posix.volumeOf(path);
        ASSERT_TRUE(volume) << path;
        EXPECT_EQ(volume->removable, folder->removable) << path;
        EXPECT_EQ(volume->label, folder->label) << path;
    }
    test::writeBytes(temp / "file", {1});
    EXPECT_TRUE(posix.volumeOf(temp / "file" / "below.zip")) << "a file in the way counts as missing";
}

}  // namespace
}  // namespace kst
