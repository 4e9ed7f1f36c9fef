#include "settings/folder_box.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace kst {
namespace {

TEST(FolderBox, TrimsControlCharactersAndBlanksButNoLetters)
{
    struct Case {
        std::string typed, trimmed, folder;
    };
    const Case cases[] = {
        {"", "", "/"},
        {" \t\r\n", "", "/"},
        {"  /some/out  ", "/some/out", "/some/out/"},
        {"\x01/x/\x1f", "/x/", "/x/"},
        {"/a b/", "/a b/", "/a b/"},
        {"\xc3\xa9t\xc3\xa9", "\xc3\xa9t\xc3\xa9", "\xc3\xa9t\xc3\xa9/"},  // "été": UTF-8 bytes are no blanks
        {"\xc2\xa0", "\xc2\xa0", "\xc2\xa0/"},
        {"C:\\out\\", "C:\\out\\", "C:\\out\\/"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(trimmedBoxText(c.typed), c.trimmed) << c.typed;
        EXPECT_EQ(folderBoxText(trimmedBoxText(c.typed)), c.folder) << c.typed;
    }
}

}  // namespace
}  // namespace kst
